#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/report/topic_report.h"
#include "core/util/errors.h"
#include "core/util/file_io.h"

namespace scrivlet {
namespace {

TTopicList TwoTopics() {
    TTopicList topics;
    TTopic first;
    first.TopicID = 10;
    first.Title = "Welcome";
    first.ContextString = "scrv10";
    first.Keywords = "start;hello";
    first.Window = "main";
    topics.Add(first);
    TTopic second;
    second.TopicID = 20;
    second.Title = "Installing";
    second.ContextString = "scrv20";
    second.BrowseSeq = "auto";
    second.EntryMacro = "CloseWindow(`pop')";
    topics.Add(second);
    return topics;
}

ReportOptions Defaults(ReportFormat format) {
    return {{ReportField::Title, ReportField::ID, ReportField::ContextString}, format, true};
}

TEST(TopicReport, HtmlWithTheDefaultChoices) {
    EXPECT_EQ(BuildReport(TwoTopics(), Defaults(ReportFormat::HtmlTable)),
              "<TABLE border=\"1\"><TR>\r\n<TH>Title</TH><TH>ID</TH><TH>Context String</TH>\r\n"
              "</TR><TR>\r\n<TD>Welcome</TD><TD>10</TD><TD>scrv10</TD>\r\n</TR><TR>\r\n"
              "<TD>Installing</TD><TD>20</TD><TD>scrv20</TD>\r\n</TR></TABLE>");
}

TEST(TopicReport, TabTextWithTheDefaultChoices) {
    EXPECT_EQ(BuildReport(TwoTopics(), Defaults(ReportFormat::TabDelimited)),
              "Title\tID\tContext String\t\r\nWelcome\t10\tscrv10\t\r\n"
              "Installing\t20\tscrv20\t\r\n");
}

TEST(TopicReport, NoColumnTicked) {
    ReportOptions html{{}, ReportFormat::HtmlTable, true};
    EXPECT_EQ(BuildReport(TwoTopics(), html),
              "<TABLE border=\"1\"><TR>\r\n\r\n</TR><TR>\r\n\r\n</TR><TR>\r\n\r\n</TR></TABLE>");
    ReportOptions text{{}, ReportFormat::TabDelimited, true};
    EXPECT_EQ(BuildReport(TwoTopics(), text), "\r\n\r\n\r\n");
    text.ColumnLabels = false;
    EXPECT_EQ(BuildReport(TwoTopics(), text), "\r\n\r\n");
}

TEST(TopicReport, IdFirst) {
    ReportOptions options{{ReportField::ID, ReportField::Title}, ReportFormat::TabDelimited, false};
    EXPECT_EQ(BuildReport(TwoTopics(), options), "10\tWelcome\t\r\n20\tInstalling\t\r\n");
    options.Format = ReportFormat::HtmlTable;
    EXPECT_EQ(BuildReport(TwoTopics(), options),
              "<TABLE border=\"1\"><TR>\r\n<TD>10</TD><TD>Welcome</TD>\r\n</TR><TR>\r\n"
              "<TD>20</TD><TD>Installing</TD>\r\n</TR></TABLE>");
}

TEST(TopicReport, NoTopics) {
    const TTopicList none;
    ReportOptions options = Defaults(ReportFormat::TabDelimited);
    EXPECT_EQ(BuildReport(none, options), "Title\tID\tContext String\t\r\n");
    options.Format = ReportFormat::HtmlTable;
    EXPECT_EQ(BuildReport(none, options),
              "<TABLE border=\"1\"><TR>\r\n<TH>Title</TH><TH>ID</TH><TH>Context String</TH>\r\n"
              "</TR></TABLE>");
    options.ColumnLabels = false;
    EXPECT_EQ(BuildReport(none, options), "<TABLE border=\"1\"></TABLE>");
    options.Format = ReportFormat::TabDelimited;
    EXPECT_EQ(BuildReport(none, options), "");
}

TEST(TopicReport, EveryFieldInItsColumn) {
    ReportOptions options{{}, ReportFormat::TabDelimited, true};
    for (ReportField field : AllReportFields()) {
        options.Columns.push_back(field);
    }
    EXPECT_EQ(BuildReport(TwoTopics(), options),
              "Title\tID\tContext String\tKeywords\tAKeywords\tComment\tBuild Tag\tWindow\t"
              "Browse Sequence\tEntry Macro\t\r\n"
              "Welcome\t10\tscrv10\tstart;hello\t\tEditing\t\tmain\t\t\t\r\n"
              "Installing\t20\tscrv20\t\t\tEditing\t\t\tauto\tCloseWindow(`pop')\t\r\n");
}

TEST(TopicReport, HtmlEscapesCellValuesTextDoesNot) {
    TTopicList topics;
    TTopic topic;
    topic.TopicID = -5;
    topic.Title = "a<b & c>d\t\"q\"";
    topics.Add(topic);
    ReportOptions options{{ReportField::Title, ReportField::ID}, ReportFormat::HtmlTable, false};
    EXPECT_EQ(BuildReport(topics, options),
              "<TABLE border=\"1\"><TR>\r\n<TD>a&lt;b &amp; c&gt;d\t\"q\"</TD><TD>-5</TD>\r\n"
              "</TR></TABLE>");
    options.Format = ReportFormat::TabDelimited;
    EXPECT_EQ(BuildReport(topics, options), "a<b & c>d\t\"q\"\t-5\t\r\n");
}

TEST(TopicReport, HighBytesPassUnchanged) {
    TTopicList topics;
    TTopic topic;
    topic.Title = "Caf\xe9";
    topics.Add(topic);
    ReportOptions options{{ReportField::Title}, ReportFormat::TabDelimited, false};
    EXPECT_EQ(BuildReport(topics, options), "Caf\xe9\t\r\n");
}

TEST(WriteTextFile, WritesExactBytesAndReplaces) {
    const auto path =
        (std::filesystem::temp_directory_path() / "scrivlet_report_write_test.htm").string();
    WriteTextFile("old and longer content", path);
    WriteTextFile(std::string("a\r\nb\0c", 6), path);
    EXPECT_EQ(ReadFileBytes(path), std::string("a\r\nb\0c", 6));
    std::filesystem::remove(path);
    EXPECT_THROW(WriteTextFile("x", "/nonexistent_scrivlet_folder/r.txt"), FileError);
}

}  // namespace
}  // namespace scrivlet
