#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlet {

using StringList = std::vector<std::string>;

// Removes every empty line; the others keep their order.
void RemoveEmptyLines(StringList& lines);

// True when LIST holds TEXT, compared without regard to the case of a to z.
bool ContainsIgnoringCase(const StringList& list, std::string_view text);

// The bitmap folder and RTF file lists of the project options hold at most
// this many entries.
inline constexpr std::size_t kMaxOptionListEntries = 10;

// "Add..." of a project options list: ENTRY goes to the end unless the list
// is full, ENTRY is empty (when REFUSEEMPTY) or already listed. Returns the
// entry to select afterwards: the last one, whether or not one was added (-1
// for an empty list). A full list is left alone and returns NOSELECTION.
int AddOptionEntry(StringList& list, std::string_view entry, bool refuseEmpty, int noSelection);

// "Edit...": ENTRY replaces the one at INDEX unless it is empty (when
// REFUSEEMPTY) or already listed. Returns INDEX, which stays selected.
int ReplaceOptionEntry(StringList& list, int index, std::string_view entry, bool refuseEmpty);

// "Delete": removes the entry at INDEX. Returns the entry to select: the
// one now at INDEX, the one before it when the last was deleted, or -1 when
// the list is empty.
int DeleteOptionEntry(StringList& list, int index);

}  // namespace scrivlet
