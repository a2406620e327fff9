#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/project.h"
#include "core/search/project_find.h"

namespace scrivlet {

// A replace worked out before anything changes: the new text of every topic
// it touches and the counts to confirm. Working it out reads the project
// only, so it may run away from the window; applying it is a swap.
struct TopicTextChange {
    std::size_t topic = 0;  // index into the project's topics
    std::vector<std::string> text;
    int occurrences = 0;
};

struct ReplacePlan {
    std::vector<TopicTextChange> changes;  // in project order
    int occurrences = 0;
    // Chosen results whose text is no longer where the search found it (the
    // topic was edited since), or that lie in a property: left as they are.
    int skipped = 0;
};

// Every occurrence of PATTERN in the author text of every topic, as
// ReplaceInTopicText finds them. STOP, when given and set, ends the work
// between two topics with the plan unfinished.
ReplacePlan PlanReplaceAll(const Project& project, std::string_view pattern,
                           std::string_view replacement, bool matchCase,
                           const std::atomic<bool>* stop = nullptr);

// The CHOSEN results of a find in project, each replaced by REPLACEMENT.
// Topic text only: a match that runs over a change of formatting keeps the
// control words between its parts, the replacement taking the place of the
// first part. Results in properties, and results that no longer match the
// text, are skipped.
ReplacePlan PlanReplaceFound(const Project& project, const std::vector<ProjectFindResult>& chosen,
                             std::string_view replacement);

// Puts the planned texts into the project (the plan's texts are moved out)
// and marks it modified when anything was replaced.
void ApplyReplacePlan(Project& project, ReplacePlan& plan);

// "Replace 3 occurrences in 2 topics?", and what is skipped.
std::string ReplaceQuestion(const ReplacePlan& plan);

}  // namespace scrivlet
