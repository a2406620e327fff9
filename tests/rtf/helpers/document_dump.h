#pragma once

#include <QString>
#include <string>
#include <vector>

class QTextDocument;

namespace scrivlet::testing {

// One line per paragraph and per run, with every format the topic text can
// carry resolved against the document's default font, so two documents that
// render the same dump the same. Adjacent runs of one format are joined.
QString DumpDocument(const QTextDocument& doc);

// Lines as one printable text, for readable comparisons in failures.
QString JoinLines(const std::vector<std::string>& lines);

// The editor's font, Arial at 15 pixels.
void UseEditorFont(QTextDocument& doc);

// A file of tests/data/rtf.
std::string ReadDataFile(const QString& name);

}  // namespace scrivlet::testing
