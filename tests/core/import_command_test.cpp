#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/batch.h"
#include "cli/import_command.h"
#include "core/projectfile/project_file.h"
#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/hlp_writer.h"
#include "help/import/picture_bytes.h"
#include "project_file_fixtures.h"

namespace scrivlet {
namespace {

using projectfile_test::TempFolder;

std::string ImportData(const char* name) {
    return std::string(SCRIVLET_TEST_DATA) + "/import/" + name;
}

struct Outcome {
    int status = 0;
    std::string out;
    std::string err;
};

Outcome Import(std::vector<std::string> args) {
    args.insert(args.begin(), "--import");
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> status = cli::RunBatch(args, out, err);
    return {status.value_or(-1), out.str(), err.str()};
}

TEST(ImportCommand, WritesTheProjectAndPrintsTheReport) {
    TempFolder folder;
    const std::string output = (folder / "sample.scw").string();
    const Outcome done = Import({ImportData("full/project.hpj"), output});
    EXPECT_EQ(done.status, 0);
    EXPECT_EQ(done.err, "");
    EXPECT_EQ(done.out,
              "4 topics, 9 links, 2 pictures imported\n"
              "Topic \"Welcome\": the hotspot target \"!JI(`other.hlp>main',`x')\" (kept as "
              "hidden text, not as a link code)\n");

    const std::optional<Project> project = ReadProjectFile(output);
    ASSERT_TRUE(project);
    ASSERT_EQ(project->Topics.Count(), 4u);
    EXPECT_EQ(project->Topics[0].TopicID, 100);
    EXPECT_EQ(project->Topics[0].ContextString, "welcome");
    EXPECT_EQ(project->Topics[0].Keywords, "welcome;start");
    EXPECT_EQ(project->Topics[1].TopicID, 200);  // through the alias
    EXPECT_EQ(project->Topics[1].BuildTag, "WEB");
    EXPECT_EQ(project->Topics[2].TopicID, 300);
    EXPECT_EQ(project->Topics[3].TopicID, 310);  // the numbering rule after the last
    EXPECT_EQ(project->HelpTitle, "Import Sample");
    EXPECT_EQ(project->HelpFileName, ".\\sample.hlp");
    EXPECT_EQ(project->DefaultTopic, "welcome");
    EXPECT_TRUE(project->Compress);
    const std::string source = (std::filesystem::path(ImportData("full")))
                                   .lexically_normal()
                                   .lexically_relative(folder.path())
                                   .generic_string();
    std::string stored = source;
    for (char& c : stored) {
        c = c == '/' ? '\\' : c;
    }
    EXPECT_EQ(project->ContentsFileName.str(), stored + "\\project.cnt");
    EXPECT_EQ(project->BitmapRoots, std::vector<std::string>{stored});
    EXPECT_EQ(project->WindowDefs,
              (std::vector<std::string>{
                  "main=\"Sample Help\",(100,50,600,700),0,(r16777215),(r12632256),0",
                  "note=\"Note\",,4,,,1"}));
    EXPECT_EQ(project->ConfigMacros, std::vector<std::string>{"BrowseButtons()"});
    EXPECT_EQ(project->Topics[3].Text,
              (std::vector<std::string>{
                  "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}}",
                  "{\\colortbl\\red0\\green0\\blue0;}",
                  "\\deflang1033\\pard\\plain\\f0\\fs20 A pop-up term.", "\\par }"}));
}

// A help file's pictures become bitmap files in a folder beside the project,
// which the project names as a bitmap folder.
TEST(ImportCommand, WritesTheHelpFilePicturesBesideTheProject) {
    TempFolder folder;
    std::filesystem::copy(ImportData("full"), folder / "sources");
    help::Picture picture;
    picture.width = 1;
    picture.height = 1;
    picture.pixels = {0xFF102030};
    std::filesystem::remove(folder / "sources" / "local.bmp");
    WriteFileBytes(folder / "sources" / "local.bmp", help::PictureFileBytes(picture));
    const hc::CompileResult compiled = hc::CompileHelpProject(folder / "sources" / "project.hpj");
    WriteFileBytes(folder / "sample.hlp", hc::hlp::BuildHelpFileBytes(compiled, 0));

    const Outcome done = Import({(folder / "sample.hlp").string(), (folder / "out.scw").string()});
    EXPECT_EQ(done.status, 0) << done.err;
    // The file keeps the button as a macro hotspot: one link more than from
    // the sources.
    EXPECT_EQ(done.out.substr(0, done.out.find('\n')), "4 topics, 10 links, 2 pictures imported");
    const std::optional<Project> project = ReadProjectFile(folder / "out.scw");
    ASSERT_TRUE(project);
    EXPECT_EQ(project->BitmapRoots, std::vector<std::string>{"out_pictures"});
    int bitmaps = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "out_pictures")) {
        EXPECT_EQ(ReadFileBytes(entry.path()), help::PictureFileBytes(picture));
        ++bitmaps;
    }
    EXPECT_GE(bitmaps, 1);
}

