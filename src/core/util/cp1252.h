#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scrivlet {

// Windows-1252, the code page of every file the system reads and writes.
// Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D are undefined there; they map to the
// C1 control characters of the same value so that every byte round-trips.
char32_t Cp1252ToUnicode(unsigned char byte);

// The byte for a code point, or nothing when Windows-1252 cannot hold it.
bool UnicodeToCp1252(char32_t codePoint, unsigned char& byte);

// UTF-8 <-> Windows-1252 for core code that meets UTF-8 (command lines,
// messages). Characters that Windows-1252 cannot hold become REPLACEMENT.
std::string Utf8ToCp1252(std::string_view utf8, char replacement = '?');
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace scrivlet
