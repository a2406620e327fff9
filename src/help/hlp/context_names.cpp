#include "help/hlp/context_names.h"

#include <algorithm>

#include "help/context_hash.h"

namespace scrivlet::help::hlp {
namespace {

// The character for a digit of the hash, 0 for a value no portable
// character has.
char DigitCharacter(unsigned value) {
    if (value >= 1 && value <= 9)
        return static_cast<char>('0' + value);
    if (value == 10)
        return '0';
    if (value == 12)
        return '.';
    if (value == 13)
        return '_';
    if (value >= 17 && value <= 42)
        return static_cast<char>('A' + (value - 17));
    return 0;
}

bool IsWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '!';
}

}  // namespace

std::string NameForHash(uint32_t hash) {
    for (uint64_t wrap = 0;; ++wrap) {
        uint64_t value = hash + (wrap << 32);
        std::string name;
        bool portable = true;
        while (value != 0 && portable) {
            const char c = DigitCharacter(static_cast<unsigned>(value % 43));
            portable = c != 0;
            name.insert(name.begin(), c);
            value /= 43;
        }
        // A name must not start with a digit's worth of nothing: an empty
        // name only stands for hash 0 through a further wrap.
        if (portable && !name.empty()) {
            return name;
        }
    }
}

void ContextNames::AddCandidate(std::string_view name) {
    if (name.empty() || name.size() > 255) {
        return;
    }
    known_.emplace(ContextHash(name), std::string(name));
}

void ContextNames::AddWords(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        if (IsWordCharacter(text[at])) {
            const std::size_t start = at;
            while (at < text.size() && IsWordCharacter(text[at])) {
                ++at;
            }
            AddCandidate(text.substr(start, at - start));
        } else {
            ++at;
        }
    }
}

void ContextNames::AddCandidates(std::string_view text) {
    AddWords(text);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '"' || text[at] == '`') {
            const char close = text[at] == '"' ? '"' : '\'';
            const std::size_t end = text.find(close, at + 1);
            if (end == std::string_view::npos) {
                return;
            }
            AddCandidate(text.substr(at + 1, end - at - 1));
            at = end;
        }
    }
}

std::string ContextNames::Name(uint32_t hash) const {
    const auto found = known_.find(hash);
    return found != known_.end() ? found->second : NameForHash(hash);
}

}  // namespace scrivlet::help::hlp
