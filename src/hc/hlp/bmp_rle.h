#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scrivlet::hc::hlp {

// Unpacks the run-length coded pixels of a BMP file (RLE8 for 8 bits per
// pixel, RLE4 for 4) into rows bottom-up, each padded to four bytes, as an
// uncompressed bitmap holds them. Pixels the codes skip (with a move or an
// early end) are colour 0; codes running past a row's end are cut off there.
// Gives nothing, with the reason in *PROBLEM, when the codes are damaged.
std::optional<std::string> UnpackBmpRle(std::string_view codes, uint32_t width, uint32_t height,
                                        unsigned bitCount, std::string* problem);

}  // namespace scrivlet::hc::hlp
