#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlet {

// A macro name as written in a macro string, with its byte offset.
struct MacroCall {
    std::string name;
    std::size_t offset = 0;
    bool nested = false;  // inside the arguments (or quoted text) of another macro
};

// What a macro string holds: every macro called, the nested ones included
// (WinHelp runs quoted macro strings given to CreateButton, IfThen and the
// like), and the first fault of its syntax ("" when it has none).
struct MacroScan {
    std::vector<MacroCall> calls;
    std::string fault;
    std::vector<std::string> registered;  // routine names RegisterRoutine adds
};

// Reads a macro string: macros separated by ";" or ":", each a name and a
// parenthesised argument list in which "..." and `...' quote.
MacroScan ScanMacros(std::string_view text);

}  // namespace scrivlet
