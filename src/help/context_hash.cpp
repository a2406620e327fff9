#include "help/context_hash.h"

namespace scrivlet::help {
namespace {

// Digits 1 to 9 keep their value, 0 comes after them, letters start at 17 in
// either case; the punctuation WinHelp allows has its own slots. Any other
// byte counts as its code less 48, as a signed byte.
int32_t CharValue(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        c = static_cast<unsigned char>(c - 'a' + 'A');
    }
    switch (c) {
        case '0':
            return 10;
        case '!':
            return 11;
        case '.':
            return 12;
        case '_':
            return 13;
        default:
            return static_cast<int8_t>(static_cast<unsigned char>(c - '0'));
    }
}

}  // namespace

uint32_t ContextHash(std::string_view context) {
    uint32_t hash = 0;
    for (const char c : context) {
        hash = hash * 43u + static_cast<uint32_t>(CharValue(static_cast<unsigned char>(c)));
    }
    return hash;
}

bool IsPortableContextString(std::string_view context) {
    if (context.empty()) {
        return false;
    }
    for (const char c : context) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '.' || c == '_';
        if (!ok) {
            return false;
        }
    }
    return true;
}

}  // namespace scrivlet::help
