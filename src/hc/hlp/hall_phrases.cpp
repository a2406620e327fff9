#include "hc/hlp/hall_phrases.h"

#include <algorithm>
#include <cstdint>

#include "hc/hlp/bytes.h"
#include "hc/hlp/lz77.h"

namespace scrivlet::hc::hlp {
namespace {

// Phrases 0 to 127 take one byte of code, the rest two.
constexpr std::size_t kOneByteCodes = 128;
constexpr std::size_t kLiteralRun = 32;  // bytes one literal code carries
constexpr std::size_t kBlankRun = 16;    // spaces or NULs one code stands for

// Letters and digits in any code page the text may be in: bytes from 0xC0
// are letters in the Western, Central European and Cyrillic ones alike.
bool WordByte(char c) {
    const auto b = static_cast<uint8_t>(c);
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_' ||
           b >= 0xC0;
}

enum class Piece { Nuls, Spaces, Token };

// Cuts TEXT into runs of NULs, runs of spaces and tokens: a word or a run of
// punctuation, with one space after it when one follows.
template <typename Visit>
void ForEachPiece(std::string_view text, Visit visit) {
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        std::size_t end = at + 1;
        if (c == '\0' || c == ' ') {
            while (end < text.size() && text[end] == c) {
                ++end;
            }
            visit(c == '\0' ? Piece::Nuls : Piece::Spaces, text.substr(at, end - at));
        } else {
            const bool word = WordByte(c);
            while (end < text.size() && text[end] != '\0' && text[end] != ' ' &&
                   WordByte(text[end]) == word) {
                ++end;
            }
            if (end < text.size() && text[end] == ' ') {
                ++end;
            }
            visit(Piece::Token, text.substr(at, end - at));
        }
        at = end;
    }
}

struct Candidate {
    std::string_view text;
    int64_t uses = 0;

    // What the phrase saves with a code of CODE bytes: literal bytes become
    // one code each time, and the image holds the phrase once.
    int64_t Saving(int64_t code) const {
        const auto length = static_cast<int64_t>(text.size());
        return uses * (length - code) - length;
    }
};

// The codes of a run of N blanks: (count - 1) in the high four bits.
void PutBlanks(std::string& out, std::size_t n, unsigned low) {
    for (; n > 0; n -= std::min(n, kBlankRun)) {
        PutByte(out, static_cast<unsigned>((std::min(n, kBlankRun) - 1) << 4) | low);
    }
}

// Appends N bits of VALUE, lowest first, to a stream of 32-bit words.
class BitWriter {
public:
    explicit BitWriter(std::string& out) : out_(out) {}
    void Bit(bool set) {
        if (count_ == 32) {
            Flush();
        }
        if (set) {
            word_ |= uint32_t{1} << count_;
        }
        ++count_;
    }
    void Flush() {
        if (count_ > 0) {
            PutDword(out_, word_);
        }
        word_ = 0;
        count_ = 0;
    }

private:
    std::string& out_;
    uint32_t word_ = 0;
    unsigned count_ = 0;
};

}  // namespace

HallPhrases HallPhrases::Choose(const std::vector<std::string_view>& texts) {
    std::unordered_map<std::string_view, int64_t> uses;
    for (std::string_view text : texts) {
        ForEachPiece(text, [&](Piece piece, std::string_view token) {
            if (piece == Piece::Token && token.size() >= 2) {
                ++uses[token];
            }
        });
    }
    std::vector<Candidate> candidates;
    for (const auto& [text, count] : uses) {
        if (count >= 2 && Candidate{text, count}.Saving(1) > 0) {
            candidates.push_back({text, count});
        }
    }
    // A one-byte code saves a byte more at every use than a two-byte one,
    // so the most used phrases take them.
    const auto byUses = [](const Candidate& a, const Candidate& b) {
        return a.uses != b.uses ? a.uses > b.uses : a.text < b.text;
    };
    const std::size_t oneByte = std::min(candidates.size(), kOneByteCodes);
    std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(oneByte),
                      candidates.end(), byUses);
    const auto rest = candidates.begin() + static_cast<std::ptrdiff_t>(oneByte);
    const auto bySaving = [](const Candidate& a, const Candidate& b) {
        const int64_t sa = a.Saving(2);
        const int64_t sb = b.Saving(2);
        return sa != sb ? sa > sb : a.text < b.text;
    };
    std::sort(rest, candidates.end(), bySaving);
    auto last = rest;
    while (last != candidates.end() &&
           static_cast<std::size_t>(last - candidates.begin()) < kMaxPhrases &&
           last->Saving(2) > 0) {
        ++last;
    }
    // In byte order within each group, which packs the image better.
    const auto byText = [](const Candidate& a, const Candidate& b) { return a.text < b.text; };
    std::sort(candidates.begin(), rest, byText);
    std::sort(rest, last, byText);

    HallPhrases chosen;
    for (auto it = candidates.begin(); it != last; ++it) {
        chosen.numbers_.emplace(std::string(it->text), chosen.phrases_.size());
        chosen.phrases_.emplace_back(it->text);
    }
    return chosen;
}

