#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scrivlet {

// The message of a failed integer conversion, exactly as the user sees it.
std::string InvalidIntegerMessage(std::string_view text);

// Integer conversion as the system has always done it: optional leading
// blanks, an optional sign, decimal digits or "$"/"0x" hexadecimal, and
// nothing after them; the value must fit 32 bits. Returns nothing otherwise.
std::optional<int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt, but throws ConvertError with InvalidIntegerMessage.
int32_t StrToInt(std::string_view text);

std::string IntToStr(int64_t value);

// Upper case of the letters a to z only; every other byte is left alone.
std::string UpperAscii(std::string_view text);

// TEXT without the blanks and tabs at either end.
std::string_view TrimBlanksAndTabs(std::string_view text);
char UpperAscii(char c);

// True when the text holds nothing but bytes with codes 0 to 32.
bool IsBlankBytes(std::string_view text);

}  // namespace scrivlet
