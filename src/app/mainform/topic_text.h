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

// How much of a topic's text the editor takes at once: in all, and in one
// line (one paragraph, which the editor lays out whole, so a long one holds
// the window longest).
struct TopicTextLimit {
    std::size_t total = 8 * 1024 * 1024;
    std::size_t line = 256 * 1024;
};

// Moves a topic's text between its stored lines and the editor's document.
// A text past either limit is read only up to it (the rest would hold the
// window for seconds and take gigabytes): the caller must then never write
// the document back over the topic.
TopicTextLoad LoadTopicText(const std::vector<std::string>& lines, QTextDocument& doc,
                            TopicTextLimit limit);
std::vector<std::string> SaveTopicText(const QTextDocument& doc);

// The beginning of LINES within LIMIT: lines while they fit (each counted
// with its CR LF), and the first that does not cut short; none longer than
// LIMIT.line.
std::vector<std::string> TopicTextPrefix(const std::vector<std::string>& lines,
                                         TopicTextLimit limit);

// The notice over the editor for a text of BYTES read only in part.
QString PartTopicNotice(std::size_t bytes, TopicTextLimit limit);

// Loads an RTF file (the new-topic template) into DOC; false when the file
// cannot be read.
bool LoadRtfFile(const QString& path, QTextDocument& doc);

}  // namespace scrivlet::app
