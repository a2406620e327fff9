#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/util/install_layout.h"

namespace scrivlet {
namespace {
namespace fs = std::filesystem;

class InstallLayout : public ::testing::Test {
protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() /
            ("install_layout_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "bin");
    }
    void TearDown() override { fs::remove_all(root_); }

    void Touch(const fs::path& file, fs::perms perms = fs::perms::owner_read) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
        fs::permissions(file, perms);
    }

    fs::path root_;
};

TEST_F(InstallLayout, OwnCompilerOnlyAnExecutableFileBesideTheProgram) {
    const fs::path bin = root_ / "bin";
    EXPECT_EQ(FindOwnCompiler(bin), std::nullopt);
    Touch(bin / "hcrtf");  // not executable: a stray file, not the compiler
    EXPECT_EQ(FindOwnCompiler(bin), std::nullopt);
    fs::permissions(bin / "hcrtf", fs::perms::owner_all);
    EXPECT_EQ(FindOwnCompiler(bin), bin / "hcrtf");
    fs::create_directories(root_ / "dir" / "hcrtf");
    EXPECT_EQ(FindOwnCompiler(root_ / "dir"), std::nullopt);
    EXPECT_EQ(FindOwnCompiler(fs::path()), std::nullopt);
}

TEST_F(InstallLayout, UserGuideBesideTheProgramThenInTheInstallPrefix) {
    const fs::path bin = root_ / "bin";
    EXPECT_EQ(FindUserGuide(bin), std::nullopt);
    Touch(root_ / "share" / "scrivlet" / "scrivlet.hlp");
    EXPECT_EQ(FindUserGuide(bin), root_ / "share" / "scrivlet" / "scrivlet.hlp");
    Touch(bin / "scrivlet.hlp");  // a build folder's own guide wins
    EXPECT_EQ(FindUserGuide(bin), bin / "scrivlet.hlp");
    EXPECT_EQ(FindUserGuide(fs::path()), std::nullopt);
}

TEST_F(InstallLayout, ProgramFolderIsThisTestsFolder) {
    const fs::path folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(fs::is_regular_file(folder / "core_tests"));
}

}  // namespace
}  // namespace scrivlet
