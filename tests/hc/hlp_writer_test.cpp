// The .HLP writer, checked through the independent reader in hlp_reader/.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/btree.h"
#include "hc/hlp/bytes.h"
#include "hc/hlp/file_system.h"
#include "hc/hlp/hlp_writer.h"
#include "hc/hlp/lz77.h"
#include "hlp_reader/hlp_reader.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;
using test::HlpReader;

fs::path Data() {
    return fs::path(SCRIVLET_TEST_DATA) / "hc";
}

std::string Dword(uint32_t value) {
    std::string bytes;
    hlp::PutDword(bytes, value);
    return bytes;
}

// Compares DUMP with the golden text NAME; SCRIVLET_UPDATE_GOLDEN=1 rewrites it.
void ExpectGolden(const std::string& dump, const std::string& name) {
    const fs::path path = Data() / "hlp" / name;
    if (std::getenv("SCRIVLET_UPDATE_GOLDEN") != nullptr) {
        WriteFileBytes(path, dump);
    }
    const std::optional<std::string> expected = ReadFileBytes(path);
    ASSERT_TRUE(expected.has_value()) << path;
    EXPECT_EQ(dump, *expected);
}

TEST(HlpWriter, CleanProjectMatchesGoldenDump) {
    const CompileResult result = CompileHelpProject(Data() / "clean" / "project.hpj");
    ASSERT_EQ(result.log.Errors(), 0);
    const HlpReader reader(hlp::BuildHelpFileBytes(result, 0));
    ExpectGolden(reader.Dump(), "clean.txt");
}

TEST(HlpWriter, WindowsProjectMatchesGoldenDump) {
    const CompileResult result = CompileHelpProject(Data() / "windows" / "project.hpj");
    const HlpReader reader(hlp::BuildHelpFileBytes(result, 0));
    ExpectGolden(reader.Dump(), "windows.txt");
}

TEST(HlpWriter, ContextHashesLeadToTheirTopics) {
    const CompileResult result = CompileHelpProject(Data() / "clean" / "project.hpj");
    const HlpReader reader(hlp::BuildHelpFileBytes(result, 0));
    const auto titles = reader.Entries("|TTLBTREE", 4, 0);
    ASSERT_EQ(titles.size(), 3u);
    const char* contexts[] = {"intro", "scrv20", "glossary"};
    for (int i = 0; i < 3; ++i) {
        const auto found = reader.Lookup("|CONTEXT", Dword(test::DescribedHash(contexts[i])), 4);
        ASSERT_TRUE(found.has_value()) << contexts[i];
        EXPECT_EQ(found->substr(0, 4), titles[static_cast<std::size_t>(i)].first) << contexts[i];
    }
    EXPECT_FALSE(reader.Lookup("|CONTEXT", Dword(test::DescribedHash("nothere")), 4));
}

TEST(HlpWriter, SystemRecordsCarryTheProjectOptions) {
    const CompileResult result = CompileHelpProject(Data() / "clean" / "project.hpj");
    const HlpReader reader(hlp::BuildHelpFileBytes(result, 0x12345678));
    const std::string system = *reader.InternalFile("|SYSTEM");
    // COMPRESS=12: flags 4, LZ77-compressed 4 KB topic blocks.
    EXPECT_EQ(system.substr(0, 12),
              std::string("\x6C\x03\x21\x00\x01\x00\x78\x56\x34\x12\x04\x00", 12));
    EXPECT_NE(system.find(std::string("\x01\x00\x0D\x00"
                                      "Clean Manual\0",
                                      17)),
              std::string::npos);
    EXPECT_NE(system.find(std::string("\x04\x00\x10\x00"
                                      "BrowseButtons()\0",
                                      20)),
              std::string::npos);
}

TEST(HlpWriter, DirectoryAndTreesGrowToManyLevels) {
    hlp::FileSystem files;
    std::vector<hlp::BtreeEntry> entries;
    for (uint32_t i = 0; i < 40000; ++i) {
        // Signed order: the negative hashes first.
        entries.push_back(
            {Dword(static_cast<uint32_t>(static_cast<int32_t>(i) - 20000)), Dword(i * 3)});
    }
    files.Add("|CONTEXT", hlp::BuildBtree({2048, 0x0002, "L4"}, entries));
    for (int i = 0; i < 20000; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "f%05d", i);
        files.Add(name, std::string(static_cast<std::size_t>(i % 7), 'x'));
    }
    const std::string bytes = files.Build();
    const HlpReader reader(bytes);
    ASSERT_EQ(reader.Directory().size(), 20001u);
    EXPECT_EQ(reader.InternalFile("f00013")->size(), 6u);
    EXPECT_EQ(reader.InternalFile("f19999")->size(), 19999u % 7);
    EXPECT_FALSE(reader.InternalFile("f20000").has_value());
    const auto all = reader.Entries("|CONTEXT", 4, 4);
    ASSERT_EQ(all.size(), 40000u);
    for (uint32_t i = 0; i < 40000; i += 37) {
        const auto found = reader.Lookup(
            "|CONTEXT", Dword(static_cast<uint32_t>(static_cast<int32_t>(i) - 20000)), 4);
        ASSERT_TRUE(found.has_value()) << i;
        EXPECT_EQ(found->substr(0, 4), Dword(i * 3)) << i;
    }
    EXPECT_FALSE(reader.Lookup("|CONTEXT", Dword(20001), 4).has_value());
}

