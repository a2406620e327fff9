#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scrivlet::hc::hlp {

// A device-independent bitmap as a help file stores it: rows bottom-up, each
// padded to four bytes, the palette as the BMP file gives it (blue, green,
// red, zero per colour), and only for 1, 4 and 8 bits per pixel.
struct Dib {
    uint32_t width = 0;
    uint32_t height = 0;
    unsigned bitCount = 0;
    uint32_t xPelsPerMeter = 0;
    uint32_t yPelsPerMeter = 0;
    std::string palette;  // 4 bytes per colour
    std::string bits;     // RowBytes() * height

    uint32_t Colors() const { return static_cast<uint32_t>(palette.size() / 4); }
    std::size_t RowBytes() const {
        return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
    }
};

// Reads a Windows bitmap file: uncompressed, 1, 4, 8 or 24 bits per pixel,
// rows stored bottom-up or top-down, or run-length coded at 4 or 8 bits. When BYTES is no such file, gives
// nothing and says why in *PROBLEM ("it is truncated", ...).
std::optional<Dib> ReadBmp(std::string_view bytes, std::string* problem);

}  // namespace scrivlet::hc::hlp
