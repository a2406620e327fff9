#pragma once

// Helpers shared by the project file tests.

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "core/model/project.h"

namespace scrivlet::projectfile_test {

// The lines joined with CR LF after each, as the writer ends them.
inline std::string CrLf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (auto line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

// A header as the writer produces it for a project with default settings and
// empty lists, followed by "[TOPICS]".
inline std::string DefaultHeader() {
    return CrLf({"[PROJECT]",  "12",        "TITLE=",     "HELP=",   "CNT=",     "COPYRIGHT=",
                 "CITATION=",  "CONTENTS=", "COMPRESS=1", "ERROR=1", "SHOW=1",   "INCLUDE=",
                 "EXCLUDE=",   "TEMPLATE=", "[WINDOWS]",  "0",       "[CONFIG]", "0",
                 "[BMPROOTS]", "0",         "[FILES]",    "0",       "[TOPICS]"});
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder under the system's temporary folder, removed at the end.
class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("scrivlet-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// A project with every setting, list and topic field set to a distinct
// value, for round trips.
inline Project FullProject() {
    Project p;
    p.HelpTitle = "My Help";
    p.HelpFileName = ".\\out\\my.hlp";
    p.ContentsFileName = "my.cnt";
    p.Copyright = "Copyright \xa9 2026 Somebody";
    p.Citation = "Quoted from My Help";
    p.DefaultTopic = "intro";
    p.Compress = false;
    p.ShowErrorLog = false;
    p.ShowHelpAfterCompile = true;
    p.IncludeTag = "final";
    p.ExcludeTag = "draft";
    p.TemplateFile = "C:\\templates\\topic.rtf";
    p.WindowDefs = {"main=\"Main\",(10,20,500,600),16384,(r16777215),(r12648447),0",
                    "pop=\"\",,4,(r0),(r0),1"};
    p.ConfigMacros = {"BrowseButtons()", "CreateButton(\"x\",\"&X\",\"Exit()\")"};
    p.BitmapRoots = {"C:\\pics\\", "", "D:\\art\\"};
    p.RtfFiles = {"extra.rtf"};

    TTopic first;
    first.TopicID = 10;
    first.Title = "Introduction";
    first.ContextString = "intro";
    first.Keywords = "start;intro";
    first.AKeywords = "first";
    first.BuildTag = "final";
    first.BrowseSeq = "main:010";
    first.Window = "main";
    first.EntryMacro = "CloseWindow(\"pop\")";
    first.Comment = "Done";
    first.Text = {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}",
                  "{\\colortbl\\red0\\green0\\blue0;}",
                  "\\deflang1033\\pard\\plain\\f0\\fs22 Hello \\'e9", "", "\\par }"};
    p.Topics.Add(std::move(first));

    TTopic second;
    second.TopicID = -5;
    second.Title = "a=b=c";
    second.ContextString = "";
    second.Comment = "";
    p.Topics.Add(std::move(second));

    TTopic third;
    third.TopicID = 2147483647;
    third.Title = "Last";
    third.ContextString = "last";
    // Inside the text, lines that look like field lines are text.
    third.Text = {"{x}", "C=99", "T=not a title", " ~ not an end", "\\par }"};
    p.Topics.Add(std::move(third));
    return p;
}

}  // namespace scrivlet::projectfile_test
