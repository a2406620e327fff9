#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "core/projectfile/project_file.h"
#include "core/util/errors.h"
#include "core/util/file_io.h"
#include "project_file_fixtures.h"

namespace scrivlet {
namespace {

namespace fs = std::filesystem;
using projectfile_test::FullProject;
using projectfile_test::ReadBytes;
using projectfile_test::TempFolder;
using projectfile_test::WriteBytes;

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Lets no file grow past LIMIT bytes while it lives: a write beyond it fails
// with EFBIG, also for root, so a save can be made to fail half-way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(WriteProjectFile, WritesTheSerializedBytesAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const fs::path path = folder / "help.scw";
    const Project p = FullProject();
    WriteProjectFile(p, path);
    EXPECT_EQ(ReadBytes(path), SerializeProject(p));
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"help.scw"});
}

TEST(WriteProjectFile, ReplacesAnExistingFileAndKeepsItsPermissions) {
    TempFolder folder;
    const fs::path path = folder / "help.scw";
    WriteBytes(path, std::string(10000, 'o'));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const Project p = FullProject();
    WriteProjectFile(p, path);
    EXPECT_EQ(ReadBytes(path), SerializeProject(p));
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"help.scw"});
}

TEST(WriteProjectFile, SavingThroughALinkReplacesTheFileItPointsTo) {
    TempFolder folder;
    const fs::path real = folder / "real.scw";
    const fs::path link = folder / "link.scw";
    WriteBytes(real, "old");
    fs::create_symlink(real, link);
    const Project p = FullProject();
    WriteProjectFile(p, link);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), SerializeProject(p));
}

TEST(WriteProjectFile, FailedWriteLeavesThePreviousFileUntouched) {
    TempFolder folder;
    const fs::path path = folder / "help.scw";
    const std::string previous = "[PROJECT]\r\n12\r\nTITLE=previous\r\n";
    WriteBytes(path, previous);
    Project p = FullProject();
    p.Topics[0].Text.assign(200, std::string(100, 't'));  // about 20 KB
    {
        FileSizeLimit limit(4096);
        try {
            WriteProjectFile(p, path);
            FAIL() << "the save did not fail";
        } catch (const FileError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("Cannot write file " + path.string() + ". ", 0), 0u) << message;
        }
    }
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"help.scw"});
}

TEST(WriteFileAtomic, ProducerThatFailsLeavesThePreviousFileUntouched) {
    TempFolder folder;
    const fs::path path = folder / "help.scw";
    WriteBytes(path, "previous");
    EXPECT_THROW(WriteFileAtomic(path,
                                 [](const ByteSink& sink) {
                                     sink("half of the new content");
                                     throw std::runtime_error("out of memory");
                                 }),
                 std::runtime_error);
    EXPECT_EQ(ReadBytes(path), "previous");
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"help.scw"});
}

TEST(WriteProjectFile, TargetThatIsAFolderIsReportedAndLeftAlone) {
    TempFolder folder;
    const fs::path path = folder / "help.scw";
    fs::create_directory(path);
    WriteBytes(path / "inside.txt", "keep");
    try {
        WriteProjectFile(FullProject(), path);
        FAIL() << "the save did not fail";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot write file " + path.string() + ". ", 0), 0u)
            << e.what();
    }
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(ReadBytes(path / "inside.txt"), "keep");
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"help.scw"});
}

TEST(WriteProjectFile, MissingFolderIsReported) {
    TempFolder folder;
    const fs::path path = folder / "no such folder" / "help.scw";
    try {
        WriteProjectFile(FullProject(), path);
        FAIL() << "the save did not fail";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot create file " + path.string() + ". No such file or directory");
    }
    EXPECT_FALSE(fs::exists(folder / "no such folder"));
}

