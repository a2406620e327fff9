#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "help/help_document.h"

namespace scrivlet::help {

// Finding topics the ways a help file is opened. Context strings compare by
// their hash, as WinHelp does, so any spelling, letter case or character
// that hashes alike finds the topic. Every function gives a topic index into
// HelpFile::topics, or -1 (an empty list) when there is none.

// The hash a context definition stands for: its name's, or the stored hash
// when the name is not known.
uint32_t DefinitionHash(const ContextDefinition& definition);

int FindTopicByHash(const HelpFile& help, uint32_t hash);
int FindTopicByContext(const HelpFile& help, std::string_view context);

// Through [MAP]: the entry's context string names the topic.
int FindTopicByMapNumber(const HelpDocument& document, uint32_t number);

// The topics whose K keywords (A keywords when ALINK) include KEYWORD,
// without regard to the case of a to z, in topic order.
std::vector<int> FindTopicsByKeyword(const HelpFile& help, std::string_view keyword,
                                     bool alink = false);

// The topic a hotspot leads to in this help file, by name or stored hash;
// -1 for a macro, another file's topic or a missing one.
int HotspotTargetTopic(const HelpFile& help, const Hotspot& hotspot);

// The topic the help opens with: CONTENTS when it names one, else the first.
int ContentsTopic(const HelpDocument& document);

}  // namespace scrivlet::help
