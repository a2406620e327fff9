#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/project.h"
#include "core/topics/foot_fields.h"
#include "core/topics/navigation.h"
#include "core/topics/property_rows.h"
#include "core/util/errors.h"
#include "core/windows/project_options.h"

namespace scrivlet {
namespace {

TEST(PropertyRows, CaptionsAndValues) {
    EXPECT_STREQ(kPropertyCaptions[0], "Property");
    EXPECT_STREQ(kPropertyCaptions[3], "Context String");
    EXPECT_STREQ(kPropertyCaptions[7], "Browse Seq.");
    EXPECT_STREQ(kPropertyCaptions[9], "Entry Macro");
    TTopic t = CreateTopic();
    t.TopicID = -12;
    t.ContextString = "ctx";
    const PropertyValues v = PropertyValuesOf(t);
    EXPECT_EQ(v[0], "-12");
    EXPECT_EQ(v[1], "[new topic]");
    EXPECT_EQ(v[2], "ctx");
    EXPECT_EQ(v[9], "Editing");
}

TEST(PropertyRows, StoreWritesEveryFieldInOrderAndCuts) {
    TTopic t = CreateTopic();
    PropertyValues v = {"42", std::string(300, 't'), "c", "k", "a", "b", "s", "w", "m", "x"};
    StorePropertyValues(t, v);
    EXPECT_EQ(t.TopicID, 42);
    EXPECT_EQ(t.Title.size(), 255u);
    EXPECT_EQ(t.ContextString, "c");
    EXPECT_EQ(t.Keywords, "k");
    EXPECT_EQ(t.AKeywords, "a");
    EXPECT_EQ(t.BuildTag, "b");
    EXPECT_EQ(t.BrowseSeq, "s");
    EXPECT_EQ(t.Window, "w");
    EXPECT_EQ(t.EntryMacro, "m");
    EXPECT_EQ(t.Comment, "x");
}

TEST(PropertyRows, EmptyIdKeepsNumberBadIdWritesNothing) {
    TTopic t = CreateTopic();
    t.TopicID = 7;
    StorePropertyValues(t, {"", "T", "", "", "", "", "", "", "", ""});
    EXPECT_EQ(t.TopicID, 7);
    EXPECT_EQ(t.Title, "T");
    try {
        StorePropertyValues(t, {"7a", "New", "", "", "", "", "", "", "", ""});
        FAIL() << "no exception";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'7a' is not a valid integer value.");
    }
    EXPECT_EQ(t.Title, "T");
    EXPECT_EQ(t.TopicID, 7);
}

TEST(PropertyRows, RowsShownInTopicGrid) {
    std::vector<int> shown;
    for (int row = 1; row <= 10; ++row) {
        if (PropertyRowShownInTopicGrid(row)) {
            shown.push_back(row);
        }
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 4, 10}));
}

TEST(FootFields, StoreOrderTitleBeforeId) {
    TTopic t = CreateTopic();
    FootValues v = FootValuesOf(t);
    v[FootField::Title] = "Changed";
    v[FootField::ContextId] = "";
    v[FootField::Keywords] = "kw";
    EXPECT_THROW(StoreFootValues(t, v), ConvertError);
    EXPECT_EQ(t.Title, "Changed");  // stored before the number failed
    EXPECT_EQ(t.Keywords, "");      // after it: untouched
    v[FootField::ContextId] = "99";
    v[FootField::Comment] = "Done";
    StoreFootValues(t, v);
    EXPECT_EQ(t.TopicID, 99);
    EXPECT_EQ(t.Keywords, "kw");
    EXPECT_EQ(t.Comment, "Done");
}

TEST(FootFields, ContextIdKeyFilter) {
    for (int code = 0; code <= 255; ++code) {
        const bool expected = code <= 31 || (code >= 48 && code <= 57) || code >= 127;
        EXPECT_EQ(FootKeyPasses(FootField::ContextId, code, 0), expected) << code;
    }
}

