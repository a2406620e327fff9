#include <gtest/gtest.h>

#include "core/build/log_topics.h"

namespace scrivlet {
namespace {

TEST(TopicOfLogLine, FindsTheTopicALogLineIsAbout) {
    Project project;
    project.Topics.Clear();
    for (int id : {10, 20, 30}) {
        TTopic topic;
        topic.TopicID = id;
        project.Topics.Add(topic);
    }
    EXPECT_EQ(TopicOfLogLine(project, "    Topic ID 99 not found. (topic 20 \"Glossary\")"), 1u);
    EXPECT_EQ(TopicOfLogLine(project, "    Topic ID 99 not found. (topic 40 \"Gone\")"),
              std::nullopt);
    EXPECT_EQ(TopicOfLogLine(project,
                             "HC4001: Warning: scrv12.rtf, topic #3 \"Setup\": jump to undefined"),
              2u);
    // Another RTF file of the project is not in the project's order.
    EXPECT_EQ(TopicOfLogLine(project, "HC4001: Warning: extra.rtf, topic #1 \"X\": jump"),
              std::nullopt);
    EXPECT_EQ(TopicOfLogLine(project, "HC4001: Warning: scrv1.rtf, topic #4 \"X\": jump"),
              std::nullopt);
    EXPECT_EQ(TopicOfLogLine(project, "0 errors, 0 warnings."), std::nullopt);
}

}  // namespace
}  // namespace scrivlet
