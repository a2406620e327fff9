#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scrivlet::help::html {

// UTF-8 TEXT appended to OUT as HTML text or attribute value: "&", "<",
// ">" and '"' escaped; control characters (but tab and line feed) and the C1
// range, which HTML does not allow, dropped.
void AppendEscaped(std::string& out, std::string_view text);
std::string Escaped(std::string_view text);

// UTF-8 TEXT as the body of a JavaScript string in double quotes.
std::string JsString(std::string_view text);

// UTF-8 TEXT in lower case for the letters of the Latin, Greek and Cyrillic
// alphabets (the scripts the help files' code pages hold); other characters
// stay as they are. Search and the keyword index compare through it.
std::string FoldCase(std::string_view text);

// The words of UTF-8 TEXT, folded: runs of letters and digits (any
// character from U+00C0 that is not punctuation or a symbol counts as a
// letter), each of two characters at least.
std::vector<std::string> Words(std::string_view text);

// The first character of UTF-8 TEXT, and how many bytes it takes.
char32_t FirstCodePoint(std::string_view text, std::size_t* length = nullptr);

}  // namespace scrivlet::help::html
