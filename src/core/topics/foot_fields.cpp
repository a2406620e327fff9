#include "core/topics/foot_fields.h"

#include "core/util/convert.h"

namespace scrivlet {

FootValues FootValuesOf(const TTopic& topic) {
    FootValues v;
    v[FootField::ContextId] = IntToStr(topic.TopicID);
    v[FootField::Title] = topic.Title.str();
    v[FootField::ContextString] = topic.ContextString.str();
    v[FootField::Keywords] = topic.Keywords.str();
    v[FootField::AKeywords] = topic.AKeywords.str();
    v[FootField::BuildTag] = topic.BuildTag.str();
    v[FootField::BrowseSeq] = topic.BrowseSeq.str();
    v[FootField::Window] = topic.Window.str();
    v[FootField::EntryMacro] = topic.EntryMacro.str();
    v[FootField::Comment] = topic.Comment.str();
    return v;
}

void StoreFootValues(TTopic& topic, const FootValues& v) {
    topic.Title = v[FootField::Title];
    topic.TopicID = StrToInt(v[FootField::ContextId]);
    topic.ContextString = v[FootField::ContextString];
    topic.Keywords = v[FootField::Keywords];
    topic.AKeywords = v[FootField::AKeywords];
    topic.BuildTag = v[FootField::BuildTag];
    topic.BrowseSeq = v[FootField::BrowseSeq];
    topic.Window = v[FootField::Window];
    topic.EntryMacro = v[FootField::EntryMacro];
    topic.Comment = v[FootField::Comment];
}

bool FootKeyPasses(FootField field, int code, std::size_t fieldLength) {
    if (code <= 28) {
        return true;
    }
    switch (field) {
        case FootField::ContextId:
            return !((code >= 32 && code <= 47) || (code >= 58 && code <= 126));
        case FootField::Title:
            return fieldLength <= 120;
        case FootField::BrowseSeq:
        case FootField::Comment:
            return fieldLength <= 49;
        case FootField::Keywords:
        case FootField::AKeywords:
        case FootField::EntryMacro:
            return fieldLength <= 254;
        default:
            return true;
    }
}

bool FootOkEnabled(std::string_view contextString) {
    return !contextString.empty();
}

std::vector<std::string> WindowChoices(const std::vector<std::string>& windowDefs) {
    std::vector<std::string> choices;
    choices.reserve(windowDefs.size());
    for (const std::string& line : windowDefs) {
        const auto eq = line.find('=');
        choices.push_back(eq == std::string::npos ? std::string() : line.substr(0, eq));
    }
    return choices;
}

}  // namespace scrivlet
