#pragma once

#include <string>
#include <string_view>

namespace scrivlet {

// One macro WinHelp 4 runs: its full name and its short form ("" when it has
// none). Macro names are read without regard to case.
struct MacroInfo {
    std::string_view name;
    std::string_view abbreviation;
};

// The WinHelp 4 macro a name or abbreviation stands for; nullptr when WinHelp
// knows no macro by that name (a DLL routine must be registered first).
const MacroInfo* FindMacro(std::string_view name);

// The names of the table in its order, for tests and the report.
std::size_t MacroCount();
const MacroInfo& MacroAt(std::size_t index);

}  // namespace scrivlet
