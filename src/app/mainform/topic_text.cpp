#include "app/mainform/topic_text.h"

#include <QFile>
#include <QTextDocument>
#include <algorithm>

#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

namespace scrivlet::app {

namespace {

constexpr std::size_t kMegabyte = 1024 * 1024;

// "100.0 MB"; under a megabyte "12 KB" (rounded up, never "0").
QString SizeText(std::size_t bytes) {
    if (bytes < kMegabyte) {
        return QString::number((bytes + 1023) / 1024) + QStringLiteral(" KB");
    }
    return QString::number(static_cast<double>(bytes) / kMegabyte, 'f', 1) + QStringLiteral(" MB");
}

}  // namespace

std::vector<std::string> TopicTextPrefix(const std::vector<std::string>& lines,
                                         TopicTextLimit limit) {
    std::vector<std::string> prefix;
    std::size_t room = limit.total;
    for (const std::string& line : lines) {
        if (line.size() + 2 > room || line.size() > limit.line) {
            const std::size_t cut = std::min({room, limit.line, line.size()});
            if (cut > 0) {
                prefix.push_back(line.substr(0, cut));
            }
            break;
        }
        prefix.push_back(line);
        room -= line.size() + 2;
    }
    return prefix;
}

TopicTextLoad LoadTopicText(const std::vector<std::string>& lines, QTextDocument& doc,
                            TopicTextLimit limit) {
    TopicTextLoad load;
    std::size_t longest = 0;
    for (const std::string& line : lines) {
        load.bytes += line.size() + 2;
        longest = std::max(longest, line.size());
    }
    if (load.bytes <= limit.total && longest <= limit.line) {
        load.ok = ReadTopicText(lines, doc).ok;
        return load;
    }
    load.whole = false;
    load.ok = ReadTopicText(TopicTextPrefix(lines, limit), doc).ok;
    return load;
}

QString PartTopicNotice(std::size_t bytes, TopicTextLimit limit) {
    return QStringLiteral(
               "This topic's text is %1, more than the editor opens at once (%2 in all, %3 in "
               "one paragraph). Its beginning is shown, read-only; the whole text stays in the "
               "project as it is and is saved unchanged.")
        .arg(SizeText(bytes), SizeText(limit.total), SizeText(limit.line));
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
