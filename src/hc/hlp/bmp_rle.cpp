#include "hc/hlp/bmp_rle.h"

namespace scrivlet::hc::hlp {
namespace {

class Canvas {
public:
    Canvas(uint32_t width, uint32_t height, unsigned bitCount)
        : width_(width),
          height_(height),
          bitCount_(bitCount),
          rowBytes_((static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4),
          bits_(rowBytes_ * height, '\0') {}

    // Sets the pixel at the pen and moves the pen right; pixels past the
    // row's end are dropped.
    void Put(unsigned index) {
        if (x_ < width_ && y_ < height_) {
            char& byte = bits_[y_ * rowBytes_ + (bitCount_ == 8 ? x_ : x_ / 2)];
            if (bitCount_ == 8) {
                byte = static_cast<char>(index);
            } else if (x_ % 2 == 0) {
                byte = static_cast<char>((static_cast<unsigned char>(byte) & 0x0F) | (index << 4));
            } else {
                byte =
                    static_cast<char>((static_cast<unsigned char>(byte) & 0xF0) | (index & 0x0F));
            }
        }
        ++x_;
    }
    void NextRow() {
        x_ = 0;
        ++y_;
    }
    void Move(unsigned dx, unsigned dy) {
        x_ += dx;
        y_ += dy;
    }
    bool Full() const { return y_ >= height_; }
    std::string Take() { return std::move(bits_); }

private:
    uint32_t width_;
    uint32_t height_;
    unsigned bitCount_;
    std::size_t rowBytes_;
    std::string bits_;
    std::size_t x_ = 0;
    std::size_t y_ = 0;
};

}  // namespace

std::optional<std::string> UnpackBmpRle(std::string_view codes, uint32_t width, uint32_t height,
                                        unsigned bitCount, std::string* problem) {
    auto fail = [problem](const char* why) -> std::optional<std::string> {
        if (problem != nullptr) {
            *problem = why;
        }
        return std::nullopt;
    };
    if (bitCount != 4 && bitCount != 8) {
        return fail("its run-length coding does not fit its bits per pixel");
    }
    Canvas canvas(width, height, bitCount);
    std::size_t at = 0;
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(codes[i]); };
    while (!canvas.Full()) {
        if (at + 2 > codes.size()) {
            // Files that stop without the end code keep what they drew.
            break;
        }
        const unsigned count = byte(at);
        const unsigned value = byte(at + 1);
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i) {
                canvas.Put(bitCount == 8 ? value : (i % 2 == 0 ? value >> 4 : value & 0x0F));
            }
            continue;
        }
        if (value == 0) {
            canvas.NextRow();
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (at + 2 > codes.size()) {
                return fail("its run-length codes are damaged");
            }
            canvas.Move(byte(at), byte(at + 1));
            at += 2;
        } else {
            // VALUE pixels given one by one, padded to a whole word.
            const std::size_t bytes = bitCount == 8 ? value : (value + 1) / 2;
            if (at + bytes > codes.size()) {
                return fail("its run-length codes are damaged");
            }
            for (unsigned i = 0; i < value; ++i) {
                canvas.Put(bitCount == 8
                               ? byte(at + i)
                               : (i % 2 == 0 ? byte(at + i / 2) >> 4 : byte(at + i / 2) & 0x0F));
            }
            at += (bytes + 1) / 2 * 2;
        }
    }
    return canvas.Take();
}

}  // namespace scrivlet::hc::hlp
