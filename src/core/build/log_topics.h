#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/model/project.h"

namespace scrivlet {

// The project topic a line of the compile log is about: a link to a missing
// topic names the topic that holds it ("(topic 20 ..."), and the help
// compiler names topics of the build's topic file by their place in it
// ("scrv12.rtf, topic #3"), which is the project's order. Nothing for a line
// about no topic, or about another topic file.
std::optional<std::size_t> TopicOfLogLine(const Project& project, std::string_view line);

}  // namespace scrivlet
