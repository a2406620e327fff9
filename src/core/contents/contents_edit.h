#pragma once

#include <string>
#include <string_view>

#include "core/contents/contents_file.h"

namespace scrivlet {

// What an editing command did, for the window to show: the entry to select
// afterwards (-1 for none) and whether to beep. Commands that change entries
// also set CntModified; one that cannot apply leaves everything as it was.
struct ContentsEditResult {
    bool Changed = false;
    bool Beep = false;
    int Selection = -1;

    friend bool operator==(const ContentsEditResult&, const ContentsEditResult&) = default;
};

// Indents the selected entry one level. Levels outside 1 to 8 (include lines,
// level 9 and deeper) stay silently. The beep warns that the new level does
// not fit under the entry above; the level changes anyway.
ContentsEditResult MoveRight(ContentsFile& file, int selection);

// Outdents the selected entry one level; level 1 and include lines only beep.
ContentsEditResult MoveLeft(ContentsFile& file, int selection);

// Swaps the selected entry with its neighbour; nothing at either end.
ContentsEditResult MoveUp(ContentsFile& file, int selection);
ContentsEditResult MoveDown(ContentsFile& file, int selection);

// Removes the selected entry; the entry now at its index, or the new last
// one, becomes the selection.
ContentsEditResult DeleteEntry(ContentsFile& file, int selection);

// Puts LINE directly below the selection, or at the end when nothing or the
// last entry is selected.
ContentsEditResult InsertEntry(ContentsFile& file, int selection, std::string_view line);

// Replaces the selected entry's line.
ContentsEditResult ReplaceEntry(ContentsFile& file, int selection, std::string_view line);

// A topic of the project dropped on the entry at TARGET (-1, or any index past
// the entries, for below the last entry). A book takes it one level deeper
// directly below itself; any other entry takes it at its own level above
// itself; below the last entry it is appended.
ContentsEditResult DropTopic(ContentsFile& file, int target, std::string_view title,
                             std::string_view contextString);

// An entry dragged within the list from SOURCE and dropped on TARGET: moved
// there with its level unchanged. Below the last entry or on itself nothing
// happens.
ContentsEditResult DropEntry(ContentsFile& file, int source, int target);

}  // namespace scrivlet
