#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/project.h"
#include "core/topics/topic_sort.h"

namespace scrivlet {
namespace {

TTopic Topic(int32_t id, const std::string& title, const std::string& comment = "") {
    TTopic t = CreateTopic();
    t.TopicID = id;
    t.Title = title;
    t.Comment = comment;
    return t;
}

std::vector<std::string> Titles(const TTopicList& list) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        out.push_back(list[i].Title.str());
    }
    return out;
}

std::vector<int32_t> Ids(const TTopicList& list) {
    std::vector<int32_t> out;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        out.push_back(list[i].TopicID);
    }
    return out;
}

TEST(CompareTopics, ById) {
    EXPECT_EQ(CompareTopics(Topic(-5, ""), Topic(3, ""), TopicSortKey::ById), -1);
    EXPECT_EQ(CompareTopics(Topic(30, ""), Topic(3, ""), TopicSortKey::ById), 1);
    EXPECT_EQ(CompareTopics(Topic(7, "a"), Topic(7, "b"), TopicSortKey::ById), 0);
}

TEST(CompareTopics, ByTitleUpperCasesOnlyAsciiLettersAndComparesUnsigned) {
    EXPECT_EQ(CompareTopics(Topic(0, "abc"), Topic(0, "ABC"), TopicSortKey::ByTitle), 0);
    EXPECT_EQ(CompareTopics(Topic(0, "ab"), Topic(0, "abc"), TopicSortKey::ByTitle), -1);
    EXPECT_EQ(CompareTopics(Topic(0, "abc"), Topic(0, "AB"), TopicSortKey::ByTitle), 1);
    // "_" (95) lies above "Z" (90): after upper-casing, z sorts before _.
    EXPECT_EQ(CompareTopics(Topic(0, "zed"), Topic(0, "_x"), TopicSortKey::ByTitle), -1);
    // Bytes above 127 compare unsigned and are not case-folded ("\xE9" is e-acute).
    EXPECT_EQ(CompareTopics(Topic(0, "\xE9"), Topic(0, "z"), TopicSortKey::ByTitle), 1);
    EXPECT_EQ(CompareTopics(Topic(0, "\xE9"), Topic(0, "\xC9"), TopicSortKey::ByTitle), 1);
    EXPECT_EQ(CompareTopics(Topic(0, ""), Topic(0, ""), TopicSortKey::ByTitle), 0);
}

TEST(SortTopics, TitlesBetaAlphaUnderscoreZed) {
    TTopicList list;
    for (const char* t : {"beta", "Alpha", "_x", "Zed"}) {
        list.Add(Topic(0, t));
    }
    SortTopics(list, TopicSortKey::ByTitle);
    EXPECT_EQ(Titles(list), (std::vector<std::string>{"Alpha", "beta", "Zed", "_x"}));
}

TEST(SortTopics, ByIdAscending) {
    TTopicList list;
    for (int id : {30, 10, 20}) {
        list.Add(Topic(id, ""));
    }
    SortTopics(list, TopicSortKey::ById);
    EXPECT_EQ(Ids(list), (std::vector<int32_t>{10, 20, 30}));
}

TEST(SortTopics, EmptyAndSingleLists) {
    TTopicList empty;
    SortTopics(empty, TopicSortKey::ById);
    EXPECT_EQ(empty.Count(), 0u);
    TTopicList one;
    one.Add(Topic(4, "x"));
    SortTopics(one, TopicSortKey::ByTitle);
    EXPECT_EQ(Ids(one), (std::vector<int32_t>{4}));
}

// Equal keys are not kept in their order: the list's quicksort swaps a pair
// whenever both indices stop on elements equal to the pivot.
TEST(SortTopics, EqualKeysFollowTheQuicksort) {
    TTopicList list;
    list.Add(Topic(1, "", "a"));
    list.Add(Topic(1, "", "b"));
    list.Add(Topic(1, "", "c"));
    SortTopics(list, TopicSortKey::ById);
    // Pivot is element 1 ("b"); i stops at 0, j at 2: swap a,c; i=j=1: swap
    // b with itself; done.
    std::vector<std::string> comments;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        comments.push_back(list[i].Comment.str());
    }
    EXPECT_EQ(comments, (std::vector<std::string>{"c", "b", "a"}));
}

TEST(SortTopics, EqualKeysAmongOthers) {
    TTopicList list;
    list.Add(Topic(2, "", "x"));
    list.Add(Topic(1, "", "p"));
    list.Add(Topic(2, "", "y"));
    list.Add(Topic(1, "", "q"));
    SortTopics(list, TopicSortKey::ById);
    std::vector<std::string> comments;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        comments.push_back(list[i].Comment.str());
    }
    // Worked by hand: pivot p(1); i=0 (x), j=3 (q) swap -> q p y x; i=1 (p),
    // j=2 (y>1) -> j=1; swap p,p; i=2, j=0. Left [0,0]; right [2,3]: pivot y,
    // i=2 j=3 (x==y) swap -> q p x y.
    EXPECT_EQ(comments, (std::vector<std::string>{"q", "p", "x", "y"}));
    EXPECT_EQ(Ids(list), (std::vector<int32_t>{1, 1, 2, 2}));
}

TEST(SortTopics, ManyTopicsEndSorted) {
    TTopicList list;
    uint32_t seed = 12345;
    for (int i = 0; i < 2000; ++i) {
        seed = seed * 1103515245u + 12345u;
        list.Add(Topic(static_cast<int32_t>(seed % 500) - 250, ""));
    }
    SortTopics(list, TopicSortKey::ById);
    for (std::size_t i = 1; i < list.Count(); ++i) {
        ASSERT_LE(list[i - 1].TopicID, list[i].TopicID) << i;
    }
    EXPECT_EQ(list.Count(), 2000u);
}

}  // namespace
}  // namespace scrivlet
