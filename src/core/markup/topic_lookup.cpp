#include "core/markup/topic_lookup.h"

#include "core/util/convert.h"

namespace scrivlet {

int IndexOfTopicID(const TTopicList& topics, std::string_view text) {
    if (text.empty()) {
        return -1;
    }
    const int32_t id = StrToInt(text);
    for (std::size_t i = 0; i < topics.Count(); ++i) {
        if (topics[i].TopicID == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace scrivlet
