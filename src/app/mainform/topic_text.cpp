#include "app/mainform/topic_text.h"

#include <QFile>
#include <QTextDocument>

#if __has_include("rtf/rtf_reader.h")
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"
#define SCRIVLET_HAS_RTF_CODEC 1
#else
#include "rtf/ansi_text.h"
#define SCRIVLET_HAS_RTF_CODEC 0
#endif

namespace scrivlet::app {

#if SCRIVLET_HAS_RTF_CODEC

bool LoadTopicText(const std::vector<std::string>& lines, QTextDocument& doc) {
    doc.clear();
    return ReadTopicText(lines, doc).ok;
}

std::vector<std::string> SaveTopicText(const QTextDocument& doc) { return WriteTopicText(doc); }

bool LoadRtfFile(const QString& path, QTextDocument& doc) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    doc.clear();
    return ReadRtf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                   doc)
        .ok;
}

#else

// Until the RTF codec is in, the editor shows the stored lines as they are.
bool LoadTopicText(const std::vector<std::string>& lines, QTextDocument& doc) {
    std::string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        joined += (i ? "\n" : "") + lines[i];
    }
    doc.setPlainText(FromAnsi(joined));
    return true;
}

std::vector<std::string> SaveTopicText(const QTextDocument& doc) {
    std::vector<std::string> lines;
    const std::string text = ToAnsi(doc.toPlainText());
    if (text.empty()) {
        return lines;
    }
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos
                                                                    : end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

bool LoadRtfFile(const QString& path, QTextDocument& doc) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    doc.setPlainText(FromAnsi(std::string_view(bytes.constData(), bytes.size())));
    return true;
}

#endif

}  // namespace scrivlet::app
