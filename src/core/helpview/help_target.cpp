#include "core/helpview/help_target.h"

#include "core/model/project.h"

namespace scrivlet {

std::optional<std::string> ContextStringOfNumber(const TTopicList& topics, int32_t contextNumber) {
    for (std::size_t i = 0; i < topics.Count(); ++i) {
        const TTopic& topic = topics[i];
        if (topic.TopicID == contextNumber) {
            return topic.ContextString.empty() ? DefaultContextString(topic.TopicID)
                                               : topic.ContextString.str();
        }
    }
    return std::nullopt;
}

std::string WinePathOf(std::string_view unixPath) {
    std::string out = "Z:";
    for (char c : unixPath) {
        out += c == '/' ? '\\' : c;
    }
    return out;
}

std::vector<std::string> WineHelpCommand(std::string_view helpFile,
                                         const std::optional<std::string>& context) {
    std::vector<std::string> argv = {"wine", "winhlp32"};
    if (context) {
        argv.push_back("-i");
        argv.push_back(*context);
    }
    argv.push_back(WinePathOf(helpFile));
    return argv;
}

}  // namespace scrivlet
