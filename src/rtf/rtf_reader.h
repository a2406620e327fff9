#pragma once

#include <string>
#include <string_view>
#include <vector>

class QTextDocument;

namespace scrivlet {

struct RtfReadResult {
    bool ok = true;
    // Empty when OK; otherwise a sentence about the first problem met, with
    // its byte offset. The document then holds everything read up to and
    // around the problem.
    std::string error;
};

// Replaces the content of DOC with the RTF in BYTES. Reads the topic text the
// writer writes exactly, and ordinary RTF of other programs as far as the
// editor's formats go: fonts, sizes, bold, italic, underline, strike-through,
// colours, alignment, indents, bullets, tabs and line breaks. Destinations it
// does not know are skipped with their content only. Empty input gives an
// empty document without error. Never throws, never recurses on nesting.
RtfReadResult ReadRtf(std::string_view bytes, QTextDocument& doc);

// ReadRtf over a topic's Text: LINES joined with CR LF. No lines (a new topic)
// gives an empty document without error.
RtfReadResult ReadTopicText(const std::vector<std::string>& lines, QTextDocument& doc);

}  // namespace scrivlet
