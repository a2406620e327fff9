#include "core/model/topic_links.h"

#include <string_view>

#include "core/util/convert.h"

namespace scrivlet {
namespace {

bool LinksTo(std::string_view line, const std::string& number) {
    constexpr std::string_view kCode = "[HREF=";
    for (std::size_t at = line.find('['); at != std::string_view::npos;
         at = line.find('[', at + 1)) {
        std::size_t i = 0;
        while (i < kCode.size() && at + i < line.size() && UpperAscii(line[at + i]) == kCode[i]) {
            ++i;
        }
        if (i < kCode.size()) {
            continue;
        }
        std::size_t pos = at + kCode.size();
        if (pos < line.size() && (line[pos] == '*' || line[pos] == '%')) {
            ++pos;
        }
        if (line.substr(pos, number.size()) == number && pos + number.size() < line.size() &&
            (line[pos + number.size()] == ']' || line[pos + number.size()] == '>')) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<std::size_t> TopicsLinkingTo(const TTopicList& topics, std::size_t index) {
    std::vector<std::size_t> linking;
    const std::string number = std::to_string(topics[index].TopicID);
    for (std::size_t i = 0; i < topics.Count(); ++i) {
        if (i == index) {
            continue;
        }
        for (const auto& line : topics[i].Text) {
            if (LinksTo(line, number)) {
                linking.push_back(i);
                break;
            }
        }
    }
    return linking;
}

std::string DeleteLinkedTopicQuestion(const TTopic& topic, const TTopicList& topics,
                                      const std::vector<std::size_t>& linking) {
    constexpr std::size_t kNamed = 5;
    std::string text = "Topic " + std::to_string(topic.TopicID) + " \"" + topic.Title.str() +
                       "\" is the target of links in " + std::to_string(linking.size()) +
                       (linking.size() == 1 ? " other topic:" : " other topics:");
    for (std::size_t i = 0; i < linking.size() && i < kNamed; ++i) {
        const TTopic& from = topics[linking[i]];
        text += "\n    " + std::to_string(from.TopicID) + " " + from.Title.str();
    }
    if (linking.size() > kNamed) {
        text += "\n    and " + std::to_string(linking.size() - kNamed) + " more";
    }
    return text + "\nThese links will lead nowhere. Delete the topic?";
}

}  // namespace scrivlet
