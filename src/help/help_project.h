#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scrivlet::help {

// A value of the help project file and the line it came from (0 when the
// value was not written).
struct ProjectLine {
    std::string text;
    int line = 0;
    std::string file;  // the file it was read from, for an #include in [MAP]
};

struct MapEntry {
    std::string context;
    uint32_t number = 0;
    int line = 0;
    std::string file;
};

struct AliasEntry {
    std::string alias;
    std::string context;
    int line = 0;
};

// One [WINDOWS] line: name = "caption", (x, y, w, h), state, (scroll colour),
// (non-scrolling colour), on top. Every field after the name may be empty.
struct WindowDefinition {
    std::string name;
    std::string caption;
    std::optional<int32_t> x, y, width, height;  // help-screen units of 1/1024
    std::optional<uint32_t> buttons;
    std::optional<uint32_t> scrollColor;  // RGB with red in the low byte
    std::optional<uint32_t> fixedColor;
    std::optional<int32_t> onTop;
    int line = 0;
};

// Macros of [CONFIG] (window empty) or of [CONFIG-name] for one window.
struct ConfigMacro {
    std::string window;
    std::string macro;
    int line = 0;
};

// Everything the help project file (.hpj) says, read and checked line by line.
struct HelpProject {
    std::string fileName;  // as given on the command line, without folder

    // [OPTIONS]
    int compress = 0;  // 0 none; otherwise the level the file asked for
    bool report = false;
    ProjectLine errorLog;
    ProjectLine contents;
    ProjectLine title;
    ProjectLine cnt;
    ProjectLine copyright;
    ProjectLine citation;
    ProjectLine hlp;
    ProjectLine lcid;
    ProjectLine buildExpression;
    ProjectLine icon;
    std::vector<ProjectLine> bmRoots;
    std::vector<ProjectLine> roots;

    std::vector<ProjectLine> files;
    std::vector<MapEntry> map;
    std::vector<AliasEntry> aliases;
    std::vector<WindowDefinition> windows;
    std::vector<ConfigMacro> config;
    std::vector<ProjectLine> bitmaps;
    std::vector<ProjectLine> buildTags;
    std::vector<ProjectLine> includeTags;
    std::vector<ProjectLine> excludeTags;

    // CHARSET: the character set of the help file's text, when the project
    // names it rather than leaving it to the fonts.
    ProjectLine charset;
};

}  // namespace scrivlet::help
