#include <gtest/gtest.h>

#include "help/html/code_page.h"
#include "help/html/file_names.h"
#include "help/html/html_text.h"
#include "help/html/web_macro.h"

namespace scrivlet::help::html {
namespace {

TEST(HtmlFileNames, AreSafeUniqueWithoutRegardToCaseAndNeverTheSitesOwn) {
    FileNames names;
    EXPECT_EQ(names.Take("welcome", ".html"), "welcome.html");
    EXPECT_EQ(names.Take("WELCOME", ".html"), "WELCOME-2.html");
    EXPECT_EQ(names.Take("index", ".html"), "index-2.html");
    EXPECT_EQ(names.Take("Keywords", ".html"), "Keywords-2.html");
    EXPECT_EQ(names.Take("a/b\\..c d", ".html"), "a_b_c_d.html");
    EXPECT_EQ(names.Take("../../etc/passwd", ".html"), "_etc_passwd.html");
    EXPECT_EQ(names.Take("\xE9t\xE9", ".html"), "_t_.html");
    EXPECT_EQ(names.Take("...", ".html"), "page.html");
    EXPECT_EQ(names.Take("", ".html"), "page-2.html");
    EXPECT_EQ(SafeStem(std::string(100, 'x')).size(), 64U);
}

TEST(HtmlCodePage, TurnsEachCharacterSetsBytesIntoUtf8) {
    std::string out;
    AppendUtf8(out, "\x80 \xE9 \x81", 1252);
    EXPECT_EQ(out, "\xE2\x82\xAC \xC3\xA9 \xC2\x81");
    out.clear();
    AppendUtf8(out, "\xC0\xFF", CodePageOfCharset(204));
    EXPECT_EQ(out, "\xD0\x90\xD1\x8F");  // Cyrillic A and ya
    out.clear();
    AppendUtf8(out, "\xA3\xB9", CodePageOfCharset(238));
    EXPECT_EQ(out, "\xC5\x81\xC4\x85");  // L with stroke, a with ogonek
    EXPECT_EQ(CodePageOfCharset(0), 1252);
    EXPECT_EQ(CodePageOfCharset(2), 1252);
    EXPECT_FALSE(IsConvertibleCodePage(CodePageOfCharset(128)));
}

TEST(HtmlText, EscapesAndDropsWhatHtmlCannotHold) {
    EXPECT_EQ(Escaped("a<b>&\"c\"\x01\x7F\xC2\x81z\t"), "a&lt;b&gt;&amp;&quot;c&quot;z\t");
    EXPECT_EQ(JsString("say \"hi\"\\</script>\n\xE2\x80\xA8."),
              "say \\\"hi\\\"\\\\\\x3c/script>  .");
}

TEST(HtmlText, FoldsCaseAndSplitsWordsAsTheSearchScriptDoes) {
    EXPECT_EQ(FoldCase("ABC \xC3\x89t\xC3\xA9 \xD0\x90\xD0\x81 \xC5\x81"),
              "abc \xC3\xA9t\xC3\xA9 \xD0\xB0\xD1\x91 \xC5\x82");
    EXPECT_EQ(Words("Don't stop\xE2\x80\x94go: A4 x \xC3\x89t\xC3\xA9!"),
              (std::vector<std::string>{"don", "stop", "go", "a4", "\xC3\xA9t\xC3\xA9"}));
}

TEST(HtmlWebMacro, KeepsWhatABrowserCanDoAndRefusesTheRest) {
    const struct {
        const char* macro;
        bool web;
        WebMacro::Kind kind;
        const char* argument;
        const char* file;
    } cases[] = {
        {"JumpId(\"\", \"intro\")", true, WebMacro::Kind::Jump, "intro", ""},
        {"JI(`other.hlp', `intro')", true, WebMacro::Kind::Jump, "intro", "other.hlp"},
        {"ji(qchPath, \"x\")", true, WebMacro::Kind::Jump, "x", ""},
        {"PI(, glossary)", true, WebMacro::Kind::Popup, "glossary", ""},
        {"PositionWindow(0,0,10,10,0,\"main\"); JumpContents(\"\")", true, WebMacro::Kind::Contents,
         "", ""},
        {"KLink(printing; paper, 1)", true, WebMacro::Kind::Keyword, "printing", ""},
        {"Search()", true, WebMacro::Kind::Search, "", ""},
        {"Back()", true, WebMacro::Kind::Back, "", ""},
        {"ExecFile(notepad.exe)", false, {}, "", ""},
        {"JumpId(a, b); ExecFile(x)", false, {}, "", ""},
        {"JumpId(a)", false, {}, "", ""},
        {"", false, {}, "", ""},
    };
    for (const auto& c : cases) {
        const auto web = WebMacroOf(c.macro);
        ASSERT_EQ(web.has_value(), c.web) << c.macro;
        if (web) {
            EXPECT_EQ(web->kind, c.kind) << c.macro;
            EXPECT_EQ(web->argument, c.argument) << c.macro;
            EXPECT_EQ(web->file, c.file) << c.macro;
        }
    }
}

}  // namespace
}  // namespace scrivlet::help::html
