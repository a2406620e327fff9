#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlet {

// The external tools at the end of the Tools menu: up to ten entries, each a
// caption, "|" and a command.
inline constexpr std::size_t kMaxTools = 10;

// The text before the first "|", or the whole entry when it has none.
std::string ToolCaption(std::string_view entry);
// The text after the first "|", or the whole entry when it has none.
std::string ToolCommand(std::string_view entry);
// The entry that the tool dialog's two fields make.
std::string MakeToolEntry(std::string_view title, std::string_view fileName);

// The options dialog's copy of the tool list with its chosen item. Every
// operation that cannot apply does nothing and returns false.
class ToolListEditor {
public:
    explicit ToolListEditor(std::vector<std::string> entries);

    const std::vector<std::string>& Entries() const { return entries_; }
    std::vector<std::string> Captions() const;
    // Index of the chosen item; -1 when none is chosen.
    int Chosen() const { return chosen_; }
    void Choose(int index);

    // Appends while the list holds at most nine entries; the new entry is chosen.
    bool Add(std::string entry);
    // Replaces the chosen entry, which stays chosen.
    bool Edit(std::string entry);
    // Removes the chosen entry; then the item at the same position is chosen,
    // or the last one when the removed entry was the last.
    bool Delete();
    bool MoveUp();
    bool MoveDown();

private:
    std::vector<std::string> entries_;
    int chosen_ = -1;
};

// The settings value names of the tool list in list order: "F0", "F1", ...
std::string ToolValueName(std::size_t index);

// The tool list read back from the stored (name, value) pairs in the order
// the store lists them: values with empty data are skipped, and at most ten
// entries are kept. Names of the "F" + number form are put in numeric order,
// so "F10" never lands before "F2".
std::vector<std::string> ToolListFromValues(
    const std::vector<std::pair<std::string, std::string>>& values);

}  // namespace scrivlet
