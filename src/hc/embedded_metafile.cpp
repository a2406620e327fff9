#include "hc/embedded_metafile.h"

#include <algorithm>
#include <cstdint>

#include "hc/hlp/bytes.h"
#include "hc/hlp/lz77.h"

namespace scrivlet::hc {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableHeader = 22;
constexpr std::size_t kMetaHeader = 18;
constexpr unsigned kMetafilePicture = 8;
constexpr unsigned kAnisotropic = 8;
constexpr unsigned kIsotropic = 7;

unsigned Word(const std::string& b, std::size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<unsigned>(static_cast<uint8_t>(b[at + 1]))
                                             << 8;
}

// An extent as a picture's header holds it: 0 to 65535.
unsigned Extent(int value, int goalTwips, unsigned mappingMode) {
    if (value <= 0 && (mappingMode == kAnisotropic || mappingMode == kIsotropic)) {
        // Twips to hundredths of a millimetre.
        value = static_cast<int>(std::clamp<int64_t>(int64_t{goalTwips} * 127 / 72, 0, 0xFFFF));
    }
    return static_cast<unsigned>(std::clamp(value, 0, 0xFFFF));
}

}  // namespace

std::string EmbeddedMetafileAsPicture(const EmbeddedPicture& given, std::string* why) {
    EmbeddedPicture picture = given;
    std::string records = picture.data;
    // Files on disk, and some writers, put a placeable header first: the
    // picture's box in units of which INCH make an inch.
    if (records.size() >= kPlaceableHeader &&
        (Word(records, 0) | Word(records, 2) << 16) == kPlaceableKey) {
        const auto coordinate = [&](std::size_t at) {
            return static_cast<int16_t>(Word(records, at));
        };
        const int inch = static_cast<int>(Word(records, 14));
        if (inch > 0 && (picture.width <= 0 || picture.height <= 0)) {
            // To hundredths of a millimetre, as an anisotropic picture wants.
            picture.mappingMode = kAnisotropic;
            picture.width = (coordinate(10) - coordinate(6)) * 2540 / inch;
            picture.height = (coordinate(12) - coordinate(8)) * 2540 / inch;
        }
        records.erase(0, kPlaceableHeader);
    }
    const bool sound = records.size() >= kMetaHeader &&
                       (Word(records, 0) == 1 || Word(records, 0) == 2) && Word(records, 2) == 9;
    if (!sound) {
        *why = "a Windows metafile without a sound header";
        return {};
    }
    const unsigned mode = static_cast<unsigned>(std::clamp(picture.mappingMode, 1, 8));
    std::size_t consumed = 0;
    std::string packed =
        hlp::Lz77CompressPrefix(records, records.size(), records.size(), &consumed);
    const bool pack = consumed == records.size() && packed.size() < records.size();
    const std::string& stored = pack ? packed : records;

    std::string p;
    hlp::PutByte(p, kMetafilePicture);
    hlp::PutByte(p, pack ? 2 : 0);
    hlp::PutCompressedUShort(p, mode);
    hlp::PutWord(p, Extent(picture.width, picture.widthGoal, mode));
    hlp::PutWord(p, Extent(picture.height, picture.heightGoal, mode));
    hlp::PutCompressedULong(p, static_cast<uint32_t>(records.size()));
    hlp::PutCompressedULong(p, static_cast<uint32_t>(stored.size()));
    hlp::PutCompressedULong(p, 0);  // no hotspots
    const std::size_t offsets = p.size();
    hlp::PutDword(p, 0);
    hlp::PutDword(p, 0);
    // Offsets count from the picture's start, which follows the file's
    // 8-byte header.
    hlp::SetDword(p, offsets, static_cast<uint32_t>(p.size()));
    p += stored;

    std::string file;
    hlp::PutWord(file, 0x506C);  // "lP"
    hlp::PutWord(file, 1);
    hlp::PutDword(file, 8);
    return file + p;
}

}  // namespace scrivlet::hc
