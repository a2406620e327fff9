#include "core/search/search_text.h"

namespace scrivlet {

int ReplaceInString(std::string_view pattern, std::string_view replacement, std::string& text,
                    bool matchCase) {
    int count = 0;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = FindPattern<char>(text, pattern, matchCase, from);
        if (at == std::string::npos) {
            return count;
        }
        text.replace(at, pattern.size(), replacement);
        ++count;
        from = at + replacement.size();
    }
}

}  // namespace scrivlet
