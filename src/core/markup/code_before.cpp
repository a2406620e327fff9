#include "core/markup/code_before.h"

namespace scrivlet {

std::optional<CodeBefore> MarkupCodeBefore(std::string_view text) {
    if (text.empty() || (text.back() != ']' && text.back() != '}')) {
        return std::nullopt;
    }
    const char open = text.back() == ']' ? '[' : '{';
    const auto start = text.rfind(open);
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view code = text.substr(start);
    const bool link = code.starts_with("[href=") || code.starts_with("[link=");
    const bool other = code.starts_with("[#=") || code == "[keepn]" || code.starts_with("{bm") ||
                       code.starts_with("{button ");
    if (!link && !other) {
        return std::nullopt;
    }
    return CodeBefore{start, link};
}

}  // namespace scrivlet
