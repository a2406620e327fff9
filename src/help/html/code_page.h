#pragma once

#include <string>
#include <string_view>

namespace scrivlet::help::html {

// The Windows code page of a font's or document's character set (0 ANSI,
// 204 Cyrillic, 238 Central European ...); 1252 for ANSI and the sets that
// name no code page of their own (default, symbol, OEM), 0 for the double-
// byte sets this publisher does not convert.
int CodePageOfCharset(int charset);

// Whether BYTES in CODE_PAGE can be turned into UTF-8 by AppendUtf8 exactly.
bool IsConvertibleCodePage(int codePage);

// BYTES of CODE_PAGE appended to OUT as UTF-8. A code page without a table
// here is read as Windows-1252, so that nothing is lost silently: the caller
// warns once.
void AppendUtf8(std::string& out, std::string_view bytes, int codePage);

void AppendCodePoint(std::string& out, char32_t codePoint);

}  // namespace scrivlet::help::html
