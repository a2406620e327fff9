#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <vector>

class QTextDocument;

namespace scrivlet::app {

// What LoadTopicText put into the editor's document.
struct TopicTextLoad {
    bool ok = true;         // the lines read without a problem
    bool whole = true;      // false: only the first LIMIT bytes were read
    std::size_t bytes = 0;  // the whole text's size, each line with its CR LF
};

// Moves a topic's text between its stored lines and the editor's document.
// A text of more than LIMIT bytes is read only up to LIMIT (the rest would
// hold the window for seconds and take gigabytes): the caller must then
// never write the document back over the topic.
TopicTextLoad LoadTopicText(const std::vector<std::string>& lines, QTextDocument& doc,
                            std::size_t limit);
std::vector<std::string> SaveTopicText(const QTextDocument& doc);

// The first LIMIT bytes of LINES as lines (each line counted with its CR LF;
// the last one cut short).
std::vector<std::string> TopicTextPrefix(const std::vector<std::string>& lines, std::size_t limit);

// The notice over the editor for a text read only in part.
QString PartTopicNotice(std::size_t bytes, std::size_t limit);

// Loads an RTF file (the new-topic template) into DOC; false when the file
// cannot be read.
bool LoadRtfFile(const QString& path, QTextDocument& doc);

}  // namespace scrivlet::app
