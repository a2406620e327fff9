#include "core/windows/string_lists.h"

#include <algorithm>

#include "core/util/convert.h"

namespace scrivlet {

void RemoveEmptyLines(StringList& lines) {
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
}

bool ContainsIgnoringCase(const StringList& list, std::string_view text) {
    const std::string wanted = UpperAscii(text);
    return std::any_of(list.begin(), list.end(),
                       [&](const std::string& entry) { return UpperAscii(entry) == wanted; });
}

int AddOptionEntry(StringList& list, std::string_view entry, bool refuseEmpty, int noSelection) {
    if (list.size() >= kMaxOptionListEntries) {
        return noSelection;
    }
    if (!(refuseEmpty && entry.empty()) && !ContainsIgnoringCase(list, entry)) {
        list.emplace_back(entry);
    }
    return static_cast<int>(list.size()) - 1;
}

int ReplaceOptionEntry(StringList& list, int index, std::string_view entry, bool refuseEmpty) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) {
        return index;
    }
    if (!(refuseEmpty && entry.empty()) && !ContainsIgnoringCase(list, entry)) {
        list[static_cast<std::size_t>(index)] = std::string(entry);
    }
    return index;
}

int DeleteOptionEntry(StringList& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) {
        return index;
    }
    list.erase(list.begin() + index);
    if (list.empty()) {
        return -1;
    }
    return std::min(index, static_cast<int>(list.size()) - 1);
}

}  // namespace scrivlet
