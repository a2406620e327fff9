#include "hc/hlp/bmp_reader.h"

#include "hc/hlp/bmp_rle.h"

namespace scrivlet::hc::hlp {
namespace {

constexpr std::size_t kFileHeader = 14;
constexpr uint32_t kCoreHeader = 12;  // the old header: 16-bit sizes, 3-byte colours
constexpr uint32_t kInfoHeader = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
// Larger pictures are not drawn by the viewer in any useful way, and the
// limit keeps a corrupt header from asking for gigabytes.
constexpr int64_t kMaxSide = 32767;
// Picture sizes are stored as 31-bit numbers; far below that, a help file
// is no place for such a picture.
constexpr std::size_t kMaxPixelBytes = 256u << 20;

uint32_t Get16(std::string_view b, std::size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1]))
                                             << 8;
}
uint32_t Get32(std::string_view b, std::size_t at) {
    return Get16(b, at) | Get16(b, at + 2) << 16;
}

std::optional<Dib> Fail(std::string* problem, std::string why) {
    *problem = std::move(why);
    return std::nullopt;
}

}  // namespace

std::optional<Dib> ReadBmp(std::string_view bytes, std::string* problem) {
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M') {
        return Fail(problem, "it is not a Windows bitmap file");
    }
    if (bytes.size() < kFileHeader + 4) {
        return Fail(problem, "it is truncated");
    }
    const uint32_t bitsAt = Get32(bytes, 10);
    const uint32_t headerSize = Get32(bytes, kFileHeader);
    if (headerSize != kCoreHeader && headerSize < kInfoHeader) {
        return Fail(problem, "its header is of an unknown kind");
    }
    if (bytes.size() < kFileHeader + headerSize) {
        return Fail(problem, "it is truncated");
    }
    const std::size_t h = kFileHeader;
    Dib dib;
    int64_t width = 0;
    int64_t height = 0;
    unsigned planes = 0;
    uint32_t compression = kBiRgb;
    uint32_t colorsUsed = 0;
    if (headerSize == kCoreHeader) {
        width = Get16(bytes, h + 4);
        height = Get16(bytes, h + 6);
        planes = Get16(bytes, h + 8);
        dib.bitCount = Get16(bytes, h + 10);
    } else {
        width = static_cast<int32_t>(Get32(bytes, h + 4));
        height = static_cast<int32_t>(Get32(bytes, h + 8));
        planes = Get16(bytes, h + 12);
        dib.bitCount = Get16(bytes, h + 14);
        compression = Get32(bytes, h + 16);
        dib.xPelsPerMeter = Get32(bytes, h + 24);
        dib.yPelsPerMeter = Get32(bytes, h + 28);
        colorsUsed = Get32(bytes, h + 32);
    }
    if (dib.bitCount != 1 && dib.bitCount != 4 && dib.bitCount != 8 && dib.bitCount != 24) {
        return Fail(problem, "it has " + std::to_string(dib.bitCount) +
                                 " bits per pixel; only 1, 4, 8 and 24 are supported");
    }
    const bool runLength = (compression == kBiRle8 && dib.bitCount == 8) ||
                           (compression == kBiRle4 && dib.bitCount == 4);
    if (compression != kBiRgb && !runLength) {
        return Fail(problem,
                    "it is compressed in a way other than run-length coding of 4 or 8 bits "
                    "per pixel, which are the only ones supported");
    }
    if (planes != 1) {
        return Fail(problem, "it has " + std::to_string(planes) + " planes, not 1");
    }
    const bool topDown = height < 0;
    if (topDown && runLength) {
        return Fail(problem, "it is run-length coded and stored top-down, which cannot be");
    }
    if (topDown) {
        height = -height;
    }
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        return Fail(problem, "its size " + std::to_string(width) + " x " + std::to_string(height) +
                                 " is not between 1 and " + std::to_string(kMaxSide) +
                                 " pixels each way");
    }
    dib.width = static_cast<uint32_t>(width);
    dib.height = static_cast<uint32_t>(height);

    if (dib.bitCount <= 8) {
        const uint32_t most = 1u << dib.bitCount;
        if (colorsUsed > most) {
            return Fail(problem, "it names " + std::to_string(colorsUsed) + " colours for " +
                                     std::to_string(dib.bitCount) + " bits per pixel");
        }
        const uint32_t colors = colorsUsed != 0 ? colorsUsed : most;
        const std::size_t entry = headerSize == kCoreHeader ? 3 : 4;
        const std::size_t paletteAt = kFileHeader + headerSize;
        if (bytes.size() < paletteAt + colors * entry) {
            return Fail(problem, "it is truncated");
        }
        dib.palette.reserve(colors * 4);
        for (uint32_t i = 0; i < colors; ++i) {
            dib.palette.append(bytes.substr(paletteAt + i * entry, 3));
            dib.palette.push_back('\0');
        }
    }

    const std::size_t rowBytes = dib.RowBytes();
    const std::size_t size = rowBytes * dib.height;
    if (size > kMaxPixelBytes) {
        return Fail(problem, "its pixels take more than 256 MB");
    }
    if (runLength) {
        if (bitsAt > bytes.size()) {
            return Fail(problem, "it is truncated");
        }
        std::string why;
        std::optional<std::string> bits =
            UnpackBmpRle(bytes.substr(bitsAt), dib.width, dib.height, dib.bitCount, &why);
        if (!bits) {
            return Fail(problem, why);
        }
        dib.bits = std::move(*bits);
        return dib;
    }
    if (bitsAt > bytes.size() || bytes.size() - bitsAt < size) {
        return Fail(problem, "it is truncated");
    }
    const std::string_view pixels = bytes.substr(bitsAt, size);
    if (!topDown) {
        dib.bits.assign(pixels);
    } else {
        dib.bits.reserve(size);
        for (std::size_t row = dib.height; row-- > 0;) {
            dib.bits.append(pixels.substr(row * rowBytes, rowBytes));
        }
    }
    return dib;
}

}  // namespace scrivlet::hc::hlp
