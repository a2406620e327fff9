#include "hc/checks.h"

#include <set>
#include <unordered_map>

#include "core/macros/macro_scan.h"
#include "core/macros/macro_table.h"
#include "core/util/convert.h"
#include "hc/help_model.h"
#include "help/paragraph_pack.h"

namespace scrivlet::hc {
namespace {

enum class Resolution { Defined, Excluded, Undefined };

Place TopicPlace(const Topic& topic) {
    return {topic.file, 0, topic.number, topic.title};
}

// Some viewers hash a context string over its letters, digits, "." and "_"
// only, so they look other names up under a different hash and never find
// them; the help file still holds them under the full hash.
bool HashesTheSameEverywhere(std::string_view name) {
    for (const char c : name) {
        const bool letterOrDigit =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letterOrDigit && c != '.' && c != '_') {
            return false;
        }
    }
    return true;
}

class Checker {
public:
    Checker(const HelpProject& project, HelpFile& help, Log& log)
        : project_(project), help_(help), log_(log) {}

    CompileCounts Check(const BuildTagFilter& tags) {
        for (Topic& topic : help_.topics) {
            topic.built = tags.Builds(topic.buildTags);
        }
        for (const ConfigMacro& config : project_.config) {
            for (const std::string& name : ScanMacros(config.macro).registered) {
                registered_.insert(UpperAscii(name));
            }
        }
        CollectContexts();
        CheckAliases();
        CheckMap();
        CheckContents();
        for (const ConfigMacro& config : project_.config) {
            CheckMacros(config.macro, {project_.fileName, config.line, 0, {}});
            if (!config.window.empty()) {
                CheckWindow(config.window, {project_.fileName, config.line, 0, {}});
            }
        }
        for (Topic& topic : help_.topics) {
            if (!topic.built) {
                continue;
            }
            if (topic.packedText.empty()) {
                NormalizeNonScrolling(topic, topic.paragraphs);
                CheckTopic(topic, topic.paragraphs, topic.hotspots);
                continue;
            }
            TopicText text = UnpackTopicText(topic.packedText);
            if (NormalizeNonScrolling(topic, text.paragraphs)) {
                topic.packedText = PackTopicText(text.paragraphs, text.hotspots);
            }
            CheckTopic(topic, text.paragraphs, text.hotspots);
        }
        counts_.bitmaps = static_cast<int>(bitmapNames_.size());
        if (counts_.topics == 0 && log_.Fatal() == 0) {
            log_.Report(Code::NoTopics, {project_.fileName, 0, 0, {}},
                        "The topic files hold no topic to build.");
        }
        return counts_;
    }

private:
    struct Definition {
        const Topic* topic;
    };

    void CollectContexts() {
        std::size_t count = 0;
        for (const Topic& topic : help_.topics) {
            count += topic.contexts.size();
        }
        // Room for all at once: a table that grows is rehashed at every step.
        std::unordered_map<uint32_t, std::string> hashes;
        hashes.reserve(count);
        defined_.reserve(count);
        for (const Topic& topic : help_.topics) {
            for (const ContextDefinition& context : topic.contexts) {
                if (context.name.empty()) {
                    log_.Report(Code::BadContextString, TopicPlace(topic),
                                "A \"#\" footnote holds no context string.");
                    continue;
                }
                const std::string key = UpperAscii(context.name);
                if (!topic.built) {
                    excluded_.insert(key);
                    continue;
                }
                if (!HashesTheSameEverywhere(context.name)) {
                    log_.Report(Code::ContextNotPortable, TopicPlace(topic),
                                "The context string \"" + context.name +
                                    "\" holds blanks or characters other than letters, digits, "
                                    "\".\" and \"_\"; some help viewers cannot find the topic "
                                    "by it.");
                }
                const auto [it, inserted] = defined_.emplace(key, Definition{&topic});
                if (!inserted) {
                    const Topic& first = *it->second.topic;
                    log_.Report(Code::ContextTwice, TopicPlace(topic),
                                "The context string \"" + context.name +
                                    "\" is already defined in topic #" +
                                    std::to_string(first.number) +
                                    (first.file == topic.file ? "" : " of " + first.file) + ".");
                    continue;
                }
                const uint32_t hash = ContextHash(context.name);
                const auto [h, fresh] = hashes.emplace(hash, context.name);
                if (!fresh) {
                    log_.Report(Code::HashCollision, TopicPlace(topic),
                                "The context string \"" + context.name +
                                    "\" has the same hash value as \"" + h->second +
                                    "\"; rename one of them.");
                }
            }
        }
    }

