#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/topic_list.h"

namespace scrivlet {

// The context string that the build maps to CONTEXT_NUMBER: that of the first
// topic with that number, or the default "scrv" + number the build gives a
// topic without one. Nothing when no topic has the number.
std::optional<std::string> ContextStringOfNumber(const TTopicList& topics, int32_t contextNumber);

// A Linux path as Wine's programs see it: the "Z:" drive holds the root, and
// the separators are backslashes.
std::string WinePathOf(std::string_view unixPath);

// The argument vector that opens HELP_FILE in Wine's help viewer at CONTEXT:
// "wine winhlp32 -i CONTEXT Z:\...". Without a context the file opens at its
// contents topic.
std::vector<std::string> WineHelpCommand(std::string_view helpFile,
                                         const std::optional<std::string>& context);

}  // namespace scrivlet
