#include <gtest/gtest.h>

#include "core/helpview/help_target.h"
#include "core/model/project.h"

namespace scrivlet {
namespace {

TTopic Topic(int32_t id, const char* context) {
    TTopic topic = CreateTopic();
    topic.TopicID = id;
    topic.ContextString = context;
    return topic;
}

TEST(ContextStringOfNumber, FirstTopicWithTheNumberWins) {
    TTopicList topics;
    topics.Add(Topic(10, "intro"));
    topics.Add(Topic(20, "second"));
    topics.Add(Topic(20, "shadowed"));
    EXPECT_EQ(ContextStringOfNumber(topics, 20), "second");
    EXPECT_EQ(ContextStringOfNumber(topics, 10), "intro");
    EXPECT_FALSE(ContextStringOfNumber(topics, 30).has_value());
}

TEST(ContextStringOfNumber, EmptyContextGetsTheBuildDefault) {
    TTopicList topics;
    topics.Add(Topic(-5, ""));
    EXPECT_EQ(ContextStringOfNumber(topics, -5), "scrv-5");
}

TEST(WineHelpCommand, WindowsPathAndContext) {
    EXPECT_EQ(WinePathOf("/home/a b/manual.hlp"), "Z:\\home\\a b\\manual.hlp");
    EXPECT_EQ(WineHelpCommand("/p/m.hlp", std::string("scrv10")),
              (std::vector<std::string>{"wine", "winhlp32", "-i", "scrv10", "Z:\\p\\m.hlp"}));
    EXPECT_EQ(WineHelpCommand("/p/m.hlp", std::nullopt),
              (std::vector<std::string>{"wine", "winhlp32", "Z:\\p\\m.hlp"}));
}

}  // namespace
}  // namespace scrivlet
