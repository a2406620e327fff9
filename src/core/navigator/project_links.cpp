#include "core/navigator/project_links.h"

#include "core/contents/contents_entry.h"
#include "core/util/convert.h"

namespace scrivlet {

std::string BrowseGroup(const std::string& sequence) {
    const std::size_t colon = sequence.find(':');
    return colon == std::string::npos ? sequence : sequence.substr(0, colon);
}

std::vector<TopicReference> WhatLinksHere(const Project& project, std::size_t topic,
                                          const std::vector<std::string>& contents) {
    std::vector<TopicReference> found;
    const TTopicList& topics = project.Topics;
    if (topic >= topics.Count()) {
        return found;
    }
    const TTopic& target = topics[topic];
    for (std::size_t i = 0; i < topics.Count(); ++i) {
        for (const TopicCode& code : ScanTopicCodes(topics[i])) {
            if (code.kind == CodeKind::TopicLink && code.idValid &&
                code.topicId == target.TopicID) {
                TopicReference reference;
                reference.fromTopic = i;
                reference.code = code;
                found.push_back(std::move(reference));
            }
        }
    }
    const std::string context = UpperAscii(target.ContextString.str());
    for (std::size_t line = 0; line < contents.size(); ++line) {
        const ContentsEntry entry = ParseEntry(contents[line]);
        if (IsPage(entry) && !IsMacro(entry) && entry.EntryFile.empty() &&
            UpperAscii(entry.EntryTarget.str()) == context) {
            TopicReference reference;
            reference.kind = ReferenceKind::ContentsEntry;
            reference.contentsLine = line;
            found.push_back(std::move(reference));
        }
    }
    if (!target.BrowseSeq.empty()) {
        const std::string group = BrowseGroup(target.BrowseSeq.str());
        for (std::size_t i = 0; i < topics.Count(); ++i) {
            if (i != topic && !topics[i].BrowseSeq.empty() &&
                BrowseGroup(topics[i].BrowseSeq.str()) == group) {
                TopicReference reference;
                reference.kind = ReferenceKind::BrowseNeighbour;
                reference.fromTopic = i;
                found.push_back(std::move(reference));
            }
        }
    }
    if (!project.DefaultTopic.empty() && UpperAscii(project.DefaultTopic.str()) == context) {
        TopicReference reference;
        reference.kind = ReferenceKind::DefaultTopic;
        found.push_back(std::move(reference));
    }
    return found;
}

bool LinksToNumber(const TTopic& topic, int32_t id) {
    for (const TopicCode& code : ScanTopicCodes(topic)) {
        if (code.kind == CodeKind::TopicLink && code.idValid && code.topicId == id) {
            return true;
        }
    }
    return false;
}

std::size_t CountLinksToNumber(const Project& project, int32_t id) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        for (const TopicCode& code : ScanTopicCodes(project.Topics[i])) {
            count += code.kind == CodeKind::TopicLink && code.idValid && code.topicId == id;
        }
    }
    return count;
}

std::size_t RenumberLinks(Project& project, int32_t from, int32_t to) {
    std::size_t count = 0;
    const std::string number = IntToStr(to);
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        TTopic& topic = project.Topics[i];
        const std::vector<TopicCode> codes = ScanTopicCodes(topic);
        // Last first, so the columns of earlier codes in a line stay true.
        for (auto code = codes.rbegin(); code != codes.rend(); ++code) {
            if (code->kind != CodeKind::TopicLink || !code->idValid || code->topicId != from) {
                continue;
            }
            std::string& line = topic.Text[code->line];
            std::size_t digits = code->column + 6;
            while (digits < line.size() && !(line[digits] >= '0' && line[digits] <= '9')) {
                ++digits;
            }
            std::size_t end = digits;
            while (end < line.size() && line[end] >= '0' && line[end] <= '9') {
                ++end;
            }
            line.replace(digits, end - digits, number);
            ++count;
        }
    }
    return count;
}

ContextReferences FindContextReferences(const Project& project,
                                        const std::vector<std::string>& contents,
                                        std::string_view context) {
    ContextReferences found;
    if (context.empty()) {
        return found;
    }
    const std::string upper = UpperAscii(context);
    found.defaultTopic = UpperAscii(project.DefaultTopic.str()) == upper;
    for (std::size_t line = 0; line < contents.size(); ++line) {
        const ContentsEntry entry = ParseEntry(contents[line]);
        if (IsPage(entry) && !IsMacro(entry) && entry.EntryFile.empty() &&
            UpperAscii(entry.EntryTarget.str()) == upper) {
            found.contentsLines.push_back(line);
        }
    }
    return found;
}

std::string RetargetContentsEntry(std::string_view line, std::string_view to) {
    const std::string target = ParseEntry(line).EntryTarget.str();
    const std::size_t equals = line.find('=');
    const std::size_t at =
        equals == std::string_view::npos ? std::string_view::npos : line.find(target, equals + 1);
    if (target.empty() || at == std::string_view::npos) {
        return std::string(line);
    }
    std::string out(line);
    out.replace(at, target.size(), to);
    return out;
}

std::string ContextQuestion(const ContextReferences& references, std::string_view from,
                            std::string_view to) {
    const std::size_t count = references.Count();
    std::string what;
    if (references.defaultTopic) {
        what = "the project's default topic";
    }
    if (!references.contentsLines.empty()) {
        const std::size_t entries = references.contentsLines.size();
        if (!what.empty()) {
            what += " and ";
        }
        what += IntToStr(static_cast<int64_t>(entries)) +
                (entries == 1 ? " contents entry" : " contents entries");
    }
    const char* them = count == 1 ? "it" : "them";
    return (count == 1 ? std::string("1 reference leads")
                       : IntToStr(static_cast<int64_t>(count)) + " references lead") +
           " to context string \"" + std::string(from) + "\", which becomes \"" + std::string(to) +
           "\": " + what + ". Update " + them + "?\n\nYes updates " + them +
           " (the contents file is saved at once), No leaves " + them +
           " leading nowhere, Cancel keeps the context string \"" + std::string(from) + "\".";
}

std::string RenumberQuestion(std::size_t links, int32_t from, int32_t to) {
    const std::string count = IntToStr(static_cast<int64_t>(links));
    return (links == 1 ? "1 link leads" : count + " links lead") + " to topic number " +
           IntToStr(from) + ", which becomes " + IntToStr(to) + ". Update " +
           (links == 1 ? "it" : "them") + " to lead to " + IntToStr(to) +
           "?\n\nYes updates the links, No leaves " + (links == 1 ? "it" : "them") +
           " leading nowhere, Cancel keeps the number " + IntToStr(from) + ".";
}

}  // namespace scrivlet
