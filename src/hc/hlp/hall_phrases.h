#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace scrivlet::hc::hlp {

// Phrase compression of topic text in the Hall form: a table of phrases
// (|PhrIndex holds their lengths, |PhrImage their bytes) and topic text
// coded as phrase numbers, runs of literal bytes, of spaces and of NULs.
//
// A phrase is a word or a run of punctuation, with the one space after it
// when a single space follows: most words then cost one code and no space
// code. Phrases are those that save the most bytes over their uses, after
// the bytes of the table they take.
class HallPhrases {
public:
    // More would not fit the 12 bits the index header keeps twice the count
    // in; the phrases past the first few hundred save little anyway.
    static constexpr std::size_t kMaxPhrases = 2047;

    // Chooses the phrases for TEXTS. None when no phrase saves a byte.
    static HallPhrases Choose(const std::vector<std::string_view>& texts);

    bool Empty() const { return phrases_.empty(); }
    const std::vector<std::string>& Phrases() const { return phrases_; }

    // TEXT in codes; the caller keeps TEXT as it is when the codes are not
    // shorter.
    std::string Encode(std::string_view text) const;

    // |PhrIndex for an image stored in IMAGESTORED bytes, and |PhrImage,
    // packed with LZ77 when PACK and that makes it smaller.
    std::string IndexFile(std::size_t imageStored) const;
    std::string ImageFile(bool pack) const;

private:
    unsigned LengthBits() const;

    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };

    std::vector<std::string> phrases_;
    std::unordered_map<std::string, std::size_t, Hash, std::equal_to<>> numbers_;
};

}  // namespace scrivlet::hc::hlp
