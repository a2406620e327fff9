#include "core/util/disk_path.h"

namespace scrivlet {

bool IsAbsoluteStoredPath(std::string_view stored) {
    return (stored.size() >= 2 && stored[1] == ':') ||
           (!stored.empty() && (stored[0] == '\\' || stored[0] == '/'));
}

std::string ToDiskPath(std::string_view stored) {
    if (stored.size() >= 3 && (stored[0] == 'Z' || stored[0] == 'z') && stored[1] == ':' &&
        (stored[2] == '\\' || stored[2] == '/')) {
        stored.remove_prefix(2);
    }
    std::string out(stored);
    for (char& c : out) {
        if (c == '\\') {
            c = '/';
        }
    }
    return out;
}

}  // namespace scrivlet
