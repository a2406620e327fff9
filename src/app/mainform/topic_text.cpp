#include "app/mainform/topic_text.h"

#include <QFile>
#include <QTextDocument>

#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

namespace scrivlet::app {

bool LoadTopicText(const std::vector<std::string>& lines, QTextDocument& doc) {
    return ReadTopicText(lines, doc).ok;
}

std::vector<std::string> SaveTopicText(const QTextDocument& doc) {
    return WriteTopicText(doc);
}

bool LoadRtfFile(const QString& path, QTextDocument& doc) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    return ReadRtf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), doc)
        .ok;
}

}  // namespace scrivlet::app
