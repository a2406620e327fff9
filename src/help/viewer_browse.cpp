#include "help/viewer_browse.h"

#include <string_view>
#include <utility>

namespace scrivlet::help {
namespace {

std::pair<std::string_view, std::string_view> GroupAndSequence(std::string_view browse) {
    const std::size_t colon = browse.find(':');
    if (colon == std::string_view::npos) {
        return {std::string_view(), browse};
    }
    return {browse.substr(0, colon), browse.substr(colon + 1)};
}

}  // namespace

int BrowseNeighbour(const HelpFile& help, int topic, bool next) {
    if (topic < 0 || static_cast<std::size_t>(topic) >= help.topics.size()) {
        return -1;
    }
    const Topic& here = help.topics[static_cast<std::size_t>(topic)];
    if (here.browsePrevious >= 0 || here.browseNext >= 0 || here.browse.empty()) {
        const int found = next ? here.browseNext : here.browsePrevious;
        return found >= 0 && static_cast<std::size_t>(found) < help.topics.size() ? found : -1;
    }
    const auto [group, sequence] = GroupAndSequence(here.browse);
    // The nearest topic of the same group on the chosen side of (sequence,
    // index).
    int best = -1;
    std::pair<std::string_view, int> bestKey;
    const std::pair<std::string_view, int> hereKey{sequence, topic};
    for (std::size_t t = 0; t < help.topics.size(); ++t) {
        const Topic& other = help.topics[t];
        if (other.browse.empty() || !other.built) {
            continue;
        }
        const auto [otherGroup, otherSequence] = GroupAndSequence(other.browse);
        if (otherGroup != group) {
            continue;
        }
        const std::pair<std::string_view, int> key{otherSequence, static_cast<int>(t)};
        const bool beyond = next ? hereKey < key : key < hereKey;
        if (beyond && (best < 0 || (next ? key < bestKey : bestKey < key))) {
            best = static_cast<int>(t);
            bestKey = key;
        }
    }
    return best;
}

}  // namespace scrivlet::help
