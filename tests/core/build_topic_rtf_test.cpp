#include <gtest/gtest.h>

#include "build_test_support.h"
#include "core/build/topic_rtf.h"
#include "core/util/errors.h"

namespace scrivlet {
namespace {

using testing::RecordingProgress;

TTopic MakeTopic(int32_t id, std::vector<std::string> text) {
    TTopic topic;
    topic.TopicID = id;
    topic.ContextString = DefaultContextString(id);
    topic.Title = "T" + std::to_string(id);
    topic.Keywords = "k";
    topic.Text = std::move(text);
    return topic;
}

std::vector<std::string> SimpleText(const std::string& body) {
    return {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}", "{\\colortbl\\red0\\green0\\blue0;}",
            "\\deflang1033\\pard " + body, "\\par }"};
}

TEST(BuildTopicRtf, ReportsCreatingPercentagesPerTopic) {
    Project project;
    project.Topics.Clear();
    for (int id = 1; id <= 4; ++id) {
        project.Topics.Add(MakeTopic(id, SimpleText("x")));
    }
    RecordingProgress progress;
    LinesLog log;
    const auto lines = BuildTopicRtf(project, log, progress);
    ASSERT_GE(progress.events.size(), 3u);
    EXPECT_EQ(progress.events[0], "CREATING OUTPUT FILE 50%");
    EXPECT_EQ(progress.events[1], "CREATING OUTPUT FILE 75%");
    EXPECT_EQ(progress.events[2], "CREATING OUTPUT FILE 100%");
    // Translation counts lines: the last one shows 100, and no text repeats.
    EXPECT_EQ(progress.events.back(), "TRANSLATING COMMANDS 100%");
    EXPECT_EQ(progress.events[3],
              "TRANSLATING COMMANDS " + std::to_string(100 / lines.size()) + "%");
    for (std::size_t i = 1; i < progress.events.size(); ++i) {
        EXPECT_NE(progress.events[i], progress.events[i - 1]);
    }
    EXPECT_TRUE(log.lines.empty());
}

TEST(BuildTopicRtf, PercentStatusTakesTheIntegerPart) {
    EXPECT_EQ(PercentStatus("CREATING OUTPUT FILE", 2, 3), "CREATING OUTPUT FILE 66%");
    EXPECT_EQ(PercentStatus("TRANSLATING COMMANDS", 1, 7), "TRANSLATING COMMANDS 14%");
}

TEST(BuildTopicRtf, LogsMissingTablesPerTopicInOrder) {
    Project project;
    project.Topics.Clear();
    project.Topics.Add(
        MakeTopic(1, {"{\\rtf1\\ansi", "{\\nothing}", "\\deflang1033\\pard a", "\\par }"}));
    TTopic second = MakeTopic(2, {"{\\rtf1", "x", "\\deflang\\pard b", "\\par }"});
    second.Keywords = "";
    second.Title = "Caf\xe9";
    project.Topics.Add(second);
    project.Topics.Add(MakeTopic(3, {}));
    LinesLog log;
    NoProgress progress;
    const auto lines = BuildTopicRtf(project, log, progress);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"    Error - font table not found; topic #1",
                                                   "    Error - color table not found; topic #1",
                                                   "   - Topic \"Caf\xe9\" has no keywords.",
                                                   "    Error - font table not found; topic #2",
                                                   "    Error - color table not found; topic #2",
                                                   "    Error - font table not found; topic #3",
                                                   "    Error - color table not found; topic #3"}));
    // The document still starts as RTF.
    EXPECT_EQ(lines[0], "{\\rtf1\\ansi\\deff0{\\fonttbl}");
    EXPECT_EQ(lines[1], "{\\colortbl}");
    // A topic without text gives its page and footnotes; the last footnote
    // loses its closing character like any topic's last line.
    EXPECT_EQ(lines[lines.size() - 4], "\\page");
    EXPECT_EQ(lines.back(), "K{\\footnote  k}}");
}

