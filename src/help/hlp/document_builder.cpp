#include "help/hlp/document_builder.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "help/context_hash.h"
#include "help/hlp/byte_cursor.h"
#include "help/hlp/context_names.h"
#include "help/hlp/file_system.h"
#include "help/hlp/font_reader.h"
#include "help/hlp/index_readers.h"
#include "help/hlp/paragraph_decoder.h"
#include "help/hlp/phrases.h"
#include "help/hlp/picture_reader.h"
#include "help/hlp/system_reader.h"
#include "help/hlp/topic_stream.h"

namespace scrivlet::help::hlp {
namespace {

constexpr uint32_t kNone = 0xFFFFFFFF;

// A place TOPICOFFSETs lead to: a topic, and the paragraph a record starts.
struct Place {
    uint32_t offset = 0;
    int topic = -1;
    int paragraph = 0;
};

std::vector<std::string> SplitAtNul(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find('\0', at), text.size());
        parts.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return parts;
}

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

class Builder {
public:
    explicit Builder(std::string_view bytes) : files_(bytes) {
        const auto system = files_.File("|SYSTEM");
        if (!system) {
            Damaged("it has no |SYSTEM");
        }
        system_ = ReadSystem(*system);
    }

    HelpDocument Build() {
        if (const auto font = files_.File("|FONT")) {
            formats_ = ReadFonts(*font, doc_.help);
        }
        ReadPictures();
        ReadTopics();
        ReadProject();
        ReadKeywordsAndWindows();
        ReadContexts();
        NameHotspots();
        ReadMap();
        return std::move(doc_);
    }

private:
    void ReadPictures() {
        // |bm0, |bm1, ... in the order of their numbers.
        std::map<unsigned, std::string_view> numbered;
        for (const auto& [name, bytes] : files_.Files()) {
            if (name.size() > 3 && name.compare(0, 3, "|bm") == 0 &&
                name.find_first_not_of("0123456789", 3) == std::string::npos && name.size() < 9) {
                numbered[static_cast<unsigned>(std::stoul(name.substr(3)))] = bytes;
            }
        }
        for (const auto& [number, bytes] : numbered) {
            pictureIndex_["bm" + std::to_string(number)] = static_cast<int>(doc_.pictures.size());
            bool transparent = false;
            doc_.pictures.push_back(
                ReadPictureFile(bytes, "bm" + std::to_string(number), &transparent));
            transparent_.push_back(transparent);
        }
    }

    void ReadTopics() {
        const auto topicFile = files_.File("|TOPIC");
        if (!topicFile) {
            Damaged("it has no |TOPIC");
        }
        const PhraseTable phrases = PhraseTable::Load(files_, system_);
        const std::vector<TopicRecord> records = ReadTopicRecords(*topicFile, system_, phrases);
        const ParagraphContext context{formats_, system_.windows};
        std::size_t scroll = std::string::npos;
        bool hasNonScroll = false;
        for (const TopicRecord& record : records) {
            if (record.type == kTopicHeaderRecord) {
                StartTopic(record);
                hasNonScroll = record.nonScroll != std::string::npos;
                scroll = record.scroll;
                continue;
            }
            if (record.type != kDisplayRecord && record.type != kTableRecord) {
                Damaged("|TOPIC holds a record of the unknown type " + Hex(record.type));
            }
            if (doc_.help.topics.empty()) {
                continue;  // text before the first topic, which no viewer shows
            }
            Topic& topic = doc_.help.topics.back();
            const bool keepNext =
                hasNonScroll && (scroll == std::string::npos || record.stream < scroll);
            const int first = static_cast<int>(topic.paragraphs.size());
            DecodeParagraphRecord(record.type, record.data1, record.data2, keepNext, context,
                                  topic);
            places_.push_back(
                {record.offset, static_cast<int>(doc_.help.topics.size() - 1), first});
            for (std::size_t b = 0; b < topic.bitmaps.size(); ++b) {
                const auto found = pictureIndex_.find(topic.bitmaps[b].name);
                if (found != pictureIndex_.end()) {
                    topic.bitmaps[b].picture = found->second;
                    topic.bitmaps[b].transparent =
                        transparent_[static_cast<std::size_t>(found->second)];
                }
            }
        }
        ResolveBrowse();
    }

