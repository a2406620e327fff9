#include <gtest/gtest.h>

#include "core/tools/tool_list.h"

namespace scrivlet {
namespace {

TEST(ToolEntry, CaptionAndCommandSplitAtTheFirstBar) {
    EXPECT_EQ(ToolCaption("Notepad|notepad.exe"), "Notepad");
    EXPECT_EQ(ToolCommand("Notepad|notepad.exe"), "notepad.exe");
    EXPECT_EQ(ToolCaption("notepad"), "notepad");
    EXPECT_EQ(ToolCommand("notepad"), "notepad");
    EXPECT_EQ(ToolCommand("A|b|c"), "b|c");
    EXPECT_EQ(ToolCaption("|cmd"), "");
    EXPECT_EQ(MakeToolEntry("", ""), "|");
}

TEST(ToolListEditor, AddStopsAtTenAndChoosesTheNewEntry) {
    ToolListEditor editor({});
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(editor.Add("T" + std::to_string(i) + "|x"));
        EXPECT_EQ(editor.Chosen(), i);
    }
    EXPECT_FALSE(editor.Add("eleventh|x"));
    EXPECT_EQ(editor.Entries().size(), 10u);
    EXPECT_EQ(editor.Entries().back(), "T9|x");
}

TEST(ToolListEditor, DeleteChoosesSamePositionOrTheLast) {
    ToolListEditor editor({"a|1", "b|2", "c|3"});
    editor.Choose(2);
    ASSERT_TRUE(editor.Delete());
    EXPECT_EQ(editor.Chosen(), 1);
    EXPECT_EQ(editor.Entries(), (std::vector<std::string>{"a|1", "b|2"}));
    editor.Choose(0);
    ASSERT_TRUE(editor.Delete());
    EXPECT_EQ(editor.Chosen(), 0);
    EXPECT_EQ(editor.Entries(), (std::vector<std::string>{"b|2"}));
    ASSERT_TRUE(editor.Delete());
    EXPECT_EQ(editor.Chosen(), -1);
    EXPECT_FALSE(editor.Delete());
}

TEST(ToolListEditor, EditAndMovesNeedAChosenItemAndKeepIt) {
    ToolListEditor editor({"a|1", "b|2"});
    EXPECT_FALSE(editor.Edit("x|y"));
    EXPECT_FALSE(editor.MoveUp());
    EXPECT_FALSE(editor.MoveDown());
    editor.Choose(0);
    EXPECT_FALSE(editor.MoveUp());
    ASSERT_TRUE(editor.MoveDown());
    EXPECT_EQ(editor.Chosen(), 1);
    EXPECT_EQ(editor.Entries(), (std::vector<std::string>{"b|2", "a|1"}));
    EXPECT_FALSE(editor.MoveDown());
    ASSERT_TRUE(editor.Edit("z|9"));
    EXPECT_EQ(editor.Chosen(), 1);
    EXPECT_EQ(editor.Captions(), (std::vector<std::string>{"b", "z"}));
    editor.Choose(7);
    EXPECT_EQ(editor.Chosen(), -1);
}

TEST(ToolListFromValues, NumericOrderSkipsEmptyAndKeepsTen) {
    std::vector<std::pair<std::string, std::string>> values = {
        {"F10", "k|k"}, {"F2", "c|c"}, {"F0", "a|a"}, {"F1", ""}, {"other", "z|z"}};
    EXPECT_EQ(ToolListFromValues(values),
              (std::vector<std::string>{"a|a", "c|c", "k|k", "z|z"}));
    std::vector<std::pair<std::string, std::string>> many;
    for (int i = 0; i < 12; ++i) {
        many.emplace_back(ToolValueName(static_cast<std::size_t>(i)), "t" + std::to_string(i));
    }
    const auto list = ToolListFromValues(many);
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list.front(), "t0");
    EXPECT_EQ(list.back(), "t9");
}

}  // namespace
}  // namespace scrivlet
