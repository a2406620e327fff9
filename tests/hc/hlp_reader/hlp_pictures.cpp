// The picture files (|bm0, |bm1, ...) of a help file, as the text dump shows
// them: read from the description of the "lP" picture format.
#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "hlp_numbers.h"
#include "hlp_reader.h"

namespace scrivlet::hc::test {
namespace {

// RunLen: a byte N; with its top bit set the next N & 0x7F bytes are copied,
// otherwise the next byte is repeated N times.
std::string UnpackRunLength(const std::string& packed) {
    std::string out;
    for (std::size_t at = 0; at < packed.size();) {
        const unsigned n = static_cast<uint8_t>(packed[at++]);
        if (n & 0x80) {
            if (at + (n & 0x7F) > packed.size())
                throw std::runtime_error("RunLen copy cut short");
            out.append(packed, at, n & 0x7F);
            at += n & 0x7F;
        } else {
            if (at >= packed.size())
                throw std::runtime_error("RunLen run cut short");
            out.append(n, packed[at++]);
        }
    }
    return out;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char two[3];
    for (char c : bytes) {
        std::snprintf(two, sizeof two, "%02X", static_cast<uint8_t>(c));
        out += two;
    }
    return out;
}

// A metafile picture: mapping mode, extents, then the metafile's bytes.
std::string DumpMetafile(Numbers& c, std::size_t start, unsigned packing) {
    const unsigned mode = c.UShort();
    const unsigned width = c.Word();
    const unsigned height = c.Word();
    const uint32_t size = c.ULong();
    const uint32_t packedSize = c.ULong();
    const uint32_t hotspotSize = c.ULong();
    const uint32_t dataAt = c.Dword();
    c.Dword();
    if (start + dataAt + packedSize > c.b.size())
        throw std::runtime_error("metafile data runs past the end of the file");
    const std::string packed = c.b.substr(start + dataAt, packedSize);
    const std::string bits = packing == 0   ? packed
                             : packing == 2 ? UnpackLz77(packed)
                                            : throw std::runtime_error("unknown metafile packing");
    if (bits.size() != size)
        throw std::runtime_error("metafile unpacks to another size than it claims");
    return "    metafile packing " + std::to_string(packing) + " mode " + std::to_string(mode) +
           " extents " + std::to_string(width) + "x" + std::to_string(height) + " hotspots " +
           std::to_string(hotspotSize) + "\n    bytes " + Hex(bits) + "\n";
}

std::string DumpPicture(const std::string& file, std::size_t start) {
    Numbers c{file, start, "picture"};
    const unsigned type = c.Byte();
    const unsigned packing = c.Byte();
    if (type == 8)
        return DumpMetafile(c, start, packing);
    if (type != 5 && type != 6)
        throw std::runtime_error("picture type " + std::to_string(type) + " is not a bitmap");
    const uint32_t xdpi = c.ULong();
    const uint32_t ydpi = c.ULong();
    const unsigned planes = c.UShort();
    const unsigned bpp = c.UShort();
    const uint32_t width = c.ULong();
    const uint32_t height = c.ULong();
    const uint32_t used = c.ULong();
    const uint32_t important = c.ULong();
    const uint32_t packedSize = c.ULong();
    const uint32_t hotspotSize = c.ULong();
    const uint32_t dataAt = c.Dword();
    const uint32_t hotspotAt = c.Dword();
    std::string out = "    " + std::string(type == 6 ? "dib" : "ddb") + " packing " +
                      std::to_string(packing) + " dpi " + std::to_string(xdpi) + "x" +
                      std::to_string(ydpi) + " planes " + std::to_string(planes) + " bpp " +
                      std::to_string(bpp) + " size " + std::to_string(width) + "x" +
                      std::to_string(height) + " colours " + std::to_string(used) + " important " +
                      std::to_string(important) + " data " + std::to_string(packedSize) +
                      " hotspots " + std::to_string(hotspotSize) +
                      (hotspotAt != 0 ? " at " + std::to_string(hotspotAt) : "") + "\n";
    if (type == 6) {
        const uint32_t colors = used != 0 ? used : bpp <= 8 ? 1u << bpp : 0;
        out += "    palette";
        for (uint32_t i = 0; i < colors; ++i) {
            const unsigned blue = c.Byte();
            const unsigned green = c.Byte();
            const unsigned red = c.Byte();
            c.Byte();
            char rgb[8];
            std::snprintf(rgb, sizeof rgb, " %02X%02X%02X", red, green, blue);
            out += rgb;
        }
        out += "\n";
    }
    if (start + dataAt != c.at)
        throw std::runtime_error("pixel data does not follow the palette");
    if (start + dataAt + packedSize > file.size())
        throw std::runtime_error("pixel data runs past the end of the file");
    const std::string packed = file.substr(start + dataAt, packedSize);
    std::string bits;
    switch (packing) {
        case 0:
            bits = packed;
            break;
        case 1:
            bits = UnpackRunLength(packed);
            break;
        case 2:
            bits = UnpackLz77(packed);
            break;
        case 3:
            bits = UnpackRunLength(UnpackLz77(packed));
            break;
        default:
            throw std::runtime_error("unknown packing");
    }
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * bpp + 31) / 32 * 4;
    if (bits.size() != rowBytes * height)
        throw std::runtime_error("pixel data unpacks to " + std::to_string(bits.size()) +
                                 " bytes, not " + std::to_string(rowBytes * height));
    // Rows are stored bottom-up: the first is the picture's lowest.
    for (uint32_t row = 0; row < height && row < 16; ++row) {
        out += "    row " + std::to_string(row) + " " + Hex(bits.substr(row * rowBytes, rowBytes)) +
               "\n";
    }
    return out;
}

}  // namespace

std::string HlpReader::DumpPictures() const {
    std::string out;
    for (unsigned n = 0;; ++n) {
        const auto file = InternalFile("|bm" + std::to_string(n));
        if (!file)
            break;
        if (out.empty())
            out = "PICTURES\n";
        Numbers c{*file, 0, "picture"};
        const unsigned magic = c.Word();
        if (magic != 0x506C && magic != 0x706C)
            throw std::runtime_error("|bm" + std::to_string(n) + " is no picture file");
        const unsigned count = c.Word();
        out += "  |bm" + std::to_string(n) + (magic == 0x506C ? " lP " : " lp ") +
               std::to_string(count) + "\n";
        for (unsigned i = 0; i < count; ++i) {
            out += DumpPicture(*file, Numbers{*file, 4 + i * 4, "picture"}.Dword());
        }
    }
    // The viewer finds pictures by number, so they must run from |bm0 with
    // no gap.
    std::size_t named = 0;
    for (const auto& [name, offset] : Directory()) {
        named += name.rfind("|bm", 0) == 0 ? 1 : 0;
    }
    if (out.empty() ? named != 0
                    : named != static_cast<std::size_t>(std::count(out.begin(), out.end(), '|')))
        throw std::runtime_error("the |bm files do not run from |bm0 without a gap");
    return out;
}

}  // namespace scrivlet::hc::test
