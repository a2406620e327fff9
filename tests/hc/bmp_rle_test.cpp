// Run-length coded BMP pixels (RLE8, RLE4) unpacked into the rows an
// uncompressed bitmap holds.
#include <gtest/gtest.h>

#include "hc/hlp/bmp_reader.h"
#include "hc/hlp/bmp_rle.h"

namespace scrivlet::hc::hlp {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

TEST(BmpRle, Rle8RunsAbsoluteRunsMovesAndEnds) {
    // 6 x 3, rows bottom-up, each padded to 8 bytes.
    const std::string codes = Bytes({
        3, 7,              // three pixels of 7
        0, 3, 1, 2, 3, 0,  // absolute: 1 2 3, padded to a word
        0, 0,              // end of row 0
        0, 2, 2, 1,        // move 2 right, 1 up: row 2, column 2
        2, 9,              // two pixels of 9
        0, 1,              // end of bitmap
    });
    std::string problem;
    const auto bits = UnpackBmpRle(codes, 6, 3, 8, &problem);
    ASSERT_TRUE(bits.has_value()) << problem;
    EXPECT_EQ(*bits, Bytes({7, 7, 7, 1, 2, 3, 0, 0,  //
                            0, 0, 0, 0, 0, 0, 0, 0,  //
                            0, 0, 9, 9, 0, 0, 0, 0}));
}

TEST(BmpRle, Rle4AlternatesNibblesAndPadsAbsoluteRunsToWords) {
    // 5 x 2: 4 bits a pixel, rows padded to 4 bytes.
    const std::string codes = Bytes({
        5,
        0x12,  // 1 2 1 2 1
        0,
        0,  // end of row
        0,
        3,
        0xAB,
        0xC0,  // absolute: A B C (two bytes, a word)
        2,
        0xEF,  // E F
        0,
        1,
    });
    std::string problem;
    const auto bits = UnpackBmpRle(codes, 5, 2, 4, &problem);
    ASSERT_TRUE(bits.has_value()) << problem;
    EXPECT_EQ(*bits, Bytes({0x12, 0x12, 0x10, 0, 0xAB, 0xCE, 0xF0, 0}));
}

TEST(BmpRle, RunsPastTheRowEndAreCutAndMissingEndKeepsWhatWasDrawn) {
    const std::string codes = Bytes({200, 5, 0, 0, 1, 6});
    const auto bits = UnpackBmpRle(codes, 3, 2, 8, nullptr);
    ASSERT_TRUE(bits.has_value());
    EXPECT_EQ(*bits, Bytes({5, 5, 5, 0, 6, 0, 0, 0}));
    // Moves far outside the picture draw nothing and do not fail.
    const auto moved = UnpackBmpRle(Bytes({0, 2, 255, 255, 4, 1, 0, 1}), 3, 2, 8, nullptr);
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(*moved, std::string(8, '\0'));
}

TEST(BmpRle, DamagedCodesAreRefused) {
    std::string problem;
    EXPECT_FALSE(UnpackBmpRle(Bytes({0, 4, 1, 2}), 4, 1, 8, &problem).has_value());
    EXPECT_EQ(problem, "its run-length codes are damaged");
    EXPECT_FALSE(UnpackBmpRle(Bytes({0, 2, 1}), 4, 1, 8, &problem).has_value());
    EXPECT_FALSE(UnpackBmpRle(Bytes({0, 5, 0x12}), 4, 1, 4, &problem).has_value());
    EXPECT_FALSE(UnpackBmpRle(Bytes({1, 1}), 4, 1, 24, &problem).has_value());
}

// A whole RLE8 file reads as the same picture its uncompressed twin holds.
TEST(BmpRle, Rle8FileReadsLikeItsUncompressedTwin) {
    auto file = [](uint32_t compression, const std::string& pixels) {
        std::string b = "BM";
        auto put32 = [&b](uint32_t v) {
            for (int i = 0; i < 4; ++i)
                b.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
        };
        auto put16 = [&b](unsigned v) {
            b.push_back(static_cast<char>(v & 0xFF));
            b.push_back(static_cast<char>(v >> 8));
        };
        const uint32_t bitsAt = 14 + 40 + 256 * 4;
        put32(bitsAt + static_cast<uint32_t>(pixels.size()));
        put32(0);
        put32(bitsAt);
        put32(40);
        put32(3);  // width
        put32(2);  // height, bottom-up
        put16(1);
        put16(8);
        put32(compression);
        put32(static_cast<uint32_t>(pixels.size()));
        put32(2835);
        put32(2835);
        put32(0);
        put32(0);
        for (int i = 0; i < 256; ++i)
            put32(static_cast<uint32_t>(i * 0x010101));
        return b + pixels;
    };
    std::string problem;
    const auto plain = ReadBmp(file(0, Bytes({1, 2, 3, 0, 4, 4, 4, 0})), &problem);
    ASSERT_TRUE(plain.has_value()) << problem;
    const auto packed = ReadBmp(file(1, Bytes({0, 3, 1, 2, 3, 0, 0, 0, 3, 4, 0, 1})), &problem);
    ASSERT_TRUE(packed.has_value()) << problem;
    EXPECT_EQ(packed->bits, plain->bits);
    EXPECT_EQ(packed->palette, plain->palette);
    EXPECT_EQ(packed->width, 3u);
    EXPECT_EQ(packed->height, 2u);
}

}  // namespace
}  // namespace scrivlet::hc::hlp
