#include "hc/hlp/picture_file.h"

#include <optional>

#include "core/util/file_io.h"
#include "hc/hlp/bytes.h"
#include "hc/hlp/lz77.h"

namespace scrivlet::hc::hlp {
namespace {

constexpr unsigned kPictureMagic = 0x506C;  // "lP"
constexpr unsigned kDib = 6;
constexpr unsigned kUnpacked = 0;
constexpr unsigned kLz77 = 2;

// Picture headers give the resolution in dots per inch.
uint32_t Dpi(uint32_t pelsPerMeter) {
    return pelsPerMeter == 0 ? 96 : static_cast<uint32_t>((pelsPerMeter * 254ull + 5000) / 10000);
}

}  // namespace

std::string BuildPictureFile(const Dib& dib, bool transparent, bool compress) {
    std::string data = dib.bits;
    unsigned packing = kUnpacked;
    if (compress && !data.empty()) {
        std::size_t consumed = 0;
        std::string packed = Lz77CompressPrefix(data, data.size(), SIZE_MAX, &consumed);
        if (consumed == data.size() && packed.size() < data.size()) {
            data = std::move(packed);
            packing = kLz77;
        }
    }
    std::string picture;
    PutByte(picture, kDib);
    PutByte(picture, packing);
    PutCompressedULong(picture, Dpi(dib.xPelsPerMeter));
    PutCompressedULong(picture, Dpi(dib.yPelsPerMeter));
    PutCompressedUShort(picture, 1);  // planes
    PutCompressedUShort(picture, dib.bitCount);
    PutCompressedULong(picture, dib.width);
    PutCompressedULong(picture, dib.height);
    PutCompressedULong(picture, dib.Colors());
    PutCompressedULong(picture, transparent ? 1 : 0);  // "colours important" marks transparency
    PutCompressedULong(picture, static_cast<uint32_t>(data.size()));
    PutCompressedULong(picture, 0);  // hotspot bytes
    const std::size_t offsetAt = picture.size();
    PutDword(picture, 0);
    PutDword(picture, 0);  // no hotspots
    picture += dib.palette;
    SetDword(picture, offsetAt, static_cast<uint32_t>(picture.size()));
    picture += data;

    std::string out;
    PutWord(out, kPictureMagic);
    PutWord(out, 1);
    PutDword(out, 8);
    return out + picture;
}

int Pictures::Number(const BitmapRef& ref) const {
    const auto found = numbers_.find({ref.path, ref.transparent});
    return found == numbers_.end() ? -1 : found->second;
}

Pictures Pictures::Load(const HelpFile& help, Log& log) {
    Pictures pictures;
    std::map<std::string, std::optional<Dib>> files;
    for (const Topic& topic : help.topics) {
        if (!topic.built)
            continue;
        for (const BitmapRef& ref : topic.bitmaps) {
            if (ref.path.empty() || pictures.numbers_.count({ref.path, ref.transparent}) != 0)
                continue;
            auto file = files.find(ref.path);
            if (file == files.end()) {
                std::string problem = "it cannot be read";
                std::optional<Dib> dib;
                if (const auto bytes = ReadFileBytes(ref.path)) {
                    dib = ReadBmp(*bytes, &problem);
                }
                if (!dib) {
                    log.Error(Code::BadBitmapFile, {topic.file, 0, topic.number, topic.title},
                              "The bitmap \"" + ref.name + "\" cannot be used: " + problem + ".");
                }
                file = files.emplace(ref.path, std::move(dib)).first;
            }
            if (!file->second)
                continue;
            pictures.numbers_[{ref.path, ref.transparent}] =
                static_cast<int>(pictures.pictures_.size());
            pictures.pictures_.push_back({*file->second, ref.transparent});
        }
    }
    return pictures;
}

}  // namespace scrivlet::hc::hlp
