#include <gtest/gtest.h>

#include "core/search/replace_plan.h"

namespace scrivlet {
namespace {

Project Topics(std::initializer_list<const char*> bodies) {
    Project project;
    project.Topics.Clear();
    int id = 10;
    for (const char* body : bodies) {
        TTopic topic;
        topic.TopicID = id;
        id += 10;
        topic.Title = "Print setup";
        topic.Text = {"{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}",
                      "{\\colortbl\\red0\\green0\\blue0;}", body, "\\par }"};
        project.Topics.Add(std::move(topic));
    }
    project.SetModified(false);
    return project;
}

std::vector<ProjectFindResult> Find(const Project& project, const char* pattern,
                                    bool properties = false) {
    ProjectFindOptions options;
    options.pattern = pattern;
    options.inTitles = properties;
    return FindInProject(project, options).matches;
}

TEST(ReplacePlan, AllOccurrencesWithTheQuestionToConfirm) {
    Project project = Topics({"\\pard print, \\b print\\b0  done", "\\pard none", "\\pard PRINT"});
    ReplacePlan plan = PlanReplaceAll(project, "print", "show", false);
    EXPECT_EQ(plan.occurrences, 3);
    ASSERT_EQ(plan.changes.size(), 2u);
    EXPECT_EQ(ReplaceQuestion(plan), "Replace 3 occurrences in 2 topics?");
    // Planning leaves the project alone.
    EXPECT_EQ(project.Topics[0].Text[2], "\\pard print, \\b print\\b0  done");
    EXPECT_FALSE(project.Modified());
    ApplyReplacePlan(project, plan);
    EXPECT_EQ(project.Topics[0].Text[2], "\\pard show, \\b show\\b0  done");
    EXPECT_EQ(project.Topics[1].Text[2], "\\pard none");
    EXPECT_EQ(project.Topics[2].Text[2], "\\pard show");
    EXPECT_TRUE(project.Modified());

    // Stopped before the first topic: nothing planned.
    const std::atomic<bool> stop = true;
    EXPECT_TRUE(PlanReplaceAll(project, "show", "x", true, &stop).changes.empty());

    plan = PlanReplaceAll(project, "none", "x", true);
    EXPECT_EQ(ReplaceQuestion(plan), "Replace 1 occurrence in 1 topic?");
    EXPECT_EQ(PlanReplaceAll(project, "absent", "x", true).occurrences, 0);
}

TEST(ReplacePlan, OnlyTheChosenResults) {
    Project project = Topics({"\\pard one print, two print", "\\pard print"});
    const auto found = Find(project, "print");
    ASSERT_EQ(found.size(), 3u);
    ReplacePlan plan = PlanReplaceFound(project, {found[1], found[2]}, "a{b}\\\xe9\t");
    EXPECT_EQ(plan.occurrences, 2);
    EXPECT_EQ(plan.skipped, 0);
    EXPECT_EQ(ReplaceQuestion(plan), "Replace 2 occurrences in 2 topics?");
    ApplyReplacePlan(project, plan);
    EXPECT_EQ(project.Topics[0].Text[2], "\\pard one print, two a\\{b\\}\\\\\\'e9\\tab ");
    EXPECT_EQ(project.Topics[1].Text[2], "\\pard a\\{b\\}\\\\\\'e9\\tab ");
    EXPECT_EQ(project.Topics[0].Text[3], "\\par }");
}

TEST(ReplacePlan, MatchesOverFormattingKeepTheControlWords) {
    // "x{y z": the brace follows "\b" with no blank, so text put in its place
    // or after it must not run into the word.
    Project project = Topics({"\\pard x\\b\\{y\\b0 z"});
    ReplacePlan plan = PlanReplaceFound(project, Find(project, "x{"), "Q");
    ApplyReplacePlan(project, plan);
    EXPECT_EQ(project.Topics[0].Text[2], "\\pard Q\\b y\\b0 z");

    project = Topics({"\\pard x\\b\\{y\\b0 z"});
    plan = PlanReplaceFound(project, Find(project, "{y"), "");
    ApplyReplacePlan(project, plan);
    EXPECT_EQ(project.Topics[0].Text[2], "\\pard x\\b \\b0 z");

    // A tab inside a match goes with it.
    project = Topics({"\\pard a\\tab b c"});
    plan = PlanReplaceFound(project, Find(project, "a\tb"), "X");
    ApplyReplacePlan(project, plan);
    EXPECT_EQ(project.Topics[0].Text[2], "\\pard X c");
}

TEST(ReplacePlan, StaleResultsAndPropertiesAreSkipped) {
    Project project = Topics({"\\pard print it", "\\pard print"});
    const auto found = Find(project, "print", true);
    ASSERT_EQ(found.size(), 4u);                    // two titles, two texts
    project.Topics[0].Text[2] = "\\pard paint it";  // edited since the search
    ReplacePlan plan = PlanReplaceFound(project, found, "show");
    EXPECT_EQ(plan.occurrences, 1);
    EXPECT_EQ(plan.skipped, 3);
    EXPECT_EQ(ReplaceQuestion(plan),
              "Replace 1 occurrence in 1 topic? 3 results are no longer in the text and stay as "
              "they are.");
    ApplyReplacePlan(project, plan);
    EXPECT_EQ(project.Topics[0].Text[2], "\\pard paint it");
    EXPECT_EQ(project.Topics[1].Text[2], "\\pard show");
    EXPECT_EQ(project.Topics[0].Title.str(), "Print setup");
}

}  // namespace
}  // namespace scrivlet
