#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/topics/preferences.h"
#include "core/topics/recent_files.h"

namespace scrivlet {
namespace {

PreferenceLookup From(const std::map<std::string, std::string>& values) {
    return [values](const std::string& name) -> std::optional<std::string> {
        auto it = values.find(name);
        if (it == values.end()) {
            return std::nullopt;
        }
        return it->second;
    };
}

TEST(Preferences, EmptyStoreGivesDefaults) {
    const Preferences p = ReadPreferences(From({}));
    EXPECT_EQ(p, Preferences{});
    EXPECT_EQ(p.Top, 5);
    EXPECT_EQ(p.Left, 5);
    EXPECT_EQ(p.Height, 390);
    EXPECT_EQ(p.Width, 561);
    EXPECT_EQ(p.GrabLeft, 107);
    EXPECT_EQ(p.Col0, 30);
    EXPECT_EQ(p.Col1, 95);
    EXPECT_EQ(p.Col2, 75);
    EXPECT_EQ(p.gfont, "MS Sans Serif");
    EXPECT_EQ(p.gsize, 8);
    EXPECT_EQ(p.InsColor, 9);
    EXPECT_EQ(p.IDinc, 10);
    EXPECT_TRUE(p.DelWarn);
    EXPECT_FALSE(p.IDask);
    EXPECT_FALSE(p.Maximized());
}

TEST(Preferences, HexModuloAndBadValues) {
    const Preferences p = ReadPreferences(From({{"Top", "0x20"},
                                                {"Left", "-3"},
                                                {"Width", "wide"},
                                                {"InsColor", "257"},
                                                {"IDinc", "-1"},
                                                {"IDcount", "0x101"},
                                                {"DelWarn", "0"},
                                                {"IDask", "2"},
                                                {"Status", ""},
                                                {"WindowState", "Maximized"},
                                                {"Compiler", "/opt/hcrtf.exe"}}));
    EXPECT_EQ(p.Top, 32);
    EXPECT_EQ(p.Left, -3);
    EXPECT_EQ(p.Width, 561);  // unreadable: default
    EXPECT_EQ(p.InsColor, 1);
    EXPECT_EQ(p.IDinc, 255);
    EXPECT_EQ(p.IDcount, 1);
    EXPECT_FALSE(p.DelWarn);
    EXPECT_TRUE(p.IDask);
    EXPECT_TRUE(p.Status);  // empty text is not an integer: default
    EXPECT_TRUE(p.Maximized());
    EXPECT_EQ(p.Compiler, "/opt/hcrtf.exe");
    EXPECT_EQ(PreferenceByte(256), 0);
    EXPECT_EQ(PreferenceByte(-256), 0);
    EXPECT_EQ(ParsePreferenceInt("0xff"), 255);
    EXPECT_EQ(ParsePreferenceInt("x"), std::nullopt);
}

std::vector<std::string> Names(const std::vector<std::pair<std::string, std::string>>& pairs) {
    std::vector<std::string> out;
    for (const auto& [name, value] : pairs) {
        out.push_back(name);
    }
    return out;
}

TEST(Preferences, WrittenAtExitWithoutOptionsDialog) {
    Preferences p;
    p.Top = 12;
    p.Status = false;
    const auto pairs = PreferencesToWrite(p, false, false);
    EXPECT_EQ(Names(pairs),
              (std::vector<std::string>{"Top", "Left", "Height", "Width", "WindowState", "GrabLeft",
                                        "Col1", "Col2", "Status", "Ruler"}));
    EXPECT_EQ(pairs[0].second, "12");
    EXPECT_EQ(pairs[4].second, "Normal");
    EXPECT_EQ(pairs[8].second, "0");
    EXPECT_EQ(pairs[9].second, "1");
}

TEST(Preferences, WrittenAtExitMaximizedAfterOptionsDialog) {
    Preferences p;
    p.IDinc = 5;
    p.IDask = true;
    const auto pairs = PreferencesToWrite(p, true, true);
    EXPECT_EQ(Names(pairs),
              (std::vector<std::string>{"WindowState", "GrabLeft", "Col0", "Col1", "Col2", "gfont",
                                        "gsize", "Status", "Ruler", "Compiler", "InsColor",
                                        "DelWarn", "IDcount", "IDinc", "IDask"}));
    EXPECT_EQ(pairs[0].second, "Maximized");
    EXPECT_EQ(pairs[5].second, "MS Sans Serif");
    EXPECT_EQ(pairs[13].second, "5");
    EXPECT_EQ(pairs[14].second, "1");
}

TEST(RecentFiles, SameFileTwiceKeepsOneEntryOnTop) {
    RecentFiles r;
    r.Add("/a/one.scw");
    r.Add("/a/two.scw");
    r.Add("/a/one.scw");
    EXPECT_EQ(r.Items(), (std::vector<std::string>{"/a/one.scw", "/a/two.scw"}));
}

TEST(RecentFiles, SixthFileDropsTheOldest) {
    RecentFiles r;
    for (int i = 1; i <= 6; ++i) {
        r.Add("/p/" + std::to_string(i) + ".scw");
    }
    EXPECT_EQ(r.Items(), (std::vector<std::string>{"/p/6.scw", "/p/5.scw", "/p/4.scw", "/p/3.scw",
                                                   "/p/2.scw"}));
}

TEST(RecentFiles, LoadSkipsEmptyAndCuts) {
    RecentFiles r;
    r.Load({"/x", "", "/y", "/z", "/w", "/v", "/u"});
    EXPECT_EQ(r.Items(), (std::vector<std::string>{"/x", "/y", "/z", "/w", "/v"}));
}

TEST(RecentFiles, Captions) {
    EXPECT_EQ(RecentFileCaption(0, "/home/me/help/manual.scw"), "&0 manual.scw");
    EXPECT_EQ(RecentFileCaption(4, "plain.scw"), "&4 plain.scw");
    EXPECT_EQ(FileNameOnly("/dir/"), "");
}

}  // namespace
}  // namespace scrivlet
