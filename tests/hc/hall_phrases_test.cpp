// Phrase compression of topic text: the tables' bytes, the codes, and help
// files with phrases read back by both readers.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/hall_phrases.h"
#include "hc/hlp/hlp_writer.h"
#include "help/hlp/hlp_reader.h"
#include "hlp_reader/hlp_reader.h"
#include "hlp_roundtrip_describe.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

TEST(HallPhrases, TinyTableAndCodesByteForByte) {
    // "ab " comes three times and saves three bytes; "cd" and "cd " once
    // each, so they stay literal.
    const std::string first = "ab ab cd\0\0ab  x"s;
    const hlp::HallPhrases phrases = hlp::HallPhrases::Choose({first, "cd ef"});
    ASSERT_EQ(phrases.Phrases(), std::vector<std::string>{"ab "});
    EXPECT_EQ(phrases.Encode(first),
              "\x00\x00\x0B"
              "cd\x1F\x00\x07\x03x"s);
    EXPECT_EQ(phrases.ImageFile(true), "ab ");  // packing would only add a flag byte
    EXPECT_EQ(phrases.IndexFile(3),
              "\x01\0\0\0"  // always 1
              "\x01\0\0\0"  // one phrase
              "\x0C\0\0\0"  // the bytes from the next word but three on
              "\x03\0\0\0"  // the image's size
              "\x03\0\0\0"  // as stored
              "\0\0\0\0"
              "\x21\x00\x00\x4A"  // twice the count, and one bit below the unary part
              "\x01\0\0\0"        // length 3: 1 in unary, a 0, then the low bit 0
              "\x01\0\0\0"s);     // the phrase is a word
    // Runs longer than one code carries are cut: NULs and spaces by 16,
    // literal bytes by 32.
    EXPECT_EQ(phrases.Encode(std::string(20, '\0') + std::string(17, ' ') + std::string(40, 'q')),
              "\xFF\x3F\xF7\x07\xFB"s + std::string(32, 'q') + "\x3B" + std::string(8, 'q'));
}

TEST(HallPhrases, NothingWorthAPhraseGivesNoTable) {
    EXPECT_TRUE(hlp::HallPhrases::Choose({"one two three", "four five"}).Empty());
    EXPECT_TRUE(hlp::HallPhrases::Choose({}).Empty());
}

// A topic of 40 paragraphs of 60 words drawn from 300, so that more phrases
// than one-byte codes are worth having and repeats lie further apart than
// the packing of blocks reaches.
class PhraseProject : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / "scrivlet_hall_phrases";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        std::string text;
        uint32_t seed = 7;
        for (int paragraph = 0; paragraph < 40; ++paragraph) {
            for (int w = 0; w < 60; ++w) {
                seed = seed * 1103515245u + 12345u;
                const uint32_t word = (seed >> 8) % 300;
                text += "k" + std::string(1, static_cast<char>('a' + word / 26)) +
                        static_cast<char>('a' + word % 26) + "x ";
            }
            text += "\\b bold\\b0 .\\par\r\n";
        }
        WriteFileBytes(folder_ / "t.rtf",
                       "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                       "#{\\footnote words}${\\footnote Many Words}\r\n\\pard\\f0\\fs20 " +
                           text + "}");
    }
    void TearDown() override { fs::remove_all(folder_); }

    CompileResult Compile(const std::string& compress) {
        WriteFileBytes(folder_ / "p.hpj",
                       "[OPTIONS]\r\nCOMPRESS=" + compress + "\r\n[FILES]\r\nt.rtf\r\n");
        CompileResult result = CompileHelpProject(folder_ / "p.hpj");
        EXPECT_EQ(result.log.Errors(), 0);
        return result;
    }

    fs::path folder_;
};

TEST_F(PhraseProject, TextReadsBackThroughBothReaders) {
    const CompileResult result = Compile("12 Hall Zeck");
    const std::string bytes = hlp::BuildHelpFileBytes(result, 0);
    const test::HlpReader independent(bytes);
    const std::vector<std::string> phrases = independent.Phrases();
    EXPECT_GT(phrases.size(), 256u);
    EXPECT_NO_THROW(independent.Dump());

    const help::HelpDocument read = help::ReadHelpFileBytes(bytes);
    ASSERT_EQ(read.help.topics.size(), 1u);
    EXPECT_EQ(read.help.topics[0].title, "Many Words");
    EXPECT_EQ(test::DescribeParagraphs(read.help, read.help.topics[0]),
              test::DescribeParagraphs(result.help, result.help.topics[0]));
}

TEST_F(PhraseProject, PhrasesMakeTheFileSmallerThanBlocksAlone) {
    const std::string blocks = hlp::BuildHelpFileBytes(Compile("8 Zeck"), 0);
    const std::string phrases = hlp::BuildHelpFileBytes(Compile("12 Hall Zeck"), 0);
    EXPECT_FALSE(test::HlpReader(blocks).InternalFile("|PhrIndex").has_value());
    // Every word is a code of one or two bytes instead of five literal ones;
    // packing takes back much of that, but not all.
    EXPECT_LT(phrases.size() * 100, blocks.size() * 97)
        << "blocks alone " << blocks.size() << ", with phrases " << phrases.size();
}

}  // namespace
}  // namespace scrivlet::hc
