#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/contents/contents_file.h"
#include "core/util/errors.h"
#include "core/util/file_io.h"

namespace scrivlet {
namespace {

namespace fs = std::filesystem;

std::string DataPath(const std::string& name) {
    return std::string(SCRIVLET_TEST_DATA) + "/contents/" + name;
}

std::string ReadAll(const std::string& path) {
    return ReadFileBytes(path).value_or("<missing>");
}

class TempDir {
public:
    TempDir() {
        path_ =
            fs::temp_directory_path() /
            ("scrivlet_cnt_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

TEST(ContentsFile, ReadsHeadersEntriesAndIncludesInPlace) {
    ContentsFile file;
    file.CntModified = true;
    file.LoadContents(DataPath("sample.cnt"));
    EXPECT_EQ(file.DefaultFile, "sample.hlp");
    EXPECT_EQ(file.DefaultWindow, "main");
    EXPECT_EQ(file.DefaultTitle, "Sample Help");
    EXPECT_EQ(file.IndexLines, (std::vector<std::string>{"Tools=tools.hlp", "Reference=ref.hlp"}));
    EXPECT_EQ(file.TabLines, (std::vector<std::string>{"Search=search.dll"}));
    EXPECT_EQ(file.LinkLines, (std::vector<std::string>{"other.hlp"}));
    // Comments, blank lines, ":BaseX" go; a command without a value has no
    // keyword and stays among the entries like any other line.
    EXPECT_EQ(file.EntryLines, (std::vector<std::string>{
                                   "1 Getting started", "2 Welcome=welcome_id",
                                   "2 Install=install@setup.hlp>main", ":include extra.cnt",
                                   ":Nofind", "1 Reference", "2 Run a macro=!ExecFile(notepad.exe)",
                                   "2 Commands=commands ; check the wording"}));
    EXPECT_EQ(file.CntFileName, DataPath("sample.cnt"));
    EXPECT_FALSE(file.CntModified);
}

TEST(ContentsFile, WritesHeadersFirstInFixedOrderWithCrLf) {
    ContentsFile file;
    file.LoadContents(DataPath("sample.cnt"));
    EXPECT_EQ(file.WriteText(), ReadAll(DataPath("sample_written.cnt")));
}

TEST(ContentsFile, SaveWritesTheFileAndClearsModified) {
    TempDir dir;
    ContentsFile file;
    file.LoadContents(DataPath("sample.cnt"));
    file.CntFileName = dir.File("out.cnt");
    file.CntModified = true;
    file.SaveContents();
    EXPECT_FALSE(file.CntModified);
    EXPECT_EQ(ReadAll(dir.File("out.cnt")), ReadAll(DataPath("sample_written.cnt")));

    // A second round gives the same bytes.
    ContentsFile again;
    again.LoadContents(dir.File("out.cnt"));
    EXPECT_EQ(again.WriteText(), ReadAll(DataPath("sample_written.cnt")));
}

TEST(ContentsFile, SaveIntoMissingFolderThrowsAndKeepsModified) {
    ContentsFile file;
    file.EntryLines = {"1 A"};
    file.CntFileName = "/nonexistent_scrivlet_folder/x.cnt";
    file.CntModified = true;
    EXPECT_THROW(file.SaveContents(), FileError);
    EXPECT_TRUE(file.CntModified);
}

TEST(ContentsFile, LowerCaseBaseReadsAndWritesMixedCase) {
    ContentsFile file;
    file.ReadText(":base lower.hlp\r\n");
    EXPECT_EQ(file.DefaultFile, "lower.hlp");
    EXPECT_EQ(file.DefaultWindow, "");
    EXPECT_EQ(file.WriteText(), ":Base lower.hlp\r\n");
}

TEST(ContentsFile, LaterBaseAndTitleOverwriteEarlierOnes) {
    ContentsFile file;
    file.ReadText(":Base a.hlp>w1\r\n:TITLE First\r\n:Base b.hlp\r\n:Title Second\r\n");
    EXPECT_EQ(file.DefaultFile, "b.hlp");
    EXPECT_EQ(file.DefaultWindow, "");
    EXPECT_EQ(file.DefaultTitle, "Second");
}

TEST(ContentsFile, BaseFilePartAlwaysTakesItsFirstCharacter) {
    ContentsFile file;
    file.ReadText(":Base >main\r\n");
    EXPECT_EQ(file.DefaultFile, ">main");
    EXPECT_EQ(file.DefaultWindow, "");
    file.ReadText(":Base  >main\r\n");
    EXPECT_EQ(file.DefaultFile, " ");
    EXPECT_EQ(file.DefaultWindow, "main");
}

TEST(ContentsFile, WindowWithoutFileIsNotWritten) {
    ContentsFile file;
    file.ReadText(":Base x.hlp>main\r\n:Title T\r\n");
    file.DefaultFile.clear();
    EXPECT_EQ(file.WriteText(), ":Title T\r\n");
}

TEST(ContentsFile, ValueIsTakenUntrimmed) {
    ContentsFile file;
    file.ReadText(":Title  two blanks \r\n:Index  a=b\r\n");
    EXPECT_EQ(file.DefaultTitle, " two blanks ");
    EXPECT_EQ(file.IndexLines, (std::vector<std::string>{" a=b"}));
}

TEST(ContentsFile, MissingFileEmptiesTheModelAndKeepsTheName) {
    ContentsFile file;
    file.LoadContents(DataPath("sample.cnt"));
    file.CntModified = true;
    file.LoadContents(DataPath("no_such_file.cnt"));
    EXPECT_TRUE(file.EntryLines.empty());
    EXPECT_TRUE(file.IndexLines.empty());
    EXPECT_EQ(file.DefaultFile, "");
    EXPECT_EQ(file.DefaultTitle, "");
    EXPECT_EQ(file.CntFileName, DataPath("sample.cnt"));
    EXPECT_TRUE(file.CntModified);
}

TEST(ContentsFile, FolderInsteadOfFileIsAnError) {
    TempDir dir;
    ContentsFile file;
    EXPECT_THROW(file.LoadContents(dir.File("")), FileError);
}

TEST(ContentsFile, ClearKeepsTheName) {
    ContentsFile file;
    file.LoadContents(DataPath("sample.cnt"));
    file.ClearContents();
    EXPECT_TRUE(file.EntryLines.empty());
    EXPECT_TRUE(file.TabLines.empty());
    EXPECT_TRUE(file.LinkLines.empty());
    EXPECT_EQ(file.DefaultWindow, "");
    EXPECT_EQ(file.CntFileName, DataPath("sample.cnt"));
    EXPECT_EQ(file.WriteText(), "");
}

TEST(ContentsFile, EntryAtOutOfRangeIsNoEntry) {
    ContentsFile file;
    file.EntryLines = {"1 Book", "2 Page=p"};
    for (int index : {-1, 2, 1000}) {
        const ContentsEntry none = file.EntryAt(index);
        EXPECT_EQ(none.EntryLevel, -1) << index;
        EXPECT_EQ(none.EntryTitle, "") << index;
        EXPECT_FALSE(IsPage(none));
        EXPECT_FALSE(IsBook(none));
    }
    EXPECT_EQ(file.EntryAt(1).EntryTarget, "p");
}

TEST(SplitContentsLines, EachLineEndKind) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(SplitContentsLines("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitContentsLines("a\r\n"), (V{"a"}));
    EXPECT_EQ(SplitContentsLines("a\n\rb"), (V{"a", "", "b"}));
    EXPECT_EQ(SplitContentsLines("\r\r\n"), (V{"", ""}));
    EXPECT_EQ(SplitContentsLines(""), V{});
}

TEST(FileNamePart, EitherSeparator) {
    EXPECT_EQ(FileNamePart("C:\\help\\a.cnt"), "a.cnt");
    EXPECT_EQ(FileNamePart("/home/x/b.cnt"), "b.cnt");
    EXPECT_EQ(FileNamePart("bare.cnt"), "bare.cnt");
    EXPECT_EQ(FileNamePart("folder/"), "");
}

// Broken input: every file gives a defined model and never hangs or crashes.
struct BrokenCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> entries;
    std::string defaultFile;
};

std::string LongLine() {
    return "1 " + std::string(100000, 'x') + "=" + std::string(50, 'c');
}

TEST(ContentsFile, BrokenFilesGiveDefinedResults) {
    const std::vector<BrokenCase> cases = {
        {"only comments", ReadAll(DataPath("only_comments.cnt")), {}, ""},
        {"lone CR", ReadAll(DataPath("lone_cr.cnt")), {"1 Book", "2 Page=page_id"}, "cr.hlp"},
        {"lone LF", ReadAll(DataPath("lone_lf.cnt")), {"1 Book", "2 Page=page_id"}, "lf.hlp"},
        {"mixed ends", ReadAll(DataPath("mixed_ends.cnt")), {"1 A", "2 B=b", "2 C=c", "1 D"}, ""},
        {"long line", LongLine() + "\r\n", {LongLine()}, ""},
        {"only line ends", "\r\n\n\r\r\r\n", {}, ""},
        {"nul bytes", std::string("1 A\0B\r\n", 7), {std::string("1 A\0B", 5)}, ""},
    };
    for (const auto& c : cases) {
        ContentsFile file;
        file.ReadText(c.bytes);
        EXPECT_EQ(file.EntryLines, c.entries) << c.name;
        EXPECT_EQ(file.DefaultFile, c.defaultFile) << c.name;
    }
}

TEST(ContentsFile, LongLineIsKeptWholeButParsedFieldsAreCut) {
    ContentsFile file;
    file.ReadText(LongLine());
    ASSERT_EQ(file.Count(), 1);
    EXPECT_EQ(file.EntryLines[0].size(), LongLine().size());
    const ContentsEntry entry = file.EntryAt(0);
    EXPECT_EQ(entry.EntryTitle.str(), std::string(255, 'x'));
    // The scan still reaches the separator beyond the cut.
    EXPECT_EQ(entry.EntryTarget.str(), std::string(50, 'c'));
    EXPECT_EQ(file.WriteText(), LongLine() + "\r\n");
}

TEST(ContentsFile, BinaryNoiseReadsAndRoundTripsItsEntries) {
    const std::string noise = ReadAll(DataPath("noise.bin"));
    ASSERT_EQ(noise.size(), 4096u);
    ContentsFile file;
    file.ReadText(noise);
    for (const auto& line : file.EntryLines) {
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        EXPECT_NE(line.front(), ';');
        (void)ParseEntry(line);
    }
    for (int i = -1; i <= file.Count(); ++i) {
        (void)file.EntryAt(i);
    }
    // What was kept reads back the same.
    ContentsFile again;
    again.ReadText(file.WriteText());
    EXPECT_EQ(again.EntryLines, file.EntryLines);
    EXPECT_EQ(again.IndexLines, file.IndexLines);
    EXPECT_EQ(again.WriteText(), file.WriteText());
}

}  // namespace
}  // namespace scrivlet
