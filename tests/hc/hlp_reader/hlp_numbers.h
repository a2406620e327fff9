#pragma once
// Reading the numbers of a help file's records, as the format description
// gives them, and unpacking its LZ77 blocks: shared by the parts of the
// test reader.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace scrivlet::hc::test {

// Little-endian numbers from B at AT onwards; WHAT names the record in the
// error when it ends early.
struct Numbers {
    const std::string& b;
    std::size_t at;
    const char* what = "record";

    unsigned Byte() {
        if (at >= b.size())
            throw std::runtime_error(std::string(what) + " ends early");
        return static_cast<uint8_t>(b[at++]);
    }
    unsigned Word() {
        const unsigned lo = Byte();
        return lo | Byte() << 8;
    }
    uint32_t Dword() {
        const uint32_t lo = Word();
        return lo | static_cast<uint32_t>(Word()) << 16;
    }
    // Compressed numbers: the low bit says whether the long form (two bytes
    // for a short, four for a long) was used.
    bool Odd() const { return at < b.size() && (static_cast<uint8_t>(b[at]) & 1) != 0; }
    unsigned UShort() { return Odd() ? Word() / 2 : Byte() / 2; }
    int Short() {
        return Odd() ? static_cast<int>(Word() / 2) - 0x4000 : static_cast<int>(Byte() / 2) - 0x40;
    }
    uint32_t ULong() { return Odd() ? Dword() / 2 : Word() / 2; }
    int32_t Long() {
        return Odd() ? static_cast<int32_t>(Dword() / 2 - 0x40000000u)
                     : static_cast<int32_t>(Word() / 2) - 0x4000;
    }
};

// LZ77 as described: a flag byte for every eight items, low bit first; a set
// bit is a two-byte copy, its low 12 bits the distance less one and its top
// four the length less three.
std::string UnpackLz77(const std::string& packed);

}  // namespace scrivlet::hc::test
