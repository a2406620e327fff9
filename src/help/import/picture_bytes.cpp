#include "help/import/picture_bytes.h"

#include <cstdint>

namespace scrivlet::help {
namespace {

void PutLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace

std::string PictureFileBytes(const Picture& picture) {
    if (picture.pixels.empty()) {
        return picture.metafile;
    }
    const auto width = static_cast<uint32_t>(picture.width);
    const auto height = static_cast<uint32_t>(picture.height);
    const uint32_t stride = (width * 3 + 3) / 4 * 4;
    const uint32_t imageSize = stride * height;
    std::string out;
    out.reserve(54 + imageSize);
    out += "BM";
    PutLe(out, 54 + imageSize, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);
    PutLe(out, width, 4);
    PutLe(out, height, 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);
    PutLe(out, imageSize, 4);
    PutLe(out, 2835, 4);  // 72 dots an inch
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (uint32_t row = height; row-- > 0;) {
        const std::size_t first = static_cast<std::size_t>(row) * width;
        for (uint32_t x = 0; x < width; ++x) {
            const std::size_t at = first + x;
            const uint32_t argb = at < picture.pixels.size() ? picture.pixels[at] : 0;
            out += static_cast<char>(argb & 0xFF);
            out += static_cast<char>((argb >> 8) & 0xFF);
            out += static_cast<char>((argb >> 16) & 0xFF);
        }
        out.append(stride - width * 3, '\0');
    }
    return out;
}

}  // namespace scrivlet::help