    void StartTopic(const TopicRecord& record) {
        Topic topic;
        topic.number = static_cast<int>(doc_.help.topics.size() + 1);
        const std::vector<std::string> parts = SplitAtNul(record.data2);
        topic.title = parts.front();
        topic.hasTitle = !topic.title.empty();
        for (std::size_t i = 1; i < parts.size(); ++i) {
            if (!parts[i].empty()) {
                topic.entryMacros.push_back(parts[i]);
            }
        }
        if (record.data1.size() >= 12) {
            browse_.push_back({ReadDword(record.data1, 4), ReadDword(record.data1, 8)});
        } else {
            browse_.push_back({kNone, kNone});
        }
        topicOffsets_[record.offset] = static_cast<int>(doc_.help.topics.size());
        places_.push_back({record.offset, static_cast<int>(doc_.help.topics.size()), 0});
        doc_.help.topics.push_back(std::move(topic));
    }

    void ResolveBrowse() {
        auto topicAt = [this](uint32_t offset) {
            const auto found = topicOffsets_.find(offset);
            return offset == kNone || found == topicOffsets_.end() ? -1 : found->second;
        };
        for (std::size_t t = 0; t < doc_.help.topics.size(); ++t) {
            doc_.help.topics[t].browsePrevious = topicAt(browse_[t].first);
            doc_.help.topics[t].browseNext = topicAt(browse_[t].second);
        }
    }

    // The place OFFSET leads to: the last record starting at or before it.
    const Place* PlaceOf(uint32_t offset) const {
        const auto after = std::upper_bound(
            places_.begin(), places_.end(), offset,
            [](uint32_t value, const Place& place) { return value < place.offset; });
        if (after == places_.begin()) {
            return nullptr;
        }
        return &*(after - 1);
    }

    void ReadProject() {
        HelpProject& p = doc_.project;
        p.title.text = system_.title;
        p.copyright.text = system_.copyright;
        p.citation.text = system_.citation;
        p.cnt.text = system_.cnt;
        p.windows = system_.windows;
        for (const std::string& macro : system_.config) {
            p.config.push_back({"", macro, 0});
        }
        for (std::size_t w = 0; w < p.windows.size(); ++w) {
            if (const auto list = files_.File("|CF" + std::to_string(w))) {
                for (std::string& macro : ReadMacroList(*list)) {
                    p.config.push_back({p.windows[w].name, std::move(macro), 0});
                }
            }
        }
        if (system_.hasLcid) {
            p.lcid.text =
                Hex(system_.lcid) + " " + Hex(system_.sortFlags) + " " + Hex(system_.sortFlags2);
            doc_.lcid = system_.lcid;
        }
        doc_.charset = static_cast<int>(system_.charset);
        p.compress = system_.Lz77Topics() ? 1 : 0;
    }

    void ReadKeywordsAndWindows() {
        for (const char letter : {'K', 'A'}) {
            const std::string prefix = std::string("|") + letter + "W";
            const auto tree = files_.File(prefix + "BTREE");
            const auto data = files_.File(prefix + "DATA");
            if (!tree || !data) {
                continue;
            }
            for (const KeywordEntry& entry : ReadKeywords(*tree, *data, prefix + "BTREE")) {
                for (const uint32_t offset : entry.offsets) {
                    const Place* place = PlaceOf(offset);
                    if (place == nullptr) {
                        continue;
                    }
                    Topic& topic = doc_.help.topics[static_cast<std::size_t>(place->topic)];
                    (letter == 'K' ? topic.keywords : topic.aKeywords).push_back(entry.keyword);
                }
            }
        }
        if (const auto viola = files_.File("|VIOLA")) {
            for (const auto& [offset, window] : ReadWindowTree(*viola)) {
                const Place* place = PlaceOf(offset);
                if (place != nullptr && window < system_.windows.size()) {
                    doc_.help.topics[static_cast<std::size_t>(place->topic)].window =
                        system_.windows[window].name;
                }
            }
        }
    }

