#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlet::help {

// The macros the viewer runs; every other well-formed macro is Unsupported
// and only reported.
enum class MacroKind {
    JumpId,
    PopupId,
    JumpContext,
    JumpKeyword,
    Contents,
    Back,
    History,
    Prev,
    Next,
    CloseWindow,
    BrowseButtons,
    CreateButton,
    DisableButton,
    ExecFile,
    Unsupported,
};

// One macro call: its kind, the name as written, and the arguments with
// their quotes removed (numbers and bare words as written).
struct MacroCall {
    MacroKind kind = MacroKind::Unsupported;
    std::string name;
    std::vector<std::string> args;

    friend bool operator==(const MacroCall&, const MacroCall&) = default;
};

// A macro string taken apart: the calls in order, or the first fault.
struct MacroParse {
    std::vector<MacroCall> calls;
    std::string error;  // empty when the whole string parsed
};

// Reads "Name(arg, `quoted', "quoted", 12); Other()" as WinHelp writes it:
// calls separated by ";" or ":", names without regard to case, short names
// (JI, PI, JC, JK, EF, CB, DB) for the long ones, strings quoted `...' or
// "...", nested quotes allowed.
MacroParse ParseMacros(std::string_view text);

// "file.hlp>window" split into its file and window parts.
struct FileAndWindow {
    std::string file;
    std::string window;
};
FileAndWindow SplitFileAndWindow(std::string_view text);

// The message the status bar shows for a macro the viewer does not run.
std::string UnsupportedMacroMessage(std::string_view name);

}  // namespace scrivlet::help
