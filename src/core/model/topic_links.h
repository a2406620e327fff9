#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/topic_list.h"

namespace scrivlet {

// The indexes of the topics other than the one at INDEX whose text holds a
// link code to it ("[href=" with an optional "*" or "%", its number, then
// "]" or ">"), in list order.
std::vector<std::size_t> TopicsLinkingTo(const TTopicList& topics, std::size_t index);

// The question before deleting TOPIC, which the topics at LINKING link to.
std::string DeleteLinkedTopicQuestion(const TTopic& topic, const TTopicList& topics,
                                      const std::vector<std::size_t>& linking);

}  // namespace scrivlet
