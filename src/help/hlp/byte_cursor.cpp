#include "help/hlp/byte_cursor.h"

namespace scrivlet::help::hlp {

void Damaged(const std::string& what) {
    throw HelpFileError("The help file is damaged: " + what + ".");
}

void ByteCursor::Fail(const std::string& problem) const {
    Damaged(what_ + " " + problem);
}

void ByteCursor::Seek(std::size_t at) {
    if (at > bytes_.size()) {
        Fail("points past its end");
    }
    at_ = at;
}

std::string_view ByteCursor::Take(std::size_t count) {
    if (count > Left()) {
        Fail("ends early");
    }
    const std::string_view part = bytes_.substr(at_, count);
    at_ += count;
    return part;
}

unsigned ByteCursor::Byte() {
    return static_cast<uint8_t>(Take(1)[0]);
}

unsigned ByteCursor::Word() {
    const std::string_view b = Take(2);
    return static_cast<uint8_t>(b[0]) | static_cast<unsigned>(static_cast<uint8_t>(b[1])) << 8;
}

uint32_t ByteCursor::Dword() {
    const uint32_t low = Word();
    return low | static_cast<uint32_t>(Word()) << 16;
}

std::string_view ByteCursor::CString() {
    const std::size_t end = bytes_.find('\0', at_);
    if (end == std::string_view::npos) {
        return Take(Left());
    }
    const std::string_view text = bytes_.substr(at_, end - at_);
    at_ = end + 1;
    return text;
}

std::string ByteCursor::FixedString(std::size_t size) {
    const std::string_view field = Take(size);
    return std::string(field.substr(0, field.find('\0')));
}

unsigned ByteCursor::CompressedUShort() {
    return NextIsLong() ? Word() / 2 : Byte() / 2;
}

int ByteCursor::CompressedShort() {
    return NextIsLong() ? static_cast<int>(Word() / 2) - 0x4000
                        : static_cast<int>(Byte() / 2) - 0x40;
}

uint32_t ByteCursor::CompressedULong() {
    return NextIsLong() ? Dword() / 2 : Word() / 2;
}

int32_t ByteCursor::CompressedLong() {
    return NextIsLong() ? static_cast<int32_t>(Dword() / 2) - 0x40000000
                        : static_cast<int32_t>(Word() / 2) - 0x4000;
}

}  // namespace scrivlet::help::hlp
