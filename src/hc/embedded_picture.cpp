#include "hc/embedded_picture.h"

#include <cstdint>

#include "hc/hlp/bytes.h"

namespace scrivlet::hc {
namespace {

using hlp::PutDword;
using hlp::PutWord;

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
constexpr uint32_t kBitfields = 3;

uint32_t Dword(std::string_view bytes, std::size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

std::string FileHeader(std::size_t size, std::size_t bitsAt) {
    std::string out = "BM";
    PutDword(out, static_cast<uint32_t>(size));
    PutDword(out, 0);
    PutDword(out, static_cast<uint32_t>(bitsAt));
    return out;
}

// A packed DIB: its header, colours and pixels need only the file header.
std::string FromDib(const std::string& dib, std::string* why) {
    if (dib.size() < 16) {
        *why = "a bitmap whose data is cut short";
        return {};
    }
    const uint32_t headerSize = Dword(dib, 0);
    if (headerSize < 12 || headerSize > dib.size()) {
        *why = "a bitmap whose header is damaged";
        return {};
    }
    std::size_t colours = 0;
    std::size_t masks = 0;
    if (headerSize >= kInfoHeader && dib.size() >= kInfoHeader) {
        const unsigned bitCount = static_cast<uint8_t>(dib[14]) | static_cast<uint8_t>(dib[15])
                                                                      << 8;
        const uint32_t used = Dword(dib, 32);
        colours = used != 0 ? used : bitCount <= 8 ? std::size_t{1} << bitCount : 0;
        masks = Dword(dib, 16) == kBitfields && headerSize == kInfoHeader ? 12 : 0;
    }
    const std::size_t bitsAt = kFileHeader + headerSize + masks + colours * 4;
    return FileHeader(kFileHeader + dib.size(), bitsAt) + dib;
}

// A device bitmap: rows from the top, each padded to two bytes, and no
// colours of its own: black and white, or the sixteen standard colours.
std::string FromDdb(const EmbeddedPicture& picture, std::string* why) {
    const int bpp = picture.bitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 24) {
        *why = "a device bitmap of " + std::to_string(bpp) + " bits per pixel";
        return {};
    }
    if (picture.width <= 0 || picture.height <= 0 || picture.width > 0x7FFF ||
        picture.height > 0x7FFF) {
        *why = "a device bitmap without a sound size";
        return {};
    }
    const std::size_t width = static_cast<std::size_t>(picture.width);
    const std::size_t height = static_cast<std::size_t>(picture.height);
    const std::size_t used = (width * static_cast<std::size_t>(bpp) + 7) / 8;
    const std::size_t stride =
        picture.widthBytes > 0 ? static_cast<std::size_t>(picture.widthBytes) : (used + 1) / 2 * 2;
    if (stride < used || picture.data.size() < stride * height) {
        *why = "a device bitmap whose data is cut short";
        return {};
    }
    static const char* const kVga =
        "\x00\x00\x00\x00\x00\x00\x80\x00\x00\x80\x00\x00\x00\x80\x80\x00"
        "\x80\x00\x00\x00\x80\x00\x80\x00\x80\x80\x00\x00\xC0\xC0\xC0\x00"
        "\x80\x80\x80\x00\x00\x00\xFF\x00\x00\xFF\x00\x00\x00\xFF\xFF\x00"
        "\xFF\x00\x00\x00\xFF\x00\xFF\x00\xFF\xFF\x00\x00\xFF\xFF\xFF\x00";
    const std::string palette = bpp == 1   ? std::string("\0\0\0\0\xFF\xFF\xFF\0", 8)
                                : bpp == 4 ? std::string(kVga, 64)
                                           : std::string();
    const std::size_t row = (used + 3) / 4 * 4;
    std::string info;
    PutDword(info, kInfoHeader);
    PutDword(info, static_cast<uint32_t>(width));
    PutDword(info, static_cast<uint32_t>(height));
    PutWord(info, 1);
    PutWord(info, static_cast<unsigned>(bpp));
    PutDword(info, 0);
    PutDword(info, static_cast<uint32_t>(row * height));
    PutDword(info, 0);
    PutDword(info, 0);
    PutDword(info, 0);
    PutDword(info, 0);
    std::string bits;
    bits.reserve(row * height);
    for (std::size_t y = height; y-- > 0;) {
        bits.append(picture.data, y * stride, used);
        bits.append(row - used, '\0');
    }
    const std::size_t bitsAt = kFileHeader + info.size() + palette.size();
    return FileHeader(bitsAt + bits.size(), bitsAt) + info + palette + bits;
}

}  // namespace

void EmbeddedPicture::AddHex(std::string_view text) {
    for (const char c : text) {
        int value = -1;
        if (c >= '0' && c <= '9') {
            value = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            value = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            value = c - 'A' + 10;
        }
        if (value < 0) {
            continue;
        }
        if (nibble_ < 0) {
            nibble_ = value;
        } else {
            data.push_back(static_cast<char>(nibble_ << 4 | value));
            nibble_ = -1;
        }
    }
}

std::string EmbeddedPictureAsBmp(const EmbeddedPicture& picture, std::string* why) {
    switch (picture.form) {
        case EmbeddedPicture::Form::Dib:
            return FromDib(picture.data, why);
        case EmbeddedPicture::Form::Ddb:
            return FromDdb(picture, why);
        case EmbeddedPicture::Form::Metafile:
            *why = "a Windows metafile";
            return {};
        case EmbeddedPicture::Form::Enhanced:
            *why = "an enhanced metafile";
            return {};
        case EmbeddedPicture::Form::Png:
            *why = "a PNG picture";
            return {};
        case EmbeddedPicture::Form::Jpeg:
            *why = "a JPEG picture";
            return {};
        case EmbeddedPicture::Form::Unknown:
            break;
    }
    *why = "of a form this compiler does not know";
    return {};
}

}  // namespace scrivlet::hc
