#include "hc/hlp/lz77.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace scrivlet::hc::hlp {
namespace {

constexpr std::size_t kWindow = 4096;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 18;
constexpr int kMaxChain = 48;
constexpr std::size_t kHashSize = 1 << 14;

std::size_t Hash3(const char* p) {
    const auto a = static_cast<uint8_t>(p[0]);
    const auto b = static_cast<uint8_t>(p[1]);
    const auto c = static_cast<uint8_t>(p[2]);
    return ((a << 6) ^ (b << 3) ^ c ^ (a >> 2) * 2654435761u) & (kHashSize - 1);
}

}  // namespace

std::string Lz77CompressPrefix(std::string_view input, std::size_t maxInput, std::size_t limit,
                               std::size_t* consumed) {
    const std::size_t size = std::min(input.size(), maxInput);
    std::string out;
    out.reserve(std::min(limit, size + size / 8 + 1));
    std::vector<int32_t> head(kHashSize, -1);
    std::vector<int32_t> prev(size, -1);
    std::size_t flagAt = 0;
    int items = 8;  // items in the current group; 8 opens a new one
    std::size_t pos = 0;

    auto insert = [&](std::size_t at) {
        if (at + kMinMatch <= size) {
            const std::size_t h = Hash3(input.data() + at);
            prev[at] = head[h];
            head[h] = static_cast<int32_t>(at);
        }
    };

    while (pos < size) {
        std::size_t bestLength = 0;
        std::size_t bestDistance = 0;
        if (pos + kMinMatch <= size) {
            const std::size_t longest = std::min(kMaxMatch, size - pos);
            int32_t candidate = head[Hash3(input.data() + pos)];
            for (int chain = 0; candidate >= 0 && chain < kMaxChain; ++chain) {
                const std::size_t from = static_cast<std::size_t>(candidate);
                if (pos - from > kWindow)
                    break;
                std::size_t length = 0;
                while (length < longest && input[from + length] == input[pos + length]) {
                    ++length;
                }
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = pos - from;
                    if (length == longest)
                        break;
                }
                candidate = prev[from];
            }
        }
        bool copy = bestLength >= kMinMatch;
        const std::size_t group = items == 8 ? 1 : 0;
        // Near the limit a literal fills the last byte a copy would not fit
        // in, so that a cut block is full and holds nothing after its data.
        if (copy && out.size() + group + 2 > limit) {
            copy = false;
            bestLength = 0;
        }
        if (out.size() + group + 1 > limit) {
            if (group == 1 && out.size() < limit) {
                out.push_back('\0');  // a group of no items: reads as nothing
            }
            break;
        }
        if (items == 8) {
            flagAt = out.size();
            out.push_back('\0');
            items = 0;
        }
        if (copy) {
            out[flagAt] = static_cast<char>(out[flagAt] | (1 << items));
            const unsigned code =
                static_cast<unsigned>((bestLength - kMinMatch) << 12 | (bestDistance - 1));
            out.push_back(static_cast<char>(code & 0xFF));
            out.push_back(static_cast<char>(code >> 8));
            for (std::size_t i = 0; i < bestLength; ++i) {
                insert(pos + i);
            }
            pos += bestLength;
        } else {
            out.push_back(input[pos]);
            insert(pos);
            ++pos;
        }
        ++items;
    }
    *consumed = pos;
    return out;
}

std::string Lz77Literals(std::string_view input, std::size_t limit, std::size_t* consumed) {
    std::string out;
    std::size_t pos = 0;
    while (pos < input.size() && out.size() < limit) {
        // A flag byte of literals, then up to eight of them; a flag byte
        // alone in the last place reads as nothing.
        out.push_back('\0');
        const std::size_t take = std::min({std::size_t{8}, input.size() - pos, limit - out.size()});
        out.append(input.substr(pos, take));
        pos += take;
    }
    *consumed = pos;
    return out;
}

}  // namespace scrivlet::hc::hlp
