#include "core/rtf/font_family.h"

#include <array>
#include <string>

namespace scrivlet::rtf {

namespace {

struct NamePart {
    std::string_view part;
    std::string_view word;
};

// First match wins, so the more telling parts come first: "comic sans" is a
// script face, "ms sans serif" a sans-serif one, "lucida console" fixed pitch.
constexpr std::array kNameParts{
    NamePart{"comic sans", "\\fscript"},  NamePart{"script", "\\fscript"},
    NamePart{"handwriting", "\\fscript"}, NamePart{"corsiva", "\\fscript"},
    NamePart{"mistral", "\\fscript"},     NamePart{"brush", "\\fscript"},
    NamePart{"old english", "\\fdecor"},  NamePart{"algerian", "\\fdecor"},
    NamePart{"jokerman", "\\fdecor"},     NamePart{"chiller", "\\fdecor"},
    NamePart{"mono", "\\fmodern"},        NamePart{"courier", "\\fmodern"},
    NamePart{"consolas", "\\fmodern"},    NamePart{"console", "\\fmodern"},
    NamePart{"fixedsys", "\\fmodern"},    NamePart{"terminal", "\\fmodern"},
    NamePart{"sans serif", "\\fswiss"},   NamePart{"sans", "\\fswiss"},
    NamePart{"serif", "\\froman"},        NamePart{"times", "\\froman"},
    NamePart{"georgia", "\\froman"},      NamePart{"garamond", "\\froman"},
    NamePart{"antiqua", "\\froman"},      NamePart{"palatino", "\\froman"},
    NamePart{"cambria", "\\froman"},      NamePart{"bookman", "\\froman"},
    NamePart{"schoolbook", "\\froman"},   NamePart{"baskerville", "\\froman"},
    NamePart{"constantia", "\\froman"},   NamePart{"roman", "\\froman"},
    NamePart{"arial", "\\fswiss"},        NamePart{"helvetica", "\\fswiss"},
    NamePart{"verdana", "\\fswiss"},      NamePart{"tahoma", "\\fswiss"},
    NamePart{"segoe", "\\fswiss"},        NamePart{"calibri", "\\fswiss"},
    NamePart{"trebuchet", "\\fswiss"},    NamePart{"gothic", "\\fswiss"},
    NamePart{"shell dlg", "\\fswiss"},    NamePart{"candara", "\\fswiss"},
    NamePart{"corbel", "\\fswiss"},       NamePart{"geneva", "\\fswiss"},
    NamePart{"impact", "\\fswiss"},       NamePart{"lucida", "\\fswiss"},
    NamePart{"futura", "\\fswiss"},       NamePart{"univers", "\\fswiss"},
    NamePart{"small fonts", "\\fswiss"},
};

}  // namespace

std::string_view FamilyWordForFontName(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    for (const NamePart& entry : kNameParts) {
        if (lower.find(entry.part) != std::string::npos) {
            return entry.word;
        }
    }
    return {};
}

}  // namespace scrivlet::rtf
