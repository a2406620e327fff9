#include <gtest/gtest.h>

#include "core/editor/colors.h"
#include "core/markup/bitmap_roots.h"
#include "core/markup/link_request.h"
#include "core/markup/markup_codes.h"
#include "core/markup/topic_lookup.h"
#include "core/model/project.h"
#include "core/util/errors.h"

namespace scrivlet {
namespace {

TEST(MarkupCodes, LinkPrefixFollowsAppearance) {
    EXPECT_EQ(LinkPrefix(0), "");
    EXPECT_EQ(LinkPrefix(1), "*");
    EXPECT_EQ(LinkPrefix(2), "%");
    EXPECT_EQ(LinkPrefix(-1), "");
    EXPECT_EQ(LinkPrefix(3), "");
}

TEST(MarkupCodes, LinkCodes) {
    EXPECT_EQ(BuildLinkCode(true, "", "30", ""), "[href=30]");
    EXPECT_EQ(BuildLinkCode(true, "%", "120", "popwin"), "[href=%120>popwin]");
    EXPECT_EQ(BuildLinkCode(false, "*", "glossary", ""), "[link=*glossary]");
    EXPECT_EQ(BuildLinkCode(false, "*", OtherFileTarget("intro", "C:\\HELP\\OTHER.HLP"), "main"),
              "[link=*intro@C:\\HELP\\OTHER.HLP>main]");
    EXPECT_EQ(BuildLinkCode(false, "", OtherFileTarget("", ""), ""), "[link=@]");
    EXPECT_EQ(BuildLinkCode(false, "", MacroTarget({"Contents()", "Exit()"}), ""),
              "[link=!Contents();Exit();]");
    EXPECT_EQ(BuildLinkCode(false, "", MacroTarget({}), ""), "[link=!]");
}

TEST(MarkupCodes, MacroLinesEachEndWithSemicolon) {
    EXPECT_EQ(JoinMacroLines({"A()", "", "B()"}), "A();;B();");
    EXPECT_EQ(JoinMacroLines({}), "");
}

TEST(MarkupCodes, ImageCodes) {
    EXPECT_EQ(BuildImageCode(ImageAlign::Character, true, "logo.bmp"), "{bmct logo.bmp}");
    EXPECT_EQ(BuildImageCode(ImageAlign::Left, false, "a.shg"), "{bml a.shg}");
    EXPECT_EQ(BuildImageCode(ImageAlign::Right, false, "b.wmf"), "{bmr b.wmf}");
    EXPECT_EQ(BuildImageCode(ImageAlign::Right, true, "b.wmf"), "{bmrt b.wmf}");
}

TEST(MarkupCodes, ImageCodeIsCutTo255Characters) {
    // "{bml " is 5 characters: a 249-character name and "}" make 255 exactly.
    const std::string fits(249, 'x');
    EXPECT_EQ(BuildImageCode(ImageAlign::Left, false, fits), "{bml " + fits + "}");
    const std::string longer(250, 'y');
    const std::string code = BuildImageCode(ImageAlign::Left, false, longer);
    ASSERT_EQ(code.size(), 255u);
    EXPECT_EQ(code, "{bml " + longer);  // the closing brace is what the cut takes
    EXPECT_EQ(BuildImageCode(ImageAlign::Character, true, std::string(600, 'z')).size(), 255u);
}

TEST(MarkupCodes, ButtonAnchorAndKeepn) {
    EXPECT_EQ(BuildButtonCode("Close", {"Exit()"}), "{button Close, Exit();}");
    EXPECT_EQ(BuildButtonCode("Go", {}), "{button Go, }");
    EXPECT_EQ(BuildButtonCode("", {"A()", "B()"}), "{button , A();B();}");
    EXPECT_EQ(BuildAnchorCode("start"), "[#=start]");
    EXPECT_EQ(BuildAnchorCode(""), "[#=]");
    EXPECT_STREQ(kKeepnCode, "[keepn]");
}

TEST(MarkupCodes, KeepnFontSizeRule) {
    EXPECT_EQ(KeepnFontSize(14), 8);
    EXPECT_EQ(KeepnFontSize(12.5), 8);
    EXPECT_EQ(KeepnFontSize(12), 12);
    EXPECT_EQ(KeepnFontSize(10), 10);
}

TEST(MarkupCodes, SplitEditLines) {
    EXPECT_EQ(SplitEditLines(""), std::vector<std::string>{});
    EXPECT_EQ(SplitEditLines("Contents()\nExit()"),
              (std::vector<std::string>{"Contents()", "Exit()"}));
    EXPECT_EQ(SplitEditLines("a\r\n\r\nb\n"), (std::vector<std::string>{"a", "", "b"}));
}

TTopicList TopicsWithIds(std::initializer_list<std::pair<int, const char*>> items) {
    TTopicList list;
    for (const auto& [id, title] : items) {
        TTopic topic;
        topic.TopicID = id;
        topic.Title = title;
        list.Add(topic);
    }
    return list;
}

TEST(TopicLookup, FindsFirstTopicWithTheNumber) {
    const TTopicList topics = TopicsWithIds({{10, "One"}, {30, "First thirty"}, {30, "Second"}});
    EXPECT_EQ(IndexOfTopicID(topics, "10"), 0);
    EXPECT_EQ(IndexOfTopicID(topics, "30"), 1);
    EXPECT_EQ(IndexOfTopicID(topics, "31"), -1);
    EXPECT_EQ(IndexOfTopicID(topics, ""), -1);
    EXPECT_EQ(IndexOfTopicID(TTopicList{}, "10"), -1);
    EXPECT_THROW(IndexOfTopicID(topics, "ten"), ConvertError);
}

TEST(LinkBox, LayoutTableForEachLocation) {
    const LinkBoxLayout topic = LayoutForLocation(0);
    EXPECT_EQ(topic, (LinkBoxLayout{true, true, true, false, true, false, false}));
    EXPECT_EQ(LayoutForLocation(1), (LinkBoxLayout{true, true, false, true, true, false, false}));
    EXPECT_EQ(LayoutForLocation(2), (LinkBoxLayout{true, true, false, true, true, true, false}));
    EXPECT_EQ(LayoutForLocation(3),
              (LinkBoxLayout{false, false, false, false, false, false, true}));
}

TEST(LinkBox, ProjectTopicTargetIsTheIdBeforeTheColon) {
    LinkBoxValues values;
    values.TopicItem = "30: Overview: part one";
    values.Window = "main";
    values.Popup = true;
    const auto request = LinkRequestFrom(values);
    ASSERT_TRUE(request);
    EXPECT_EQ(*request, (LinkRequest{true, "", true, "main", "30"}));
    values.TopicItem.clear();
    EXPECT_FALSE(LinkRequestFrom(values));
    EXPECT_EQ(TopicItemText(30, "Overview"), "30: Overview");
}

TEST(LinkBox, AnchorAndOtherFileTargets) {
    LinkBoxValues values;
    values.Location = 1;
    values.Appearance = 2;
    values.TopicEdit = "glossary";
    EXPECT_EQ(*LinkRequestFrom(values), (LinkRequest{false, "%", false, "", "glossary"}));
    values.Location = 2;
    values.Appearance = 1;
    values.TopicEdit = "intro";
    values.FileName = "C:\\HELP\\OTHER.HLP";
    values.Window = "main";
    EXPECT_EQ(*LinkRequestFrom(values),
              (LinkRequest{false, "*", false, "main", "intro@C:\\HELP\\OTHER.HLP"}));
    values.TopicEdit.clear();
    values.FileName.clear();
    EXPECT_EQ(LinkRequestFrom(values)->Target, "@");
}

TEST(LinkBox, MacroLinkIsAlwaysAJumpWithoutWindow) {
    LinkBoxValues values;
    values.Location = 3;
    values.Popup = true;
    values.Window = "main";
    EXPECT_FALSE(LinkRequestFrom(values));  // empty macro field
    values.MacroLines = {"Contents()", "Exit()"};
    EXPECT_EQ(*LinkRequestFrom(values), (LinkRequest{false, "", false, "", "!Contents();Exit();"}));
}

TEST(BitmapRoots, AddsAForeignFolderOnce) {
    std::vector<std::string> roots{"/data/Pics/"};
    EXPECT_FALSE(AddImageFolder(roots, "/proj/", "/proj/"));
    EXPECT_FALSE(AddImageFolder(roots, "/data/pics/", "/proj/"));
    EXPECT_TRUE(AddImageFolder(roots, "/data/art/", "/proj/"));
    EXPECT_EQ(roots, (std::vector<std::string>{"/data/Pics/", "/data/art/"}));
    // The project folder is compared exactly: another case is another folder.
    EXPECT_TRUE(AddImageFolder(roots, "/Proj/", "/proj/"));
}

TEST(BitmapRoots, UnsavedProjectAlwaysAddsTheFolder) {
    std::vector<std::string> roots;
    EXPECT_TRUE(AddImageFolder(roots, "/home/a/", ""));
    EXPECT_FALSE(AddImageFolder(roots, "/home/a/", ""));
    EXPECT_EQ(roots.size(), 1u);
}

TEST(Colors, TableLookups) {
    EXPECT_EQ(ColorOfIndex(0), (RgbColor{0, 0, 0}));
    EXPECT_EQ(ColorOfIndex(2), (RgbColor{0, 128, 0}));
    EXPECT_EQ(ColorOfIndex(9), (RgbColor{255, 0, 0}));
    EXPECT_EQ(ColorOfIndex(14), (RgbColor{0, 255, 255}));
    EXPECT_EQ(ColorOfIndex(15), (RgbColor{255, 255, 255}));
    EXPECT_EQ(ColorOfIndex(99), (RgbColor{255, 255, 255}));
    EXPECT_EQ(ColorOfIndex(-1), (RgbColor{255, 255, 255}));
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(IndexOfColor(ColorOfIndex(i)), i);
    }
    EXPECT_EQ(IndexOfColor({10, 20, 30}), 0);
    EXPECT_EQ(IndexOfColor({192, 192, 193}), 0);
}

}  // namespace
}  // namespace scrivlet
