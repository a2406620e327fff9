#include "core/build/log_topics.h"

#include <charconv>

namespace scrivlet {
namespace {

std::optional<long long> NumberAt(std::string_view text, std::size_t at) {
    long long value = 0;
    const char* first = text.data() + at;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error != std::errc() || end == first) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<std::size_t> TopicOfLogLine(const Project& project, std::string_view line) {
    const TTopicList& topics = project.Topics;
    if (const std::size_t at = line.find(" not found. (topic "); at != std::string_view::npos) {
        if (const auto id = NumberAt(line, at + 19)) {
            for (std::size_t i = 0; i < topics.Count(); ++i) {
                if (topics[i].TopicID == *id) {
                    return i;
                }
            }
        }
        return std::nullopt;
    }
    // Only the build's own topic file ("scrvN.rtf") is in project order; the
    // project's other RTF files are not topics of the project.
    const std::size_t at = line.find(".rtf, topic #");
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t nameStart = line.rfind(' ', at);
    const std::string_view name =
        line.substr(nameStart == std::string_view::npos ? 0 : nameStart + 1);
    if (name.substr(0, 4) != "scrv") {
        return std::nullopt;
    }
    const auto place = NumberAt(line, at + 13);
    if (!place || *place < 1 || static_cast<std::size_t>(*place) > topics.Count()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(*place - 1);
}

}  // namespace scrivlet
