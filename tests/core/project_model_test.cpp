#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/project.h"
#include "core/model/short_string.h"
#include "core/model/topic_list.h"

namespace scrivlet {
namespace {

TTopic TopicNumbered(int32_t id) {
    TTopic topic = CreateTopic();
    topic.TopicID = id;
    return topic;
}

TTopicList ListOf(std::initializer_list<int32_t> ids) {
    TTopicList list;
    for (int32_t id : ids) {
        list.Add(TopicNumbered(id));
    }
    return list;
}

TEST(ShortString, CutsEveryAssignmentTo255Bytes) {
    const std::string title(300, 'x');
    ShortString s = title;
    EXPECT_EQ(s.size(), 255u);
    EXPECT_EQ(s.str(), title.substr(0, 255));

    s = std::string(256, 'y');
    EXPECT_EQ(s.str(), std::string(255, 'y'));
    s = std::string_view("short");
    EXPECT_EQ(s, "short");

    const std::string exact(255, 'z');
    s = exact;
    EXPECT_EQ(s.str(), exact);
}

TEST(ShortString, CutsBytesNotCharacters) {
    // 254 letters and then a two-byte character: the cut falls inside it,
    // because 255 means 255 bytes.
    std::string text(254, 'a');
    text += "\xc3\xa9";
    ShortString s = text;
    EXPECT_EQ(s.size(), 255u);
    EXPECT_EQ(s[254], '\xc3');
}

TEST(Topic, ThreeHundredCharacterTitleIsStoredAsItsFirst255) {
    TTopic topic = CreateTopic();
    std::string title;
    for (int i = 0; i < 300; ++i) {
        title += static_cast<char>('a' + i % 26);
    }
    topic.Title = title;
    EXPECT_EQ(topic.Title.str(), title.substr(0, 255));
    topic.Keywords = title;
    topic.Comment = title;
    topic.EntryMacro = title;
    EXPECT_EQ(topic.Keywords.size(), 255u);
    EXPECT_EQ(topic.Comment.size(), 255u);
    EXPECT_EQ(topic.EntryMacro.size(), 255u);
}

TEST(Topic, NewTopicHasTheDefaults) {
    const TTopic topic = CreateTopic();
    EXPECT_EQ(topic.TopicID, 0);
    EXPECT_EQ(topic.Title, "[new topic]");
    EXPECT_EQ(topic.Comment, "Editing");
    for (const ShortString* field :
         {&topic.ContextString, &topic.Keywords, &topic.AKeywords, &topic.BuildTag,
          &topic.BrowseSeq, &topic.Window, &topic.EntryMacro}) {
        EXPECT_TRUE(field->empty());
    }
    EXPECT_TRUE(topic.Text.empty());
}

TEST(TopicList, KeepsOrderAndOwnsItsTopics) {
    TTopicList list = ListOf({5, 7, 9});
    ASSERT_EQ(list.Count(), 3u);
    TTopic& seven = list[1];
    list.Add(TopicNumbered(11));  // growing the list keeps references valid
    EXPECT_EQ(&seven, &list[1]);
    list.Delete(0);
    EXPECT_EQ(list[0].TopicID, 7);
    EXPECT_EQ(list.Last().TopicID, 11);
    list.Exchange(0, 2);
    EXPECT_EQ(list[0].TopicID, 11);
    EXPECT_EQ(list[2].TopicID, 7);
    EXPECT_THROW(list.Delete(3), std::out_of_range);
    EXPECT_THROW(list[3], std::out_of_range);
    list.Clear();
    EXPECT_TRUE(list.Empty());
}

TEST(TopicList, CopiesAreDeepAndCompareByContent) {
    TTopicList a = ListOf({1, 2});
    TTopicList b = a;
    EXPECT_TRUE(a == b);
    b[0].Title = "changed";
    EXPECT_EQ(a[0].Title, "[new topic]");
    EXPECT_FALSE(a == b);
    b = a;
    EXPECT_TRUE(a == b);
    b.Add(CreateTopic());
    EXPECT_FALSE(a == b);
}

TEST(NewTopicNumber, AddingToTheLastNumber) {
    EXPECT_EQ(NewTopicNumber(TTopicList{}, 0, 10), 10);
    EXPECT_EQ(NewTopicNumber(ListOf({10, 20, 35}), 0, 10), 45);
    // The last in list order counts, not the largest.
    EXPECT_EQ(NewTopicNumber(ListOf({50, 20}), 0, 10), 30);
    EXPECT_EQ(NewTopicNumber(ListOf({7}), 0, 255), 262);
}

TEST(NewTopicNumber, CountingTheTopics) {
    EXPECT_EQ(NewTopicNumber(ListOf({1, 2, 3}), 1, 10), 40);
    EXPECT_EQ(NewTopicNumber(ListOf({500, 7, 99}), 1, 10), 40);
    EXPECT_EQ(NewTopicNumber(TTopicList{}, 1, 10), 10);
    EXPECT_EQ(NewTopicNumber(ListOf({1}), 1, 1), 2);
}

TEST(NewTopicNumber, OtherModesGiveZero) {
    EXPECT_EQ(NewTopicNumber(ListOf({10}), 2, 10), 0);
    EXPECT_EQ(NewTopicNumber(ListOf({10}), 255, 10), 0);
    EXPECT_EQ(NewTopicNumber(ListOf({10}), -1, 10), 0);
}

TEST(NewTopicNumber, WrapsLikeA32BitInteger) {
    EXPECT_EQ(NewTopicNumber(ListOf({2147483647}), 0, 1), INT32_MIN);
}

TEST(DefaultContextString, IsScrvAndTheNumberWithNothingBetween) {
    EXPECT_EQ(DefaultContextString(120), "scrv120");
    EXPECT_EQ(DefaultContextString(0), "scrv0");
    EXPECT_EQ(DefaultContextString(-3), "scrv-3");
}

TEST(Project, StartsWithTheDefaults) {
    const Project p;
    EXPECT_EQ(p.ProjectFileName, "Untitled");
    EXPECT_TRUE(p.IsUntitled());
    EXPECT_FALSE(p.Modified());
    EXPECT_TRUE(p.Compress);
    EXPECT_TRUE(p.ShowErrorLog);
    EXPECT_TRUE(p.ShowHelpAfterCompile);
    EXPECT_EQ(p.ConfigMacros, std::vector<std::string>{"BrowseButtons()"});
    EXPECT_TRUE(p.WindowDefs.empty());
    EXPECT_TRUE(p.BitmapRoots.empty());
    EXPECT_TRUE(p.RtfFiles.empty());
    EXPECT_EQ(p.CurrentTopic, 0);
    EXPECT_FALSE(p.TopicGridStale);
}

TEST(Project, ResetClearsEverythingButCompress) {
    Project p;
    p.HelpTitle = "t";
    p.HelpFileName = "h";
    p.ContentsFileName = "c";
    p.Copyright = "c";
    p.Citation = "c";
    p.DefaultTopic = "d";
    p.IncludeTag = "i";
    p.ExcludeTag = "e";
    p.TemplateFile = "f";
    p.Compress = false;
    p.ShowErrorLog = false;
    p.ShowHelpAfterCompile = false;
    p.WindowDefs = {"main="};
    p.BitmapRoots = {"x"};
    p.RtfFiles = {"y"};
    p.Topics.Add(CreateTopic());
    p.Reset();

    ProjectSettings expected;
    expected.ConfigMacros.clear();
    expected.Compress = false;  // left as it was
    EXPECT_TRUE(static_cast<const ProjectSettings&>(p) == expected);
    EXPECT_TRUE(p.Topics.Empty());
    EXPECT_EQ(p.CurrentTopic, -1);
}

TEST(Project, ModifiedListenersHearEverySet) {
    Project p;
    std::vector<bool> heard;
    p.AddModifiedListener([&](bool value) { heard.push_back(value); });
    p.SetModified(true);
    p.SetModified(true);
    p.SetModified(false);
    EXPECT_EQ(heard, (std::vector<bool>{true, true, false}));
    EXPECT_FALSE(p.Modified());
}

TEST(Project, CopiesCarryDataButNotListeners) {
    Project p;
    int calls = 0;
    p.AddModifiedListener([&](bool) { ++calls; });
    p.HelpTitle = "A";
    p.SetModified(true);
    calls = 0;

    Project copy = p;
    EXPECT_EQ(copy.HelpTitle, "A");
    EXPECT_TRUE(copy.Modified());
    copy.SetModified(false);
    EXPECT_EQ(calls, 0);

    Project moved = std::move(copy);
    moved.SetModified(true);
    EXPECT_EQ(calls, 0);
}

TEST(Project, ReplaceWithKeepsListenersAndTellsThemTheNewFlag) {
    Project open;
    open.ProjectFileName = "/old.scw";
    open.SetModified(true);
    std::vector<bool> heard;
    open.AddModifiedListener([&](bool value) { heard.push_back(value); });

    Project loaded;
    loaded.ProjectFileName = "/new.scw";
    loaded.HelpTitle = "New";
    loaded.Topics.Add(TopicNumbered(7));
    loaded.CurrentTopic = 0;
    open.ReplaceWith(std::move(loaded));

    EXPECT_EQ(open.ProjectFileName, "/new.scw");
    EXPECT_EQ(open.HelpTitle, "New");
    ASSERT_EQ(open.Topics.Count(), 1u);
    EXPECT_EQ(open.Topics[0].TopicID, 7);
    EXPECT_FALSE(open.Modified());
    EXPECT_EQ(heard, std::vector<bool>{false});

    // The listener stays attached after the replacement.
    open.SetModified(true);
    EXPECT_EQ(heard, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace scrivlet
