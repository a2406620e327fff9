#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/model/topic.h"
#include "core/model/topic_list.h"

namespace scrivlet {

// The ten value rows of the property grid, in grid order: Topic ID, Title,
// Context String, Keywords, A-Keywords, Build Tag, Browse Seq., Window,
// Entry Macro, Comment.
inline constexpr int kPropertyRowCount = 10;
using PropertyValues = std::array<std::string, kPropertyRowCount>;

// The captions of the grid's fixed column, row 0 ("Property") first.
extern const std::array<const char*, kPropertyRowCount + 1> kPropertyCaptions;

PropertyValues PropertyValuesOf(const TTopic& topic);

// Copies the rows into TOPIC. The ID comes first: an empty cell leaves the
// number as it is, a text that is not an integer throws ConvertError before
// any other field is written. Strings are cut to 255 bytes.
void StorePropertyValues(TTopic& topic, const PropertyValues& values);

// The message that refuses the ID row of VALUES for topic INDEX when another
// topic already has that number ("" when it is free or unchanged): two
// topics with one number would quietly break every link to either. Throws
// ConvertError for an ID that is not an integer, as StorePropertyValues does.
std::string TopicNumberTaken(const TTopicList& topics, std::size_t index,
                             const PropertyValues& values);

// Whether an edit of the value in ROW (1 to 10) changes what the topic grid
// shows (ID, title, keywords, comment).
bool PropertyRowShownInTopicGrid(int row);

}  // namespace scrivlet
