#include "help/hlp/picture_reader.h"

#include <array>

#include "help/context_hash.h"
#include "help/hlp/byte_cursor.h"
#include "help/hlp/lz77_unpack.h"

namespace scrivlet::help::hlp {
namespace {

constexpr unsigned kDdb = 5;
constexpr unsigned kDib = 6;
constexpr unsigned kMetafile = 8;
// Larger pictures are damage: no screen of the help viewer's time, or ours,
// shows 64 million pixels.
constexpr uint64_t kMaxPixels = 1u << 26;
constexpr std::size_t kMaxMetafile = 64u << 20;

struct Header {
    unsigned type = 0;
    unsigned packing = 0;
    uint32_t dpi = 0;
    unsigned bitCount = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t colors = 0;
    uint32_t important = 0;
    uint32_t size = 0;      // packed data
    uint32_t unpacked = 0;  // metafiles only
    uint32_t hotspotSize = 0;
    uint32_t dataAt = 0;
    uint32_t hotspotsAt = 0;
    std::size_t paletteAt = 0;
};

Header ReadHeader(std::string_view picture, const std::string& name) {
    ByteCursor in(picture, "the picture " + name);
    Header h;
    h.type = in.Byte();
    h.packing = in.Byte();
    if (h.type == kDdb || h.type == kDib) {
        h.dpi = in.CompressedULong();
        in.CompressedULong();
        in.CompressedUShort();  // planes
        h.bitCount = in.CompressedUShort();
        h.width = in.CompressedULong();
        h.height = in.CompressedULong();
        h.colors = in.CompressedULong();
        h.important = in.CompressedULong();
        h.size = in.CompressedULong();
        h.hotspotSize = in.CompressedULong();
        h.dataAt = in.Dword();
        h.hotspotsAt = in.Dword();
        h.paletteAt = in.Offset();
    } else if (h.type == kMetafile) {
        in.CompressedUShort();  // mapping mode
        h.width = in.Word();
        h.height = in.Word();
        h.unpacked = in.CompressedULong();
        h.size = in.CompressedULong();
        h.hotspotSize = in.CompressedULong();
        h.dataAt = in.Dword();
        h.hotspotsAt = in.Dword();
    } else {
        Damaged("the picture " + name + " is of the unknown type " + std::to_string(h.type));
    }
    return h;
}

std::string Unpack(std::string_view data, unsigned packing, std::size_t size,
                   const std::string& name) {
    switch (packing) {
        case 0:
            return std::string(data.substr(0, size));
        case 1:
            return UnpackRunLength(data, size);
        case 2:
            return UnpackLz77(data, size, "a picture");
        case 3:
            return UnpackRunLength(UnpackLz77(data, SIZE_MAX / 2, "a picture"), size);
        default:
            Damaged("the picture " + name + " is packed in the unknown way " +
                    std::to_string(packing));
    }
}

uint32_t Opaque(unsigned r, unsigned g, unsigned b) {
    return 0xFF000000u | r << 16 | g << 8 | b;
}

// The colours of the 16-colour display, for bitmaps made for it that carry
// no palette of their own.
constexpr std::array<uint32_t, 16> kDisplayColors = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

void DecodeBitmap(const Header& h, std::string_view picture, const std::string& name,
                  Picture& out) {
    if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24 &&
        h.bitCount != 32) {
        Damaged("the picture " + name + " has " + std::to_string(h.bitCount) + " bits per pixel");
    }
    if (static_cast<uint64_t>(h.width) * h.height > kMaxPixels) {
        Damaged("the picture " + name + " claims " + std::to_string(h.width) + " by " +
                std::to_string(h.height) + " pixels");
    }
    const bool dib = h.type == kDib;
    std::vector<uint32_t> palette;
    if (h.bitCount <= 8) {
        const uint32_t count = h.colors != 0 ? h.colors : 1u << h.bitCount;
        if (dib) {
            ByteCursor colors(picture, "the palette of " + name, h.paletteAt);
            for (uint32_t i = 0; i < count && i < 256; ++i) {
                const std::string_view c = colors.Take(4);
                palette.push_back(Opaque(static_cast<uint8_t>(c[2]), static_cast<uint8_t>(c[1]),
                                         static_cast<uint8_t>(c[0])));
            }
        } else if (h.bitCount == 1) {
            palette = {Opaque(0, 0, 0), Opaque(255, 255, 255)};
        } else {
            for (uint32_t rgb : kDisplayColors) {
                palette.push_back(0xFF000000u | rgb);
            }
        }
    }
    // DIB rows run bottom-up padded to 4 bytes; DDB rows top-down to 2.
    const std::size_t bits = static_cast<std::size_t>(h.width) * h.bitCount;
    const std::size_t rowBytes = dib ? (bits + 31) / 32 * 4 : (bits + 15) / 16 * 2;
    const std::size_t need = rowBytes * h.height;
    if (h.dataAt > picture.size() || h.size > picture.size() - h.dataAt) {
        Damaged("the pixels of the picture " + name + " lie outside it");
    }
    std::string pixels = Unpack(picture.substr(h.dataAt, h.size), h.packing, need, name);
    pixels.resize(need, '\0');  // rows the data leaves out are colour 0
    out.width = static_cast<int>(h.width);
    out.height = static_cast<int>(h.height);
    out.pixels.resize(static_cast<std::size_t>(h.width) * h.height);
    for (uint32_t y = 0; y < h.height; ++y) {
        const std::size_t row = (dib ? h.height - 1 - y : y) * rowBytes;
        const auto* p = reinterpret_cast<const uint8_t*>(pixels.data() + row);
        for (uint32_t x = 0; x < h.width; ++x) {
            uint32_t color = 0;
            switch (h.bitCount) {
                case 1:
                case 4:
                case 8: {
                    const std::size_t bit = static_cast<std::size_t>(x) * h.bitCount;
                    const unsigned index =
                        (p[bit / 8] >> (8 - h.bitCount - bit % 8)) & ((1u << h.bitCount) - 1);
                    color = index < palette.size() ? palette[index] : Opaque(0, 0, 0);
                    break;
                }
                case 24:
                    color = Opaque(p[x * 3 + 2], p[x * 3 + 1], p[x * 3]);
                    break;
                default:
                    color = Opaque(p[x * 4 + 2], p[x * 4 + 1], p[x * 4]);
                    break;
            }
            out.pixels[static_cast<std::size_t>(y) * h.width + x] = color;
        }
    }
}

// "context@file>window" as a hotspot picture names a jump's target.
void SplitTarget(std::string_view text, Hotspot& h) {
    const std::size_t at = text.find('@');
    const std::size_t gt = text.find('>');
    const std::size_t end = std::min(at, gt);
    h.target = std::string(text.substr(0, end));
    if (at != std::string_view::npos) {
        h.file = std::string(text.substr(at + 1, gt > at ? gt - at - 1 : std::string_view::npos));
    }
    if (gt != std::string_view::npos) {
        h.window = std::string(text.substr(gt + 1, at > gt ? at - gt - 1 : std::string_view::npos));
    }
}

void ReadHotspots(const Header& h, std::string_view picture, const std::string& name,
                  Picture& out) {
    if (h.hotspotSize == 0) {
        return;
    }
    if (h.hotspotsAt > picture.size() || h.hotspotSize > picture.size() - h.hotspotsAt) {
        Damaged("the hotspots of the picture " + name + " lie outside it");
    }
    ByteCursor in(picture.substr(h.hotspotsAt, h.hotspotSize), "the hotspots of " + name);
    in.Byte();
    const unsigned count = in.Word();
    const uint32_t macroBytes = in.Dword();
    struct Area {
        unsigned kind;
        unsigned flags;
        int x, y, width, height;
        uint32_t hash;
    };
    std::vector<Area> areas;
    for (unsigned i = 0; i < count; ++i) {
        Area a{};
        a.kind = in.Byte();
        a.flags = in.Byte();
        in.Byte();
        a.x = static_cast<int>(in.Word());
        a.y = static_cast<int>(in.Word());
        a.width = static_cast<int>(in.Word());
        a.height = static_cast<int>(in.Word());
        a.hash = in.Dword();
        areas.push_back(a);
    }
    in.Skip(macroBytes);
    for (const Area& a : areas) {
        PictureHotspot spot;
        spot.name = std::string(in.CString());
        const std::string_view target = in.CString();
        spot.x = a.x;
        spot.y = a.y;
        spot.width = a.width;
        spot.height = a.height;
        Hotspot& action = spot.action;
        action.noColor = (a.kind & 0x04) != 0 || a.flags != 0;
        if ((a.kind & 0xF0) == 0xC0) {
            action.kind = HotspotKind::Macro;
            action.target = std::string(target);
        } else {
            action.kind = (a.kind & 1) ? HotspotKind::Jump : HotspotKind::Popup;
            SplitTarget(target, action);
            action.targetHash = ContextHash(action.target);
        }
        out.hotspots.push_back(std::move(spot));
    }
}

}  // namespace

