#include "core/build/footnotes.h"

#include "core/build/text_replace.h"
#include "core/model/project.h"

namespace scrivlet {
namespace {

void Add(std::vector<std::string>& lines, const char* lead, const ShortString& value) {
    lines.push_back(lead + EscapeHighChars(value.str()) + "} ");
}

void AddIfSet(std::vector<std::string>& lines, const char* lead, const ShortString& value) {
    if (!value.empty()) {
        Add(lines, lead, value);
    }
}

}  // namespace

std::string NoKeywordsWarning(const TTopic& topic) {
    return "   - Topic \"" + topic.Title.str() + "\" has no keywords.";
}

std::vector<std::string> TopicFootnotes(TTopic& topic, FootnoteOrder order, LogSink& log) {
    if (topic.ContextString.empty()) {
        topic.ContextString = DefaultContextString(topic.TopicID);
    }
    std::vector<std::string> lines;
    AddIfSet(lines, "*{\\footnote ", topic.BuildTag);
    if (order == FootnoteOrder::FirstTopic) {
        AddIfSet(lines, "!{\\footnote ", topic.EntryMacro);
        AddIfSet(lines, "+{\\footnote ", topic.BrowseSeq);
    }
    Add(lines, "#{\\footnote ", topic.ContextString);
    Add(lines, "${\\footnote ", topic.Title);
    if (topic.Keywords.empty()) {
        log.LogLine(NoKeywordsWarning(topic));
    } else {
        Add(lines, "K{\\footnote  ", topic.Keywords);  // two blanks, as topic files always had
    }
    AddIfSet(lines, "A{\\footnote ", topic.AKeywords);
    AddIfSet(lines, ">{\\footnote ", topic.Window);
    if (order == FootnoteOrder::LaterTopic) {
        AddIfSet(lines, "+{\\footnote ", topic.BrowseSeq);
        AddIfSet(lines, "!{\\footnote ", topic.EntryMacro);
    }
    return lines;
}

}  // namespace scrivlet