    Resolution ResolveDirect(const std::string& key) const {
        if (defined_.count(key) != 0) {
            return Resolution::Defined;
        }
        return excluded_.count(key) != 0 ? Resolution::Excluded : Resolution::Undefined;
    }

    // A context string, or an [ALIAS] name standing for one.
    Resolution Resolve(std::string_view context) const {
        const std::string key = UpperAscii(context);
        const Resolution direct = ResolveDirect(key);
        if (direct != Resolution::Undefined) {
            return direct;
        }
        const auto alias = aliases_.find(key);
        return alias == aliases_.end() ? Resolution::Undefined
                                       : ResolveDirect(UpperAscii(alias->second));
    }

    void CheckAliases() {
        for (const AliasEntry& alias : project_.aliases) {
            aliases_.emplace(UpperAscii(alias.alias), alias.context);
        }
        for (const AliasEntry& alias : project_.aliases) {
            const Place place{project_.fileName, alias.line, 0, {}};
            if (ResolveDirect(UpperAscii(alias.context)) == Resolution::Undefined) {
                log_.Report(Code::AliasUndefined, place,
                            "The alias \"" + alias.alias + "\" names \"" + alias.context +
                                "\", which no topic defines.");
            }
        }
    }

    void CheckMap() {
        for (const MapEntry& entry : project_.map) {
            const Place place{entry.file, entry.line, 0, {}};
            switch (Resolve(entry.context)) {
                case Resolution::Undefined:
                    log_.Report(Code::MapUndefined, place,
                                "The [MAP] entry \"" + entry.context +
                                    "\" names a context string no topic defines.");
                    break;
                case Resolution::Excluded:
                    log_.Report(Code::MapExcluded, place,
                                "The [MAP] entry \"" + entry.context +
                                    "\" names a topic the build tags leave out.");
                    break;
                case Resolution::Defined:
                    break;
            }
        }
    }

    void CheckContents() {
        const ProjectLine& contents = project_.contents;
        if (contents.line == 0 || contents.text.empty()) {
            return;
        }
        const Place place{project_.fileName, contents.line, 0, {}};
        switch (Resolve(contents.text)) {
            case Resolution::Undefined:
                log_.Report(Code::ContentsUndefined, place,
                            "The CONTENTS topic \"" + contents.text +
                                "\" is a context string no topic defines.");
                break;
            case Resolution::Excluded:
                log_.Report(
                    Code::ContentsExcluded, place,
                    "The CONTENTS topic \"" + contents.text + "\" is left out by the build tags.");
                break;
            case Resolution::Defined:
                break;
        }
    }

    void CheckWindow(const std::string& name, const Place& place) {
        if (UpperAscii(name) == "MAIN") {
            return;
        }
        for (const WindowDefinition& window : project_.windows) {
            if (UpperAscii(window.name) == UpperAscii(name)) {
                return;
            }
        }
        log_.Report(Code::UndefinedWindow, place,
                    "The window \"" + name + "\" is not defined in [WINDOWS].");
    }

    void CheckMacros(const std::string& text, const Place& place) {
        const MacroScan scan = ScanMacros(text);
        for (const std::string& name : scan.registered) {
            registered_.insert(UpperAscii(name));
        }
        for (const MacroCall& call : scan.calls) {
            if (FindMacro(call.name) == nullptr && registered_.count(UpperAscii(call.name)) == 0) {
                log_.Report(Code::UnknownMacro, place,
                            "WinHelp knows no macro \"" + call.name + "\".");
            }
        }
        if (!scan.fault.empty()) {
            log_.Report(
                Code::BadMacro, place,
                "The macro string \"" + text + "\" is not well formed: " + scan.fault + ".");
        }
    }

