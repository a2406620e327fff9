#pragma once
// The build output of a generated project (10,000 topics unless told), shared
// by the help compiler's benchmarks.
#include <filesystem>
#include <string>
#include <vector>

#include "core/build/build_files.h"
#include "core/build/build_sinks.h"
#include "core/build/help_project.h"
#include "core/build/topic_rtf.h"
#include "core/model/project.h"
#include "core/util/file_io.h"

namespace scrivlet::bench {

namespace fs = std::filesystem;

constexpr int kTopics = 10000;

// A topic as the editor saves it: a bold heading kept as a non-scrolling
// region, three paragraphs of text with two jumps and a pop-up to other
// topics, and a bullet.
inline TTopic MakeTopic(int id, int count = kTopics) {
    TTopic topic;
    topic.TopicID = id;
    topic.Title = "Topic number " + std::to_string(id);
    topic.Keywords = "topic " + std::to_string(id) + ";group " + std::to_string(id % 100);
    topic.BrowseSeq = "main:" + std::to_string(id);
    const std::string next = std::to_string(id % count + 1);
    const std::string back = std::to_string((id + count - 2) % count + 1);
    const std::string far = std::to_string((id * 7) % count + 1);
    topic.Text = {
        "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New "
        "Roman;}}",
        "{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;\\red255\\green0\\blue0;}",
        "\\deflang1033\\pard\\plain\\f0\\fs28\\b " + topic.Title.str() +
            "\\plain\\f0\\fs16\\cf2 [keepn]",
        "\\par \\pard\\plain\\f0\\fs22 This topic explains one part of the product in enough "
        "words to look like real help text. Go on to the \\plain\\f0\\fs22\\strike\\cf1 next "
        "topic\\plain\\f0\\fs22\\cf2 [href=" +
            next +
            "]\\plain\\f0\\fs22  or back to the \\plain\\f0\\fs22\\strike\\cf1 previous "
            "one\\plain\\f0\\fs22\\cf2 [href=" +
            back + "]\\plain\\f0\\fs22 .",
        "\\par \\pard\\fi-360\\li360\\plain\\f0\\fs22 \\'95\\tab A \\plain\\f0\\fs22\\ul\\cf1 "
        "term\\plain\\f0\\fs22\\cf2 [href=" +
            far + "]\\plain\\f0\\fs22  that is explained elsewhere, in a caf\\'e9.",
        "\\par \\pard\\plain\\f1\\fs20\\i A closing remark in another font.",
        "\\par }",
    };
    return topic;
}

// Builds the project of COUNT topics and writes scrv1.rtf and scrv1.hpj into
// a fresh temporary folder named FOLDER_NAME; returns the folder.
inline fs::path WriteBuildOutput(const char* folderName, int count = kTopics) {
    const fs::path folder = fs::temp_directory_path() / folderName;
    fs::remove_all(folder);
    fs::create_directories(folder);
    Project project;
    project.ProjectFileName = (folder / "big.scw").string();
    for (int id = 1; id <= count; ++id) {
        project.Topics.Add(MakeTopic(id, count));
    }
    project.DefaultTopic = "scrv1";
    project.WindowDefs = {"main=\"Big\",,0,(r16777215),(r16777215),0"};
    LinesLog log;
    NoProgress progress;
    const std::vector<std::string> rtf = BuildTopicRtf(project, log, progress);
    const std::vector<std::string> hpj = BuildHelpProject(project, "scrv1", folder.string() + "/");
    WriteFileBytes(folder / "scrv1.rtf", JoinCrLf(rtf));
    WriteFileBytes(folder / "scrv1.hpj", JoinCrLf(hpj));
    return folder;
}

}  // namespace scrivlet::bench
