#include <gtest/gtest.h>

#include "help/viewer_macro.h"

namespace scrivlet::help {
namespace {

TEST(ViewerMacro, CallsWithQuotedAndBareArguments) {
    const MacroParse parse = ParseMacros(
        "JI(`other.hlp>note', `IDH_Start'); pi(\"\", \"a,b\") : Back ; CB(btn, "
        "\"&Go\", `JC(`', 12)')");
    ASSERT_EQ(parse.error, "");
    ASSERT_EQ(parse.calls.size(), 4u);
    EXPECT_EQ(parse.calls[0],
              (MacroCall{MacroKind::JumpId, "JI", {"other.hlp>note", "IDH_Start"}}));
    EXPECT_EQ(parse.calls[1], (MacroCall{MacroKind::PopupId, "pi", {"", "a,b"}}));
    EXPECT_EQ(parse.calls[2], (MacroCall{MacroKind::Back, "Back", {}}));
    EXPECT_EQ(parse.calls[3],
              (MacroCall{MacroKind::CreateButton, "CB", {"btn", "&Go", "JC(`', 12)"}}))
        << "quotes nest inside `...'";
}

TEST(ViewerMacro, NamesWithoutRegardToCaseAndUnknownMacros) {
    const MacroParse parse = ParseMacros("JUMPKEYWORD(`', `print'); ef(`x'); Search(); Annotate");
    ASSERT_EQ(parse.error, "");
    ASSERT_EQ(parse.calls.size(), 4u);
    EXPECT_EQ(parse.calls[0].kind, MacroKind::JumpKeyword);
    EXPECT_EQ(parse.calls[0].args, (std::vector<std::string>{"", "print"}));
    EXPECT_EQ(parse.calls[1].kind, MacroKind::ExecFile);
    EXPECT_EQ(parse.calls[2].kind, MacroKind::Unsupported);
    EXPECT_EQ(parse.calls[3].kind, MacroKind::Unsupported);
    EXPECT_EQ(UnsupportedMacroMessage(parse.calls[2].name), "The macro Search is not supported");
}

TEST(ViewerMacro, BrokenStringsNameTheirFault) {
    EXPECT_EQ(ParseMacros("JI(`a.hlp', `x'").error, "Missing \")\" in JI");
    EXPECT_EQ(ParseMacros("JI(`a.hlp").error, "Missing closing quote");
    EXPECT_EQ(ParseMacros("JI(\"a.hlp").error, "Missing closing quote");
    EXPECT_EQ(ParseMacros("Back() Next()").error, "Expected \";\" after Back");
    EXPECT_EQ(ParseMacros("(`x')").error, "Macro name expected at \"(`x')\"");
    EXPECT_EQ(ParseMacros("JI(`a' `b')").error, "Expected \",\" or \")\" in JI");
    EXPECT_EQ(ParseMacros("JI(a,").error, "Argument expected");
    // Calls before the fault are kept; blanks alone are no macro at all.
    EXPECT_EQ(ParseMacros("Back(); JI(").calls.size(), 1u);
    EXPECT_TRUE(ParseMacros("  ; ").calls.empty());
}

TEST(ViewerMacro, FileAndWindow) {
    const FileAndWindow both = SplitFileAndWindow("ref.hlp>note");
    EXPECT_EQ(both.file, "ref.hlp");
    EXPECT_EQ(both.window, "note");
    const FileAndWindow onlyWindow = SplitFileAndWindow(">note");
    EXPECT_EQ(onlyWindow.file, "");
    EXPECT_EQ(onlyWindow.window, "note");
    EXPECT_EQ(SplitFileAndWindow("ref.hlp").window, "");
}

}  // namespace
}  // namespace scrivlet::help