std::string HallPhrases::Encode(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    std::string_view literal;  // the run of literal bytes not yet written
    const auto flush = [&] {
        while (!literal.empty()) {
            const std::size_t n = std::min(literal.size(), kLiteralRun);
            PutByte(out, static_cast<unsigned>((n - 1) << 3) | 3);
            out.append(literal.substr(0, n));
            literal.remove_prefix(n);
        }
    };
    const auto putPhrase = [&](std::size_t number) {
        flush();
        if (number < kOneByteCodes) {
            PutByte(out, static_cast<unsigned>(number * 2));
        } else {
            const std::size_t high = number - kOneByteCodes;
            PutByte(out, static_cast<unsigned>((high >> 8) << 2) | 1);
            PutByte(out, static_cast<unsigned>(high & 0xFF));
        }
    };
    // Literal pieces lie one after the other in TEXT, so a run grows in place.
    const auto putLiteral = [&](std::string_view piece) {
        if (!literal.empty() && literal.data() + literal.size() == piece.data()) {
            literal = std::string_view(literal.data(), literal.size() + piece.size());
        } else {
            flush();
            literal = piece;
        }
    };
    const auto putSpaces = [&](std::size_t n) {
        flush();
        PutBlanks(out, n, 0x07);
    };
    ForEachPiece(text, [&](Piece piece, std::string_view token) {
        if (piece == Piece::Nuls) {
            flush();
            PutBlanks(out, token.size(), 0x0F);
        } else if (piece == Piece::Spaces) {
            // One space costs a byte either way; in a run it saves a code.
            if (!literal.empty() && token.size() == 1) {
                putLiteral(token);
            } else {
                putSpaces(token.size());
            }
        } else if (const auto found = numbers_.find(token); found != numbers_.end()) {
            putPhrase(found->second);
        } else if (const auto bare = numbers_.find(token.substr(0, token.size() - 1));
                   token.size() > 1 && token.back() == ' ' && bare != numbers_.end()) {
            putPhrase(bare->second);
            putSpaces(1);
        } else {
            putLiteral(token);
        }
    });
    flush();
    return out;
}

unsigned HallPhrases::LengthBits() const {
    unsigned best = 1;
    std::size_t bestBits = SIZE_MAX;
    for (unsigned bits = 1; bits <= 5; ++bits) {
        std::size_t total = 0;
        for (const std::string& phrase : phrases_) {
            total += ((phrase.size() - 1) >> bits) + 1 + bits;
        }
        if (total < bestBits) {
            bestBits = total;
            best = bits;
        }
    }
    return best;
}

std::string HallPhrases::IndexFile(std::size_t imageStored) const {
    std::size_t imageSize = 0;
    for (const std::string& phrase : phrases_) {
        imageSize += phrase.size();
    }
    const unsigned bits = LengthBits();
    const auto count = static_cast<uint32_t>(phrases_.size());
    std::string out;
    PutDword(out, 1);
    PutDword(out, count);
    PutDword(out, 0);  // the size from the length word on, set below
    PutDword(out, static_cast<uint32_t>(imageSize));
    PutDword(out, static_cast<uint32_t>(imageStored));
    PutDword(out, 0);
    PutWord(out, ((count * 2) << 4 | bits) & 0xFFFF);
    PutWord(out, 0x4A00);
    // Each length less one: its high part in unary, then BITS low bits.
    BitWriter lengths(out);
    for (const std::string& phrase : phrases_) {
        const std::size_t value = phrase.size() - 1;
        for (std::size_t q = value >> bits; q > 0; --q) {
            lengths.Bit(true);
        }
        lengths.Bit(false);
        for (unsigned b = 0; b < bits; ++b) {
            lengths.Bit(((value >> b) & 1) != 0);
        }
    }
    lengths.Flush();
    // Then a bit for each phrase that is a word rather than punctuation.
    BitWriter words(out);
    for (const std::string& phrase : phrases_) {
        words.Bit(WordByte(phrase.front()));
    }
    words.Flush();
    SetDword(out, 8, static_cast<uint32_t>(out.size() - 24));
    return out;
}

std::string HallPhrases::ImageFile(bool pack) const {
    std::string image;
    for (const std::string& phrase : phrases_) {
        image += phrase;
    }
    if (pack) {
        std::size_t consumed = 0;
        std::string packed = Lz77CompressPrefix(image, image.size(), image.size(), &consumed);
        if (consumed == image.size() && packed.size() < image.size()) {
            return packed;
        }
    }
    return image;
}

}  // namespace scrivlet::hc::hlp
