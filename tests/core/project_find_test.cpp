#include <gtest/gtest.h>

#include "core/search/project_find.h"
#include "core/util/errors.h"

namespace scrivlet {
namespace {

TEST(ParagraphText, OnlyTheAuthorsText) {
    EXPECT_EQ(ParagraphText("\\par \\pard\\plain\\f0\\fs22 Caf\\'e9 \\{x\\} a\\\\b\\tab c"),
              "Caf\xe9 {x} a\\b\tc");
    EXPECT_EQ(ParagraphText("\\deflang1033\\pard{\\*\\bkmkstart hidden}shown{\\v also}"),
              "shownalso");
    EXPECT_EQ(ParagraphText("\\par }"), "");
}

Project TwoTopics() {
    Project project;
    project.Topics.Clear();
    for (int id : {10, 20}) {
        TTopic topic;
        topic.TopicID = id;
        topic.Title = id == 10 ? "Printing" : "Setup";
        topic.Keywords = "print;paper";
        topic.Text = {"{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}",
                      "{\\colortbl\\red0\\green0\\blue0;}",
                      "\\deflang1033\\pard\\plain\\f0\\fs22 Print the page, reprint it.",
                      "\\par \\pard\\plain\\f0\\fs22\\b PRINT\\plain  again [href=20]"};
        project.Topics.Add(std::move(topic));
    }
    return project;
}

TEST(FindInProject, TextByParagraphWithExcerpt) {
    ProjectFindOptions options;
    options.pattern = "print";
    const auto results = FindInProject(TwoTopics(), options).matches;
    ASSERT_EQ(results.size(), 6u);  // "Print", "reprint", "PRINT" in each topic
    EXPECT_EQ(results[0].paragraph, 0u);
    EXPECT_EQ(results[0].offset, 0u);
    EXPECT_EQ(results[1].offset, 18u);
    EXPECT_EQ(results[2].paragraph, 1u);
    EXPECT_EQ(results[2].excerpt, "PRINT again [href=20]");
    EXPECT_EQ(results[3].topic, 1u);
    // Control words are never matched.
    options.pattern = "plain";
    EXPECT_TRUE(FindInProject(TwoTopics(), options).matches.empty());
}

TEST(FindInProject, SlicesOfTopicsAddUpToTheWholeSearch) {
    ProjectFindOptions options;
    options.pattern = "print";
    options.endTopic = 1;
    const auto first = FindInProject(TwoTopics(), options).matches;
    options.firstTopic = 1;
    options.endTopic = 99;  // past the end: the last topic ends the slice
    const auto second = FindInProject(TwoTopics(), options).matches;
    ASSERT_EQ(first.size(), 3u);
    ASSERT_EQ(second.size(), 3u);
    EXPECT_EQ(first[2].topic, 0u);
    EXPECT_EQ(second[0].topic, 1u);
    options.firstTopic = 5;
    EXPECT_TRUE(FindInProject(TwoTopics(), options).matches.empty());
}

TEST(FindInProject, CaseWholeWordsRegularExpressionsAndProperties) {
    ProjectFindOptions options;
    options.pattern = "print";
    options.matchCase = true;
    options.wholeWord = true;
    EXPECT_TRUE(FindInProject(TwoTopics(), options).matches.empty());
    options.matchCase = false;
    EXPECT_EQ(FindInProject(TwoTopics(), options).matches.size(), 4u);

    options = {};
    options.pattern = "(re)?print";
    options.regularExpression = true;
    options.inText = false;
    options.inTitles = true;
    options.inKeywords = true;
    const auto results = FindInProject(TwoTopics(), options).matches;
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0].field, FindField::Title);
    EXPECT_EQ(results[1].field, FindField::Keywords);
    EXPECT_EQ(results[2].topic, 1u);

    options.limit = 2;
    const auto limited = FindInProject(TwoTopics(), options);
    EXPECT_EQ(limited.matches.size(), 2u);
    EXPECT_TRUE(limited.truncated);
    EXPECT_FALSE(FindInProject(TwoTopics(), {}).truncated);

    options.pattern = "(unclosed";
    EXPECT_THROW(FindInProject(TwoTopics(), options), ConvertError);
    options.pattern = "";
    EXPECT_TRUE(FindInProject(TwoTopics(), options).matches.empty());
}

}  // namespace
}  // namespace scrivlet
