#include <gtest/gtest.h>

#include "help/viewer_browse.h"
#include "help/viewer_history.h"
#include "help/viewer_keywords.h"
#include "help/viewer_search.h"

namespace scrivlet::help {
namespace {

Topic TextTopic(std::string title, std::vector<std::string> texts) {
    Topic topic;
    topic.title = std::move(title);
    Paragraph paragraph;
    for (std::string& text : texts) {
        Run run;
        run.text = std::move(text);
        paragraph.runs.push_back(run);
        paragraph.runs.push_back(Run{RunKind::Tab, {}, "", -1, -1, ""});
    }
    topic.paragraphs.push_back(paragraph);
    return topic;
}

HelpFile Library() {
    HelpFile help;
    help.topics = {
        TextTopic("Printing", {"How to print a topic."}),
        TextTopic("Fonts", {"Fonts for printing, fonts on screen: fonts everywhere."}),
        TextTopic("Caf\xC9 au lait", {"PRINTER setup; see printing."}),
        TextTopic("Nothing", {"Unrelated words only."}),
    };
    return help;
}

TEST(ViewerSearch, WordsFoldCaseOfAsciiAndAccentedLetters) {
    EXPECT_EQ(SearchWords("Caf\xC9, na\xEFve-Word42\x8A!"),
              (std::vector<std::string>{"caf\xE9", "na\xEFve", "word42\x9A"}));
    EXPECT_EQ(TopicPlainText(Library().topics[0]), "How to print a topic. \n");
}

TEST(ViewerSearch, RanksRareAndTitleWordsFirstAndNeedsEveryWord) {
    const FullTextIndex index(Library());
    // "print" begins "printing" and "printer" too; the title word weighs most.
    const std::vector<SearchHit> hits = index.Search("print");
    ASSERT_EQ(hits.size(), 3u);
    EXPECT_EQ(hits[0].topic, 0);
    EXPECT_EQ(hits[1].topic, 2);
    EXPECT_EQ(hits[2].topic, 1);
    EXPECT_GT(hits[0].score, hits[1].score);

    const std::vector<SearchHit> exact = index.Search("print", false);
    ASSERT_EQ(exact.size(), 1u);
    EXPECT_EQ(exact[0].topic, 0);

    const std::vector<SearchHit> both = index.Search("FONTS print");
    ASSERT_EQ(both.size(), 1u);
    EXPECT_EQ(both[0].topic, 1);
    EXPECT_TRUE(index.Search("fonts unrelated").empty());
    EXPECT_TRUE(index.Search(" ,. ").empty());
    EXPECT_EQ(index.Search("caf\xC9")[0].topic, 2);
    EXPECT_EQ(index.WordsStartingWith("PRINT"),
              (std::vector<std::string>{"print", "printer", "printing"}));
}

TEST(ViewerKeywords, OneEntryPerKeywordSortedWithoutCase) {
    HelpFile help;
    help.topics.resize(3);
    help.topics[0].keywords = {"setup", "Printing", ""};
    help.topics[1].keywords = {"printing", "apple", "printing"};
    help.topics[2].keywords = {"Zebra", "SETUP"};
    const std::vector<KeywordEntry> index = BuildKeywordIndex(help);
    const std::vector<KeywordEntry> expected = {
        {"apple", {1}}, {"Printing", {0, 1}}, {"setup", {0, 2}}, {"Zebra", {2}}};
    EXPECT_EQ(index, expected);
    EXPECT_EQ(KeywordIndexPosition(index, "PRI"), 1u);
    EXPECT_EQ(KeywordIndexPosition(index, "q"), 2u);
    EXPECT_EQ(KeywordIndexPosition(index, ""), 0u);
    EXPECT_EQ(KeywordIndexPosition(index, "zz"), 4u);
}

TEST(ViewerBrowse, StoredNeighboursOrBrowseFootnotes) {
    HelpFile stored;
    stored.topics.resize(3);
    stored.topics[0].browseNext = 2;
    stored.topics[2].browsePrevious = 0;
    stored.topics[2].browseNext = 7;  // out of range in a damaged file
    EXPECT_EQ(BrowseNeighbour(stored, 0, true), 2);
    EXPECT_EQ(BrowseNeighbour(stored, 2, false), 0);
    EXPECT_EQ(BrowseNeighbour(stored, 2, true), -1);
    EXPECT_EQ(BrowseNeighbour(stored, 1, true), -1);
    EXPECT_EQ(BrowseNeighbour(stored, 9, true), -1);

    HelpFile written;
    written.topics.resize(5);
    written.topics[0].browse = "main:020";
    written.topics[1].browse = "main:010";
    written.topics[2].browse = "other:005";
    written.topics[3].browse = "main:020";
    written.topics[4].browse = "main:030";
    written.topics[4].built = false;
    EXPECT_EQ(BrowseNeighbour(written, 1, true), 0);
    EXPECT_EQ(BrowseNeighbour(written, 0, true), 3);
    EXPECT_EQ(BrowseNeighbour(written, 3, true), -1);
    EXPECT_EQ(BrowseNeighbour(written, 3, false), 0);
    EXPECT_EQ(BrowseNeighbour(written, 1, false), -1);
    EXPECT_EQ(BrowseNeighbour(written, 2, true), -1);
}

TEST(ViewerHistory, BackRetracesAndHistoryListsEachTopicOnce) {
    ViewerHistory history;
    EXPECT_FALSE(history.Back());
    history.Visit({"a.hlp", 0, "A"});
    history.Visit({"a.hlp", 1, "B"});
    history.Visit({"b.hlp", 0, "Other"});
    history.Visit({"b.hlp", 0, "Other"});  // the same topic again is no step
    history.Visit({"a.hlp", 1, "B"});
    EXPECT_EQ(history.Seen(),
              (std::vector<TopicPlace>{{"a.hlp", 1, ""}, {"b.hlp", 0, ""}, {"a.hlp", 0, ""}}));
    EXPECT_EQ(history.Back(), (TopicPlace{"b.hlp", 0, ""}));
    EXPECT_EQ(history.Back(), (TopicPlace{"a.hlp", 1, ""}));
    EXPECT_EQ(history.Back(), (TopicPlace{"a.hlp", 0, ""}));
    EXPECT_FALSE(history.CanGoBack());
    EXPECT_EQ(history.Seen().front(), (TopicPlace{"a.hlp", 0, ""}));
    EXPECT_EQ(history.Current()->title, "A");

    for (int i = 0; i < 100; ++i) {
        history.Visit({"c.hlp", i, ""});
    }
    EXPECT_EQ(history.Seen().size(), ViewerHistory::kLimit);
    int steps = 0;
    while (history.Back()) {
        ++steps;
    }
    EXPECT_EQ(steps, static_cast<int>(ViewerHistory::kLimit) - 1);
}

}  // namespace
}  // namespace scrivlet::help
