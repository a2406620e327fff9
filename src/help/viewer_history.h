#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace scrivlet::help {

// A topic of a help file, as Back and History remember it.
struct TopicPlace {
    std::string file;  // the help file's path
    int topic = -1;    // index into its topics
    std::string title;

    friend bool operator==(const TopicPlace& a, const TopicPlace& b) {
        return a.file == b.file && a.topic == b.topic;
    }
};

// Where the reader has been: Back returns along the way the reader came
// (going back is not itself remembered), History lists the topics seen,
// latest first, each once.
class ViewerHistory {
public:
    static constexpr std::size_t kLimit = 40;

    // The reader arrived at PLACE by a jump, the contents or a search.
    void Visit(const TopicPlace& place);
    bool CanGoBack() const { return back_.size() > 1; }
    // The place before the current one, which becomes current; nothing
    // when there is none.
    std::optional<TopicPlace> Back();
    const std::vector<TopicPlace>& Seen() const { return seen_; }
    std::optional<TopicPlace> Current() const;

private:
    std::vector<TopicPlace> back_;  // oldest first; the last is current
    std::vector<TopicPlace> seen_;  // latest first
};

}  // namespace scrivlet::help
