// The sample manual in examples/ is what the README opens: it must read
// cleanly, keep the topic text layout the build relies on, and save back to
// the very same bytes.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/projectfile/project_file.h"
#include "project_file_fixtures.h"

namespace scrivlet {
namespace {

const std::string kManual = std::string(SCRIVLET_TEST_DATA) + "/../../examples/manual/manual.scw";

Project LoadManual() {
    auto project = ReadProjectFile(kManual);
    if (!project) {
        throw std::runtime_error("sample project missing: " + kManual);
    }
    return std::move(*project);
}

bool StartsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

TEST(SampleProject, SavesBackToTheIdenticalBytes) {
    const std::string bytes = projectfile_test::ReadBytes(kManual);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(SerializeProject(LoadManual()), bytes);
}

TEST(SampleProject, IsASmallManualWithWindowsKeywordsJumpsAndPopUps) {
    const Project p = LoadManual();
    EXPECT_GE(p.Topics.Count(), 5u);
    EXPECT_LE(p.Topics.Count(), 8u);
    ASSERT_FALSE(p.WindowDefs.empty());
    EXPECT_TRUE(StartsWith(p.WindowDefs[0], "main=\""));
    EXPECT_FALSE(p.HelpTitle.empty());

    std::set<int32_t> ids;
    for (std::size_t i = 0; i < p.Topics.Count(); ++i) {
        ids.insert(p.Topics[i].TopicID);
        EXPECT_FALSE(p.Topics[i].Keywords.empty()) << "topic " << i;
    }
    // Every "[href=N]" names a topic of the project and follows a
    // struck-through (jump) or underlined (pop-up) hotspot.
    int jumps = 0;
    int popups = 0;
    for (std::size_t i = 0; i < p.Topics.Count(); ++i) {
        for (const std::string& line : p.Topics[i].Text) {
            for (auto at = line.find("[href="); at != std::string::npos;
                 at = line.find("[href=", at + 1)) {
                const auto end = line.find(']', at);
                ASSERT_NE(end, std::string::npos) << line;
                EXPECT_TRUE(ids.count(std::stoi(line.substr(at + 6, end - at - 6)))) << line;
                const auto strike = line.rfind("\\strike\\cf1 ", at);
                const auto ul = line.rfind("\\ul\\cf1 ", at);
                const auto hotspot = strike == std::string::npos ? ul
                                     : ul == std::string::npos   ? strike
                                                                 : std::max(strike, ul);
                ASSERT_NE(hotspot, std::string::npos) << line;
                (hotspot == strike ? jumps : popups)++;
            }
            if (line.find("\\ul\\cf1 ") != std::string::npos &&
                line.find("[link=") != std::string::npos) {
                ++popups;
            }
        }
    }
    EXPECT_GE(jumps, 5);
    EXPECT_GE(popups, 2);
}

TEST(SampleProject, TopicTextsHaveTheLayoutTheBuildReads) {
    const Project p = LoadManual();
    for (std::size_t i = 0; i < p.Topics.Count(); ++i) {
        const auto& text = p.Topics[i].Text;
        ASSERT_GE(text.size(), 4u) << "topic " << i;
        EXPECT_TRUE(StartsWith(text[0], "{\\rtf1")) << i;
        EXPECT_NE(text[0].find("{\\fonttbl{\\f0\\fswiss "), std::string::npos) << i;
        // The last font group and the font table close the line.
        EXPECT_EQ(text[0].substr(text[0].size() - 3), ";}}") << i;
        EXPECT_TRUE(StartsWith(text[1], "{\\colortbl\\red0\\green0\\blue0;")) << i;
        EXPECT_EQ(text[1].back(), '}') << i;
        EXPECT_TRUE(StartsWith(text[2], "\\deflang")) << i;
        for (std::size_t line = 3; line + 1 < text.size(); ++line) {
            EXPECT_TRUE(StartsWith(text[line], "\\par ")) << i << ":" << line;
        }
        EXPECT_EQ(text.back(), "\\par }") << i;
    }
}

}  // namespace
}  // namespace scrivlet
