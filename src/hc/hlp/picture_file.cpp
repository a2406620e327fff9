#include "hc/hlp/picture_file.h"

#include <optional>

#include "core/util/file_io.h"
#include "hc/embedded_metafile.h"
#include "hc/hlp/bytes.h"
#include "hc/hlp/lz77.h"

namespace scrivlet::hc::hlp {
namespace {

constexpr unsigned kPictureMagic = 0x506C;  // "lP"
constexpr unsigned kDib = 6;
constexpr unsigned kUnpacked = 0;
constexpr unsigned kRunLength = 1;
constexpr unsigned kLz77 = 2;
constexpr unsigned kRunLengthLz77 = 3;
constexpr std::size_t kMaxCount = 0x7F;

// RunLen: a count byte; with its top bit set that many bytes follow as they
// are, otherwise the next byte is repeated that many times.
std::string PackRunLength(std::string_view data) {
    std::string out;
    const std::size_t n = data.size();
    auto runAt = [&](std::size_t at) {
        std::size_t run = 1;
        while (at + run < n && run < kMaxCount && data[at + run] == data[at]) {
            ++run;
        }
        return run;
    };
    for (std::size_t at = 0; at < n;) {
        if (const std::size_t run = runAt(at); run >= 3) {
            out.push_back(static_cast<char>(run));
            out.push_back(data[at]);
            at += run;
            continue;
        }
        const std::size_t start = at;
        while (at < n && at - start < kMaxCount && runAt(at) < 3) {
            ++at;
        }
        out.push_back(static_cast<char>(0x80 | (at - start)));
        out.append(data.substr(start, at - start));
    }
    return out;
}

std::string PackLz77(std::string_view data) {
    std::size_t consumed = 0;
    return Lz77CompressPrefix(data, data.size(), SIZE_MAX, &consumed);
}

// Picture headers give the resolution in dots per inch.
uint32_t Dpi(uint32_t pelsPerMeter) {
    return pelsPerMeter == 0 ? 96 : static_cast<uint32_t>((pelsPerMeter * 254ull + 5000) / 10000);
}

}  // namespace

std::string BuildPictureFile(const Dib& dib, bool transparent, bool compress) {
    // Pixels are packed whichever way makes them smallest, whatever COMPRESS
    // says: that only asks for more (LZ77) work.
    std::string data = dib.bits;
    unsigned packing = kUnpacked;
    auto consider = [&](std::string packed, unsigned how) {
        if (packed.size() < data.size()) {
            data = std::move(packed);
            packing = how;
        }
    };
    if (!dib.bits.empty()) {
        const std::string runs = PackRunLength(dib.bits);
        if (compress) {
            consider(PackLz77(dib.bits), kLz77);
            consider(PackLz77(runs), kRunLengthLz77);
        }
        consider(runs, kRunLength);
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

namespace {

// A picture file ("lP" or "lp", as hotspot editors and resolution tools
// write them): a count and that many offsets inside the file.
bool IsPictureFile(const std::string& bytes) {
    return bytes.size() >= 2 && (bytes.compare(0, 2, "lP") == 0 || bytes.compare(0, 2, "lp") == 0);
}
bool SoundPictureFile(const std::string& bytes) {
    auto get = [&bytes](std::size_t at, int n) {
        uint32_t v = 0;
        for (int i = n - 1; i >= 0; --i)
            v = v << 8 | static_cast<uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
        return v;
    };
    if (bytes.size() < 8)
        return false;
    const uint32_t count = get(2, 2);
    if (count == 0 || bytes.size() < 4 + 4 * static_cast<std::size_t>(count))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t offset = get(4 + 4 * i, 4);
        if (offset < 4 + 4 * count || static_cast<std::size_t>(offset) + 2 > bytes.size())
            return false;
    }
    return true;
}

}  // namespace

Pictures Pictures::Load(const HelpFile& help, Log& log) {
    Pictures pictures;
    std::map<std::string, std::optional<Picture>> files;
    for (const Topic& topic : help.topics) {
        if (!topic.built)
            continue;
        for (const BitmapRef& ref : topic.bitmaps) {
            if (ref.path.empty() || pictures.numbers_.count({ref.path, ref.transparent}) != 0)
                continue;
            auto file = files.find(ref.path);
            if (file == files.end()) {
                std::string problem = "it cannot be read";
                std::optional<Picture> picture;
                if (auto bytes = ref.embedded.empty() ? ReadFileBytes(ref.path)
                                                      : std::optional<std::string>(ref.embedded)) {
                    if (IsPictureFile(*bytes)) {
                        if (SoundPictureFile(*bytes)) {
                            picture = Picture{{}, false, std::move(*bytes)};
                        } else {
                            problem = "its picture header is damaged";
                        }
                    } else if (bytes->compare(0, 2, "BM") != 0) {
                        EmbeddedPicture metafile;
                        metafile.form = EmbeddedPicture::Form::Metafile;
                        metafile.data = std::move(*bytes);
                        std::string ignored;
                        if (std::string wmf = EmbeddedMetafileAsPicture(metafile, &ignored);
                            !wmf.empty()) {
                            picture = Picture{{}, false, std::move(wmf)};
                        } else {
                            problem =
                                "it is neither a Windows bitmap (.bmp) nor a hotspot picture "
                                "(.shg, .mrb) nor a Windows metafile (.wmf)";
                        }
                    } else if (auto dib = ReadBmp(*bytes, &problem)) {
                        picture = Picture{std::move(*dib), false, {}};
                    }
                }
                if (!picture) {
                    log.Report(Code::BadBitmapFile, {topic.file, 0, topic.number, topic.title},
                               "The bitmap \"" + ref.name + "\" cannot be used: " + problem + ".");
                }
                file = files.emplace(ref.path, std::move(picture)).first;
            }
            if (!file->second)
                continue;
            const int number = static_cast<int>(pictures.pictures_.size());
            Picture picture = *file->second;
            if (picture.ready.empty()) {
                picture.transparent = ref.transparent;
                pictures.numbers_[{ref.path, ref.transparent}] = number;
            } else {
                // Stored as it is: drawn the same either way.
                pictures.numbers_[{ref.path, false}] = number;
                pictures.numbers_[{ref.path, true}] = number;
            }
            pictures.pictures_.push_back(std::move(picture));
        }
    }
    return pictures;
}

}  // namespace scrivlet::hc::hlp
