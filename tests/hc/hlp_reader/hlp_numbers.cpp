#include "hlp_numbers.h"

namespace scrivlet::hc::test {

std::string UnpackLz77(const std::string& packed) {
    std::string out;
    std::size_t at = 0;
    while (at < packed.size()) {
        const unsigned flags = static_cast<uint8_t>(packed[at++]);
        for (int bit = 0; bit < 8 && at < packed.size(); ++bit) {
            if ((flags & (1u << bit)) == 0) {
                out.push_back(packed[at++]);
                continue;
            }
            if (at + 2 > packed.size())
                throw std::runtime_error("LZ77 copy cut short");
            const unsigned code = static_cast<uint8_t>(packed[at]) |
                                  static_cast<unsigned>(static_cast<uint8_t>(packed[at + 1])) << 8;
            at += 2;
            const std::size_t distance = (code & 0x0FFF) + 1;
            if (distance > out.size())
                throw std::runtime_error("LZ77 copy from before the start");
            for (unsigned i = 0; i < (code >> 12) + 3; ++i)
                out.push_back(out[out.size() - distance]);
        }
    }
    return out;
}

}  // namespace scrivlet::hc::test
