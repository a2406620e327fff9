#pragma once

#include <string>
#include <vector>

#include "core/build/build_sinks.h"
#include "core/model/topic.h"

namespace scrivlet {

// The first topic carries its browse sequence and entry macro before the
// context string; every later topic carries them last.
enum class FootnoteOrder { FirstTopic, LaterTopic };

// The footnote lines of TOPIC, each the lead text, the escaped value and
// "} ". An empty context string is first filled in with "scrv" and the topic
// number, in the topic itself. A topic without keywords gets no keywords
// footnote; the warning goes to LOG instead.
std::vector<std::string> TopicFootnotes(TTopic& topic, FootnoteOrder order, LogSink& log);

// The warning for a topic without keywords (the title as stored).
std::string NoKeywordsWarning(const TTopic& topic);

}  // namespace scrivlet
