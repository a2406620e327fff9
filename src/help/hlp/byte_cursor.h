#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "help/hlp/hlp_reader.h"

namespace scrivlet::help::hlp {

// "The help file is damaged: WHAT." Every structural fault of a help file
// ends here, so the viewer shows one kind of message for all of them.
[[noreturn]] void Damaged(const std::string& what);

// Reads the little-endian numbers and strings of one structure of a help
// file. Reading past its end throws HelpFileError naming the structure, so a
// truncated or lying size can never take a read outside the bytes.
class ByteCursor {
public:
    ByteCursor(std::string_view bytes, std::string what, std::size_t at = 0)
        : bytes_(bytes), what_(std::move(what)), at_(at) {}

    std::size_t Offset() const { return at_; }
    std::size_t Left() const { return at_ <= bytes_.size() ? bytes_.size() - at_ : 0; }
    bool AtEnd() const { return at_ >= bytes_.size(); }
    void Seek(std::size_t at);
    void Skip(std::size_t count) { Take(count); }

    unsigned Byte();
    unsigned Word();
    uint32_t Dword();
    std::string_view Take(std::size_t count);
    // Up to the next NUL (which is consumed); the rest when there is none.
    std::string_view CString();
    // A fixed-size field holding a NUL-padded string.
    std::string FixedString(std::size_t size);

    // The variable-length numbers of topic records and pictures: the low bit
    // of the first byte tells the short form from the long one.
    unsigned CompressedUShort();
    int CompressedShort();
    uint32_t CompressedULong();
    int32_t CompressedLong();

    [[noreturn]] void Fail(const std::string& problem) const;

private:
    bool NextIsLong() const {
        return at_ < bytes_.size() && (static_cast<uint8_t>(bytes_[at_]) & 1) != 0;
    }

    std::string_view bytes_;
    std::string what_;
    std::size_t at_;
};

inline uint32_t ReadDword(std::string_view bytes, std::size_t at) {
    ByteCursor cursor(bytes, "a number", at);
    return cursor.Dword();
}

}  // namespace scrivlet::help::hlp
