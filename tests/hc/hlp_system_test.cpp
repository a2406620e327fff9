// |SYSTEM records beyond the project's texts (locale, character set, icon)
// and the |CF<n> files of window macros, through the independent reader.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/util/file_io.h"
#include "hc/compile.h"
#include "hc/hlp/hlp_writer.h"
#include "hlp_reader/hlp_reader.h"

namespace scrivlet::hc {
namespace {

namespace fs = std::filesystem;

class SystemProject : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / "scrivlet_hlp_system";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        WriteFileBytes(
            folder_ / "t.rtf",
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial CE;}"
            "{\\f1\\froman\\fcharset238 Times CE;}{\\f2\\ftech\\fcharset2 Symbol;}"
            "{\\f3\\fmodern\\fcharset0 Courier;}}\r\n"
            "#{\\footnote intro}${\\footnote S}\\pard\\f0 A\\f1 b\\f2 c\\f3 d\\par\r\n}");
    }
    void TearDown() override { fs::remove_all(folder_); }

    // The SYSTEM part of the dump, the |CF files' part, and the log.
    std::string Build(const std::string& options, const std::string& sections,
                      std::vector<std::string>* log = nullptr) {
        WriteFileBytes(folder_ / "p.hpj", "[OPTIONS]\r\nTITLE=S\r\nHLP=p.hlp\r\nREPORT=Yes\r\n" +
                                              options + "[FILES]\r\nt.rtf\r\n" + sections);
        CompileResult result = CompileHelpProject(folder_ / "p.hpj");
        const std::vector<std::string> lines = hlp::WriteHelpFileAndLog(result);
        if (log != nullptr)
            *log = lines;
        const auto bytes = ReadFileBytes(folder_ / "p.hlp");
        if (!bytes)
            return "no help file";
        const std::string dump = test::HlpReader(*bytes).Dump();
        const std::size_t system = dump.find("SYSTEM 1.");
        std::string out = dump.substr(system, dump.find("FONTS") - system);
        const std::size_t macros = dump.find("WINDOW MACROS");
        if (macros != std::string::npos)
            out += dump.substr(macros, dump.find("TOPICS") - macros);
        return out;
    }

    fs::path folder_;
};

std::string Icon() {
    std::string ico("\0\0\1\0\1\0\x10\x10\0\0\1\0\x20\0\x28\0\0\0\x16\0\0\0", 22);
    return ico + std::string(40, '\x7F');
}

TEST_F(SystemProject, LocaleCharsetIconAndWindowMacros) {
    WriteFileBytes(folder_ / "help.ico", Icon());
    EXPECT_EQ(Build("LCID=0x407 0x1 0x2\r\nICON=HELP.ICO\r\n",
                    "[WINDOWS]\r\nmain=\"S\",,,,(r255)\r\nnote=\"N\",(1,2,3,4)\r\n"
                    "[CONFIG]\r\nBrowseButtons()\r\n[CONFIG-note]\r\nCloseWindow(\"main\")\r\n"
                    "Back()\r\n[CONFIG-MAIN]\r\nPrev()\r\n"),
              "SYSTEM 1.33 flags 0\n"
              "  title \"S\"\n"
              "  contents 00000000\n"
              "  macro \"BrowseButtons()\"\n"
              "  window flags 00000207 main main \"S\" (0,0,0,0) state 0 colours 00FFFFFF "
              "000000FF\n"
              "  window flags 0000007F secondary note \"N\" (1,2,3,4) state 0 colours 00FFFFFF "
              "00FFFFFF\n"
              "  lcid 0x407 0x1 0x2\n"
              "  charset 238\n"
              "  icon of 1 images, first 16x16 40 bytes at 22\n"
              "WINDOW MACROS 0\n"
              "  \"Prev()\"\n"
              "WINDOW MACROS 1\n"
              "  \"CloseWindow(\"main\")\"\n"
              "  \"Back()\"\n");
}

TEST_F(SystemProject, DefaultLocaleWithoutTheOption) {
    const std::string system = Build("", "");
    EXPECT_NE(system.find("  lcid 0x409 0x0 0x0\n  charset 238\n"), std::string::npos);
    EXPECT_EQ(system.find("icon"), std::string::npos);
    EXPECT_EQ(system.find("WINDOW MACROS"), std::string::npos);
}

TEST_F(SystemProject, UnusableIconIsAWarningAndNoIcon) {
    WriteFileBytes(folder_ / "bad.ico", "BM not an icon at all, just some bytes");
    WriteFileBytes(folder_ / "big.ico", Icon() + std::string(70000, '\0'));
    const std::pair<const char*, const char*> cases[] = {
        {"missing.ico", "was not found"},
        {"bad.ico", "is not an icon file"},
        {"big.ico", "is larger than 64 KB"},
    };
    for (const auto& [name, problem] : cases) {
        SCOPED_TRACE(name);
        std::vector<std::string> log;
        const std::string system = Build(std::string("ICON=") + name + "\r\n", "", &log);
        EXPECT_EQ(system.find("icon"), std::string::npos);
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front(), std::string("HC5003: Warning: p.hpj, line 5: The icon file \"") +
                                   name + "\" " + problem + "; the help file has no icon.");
        EXPECT_EQ(log.back().rfind("Created p.hlp, ", 0), 0u);
    }
}

}  // namespace
}  // namespace scrivlet::hc
