#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "hc/help_model.h"
#include "hc/hlp/file_system.h"
#include "hc/hlp/topic_writer.h"

namespace scrivlet::hc::hlp {

// Every context string a built topic defines, upper-cased, and the
// TOPICOFFSET it stands at; the first definition wins.
using ContextOffsets = std::unordered_map<std::string, uint32_t>;
ContextOffsets FindContextOffsets(const HelpFile& help, const TopicOutput& topics);

// |CONTEXT: every context string's hash and the TOPICOFFSET it stands at,
// with the [ALIAS] names pointing where their contexts do.
std::string BuildContextFile(const HelpProject& project, const ContextOffsets& contexts);

// |CTXOMAP: the [MAP] numbers and the offsets of their contexts.
std::string BuildContextMap(const HelpProject& project, const ContextOffsets& contexts);

// |TTLBTREE: each topic's title by its offset.
std::string BuildTitleTree(const HelpFile& help, const TopicOutput& topics);

// |VIOLA: for every topic with a ">" footnote, its offset and the number
// of its window among the [WINDOWS] definitions; empty when no topic has one.
std::string BuildWindowTree(const HelpFile& help, const HelpProject& project,
                            const TopicOutput& topics);

// |KWBTREE, |KWDATA and |KWMAP for LETTER 'K' (keyword footnotes), |AWBTREE,
// ... for 'A'. Nothing is added when no topic has such keywords.
void AddKeywordFiles(char letter, const HelpFile& help, const TopicOutput& topics,
                     FileSystem& files);

}  // namespace scrivlet::hc::hlp
