// Bitmaps in the .HLP file: BMP files read, written once each as |bmN, and
// shown from the paragraphs; checked through the independent reader.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/bmp_reader.h"
#include "hc/hlp/hlp_writer.h"
#include "hlp_reader/hlp_reader.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;
using test::HlpReader;

void Put16(std::string& b, unsigned v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void PutLong(std::string& b, uint32_t v) {
    Put32(b, v);
}

// A BMP file with a 40-byte header. PIXEL gives the value of column X of
// row Y, counted from the top: a palette index, or 0xRRGGBB for 24 bits.
std::string MakeBmp(int width, int height, int bpp, bool topDown, int colorsUsed,
                    const std::function<uint32_t(int, int)>& pixel) {
    const int colors = bpp <= 8 ? (colorsUsed != 0 ? colorsUsed : 1 << bpp) : 0;
    const int rowBytes = (width * bpp + 31) / 32 * 4;
    std::string rows;
    for (int r = 0; r < height; ++r) {
        const int y = topDown ? r : height - 1 - r;  // the picture row this file row holds
        std::string row(static_cast<std::size_t>(rowBytes), '\0');
        for (int x = 0; x < width; ++x) {
            const uint32_t v = pixel(x, y);
            if (bpp == 24) {
                row[static_cast<std::size_t>(x * 3)] = static_cast<char>(v & 0xFF);
                row[static_cast<std::size_t>(x * 3 + 1)] = static_cast<char>((v >> 8) & 0xFF);
                row[static_cast<std::size_t>(x * 3 + 2)] = static_cast<char>((v >> 16) & 0xFF);
            } else {
                const int bit = x * bpp;
                const int shift = 8 - bpp - bit % 8;
                row[static_cast<std::size_t>(bit / 8)] = static_cast<char>(
                    static_cast<uint8_t>(row[static_cast<std::size_t>(bit / 8)]) | (v << shift));
            }
        }
        rows += row;
    }
    std::string b = "BM";
    const uint32_t bitsAt = 14 + 40 + static_cast<uint32_t>(colors) * 4;
    Put32(b, bitsAt + static_cast<uint32_t>(rows.size()));
    Put32(b, 0);
    Put32(b, bitsAt);
    Put32(b, 40);
    Put32(b, static_cast<uint32_t>(width));
    Put32(b, static_cast<uint32_t>(topDown ? -height : height));
    Put16(b, 1);
    Put16(b, static_cast<unsigned>(bpp));
    Put32(b, 0);
    Put32(b, static_cast<uint32_t>(rows.size()));
    Put32(b, 3780);  // 96 dpi
    Put32(b, 2835);  // 72 dpi
    Put32(b, static_cast<uint32_t>(colorsUsed));
    Put32(b, 0);
    for (int i = 0; i < colors; ++i) {
        // Blue, green, red, 0: colour I is a grey of 16 * I, with red set in
        // colour 1 so that channel order shows.
        const auto level = static_cast<char>(i * 16);
        b += std::string{level, level, i == 1 ? '\xFF' : level, '\0'};
    }
    return b + rows;
}

class BitmapProject : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("scrivlet_hlp_bitmaps_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    void Write(const std::string& name, const std::string& bytes) {
        WriteFileBytes(folder_ / name, bytes);
    }
    // A project of one topic whose paragraphs are BODY (RTF), with COMPRESS.
    CompileResult Compile(const std::string& body, int compress) {
        Write("p.hpj", "[OPTIONS]\r\nCOMPRESS=" + std::to_string(compress) +
                           "\r\nTITLE=Pictures\r\nHLP=p.hlp\r\n[FILES]\r\nt.rtf\r\n");
        Write("t.rtf",
              "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
              "#{\\footnote intro}${\\footnote Pictures}\r\n\\pard\\f0\\fs20 " +
                  body + "\\par\r\n}");
        return CompileHelpProject(folder_ / "p.hpj");
    }

    fs::path folder_;
};

uint32_t Checker(int x, int y) {
    return static_cast<uint32_t>((x + y) % 2);
}

