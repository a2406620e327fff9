#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/project.h"

namespace scrivlet {

// Find in the whole project: the text authors wrote (never RTF control
// words) and, as chosen, the topics' properties.
enum class FindField { Text, Title, ContextString, Keywords, Macro };

struct ProjectFindOptions {
    std::string pattern;  // Windows-1252 bytes
    bool matchCase = false;
    bool wholeWord = false;
    bool regularExpression = false;  // ECMAScript syntax
    bool inText = true;
    bool inTitles = false;
    bool inContextStrings = false;
    bool inKeywords = false;  // K and A keywords
    bool inMacros = false;    // the entry macro
    // A list longer than this helps nobody and costs time on every key
    // press: the search stops there and says so.
    std::size_t limit = 5000;
    // The topics searched, [firstTopic, endTopic): a long search is run in
    // slices so that the window keeps answering between them.
    std::size_t firstTopic = 0;
    std::size_t endTopic = static_cast<std::size_t>(-1);
};

struct ProjectFindResult {
    std::size_t topic = 0;  // index into the project's topics
    FindField field = FindField::Text;
    std::size_t paragraph = 0;  // Text: the paragraph, counted from 0 as the editor counts blocks
    std::size_t offset = 0;     // of the match in that paragraph's (or property's) text
    std::size_t length = 0;
    std::string matched;            // the text found, so a replace can tell it is still there
    std::string excerpt;            // the text around the match, on one line
    std::size_t excerptOffset = 0;  // where the match starts in the excerpt
};

struct ProjectFindResults {
    std::vector<ProjectFindResult> matches;
    bool truncated = false;  // the limit was reached; more matches follow
};

// Every match in project order, topic by topic, properties before the text.
// Throws ConvertError with a readable message for a regular expression that
// does not compile; an empty pattern finds nothing.
ProjectFindResults FindInProject(const Project& project, const ProjectFindOptions& options);

// Where one byte of a paragraph's text was written in its stored line: the
// token's bytes, and whether that token follows a control word that would
// run into text put directly before it ("\b\{" must not become "\bx").
struct TextPiece {
    std::size_t offset = 0;
    std::size_t length = 0;
    bool afterBareWord = false;
};

// The author's text of one stored topic line (one paragraph): text runs,
// "\'hh", "\\", "\{", "\}" decoded, "\tab" as a tab; control words, groups
// of tables and hidden destinations left out. With PIECES, one piece for
// every byte appended.
std::string ParagraphText(std::string_view line);
void AppendParagraphText(std::string_view line, std::string& text,
                         std::vector<TextPiece>* pieces = nullptr);

}  // namespace scrivlet
