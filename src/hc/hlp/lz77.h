#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace scrivlet::hc::hlp {

// The LZ77 form of help files: a flag byte before every eight items, its
// bits from the lowest telling a literal byte (0) from a two-byte copy (1)
// of 3 to 18 bytes from up to 4096 bytes back.
//
// Compresses the start of INPUT, at most MAXINPUT bytes of it, into at most
// LIMIT bytes; *CONSUMED tells how much of INPUT went in. Copies reach back
// only into INPUT, so the result decompresses on its own. When the limit
// stops it, the result is exactly LIMIT bytes long.
std::string Lz77CompressPrefix(std::string_view input, std::size_t maxInput, std::size_t limit,
                               std::size_t* consumed);

// The same form with literal bytes only: as many bytes of INPUT as fill
// LIMIT bytes exactly, or all of it.
std::string Lz77Literals(std::string_view input, std::size_t limit, std::size_t* consumed);

}  // namespace scrivlet::hc::hlp
