#include "hc/hlp/font_table.h"

#include <algorithm>

#include "hc/hlp/bytes.h"

namespace scrivlet::hc::hlp {
namespace {

constexpr std::size_t kFaceLength = 32;

unsigned Attributes(const CharFormat& f) {
    return (f.bold ? 0x01u : 0u) | (f.italic ? 0x02u : 0u) | (f.underline ? 0x04u : 0u) |
           (f.strike ? 0x08u : 0u) | (f.doubleUnderline ? 0x10u : 0u) | (f.smallCaps ? 0x20u : 0u);
}

unsigned Family(const std::string& family) {
    if (family == "modern")
        return 1;
    if (family == "roman")
        return 2;
    if (family == "swiss")
        return 3;
    if (family == "script")
        return 4;
    if (family == "decor")
        return 5;
    return 0;
}

}  // namespace

unsigned FontTable::Face(int font) {
    std::string name = font >= 0 && font < static_cast<int>(help_.fonts.size())
                           ? help_.fonts[static_cast<std::size_t>(font)].name
                           : std::string("Arial");
    name.resize(std::min(name.size(), kFaceLength - 1));
    const auto found = faceIndex_.find(name);
    if (found != faceIndex_.end()) {
        return found->second;
    }
    const unsigned index = static_cast<unsigned>(faces_.size());
    faces_.push_back(name);
    faceIndex_.emplace(name, index);
    return index;
}

unsigned FontTable::Descriptor(const CharFormat& format) {
    const Key key{format.font, std::clamp(format.halfPoints, 1, 255), format.color,
                  Attributes(format)};
    const auto found = index_.find(key);
    if (found != index_.end()) {
        return found->second;
    }
    Face(format.font);
    const unsigned index = static_cast<unsigned>(descriptors_.size());
    descriptors_.push_back(key);
    index_.emplace(key, index);
    return index;
}

std::string FontTable::Build() const {
    std::string bytes;
    const std::size_t faceCount = std::max<std::size_t>(faces_.size(), 1);
    PutWord(bytes, static_cast<unsigned>(faceCount));
    PutWord(bytes, static_cast<unsigned>(descriptors_.size()));
    PutWord(bytes, 8);
    PutWord(bytes, static_cast<unsigned>(8 + faceCount * kFaceLength));
    for (std::size_t i = 0; i < faceCount; ++i) {
        std::string face = i < faces_.size() ? faces_[i] : std::string("Arial");
        face.resize(kFaceLength, '\0');
        bytes += face;
    }
    for (const Key& key : descriptors_) {
        const auto& [font, halfPoints, color, attributes] = key;
        const bool known = font >= 0 && font < static_cast<int>(help_.fonts.size());
        const std::string name =
            known ? help_.fonts[static_cast<std::size_t>(font)].name.substr(0, kFaceLength - 1)
                  : std::string("Arial");
        PutByte(bytes, attributes);
        PutByte(bytes, static_cast<unsigned>(halfPoints));
        PutByte(bytes, known ? Family(help_.fonts[static_cast<std::size_t>(font)].family) : 3);
        PutWord(bytes, faceIndex_.at(name));
        const uint32_t rgb = color >= 0 && color < static_cast<int>(help_.colors.size())
                                 ? help_.colors[static_cast<std::size_t>(color)]
                                 : 0;
        PutByte(bytes, rgb & 0xFF);
        PutByte(bytes, (rgb >> 8) & 0xFF);
        PutByte(bytes, (rgb >> 16) & 0xFF);
        PutByte(bytes, 0xFF);  // background: white
        PutByte(bytes, 0xFF);
        PutByte(bytes, 0xFF);
    }
    return bytes;
}

}  // namespace scrivlet::hc::hlp
