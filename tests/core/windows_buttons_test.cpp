#include <gtest/gtest.h>

#include "core/util/errors.h"
#include "core/windows/button_flags.h"

namespace scrivlet {
namespace {

using F = ButtonFlag;

// "C" ticked and enabled, "c" ticked and greyed, "E" cleared and enabled,
// "e" cleared and greyed; boxes in decomposition order from Find down.
std::string Picture(const ButtonsState& state) {
    std::string text;
    for (ButtonFlag flag : kButtonFlagsDescending) {
        const bool on = state.Checked(flag);
        const bool enabled = state.Enabled(flag);
        text += on ? (enabled ? 'C' : 'c') : (enabled ? 'E' : 'e');
    }
    return text;
}

TEST(ButtonsState, DesignState) {
    const ButtonsState state;
    //           Find Back Print Topics Index Contents Browse Options NoDef Max
    EXPECT_EQ(Picture(state), "ECCeCCEEEE");
    EXPECT_EQ(state.Sum(), 1024 + 2048 + 8192 + 16384);
}

TEST(ButtonsState, MainWithDefaultButtons) {
    ButtonsState state;
    state.Open("0", "main");
    EXPECT_FALSE(state.Checked(F::NoDefaultButtons));
    for (F flag : {F::Contents, F::Index, F::Print, F::Back}) {
        EXPECT_TRUE(state.Checked(flag));
        EXPECT_FALSE(state.Enabled(flag));
    }
    EXPECT_FALSE(state.Checked(F::HelpTopics));
    EXPECT_FALSE(state.Enabled(F::HelpTopics));
    EXPECT_EQ(Picture(state), "EcceccEEEE");
    // The greyed default buttons count as ticked.
    EXPECT_EQ(state.Sum(), 1024 + 2048 + 8192 + 16384);
    EXPECT_EQ(state.Sum(), 27648);
}

TEST(ButtonsState, OtherNameWithDefaultButtons) {
    ButtonsState state;
    state.Open("0", "glossary");
    EXPECT_TRUE(state.Checked(F::NoDefaultButtons));
    for (F flag : {F::Contents, F::Index, F::Print, F::Back, F::HelpTopics}) {
        EXPECT_FALSE(state.Checked(flag));
        EXPECT_TRUE(state.Enabled(flag));
    }
    EXPECT_EQ(state.Sum(), 4);
}

TEST(ButtonsState, NameCompareIsExact) {
    ButtonsState state;
    state.Open("0", "Main");
    EXPECT_TRUE(state.Checked(F::NoDefaultButtons));
}

TEST(ButtonsState, GreedyDecomposition) {
    ButtonsState state;
    state.Open("28932", "main");  // 16384 + 8192 + 4096 + 256 + 4
    EXPECT_EQ(Picture(state), "ECCCeeECCE");
    EXPECT_EQ(state.Sum(), 28932);
}

TEST(ButtonsState, DecompositionIgnoresTheName) {
    ButtonsState named;
    named.Open("28932", "other");
    ButtonsState main;
    main.Open("28932", "main");
    EXPECT_EQ(Picture(named), Picture(main));
}

TEST(ButtonsState, HelpTopicsWithContentsOpensWithContentsCleared) {
    ButtonsState state;
    state.Open("5124", "w");  // 4096 + 1024 + 4
    EXPECT_TRUE(state.Checked(F::HelpTopics));
    EXPECT_FALSE(state.Checked(F::Contents));
    EXPECT_FALSE(state.Enabled(F::Contents));
    EXPECT_EQ(state.Sum(), 4100);
}

TEST(ButtonsState, FlagsWithoutNoDefaultsGreyTheDefaultButtons) {
    ButtonsState state;
    state.Open("33281", "w");  // 32768 + 512 + 1
    EXPECT_EQ(Picture(state), "CeeEeeCEEC");
    EXPECT_EQ(state.Sum(), 33281);
}

TEST(ButtonsState, RemainderBelowOneIsDropped) {
    ButtonsState state;
    // 2 and 3 hold no flag but 1; what is left over is dropped.
    state.Open("3", "w");
    EXPECT_EQ(state.Sum(), 1);
    state.Open("-4", "w");
    EXPECT_EQ(state.Sum(), 0);
    state.Open("70000", "w");  // more than all flags together
    EXPECT_TRUE(state.Checked(F::Find));
    EXPECT_TRUE(state.Checked(F::Back));
}

TEST(ButtonsState, NonNumberFails) {
    ButtonsState state;
    EXPECT_THROW(state.Open("x", "w"), ConvertError);
    EXPECT_THROW(state.Open("", "w"), ConvertError);
}

TEST(ButtonsState, TickingHelpTopicsClearsAndDisablesContentsAndIndex) {
    ButtonsState state;
    state.Open("0", "second");
    state.Click(F::HelpTopics, true);
    EXPECT_FALSE(state.Checked(F::Contents));
    EXPECT_FALSE(state.Checked(F::Index));
    EXPECT_FALSE(state.Enabled(F::Contents));
    EXPECT_FALSE(state.Enabled(F::Index));
    state.Click(F::HelpTopics, false);
    EXPECT_TRUE(state.Enabled(F::Contents));
    EXPECT_TRUE(state.Enabled(F::Index));
    state.Click(F::Contents, true);
    EXPECT_TRUE(state.Checked(F::Contents));
    EXPECT_FALSE(state.Enabled(F::HelpTopics));
    state.Click(F::Contents, false);
    EXPECT_TRUE(state.Enabled(F::HelpTopics));
    state.Click(F::Index, true);
    EXPECT_FALSE(state.Enabled(F::HelpTopics));
}

TEST(ButtonsState, ClearingNoDefaultsRestoresTheDefaultButtons) {
    ButtonsState state;
    state.Open("0", "second");
    state.Click(F::HelpTopics, true);
    state.Click(F::NoDefaultButtons, false);
    EXPECT_EQ(Picture(state), "EcceccEEEE");
    state.Click(F::NoDefaultButtons, true);
    EXPECT_EQ(Picture(state), "EEEEEEEECE");
}

TEST(ButtonCaptions, AsTheBoxesRead) {
    EXPECT_EQ(ButtonFlagCaption(F::NoDefaultButtons), "No default buttons");
    EXPECT_EQ(ButtonFlagCaption(F::HelpTopics), "Help Topics");
    EXPECT_EQ(ButtonFlagCaption(F::Maximized), "Window maximized");
}

}  // namespace
}  // namespace scrivlet
