#include "help/html/png_writer.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace scrivlet::help::html {
namespace {

// Writes bits the way deflate reads them: from the lowest bit of each byte.
class BitWriter {
public:
    explicit BitWriter(std::string& out) : out_(out) {}
    void Bits(uint32_t value, int count) {
        buffer_ |= static_cast<uint64_t>(value) << used_;
        used_ += count;
        while (used_ >= 8) {
            out_ += static_cast<char>(buffer_ & 0xFF);
            buffer_ >>= 8;
            used_ -= 8;
        }
    }
    // A Huffman code goes most significant bit first.
    void Code(uint32_t code, int length) {
        uint32_t reversed = 0;
        for (int i = 0; i < length; ++i) {
            reversed = (reversed << 1) | ((code >> i) & 1);
        }
        Bits(reversed, length);
    }
    void Flush() {
        if (used_ > 0) {
            out_ += static_cast<char>(buffer_ & 0xFF);
        }
        buffer_ = 0;
        used_ = 0;
    }

private:
    std::string& out_;
    uint64_t buffer_ = 0;
    int used_ = 0;
};

void FixedLiteral(BitWriter& bits, unsigned symbol) {
    if (symbol < 144) {
        bits.Code(0x30 + symbol, 8);
    } else if (symbol < 256) {
        bits.Code(0x190 + symbol - 144, 9);
    } else if (symbol < 280) {
        bits.Code(symbol - 256, 7);
    } else {
        bits.Code(0xC0 + symbol - 280, 8);
    }
}

struct CodeRange {
    unsigned base;
    int extra;
};

constexpr std::array<CodeRange, 29> kLengths = {{
    {3, 0},  {4, 0},  {5, 0},  {6, 0},   {7, 0},   {8, 0},   {9, 0},   {10, 0},  {11, 1},  {13, 1},
    {15, 1}, {17, 1}, {19, 2}, {23, 2},  {27, 2},  {31, 2},  {35, 3},  {43, 3},  {51, 3},  {59, 3},
    {67, 4}, {83, 4}, {99, 4}, {115, 4}, {131, 5}, {163, 5}, {195, 5}, {227, 5}, {258, 0},
}};

constexpr std::array<CodeRange, 30> kDistances = {{
    {1, 0},     {2, 0},     {3, 0},     {4, 0},      {5, 1},      {7, 1},
    {9, 2},     {13, 2},    {17, 3},    {25, 3},     {33, 4},     {49, 4},
    {65, 5},    {97, 5},    {129, 6},   {193, 6},    {257, 7},    {385, 7},
    {513, 8},   {769, 8},   {1025, 9},  {1537, 9},   {2049, 10},  {3073, 10},
    {4097, 11}, {6145, 11}, {8193, 12}, {12289, 12}, {16385, 13}, {24577, 13},
}};

template <std::size_t N>
std::size_t RangeIndex(const std::array<CodeRange, N>& ranges, unsigned value) {
    std::size_t i = N - 1;
    while (ranges[i].base > value) {
        --i;
    }
    return i;
}

void Match(BitWriter& bits, unsigned length, unsigned distance) {
    // 258 has a code of its own; 227 + 31 would also reach it.
    const std::size_t l = length == 258 ? 28 : RangeIndex(kLengths, length);
    FixedLiteral(bits, static_cast<unsigned>(257 + l));
    bits.Bits(length - kLengths[l].base, kLengths[l].extra);
    const std::size_t d = RangeIndex(kDistances, distance);
    bits.Code(static_cast<uint32_t>(d), 5);
    bits.Bits(distance - kDistances[d].base, kDistances[d].extra);
}

std::size_t MatchLength(const std::vector<uint8_t>& data, std::size_t at, std::size_t distance) {
    if (distance == 0 || distance > at || distance > 32768) {
        return 0;
    }
    const std::size_t limit = std::min<std::size_t>(258, data.size() - at);
    std::size_t n = 0;
    while (n < limit && data[at + n] == data[at + n - distance]) {
        ++n;
    }
    return n;
}

void AppendBig32(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

void Chunk(std::string& png, const char* type, const std::string& data) {
    AppendBig32(png, static_cast<uint32_t>(data.size()));
    std::string body(type, 4);
    body += data;
    png += body;
    AppendBig32(png, Crc32(reinterpret_cast<const uint8_t*>(body.data()), body.size()));
}

}  // namespace

uint32_t Crc32(const uint8_t* data, std::size_t size, uint32_t crc) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    }
    return ~crc;
}

