#include "help/hlp/phrases.h"

#include <algorithm>

#include "help/hlp/byte_cursor.h"
#include "help/hlp/lz77_unpack.h"

namespace scrivlet::help::hlp {
namespace {

// More phrases than any compiler makes, and a bound on what a damaged count
// can make the reader allocate.
constexpr std::size_t kMaxPhrases = 0x10000;
constexpr std::size_t kMaxPhraseText = 64u << 20;

std::vector<std::string> ClassicPhrases(std::string_view bytes, bool winHelp30) {
    ByteCursor in(bytes, "|Phrases");
    const unsigned count = in.Word();
    in.Word();  // 0x0100
    std::size_t textSize = 0;
    if (!winHelp30) {
        textSize = in.Dword();
    }
    std::vector<std::size_t> offsets;
    for (unsigned i = 0; i <= count; ++i) {
        offsets.push_back(in.Word());
    }
    const std::size_t base = offsets.front();
    const std::string_view stored = bytes.substr(in.Offset());
    std::string text;
    if (winHelp30) {
        text = std::string(stored);
    } else {
        if (textSize > kMaxPhraseText) {
            Damaged("|Phrases claims " + std::to_string(textSize) + " bytes of phrases");
        }
        text = stored.size() == textSize ? std::string(stored)
                                         : UnpackLz77(stored, textSize, "|Phrases");
    }
    std::vector<std::string> phrases;
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t from = offsets[i] - base;
        const std::size_t to = offsets[i + 1] - base;
        if (to < from || to > text.size()) {
            Damaged("phrase " + std::to_string(i) + " of |Phrases lies outside its text");
        }
        phrases.emplace_back(text, from, to - from);
    }
    return phrases;
}

// The bits of |PhrIndex after its header: 32-bit words, lowest bit first.
class BitReader {
public:
    explicit BitReader(ByteCursor& in) : in_(in) {}
    bool Bit() {
        mask_ <<= 1;
        if (mask_ == 0) {
            value_ = in_.Left() >= 4 ? in_.Dword() : 0;
            mask_ = 1;
        }
        return (value_ & mask_) != 0;
    }

private:
    ByteCursor& in_;
    uint32_t mask_ = 0;
    uint32_t value_ = 0;
};

std::vector<std::string> HallPhrases(std::string_view index, std::string_view image) {
    ByteCursor in(index, "|PhrIndex");
    in.Dword();
    const uint32_t count = in.Dword();
    in.Dword();
    const uint32_t imageSize = in.Dword();
    const uint32_t imageStored = in.Dword();
    in.Dword();
    const unsigned bits = in.Word() & 0x0F;
    in.Word();
    if (count > kMaxPhrases || imageSize > kMaxPhraseText) {
        Damaged("|PhrIndex claims " + std::to_string(count) + " phrases of " +
                std::to_string(imageSize) + " bytes");
    }
    const std::string text = imageSize == imageStored ? std::string(image.substr(0, imageSize))
                                                      : UnpackLz77(image, imageSize, "|PhrImage");
    BitReader bitReader(in);
    std::vector<std::string> phrases;
    std::size_t offset = 0;
    for (uint32_t i = 0; i < count; ++i) {
        // A length is 1, plus 2^BITS for every leading 1 bit, plus the
        // BITS low bits that follow, lowest first.
        std::size_t length = 1;
        while (bitReader.Bit()) {
            length += std::size_t{1} << bits;
            if (length > text.size()) {
                Damaged("phrase " + std::to_string(i) + " of |PhrIndex is longer than |PhrImage");
            }
        }
        for (unsigned b = 0; b < bits; ++b) {
            if (bitReader.Bit()) {
                length += std::size_t{1} << b;
            }
        }
        if (offset + length > text.size()) {
            Damaged("phrase " + std::to_string(i) + " of |PhrIndex lies outside |PhrImage");
        }
        phrases.emplace_back(text, offset, length);
        offset += length;
    }
    return phrases;
}

}  // namespace

PhraseTable PhraseTable::Load(const FileSystem& files, const SystemInfo& system) {
    PhraseTable table;
    const auto index = files.File("|PhrIndex");
    const auto image = files.File("|PhrImage");
    if (index && image) {
        table.kind_ = Kind::Hall;
        table.phrases_ = HallPhrases(*index, *image);
    } else if (const auto classic = files.File("|Phrases")) {
        table.kind_ = Kind::Classic;
        table.phrases_ = ClassicPhrases(*classic, system.IsWinHelp30());
    }
    return table;
}

const std::string& PhraseTable::Phrase(std::size_t index) const {
    if (index >= phrases_.size()) {
        Damaged("the topic text uses phrase " + std::to_string(index) + " of " +
                std::to_string(phrases_.size()));
    }
    return phrases_[index];
}

std::string PhraseTable::Expand(std::string_view stored, std::size_t size) const {
    if (kind_ == Kind::None) {
        return std::string(stored.substr(0, size));
    }
    std::string out;
    out.reserve(size);
    std::size_t at = 0;
    auto next = [&]() -> unsigned {
        return at < stored.size() ? static_cast<uint8_t>(stored[at++]) : 0u;
    };
    while (at < stored.size() && out.size() < size) {
        const unsigned c = next();
        if (kind_ == Kind::Classic) {
            if (c > 0 && c < 0x10) {
                const unsigned code = 256 * (c - 1) + next();
                out += Phrase(code / 2);
                if (code & 1) {
                    out.push_back(' ');
                }
            } else {
                out.push_back(static_cast<char>(c));
            }
        } else if ((c & 1) == 0) {
            out += Phrase(c / 2);
        } else if ((c & 3) == 1) {
            out += Phrase(128 + (c / 4) * 256 + next());
        } else if ((c & 7) == 3) {
            const std::size_t n = std::min<std::size_t>(c / 8 + 1, stored.size() - at);
            out.append(stored.substr(at, n));
            at += n;
        } else if ((c & 15) == 7) {
            out.append(c / 16 + 1, ' ');
        } else {
            out.append(c / 16 + 1, '\0');
        }
    }
    if (out.size() > size) {
        out.resize(size);
    }
    return out;
}

}  // namespace scrivlet::help::hlp
