#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/projectfile/project_file.h"
#include "project_file_fixtures.h"

namespace scrivlet {
namespace {

using projectfile_test::CrLf;
using projectfile_test::DefaultHeader;
using projectfile_test::FullProject;

TEST(SerializeProject, WritesEveryLineInOrderWithCrLf) {
    const std::string expected = CrLf({
        "[PROJECT]",
        "12",
        "TITLE=My Help",
        "HELP=.\\out\\my.hlp",
        "CNT=my.cnt",
        "COPYRIGHT=Copyright \xa9 2026 Somebody",
        "CITATION=Quoted from My Help",
        "CONTENTS=intro",
        "COMPRESS=0",
        "ERROR=0",
        "SHOW=1",
        "INCLUDE=final",
        "EXCLUDE=draft",
        "TEMPLATE=C:\\templates\\topic.rtf",
        "[WINDOWS]",
        "2",
        "main=\"Main\",(10,20,500,600),16384,(r16777215),(r12648447),0",
        "pop=\"\",,4,(r0),(r0),1",
        "[CONFIG]",
        "2",
        "BrowseButtons()",
        "CreateButton(\"x\",\"&X\",\"Exit()\")",
        "[BMPROOTS]",
        "3",
        "C:\\pics\\",
        "",
        "D:\\art\\",
        "[FILES]",
        "1",
        "extra.rtf",
        "[TOPICS]",
        "C=10",
        "A=intro",
        "T=Introduction",
        "K=start;intro",
        "O=first",
        "B=final",
        "S=main:010",
        "W=main",
        "M=CloseWindow(\"pop\")",
        "X=Done",
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}",
        "{\\colortbl\\red0\\green0\\blue0;}",
        "\\deflang1033\\pard\\plain\\f0\\fs22 Hello \\'e9",
        "",
        "\\par }",
        "~",
        "C=-5",
        "A=",
        "T=a=b=c",
        "K=",
        "O=",
        "B=",
        "S=",
        "W=",
        "M=",
        "X=",
        "~",
        "C=2147483647",
        "A=last",
        "T=Last",
        "K=",
        "O=",
        "B=",
        "S=",
        "W=",
        "M=",
        "X=Editing",
        "{x}",
        "C=99",
        "T=not a title",
        " ~ not an end",
        "\\par }",
        "~",
    });
    EXPECT_EQ(SerializeProject(FullProject()), expected);
}

TEST(SerializeProject, EmptyListsAreTheirHeaderAndZero) {
    Project p;
    p.ConfigMacros.clear();
    EXPECT_EQ(SerializeProject(p), DefaultHeader());
}

TEST(SerializeProject, NothingFollowsTheLastTopic) {
    Project p;
    p.Topics.Add(CreateTopic());
    const std::string bytes = SerializeProject(p);
    ASSERT_GE(bytes.size(), 3u);
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "~\r\n");
    EXPECT_EQ(bytes.find('\x1A'), std::string::npos);
}

TEST(SerializeProject, ATopicWithoutTextHasNoTextLines) {
    Project p;
    p.ConfigMacros.clear();
    TTopic topic = CreateTopic();
    topic.TopicID = 3;
    topic.ContextString = "scrv3";
    p.Topics.Add(topic);
    EXPECT_EQ(SerializeProject(p),
              DefaultHeader() + CrLf({"C=3", "A=scrv3", "T=[new topic]",
                                      "K=", "O=", "B=", "S=", "W=", "M=", "X=Editing", "~"}));
}

TEST(SerializeProject, StoresBytesAsTheyAre) {
    // No escaping and no conversion: high bytes, tabs and a lone LF inside a
    // text line go out unchanged.
    Project p;
    TTopic topic = CreateTopic();
    topic.Title = "Caf\xe9\t\x80";
    topic.Text = {"{a\nb}"};
    p.Topics.Add(topic);
    const std::string bytes = SerializeProject(p);
    EXPECT_NE(bytes.find("\r\nT=Caf\xe9\t\x80\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n{a\nb}\r\n~\r\n"), std::string::npos);
}

TEST(SerializeProject, HandsLargeProjectsToTheSinkInBoundedPieces) {
    Project p = FullProject();
    for (int i = 0; i < 300; ++i) {
        TTopic topic = CreateTopic();
        topic.Text.assign(30, std::string(100, 'a' + i % 26));
        p.Topics.Add(topic);
    }
    std::vector<std::size_t> sizes;
    std::string joined;
    SerializeProject(p, [&](std::string_view piece) {
        sizes.push_back(piece.size());
        joined += piece;
    });
    EXPECT_EQ(joined, SerializeProject(p));
    EXPECT_GT(sizes.size(), 3u);
    for (std::size_t size : sizes) {
        EXPECT_GT(size, 0u);
        EXPECT_LT(size, 300u * 1024u);
    }
}

}  // namespace
}  // namespace scrivlet
