// Golden folders: each folder under tests/data/hc holds a help project
// (project.hpj), the topic files it names and expected.log, the exact log
// file the compiler must write for it.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/util/file_io.h"
#include "hc/compile.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;

fs::path GoldenRoot() {
    return fs::path(SCRIVLET_TEST_DATA) / "hc";
}

class GoldenFolder : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenFolder, LogMatches) {
    const fs::path folder = GoldenRoot() / GetParam();
    const CompileResult result = CompileHelpProject(folder / "project.hpj");
    const std::string log =
        LogFileBytes(LogLines(result.log, result.project.report, result.counts));
    const std::optional<std::string> expected = ReadFileBytes(folder / "expected.log");
    ASSERT_TRUE(expected.has_value()) << folder;
    EXPECT_EQ(log, *expected);
}

std::vector<std::string> Folders() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(GoldenRoot())) {
        if (entry.is_directory() && fs::exists(entry.path() / "expected.log")) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Hc, GoldenFolder, ::testing::ValuesIn(Folders()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             return param.param;
                         });

TEST(GoldenFolders, EveryCheckHasOne) {
    EXPECT_GE(Folders().size(), 13u);
}

}  // namespace
}  // namespace scrivlet::hc