    // Every text of the file that may name a context string.
    void CollectNames() {
        for (const ConfigMacro& macro : doc_.project.config) {
            names_.AddCandidates(macro.macro);
        }
        for (const WindowDefinition& window : doc_.project.windows) {
            names_.AddCandidate(window.name);
        }
        for (const Topic& topic : doc_.help.topics) {
            for (const std::string& macro : topic.entryMacros) {
                names_.AddCandidates(macro);
            }
            for (const Hotspot& hotspot : topic.hotspots) {
                if (hotspot.kind == HotspotKind::Macro) {
                    names_.AddCandidates(hotspot.target);
                }
            }
            for (const std::string& keyword : topic.keywords) {
                names_.AddCandidates(keyword);
            }
            for (const std::string& keyword : topic.aKeywords) {
                names_.AddCandidates(keyword);
            }
        }
        for (const Picture& picture : doc_.pictures) {
            for (const PictureHotspot& hotspot : picture.hotspots) {
                names_.AddCandidates(hotspot.action.target);
            }
        }
    }

    void ReadContexts() {
        CollectNames();
        const auto tree = files_.File("|CONTEXT");
        if (!tree) {
            return;
        }
        for (const auto& [hash, offset] : ReadContextTree(*tree)) {
            const Place* place = PlaceOf(offset);
            if (place == nullptr) {
                continue;
            }
            ContextDefinition definition;
            definition.hash = hash;
            definition.name = names_.Name(hash);
            definition.paragraph = place->paragraph;
            doc_.help.topics[static_cast<std::size_t>(place->topic)].contexts.push_back(definition);
            // Where several contexts lead to one place, a name the file's
            // texts use is the one to show.
            const auto [at, added] = contextAt_.emplace(offset, definition.name);
            if (!added && !names_.Known(ContextHash(at->second)) && names_.Known(hash)) {
                at->second = definition.name;
            }
        }
        if (system_.contents != kNone) {
            const auto found = contextAt_.find(system_.contents);
            if (found != contextAt_.end()) {
                doc_.project.contents.text = found->second;
            }
        }
    }

    void NameHotspots() {
        for (Topic& topic : doc_.help.topics) {
            for (Hotspot& hotspot : topic.hotspots) {
                if (hotspot.kind != HotspotKind::Macro && hotspot.target.empty()) {
                    hotspot.target = names_.Name(hotspot.targetHash);
                }
            }
        }
        for (Picture& picture : doc_.pictures) {
            for (PictureHotspot& hotspot : picture.hotspots) {
                Hotspot& action = hotspot.action;
                if (action.kind != HotspotKind::Macro && action.target.empty()) {
                    action.target = names_.Name(action.targetHash);
                }
            }
        }
    }

    void ReadMap() {
        const auto map = files_.File("|CTXOMAP");
        if (!map) {
            return;
        }
        for (const auto& [number, offset] : ReadContextMap(*map)) {
            const auto found = contextAt_.find(offset);
            if (found == contextAt_.end()) {
                continue;  // a number for a place no context string names
            }
            MapEntry entry;
            entry.context = found->second;
            entry.number = number;
            doc_.project.map.push_back(entry);
        }
    }

    FileSystem files_;
    SystemInfo system_;
    HelpDocument doc_;
    std::vector<CharFormat> formats_;
    std::vector<Place> places_;
    std::map<uint32_t, int> topicOffsets_;
    std::vector<std::pair<uint32_t, uint32_t>> browse_;
    std::map<std::string, int> pictureIndex_;
    std::vector<bool> transparent_;
    std::map<uint32_t, std::string> contextAt_;  // the first context at each offset
    ContextNames names_;
};

}  // namespace

HelpDocument BuildDocument(std::string_view bytes) {
    return Builder(bytes).Build();
}

}  // namespace scrivlet::help::hlp
