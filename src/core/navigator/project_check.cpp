#include "core/navigator/project_check.h"

#include <unordered_map>
#include <unordered_set>

#include "core/contents/contents_entry.h"
#include "core/macros/macro_scan.h"
#include "core/macros/macro_table.h"
#include "core/navigator/project_links.h"
#include "core/navigator/topic_links.h"
#include "core/util/convert.h"
#include "core/windows/window_def.h"

namespace scrivlet {
namespace {

constexpr const char* kNewTopicTitle = "[new topic]";

class Findings {
public:
    explicit Findings(std::vector<CheckFinding>& out) : out_(out) {}
    void Add(CheckSeverity severity, std::size_t topic, std::string message, std::size_t line = 0,
             std::size_t column = 0) {
        out_.push_back({severity, topic, line, column, std::move(message)});
    }

private:
    std::vector<CheckFinding>& out_;
};

bool IsExcluded(const Project& project, const TTopic& topic) {
    return !project.ExcludeTag.empty() && !topic.BuildTag.empty() &&
           topic.BuildTag.str() == project.ExcludeTag.str();
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

std::string QuoteAndParenthesisFault(std::string_view macros) {
    int depth = 0;
    char quote = 0;
    for (const char c : macros) {
        if (quote != 0) {
            if (c == quote || (quote == '`' && c == '\'')) {
                quote = 0;
            }
            continue;
        }
        if (c == '"' || c == '`') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (--depth < 0) {
                return "a \")\" without its \"(\"";
            }
        }
    }
    if (quote != 0) {
        return "a quotation not closed";
    }
    if (depth > 0) {
        return "a \"(\" not closed";
    }
    return "";
}

std::vector<CheckFinding> CheckProject(const Project& project, const CheckInputs& inputs) {
    std::vector<CheckFinding> out;
    Findings findings(out);
    const TTopicList& topics = project.Topics;

    std::unordered_map<int32_t, std::size_t> byNumber;
    std::unordered_map<std::string, std::size_t> byContext;
    std::unordered_map<std::string, std::size_t> browseGroups;
    for (std::size_t i = 0; i < topics.Count(); ++i) {
        byNumber.emplace(topics[i].TopicID, i);
        if (!topics[i].ContextString.empty()) {
            byContext.emplace(UpperAscii(topics[i].ContextString.str()), i);
        }
        if (!topics[i].BrowseSeq.empty()) {
            ++browseGroups[BrowseGroup(topics[i].BrowseSeq.str())];
        }
    }
    // "main" is the help's own window, defined or not.
    std::unordered_set<std::string> windows{"MAIN"};
    for (const std::string& line : project.WindowDefs) {
        std::string name = WindowNameOf(line);
        while (!name.empty() && name.back() == ' ') {
            name.pop_back();
        }
        windows.insert(UpperAscii(name));
    }
    // What leads to each topic other than itself.
    std::vector<bool> reached(topics.Count(), false);
    if (!reached.empty()) {
        reached[0] = true;  // the help opens there when nothing else is named
    }
    if (!project.DefaultTopic.empty()) {
        const auto it = byContext.find(UpperAscii(project.DefaultTopic.str()));
        if (it != byContext.end()) {
            reached[it->second] = true;
        }
    }
    for (const std::string& line : inputs.contents) {
        const ContentsEntry entry = ParseEntry(line);
        if (IsPage(entry) && !IsMacro(entry) && entry.EntryFile.empty()) {
            const auto it = byContext.find(UpperAscii(entry.EntryTarget.str()));
            if (it != byContext.end()) {
                reached[it->second] = true;
            }
        }
    }

    auto checkWindow = [&](std::size_t topic, const std::string& name, std::size_t line,
                           std::size_t column) {
        if (!name.empty() && windows.count(UpperAscii(name)) == 0) {
            findings.Add(CheckSeverity::Warning, topic,
                         "window " + Quoted(name) + " is not defined", line, column);
        }
    };
    // Routines the project's own macros register are known from then on.
    std::unordered_set<std::string> registered;
    for (const std::string& macros : project.ConfigMacros) {
        for (const std::string& name : ScanMacros(macros).registered) {
            registered.insert(UpperAscii(name));
        }
    }
    auto checkMacro = [&](std::size_t topic, std::string_view macros, std::size_t line,
                          std::size_t column) {
        const std::string fault = QuoteAndParenthesisFault(macros);
        if (!fault.empty()) {
            findings.Add(CheckSeverity::Error, topic, "macro " + Quoted(macros) + ": " + fault,
                         line, column);
            return;  // the names of a broken string are guesses
        }
        const MacroScan scan = ScanMacros(macros);
        for (const std::string& name : scan.registered) {
            registered.insert(UpperAscii(name));
        }
        for (const MacroCall& call : scan.calls) {
            if (FindMacro(call.name) == nullptr && registered.count(UpperAscii(call.name)) == 0) {
                findings.Add(CheckSeverity::Warning, topic,
                             "macro " + Quoted(macros) + ": no macro is named " + Quoted(call.name),
                             line, column);
            }
        }
    };

    std::vector<std::vector<TopicCode>> codes(topics.Count());
    for (std::size_t i = 0; i < topics.Count(); ++i) {
        codes[i] = ScanTopicCodes(topics[i]);
        for (const TopicCode& code : codes[i]) {
            if (code.kind == CodeKind::TopicLink && code.idValid) {
                const auto it = byNumber.find(code.topicId);
                if (it != byNumber.end() && it->second != i) {
                    reached[it->second] = true;
                }
            }
        }
    }

    for (std::size_t i = 0; i < topics.Count(); ++i) {
        const TTopic& topic = topics[i];
        const auto number = byNumber.find(topic.TopicID);
        if (number->second != i) {
            findings.Add(CheckSeverity::Error, i,
                         "topic number " + IntToStr(topic.TopicID) + " is also used by topic " +
                             Quoted(topics[number->second].Title.str()));
        }
        if (!topic.ContextString.empty()) {
            const auto context = byContext.find(UpperAscii(topic.ContextString.str()));
            if (context->second != i) {
                findings.Add(CheckSeverity::Error, i,
                             "context string " + Quoted(topic.ContextString.str()) +
                                 " is also used by topic " +
                                 IntToStr(topics[context->second].TopicID));
            }
        }
        if (topic.Title.empty() || topic.Title.str() == kNewTopicTitle) {
            findings.Add(CheckSeverity::Warning, i, "no title");
        }
        if (topic.Keywords.empty()) {
            findings.Add(CheckSeverity::Note, i, "no keywords");
        }
        if (!reached[i]) {
            const bool browsed =
                !topic.BrowseSeq.empty() && browseGroups[BrowseGroup(topic.BrowseSeq.str())] > 1;
            if (!browsed) {
                findings.Add(CheckSeverity::Warning, i,
                             "no link, contents entry or browse sequence leads here");
            }
        }
        checkWindow(i, topic.Window.str(), 0, 0);
        if (!topic.EntryMacro.empty()) {
            checkMacro(i, topic.EntryMacro.str(), 0, 0);
        }
        for (const TopicCode& code : codes[i]) {
            switch (code.kind) {
                case CodeKind::TopicLink: {
                    if (!code.idValid) {
                        findings.Add(CheckSeverity::Error, i, "link without a topic number",
                                     code.line, code.column);
                        break;
                    }
                    const auto it = byNumber.find(code.topicId);
                    if (it == byNumber.end()) {
                        findings.Add(CheckSeverity::Error, i,
                                     "link to missing topic " + IntToStr(code.topicId), code.line,
                                     code.column);
                    } else if (IsExcluded(project, topics[it->second])) {
                        findings.Add(CheckSeverity::Warning, i,
                                     "link to topic " + IntToStr(code.topicId) +
                                         ", which the build leaves out",
                                     code.line, code.column);
                    }
                    checkWindow(i, code.window, code.line, code.column);
                    break;
                }
                case CodeKind::OtherLink:
                    checkWindow(i, code.window, code.line, code.column);
                    break;
                case CodeKind::MacroLink:
                case CodeKind::Button:
                    checkMacro(i, code.target, code.line, code.column);
                    break;
                case CodeKind::Image:
                    if (inputs.imageExists && !inputs.imageExists(code.target)) {
                        findings.Add(
                            CheckSeverity::Warning, i,
                            "image " + Quoted(code.target) + " is not in the bitmap folders",
                            code.line, code.column);
                    }
                    break;
                case CodeKind::Anchor:
                    break;
            }
        }
    }
    return out;
}

std::string FindingText(const Project& project, const CheckFinding& finding) {
    const char* severity = finding.severity == CheckSeverity::Error     ? "error"
                           : finding.severity == CheckSeverity::Warning ? "warning"
                                                                        : "note";
    std::string text = severity;
    text += ": ";
    if (finding.topic < project.Topics.Count()) {
        const TTopic& topic = project.Topics[finding.topic];
        text += "topic " + IntToStr(topic.TopicID) + " " + Quoted(topic.Title.str()) + ": ";
    }
    return text + finding.message;
}

std::string FindingTotals(const std::vector<CheckFinding>& findings) {
    std::size_t counts[3] = {0, 0, 0};
    for (const CheckFinding& finding : findings) {
        ++counts[static_cast<int>(finding.severity)];
    }
    auto part = [](std::size_t n, const char* word) {
        return IntToStr(static_cast<int64_t>(n)) + " " + word + (n == 1 ? "" : "s");
    };
    return part(counts[0], "error") + ", " + part(counts[1], "warning") + ", " +
           part(counts[2], "note");
}

}  // namespace scrivlet
