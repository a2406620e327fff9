#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scrivlet {

// Replaces PATTERN by REPLACEMENT in the text an author wrote in an RTF
// document, and nowhere else: control words and symbols, group braces, the
// font, colour and style tables, and every other destination ("\*" groups,
// document information, pictures, field instructions, bookmarks) are left
// byte for byte. Text is compared after decoding "\'hh", "\\", "\{" and "\}",
// so a pattern with a byte above 127 finds its escaped form. A match never
// spans a change of formatting: any control word, group brace or line break
// of the source ends the run of text it may lie in. Occurrences are replaced
// left to right and the search goes on after each one, so a replacement is
// never searched again. REPLACEMENT is written with the escapes RTF needs.
// Returns the number of replacements.
int ReplaceInRtf(std::string& rtf, std::string_view pattern, std::string_view replacement,
                 bool matchCase);

// The same over a topic's stored text lines, taken as one document. The
// lines keep their count and breaks; an unchanged text is left untouched.
int ReplaceInTopicText(std::vector<std::string>& lines, std::string_view pattern,
                       std::string_view replacement, bool matchCase);
// The same, leaving LINES as they are: the replaced text goes to OUT, which
// is left untouched when nothing was replaced.
int ReplaceInTopicText(const std::vector<std::string>& lines, std::string_view pattern,
                       std::string_view replacement, bool matchCase, std::vector<std::string>& out);

// Bytes of author text as RTF: "\", "{" and "}" escaped, bytes above 127 as
// "\'hh", a tab as "\tab ". Line breaks become blanks: a one-line replacement
// must not change the paragraph layout the build relies on.
std::string EscapeRtfText(std::string_view text);

}  // namespace scrivlet
