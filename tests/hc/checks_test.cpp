#include <gtest/gtest.h>

#include "hc/build_tags.h"
#include "hc/checks.h"
#include "hc/rtf_topic_reader.h"

namespace scrivlet::hc {
namespace {

TEST(BuildTagFilter, TopicsWithoutTagsAreAlwaysBuilt) {
    BuildTagFilter filter;
    filter.Exclude("beta");
    filter.Include("alpha");
    EXPECT_EQ(filter.SetExpression("gamma"), "");
    EXPECT_TRUE(filter.Builds({}));
}

TEST(BuildTagFilter, IncludeExcludeAndCase) {
    BuildTagFilter filter;
    filter.Exclude("Beta");
    EXPECT_FALSE(filter.Builds({"beta"}));
    EXPECT_FALSE(filter.Builds({"alpha", "BETA"}));
    EXPECT_TRUE(filter.Builds({"alpha"}));
    filter.Include("alpha");
    EXPECT_TRUE(filter.Builds({"ALPHA"}));
    EXPECT_FALSE(filter.Builds({"gamma"}));
}

TEST(BuildTagFilter, Expressions) {
    BuildTagFilter filter;
    ASSERT_EQ(filter.SetExpression("(alpha | beta) & ~draft"), "");
    EXPECT_TRUE(filter.Builds({"alpha"}));
    EXPECT_TRUE(filter.Builds({"Beta"}));
    EXPECT_FALSE(filter.Builds({"alpha", "draft"}));
    EXPECT_FALSE(filter.Builds({"gamma"}));
    // "&" binds tighter than "|".
    ASSERT_EQ(filter.SetExpression("a | b & c"), "");
    EXPECT_TRUE(filter.Builds({"a"}));
    EXPECT_FALSE(filter.Builds({"b"}));
    EXPECT_TRUE(filter.Builds({"b", "c"}));
    ASSERT_EQ(filter.SetExpression("~~a"), "");
    EXPECT_TRUE(filter.Builds({"a"}));
}

TEST(BuildTagFilter, FaultyExpressionsAreRefusedAndNotApplied) {
    BuildTagFilter filter;
    ASSERT_EQ(filter.SetExpression("alpha"), "");
    EXPECT_EQ(filter.SetExpression("alpha &"), "a build tag is missing at its end");
    EXPECT_EQ(filter.SetExpression("(alpha"), "\")\" is missing");
    EXPECT_EQ(filter.SetExpression("alpha beta"), "unexpected \"b\"");
    EXPECT_EQ(filter.SetExpression("| a"), "a build tag is missing before \"|\"");
    EXPECT_EQ(filter.SetExpression(std::string(1000, '(') + "a" + std::string(1000, ')')),
              "it is nested too deeply");
    EXPECT_EQ(filter.SetExpression(std::string(100000, '~') + "a"), "it is nested too deeply");
    // The last sound expression stays in force.
    EXPECT_TRUE(filter.Builds({"alpha"}));
    EXPECT_FALSE(filter.Builds({"beta"}));
}

TEST(Checks, NonScrollingRegionIsOnlyAtTheStart) {
    HelpFile help;
    Log log;
    ReadTopicFile("{\\rtf1#{\\footnote a}\\pard\\keepn A\\par\\pard B\\par\\pard\\keepn C\\par}",
                  "k.rtf", help, log, {});
    HelpProject project;
    CheckHelpFile(project, BuildTagFilter{}, help, log);
    ASSERT_EQ(help.topics.size(), 1u);
    const auto& paragraphs = help.topics[0].paragraphs;
    ASSERT_EQ(paragraphs.size(), 3u);
    EXPECT_TRUE(paragraphs[0].format.keepNext);
    EXPECT_FALSE(paragraphs[1].format.keepNext);
    EXPECT_FALSE(paragraphs[2].format.keepNext);
    ASSERT_EQ(log.Findings().size(), 1u);  // the late keep-with-next
    EXPECT_EQ(log.Findings()[0].code, Code::KeepnNotAtStart);
}

// Context strings of letters, digits, "." and "_" hash alike in every
// viewer; others are kept but warned about.
TEST(Checks, ContextStringsOutsideTheCommonCharactersAreWarnedAbout) {
    HelpFile help;
    Log log;
    ReadTopicFile(
        "{\\rtf1#{\\footnote good_one.2}${\\footnote A}A\\page"
        "#{\\footnote my-topic}${\\footnote B}B\\page"
        "#{\\footnote caf\\'e9}${\\footnote C}C}",
        "w.rtf", help, log, {});
    HelpProject project;
    CheckHelpFile(project, BuildTagFilter{}, help, log);
    std::vector<std::string> warned;
    for (const auto& finding : log.Findings()) {
        ASSERT_EQ(finding.code, Code::ContextNotPortable) << finding.message;
        warned.push_back(finding.message);
    }
    ASSERT_EQ(warned.size(), 2u);
    EXPECT_NE(warned[0].find("\"my-topic\""), std::string::npos);
    EXPECT_NE(warned[1].find("\"caf\xE9\""), std::string::npos);
    EXPECT_EQ(log.Errors(), 0);
}

TEST(Checks, ExcludedTopicsAreMarkedAndNotCounted) {
    HelpFile help;
    Log log;
    ReadTopicFile(
        "{\\rtf1#{\\footnote a}${\\footnote A}K{\\footnote k}x\\par\\page"
        "*{\\footnote beta}#{\\footnote b}${\\footnote B}K{\\footnote k2}{\\strike y}{\\v "
        "nowhere}\\par}",
        "t.rtf", help, log, {});
    HelpProject project;
    BuildTagFilter filter;
    filter.Exclude("beta");
    const CompileCounts counts = CheckHelpFile(project, filter, help, log);
    EXPECT_TRUE(log.Findings().empty());
    ASSERT_EQ(help.topics.size(), 2u);
    EXPECT_TRUE(help.topics[0].built);
    EXPECT_FALSE(help.topics[1].built);
    EXPECT_EQ(counts.topics, 1);
    EXPECT_EQ(counts.keywords, 1);
    EXPECT_EQ(counts.jumps, 0);
}

TEST(Checks, AliasesResolveInAnyCase) {
    HelpFile help;
    Log log;
    ReadTopicFile("{\\rtf1#{\\footnote Target}${\\footnote T}{\\strike j}{\\v OLD}\\par}", "a.rtf",
                  help, log, {});
    HelpProject project;
    project.aliases.push_back({"old", "TARGET", 3});
    project.map.push_back({"Old", 5, 4, "p.hpj"});
    CheckHelpFile(project, BuildTagFilter{}, help, log);
    EXPECT_TRUE(log.Findings().empty());
}

}  // namespace
}  // namespace scrivlet::hc
