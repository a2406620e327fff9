#pragma once

#include <string_view>

#include "core/model/topic_list.h"

namespace scrivlet {

// The list index of the first topic whose TopicID equals the decimal number
// in TEXT; -1 when TEXT is empty or no topic has that number. A text that is
// not an integer throws ConvertError, as every integer conversion does.
int IndexOfTopicID(const TTopicList& topics, std::string_view text);

}  // namespace scrivlet
