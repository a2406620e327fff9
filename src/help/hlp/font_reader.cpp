#include "help/hlp/font_reader.h"

#include <algorithm>
#include <map>

#include "help/hlp/byte_cursor.h"

namespace scrivlet::help::hlp {
namespace {

const char* FamilyName(unsigned family) {
    switch (family) {
        case 1:
            return "modern";
        case 2:
            return "roman";
        case 3:
            return "swiss";
        case 4:
            return "script";
        case 5:
            return "decor";
        default:
            return "nil";
    }
}

int ColorIndex(HelpFile& help, uint32_t rgb) {
    if (rgb == 0) {
        return -1;
    }
    const auto found = std::find(help.colors.begin(), help.colors.end(), rgb);
    if (found != help.colors.end()) {
        return static_cast<int>(found - help.colors.begin());
    }
    help.colors.push_back(rgb);
    return static_cast<int>(help.colors.size() - 1);
}

}  // namespace

std::vector<CharFormat> ReadFonts(std::string_view bytes, HelpFile& help) {
    ByteCursor in(bytes, "|FONT");
    const unsigned faceCount = in.Word();
    const unsigned descriptorCount = in.Word();
    const unsigned facesAt = in.Word();
    const unsigned descriptorsAt = in.Word();
    if (descriptorsAt < facesAt) {
        Damaged("|FONT has its descriptors before its face names");
    }
    const std::size_t faceLength = faceCount == 0 ? 0 : (descriptorsAt - facesAt) / faceCount;
    std::vector<std::string> faces;
    in.Seek(facesAt);
    for (unsigned i = 0; i < faceCount; ++i) {
        faces.push_back(in.FixedString(faceLength));
    }
    std::map<std::pair<std::string, unsigned>, int> fontIndex;
    std::vector<CharFormat> formats;
    in.Seek(descriptorsAt);
    // Descriptors of WinHelp 3.1 and 4 files take 11 bytes; files with
    // character styles have a longer header and keep the same descriptors
    // first.
    for (unsigned i = 0; i < descriptorCount; ++i) {
        const unsigned attributes = in.Byte();
        const unsigned halfPoints = in.Byte();
        const unsigned family = in.Byte();
        const unsigned face = in.Word();
        const std::string_view rgb = in.Take(3);
        in.Skip(3);  // background
        CharFormat format;
        format.bold = attributes & 0x01;
        format.italic = attributes & 0x02;
        format.underline = attributes & 0x04;
        format.strike = attributes & 0x08;
        format.doubleUnderline = attributes & 0x10;
        format.smallCaps = attributes & 0x20;
        format.halfPoints = static_cast<int>(halfPoints);
        const std::string name = face < faces.size() ? faces[face] : std::string("Arial");
        const auto key = std::make_pair(name, family);
        auto found = fontIndex.find(key);
        if (found == fontIndex.end()) {
            help.fonts.push_back(Font{name, FamilyName(family), 0});
            found = fontIndex.emplace(key, static_cast<int>(help.fonts.size() - 1)).first;
        }
        format.font = found->second;
        format.color =
            ColorIndex(help, static_cast<uint8_t>(rgb[0]) |
                                 static_cast<uint32_t>(static_cast<uint8_t>(rgb[1])) << 8 |
                                 static_cast<uint32_t>(static_cast<uint8_t>(rgb[2])) << 16);
        formats.push_back(format);
    }
    return formats;
}

}  // namespace scrivlet::help::hlp
