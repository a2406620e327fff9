#include <gtest/gtest.h>

#include "core/util/errors.h"
#include "core/windows/color_ref.h"
#include "core/windows/key_filters.h"
#include "core/windows/window_def.h"

namespace scrivlet {
namespace {

TEST(ParseWindowDef, FullLine) {
    const WindowDef def =
        ParseWindowDef("proc4=\"Procedures\",(653,102,360,600),16644,(r14876671),(r12632256),1");
    EXPECT_EQ(def.WindowName, "proc4");
    EXPECT_EQ(def.WindowCaption, "Procedures");
    EXPECT_EQ(def.WindowPosition, "653,102,360,600");
    EXPECT_EQ(def.ButtonFlags, "16644");
    EXPECT_EQ(def.ScrollColor, "14876671");
    EXPECT_EQ(def.FixedColor, "12632256");
    EXPECT_EQ(def.StayOnTop, 1);
}

TEST(ParseWindowDef, EmptyPositionBecomesUnset) {
    const WindowDef def = ParseWindowDef("main=\"\",,0,(r16777215),(r16777215),0");
    EXPECT_EQ(def.WindowName, "main");
    EXPECT_EQ(def.WindowCaption, "");
    EXPECT_EQ(def.WindowPosition, "-1,-1,-1,-1");
    EXPECT_EQ(def.ButtonFlags, "0");
    EXPECT_EQ(def.ScrollColor, "16777215");
    EXPECT_EQ(def.FixedColor, "16777215");
    EXPECT_EQ(def.StayOnTop, 0);
}

TEST(ParseWindowDef, NewLines) {
    const WindowDef main = ParseWindowDef(kMainWindowLine);
    EXPECT_EQ(main.WindowName, "main");
    EXPECT_EQ(main.WindowPosition, "-1,-1,-1,-1");
    EXPECT_EQ(main.StayOnTop, 0);
    const WindowDef added = ParseWindowDef(kNewWindowLine);
    EXPECT_EQ(added.WindowName, "new");
    EXPECT_EQ(added.StayOnTop, 1);
    EXPECT_EQ(NewWindowLine(0), kMainWindowLine);
    EXPECT_EQ(NewWindowLine(1), kNewWindowLine);
    EXPECT_EQ(NewWindowLine(49), kNewWindowLine);
}

TEST(ParseWindowDef, FlagsTakeFirstCharacterThenDigits) {
    // The first character is taken whatever it is; digits follow it.
    const WindowDef def = ParseWindowDef("a=\"c\",,x12,(r1),(r2),1");
    EXPECT_EQ(def.ButtonFlags, "x12");
    EXPECT_EQ(def.ScrollColor, "1");
    EXPECT_EQ(def.FixedColor, "2");
}

TEST(ParseWindowDef, ColourDropsNonDigits) {
    const WindowDef def = ParseWindowDef("a=\"c\",,4,(r12 3x4),(rgb),0");
    EXPECT_EQ(def.ScrollColor, "1234");
    EXPECT_EQ(def.FixedColor, "");
}

TEST(ParseWindowDef, StayOnTopReadsOneCharacter) {
    EXPECT_EQ(ParseWindowDef("a=\"\",,0,(r1),(r2),17").StayOnTop, 1);
    EXPECT_EQ(ParseWindowDef("a=\"\",,0,(r1),(r2),0").StayOnTop, 0);
    EXPECT_EQ(ParseWindowDef("a=\"\",,0,(r1),(r2),x").StayOnTop, 0);
}

TEST(ParseWindowDef, CaptionWithoutClosingQuoteRunsToTheEnd) {
    const WindowDef def = ParseWindowDef("w=\"Open caption");
    EXPECT_EQ(def.WindowName, "w");
    EXPECT_EQ(def.WindowCaption, "Open caption");
    EXPECT_EQ(def.WindowPosition, "-1,-1,-1,-1");
    EXPECT_EQ(def.ButtonFlags, "");
    EXPECT_EQ(def.ScrollColor, "");
}

TEST(ParseWindowDef, ShortAndOddLinesNeverFail) {
    EXPECT_EQ(ParseWindowDef("").WindowName, "");
    EXPECT_EQ(ParseWindowDef("noequals").WindowName, "noequals");
    EXPECT_EQ(ParseWindowDef("main=").WindowCaption, "");
    EXPECT_EQ(ParseWindowDef("main=\"").WindowCaption, "");
    const WindowDef def = ParseWindowDef("w=\"t\",(1,2,3");
    EXPECT_EQ(def.WindowPosition, "1,2,3");
    EXPECT_EQ(def.ButtonFlags, "");
    // The caption begins two characters after the name whatever stands there.
    EXPECT_EQ(ParseWindowDef("w=Xcap\",,0,(r1),(r1),0").WindowCaption, "cap");
}

TEST(ParseWindowDef, PartsAreCutTo255) {
    const std::string caption(300, 'c');
    const WindowDef def = ParseWindowDef("w=\"" + caption + "\",,0,(r1),(r1),0");
    EXPECT_EQ(def.WindowCaption.size(), 255u);
}

TEST(BuildWindowDef, PositionsAreKeptInsideTheHelpUnits) {
    WindowFields fields =
        FieldsOfWindowDef(ParseWindowDef("main=\"M\",(10,20,500,600),0,(r0),(r0),0"));
    EXPECT_EQ(BuildWindowDef(fields), "main=\"M\",(10,20,500,600),0,(r0),(r0),0");
    fields.X = "-5";
    fields.W = "99999999";
    fields.H = "1024";
    EXPECT_EQ(BuildWindowDef(fields), "main=\"M\",(0,20,1023,1023),0,(r0),(r0),0");
}

TEST(WindowNameOf, TextBeforeFirstEquals) {
    EXPECT_EQ(WindowNameOf("main=\"a=b\""), "main");
    EXPECT_EQ(WindowNameOf("=x"), "");
}

TEST(WindowNames, BlanksEmptyNamesAndDuplicatesAreRefused) {
    const std::vector<std::string> defs{"main=\"M\",,0,(r0),(r0),0",
                                        "Glossary=\"G\",,0,(r0),(r0),1",
                                        "main=\"again\",,0,(r0),(r0),0"};
    EXPECT_EQ(WindowNameRefusal(defs, 1, "terms"), "");
    EXPECT_EQ(WindowNameRefusal(defs, 1, "my terms"),
              "The window name \"my terms\" holds a blank; a window name is one word. The window "
              "keeps its name \"Glossary\".");
    EXPECT_EQ(WindowNameRefusal(defs, 1, "terms\t"),
              "The window name \"terms\t\" holds a blank; a window name is one word. The window "
              "keeps its name \"Glossary\".");
    EXPECT_EQ(WindowNameRefusal(defs, 1, "MAIN"),
              "There is already a window named \"main\". The window keeps its name \"Glossary\".");
    EXPECT_EQ(WindowNameRefusal(defs, 1, ""),
              "A window needs a name. The window keeps its name \"Glossary\".");
    // A name the list was read with stands, duplicate or not: it can be edited.
    EXPECT_EQ(WindowNameRefusal(defs, 2, "main"), "");
    EXPECT_EQ(WindowNameRefusal(defs, 2, "glossary"),
              "There is already a window named \"Glossary\". The window keeps its name \"main\".");
}

TEST(WindowNames, AddedWindowsGetANameOfTheirOwn) {
    std::vector<std::string> defs;
    for (const char* expected : {"main=\"\",(-1,-1,-1,-1),0,(r16777215),(r16777215),0",
                                 "new=\"\",(-1,-1,-1,-1),0,(r16777215),(r16777215),1",
                                 "new2=\"\",(-1,-1,-1,-1),0,(r16777215),(r16777215),1",
                                 "new3=\"\",(-1,-1,-1,-1),0,(r16777215),(r16777215),1"}) {
        defs.push_back(AddedWindowLine(defs));
        EXPECT_EQ(defs.back(), expected);
    }
    defs.erase(defs.begin() + 1);  // "new" is free again
    EXPECT_EQ(WindowNameOf(AddedWindowLine(defs)), "new");
}

TEST(FieldsOfWindowDef, SplitsPositionAndConvertsColours) {
    const WindowFields fields =
        FieldsOfWindowDef(ParseWindowDef("sec=\"Second\",(10,20,300,400),4,(r255),(r65280),1"));
    EXPECT_EQ(fields.Name, "sec");
    EXPECT_EQ(fields.Caption, "Second");
    EXPECT_EQ(fields.X, "10");
    EXPECT_EQ(fields.Y, "20");
    EXPECT_EQ(fields.W, "300");
    EXPECT_EQ(fields.H, "400");
    EXPECT_EQ(fields.Buttons, "4");
    EXPECT_EQ(fields.ScrollColor, 255);
    EXPECT_EQ(fields.FixedColor, 65280);
    EXPECT_TRUE(fields.StayOnTop);
}

TEST(FieldsOfWindowDef, MissingColourFailsWithInvalidInteger) {
    const WindowDef def = ParseWindowDef("bad=\"x\",,0,(r),(r5),0");
    try {
        FieldsOfWindowDef(def);
        FAIL() << "no error";
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value.");
    }
}

TEST(BuildWindowDef, FirstWindowStoredWithEmptyPosition) {
    const WindowFields fields = FieldsOfWindowDef(ParseWindowDef(kMainWindowLine));
    EXPECT_EQ(fields.X, "-1");
    EXPECT_EQ(fields.H, "-1");
    EXPECT_EQ(fields.Buttons, "0");
    EXPECT_FALSE(fields.StayOnTop);
    EXPECT_EQ(BuildWindowDef(fields), "main=\"\",,0,(r16777215),(r16777215),0");
}

TEST(BuildWindowDef, SecondWindowStaysOnTop) {
    const WindowFields fields = FieldsOfWindowDef(ParseWindowDef(kNewWindowLine));
    EXPECT_TRUE(fields.StayOnTop);
    EXPECT_EQ(BuildWindowDef(fields), "new=\"\",,0,(r16777215),(r16777215),1");
}

TEST(BuildWindowDef, PositionWrittenOnlyWhenValid) {
    WindowFields fields;
    fields.Name = "pos";
    fields.Caption = "Placed";
    fields.X = "0";
    fields.Y = "0";
    fields.W = "512";
    fields.H = "1023";
    fields.Buttons = "4";
    fields.ScrollColor = 255;
    fields.FixedColor = 0;
    EXPECT_EQ(BuildWindowDef(fields), "pos=\"Placed\",(0,0,512,1023),4,(r255),(r0),0");
    fields.H = "0";
    EXPECT_EQ(BuildWindowDef(fields), "pos=\"Placed\",,4,(r255),(r0),0");
    fields.H = "10";
    fields.W = "";
    EXPECT_FALSE(PositionIsWritten(fields));
    fields.W = "5";
    fields.Y = "-1";
    EXPECT_FALSE(PositionIsWritten(fields));
    // x has no test of its own, but is kept inside the help units.
    fields.Y = "0";
    fields.X = "-20";
    EXPECT_EQ(BuildWindowDef(fields), "pos=\"Placed\",(0,0,5,10),4,(r255),(r0),0");
}

TEST(BuildWindowDef, NonIntegerPositionFails) {
    WindowFields fields;
    fields.Name = "p";
    fields.X = "1";
    fields.Y = "2a";
    fields.W = "3";
    fields.H = "4";
    try {
        BuildWindowDef(fields);
        FAIL() << "no error";
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "'2a' is not a valid integer value.");
    }
    fields.Y = "2";
    fields.X = "x";
    EXPECT_THROW(BuildWindowDef(fields), ConvertError);
}

TEST(BuildWindowDef, RoundTripsItsOwnLines) {
    for (const char* line :
         {"main=\"Main help\",(0,0,1023,1023),0,(r16777215),(r12632256),0",
          "glossary=\"\",,16644,(r14876671),(r0),1", "w=\"a, b\",(5,1,2,3),1,(r1),(r2),0"}) {
        EXPECT_EQ(BuildWindowDef(FieldsOfWindowDef(ParseWindowDef(line))), line);
    }
}

TEST(ColorRef, RedInTheLowByte) {
    EXPECT_EQ(RgbOfColorRef(255), (RgbColor{255, 0, 0}));
    EXPECT_EQ(RgbOfColorRef(16711680), (RgbColor{0, 0, 255}));
    EXPECT_EQ(ColorRefOf(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(ColorRefOf(255, 255, 255), 16777215);
}

TEST(ColorRef, PresetCustomColourIsLightYellow) {
    const int32_t value = CustomColorValue(kCustomColorSetting);
    EXPECT_EQ(value, 0xE2FFFF);
    EXPECT_EQ(RgbOfColorRef(value), (RgbColor{255, 255, 0xE2}));
    EXPECT_EQ(CustomColorValue("ColorA="), -1);
    EXPECT_EQ(CustomColorValue("ColorA=XYZ"), -1);
}

TEST(KeyFilters, WindowNameTakesEightCharacters) {
    EXPECT_TRUE(WindowFieldAcceptsKey('a', 7, kMaxWindowNameLength));
    EXPECT_FALSE(WindowFieldAcceptsKey('a', 8, kMaxWindowNameLength));
    EXPECT_FALSE(WindowFieldAcceptsKey(' ', 8, kMaxWindowNameLength));
    EXPECT_TRUE(WindowFieldAcceptsKey(8, 8, kMaxWindowNameLength));  // backspace
    EXPECT_TRUE(WindowFieldAcceptsKey('x', 49, kMaxWindowCaptionLength));
    EXPECT_FALSE(WindowFieldAcceptsKey('x', 50, kMaxWindowCaptionLength));
}

TEST(KeyFilters, PositionFieldTakesDigitsOnly) {
    for (char c = '0'; c <= '9'; ++c) {
        EXPECT_TRUE(PositionFieldAcceptsKey(c));
    }
    for (int c : {' ', '-', '+', '/', ':', 'a', 'Z', '~', '.'}) {
        EXPECT_FALSE(PositionFieldAcceptsKey(c)) << c;
    }
    EXPECT_TRUE(PositionFieldAcceptsKey(8));
    EXPECT_TRUE(PositionFieldAcceptsKey(22));  // Ctrl+V
    EXPECT_TRUE(PositionFieldAcceptsKey(127));
}

TEST(KeyFilters, OptionsBoxes) {
    EXPECT_TRUE(OptionsBoxAcceptsKey('a', 49, kHelpTitleTypingLimit));
    EXPECT_FALSE(OptionsBoxAcceptsKey('a', 50, kHelpTitleTypingLimit));
    EXPECT_TRUE(OptionsBoxAcceptsKey(28, 50, kHelpTitleTypingLimit));
    EXPECT_FALSE(OptionsBoxAcceptsKey(29, 50, kHelpTitleTypingLimit));
    EXPECT_TRUE(OptionsBoxAcceptsKey(22, 300, kCopyrightTypingLimit));
    EXPECT_FALSE(OptionsBoxAcceptsKey('a', 255, kCopyrightTypingLimit));
}

}  // namespace
}  // namespace scrivlet
