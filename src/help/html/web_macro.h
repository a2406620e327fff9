#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace scrivlet::help::html {

// What a help macro does when a web page can do it too.
struct WebMacro {
    enum class Kind { Jump, Popup, Contents, Index, Search, Back, Keyword };
    Kind kind = Kind::Jump;
    std::string argument;  // the context string (Jump, Popup) or the keyword (Keyword)
    std::string file;      // the help file a Jump or Popup names; empty for this one
};

// The web equivalent of MACRO (one macro, or several separated by ";" of
// which exactly one leads somewhere and the rest only change the window);
// nothing when it cannot work on the web (running programs, buttons, DLL
// calls ...). Macro names are matched without regard to case, in full or
// by their short forms.
std::optional<WebMacro> WebMacroOf(std::string_view macro);

}  // namespace scrivlet::help::html
