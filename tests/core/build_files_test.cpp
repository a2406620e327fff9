#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "core/build/build_files.h"
#include "core/util/errors.h"
#include "core/util/file_io.h"

namespace scrivlet {
namespace {

class DiskBuildFilesTest : public testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("scrivlet_build_files_" +
                  std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        std::filesystem::create_directories(folder);
        path = (folder / "scrv1.rtf").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::string path;
    DiskBuildFiles files;
};

TEST_F(DiskBuildFilesTest, StreamedLinesEndInCrLfAsWrittenLinesDo) {
    files.WriteLinesFrom(path, [](LineOutput& out) {
        out.Line("{\\rtf1");
        out.Line("");
        out.Line("\\par }");
    });
    const auto streamed = ReadFileBytes(path);
    files.WriteLines(path, {"{\\rtf1", "", "\\par }"});
    EXPECT_EQ(streamed, ReadFileBytes(path));
    EXPECT_EQ(*streamed, "{\\rtf1\r\n\r\n\\par }\r\n");
}

TEST_F(DiskBuildFilesTest, AFailedProducerLeavesNoPartOfTheFile) {
    EXPECT_THROW(files.WriteLinesFrom(path,
                                      [](LineOutput& out) {
                                          out.Line("{\\rtf1 half a topic file");
                                          throw std::runtime_error("bad [href=] number");
                                      }),
                 std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(DiskBuildFilesTest, AnUnwritablePlaceIsAFileError) {
    EXPECT_THROW(files.WriteLinesFrom((folder / "no" / "such.rtf").string(),
                                      [](LineOutput& out) { out.Line("x"); }),
                 FileError);
}

TEST_F(DiskBuildFilesTest, LinesAcrossAndBeyondTheWriteBufferComeOutWholeAndInOrder) {
    // Three megabytes of short lines with a line of five megabytes among them.
    std::vector<std::string> lines;
    for (int i = 0; i < 30000; ++i) {
        lines.push_back(std::to_string(i) + std::string(90, static_cast<char>('a' + i % 26)));
        if (i == 12345) {
            lines.emplace_back(5 << 20, 'L');
        }
    }
    files.WriteLinesFrom(path, [&lines](LineOutput& out) {
        for (const auto& line : lines) {
            out.Line(line);
        }
    });
    EXPECT_EQ(ReadFileBytes(path), JoinCrLf(lines));
}

}  // namespace
}  // namespace scrivlet
