#include "core/topics/recent_files.h"

#include <algorithm>

namespace scrivlet {

void RecentFiles::Load(const std::vector<std::string>& entries) {
    items_.clear();
    for (const std::string& entry : entries) {
        if (!entry.empty() && items_.size() < kMax) {
            items_.push_back(entry);
        }
    }
}

void RecentFiles::Add(const std::string& path) {
    const auto found = std::find(items_.begin(), items_.end(), path);
    if (found != items_.end()) {
        items_.erase(found);
    }
    items_.insert(items_.begin(), path);
    if (items_.size() > kMax) {
        items_.resize(kMax);
    }
}

std::string FileNameOnly(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string RecentFileCaption(std::size_t index, std::string_view path) {
    return "&" + std::to_string(index) + " " + FileNameOnly(path);
}

}  // namespace scrivlet
