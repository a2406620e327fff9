#include "help/help_lookup.h"

#include "help/context_hash.h"

namespace scrivlet::help {
namespace {

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z') {
            x = static_cast<char>(x - 'a' + 'A');
        }
        if (y >= 'a' && y <= 'z') {
            y = static_cast<char>(y - 'a' + 'A');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

}  // namespace

uint32_t DefinitionHash(const ContextDefinition& definition) {
    return definition.name.empty() ? definition.hash : ContextHash(definition.name);
}

int FindTopicByHash(const HelpFile& help, uint32_t hash) {
    for (size_t t = 0; t < help.topics.size(); ++t) {
        for (const ContextDefinition& definition : help.topics[t].contexts) {
            if (DefinitionHash(definition) == hash) {
                return static_cast<int>(t);
            }
        }
    }
    return -1;
}

int FindTopicByContext(const HelpFile& help, std::string_view context) {
    return context.empty() ? -1 : FindTopicByHash(help, ContextHash(context));
}

int FindTopicByMapNumber(const HelpDocument& document, uint32_t number) {
    for (const MapEntry& entry : document.project.map) {
        if (entry.number == number) {
            return FindTopicByContext(document.help, entry.context);
        }
    }
    return -1;
}

std::vector<int> FindTopicsByKeyword(const HelpFile& help, std::string_view keyword, bool alink) {
    std::vector<int> found;
    for (size_t t = 0; t < help.topics.size(); ++t) {
        const Topic& topic = help.topics[t];
        for (const std::string& word : alink ? topic.aKeywords : topic.keywords) {
            if (SameWord(word, keyword)) {
                found.push_back(static_cast<int>(t));
                break;
            }
        }
    }
    return found;
}

int HotspotTargetTopic(const HelpFile& help, const Hotspot& hotspot) {
    if (hotspot.kind == HotspotKind::Macro || !hotspot.file.empty()) {
        return -1;
    }
    if (!hotspot.target.empty()) {
        return FindTopicByContext(help, hotspot.target);
    }
    return hotspot.targetHash != 0 ? FindTopicByHash(help, hotspot.targetHash) : -1;
}

int ContentsTopic(const HelpDocument& document) {
    if (document.help.topics.empty()) {
        return -1;
    }
    const int named = FindTopicByContext(document.help, document.project.contents.text);
    return named >= 0 ? named : 0;
}

}  // namespace scrivlet::help