TEST(ImportCommand, KeepsAnExistingProjectUnlessForced) {
    TempFolder folder;
    const std::string output = (folder / "sample.scw").string();
    WriteFileBytes(output, "keep me");
    const Outcome refused = Import({ImportData("full/project.hpj"), output});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err,
              "scrivlet: " + output + " already exists; add --force to write over it\n");
    EXPECT_EQ(ReadFileBytes(output), "keep me");

    const Outcome forced = Import({ImportData("full/project.hpj"), output, "--force"});
    EXPECT_EQ(forced.status, 0);
    EXPECT_TRUE(ReadProjectFile(output));
}

TEST(ImportCommand, BadInputGivesOneMessageAndWritesNothing) {
    struct Case {
        const char* source;
        std::string message;
    };
    const Case cases[] = {
        {"broken/missing_file.hpj",
         "HC1013: Fatal Error: missing_file.hpj, line 6: The topic file \"absent.rtf\" was not "
         "found."},
        {"broken/not_rtf.hpj",
         "HC2001: Fatal Error: notrtf.rtf, line 1: The file is not an RTF file: it "
         "does not begin with \"{\\rtf\"."},
        {"broken/damaged.hlp", "This is not a Windows help file: it does not begin as one does."},
        {"broken/absent.hpj", "the file does not exist or cannot be read."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        TempFolder folder;
        const std::string output = (folder / "out.scw").string();
        const Outcome failed = Import({ImportData(c.source), output, "--force"});
        EXPECT_EQ(failed.status, 1);
        EXPECT_EQ(failed.out, "");
        const std::string lead = "scrivlet: cannot import " + ImportData(c.source) + ": ";
        EXPECT_EQ(failed.err, lead + c.message + "\n");
        EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    }
}

TEST(ImportCommand, NeedsASourceAndAnOutput) {
    const Outcome usage = Import({"only.hpj"});
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.err.rfind("Usage: scrivlet", 0), 0u);
}

TEST(ImportCommand, ProgressSeesEachStepAndAStopBeforeWritingLeavesNothing) {
    TempFolder folder;
    const std::string output = (folder / "stopped.scw").string();
    for (int stopAt = 0; stopAt < 3; ++stopAt) {
        std::vector<std::pair<int, int>> seen;
        const auto lines = cli::ImportHelpSources(ImportData("full/project.hpj"), output,
                                                  [&](int done, int total) {
                                                      seen.emplace_back(done, total);
                                                      return done < stopAt;
                                                  });
        EXPECT_TRUE(lines.empty());
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(stopAt + 1));
        EXPECT_EQ(seen.back(), std::make_pair(stopAt, 3));
        EXPECT_FALSE(std::filesystem::exists(output));
    }
    EXPECT_FALSE(cli::ImportHelpSources(ImportData("full/project.hpj"), output, [](int, int) {
                     return true;
                 }).empty());
    EXPECT_TRUE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace scrivlet
