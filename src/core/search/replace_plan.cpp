#include "core/search/replace_plan.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/search/replace_in_rtf.h"
#include "core/util/convert.h"

namespace scrivlet {
namespace {

struct Edit {
    std::size_t offset;
    std::size_t length;
    std::string text;
};

// The edits of one paragraph line for the chosen matches in it (sorted by
// offset); a match no longer found in the line's text is counted in SKIPPED.
void EditsForLine(std::string_view line, const std::vector<const ProjectFindResult*>& matches,
                  const std::string& replacement, std::vector<Edit>& edits, int& skipped) {
    std::string text;
    std::vector<TextPiece> pieces;
    AppendParagraphText(line, text, &pieces);
    std::size_t done = 0;  // matches may not overlap: the text after the last one
    for (const ProjectFindResult* match : matches) {
        const bool fits = match->offset >= done && match->length > 0 &&
                          match->offset + match->length <= text.size() &&
                          text.compare(match->offset, match->length, match->matched) == 0;
        if (!fits) {
            ++skipped;
            continue;
        }
        const TextPiece& first = pieces[match->offset];
        std::string inserted = replacement;
        if (first.afterBareWord) {
            inserted.insert(inserted.begin(), ' ');
        }
        edits.push_back({first.offset, first.length, std::move(inserted)});
        for (std::size_t i = match->offset + 1; i < match->offset + match->length; ++i) {
            const TextPiece& piece = pieces[i];
            Edit& last = edits.back();
            // Bytes that follow one another in the line are one edit; control
            // words between them stay.
            if (last.offset + last.length == piece.offset) {
                last.length += piece.length;
            } else {
                // The blank keeps the word before from running into the text
                // after the part taken out.
                edits.push_back({piece.offset, piece.length, piece.afterBareWord ? " " : ""});
            }
        }
        done = match->offset + match->length;
    }
}

}  // namespace

ReplacePlan PlanReplaceAll(const Project& project, std::string_view pattern,
                           std::string_view replacement, bool matchCase,
                           const std::atomic<bool>* stop) {
    ReplacePlan plan;
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
            break;
        }
        TopicTextChange change;
        change.occurrences = ReplaceInTopicText(project.Topics[i].Text, pattern, replacement,
                                                matchCase, change.text);
        if (change.occurrences > 0) {
            change.topic = i;
            plan.occurrences += change.occurrences;
            plan.changes.push_back(std::move(change));
        }
    }
    return plan;
}

ReplacePlan PlanReplaceFound(const Project& project, const std::vector<ProjectFindResult>& chosen,
                             std::string_view replacement) {
    ReplacePlan plan;
    // Topic, then line, then the matches in it from left to right.
    std::map<std::size_t, std::map<std::size_t, std::vector<const ProjectFindResult*>>> byTopic;
    for (const ProjectFindResult& result : chosen) {
        if (result.field != FindField::Text || result.topic >= project.Topics.Count()) {
            ++plan.skipped;
            continue;
        }
        byTopic[result.topic][result.paragraph + 2].push_back(&result);
    }
    const std::string escaped = EscapeRtfText(replacement);
    for (auto& [topic, lines] : byTopic) {
        const std::vector<std::string>& text = project.Topics[topic].Text;
        TopicTextChange change;
        change.topic = topic;
        for (auto& [line, matches] : lines) {
            if (line >= text.size()) {
                plan.skipped += static_cast<int>(matches.size());
                continue;
            }
            std::sort(matches.begin(), matches.end(),
                      [](const ProjectFindResult* a, const ProjectFindResult* b) {
                          return a->offset < b->offset;
                      });
            std::vector<Edit> edits;
            const int skippedBefore = plan.skipped;
            EditsForLine(text[line], matches, escaped, edits, plan.skipped);
            const int replaced = static_cast<int>(matches.size()) - (plan.skipped - skippedBefore);
            if (replaced == 0) {
                continue;
            }
            if (change.text.empty()) {
                change.text = text;
            }
            std::string& target = change.text[line];
            for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) {
                target.replace(edit->offset, edit->length, edit->text);
            }
            change.occurrences += replaced;
        }
        if (change.occurrences > 0) {
            plan.occurrences += change.occurrences;
            plan.changes.push_back(std::move(change));
        }
    }
    return plan;
}

void ApplyReplacePlan(Project& project, ReplacePlan& plan) {
    for (TopicTextChange& change : plan.changes) {
        project.Topics[change.topic].Text = std::move(change.text);
    }
    if (plan.occurrences > 0) {
        project.SetModified(true);
    }
}

std::string ReplaceQuestion(const ReplacePlan& plan) {
    const auto topics = static_cast<int64_t>(plan.changes.size());
    std::string question = "Replace " + IntToStr(plan.occurrences) +
                           (plan.occurrences == 1 ? " occurrence in " : " occurrences in ") +
                           IntToStr(topics) + (topics == 1 ? " topic?" : " topics?");
    if (plan.skipped > 0) {
        question +=
            " " + IntToStr(plan.skipped) +
            (plan.skipped == 1 ? " result is no longer in the text and stays as it is."
                               : " results are no longer in the text and stay as they are.");
    }
    return question;
}

}  // namespace scrivlet
