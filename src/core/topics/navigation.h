#pragma once

#include <cstddef>
#include <optional>

namespace scrivlet {

enum class NavigationStep { First, Previous, Next, Last };

// The topic the step leads to from CURRENT in a list of COUNT topics, or
// nothing when the step does not apply (already at that end).
std::optional<int> NavigationTarget(NavigationStep step, int current, std::size_t count);

// The topic shown after the topic at DELETED was removed from a list that now
// holds COUNT_AFTER topics: its successor, or the new last one.
int TopicShownAfterDelete(int deleted, std::size_t countAfter);

}  // namespace scrivlet
