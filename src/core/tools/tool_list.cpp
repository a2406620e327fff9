#include "core/tools/tool_list.h"

#include <algorithm>

#include "core/util/convert.h"

namespace scrivlet {

std::string ToolCaption(std::string_view entry) {
    const auto bar = entry.find('|');
    return std::string(bar == std::string_view::npos ? entry : entry.substr(0, bar));
}

std::string ToolCommand(std::string_view entry) {
    const auto bar = entry.find('|');
    return std::string(bar == std::string_view::npos ? entry : entry.substr(bar + 1));
}

std::string MakeToolEntry(std::string_view title, std::string_view fileName) {
    return std::string(title) + "|" + std::string(fileName);
}

ToolListEditor::ToolListEditor(std::vector<std::string> entries) : entries_(std::move(entries)) {}

std::vector<std::string> ToolListEditor::Captions() const {
    std::vector<std::string> captions;
    captions.reserve(entries_.size());
    for (const auto& entry : entries_) {
        captions.push_back(ToolCaption(entry));
    }
    return captions;
}

void ToolListEditor::Choose(int index) {
    chosen_ = (index >= 0 && static_cast<std::size_t>(index) < entries_.size()) ? index : -1;
}

bool ToolListEditor::Add(std::string entry) {
    if (entries_.size() >= kMaxTools) {
        return false;
    }
    entries_.push_back(std::move(entry));
    chosen_ = static_cast<int>(entries_.size()) - 1;
    return true;
}

bool ToolListEditor::Edit(std::string entry) {
    if (chosen_ < 0) {
        return false;
    }
    entries_[static_cast<std::size_t>(chosen_)] = std::move(entry);
    return true;
}

bool ToolListEditor::Delete() {
    if (chosen_ < 0) {
        return false;
    }
    entries_.erase(entries_.begin() + chosen_);
    if (entries_.empty()) {
        chosen_ = -1;
    } else if (static_cast<std::size_t>(chosen_) >= entries_.size()) {
        chosen_ = static_cast<int>(entries_.size()) - 1;
    }
    return true;
}

bool ToolListEditor::MoveUp() {
    if (chosen_ <= 0) {
        return false;
    }
    std::swap(entries_[static_cast<std::size_t>(chosen_)],
              entries_[static_cast<std::size_t>(chosen_ - 1)]);
    --chosen_;
    return true;
}

bool ToolListEditor::MoveDown() {
    if (chosen_ < 0 || static_cast<std::size_t>(chosen_) + 1 >= entries_.size()) {
        return false;
    }
    std::swap(entries_[static_cast<std::size_t>(chosen_)],
              entries_[static_cast<std::size_t>(chosen_ + 1)]);
    ++chosen_;
    return true;
}

std::string ToolValueName(std::size_t index) { return "F" + std::to_string(index); }

std::vector<std::string> ToolListFromValues(
    const std::vector<std::pair<std::string, std::string>>& values) {
    // Stable: entries whose names are not "F" + number keep the store's order,
    // after the numbered ones.
    auto number = [](const std::string& name) -> long long {
        if (name.size() < 2 || (name[0] != 'F' && name[0] != 'f')) {
            return -1;
        }
        for (std::size_t i = 1; i < name.size(); ++i) {
            if (name[i] < '0' || name[i] > '9') {
                return -1;
            }
        }
        return name.size() > 10 ? -1 : std::stoll(name.substr(1));
    };
    std::vector<std::pair<std::string, std::string>> ordered(values);
    std::stable_sort(ordered.begin(), ordered.end(), [&](const auto& a, const auto& b) {
        const long long na = number(a.first);
        const long long nb = number(b.first);
        if (na < 0 || nb < 0) {
            return na >= 0 && nb < 0;
        }
        return na < nb;
    });
    std::vector<std::string> list;
    for (const auto& [name, value] : ordered) {
        if (!value.empty() && list.size() < kMaxTools) {
            list.push_back(value);
        }
    }
    return list;
}

}  // namespace scrivlet