TEST_F(BitmapProject, EachDepthAndRowPaddingMatchesGoldenDump) {
    // Widths that need row padding at every depth.
    Write("one.bmp", MakeBmp(13, 3, 1, false, 0, Checker));
    Write("four.bmp", MakeBmp(5, 2, 4, true, 0, [](int x, int y) { return x + 5 * y; }));
    Write("eight.bmp", MakeBmp(3, 2, 8, false, 6, [](int x, int y) { return x + 3 * y; }));
    Write("true.bmp", MakeBmp(3, 2, 24, true, 0, [](int x, int y) {
              return static_cast<uint32_t>(0x010203 * (x + 1) + 0x400000 * y);
          }));
    const CompileResult result = Compile(
        "A \\{bmc one.bmp\\} b \\{bml four.bmp\\}\\par \\{bmr eight.bmp\\} \\{bmc TRUE.BMP\\}"
        "\\par \\{bmct one.bmp\\} \\{bmc one.bmp\\}",
        0);
    ASSERT_EQ(result.log.Errors(), 0);
    const std::string dump = HlpReader(hlp::BuildHelpFileBytes(result, 0)).Dump();
    const fs::path golden = fs::path(SCRIVLET_TEST_DATA) / "hc" / "hlp" / "bitmaps.txt";
    if (std::getenv("SCRIVLET_UPDATE_GOLDEN") != nullptr) {
        WriteFileBytes(golden, dump);
    }
    EXPECT_EQ(dump, ReadFileBytes(golden).value_or("missing"));

    // Five files: one.bmp drawn plain and transparent is two pictures, and
    // shown again it is no third.
    EXPECT_NE(dump.find("  |bm4 lP 1\n"), std::string::npos);
    EXPECT_EQ(dump.find("|bm5"), std::string::npos);
    EXPECT_NE(dump.find("A {bmc |bm0} b {bml |bm1}{par}"), std::string::npos);
    EXPECT_NE(dump.find("{bmc |bm4} {bmc |bm0}{par}"), std::string::npos);
    // Bottom-up rows whatever the file's order: the lowest row of the
    // top-down 24-bit picture (y = 1) comes first, blue byte first.
    EXPECT_NE(dump.find("    row 0 030241060442090643000000\n"), std::string::npos);
    EXPECT_NE(dump.find("    row 1 030201060402090603000000\n"), std::string::npos);
    // 13 pixels at one bit take two bytes, padded to four: 0101...
    EXPECT_NE(dump.find("    row 0 55500000\n"), std::string::npos);
    // Only the six colours the 8-bit file uses, red in colour 1.
    EXPECT_NE(dump.find("colours 6 important 0"), std::string::npos);
    EXPECT_NE(dump.find("palette 000000 FF1010 202020 303030 404040 505050\n"), std::string::npos);
}

TEST_F(BitmapProject, CompressedPicturesUnpackToTheSameRows) {
    Write("big.bmp", MakeBmp(40, 40, 8, false, 0, [](int x, int y) { return (x / 8 + y) % 4; }));
    Write("one.bmp", MakeBmp(13, 3, 1, false, 0, Checker));
    const std::string body = "\\{bmc big.bmp\\}\\{bml one.bmp\\}";
    const std::string plain = HlpReader(hlp::BuildHelpFileBytes(Compile(body, 0), 0)).Dump();
    const std::string packed = HlpReader(hlp::BuildHelpFileBytes(Compile(body, 12), 0)).Dump();
    auto pictures = [](const std::string& dump, bool headers) {
        std::string out;
        const std::size_t start = dump.find("PICTURES");
        const std::size_t end = dump.find("TOPICS");
        std::size_t at = start;
        while (at < end) {
            const std::size_t next = dump.find('\n', at) + 1;
            const std::string line = dump.substr(at, next - at);
            if (headers == (line.find(" packing ") != std::string::npos))
                out += line;
            at = next;
        }
        return out;
    };
    EXPECT_EQ(pictures(packed, false), pictures(plain, false));
    EXPECT_NE(pictures(plain, false).find("row 15 "), std::string::npos);
    // The big picture packs, with run lengths alone when COMPRESS is off;
    // the tiny one would grow, so it stays as it is.
    EXPECT_EQ(pictures(packed, true).find("dib packing 0 dpi 96x72 planes 1 bpp 8 size 40x40"),
              std::string::npos);
    EXPECT_NE(pictures(packed, true).find("dib packing 0 dpi 96x72 planes 1 bpp 1 size 13x3"),
              std::string::npos);
    EXPECT_NE(pictures(plain, true).find("dib packing 1 dpi 96x72 planes 1 bpp 8 size 40x40"),
              std::string::npos);
}

TEST_F(BitmapProject, PictureInAHotspotIsTheHotspot) {
    Write("one.bmp", MakeBmp(13, 3, 1, false, 0, Checker));
    const CompileResult result = Compile("{\\uldb \\{bmc one.bmp\\}}{\\v intro}", 0);
    ASSERT_EQ(result.log.Errors(), 0);
    const std::string dump = HlpReader(hlp::BuildHelpFileBytes(result, 0)).Dump();
    EXPECT_NE(dump.find("{jump "), std::string::npos);
    EXPECT_NE(dump.find("{bmc |bm0}{/}"), std::string::npos);
}

