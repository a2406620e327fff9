#include "help/hlp/lz77_unpack.h"

#include <algorithm>
#include <cstdint>

#include "help/hlp/byte_cursor.h"

namespace scrivlet::help::hlp {

std::string UnpackLz77(std::string_view packed, std::size_t limit, const char* what) {
    std::string out;
    out.reserve(std::min(limit, packed.size() * 2));
    std::size_t at = 0;
    while (at < packed.size() && out.size() < limit) {
        const unsigned flags = static_cast<uint8_t>(packed[at++]);
        for (int bit = 0; bit < 8 && at < packed.size() && out.size() < limit; ++bit) {
            if ((flags & (1u << bit)) == 0) {
                out.push_back(packed[at++]);
                continue;
            }
            if (at + 2 > packed.size()) {
                return out;  // a flag for a copy the stream no longer holds
            }
            const unsigned code = static_cast<uint8_t>(packed[at]) |
                                  static_cast<unsigned>(static_cast<uint8_t>(packed[at + 1])) << 8;
            at += 2;
            const std::size_t distance = (code & 0x0FFF) + 1;
            const std::size_t length = (code >> 12) + 3;
            if (distance > out.size()) {
                Damaged(std::string(what) + " copies bytes from before its start");
            }
            for (std::size_t i = 0; i < length && out.size() < limit; ++i) {
                out.push_back(out[out.size() - distance]);
            }
        }
    }
    return out;
}

std::string UnpackRunLength(std::string_view packed, std::size_t limit) {
    std::string out;
    std::size_t at = 0;
    while (at < packed.size() && out.size() < limit) {
        const unsigned count = static_cast<uint8_t>(packed[at++]);
        if (count & 0x80) {
            const std::size_t n =
                std::min<std::size_t>({count & 0x7Fu, packed.size() - at, limit - out.size()});
            out.append(packed.substr(at, n));
            at += count & 0x7Fu;
        } else if (at < packed.size()) {
            out.append(std::min<std::size_t>(count, limit - out.size()), packed[at++]);
        }
    }
    return out;
}

}  // namespace scrivlet::help::hlp