Picture ReadPictureFile(std::string_view bytes, const std::string& name, bool* transparent) {
    *transparent = false;
    ByteCursor in(bytes, "the picture file " + name);
    const unsigned magic = in.Word();
    if (magic != 0x506C && magic != 0x706C) {
        Damaged("the picture file " + name + " is no picture file");
    }
    const unsigned count = in.Word();
    std::vector<uint32_t> offsets;
    for (unsigned i = 0; i < count; ++i) {
        offsets.push_back(in.Dword());
    }
    // Of several resolutions, the one closest to a 96 dpi screen; a bitmap
    // rather than a metafile.
    int chosen = -1;
    Header best;
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        if (offsets[i] >= bytes.size()) {
            Damaged("the picture file " + name + " points past its end");
        }
        const Header h = ReadHeader(bytes.substr(offsets[i]), name);
        auto distance = [](const Header& x) {
            return x.type == kMetafile ? 1u << 30 : (x.dpi > 96 ? x.dpi - 96 : 96 - x.dpi);
        };
        if (chosen < 0 || distance(h) < distance(best)) {
            chosen = static_cast<int>(i);
            best = h;
        }
    }
    Picture out;
    out.name = name;
    if (chosen < 0) {
        return out;
    }
    const std::string_view picture = bytes.substr(offsets[static_cast<std::size_t>(chosen)]);
    if (best.type == kMetafile) {
        if (best.unpacked > kMaxMetafile) {
            Damaged("the metafile " + name + " claims " + std::to_string(best.unpacked) + " bytes");
        }
        if (best.dataAt > picture.size() || best.size > picture.size() - best.dataAt) {
            Damaged("the metafile " + name + " lies outside its picture file");
        }
        out.metafile =
            Unpack(picture.substr(best.dataAt, best.size), best.packing, best.unpacked, name);
        out.width = static_cast<int>(best.width);
        out.height = static_cast<int>(best.height);
    } else {
        DecodeBitmap(best, picture, name, out);
        *transparent = best.type == kDib && best.important == 1;
    }
    ReadHotspots(best, picture, name, out);
    return out;
}

}  // namespace scrivlet::help::hlp
