#include "core/build/text_replace.h"

namespace scrivlet {

std::string ReplaceAll(std::string_view pattern, std::string_view replacement,
                       std::string_view line) {
    std::string out(line);
    if (pattern.empty()) {
        return out;
    }
    const bool selfFeeding = replacement.find(pattern) != std::string_view::npos;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = out.find(pattern, from);
        if (at == std::string::npos) {
            return out;
        }
        out.replace(at, pattern.size(), replacement);
        if (selfFeeding) {
            from = at + replacement.size();
        } else {
            // Everything before AT held no occurrence and is unchanged, so a new
            // occurrence can only start where it overlaps the replacement; a
            // search from here finds exactly what a search from the start would.
            from = at >= pattern.size() - 1 ? at - (pattern.size() - 1) : 0;
        }
    }
}

std::string EscapeHighChars(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 127) {
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace scrivlet
