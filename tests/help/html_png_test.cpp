#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "help/html/png_writer.h"

namespace scrivlet::help::html {
namespace {

// A reader of fixed-Huffman deflate blocks, the only kind the writer makes,
// so that the tests check what a decoder gets back and not our own bytes.
class FixedInflater {
public:
    explicit FixedInflater(std::string_view data) : data_(data) {}

    std::vector<uint8_t> Run() {
        std::vector<uint8_t> out;
        bool last = false;
        while (!last) {
            last = Bits(1) == 1;
            if (Bits(2) != 1) {
                throw std::runtime_error("not a fixed-Huffman block");
            }
            for (;;) {
                const int symbol = Symbol();
                if (symbol < 256) {
                    out.push_back(static_cast<uint8_t>(symbol));
                    continue;
                }
                if (symbol == 256) {
                    break;
                }
                const int length = Length(symbol);
                const int distance = Distance(Code(5));
                for (int i = 0; i < length; ++i) {
                    out.push_back(out.at(out.size() - static_cast<std::size_t>(distance)));
                }
            }
        }
        return out;
    }

private:
    int Bits(int count) {
        int value = 0;
        for (int i = 0; i < count; ++i, ++bit_) {
            const auto byte = static_cast<unsigned char>(data_.at(bit_ / 8));
            value |= ((byte >> (bit_ % 8)) & 1) << i;
        }
        return value;
    }
    int Code(int count) {
        int value = 0;
        for (int i = 0; i < count; ++i) {
            value = (value << 1) | Bits(1);
        }
        return value;
    }
    int Symbol() {
        int code = Code(7);
        if (code <= 0x17) {
            return code + 256;
        }
        code = (code << 1) | Bits(1);
        if (code >= 0x30 && code <= 0xBF) {
            return code - 0x30;
        }
        if (code >= 0xC0 && code <= 0xC7) {
            return code - 0xC0 + 280;
        }
        code = (code << 1) | Bits(1);
        return code - 0x190 + 144;
    }
    int Length(int symbol) {
        static const int base[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                   31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
        static const int extra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
        const int i = symbol - 257;
        return base[i] + Bits(extra[i]);
    }
    int Distance(int code) {
        int base = 1;
        for (int c = 0; c < code; ++c) {
            base += 1 << (c < 4 ? 0 : c / 2 - 1);
        }
        return base + Bits(code < 4 ? 0 : code / 2 - 1);
    }

    std::string_view data_;
    std::size_t bit_ = 0;
};

uint32_t Big32(const std::string& bytes, std::size_t at) {
    return (static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

struct Chunk {
    std::string type;
    std::string data;
};

// The chunks of a PNG file, each checked against its CRC.
std::vector<Chunk> Chunks(const std::string& png) {
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    std::vector<Chunk> chunks;
    for (std::size_t at = 8; at < png.size();) {
        const uint32_t size = Big32(png, at);
        Chunk chunk{png.substr(at + 4, 4), png.substr(at + 8, size)};
        const std::string body = png.substr(at + 4, size + 4);
        EXPECT_EQ(Big32(png, at + 8 + size),
                  Crc32(reinterpret_cast<const uint8_t*>(body.data()), body.size()))
            << chunk.type;
        chunks.push_back(std::move(chunk));
        at += 12 + size;
    }
    return chunks;
}

std::vector<uint8_t> Inflate(const std::string& zlib) {
    EXPECT_EQ(zlib.substr(0, 2), std::string("\x78\x01"));
    std::vector<uint8_t> data = FixedInflater(std::string_view(zlib).substr(2)).Run();
    EXPECT_EQ(Big32(zlib, zlib.size() - 4), Adler32(data.data(), data.size()));
    return data;
}

TEST(HtmlPng, ChecksumsMatchTheirPublishedValues) {
    const std::string iend = "IEND";
    EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(iend.data()), 4), 0xAE426082U);
    const std::string wiki = "Wikipedia";
    EXPECT_EQ(Adler32(reinterpret_cast<const uint8_t*>(wiki.data()), wiki.size()), 0x11E60398U);
}

TEST(HtmlPng, DeflateRoundTripsRunsRowsAndLongMatches) {
    std::vector<uint8_t> data;
    for (int i = 0; i < 2000; ++i) {
        data.push_back(static_cast<uint8_t>(i % 7 == 0 ? i : 200));  // runs broken now and then
    }
    for (int i = 0; i < 600; ++i) {
        data.push_back(data[data.size() - 97]);  // repeats of a "row" 97 bytes up
    }
    data.push_back(255);
    const std::string packed = ZlibCompress(data, 97);
    EXPECT_EQ(Inflate(packed), data);
    EXPECT_LT(packed.size(), data.size() / 2);
}

TEST(HtmlPng, FewColoursMakeAPalettePictureWithTransparency) {
    // 3 x 2: red, green, transparent white / blue, blue, red.
    const std::vector<uint32_t> pixels = {0xFFFF0000, 0xFF00FF00, 0x00FFFFFF,
                                          0xFF0000FF, 0xFF0000FF, 0xFFFF0000};
    const std::vector<Chunk> chunks = Chunks(EncodePng(3, 2, pixels));
    ASSERT_EQ(chunks.size(), 5U);
    EXPECT_EQ(chunks[0].type, "IHDR");
    EXPECT_EQ(chunks[0].data, std::string("\0\0\0\3\0\0\0\2\x08\x03\0\0\0", 13));
    EXPECT_EQ(chunks[1].type, "PLTE");
    EXPECT_EQ(chunks[1].data, std::string("\xFF\0\0\0\xFF\0\xFF\xFF\xFF\0\0\xFF", 12));
    EXPECT_EQ(chunks[2].type, "tRNS");
    EXPECT_EQ(chunks[2].data, std::string("\xFF\xFF\0\xFF", 4));
    EXPECT_EQ(chunks[3].type, "IDAT");
    EXPECT_EQ(Inflate(chunks[3].data), (std::vector<uint8_t>{0, 0, 1, 2, 0, 3, 3, 0}));
    EXPECT_EQ(chunks[4].type, "IEND");
}

TEST(HtmlPng, ManyColoursMakeAnRgbPicture) {
    std::vector<uint32_t> pixels;
    for (uint32_t i = 0; i < 300; ++i) {
        pixels.push_back(0xFF000000U | (i * 0x010203U));
    }
    const std::vector<Chunk> chunks = Chunks(EncodePng(300, 1, pixels));
    ASSERT_EQ(chunks.size(), 3U);
    EXPECT_EQ(chunks[0].data[9], 2);  // colour type RGB
    const std::vector<uint8_t> raw = Inflate(chunks[1].data);
    ASSERT_EQ(raw.size(), 1U + 300 * 3);
    EXPECT_EQ(raw[0], 0);
    EXPECT_EQ(raw[1 + 299 * 3], static_cast<uint8_t>((299 * 0x010203U) >> 16));
    EXPECT_EQ(raw[3 + 299 * 3], static_cast<uint8_t>(299 * 0x010203U));
}

TEST(HtmlPng, APictureWhoseSizeDoesNotMatchItsPixelsGivesNothing) {
    EXPECT_EQ(EncodePng(2, 2, {0xFF000000}), "");
    EXPECT_EQ(EncodePng(0, 0, {}), "");
}

}  // namespace
}  // namespace scrivlet::help::html
