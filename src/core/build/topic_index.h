#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "core/model/topic_list.h"

namespace scrivlet {

// IndexOfTopicID (core/markup/topic_lookup.h) for many numbers: the topic numbers are indexed once,
// and the first topic in list order wins when numbers repeat. The index holds positions only, so it
// stays right while topic fields change; it must be rebuilt when topics are added, removed or
// reordered.
class TopicIdIndex {
public:
    explicit TopicIdIndex(const TTopicList& topics);
    int IndexOfTopicID(std::string_view text) const;
    int IndexOfNumber(int32_t number) const;

private:
    std::unordered_map<int32_t, int> first_;
};

}  // namespace scrivlet