TEST(BuildTopicRtf, FirstTopicOfOneLineKeepsItsFootnotes) {
    Project project;
    project.Topics.Clear();
    project.Topics.Add(MakeTopic(5, {"{\\rtf1{\\fonttbl{\\f0\\fnil A;}}}"}));
    LinesLog log;
    NoProgress progress;
    const auto lines = BuildTopicRtf(project, log, progress);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "{\\rtf1{\\fonttbl{\\f0\\fnil A;}}");
    EXPECT_EQ(lines[1], "{\\colortbl}");
    EXPECT_EQ(lines[2], "#{\\footnote scrv5} ");
    EXPECT_EQ(lines[4], "K{\\footnote  k}}");
}

TEST(BuildTopicRtf, NothingWithoutFirstTopicText) {
    Project project;
    LinesLog log;
    NoProgress progress;
    EXPECT_TRUE(BuildTopicRtf(project, log, progress).empty());
    project.Topics.Clear();
    EXPECT_TRUE(BuildTopicRtf(project, log, progress).empty());
}

TEST(BuildTopicRtf, BadFontNumberEndsTheBuild) {
    Project project;
    project.Topics.Clear();
    project.Topics.Add(MakeTopic(1, SimpleText("a")));
    project.Topics.Add(MakeTopic(
        2, {"{\\rtf1{\\fonttbl{\\fx\\fnil A;}}", "{\\colortbl;}", "\\deflang\\pard b", "\\par }"}));
    LinesLog log;
    NoProgress progress;
    EXPECT_THROW(BuildTopicRtf(project, log, progress), ConvertError);
}

TEST(BuildTopicRtf, ElevenColoursKeepTheirOwnReferences) {
    // Renumbering colour 1 must not touch colours 10 and up.
    Project project;
    project.Topics.Clear();
    project.Topics.Add(MakeTopic(1, SimpleText("a")));
    std::string table = "{\\colortbl";
    for (int i = 1; i <= 11; ++i) {
        table += "\\red" + std::to_string(i) + "\\green0\\blue0;";
    }
    project.Topics.Add(MakeTopic(2, {"{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}", table + "}",
                                     "\\deflang\\pard \\cf1 a\\cf10 b\\cf0 d", "\\par }"}));
    LinesLog log;
    NoProgress progress;
    const auto lines = BuildTopicRtf(project, log, progress);
    // Colour i of topic 2 is output colour i + 1 (black is colour 0).
    EXPECT_NE(std::find(lines.begin(), lines.end(), "\\deflang\\pard \\cf2 a\\cf11 b\\cf1 d"),
              lines.end());
}

TEST(BuildTopicRtf, EachLaterTopicGetsItsOwnLinesAndNumbers) {
    // A long topic with references to move, then a short one with none: the
    // second must show nothing of the first.
    Project project;
    project.Topics.Clear();
    project.Topics.Add(MakeTopic(1, SimpleText("a")));
    const std::string xs(300, 'x');
    const std::string ys(200, 'y');
    project.Topics.Add(MakeTopic(
        2, {"{\\rtf1{\\fonttbl{\\f0\\froman Times;}{\\f1\\fswiss Arial;}}",
            "{\\colortbl\\red255\\green0\\blue0;\\red0\\green0\\blue0;}",
            "\\deflang\\pard\\f0\\" + xs + "\\cf0 r", "\\par\\f1\\cf1 long " + ys, "\\par }"}));
    project.Topics.Add(MakeTopic(
        3, {"{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}", "{\\colortbl\\red0\\green0\\blue0;}",
            "\\deflang\\pard\\f0 s\\cf0 t", "\\par }"}));
    LinesLog log;
    NoProgress progress;
    const auto lines = BuildTopicRtf(project, log, progress);
    ASSERT_GE(lines.size(), 13u);
    const std::vector<std::string> tail(lines.end() - 13, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        "\\page", "#{\\footnote scrv2} ", "${\\footnote T2} ", "K{\\footnote  k} ",
                        "\\deflang\\pard\\f1\\" + xs + "\\cf1 r", "\\par\\f0\\cf0 long " + ys,
                        "\\par ", "\\page", "#{\\footnote scrv3} ", "${\\footnote T3} ",
                        "K{\\footnote  k} ", "\\deflang\\pard\\f0 s\\cf0 t", "\\par }"}));
    EXPECT_EQ(lines[0], "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times;}}");
}

}  // namespace
}  // namespace scrivlet