struct BadBitmap {
    const char* what;
    std::function<std::string()> bytes;
    const char* problem;
    const char* logged = nullptr;  // when the log says more than the BMP reader
};

constexpr const char* kNoPicture =
    "it is neither a Windows bitmap (.bmp) nor a hotspot picture (.shg, .mrb) nor a Windows "
    "metafile (.wmf)";

TEST_F(BitmapProject, BadFilesAreErrorsAndTheHelpFileGoesWithoutThem) {
    const std::string good = MakeBmp(5, 2, 4, false, 0, [](int x, int) { return x; });
    auto with = [&good](std::size_t at, std::string bytes) {
        std::string b = good;
        b.replace(at, bytes.size(), bytes);
        return b;
    };
    const std::vector<BadBitmap> cases = {
        {"not a bitmap", [] { return std::string("GIF89a......................"); },
         "it is not a Windows bitmap file", kNoPicture},
        {"empty", [] { return std::string(); }, "it is not a Windows bitmap file", kNoPicture},
        {"header cut", [&] { return good.substr(0, 30); }, "it is truncated"},
        {"palette cut", [&] { return good.substr(0, 14 + 40 + 20); }, "it is truncated"},
        {"pixels cut", [&] { return good.substr(0, good.size() - 1); }, "it is truncated"},
        {"pixels past the end", [&] { return with(10, std::string("\xFF\xFF\xFF\x7F", 4)); },
         "it is truncated"},
        {"16 bits", [&] { return with(28, std::string("\x10\x00", 2)); },
         "it has 16 bits per pixel; only 1, 4, 8 and 24 are supported"},
        {"bit fields", [&] { return with(30, std::string("\x03\x00\x00\x00", 4)); },
         "it is compressed in a way other than run-length coding of 4 or 8 bits per pixel, "
         "which are the only ones supported"},
        {"run-length at 1 bit",
         [] {
             std::string b = MakeBmp(8, 1, 1, false, 0, [](int, int) { return 0u; });
             b.replace(30, 4, std::string("\x02\x00\x00\x00", 4));
             return b;
         },
         "it is compressed in a way other than run-length coding of 4 or 8 bits per pixel, "
         "which are the only ones supported"},
        {"run-length top-down",
         [&] {
             std::string b = with(30, std::string("\x02\x00\x00\x00", 4));
             return b.replace(22, 4, std::string("\xFE\xFF\xFF\xFF", 4));
         },
         "it is run-length coded and stored top-down, which cannot be"},
        {"run-length damaged",
         [&] {
             // An absolute run of five pixels with only one byte of them.
             return with(30, std::string("\x02\x00\x00\x00", 4)).substr(0, 118) +
                    std::string("\x00\x05\x12", 3);
         },
         "its run-length codes are damaged"},
        {"no width", [&] { return with(18, std::string(4, '\0')); },
         "its size 0 x 2 is not between 1 and 32767 pixels each way"},
        {"huge", [&] { return with(22, std::string("\x00\x00\x01\x00", 4)); },
         "its size 5 x 65536 is not between 1 and 32767 pixels each way"},
        {"too many pixels",
         [] {
             std::string b = MakeBmp(1, 1, 24, false, 0, [](int, int) { return 0u; });
             b.replace(18, 8, std::string("\xFF\x7F\0\0\xFF\x7F\0\0", 8));
             return b;
         },
         "its pixels take more than 256 MB"},
        {"too many colours", [&] { return with(46, std::string("\x11\x00\x00\x00", 4)); },
         "it names 17 colours for 4 bits per pixel"},
        {"two planes", [&] { return with(26, std::string("\x02\x00", 2)); },
         "it has 2 planes, not 1"},
        {"unknown header", [&] { return with(14, std::string("\x20\x00\x00\x00", 4)); },
         "its header is of an unknown kind"},
    };
    for (const BadBitmap& bad : cases) {
        SCOPED_TRACE(bad.what);
        Write("bad.bmp", bad.bytes());
        fs::remove(folder_ / "p.hlp");
        CompileResult result = Compile("\\{bmc bad.bmp\\}", 0);
        const std::vector<std::string> lines = hlp::WriteHelpFileAndLog(result);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), std::string("HC5002: Error: t.rtf, topic #1 \"Pictures\": The "
                                             "bitmap \"bad.bmp\" cannot be used: ") +
                                     (bad.logged != nullptr ? bad.logged : bad.problem) + ".");
        EXPECT_EQ(lines.back().substr(0, 14), "Created p.hlp,");
        std::string problem;
        EXPECT_FALSE(hlp::ReadBmp(bad.bytes(), &problem).has_value());
        EXPECT_EQ(problem, bad.problem);
    }
    // The same file with nothing wrong is written into it.
    Write("bad.bmp", good);
    CompileResult result = Compile("\\{bmc bad.bmp\\}", 0);
    hlp::WriteHelpFileAndLog(result);
    EXPECT_TRUE(HlpReader(*ReadFileBytes(folder_ / "p.hlp")).InternalFile("|bm0").has_value());
}