TEST(HlpWriter, EmptyTreeIsOneEmptyLeaf) {
    const std::string tree = hlp::BuildBtree({2048, 0x0002, "L4"}, {});
    ASSERT_EQ(tree.size(), 38u + 2048u);
    EXPECT_EQ(tree.substr(0, 4), std::string("\x3B\x29\x02\x00", 4));
    EXPECT_EQ(tree.substr(38, 8), std::string("\xF8\x07\x00\x00\xFF\xFF\xFF\xFF", 8));
}

TEST(HlpWriter, CompressedNumbersTakeTheirShortFormsWhenSmall) {
    std::string bytes;
    hlp::PutCompressedShort(bytes, -1);
    hlp::PutCompressedShort(bytes, 100);
    hlp::PutCompressedUShort(bytes, 5);
    hlp::PutCompressedLong(bytes, 3);
    hlp::PutCompressedLong(bytes, 70000);
    EXPECT_EQ(bytes, std::string("\x7E\xC9\x80\x0A\x06\x80\xE1\x22\x02\x80", 10));
}

TEST(HlpWriter, LogEndsWithTheFileWrittenAndItsSize) {
    const fs::path folder = fs::temp_directory_path() / "scrivlet_hlp_log";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(Data() / "clean")) {
        fs::copy(entry.path(), folder / entry.path().filename(), fs::copy_options::recursive);
    }
    CompileResult result = CompileHelpProject(folder / "project.hpj");
    const std::vector<std::string> lines = hlp::WriteHelpFileAndLog(result);
    const auto size = fs::file_size(folder / "clean.hlp");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "Created .\\clean.hlp, " + hlp::GroupedNumber(size) + " bytes.");
    EXPECT_EQ(lines[lines.size() - 2], "0 errors, 0 warnings.");
    const HlpReader reader(*ReadFileBytes(folder / "clean.hlp"));
    EXPECT_EQ(reader.Entries("|TTLBTREE", 4, 0).size(), 3u);
    fs::remove_all(folder);
}

TEST(HlpWriter, NoFileAfterFatalErrors) {
    const fs::path folder = fs::temp_directory_path() / "scrivlet_hlp_errors";
    fs::remove_all(folder);
    fs::create_directories(folder);
    WriteFileBytes(folder / "p.hpj", "[OPTIONS]\r\nHLP=p.hlp\r\n[FILES]\r\nmissing.rtf\r\n");
    CompileResult result = CompileHelpProject(folder / "p.hpj");
    const std::vector<std::string> lines = hlp::WriteHelpFileAndLog(result);
    EXPECT_FALSE(fs::exists(folder / "p.hlp"));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().find("Created"), std::string::npos);
    fs::remove_all(folder);
}

std::string From(const std::string& dump, const std::string& section) {
    return dump.substr(dump.find(section));
}

// Topic offsets hold the block a record starts in, so they differ between
// compressed and uncompressed files; what they lead to must not.
std::string WithoutOffsets(std::string dump) {
    std::string out;
    std::size_t start = 0;
    while (start < dump.size()) {
        std::size_t end = dump.find('\n', start);
        std::string line = dump.substr(start, end - start);
        for (std::size_t at; (at = line.find(" at ")) != std::string::npos;) {
            line.erase(at, 12);
        }
        const std::size_t arrow = line.find(" -> ");
        if (arrow != std::string::npos)
            line.erase(arrow, 12);
        const std::size_t regions = line.find(" browse ");
        if (regions != std::string::npos)
            line.erase(regions);
        for (std::size_t jump = line.find("{jump "); jump != std::string::npos;
             jump = line.find("{jump ", jump + 1)) {
            line.erase(jump + 6, 8);
        }
        out += line + "\n";
        start = end + 1;
    }
    return out;
}

