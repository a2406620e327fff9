#include "core/build/topic_index.h"

#include "core/util/convert.h"

namespace scrivlet {

TopicIdIndex::TopicIdIndex(const TTopicList& topics) {
    first_.reserve(topics.Count());
    for (std::size_t i = 0; i < topics.Count(); ++i) {
        first_.emplace(topics[i].TopicID, static_cast<int>(i));  // keeps the first
    }
}

int TopicIdIndex::IndexOfNumber(int32_t number) const {
    const auto found = first_.find(number);
    return found == first_.end() ? -1 : found->second;
}

int TopicIdIndex::IndexOfTopicID(std::string_view text) const {
    if (text.empty()) {
        return -1;
    }
    return IndexOfNumber(StrToInt(text));
}

}  // namespace scrivlet
