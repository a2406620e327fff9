#include "hc/hlp/topic_writer.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "hc/hlp/block_layout.h"
#include "hc/hlp/bytes.h"
#include "hc/hlp/font_table.h"
#include "hc/hlp/hall_phrases.h"
#include "hc/hlp/paragraph_record.h"

namespace scrivlet::hc::hlp {
namespace {

constexpr uint32_t kNone = 0xFFFFFFFF;
constexpr std::size_t kLinkHeader = 21;
constexpr uint8_t kTopicHeaderRecord = 0x02;
constexpr uint8_t kDisplayRecord = 0x20;
constexpr uint8_t kTableRecord = 0x23;

struct Link {
    uint8_t type = 0;
    std::string data1;
    std::string data2;      // as stored: in phrase codes when they are shorter
    uint32_t textSize = 0;  // of data2 expanded
    uint32_t characters = 0;
    std::size_t topic = 0;  // index into HelpFile::topics
    bool keepNext = false;
    uint32_t position = 0;  // in the run of block data, from 0
    uint32_t offset = 0;    // TOPICOFFSET

    std::size_t Size() const { return kLinkHeader + data1.size() + data2.size(); }
};

// Where the run of record bytes is cut into blocks: the position each block
// starts at, and the size a block's data counts as in TOPICPOS values. That
// is 16 KB in WinHelp 4 files even when the blocks are stored unpacked and
// hold only 4084 bytes: viewers find block N at position N * 16 KB.
struct Blocks {
    std::vector<uint32_t> starts{0};
    uint32_t span = 0x4000;

    std::size_t Of(uint32_t position) const {
        return static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), position) -
                                        starts.begin() - 1);
    }
    uint32_t TopicPos(uint32_t position) const {
        const std::size_t block = Of(position);
        return static_cast<uint32_t>(block) * span + (position - starts[block]) + 12;
    }
};

