// The sample manual, built by the system's own build into the files the
// compiler is run on, must compile without a single finding.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/build/build_sinks.h"
#include "core/build/help_project.h"
#include "core/build/topic_rtf.h"
#include "core/projectfile/project_file.h"
#include "core/util/file_io.h"
#include "hc/compile.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

TEST(SampleProject, BuildOutputCompilesClean) {
    const fs::path source = fs::path(SCRIVLET_TEST_DATA) / ".." / ".." / "examples" / "manual";
    const fs::path folder = fs::temp_directory_path() / "hcrtf_sample_project";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy(source, folder, fs::copy_options::recursive);

    std::optional<Project> project = ReadProjectFile(folder / "manual.scw");
    ASSERT_TRUE(project.has_value());
    LinesLog buildLog;
    NoProgress progress;
    const std::vector<std::string> rtf = BuildTopicRtf(*project, buildLog, progress);
    ASSERT_FALSE(rtf.empty());
    const std::string folderText = folder.string() + "/";
    const std::vector<std::string> hpj = BuildHelpProject(*project, "scrv7", folderText);
    WriteFileBytes(folder / "scrv7.rtf", JoinCrLf(rtf));
    WriteFileBytes(folder / "scrv7.hpj", JoinCrLf(hpj));

    const CompileResult result = CompileHelpProject(folder / "scrv7.hpj");
    std::string findings;
    for (const Finding& finding : result.log.Findings()) {
        findings += FormatFinding(finding) + "\n";
    }
    EXPECT_EQ(findings, "");
    EXPECT_EQ(result.counts.topics, static_cast<int>(project->Topics.Count()));
    EXPECT_GT(result.counts.jumps + result.counts.popups, 0);
    EXPECT_GT(result.counts.keywords, 0);
    ASSERT_FALSE(result.help.topics.empty());
    EXPECT_EQ(result.help.topics[0].title, project->Topics[0].Title.str());
    fs::remove_all(folder);
}

}  // namespace
}  // namespace scrivlet::hc
