#include "core/topics/navigation.h"

namespace scrivlet {

std::optional<int> NavigationTarget(NavigationStep step, int current, std::size_t count) {
    const int n = static_cast<int>(count);
    if (n == 0) {
        return std::nullopt;
    }
    // A list without a current topic (a failed read) has no neighbours.
    const bool valid = current >= 0 && current < n;
    if (!valid && (step == NavigationStep::Previous || step == NavigationStep::Next)) {
        return std::nullopt;
    }
    switch (step) {
        case NavigationStep::First:
            return current != 0 ? std::optional<int>(0) : std::nullopt;
        case NavigationStep::Previous:
            return current != 0 ? std::optional<int>(current - 1) : std::nullopt;
        case NavigationStep::Next:
            return current + 1 != n ? std::optional<int>(current + 1) : std::nullopt;
        case NavigationStep::Last:
            return current + 1 != n ? std::optional<int>(n - 1) : std::nullopt;
    }
    return std::nullopt;
}

int TopicShownAfterDelete(int deleted, std::size_t countAfter) {
    const int n = static_cast<int>(countAfter);
    return deleted >= n ? n - 1 : deleted;
}

}  // namespace scrivlet