HelpFile ManyTopics(int count) {
    HelpFile help;
    help.fonts.push_back({"Arial", "swiss", 0});
    for (int i = 0; i < count; ++i) {
        Topic topic;
        topic.title = "Topic " + std::to_string(i);
        topic.contexts.push_back({"t" + std::to_string(i), 0});
        topic.keywords.push_back("word " + std::to_string(i % 50));
        for (int p = 0; p < 4; ++p) {
            Paragraph paragraph;
            Run run;
            run.text = "Paragraph " + std::to_string(p) + " of topic " + std::to_string(i) +
                       ", with words that repeat from one topic to the next.";
            paragraph.runs.push_back(run);
            Run jump;
            jump.text = "next";
            jump.hotspot = 0;
            paragraph.runs.push_back(jump);
            paragraph.format.keepNext = p == 0;
            topic.paragraphs.push_back(paragraph);
        }
        topic.hotspots.push_back(
            {HotspotKind::Jump, "t" + std::to_string((i + 1) % count), "", "", false, false});
        help.topics.push_back(topic);
    }
    return help;
}

TEST(HlpWriter, CompressedFileReadsTheSame) {
    CompileResult result = CompileHelpProject(Data() / "clean" / "project.hpj");
    ASSERT_NE(result.project.compress, 0);
    const std::string packed = HlpReader(hlp::BuildHelpFileBytes(result, 0)).Dump();
    result.project.compress = 0;
    const std::string plain = HlpReader(hlp::BuildHelpFileBytes(result, 0)).Dump();
    // Pictures differ only in how their pixels are packed.
    auto withoutPacking = [](std::string dump) {
        const std::size_t at = dump.find(" packing ");
        return at == std::string::npos ? dump : dump.erase(at, dump.find('\n', at) - at);
    };
    EXPECT_EQ(withoutPacking(From(packed, "FONTS")), withoutPacking(From(plain, "FONTS")));
    EXPECT_NE(packed.find("dib packing 2 "), std::string::npos);
    // Without COMPRESS, run-length coding still makes it smaller.
    EXPECT_NE(plain.find("dib packing 1 "), std::string::npos);
    EXPECT_NE(packed.find("flags 4"), std::string::npos);
}

TEST(HlpWriter, ManyTopicsAcrossManyBlocksReadTheSameCompressed) {
    CompileResult result;
    result.help = ManyTopics(1500);
    result.project.contents = {"t7", 1, {}};
    const std::string plainBytes = hlp::BuildHelpFileBytes(result, 0);
    result.project.compress = 1;
    const std::string packedBytes = hlp::BuildHelpFileBytes(result, 0);
    EXPECT_LT(packedBytes.size() * 2, plainBytes.size());
    for (const std::string* bytes : {&plainBytes, &packedBytes}) {
        const HlpReader reader(*bytes);
        const auto titles = reader.Entries("|TTLBTREE", 4, 0);
        ASSERT_EQ(titles.size(), 1500u);
        for (int i = 0; i < 1500; i += 7) {
            const auto found =
                reader.Lookup("|CONTEXT", Dword(test::DescribedHash("t" + std::to_string(i))), 4);
            ASSERT_TRUE(found.has_value()) << i;
            EXPECT_EQ(found->substr(0, 4), titles[static_cast<std::size_t>(i)].first) << i;
        }
        const std::string topics = From(reader.Dump(), "TOPICS");
        EXPECT_NE(topics.find("topic 1499 at "), std::string::npos);
    }
    const std::string plainDump = HlpReader(plainBytes).Dump();
    const std::string packedDump = HlpReader(packedBytes).Dump();
    EXPECT_EQ(WithoutOffsets(From(packedDump, "TOPICS")),
              WithoutOffsets(From(plainDump, "TOPICS")));
}

TEST(HlpWriter, Lz77FillsTheLimitExactlyWhenItStopsThere) {
    std::string text;
    uint32_t seed = 12345;
    for (int i = 0; i < 3000; ++i) {
        seed = seed * 1103515245u + 12345u;
        text += static_cast<char>('a' + (seed >> 16) % 26);
    }
    for (std::size_t limit : {100u, 101u, 102u, 1000u}) {
        std::size_t consumed = 0;
        const std::string packed = hlp::Lz77CompressPrefix(text, 0x4000, limit, &consumed);
        EXPECT_EQ(packed.size(), limit);
        EXPECT_LT(consumed, text.size());
    }
    std::size_t consumed = 0;
    const std::string all = hlp::Lz77CompressPrefix(std::string(500, 'z'), 0x4000, 4084, &consumed);
    EXPECT_EQ(consumed, 500u);
    EXPECT_LT(all.size(), 80u);
}

TEST(HlpWriter, GroupedNumbers) {
    EXPECT_EQ(hlp::GroupedNumber(0), "0");
    EXPECT_EQ(hlp::GroupedNumber(999), "999");
    EXPECT_EQ(hlp::GroupedNumber(1000), "1,000");
    EXPECT_EQ(hlp::GroupedNumber(1234567), "1,234,567");
}

}  // namespace
}  // namespace scrivlet::hc