// Browse sequences: topics with the same group (the part of the "+" footnote
// before ":") in the order of the rest, topics of one name in file order.
std::vector<std::pair<std::size_t, std::size_t>> BrowseNeighbours(
    const HelpFile& help, const std::vector<std::size_t>& built) {
    std::vector<std::pair<std::size_t, std::size_t>> neighbours(help.topics.size(),
                                                                {SIZE_MAX, SIZE_MAX});
    std::map<std::string, std::vector<std::size_t>> groups;
    for (std::size_t index : built) {
        const std::string& browse = help.topics[index].browse;
        if (browse.empty())
            continue;
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

// Codes every record's text with the phrases that save most over all of
// them, where that makes it shorter.
void CompressPhrases(std::vector<Link>& links, TopicOutput& out) {
    std::vector<std::string_view> texts;
    texts.reserve(links.size());
    for (const Link& link : links) {
        texts.push_back(link.data2);
    }
    const HallPhrases phrases = HallPhrases::Choose(texts);
    texts = {};
    if (phrases.Empty()) {
        return;
    }
    std::vector<std::string> coded(links.size());
    std::size_t saved = 0;
    for (std::size_t l = 0; l < links.size(); ++l) {
        coded[l] = phrases.Encode(links[l].data2);
        if (coded[l].size() < links[l].data2.size()) {
            saved += links[l].data2.size() - coded[l].size();
        } else {
            coded[l].clear();
        }
    }
    std::string image = phrases.ImageFile(true);
    std::string index = phrases.IndexFile(image.size());
    // The blocks are packed after this, which takes back about half of what
    // the codes save; small helps would grow by the two files and their
    // directory entries.
    constexpr std::size_t kTwoFiles = 2 * (9 + 14);
    if (saved <= 2 * (image.size() + index.size() + kTwoFiles)) {
        return;
    }
    for (std::size_t l = 0; l < links.size(); ++l) {
        if (!coded[l].empty()) {
            links[l].data2 = std::move(coded[l]);
        }
    }
    out.phraseImage = std::move(image);
    out.phraseIndex = std::move(index);
}

// The topic offsets of LINKS under BLOCKS, the positions the topic headers
// name, and the run of record bytes.
void Serialize(const HelpFile& help, const std::vector<std::size_t>& built,
               const std::vector<std::size_t>& headerLink, std::vector<Link>& links,
               const Blocks& blocks, bool* tooLarge, std::string& data) {
    *tooLarge = false;
    uint32_t characters = 0;
    std::size_t block = SIZE_MAX;
    for (Link& link : links) {
        const std::size_t b = blocks.Of(link.position);
        if (b != block) {
            block = b;
            characters = 0;
        }
        link.offset = static_cast<uint32_t>(block) * 0x8000 + characters;
        if (link.type != kTopicHeaderRecord)
            characters += link.characters;
        if (characters >= 0x8000 || block >= 0x10000) {
            *tooLarge = true;
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
            if (l == headerLink[t])
                continue;
            uint32_t& first = links[l].keepNext ? nonScroll : scroll;
            if (first == kNone)
                first = blocks.TopicPos(links[l].position);
        }
        const auto [back, forward] = neighbours[t];
        SetDword(header.data1, 0, topicSize);
        SetDword(header.data1, 4, back == SIZE_MAX ? kNone : links[headerLink[back]].offset);
        SetDword(header.data1, 8, forward == SIZE_MAX ? kNone : links[headerLink[forward]].offset);
        SetDword(header.data1, 12, static_cast<uint32_t>(n));
        SetDword(header.data1, 16, nonScroll);
        SetDword(header.data1, 20, scroll);
        SetDword(header.data1, 24,
                 end < links.size() ? blocks.TopicPos(links[end].position) : kNone);
    }
    data.clear();
    data.reserve(links.empty() ? 0 : links.back().position + links.back().Size());
    for (std::size_t l = 0; l < links.size(); ++l) {
        const Link& link = links[l];
        PutDword(data, static_cast<uint32_t>(link.Size()));
        PutDword(data, link.textSize);
        PutDword(data, l == 0 ? kNone : blocks.TopicPos(links[l - 1].position));
        PutDword(data, l + 1 < links.size() ? blocks.TopicPos(links[l + 1].position) : kNone);
        PutDword(data, static_cast<uint32_t>(kLinkHeader + link.data1.size()));
        PutByte(data, link.type);
        data += link.data1;
        data += link.data2;
    }
}

}  // namespace

TopicOutput BuildTopics(const HelpFile& help, const HelpProject& project, const Pictures& pictures,
                        bool compress, HelpFile* release) {
    TopicOutput out;
    FontTable fonts(help);
    std::vector<Link> links;
    std::vector<std::size_t> built;
    std::vector<std::size_t> headerLink(help.topics.size(), SIZE_MAX);
    std::vector<std::vector<std::size_t>> paragraphLinks(help.topics.size());
    for (std::size_t t = 0; t < help.topics.size(); ++t) {
        const Topic& topic = help.topics[t];
        if (!topic.built)
            continue;
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
        const std::vector<Paragraph>& paragraphs = topic.paragraphs;
        for (std::size_t p = 0; p < paragraphs.size();) {
            const Paragraph& paragraph = paragraphs[p];
            // A table row is one record, from its first paragraph to the one
            // ending the row (or the last one in the table).
            std::size_t end = p + 1;
            if (paragraph.format.inTable) {
                while (end < paragraphs.size() && !paragraphs[end - 1].format.rowEnd &&
                       paragraphs[end].format.inTable) {
                    ++end;
                }
            }
            Link link;
            ParagraphRecord record;
            if (paragraph.format.inTable) {
                link.type = kTableRecord;
                record = EncodeTableRow(std::span(paragraphs).subspan(p, end - p), topic, project,
                                        fonts, pictures);
            } else {
                link.type = kDisplayRecord;
                record = EncodeParagraph(paragraph, topic, project, fonts, pictures);
            }
            link.topic = t;
            link.keepNext = paragraph.format.keepNext;
            link.data1 = std::move(record.linkData1);
            link.data2 = std::move(record.linkData2);
            link.characters = record.characters;
            for (; p < end; ++p) {
                paragraphLinks[t].push_back(links.size());
            }
            links.push_back(std::move(link));
        }
        if (release != nullptr) {
            std::vector<Paragraph>().swap(release->topics[t].paragraphs);
        }
    }

    for (Link& link : links) {
        link.textSize = static_cast<uint32_t>(link.data2.size());
    }
    if (compress && (project.compress & kCompressPhrases) != 0) {
        CompressPhrases(links, out);
    }

    uint32_t total = 0;
    for (Link& link : links) {
        link.position = total;
        total += static_cast<uint32_t>(link.Size());
    }
    Blocks blocks;
    if (!compress) {
        for (uint32_t p = kTopicBlockData; p < total; p += kTopicBlockData) {
            blocks.starts.push_back(p);
        }
    }

    std::string data;  // unpacked only
    std::size_t dataSize = 0;
    std::vector<std::string> packed;
    bool tooLarge = false;
    if (compress) {
        std::vector<uint32_t> records;
        records.reserve(links.size());
        for (const Link& link : links) {
            records.push_back(link.position);
        }
        std::size_t serialized = 0;
        const auto serialize = [&](const std::vector<uint32_t>& starts, std::string& into) {
            blocks.starts = starts;
            Serialize(help, built, headerLink, links, blocks, &tooLarge, into);
            serialized = into.size();
        };
        PackedBlocks laidOut = LayOutPackedBlocks(serialize, records);
        // The last serialization was of the cuts it settled on.
        packed = std::move(laidOut.packed);
        dataSize = serialized;
    } else {
        Serialize(help, built, headerLink, links, blocks, &tooLarge, data);
        dataSize = data.size();
    }

    if (tooLarge) {
        throw std::length_error("the topic text is too large for a help file");
    }
    out.topicOffsets.assign(help.topics.size(), -1);
    out.paragraphOffsets.resize(help.topics.size());
    for (std::size_t t : built) {
        out.topicOffsets[t] = links[headerLink[t]].offset;
        for (std::size_t l : paragraphLinks[t]) {
            out.paragraphOffsets[t].push_back(links[l].offset);
        }
    }

    // The blocks, each with the positions of the records about it.
    std::size_t next = 0;
    uint32_t lastLink = kNone;
    uint32_t lastHeader = kNone;
    for (std::size_t b = 0; b < blocks.starts.size(); ++b) {
        const std::size_t start = blocks.starts[b];
        const std::size_t end = b + 1 < blocks.starts.size() ? blocks.starts[b + 1] : dataSize;
        uint32_t firstLink = kNone;
        while (next < links.size() && links[next].position < end) {
            if (firstLink == kNone)
                firstLink = blocks.TopicPos(links[next].position);
            lastLink = blocks.TopicPos(links[next].position);
            if (links[next].type == kTopicHeaderRecord)
                lastHeader = lastLink;
            ++next;
        }
        PutDword(out.topicFile, lastLink);
        PutDword(out.topicFile, firstLink);
        PutDword(out.topicFile, lastHeader);
        if (compress) {
            out.topicFile += packed[b];
            // Every block but the last fills its 4 KB; the last is kept to
            // at least 0x44 bytes, which some readers take for granted.
            if (b + 1 < blocks.starts.size()) {
                out.topicFile.resize((b + 1) * kTopicBlockSize, '\0');
            } else if (out.topicFile.size() < b * kTopicBlockSize + 0x44) {
                out.topicFile.resize(b * kTopicBlockSize + 0x44, '\0');
            }
        } else {
            out.topicFile.append(data, start, end - start);
        }
    }
    out.fontFile = fonts.Build();
    return out;
}

}  // namespace scrivlet::hc::hlp
