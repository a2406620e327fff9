#pragma once

#include <string>
#include <string_view>

namespace scrivlet {

// Replaces every occurrence of PATTERN in LINE by REPLACEMENT, searching
// again from the start of the line after each replacement until none is
// left, so that an occurrence formed by a replacement is caught as well. When
// REPLACEMENT itself holds PATTERN every original occurrence is replaced
// once instead, because searching on would never end.
std::string ReplaceAll(std::string_view pattern, std::string_view replacement,
                       std::string_view line);

// Every byte above 127 becomes "\'" and two upper-case hexadecimal digits;
// nothing else changes (braces and backslashes of property values reach the
// RTF as they are).
std::string EscapeHighChars(std::string_view text);

}  // namespace scrivlet
