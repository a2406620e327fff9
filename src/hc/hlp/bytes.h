#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace scrivlet::hc::hlp {

// Help files are little-endian throughout; these append one value to BYTES.
inline void PutByte(std::string& bytes, unsigned value) {
    bytes.push_back(static_cast<char>(value & 0xFF));
}
inline void PutWord(std::string& bytes, unsigned value) {
    PutByte(bytes, value);
    PutByte(bytes, value >> 8);
}
inline void PutDword(std::string& bytes, uint32_t value) {
    PutWord(bytes, value & 0xFFFF);
    PutWord(bytes, value >> 16);
}
inline void PutString(std::string& bytes, std::string_view text) {
    bytes.append(text);
    bytes.push_back('\0');
}
inline void SetWord(std::string& bytes, std::size_t at, unsigned value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}
inline void SetDword(std::string& bytes, std::size_t at, uint32_t value) {
    SetWord(bytes, at, value & 0xFFFF);
    SetWord(bytes, at + 2, value >> 16);
}

// The variable-length numbers of topic records: the low bit of the first
// byte tells the short form from the long one. Unsigned values below 128
// (short) or 32768 (long) take the short form. A value beyond what the long
// form holds is stored as the nearest one it holds, never as a wrapped one.
inline void PutCompressedUShort(std::string& bytes, unsigned value) {
    if (value < 0x80) {
        PutByte(bytes, value * 2);
    } else {
        PutWord(bytes, std::min(value, 0x7FFFu) * 2 + 1);
    }
}
inline void PutCompressedShort(std::string& bytes, int value) {
    if (value >= -0x40 && value < 0x40) {
        PutByte(bytes, static_cast<unsigned>((value + 0x40) * 2));
    } else {
        PutWord(bytes,
                static_cast<unsigned>((std::clamp(value, -0x4000, 0x3FFF) + 0x4000) * 2 + 1));
    }
}
inline void PutCompressedULong(std::string& bytes, uint32_t value) {
    if (value < 0x8000) {
        PutWord(bytes, value * 2);
    } else {
        PutDword(bytes, std::min(value, 0x7FFFFFFFu) * 2 + 1);
    }
}
inline void PutCompressedLong(std::string& bytes, int32_t value) {
    if (value >= -0x4000 && value < 0x4000) {
        PutWord(bytes, static_cast<unsigned>((value + 0x4000) * 2));
    } else {
        const int64_t biased = std::clamp<int64_t>(value, -0x40000000, 0x3FFFFFFF) + 0x40000000;
        PutDword(bytes, static_cast<uint32_t>(biased * 2 + 1));
    }
}

}  // namespace scrivlet::hc::hlp
