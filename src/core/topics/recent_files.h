#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlet {

// The recent project list: full paths, most recent first, at most five.
class RecentFiles {
public:
    static constexpr std::size_t kMax = 5;

    // Loads stored entries in order; empty ones are skipped and the list is
    // cut to kMax.
    void Load(const std::vector<std::string>& entries);

    // Puts PATH at the top: moved there when present (compared exactly),
    // otherwise inserted, dropping entries beyond kMax.
    void Add(const std::string& path);

    const std::vector<std::string>& Items() const { return items_; }

private:
    std::vector<std::string> items_;
};

// The file name without its folder.
std::string FileNameOnly(std::string_view path);

// The menu caption of entry INDEX: "&" + index + " " + name without folder.
std::string RecentFileCaption(std::size_t index, std::string_view path);

}  // namespace scrivlet
