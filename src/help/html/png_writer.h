#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scrivlet::help::html {

// A PNG file of a picture given as WIDTH x HEIGHT pixels, top row first,
// each 0xAARRGGBB. Pictures of at most 256 colours are written with a
// palette, others as RGB (RGBA when a pixel is not opaque). The pixels are
// packed with a small deflate of our own (runs of the row above and of the
// previous pixel), which is all the flat colours of help pictures need.
// Gives an empty string for an empty picture or one whose pixel count does
// not match its size.
std::string EncodePng(int width, int height, const std::vector<uint32_t>& pixels);

// The CRC-32 of PNG chunks and the Adler-32 of zlib streams, for the tests.
uint32_t Crc32(const uint8_t* data, std::size_t size, uint32_t crc = 0);
uint32_t Adler32(const uint8_t* data, std::size_t size);

// A zlib stream of DATA: fixed-Huffman blocks of literals and of matches at
// distance 1 and distance STRIDE (the byte above in an image).
std::string ZlibCompress(const std::vector<uint8_t>& data, std::size_t stride);

}  // namespace scrivlet::help::html
