#include <gtest/gtest.h>

#include <map>

#include "help/viewer_contents.h"

namespace scrivlet::help {
namespace {

ContentsLoader Files(std::map<std::string, std::string> files) {
    return [files = std::move(files)](const std::string& name) -> std::optional<std::string> {
        const auto it = files.find(name);
        if (it == files.end()) {
            return std::nullopt;
        }
        return it->second;
    };
}

ContentsNode Page(std::string title, std::string context, std::string file = "main.hlp",
                  std::string window = "") {
    ContentsNode node;
    node.kind = ContentsNodeKind::Topic;
    node.title = std::move(title);
    node.context = std::move(context);
    node.file = std::move(file);
    node.window = std::move(window);
    return node;
}

ContentsNode Book(std::string title, std::vector<ContentsNode> children) {
    ContentsNode node;
    node.title = std::move(title);
    node.children = std::move(children);
    return node;
}

TEST(ViewerContents, BooksPagesMacrosAndIncludesInPlace) {
    const ContentsTree tree = ReadContentsTree(
        "main.cnt",
        Files({{"main.cnt",
                ":Base main.hlp>main\r\n:Title Manual\r\n:Link extra.hlp\r\n"
                ":Index Extra=extra.hlp\r\n; a remark\r\n"
                "1 Start\r\n2 Welcome=welcome\r\n2 Other=ctx@other.hlp>note\r\n"
                ":Include part.cnt\r\n1 Run it=!JK(`',`x')\r\n"},
               {"part.cnt",
                ":Base part.hlp\n:Link more.hlp\n1 Part\n2 Inside=in\n1 Loose=loose\n"}}));
    ContentsNode macro;
    macro.kind = ContentsNodeKind::Macro;
    macro.title = "Run it";
    macro.macro = "JK(`',`x')";
    const std::vector<ContentsNode> expected = {
        Book("Start", {Page("Welcome", "welcome", "main.hlp", "main"),
                       Page("Other", "ctx", "other.hlp", "note"),
                       Book("Part", {Page("Inside", "in", "part.hlp")}),
                       Page("Loose", "loose", "part.hlp")}),
        macro};
    EXPECT_EQ(tree.title, "Manual");
    EXPECT_EQ(tree.nodes, expected);
    EXPECT_EQ(tree.links, (std::vector<std::string>{"extra.hlp", "more.hlp"}));
    EXPECT_TRUE(tree.skipped.empty());
}

TEST(ViewerContents, LevelsThatSkipJoinTheDeepestOpenBook) {
    const ContentsTree tree = ReadContentsTree(
        "a.cnt", Files({{"a.cnt", "1 Top\n5 Deep=deep\n3 Also=also\n1 Next=next\n0 Zero=zero\n"}}));
    const std::vector<ContentsNode> expected = {
        Book("Top", {Page("Deep", "deep", ""), Page("Also", "also", "")}),
        Page("Next", "next", "")};
    EXPECT_EQ(tree.nodes, expected);
}

TEST(ViewerContents, MissingAndSelfIncludingFilesAreSkipped) {
    const ContentsTree tree = ReadContentsTree(
        "a.cnt", Files({{"a.cnt", ":Base a.hlp\n1 A=a\n:Include b.cnt\n:Include gone.cnt\n"},
                        {"b.cnt", "1 B=b\n:include A.CNT\n"}}));
    EXPECT_EQ(tree.nodes,
              (std::vector<ContentsNode>{Page("A", "a", "a.hlp"), Page("B", "b", "a.hlp")}));
    EXPECT_EQ(tree.skipped, (std::vector<std::string>{"A.CNT", "gone.cnt"}));

    const ContentsTree none = ReadContentsTree("none.cnt", Files({}));
    EXPECT_TRUE(none.nodes.empty());
    EXPECT_TRUE(none.skipped.empty());
}

}  // namespace
}  // namespace scrivlet::help
