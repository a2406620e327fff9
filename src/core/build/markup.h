#pragma once

#include <string>
#include <string_view>

#include "core/build/build_sinks.h"
#include "core/build/topic_index.h"
#include "core/model/topic_list.h"

namespace scrivlet {

// What the translation of one line needs: the topics with their number index
// (for "[href=" targets) and the log for links to missing topics and for
// markup left open.
struct MarkupContext {
    const TTopicList& topics;
    const TopicIdIndex& index;
    LogSink& log;
    // The topic whose text is translated, named in the log after a link to a
    // missing topic so the author can find the link; none when unknown.
    const TTopic* holder = nullptr;
};

// Turns the authoring markup of one RTF line into WinHelp codes, in three
// passes: "[href=" jumps to topic numbers, "[link=" jumps to context strings,
// files or macros, and "[#=" anchors. Keywords match in any letter case.
// Markup that runs into the end of the line stays as it is and is logged.
// Throws ConvertError for an "[href=" number beyond 32 bits.
std::string TranslateMarkup(std::string_view line, const MarkupContext& context);
// The same, on LINE in place.
void TranslateMarkupInPlace(std::string& line, const MarkupContext& context);

}  // namespace scrivlet
