#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace scrivlet::help::hlp {

// Unpacks the LZ77 form help files use for topic blocks, phrase images and
// pictures: a flag byte before every eight items, its bits from the lowest
// telling a literal byte (0) from a two-byte copy (1) of 3 to 18 bytes from
// up to 4096 bytes back. Unpacks at most LIMIT bytes, so a damaged stream
// cannot grow without bound; a copy reaching before the start throws
// HelpFileError naming WHAT.
std::string UnpackLz77(std::string_view packed, std::size_t limit, const char* what);

// The run-length form of pictures: a byte with the top bit set is followed
// by that many (less the bit) literal bytes, any other by one byte repeated
// that many times.
std::string UnpackRunLength(std::string_view packed, std::size_t limit);

}  // namespace scrivlet::help::hlp
