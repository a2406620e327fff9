#include "hc/hlp/topic_writer.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "hc/hlp/bytes.h"
#include "hc/hlp/font_table.h"
#include "hc/hlp/paragraph_record.h"

namespace scrivlet::hc::hlp {
namespace {

constexpr uint32_t kNone = 0xFFFFFFFF;
constexpr std::size_t kLinkHeader = 21;
constexpr uint8_t kTopicHeaderRecord = 0x02;
constexpr uint8_t kDisplayRecord = 0x20;

struct Link {
    uint8_t type = 0;
    std::string data1;
    std::string data2;
    uint32_t characters = 0;
    std::size_t topic = 0;     // index into HelpFile::topics
    bool keepNext = false;
    uint32_t position = 0;     // in the run of block data, from 0
    uint32_t offset = 0;       // TOPICOFFSET

    std::size_t Size() const { return kLinkHeader + data1.size() + data2.size(); }
};

// A record's TOPICPOS counts block data as if the blocks' 12-byte headers
// were one, at the start.
uint32_t TopicPos(uint32_t position) { return position + 12; }

// Browse sequences: topics with the same group (the part of the "+" footnote
// before ":") in the order of the rest, topics of one name in file order.
std::vector<std::pair<std::size_t, std::size_t>> BrowseNeighbours(
    const HelpFile& help, const std::vector<std::size_t>& built) {
    std::vector<std::pair<std::size_t, std::size_t>> neighbours(
        help.topics.size(), {SIZE_MAX, SIZE_MAX});
    std::map<std::string, std::vector<std::size_t>> groups;
    for (std::size_t index : built) {
        const std::string& browse = help.topics[index].browse;
        if (browse.empty()) continue;
        const std::size_t colon = browse.find(':');
        groups[colon == std::string::npos ? std::string() : browse.substr(0, colon)].push_back(
            index);
    }
    for (auto& [group, members] : groups) {
        std::stable_sort(members.begin(), members.end(), [&](std::size_t a, std::size_t b) {
            return help.topics[a].browse < help.topics[b].browse;
        });
        for (std::size_t i = 0; i < members.size(); ++i) {
            neighbours[members[i]] = {i > 0 ? members[i - 1] : SIZE_MAX,
                                      i + 1 < members.size() ? members[i + 1] : SIZE_MAX};
        }
    }
    return neighbours;
}

}  // namespace

TopicOutput BuildTopics(const HelpFile& help, const HelpProject& project) {
    TopicOutput out;
    FontTable fonts(help);
    std::vector<Link> links;
    std::vector<std::size_t> built;
    std::vector<std::size_t> headerLink(help.topics.size(), SIZE_MAX);
    std::vector<std::vector<std::size_t>> paragraphLinks(help.topics.size());
    for (std::size_t t = 0; t < help.topics.size(); ++t) {
        const Topic& topic = help.topics[t];
        if (!topic.built) continue;
        built.push_back(t);
        Link header;
        header.type = kTopicHeaderRecord;
        header.topic = t;
        header.data1.assign(28, '\0');
        header.data2 = topic.title;
        for (const std::string& macro : topic.entryMacros) {
            header.data2.push_back('\0');
            header.data2 += macro;
        }
        headerLink[t] = links.size();
        links.push_back(std::move(header));
        for (const Paragraph& paragraph : topic.paragraphs) {
            ParagraphRecord record = EncodeParagraph(paragraph, topic, project, fonts);
            Link link;
            link.type = kDisplayRecord;
            link.topic = t;
            link.keepNext = paragraph.format.keepNext;
            link.data1 = std::move(record.linkData1);
            link.data2 = std::move(record.linkData2);
            link.characters = record.characters;
            paragraphLinks[t].push_back(links.size());
            links.push_back(std::move(link));
        }
    }

    // Where every record goes, and the topic offsets: the block a record
    // starts in and the characters of the records before it in that block.
    uint32_t position = 0;
    uint32_t characters = 0;
    uint32_t block = kNone;
    for (Link& link : links) {
        if (position / kTopicBlockData != block) {
            block = position / kTopicBlockData;
            characters = 0;
        }
        link.position = position;
        link.offset = block * 0x8000 + characters;
        if (link.type == kDisplayRecord) characters += link.characters;
        if (characters >= 0x8000 || block >= 0x10000) {
            throw std::length_error("the topic text is too large for a help file");
        }
        position += static_cast<uint32_t>(link.Size());
    }

    out.topicOffsets.assign(help.topics.size(), -1);
    out.paragraphOffsets.resize(help.topics.size());
    for (std::size_t t : built) {
        out.topicOffsets[t] = links[headerLink[t]].offset;
        for (std::size_t l : paragraphLinks[t]) {
            out.paragraphOffsets[t].push_back(links[l].offset);
        }
    }

    const auto neighbours = BrowseNeighbours(help, built);
    for (std::size_t n = 0; n < built.size(); ++n) {
        const std::size_t t = built[n];
        Link& header = links[headerLink[t]];
        const std::size_t end = n + 1 < built.size() ? headerLink[built[n + 1]] : links.size();
        uint32_t topicSize = 0;
        uint32_t nonScroll = kNone;
        uint32_t scroll = kNone;
        for (std::size_t l = headerLink[t]; l < end; ++l) {
            topicSize += static_cast<uint32_t>(links[l].Size());
            if (l == headerLink[t]) continue;
            uint32_t& first = links[l].keepNext ? nonScroll : scroll;
            if (first == kNone) first = TopicPos(links[l].position);
        }
        const auto [back, forward] = neighbours[t];
        SetDword(header.data1, 0, topicSize);
        SetDword(header.data1, 4, back == SIZE_MAX ? kNone : links[headerLink[back]].offset);
        SetDword(header.data1, 8, forward == SIZE_MAX ? kNone : links[headerLink[forward]].offset);
        SetDword(header.data1, 12, static_cast<uint32_t>(n));
        SetDword(header.data1, 16, nonScroll);
        SetDword(header.data1, 20, scroll);
        SetDword(header.data1, 24, end < links.size() ? TopicPos(links[end].position) : kNone);
    }

    std::string data;
    data.reserve(position);
    for (std::size_t l = 0; l < links.size(); ++l) {
        const Link& link = links[l];
        PutDword(data, static_cast<uint32_t>(link.Size()));
        PutDword(data, static_cast<uint32_t>(link.data2.size()));
        PutDword(data, l == 0 ? kNone : TopicPos(links[l - 1].position));
        PutDword(data, l + 1 < links.size() ? TopicPos(links[l + 1].position) : kNone);
        PutDword(data, static_cast<uint32_t>(kLinkHeader + link.data1.size()));
        PutByte(data, link.type);
        data += link.data1;
        data += link.data2;
    }

    // The blocks, each with the positions of the records about it.
    std::size_t next = 0;
    uint32_t lastLink = kNone;
    uint32_t lastHeader = kNone;
    for (std::size_t start = 0; start < data.size() || start == 0; start += kTopicBlockData) {
        const std::size_t end = std::min(data.size(), start + kTopicBlockData);
        uint32_t firstLink = kNone;
        while (next < links.size() && links[next].position < end) {
            if (firstLink == kNone) firstLink = TopicPos(links[next].position);
            lastLink = TopicPos(links[next].position);
            if (links[next].type == kTopicHeaderRecord) lastHeader = lastLink;
            ++next;
        }
        PutDword(out.topicFile, lastLink);
        PutDword(out.topicFile, firstLink);
        PutDword(out.topicFile, lastHeader);
        out.topicFile.append(data, start, end - start);
        if (data.empty()) break;
    }
    out.fontFile = fonts.Build();
    return out;
}

}  // namespace scrivlet::hc::hlp
