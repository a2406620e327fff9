#pragma once

#include <QString>
#include <string>
#include <vector>

class QTextDocument;

namespace scrivlet::app {

// Moves a topic's text between its stored lines and the editor's document.
// Returns false when the lines could not be read; the document then holds
// what could be read.
bool LoadTopicText(const std::vector<std::string>& lines, QTextDocument& doc);
std::vector<std::string> SaveTopicText(const QTextDocument& doc);

// Loads an RTF file (the new-topic template) into DOC; false when the file
// cannot be read.
bool LoadRtfFile(const QString& path, QTextDocument& doc);

}  // namespace scrivlet::app
