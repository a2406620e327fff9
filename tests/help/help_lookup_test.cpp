#include <gtest/gtest.h>

#include "help/context_hash.h"
#include "help/help_lookup.h"

namespace scrivlet::help {
namespace {

HelpDocument TwoTopics() {
    HelpDocument document;
    Topic first;
    ContextDefinition start;
    start.name = "IDH_Start";
    first.contexts = {start};
    first.keywords = {"printing", "Setup"};
    Topic second;
    // Read from a help file: only the hash is known.
    ContextDefinition hashOnly;
    hashOnly.hash = ContextHash("odd name!");
    second.contexts = {hashOnly};
    second.keywords = {"setup"};
    second.aKeywords = {"a_link"};
    document.help.topics = {first, second};
    for (const auto& [context, number] :
         {std::pair<const char*, uint32_t>{"IDH_START", 10}, {"odd name!", 20}, {"missing", 30}}) {
        MapEntry entry;
        entry.context = context;
        entry.number = number;
        document.project.map.push_back(entry);
    }
    return document;
}

TEST(HelpLookup, ContextStringsMatchByHashInAnySpelling) {
    const HelpDocument document = TwoTopics();
    EXPECT_EQ(FindTopicByContext(document.help, "idh_start"), 0);
    EXPECT_EQ(FindTopicByContext(document.help, "ODD NAME!"), 1);
    EXPECT_EQ(FindTopicByContext(document.help, "nothing"), -1);
    EXPECT_EQ(FindTopicByContext(document.help, ""), -1);
}

TEST(HelpLookup, MapNumbersKeywordsAndHotspots) {
    const HelpDocument document = TwoTopics();
    EXPECT_EQ(FindTopicByMapNumber(document, 10), 0);
    EXPECT_EQ(FindTopicByMapNumber(document, 20), 1);
    EXPECT_EQ(FindTopicByMapNumber(document, 30), -1);
    EXPECT_EQ(FindTopicByMapNumber(document, 99), -1);
    EXPECT_EQ(FindTopicsByKeyword(document.help, "SETUP"), (std::vector<int>{0, 1}));
    EXPECT_EQ(FindTopicsByKeyword(document.help, "a_link", true), (std::vector<int>{1}));
    EXPECT_TRUE(FindTopicsByKeyword(document.help, "a_link").empty());

    Hotspot byHash;
    byHash.targetHash = ContextHash("odd name!");
    EXPECT_EQ(HotspotTargetTopic(document.help, byHash), 1);
    Hotspot elsewhere;
    elsewhere.target = "IDH_Start";
    elsewhere.file = "other.hlp";
    EXPECT_EQ(HotspotTargetTopic(document.help, elsewhere), -1);
    Hotspot macro;
    macro.kind = HotspotKind::Macro;
    macro.target = "IDH_Start";
    EXPECT_EQ(HotspotTargetTopic(document.help, macro), -1);
}

TEST(HelpLookup, ContentsTopicFallsBackToTheFirst) {
    HelpDocument document = TwoTopics();
    EXPECT_EQ(ContentsTopic(document), 0);
    document.project.contents.text = "odd name!";
    EXPECT_EQ(ContentsTopic(document), 1);
    document.help.topics.clear();
    EXPECT_EQ(ContentsTopic(document), -1);
}

}  // namespace
}  // namespace scrivlet::help