uint32_t Adler32(const uint8_t* data, std::size_t size) {
    uint32_t a = 1;
    uint32_t b = 0;
    for (std::size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

std::string ZlibCompress(const std::vector<uint8_t>& data, std::size_t stride) {
    std::string out;
    out += static_cast<char>(0x78);
    out += static_cast<char>(0x01);
    BitWriter bits(out);
    bits.Bits(1, 1);  // the last block
    bits.Bits(1, 2);  // fixed Huffman codes
    std::size_t i = 0;
    while (i < data.size()) {
        const std::size_t byRun = MatchLength(data, i, 1);
        const std::size_t byRow = stride > 1 ? MatchLength(data, i, stride) : 0;
        const std::size_t length = std::max(byRun, byRow);
        if (length >= 3) {
            Match(bits, static_cast<unsigned>(length),
                  static_cast<unsigned>(byRow >= byRun ? stride : 1));
            i += length;
        } else {
            FixedLiteral(bits, data[i]);
            ++i;
        }
    }
    FixedLiteral(bits, 256);
    bits.Flush();
    AppendBig32(out, Adler32(data.data(), data.size()));
    return out;
}

std::string EncodePng(int width, int height, const std::vector<uint32_t>& pixels) {
    if (width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return {};
    }
    std::unordered_map<uint32_t, uint8_t> palette;
    std::vector<uint32_t> colours;
    bool opaque = true;
    for (const uint32_t pixel : pixels) {
        opaque = opaque && (pixel >> 24) == 0xFF;
        if (colours.size() <= 256 && palette.emplace(pixel, colours.size()).second) {
            colours.push_back(pixel);
        }
    }
    const bool indexed = colours.size() <= 256;
    const std::size_t channels = indexed ? 1 : opaque ? 3 : 4;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * channels + 1;
    std::vector<uint8_t> raw;
    raw.reserve(rowBytes * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = pixels[static_cast<std::size_t>(y) * width + x];
            if (indexed) {
                raw.push_back(palette.at(pixel));
                continue;
            }
            raw.push_back(static_cast<uint8_t>(pixel >> 16));
            raw.push_back(static_cast<uint8_t>(pixel >> 8));
            raw.push_back(static_cast<uint8_t>(pixel));
            if (!opaque) {
                raw.push_back(static_cast<uint8_t>(pixel >> 24));
            }
        }
    }

    std::string png("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    AppendBig32(header, static_cast<uint32_t>(width));
    AppendBig32(header, static_cast<uint32_t>(height));
    header += static_cast<char>(8);                             // bit depth
    header += static_cast<char>(indexed ? 3 : opaque ? 2 : 6);  // colour type
    header += std::string(3, '\0');  // deflate, adaptive filters, no interlace
    Chunk(png, "IHDR", header);
    if (indexed) {
        std::string plte;
        std::string trns;
        for (const uint32_t colour : colours) {
            plte += static_cast<char>(colour >> 16);
            plte += static_cast<char>(colour >> 8);
            plte += static_cast<char>(colour);
            trns += static_cast<char>(colour >> 24);
        }
        Chunk(png, "PLTE", plte);
        if (!opaque) {
            Chunk(png, "tRNS", trns);
        }
    }
    Chunk(png, "IDAT", ZlibCompress(raw, rowBytes));
    Chunk(png, "IEND", {});
    return png;
}

}  // namespace scrivlet::help::html