TEST(SaveProject, ClearsTheModifiedFlagOnlyAfterASuccessfulWrite) {
    TempFolder folder;
    Project p = FullProject();
    p.SetModified(true);
    std::vector<bool> heard;
    p.AddModifiedListener([&](bool value) { heard.push_back(value); });

    EXPECT_THROW(SaveProject(p, folder / "missing" / "x.scw"), FileError);
    EXPECT_TRUE(p.Modified());
    EXPECT_TRUE(heard.empty());

    SaveProject(p, folder / "x.scw");
    EXPECT_FALSE(p.Modified());
    EXPECT_EQ(heard, std::vector<bool>{false});
    EXPECT_EQ(ReadBytes(folder / "x.scw"), SerializeProject(p));
}

TEST(ReadProjectFile, ReadsWhatWasWrittenWithTheFileName) {
    TempFolder folder;
    const fs::path path = folder / "help.scw";
    const Project original = FullProject();
    WriteProjectFile(original, path);
    const auto read = ReadProjectFile(path);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->ProjectFileName, path.string());
    EXPECT_FALSE(read->Modified());
    EXPECT_EQ(read->CurrentTopic, 0);
    EXPECT_EQ(SerializeProject(*read), SerializeProject(original));
}

TEST(ReadProjectFile, NoSuchFileGivesNothing) {
    TempFolder folder;
    EXPECT_FALSE(ReadProjectFile(folder / "none.scw").has_value());
    EXPECT_FALSE(ReadProjectFile(folder.path()).has_value());
}

class OpenProjectTest : public testing::Test {
protected:
    void SetUp() override {
        open_.ProjectFileName = "/somewhere/open.scw";
        open_.HelpTitle = "Open one";
        open_.Topics.Add(CreateTopic());
        open_.Topics[0].Title = "edited";
        open_.CurrentTopic = 0;
        open_.SetModified(true);
        open_.AddModifiedListener([this](bool value) { heard_.push_back(value); });
        before_ = SerializeProject(open_);
    }

    void ExpectUntouched() {
        EXPECT_EQ(SerializeProject(open_), before_);
        EXPECT_EQ(open_.ProjectFileName, "/somewhere/open.scw");
        EXPECT_TRUE(open_.Modified());
        EXPECT_EQ(open_.CurrentTopic, 0);
        EXPECT_TRUE(heard_.empty());
    }

    TempFolder folder_;
    Project open_;
    std::string before_;
    std::vector<bool> heard_;
};

TEST_F(OpenProjectTest, SuccessReplacesTheProjectAndTellsTheListeners) {
    const fs::path path = folder_ / "other.scw";
    WriteProjectFile(FullProject(), path);
    EXPECT_TRUE(OpenProject(open_, path));
    EXPECT_EQ(open_.ProjectFileName, path.string());
    EXPECT_EQ(open_.HelpTitle, "My Help");
    EXPECT_EQ(open_.Topics.Count(), 3u);
    EXPECT_FALSE(open_.Modified());
    EXPECT_EQ(heard_, std::vector<bool>{false});
}

TEST_F(OpenProjectTest, MissingFileChangesNothing) {
    EXPECT_FALSE(OpenProject(open_, folder_ / "none.scw"));
    ExpectUntouched();
}

TEST_F(OpenProjectTest, FailedReadLeavesTheOpenProjectExactlyAsItWas) {
    // The settings and the first topic are fine; the second topic's number
    // is not, so the read fails after most of the file was taken in.
    const fs::path path = folder_ / "broken.scw";
    std::string bytes = SerializeProject(FullProject());
    const auto at = bytes.find("C=-5");
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 4, "C=-x");
    WriteBytes(path, bytes);
    EXPECT_THROW(OpenProject(open_, path), ConvertError);
    ExpectUntouched();

    WriteBytes(path, "[PROJECT]\r\n[WINDOWS]\r\n9\r\n[TOPICS]\r\n");
    EXPECT_THROW(OpenProject(open_, path), ListIndexError);
    ExpectUntouched();
}

}  // namespace
}  // namespace scrivlet
