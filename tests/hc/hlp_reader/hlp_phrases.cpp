// Hall phrase compression as the format description gives it: |PhrIndex
// holds the phrases' lengths as bits, |PhrImage their bytes, and topic text
// is a string of codes.
#include <stdexcept>

#include "hlp_numbers.h"
#include "hlp_reader.h"

namespace scrivlet::hc::test {

std::vector<std::string> HlpReader::Phrases() const {
    const auto index = InternalFile("|PhrIndex");
    const auto image = InternalFile("|PhrImage");
    if (!index || !image)
        return {};
    Numbers n{*index, 4, "|PhrIndex"};
    const uint32_t count = n.Dword();
    n.Dword();
    const uint32_t size = n.Dword();
    const uint32_t stored = n.Dword();
    n.Dword();
    const unsigned bits = n.Word() & 0x0F;
    n.Word();
    if (stored != image->size())
        throw std::runtime_error("|PhrImage is not the size |PhrIndex gives");
    const std::string text = size == stored ? *image : UnpackLz77(*image);
    if (text.size() != size)
        throw std::runtime_error("|PhrImage does not unpack to the size |PhrIndex gives");
    std::size_t bit = 8 * n.at;
    auto next = [&]() {
        if (bit / 8 >= index->size())
            throw std::runtime_error("|PhrIndex ends in its lengths");
        const bool set = (static_cast<uint8_t>((*index)[bit / 8]) >> (bit % 8)) & 1;
        ++bit;
        return set;
    };
    std::vector<std::string> phrases;
    std::size_t from = 0;
    for (uint32_t i = 0; i < count; ++i) {
        std::size_t length = 1;
        while (next())
            length += std::size_t{1} << bits;
        for (unsigned b = 0; b < bits; ++b)
            length += next() ? std::size_t{1} << b : 0;
        if (from + length > text.size())
            throw std::runtime_error("a phrase runs past |PhrImage");
        phrases.push_back(text.substr(from, length));
        from += length;
    }
    if (from != text.size())
        throw std::runtime_error("|PhrImage holds bytes no phrase covers");
    return phrases;
}

std::string ExpandPhrases(const std::vector<std::string>& phrases, const std::string& codes) {
    std::string out;
    Numbers n{codes, 0, "phrase-coded text"};
    auto phrase = [&](std::size_t i) -> const std::string& {
        if (i >= phrases.size())
            throw std::runtime_error("text uses a phrase past the last");
        return phrases[i];
    };
    while (n.at < codes.size()) {
        const unsigned c = n.Byte();
        if ((c & 1) == 0) {
            out += phrase(c / 2);
        } else if ((c & 3) == 1) {
            out += phrase(128 + (c >> 2) * 256 + n.Byte());
        } else if ((c & 7) == 3) {
            for (unsigned k = 0; k <= c >> 3; ++k)
                out.push_back(static_cast<char>(n.Byte()));
        } else {
            out.append((c >> 4) + 1, (c & 15) == 7 ? ' ' : '\0');
        }
    }
    return out;
}

}  // namespace scrivlet::hc::test