    // WinHelp shows the keep-with-next paragraphs at the start of a topic as
    // its non-scrolling region; one further down cannot join it, so it is
    // read as an ordinary paragraph. Tells whether any was.
    bool NormalizeNonScrolling(const Topic& topic, std::vector<Paragraph>& paragraphs) {
        bool scrolling = false;
        bool reported = false;
        for (Paragraph& paragraph : paragraphs) {
            if (!paragraph.format.keepNext) {
                scrolling = true;
            } else if (scrolling) {
                paragraph.format.keepNext = false;
                if (!reported) {
                    reported = true;
                    log_.Report(Code::KeepnNotAtStart, TopicPlace(topic),
                                "A keep-with-next paragraph follows scrolling text; only those "
                                "at the start of a topic form its non-scrolling region.");
                }
            }
        }
        return reported;
    }

    void CheckTopic(const Topic& topic, const std::vector<Paragraph>& paragraphs,
                    const std::vector<Hotspot>& hotspots) {
        const Place place = TopicPlace(topic);
        ++counts_.topics;
        if (topic.contexts.empty() && topic.keywords.empty() && topic.aKeywords.empty() &&
            topic.browse.empty()) {
            log_.Report(Code::Unreachable, place,
                        "The topic has no context string, keywords or browse sequence; no "
                        "jump, index entry or browse button can reach it.");
        }
        // Pop-ups rarely have titles; only a topic the index lists needs one.
        const bool listed = !topic.keywords.empty() || !topic.aKeywords.empty();
        if (listed && (!topic.hasTitle || topic.title.empty())) {
            log_.Report(Code::NoTitle, place, "The topic has keywords but no title.");
        }
        for (const std::string& keyword : topic.keywords) {
            if (keyword.empty()) {
                log_.Report(Code::EmptyKeyword, place,
                            "A keyword footnote holds an empty keyword.");
            } else {
                ++counts_.keywords;
            }
        }
        for (const std::string& keyword : topic.aKeywords) {
            if (keyword.empty()) {
                log_.Report(Code::EmptyKeyword, place,
                            "An A-keyword footnote holds an empty keyword.");
            }
        }
        if (!topic.window.empty()) {
            CheckWindow(topic.window, place);
        }
        for (const std::string& macro : topic.entryMacros) {
            CheckMacros(macro, place);
        }
        for (const Hotspot& hotspot : hotspots) {
            CheckHotspot(hotspot, place);
        }
        for (const Paragraph& paragraph : paragraphs) {
            for (const Run& run : paragraph.runs) {
                if (run.kind == RunKind::Button) {
                    CheckMacros(run.macro, place);
                }
            }
        }
        for (const BitmapRef& bitmap : topic.bitmaps) {
            if (bitmap.path.empty()) {
                log_.Report(Code::BitmapNotFound, place,
                            "The bitmap \"" + bitmap.name + "\" was not found.");
            } else {
                bitmapNames_.insert(bitmap.path);
            }
        }
    }

    void CheckHotspot(const Hotspot& hotspot, const Place& place) {
        if (hotspot.kind == HotspotKind::Macro) {
            ++counts_.jumps;
            CheckMacros(hotspot.target, place);
            return;
        }
        const bool popup = hotspot.kind == HotspotKind::Popup;
        ++(popup ? counts_.popups : counts_.jumps);
        if (!hotspot.window.empty()) {
            CheckWindow(hotspot.window, place);
        }
        if (!hotspot.file.empty()) {
            return;  // a topic of another help file cannot be checked here
        }
        switch (Resolve(hotspot.target)) {
            case Resolution::Undefined:
                log_.Report(popup ? Code::UndefinedPopup : Code::UndefinedJump, place,
                            std::string(popup ? "Pop-up" : "Jump") +
                                " to undefined context string \"" + hotspot.target + "\".");
                break;
            case Resolution::Excluded:
                log_.Report(Code::JumpToExcluded, place,
                            std::string(popup ? "Pop-up" : "Jump") + " to \"" + hotspot.target +
                                "\", a topic the build tags leave out.");
                break;
            case Resolution::Defined:
                break;
        }
    }

    const HelpProject& project_;
    HelpFile& help_;
    Log& log_;
    CompileCounts counts_;
    std::unordered_map<std::string, Definition> defined_;
    std::set<std::string> excluded_;
    std::unordered_map<std::string, std::string> aliases_;
    std::set<std::string> registered_;
    std::set<std::string> bitmapNames_;
};

}  // namespace

CompileCounts CheckHelpFile(const HelpProject& project, const BuildTagFilter& tags, HelpFile& help,
                            Log& log) {
    return Checker(project, help, log).Check(tags);
}

}  // namespace scrivlet::hc
