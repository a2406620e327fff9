// Golden folders: each holds a project file and the exact RTF topic file,
// help project file and log lines its build must give.
#include <gtest/gtest.h>

#include "build_test_support.h"
#include "core/build/help_project.h"
#include "core/build/topic_rtf.h"
#include "core/projectfile/project_file.h"
#include "core/util/file_io.h"

namespace scrivlet {
namespace {

using testing::BuildData;
using testing::CrLfText;

struct GoldenCase {
    const char* folder;
    const char* projectFile;
};

class BuildGolden : public ::testing::TestWithParam<GoldenCase> {};

std::string ReadExpected(const std::filesystem::path& path) {
    auto bytes = ReadFileBytes(path);
    EXPECT_TRUE(bytes.has_value()) << path;
    return bytes.value_or("");
}

std::string LogText(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += line + "\n";
    }
    return out;
}

TEST_P(BuildGolden, GivesTheExpectedFilesAndLog) {
    const auto dir = BuildData(GetParam().folder);
    auto project = ReadProjectFile(dir / GetParam().projectFile);
    ASSERT_TRUE(project.has_value());
    LinesLog log;
    NoProgress progress;
    const auto rtf = BuildTopicRtf(*project, log, progress);
    const auto hpj = BuildHelpProject(*project, "scrv7", "/proj/");
    EXPECT_EQ(CrLfText(rtf), ReadExpected(dir / "expected.rtf"));
    EXPECT_EQ(CrLfText(hpj), ReadExpected(dir / "expected.hpj"));
    EXPECT_EQ(LogText(log.lines), ReadExpected(dir / "expected.log"));
    EXPECT_FALSE(project->Modified());
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildGolden,
                         ::testing::Values(GoldenCase{"one_topic", "manual.scw"},
                                           GoldenCase{"merge_tables", "merge.scw"},
                                           GoldenCase{"markup", "markup.scw"}),
                         [](const auto& param) { return std::string(param.param.folder); });

TEST(BuildGolden, FilledInValuesStayInTheProject) {
    auto project = ReadProjectFile(BuildData("merge_tables") / "merge.scw");
    ASSERT_TRUE(project.has_value());
    LinesLog log;
    NoProgress progress;
    BuildTopicRtf(*project, log, progress);
    EXPECT_EQ(project->Topics[1].ContextString, "scrv20");
    EXPECT_EQ(project->Topics[0].ContextString, "first");

    auto manual = ReadProjectFile(BuildData("one_topic") / "manual.scw");
    ASSERT_TRUE(manual.has_value());
    BuildHelpProject(*manual, "scrv1", "/x/");
    EXPECT_EQ(manual->HelpFileName, ".\\manual.hlp");
    EXPECT_FALSE(manual->Modified());
}

}  // namespace
}  // namespace scrivlet
