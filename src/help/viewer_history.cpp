#include "help/viewer_history.h"

#include <algorithm>

namespace scrivlet::help {

void ViewerHistory::Visit(const TopicPlace& place) {
    if (back_.empty() || !(back_.back() == place)) {
        back_.push_back(place);
        if (back_.size() > kLimit) {
            back_.erase(back_.begin());
        }
    }
    std::erase(seen_, place);
    seen_.insert(seen_.begin(), place);
    if (seen_.size() > kLimit) {
        seen_.pop_back();
    }
}

std::optional<TopicPlace> ViewerHistory::Back() {
    if (!CanGoBack()) {
        return std::nullopt;
    }
    back_.pop_back();
    const TopicPlace place = back_.back();
    std::erase(seen_, place);
    seen_.insert(seen_.begin(), place);
    return place;
}

std::optional<TopicPlace> ViewerHistory::Current() const {
    if (back_.empty()) {
        return std::nullopt;
    }
    return back_.back();
}

}  // namespace scrivlet::help
