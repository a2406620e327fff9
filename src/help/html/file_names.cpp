#include "help/html/file_names.h"

#include <array>

namespace scrivlet::help::html {
namespace {

constexpr std::size_t kMaxStem = 64;

// The site's own files, which no topic or picture may take.
constexpr std::array<const char*, 6> kReserved = {
    "index.html", "keywords.html", "search.html", "help.css", "help.js", "search-index.js",
};

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

bool Usable(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
}

}  // namespace

std::string SafeStem(std::string_view stem) {
    std::string safe;
    for (const char c : stem) {
        if (safe.size() >= kMaxStem) {
            break;
        }
        if (Usable(c)) {
            safe += c;
        } else if (safe.empty() || safe.back() != '_') {
            safe += '_';
        }
    }
    return safe;
}

FileNames::FileNames() {
    for (const char* name : kReserved) {
        taken_.insert(name);
    }
}

std::string FileNames::Take(std::string_view stem, std::string_view extension) {
    std::string base = SafeStem(stem);
    if (base.empty() || base == "_") {
        base = "page";
    }
    std::string name = base + std::string(extension);
    for (int n = 2; !taken_.insert(Lower(name)).second; ++n) {
        name = base + "-" + std::to_string(n) + std::string(extension);
    }
    return name;
}

}  // namespace scrivlet::help::html
