#include "core/topics/property_rows.h"

#include "core/util/convert.h"

namespace scrivlet {

const std::array<const char*, kPropertyRowCount + 1> kPropertyCaptions = {
    "Property",  "Topic ID",    "Title",  "Context String", "Keywords", "A-Keywords",
    "Build Tag", "Browse Seq.", "Window", "Entry Macro",    "Comment"};

PropertyValues PropertyValuesOf(const TTopic& topic) {
    return {IntToStr(topic.TopicID), topic.Title.str(),     topic.ContextString.str(),
            topic.Keywords.str(),    topic.AKeywords.str(), topic.BuildTag.str(),
            topic.BrowseSeq.str(),   topic.Window.str(),    topic.EntryMacro.str(),
            topic.Comment.str()};
}

void StorePropertyValues(TTopic& topic, const PropertyValues& values) {
    if (!values[0].empty()) {
        topic.TopicID = StrToInt(values[0]);
    }
    topic.Title = values[1];
    topic.ContextString = values[2];
    topic.Keywords = values[3];
    topic.AKeywords = values[4];
    topic.BuildTag = values[5];
    topic.BrowseSeq = values[6];
    topic.Window = values[7];
    topic.EntryMacro = values[8];
    topic.Comment = values[9];
}

std::string TopicNumberTaken(const TTopicList& topics, std::size_t index,
                             const PropertyValues& values) {
    if (values[0].empty() || index >= topics.Count()) {
        return "";
    }
    const int32_t id = StrToInt(values[0]);
    if (id == topics[index].TopicID) {
        return "";
    }
    for (std::size_t i = 0; i < topics.Count(); ++i) {
        if (i != index && topics[i].TopicID == id) {
            return "Topic number " + IntToStr(id) + " is already used by topic \"" +
                   topics[i].Title.str() + "\". The topic keeps its number " +
                   IntToStr(topics[index].TopicID) + ".";
        }
    }
    return "";
}

bool PropertyRowShownInTopicGrid(int row) {
    return row == 1 || row == 2 || row == 4 || row == 10;
}

}  // namespace scrivlet