TEST_F(BitmapProject, HotspotPicturesAreStoredAsTheyAre) {
    // A picture file as hotspot editors write it: one DIB picture.
    std::string shg("lP\x01\x00\x08\x00\x00\x00", 8);
    // DIB, unpacked, 96 dpi, 1 plane of 1 bit, 2 x 2 pixels, 2 colours, 8 bytes
    // of pixels after the header of 28 bytes and the palette.
    shg += std::string(
        "\x06\x00\xC0\x00\xC0\x00\x02\x02\x04\x00\x04\x00\x04\x00\x00\x00"
        "\x10\x00\x00\x00",
        20);
    PutLong(shg, 36);
    PutLong(shg, 0);
    shg += std::string("\x00\x00\x00\x00\xFF\xFF\xFF\x00\x80\x00\x00\x00\x40\x00\x00\x00", 16);
    Write("map.shg", shg);
    Write("damaged.mrb", std::string("lp\x02\x00\x08\x00\x00\x00", 8));
    const CompileResult result = Compile("\\{bmc map.shg\\}\\{bmct map.shg\\}", 12);
    ASSERT_EQ(result.log.Errors(), 0);
    const HlpReader reader(hlp::BuildHelpFileBytes(result, 0));
    EXPECT_EQ(reader.InternalFile("|bm0"), shg);
    EXPECT_FALSE(reader.InternalFile("|bm1").has_value());
    const std::string dump = reader.Dump();
    EXPECT_NE(dump.find("{bmc |bm0}{bmc |bm0}"), std::string::npos);
    EXPECT_NE(dump.find("    dib packing 0 dpi 96x96 planes 1 bpp 1 size 2x2 colours 2 important 0 "
                        "data 8 hotspots 0\n"
                        "    palette 000000 FFFFFF\n"
                        "    row 0 80000000\n"
                        "    row 1 40000000\n"),
              std::string::npos);

    CompileResult damaged = Compile("\\{bmc damaged.mrb\\}", 0);
    const std::vector<std::string> lines = hlp::WriteHelpFileAndLog(damaged);
    EXPECT_EQ(lines.front(),
              "HC5002: Error: t.rtf, topic #1 \"Pictures\": The bitmap \"damaged.mrb\" cannot be "
              "used: its picture header is damaged.");
}

TEST_F(BitmapProject, BadFileIsReportedOnceAndBuildingBytesThrows) {
    Write("bad.bmp", "BM");
    CompileResult result = Compile("\\{bmc bad.bmp\\} \\{bml bad.bmp\\} \\{bmct bad.bmp\\}", 0);
    EXPECT_THROW(hlp::BuildHelpFileBytes(result, 0), std::runtime_error);
    const std::vector<std::string> lines = hlp::WriteHelpFileAndLog(result);
    EXPECT_EQ(result.log.Errors(), 1);
}

TEST(BmpReader, OldCoreHeaderAndTopDownRows) {
    // A 12-byte header: 16-bit sizes and 3-byte palette entries.
    std::string b = "BM";
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 14 + 12 + 6);
    Put32(b, 12);
    Put16(b, 2);
    Put16(b, 2);
    Put16(b, 1);
    Put16(b, 1);
    b += std::string("\x01\x02\x03\x04\x05\x06", 6);
    b += std::string("\x40\x00\x00\x00\x80\x00\x00\x00", 8);
    std::string problem;
    const auto dib = hlp::ReadBmp(b, &problem);
    ASSERT_TRUE(dib.has_value()) << problem;
    EXPECT_EQ(dib->palette, std::string("\x01\x02\x03\x00\x04\x05\x06\x00", 8));
    EXPECT_EQ(dib->bits, std::string("\x40\x00\x00\x00\x80\x00\x00\x00", 8));
    EXPECT_EQ(dib->RowBytes(), 4u);

    const auto flipped = hlp::ReadBmp(
        MakeBmp(2, 3, 8, true, 4, [](int x, int y) { return static_cast<uint32_t>(x + y); }),
        &problem);
    ASSERT_TRUE(flipped.has_value()) << problem;
    EXPECT_EQ(flipped->height, 3u);
    EXPECT_EQ(flipped->bits, std::string("\x02\x03\x00\x00\x01\x02\x00\x00\x00\x01\x00\x00", 12));
    EXPECT_EQ(flipped->Colors(), 4u);
}

}  // namespace
}  // namespace scrivlet::hc
