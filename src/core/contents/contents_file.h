#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/contents/contents_entry.h"

namespace scrivlet {

// The open contents file of the contents editor: its header settings and its
// entry lines, each kept exactly as its text line.
class ContentsFile {
public:
    std::string DefaultFile;
    std::string DefaultWindow;
    std::string DefaultTitle;
    std::vector<std::string> TabLines;
    std::vector<std::string> IndexLines;
    std::vector<std::string> LinkLines;
    // Entries and include lines in file order.
    std::vector<std::string> EntryLines;
    // Full path, or "Untitled" while the file has never been saved.
    std::string CntFileName = "Untitled";
    bool CntModified = false;

    bool IsUntitled() const { return CntFileName == "Untitled"; }
    int Count() const { return static_cast<int>(EntryLines.size()); }

    // Empties the entries, the three header lists and the three defaults;
    // the file name stays.
    void ClearContents();

    // Reads PATH. A file that does not exist leaves the model empty and the
    // name as it was; a file that exists but cannot be read throws FileError.
    void LoadContents(const std::string& path);

    // Writes the whole file to CntFileName (atomically); throws FileError.
    void SaveContents();

    // The entry at INDEX taken apart; level -1 and an empty title outside the
    // entries.
    ContentsEntry EntryAt(int index) const;

    // The reading and writing without a disk, for the file operations above
    // and for tests.
    void ReadText(std::string_view bytes);
    std::string WriteText() const;
};

// The lines of contents file text: CR LF, a lone CR and a lone LF each end a
// line; a line end at the very end gives no extra empty line.
std::vector<std::string_view> SplitContentsLines(std::string_view bytes);

// The part of a stored name after its last "\" or "/".
std::string FileNamePart(std::string_view name);

}  // namespace scrivlet
