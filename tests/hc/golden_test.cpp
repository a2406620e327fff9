// Golden folders: each folder under tests/data/hc holds a help project
// (project.hpj), the topic files it names and expected.log, the exact log
// file the compiler must write for it; where expected.dump is there too, it
// is the independent reader's dump of the help file written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/hlp_writer.h"
#include "hlp_reader/hlp_reader.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;

fs::path GoldenRoot() {
    return fs::path(SCRIVLET_TEST_DATA) / "hc";
}

// Compares ACTUAL with the file at PATH; SCRIVLET_UPDATE_GOLDEN=1 rewrites it.
void ExpectFile(const std::string& actual, const fs::path& path) {
    if (std::getenv("SCRIVLET_UPDATE_GOLDEN") != nullptr) {
        WriteFileBytes(path, actual);
    }
    const std::optional<std::string> expected = ReadFileBytes(path);
    ASSERT_TRUE(expected.has_value()) << path;
    EXPECT_EQ(actual, *expected) << path;
}

class GoldenFolder : public ::testing::TestWithParam<std::string> {};

// The folder is compiled in a copy, so that the help file it writes stays
// out of the sources; again with the topics' text held packed, as hcrtf
// holds it, which must change neither the log nor a byte of the help file.
TEST_P(GoldenFolder, LogAndHelpFileMatch) {
    const fs::path folder = GoldenRoot() / GetParam();
    const fs::path work = fs::temp_directory_path() / ("hc_golden_" + GetParam());
    fs::remove_all(work);
    fs::copy(folder, work, fs::copy_options::recursive);
    setenv("SOURCE_DATE_EPOCH", "1000000000", 1);
    CompileResult result = CompileHelpProject(work / "project.hpj");
    const std::string log = LogFileBytes(hlp::WriteHelpFileAndLog(result));
    ExpectFile(log, folder / "expected.log");
    const std::optional<std::string> hlp = ReadFileBytes(work / "project.hlp");
    if (fs::exists(folder / "expected.dump")) {
        ASSERT_TRUE(hlp.has_value());
        ExpectFile(test::HlpReader(*hlp).Dump(), folder / "expected.dump");
    }
    fs::remove(work / "project.hlp");
    CompileResult packed = CompileHelpProject(work / "project.hpj", true);
    EXPECT_EQ(LogFileBytes(hlp::WriteHelpFileAndLog(packed)), log);
    EXPECT_EQ(ReadFileBytes(work / "project.hlp"), hlp);
    unsetenv("SOURCE_DATE_EPOCH");
    fs::remove_all(work);
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
