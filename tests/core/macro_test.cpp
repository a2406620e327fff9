#include <gtest/gtest.h>

#include <set>

#include "core/macros/macro_scan.h"
#include "core/macros/macro_table.h"
#include "core/util/convert.h"

namespace scrivlet {
namespace {

TEST(MacroTable, FindsNamesAndAbbreviationsInAnyCase) {
    ASSERT_NE(FindMacro("BrowseButtons"), nullptr);
    EXPECT_EQ(FindMacro("browsebuttons")->name, "BrowseButtons");
    EXPECT_EQ(FindMacro("JI")->name, "JumpId");
    EXPECT_EQ(FindMacro("ji")->name, "JumpId");
    EXPECT_EQ(FindMacro("cb")->name, "CreateButton");
    EXPECT_EQ(FindMacro("SPC")->name, "SetPopupColor");
    EXPECT_EQ(FindMacro("KLink")->abbreviation, "KL");
    EXPECT_EQ(FindMacro("NoSuchMacro"), nullptr);
    EXPECT_EQ(FindMacro(""), nullptr);
    EXPECT_EQ(FindMacro("JumpI"), nullptr);
}

TEST(MacroTable, NamesAndAbbreviationsAreUnique) {
    std::set<std::string> seen;
    for (std::size_t i = 0; i < MacroCount(); ++i) {
        const MacroInfo& macro = MacroAt(i);
        EXPECT_TRUE(seen.insert(UpperAscii(macro.name)).second) << macro.name;
        if (!macro.abbreviation.empty()) {
            EXPECT_TRUE(seen.insert(UpperAscii(macro.abbreviation)).second) << macro.abbreviation;
        }
    }
    EXPECT_GT(MacroCount(), 80u);
}

std::vector<std::string> Names(const MacroScan& scan) {
    std::vector<std::string> names;
    for (const MacroCall& call : scan.calls) {
        names.push_back(call.name + (call.nested ? "*" : ""));
    }
    return names;
}

TEST(MacroScan, ReadsMacroStrings) {
    const MacroScan scan = ScanMacros("Contents();Exit();");
    EXPECT_EQ(scan.fault, "");
    EXPECT_EQ(Names(scan), (std::vector<std::string>{"Contents", "Exit"}));
    EXPECT_EQ(scan.calls[1].offset, 11u);
    EXPECT_EQ(Names(ScanMacros("  Back() : Next ( )  ")),
              (std::vector<std::string>{"Back", "Next"}));
    EXPECT_TRUE(ScanMacros("").calls.empty());
    EXPECT_TRUE(ScanMacros(" ; ;").calls.empty());
}

TEST(MacroScan, FindsNestedMacrosInQuotedArguments) {
    const MacroScan scan =
        ScanMacros("CreateButton(\"btn_time\", \"&Time\", \"ExecProgram(`clock', 0)\")");
    EXPECT_EQ(scan.fault, "");
    EXPECT_EQ(Names(scan), (std::vector<std::string>{"CreateButton", "ExecProgram*"}));
    const MacroScan ifThen = ScanMacros("IfThen(IsMark(\"m\"), \"GotoMark(`m')\")");
    EXPECT_EQ(Names(ifThen), (std::vector<std::string>{"IfThen", "IsMark*", "GotoMark*"}));
}

TEST(MacroScan, DoesNotTakeWordsInPathsForMacros) {
    const MacroScan scan = ScanMacros("ExecFile(\"notes/a(b).txt\", \"\", 1, \"\")");
    EXPECT_EQ(Names(scan), (std::vector<std::string>{"ExecFile"}));
    // Parentheses inside quotes do not close the argument list.
    EXPECT_EQ(ScanMacros("JumpId(\"x.hlp\", \"a)b\");Back()").fault, "");
}

TEST(MacroScan, ReportsTheFirstFault) {
    EXPECT_EQ(ScanMacros("Exit").fault, "\"(\" is missing after Exit");
    EXPECT_EQ(ScanMacros("Exit(").fault, "\")\" is missing after the arguments of Exit");
    EXPECT_EQ(ScanMacros("JumpId(\"a.hlp").fault, "a quoted argument of JumpId is not closed");
    EXPECT_EQ(ScanMacros("Back() Next()").fault, "\";\" is missing after Back");
    EXPECT_EQ(ScanMacros("42()").fault, "a macro name was expected at \"42()\"");
    // The macros before a fault are still listed.
    EXPECT_EQ(Names(ScanMacros("Back();Exit")), (std::vector<std::string>{"Back", "Exit"}));
}

TEST(MacroScan, CollectsRegisteredRoutines) {
    const MacroScan scan =
        ScanMacros("RegisterRoutine(\"mylib.dll\", \"MyMacro\", \"S\");RR(`x.dll', `Other', `')");
    EXPECT_EQ(scan.registered, (std::vector<std::string>{"MyMacro", "Other"}));
}

TEST(MacroScan, SurvivesDeepNestingAndLongInput) {
    std::string deep = "IfThen(" + std::string(10000, '(') + std::string(10000, ')') + ")";
    EXPECT_EQ(ScanMacros(deep).fault, "");
    std::string many;
    for (int i = 0; i < 2000; ++i) {
        many += "Back();";
    }
    EXPECT_EQ(ScanMacros(many).calls.size(), 2000u);
}

}  // namespace
}  // namespace scrivlet
