#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/build/process_runner.h"
#include "core/util/file_io.h"

namespace scrivlet {
namespace {

TEST(CompilerCommandLine, QuotedPathThenDashXWithoutABlank) {
    EXPECT_EQ(CompilerCommandLine("C:\\Program Files\\HCW\\HCRTF.EXE", "scrv12.hpj"),
              "\"C:\\Program Files\\HCW\\HCRTF.EXE\"-x scrv12.hpj");
}

TEST(CompilerArgv, WindowsProgramsGoThroughWine) {
    EXPECT_EQ(CompilerArgv("/opt/hcw/hcrtf.EXE", "-x scrv1.hpj", true),
              (std::vector<std::string>{"wine", "/opt/hcw/hcrtf.EXE", "-x", "scrv1.hpj"}));
    EXPECT_EQ(CompilerArgv("/opt/hcw/HCRTF.EXE", "-x scrv1.hpj", false),
              (std::vector<std::string>{"/opt/hcw/HCRTF.EXE", "-x", "scrv1.hpj"}));
    EXPECT_EQ(CompilerArgv("/usr/bin/hcrtf", "-x  scrv1.hpj", true),
              (std::vector<std::string>{"/usr/bin/hcrtf", "-x", "scrv1.hpj"}));
}

class PosixRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("scrivlet_runner_" +
                  std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

TEST_F(PosixRunnerTest, RunsInTheWorkingFolderAndWaitsForTheEnd) {
    PosixProcessRunner runner(false);
    ProcessRequest request;
    request.program = "/bin/sh";
    request.arguments = "-c sleep\t0.2;pwd>where.txt";  // one argument: split at blanks only
    request.workingFolder = folder.string() + "/";
    ASSERT_TRUE(runner.Run(request));
    // Written before Run returned: the runner waited for the process.
    const auto where = ReadFileBytes(folder / "where.txt");
    ASSERT_TRUE(where.has_value());
    EXPECT_EQ(std::filesystem::path(where->substr(0, where->size() - 1)),
              std::filesystem::canonical(folder));
}

TEST_F(PosixRunnerTest, ACancelStopsTheProgramAndWhatItStarted) {
    PosixProcessRunner runner(false);
    ProcessRequest request;
    request.program = "/bin/sh";
    // A child of the program would write the file a moment later.
    request.arguments = "-c (sleep\t1;touch\tlate.txt)&wait";
    request.workingFolder = folder.string();
    int asked = 0;
    request.cancelled = [&asked] { return ++asked > 2; };
    EXPECT_TRUE(runner.Run(request));
    EXPECT_GT(asked, 2);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_FALSE(std::filesystem::exists(folder / "late.txt"));
}

TEST_F(PosixRunnerTest, AProgramThatCannotStartIsReported) {
    PosixProcessRunner runner(false);
    ProcessRequest request;
    request.program = (folder / "no-such-compiler").string();
    request.arguments = "-x a.hpj";
    request.workingFolder = folder.string();
    EXPECT_FALSE(runner.Run(request));
    request.program = "/bin/true";
    request.workingFolder = (folder / "missing").string();
    EXPECT_FALSE(runner.Run(request));
}

}  // namespace
}  // namespace scrivlet