TEST(FootFields, LengthFilters) {
    EXPECT_TRUE(FootKeyPasses(FootField::Title, 'a', 120));
    EXPECT_FALSE(FootKeyPasses(FootField::Title, 'a', 121));
    EXPECT_TRUE(FootKeyPasses(FootField::Title, 8, 500));  // backspace always passes
    EXPECT_TRUE(FootKeyPasses(FootField::BrowseSeq, 'a', 49));
    EXPECT_FALSE(FootKeyPasses(FootField::BrowseSeq, 'a', 50));
    EXPECT_FALSE(FootKeyPasses(FootField::Comment, 'a', 50));
    EXPECT_TRUE(FootKeyPasses(FootField::Keywords, 'a', 254));
    EXPECT_FALSE(FootKeyPasses(FootField::Keywords, 'a', 255));
    EXPECT_FALSE(FootKeyPasses(FootField::AKeywords, 'a', 255));
    EXPECT_FALSE(FootKeyPasses(FootField::EntryMacro, 'a', 255));
    EXPECT_TRUE(FootKeyPasses(FootField::AKeywords, 'a', 10));
    // Fields without a rule take anything.
    EXPECT_TRUE(FootKeyPasses(FootField::ContextString, 'a', 1000));
    EXPECT_TRUE(FootKeyPasses(FootField::Window, 'a', 1000));
    EXPECT_TRUE(FootKeyPasses(FootField::BuildTag, 'a', 1000));
}

TEST(FootFields, OkRule) {
    EXPECT_FALSE(FootOkEnabled(""));
    EXPECT_TRUE(FootOkEnabled(" "));
    EXPECT_TRUE(FootOkEnabled("scrv10"));
}

TEST(FootFields, BuildTagChoicesOncePerTagWithoutRegardToCase) {
    TTopicList list;
    for (const char* tag : {"", "Beta", "alpha", "BETA", "", "Alpha", "gamma"}) {
        TTopic t = CreateTopic();
        t.BuildTag = tag;
        list.Add(t);
    }
    EXPECT_EQ(BuildTagChoices(list), (std::vector<std::string>{"Beta", "alpha", "gamma"}));
}

TEST(FootFields, WindowChoices) {
    EXPECT_EQ(WindowChoices({"main=\"Title\",(1,2)", "noequals", "=x", "a=b=c"}),
              (std::vector<std::string>{"main", "", "", "a"}));
    EXPECT_TRUE(WindowChoices({}).empty());
}

TEST(Navigation, Steps) {
    EXPECT_EQ(NavigationTarget(NavigationStep::First, 2, 5), 0);
    EXPECT_EQ(NavigationTarget(NavigationStep::First, 0, 5), std::nullopt);
    EXPECT_EQ(NavigationTarget(NavigationStep::Previous, 2, 5), 1);
    EXPECT_EQ(NavigationTarget(NavigationStep::Previous, 0, 5), std::nullopt);
    EXPECT_EQ(NavigationTarget(NavigationStep::Next, 2, 5), 3);
    EXPECT_EQ(NavigationTarget(NavigationStep::Next, 4, 5), std::nullopt);
    EXPECT_EQ(NavigationTarget(NavigationStep::Last, 2, 5), 4);
    EXPECT_EQ(NavigationTarget(NavigationStep::Last, 4, 5), std::nullopt);
    EXPECT_EQ(NavigationTarget(NavigationStep::Next, 0, 0), std::nullopt);
    // No current topic: the ends are reachable, the neighbours are not.
    EXPECT_EQ(NavigationTarget(NavigationStep::First, -1, 3), 0);
    EXPECT_EQ(NavigationTarget(NavigationStep::Last, -1, 3), 2);
    EXPECT_EQ(NavigationTarget(NavigationStep::Previous, -1, 3), std::nullopt);
    EXPECT_EQ(NavigationTarget(NavigationStep::Next, -1, 3), std::nullopt);
}

TEST(Navigation, ShownAfterDelete) {
    EXPECT_EQ(TopicShownAfterDelete(4, 4), 3);  // the last one went
    EXPECT_EQ(TopicShownAfterDelete(1, 4), 1);  // its successor moved up
    EXPECT_EQ(TopicShownAfterDelete(0, 1), 0);
}

TEST(TopicNumberTaken, RefusesANumberAnotherTopicHas) {
    TTopicList topics;
    for (int32_t id : {10, 20}) {
        TTopic topic;
        topic.TopicID = id;
        topic.Title = "T" + std::to_string(id);
        topics.Add(topic);
    }
    PropertyValues values = PropertyValuesOf(topics[1]);
    EXPECT_EQ(TopicNumberTaken(topics, 1, values), "");  // its own number
    values[0] = "10";
    EXPECT_EQ(TopicNumberTaken(topics, 1, values),
              "Topic number 10 is already used by topic \"T10\". The topic keeps its number 20.");
    values[0] = "30";
    EXPECT_EQ(TopicNumberTaken(topics, 1, values), "");
    values[0] = "";
    EXPECT_EQ(TopicNumberTaken(topics, 1, values), "");
    values[0] = "x";
    EXPECT_THROW(TopicNumberTaken(topics, 1, values), ConvertError);
}

}  // namespace
}  // namespace scrivlet
