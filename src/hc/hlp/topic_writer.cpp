#include "hc/hlp/topic_writer.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <stdexcept>

#include "hc/hlp/block_layout.h"
#include "hc/hlp/bytes.h"
#include "hc/hlp/font_table.h"
#include "hc/hlp/hall_phrases.h"
#include "hc/hlp/paragraph_record.h"
#include "help/paragraph_pack.h"

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
    std::string data2;
    uint32_t characters = 0;
    bool keepNext = false;

    std::size_t Size() const { return kLinkHeader + data1.size() + data2.size(); }
};

// A record once its bytes are in the run: the run holds each record's bytes
// once, and this what laying the run out into blocks needs of it.
struct Placed {
    uint32_t position = 0;  // in the run, from 0
    uint32_t size = 0;
    uint32_t characters = 0;
    uint32_t offset = 0;  // TOPICOFFSET
    uint8_t type = 0;
    bool keepNext = false;
};

// Adds LINK's record to the end of RUN, the places of the records it points
// at left for Serialize.
void Place(const Link& link, std::string& run, std::vector<Placed>& placed) {
    const auto size = static_cast<uint32_t>(link.Size());
    placed.push_back(
        {static_cast<uint32_t>(run.size()), size, link.characters, 0, link.type, link.keepNext});
    PutDword(run, size);
    PutDword(run, static_cast<uint32_t>(link.data2.size()));
    PutDword(run, kNone);
    PutDword(run, kNone);
    PutDword(run, static_cast<uint32_t>(kLinkHeader + link.data1.size()));
    PutByte(run, link.type);
    run += link.data1;
    run += link.data2;
}

uint32_t DwordAt(const std::string& bytes, std::size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

// Where in RUN the text of RECORD starts, from the record's start.
uint32_t TextAt(const std::string& run, const Placed& record) {
    return DwordAt(run, record.position + 16);
}

std::string_view TextOf(const std::string& run, const Placed& record) {
    const uint32_t at = TextAt(run, record);
    return std::string_view(run).substr(record.position + at, record.size - at);
}

// Codes every record's text with the phrases that save most over all of
// them, where that makes it shorter. The codes are made twice, to weigh them
// and to write them, rather than all held at once; RUN is rewritten in
// place, since no record grows and each moves only towards the start. A
// record keeps the size of its text uncoded, which readers unpack to.
void CompressPhrases(std::string& run, std::vector<Placed>& placed, TopicOutput& out) {
    std::vector<std::string_view> texts;
    texts.reserve(placed.size());
    for (const Placed& record : placed) {
        texts.push_back(TextOf(run, record));
    }
    const HallPhrases phrases = HallPhrases::Choose(texts);
    if (phrases.Empty()) {
        return;
    }
    std::size_t saved = 0;
    for (const std::string_view text : texts) {
        const std::size_t coded = phrases.Encode(text).size();
        if (coded < text.size()) {
            saved += text.size() - coded;
        }
    }
    texts = {};
    std::string image = phrases.ImageFile(true);
    std::string index = phrases.IndexFile(image.size());
    // The blocks are packed after this, which takes back about half of what
    // the codes save; small helps would grow by the two files and their
    // directory entries.
    constexpr std::size_t kTwoFiles = 2 * (9 + 14);
    if (saved <= 2 * (image.size() + index.size() + kTwoFiles)) {
        return;
    }
    std::size_t to = 0;
    for (Placed& record : placed) {
        const uint32_t textAt = TextAt(run, record);
        const std::string_view text = TextOf(run, record);
        const std::string coded = phrases.Encode(text);
        const bool shorter = coded.size() < text.size();
        const std::size_t textSize = shorter ? coded.size() : text.size();
        std::memmove(&run[to], &run[record.position], textAt);
        if (shorter) {
            std::memcpy(&run[to + textAt], coded.data(), coded.size());
        } else {
            std::memmove(&run[to + textAt], &run[record.position + textAt], text.size());
        }
        record.position = static_cast<uint32_t>(to);
        record.size = static_cast<uint32_t>(textAt + textSize);
        SetDword(run, to, record.size);
        to += record.size;
    }
    run.resize(to);
    out.phraseImage = std::move(image);
    out.phraseIndex = std::move(index);
}

// Room for the records of HELP's topics and for their bytes, more than they
// take: room never written to takes no memory, while a run that outgrows its
// room is held twice as it moves.
void Reserve(const HelpFile& help, std::vector<Placed>& placed, std::string& run) {
    std::size_t records = 0;
    std::size_t bytes = 0;
    for (const Topic& topic : help.topics) {
        if (!topic.built)
            continue;
        const std::size_t paragraphs = topic.packedText.empty()
                                           ? topic.paragraphs.size()
                                           : PackedParagraphCount(topic.packedText);
        records += 1 + paragraphs;
        bytes += 2 * topic.packedText.size() + 2 * topic.title.size() + (1 + paragraphs) * 128;
    }
    placed.reserve(records);
    run.reserve(bytes);
}

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

// The topic offsets of the records LINKS places under BLOCKS, and in the run
// DATA that PlaceRecords wrote, what depends on them: the places records
// point at and the topic headers' fields.
void Serialize(const HelpFile& help, const std::vector<std::size_t>& built,
               const std::vector<std::size_t>& headerLink, std::vector<Placed>& links,
               const Blocks& blocks, bool* tooLarge, std::string& data) {
    *tooLarge = false;
    uint32_t characters = 0;
    std::size_t block = SIZE_MAX;
    for (Placed& link : links) {
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
        const Placed& header = links[headerLink[t]];
        const std::size_t end = n + 1 < built.size() ? headerLink[built[n + 1]] : links.size();
        uint32_t topicSize = 0;
        uint32_t nonScroll = kNone;
        uint32_t scroll = kNone;
        for (std::size_t l = headerLink[t]; l < end; ++l) {
            topicSize += links[l].size;
            if (l == headerLink[t])
                continue;
            uint32_t& first = links[l].keepNext ? nonScroll : scroll;
            if (first == kNone)
                first = blocks.TopicPos(links[l].position);
        }
        const auto [back, forward] = neighbours[t];
        const std::size_t fields = header.position + kLinkHeader;
        SetDword(data, fields, topicSize);
        SetDword(data, fields + 4, back == SIZE_MAX ? kNone : links[headerLink[back]].offset);
        SetDword(data, fields + 8, forward == SIZE_MAX ? kNone : links[headerLink[forward]].offset);
        SetDword(data, fields + 12, static_cast<uint32_t>(n));
        SetDword(data, fields + 16, nonScroll);
        SetDword(data, fields + 20, scroll);
        SetDword(data, fields + 24,
                 end < links.size() ? blocks.TopicPos(links[end].position) : kNone);
    }
    for (std::size_t l = 0; l < links.size(); ++l) {
        const std::size_t at = links[l].position;
        SetDword(data, at + 8, l == 0 ? kNone : blocks.TopicPos(links[l - 1].position));
        SetDword(data, at + 12,
                 l + 1 < links.size() ? blocks.TopicPos(links[l + 1].position) : kNone);
    }
}

}  // namespace

TopicOutput BuildTopics(const HelpFile& help, const HelpProject& project, const Pictures& pictures,
                        bool compress, HelpFile* release) {
    TopicOutput out;
    FontTable fonts(help);
    // The records' bytes, one after the other, and what the layout needs of
    // each: the record bytes are held once.
    std::string data;
    std::vector<Placed> placed;
    Reserve(help, placed, data);
    std::vector<std::size_t> built;
    std::vector<std::size_t> headerLink(help.topics.size(), SIZE_MAX);
    // Until the records are laid out, the record of each paragraph stands
    // where its offset will.
    out.paragraphOffsets.resize(help.topics.size());
    for (std::size_t t = 0; t < help.topics.size(); ++t) {
        const Topic& topic = help.topics[t];
        if (!topic.built)
            continue;
        built.push_back(t);
        Link header;
        header.type = kTopicHeaderRecord;
        header.data1.assign(28, '\0');
        header.data2 = topic.title;
        for (const std::string& macro : topic.entryMacros) {
            header.data2.push_back('\0');
            header.data2 += macro;
        }
        headerLink[t] = placed.size();
        Place(header, data, placed);
        const bool packed = !topic.packedText.empty();
        TopicText unpacked;
        if (packed) {
            unpacked = UnpackTopicText(topic.packedText);
        }
        const std::vector<Paragraph>& paragraphs = packed ? unpacked.paragraphs : topic.paragraphs;
        const TopicReferences references{packed ? unpacked.hotspots : topic.hotspots,
                                         topic.bitmaps};
        out.paragraphOffsets[t].reserve(paragraphs.size());
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
                record = EncodeTableRow(std::span(paragraphs).subspan(p, end - p), references,
                                        project, fonts, pictures);
            } else {
                link.type = kDisplayRecord;
                record = EncodeParagraph(paragraph, references, project, fonts, pictures);
            }
            link.keepNext = paragraph.format.keepNext;
            link.data1 = std::move(record.linkData1);
            link.data2 = std::move(record.linkData2);
            link.characters = record.characters;
            for (; p < end; ++p) {
                out.paragraphOffsets[t].push_back(static_cast<uint32_t>(placed.size()));
            }
            Place(link, data, placed);
        }
        if (release != nullptr) {
            Topic& done = release->topics[t];
            std::vector<Paragraph>().swap(done.paragraphs);
            std::string().swap(done.packedText);
            std::vector<Hotspot>().swap(done.hotspots);
        }
    }

    if (compress && (project.compress & kCompressPhrases) != 0) {
        CompressPhrases(data, placed, out);
    }
    const auto total = static_cast<uint32_t>(data.size());
    Blocks blocks;
    if (!compress) {
        for (uint32_t p = kTopicBlockData; p < total; p += kTopicBlockData) {
            blocks.starts.push_back(p);
        }
    }

    std::size_t dataSize = 0;
    std::vector<std::string> packed;
    bool tooLarge = false;
    if (compress) {
        std::vector<uint32_t> records;
        records.reserve(placed.size());
        for (const Placed& record : placed) {
            records.push_back(record.position);
        }
        std::size_t serialized = 0;
        // The run moves into the layout's hands at the first round, and is
        // brought up to date in place at every round.
        const auto serialize = [&](const std::vector<uint32_t>& starts, std::string& into) {
            blocks.starts = starts;
            if (into.empty()) {
                into.swap(data);
            }
            Serialize(help, built, headerLink, placed, blocks, &tooLarge, into);
            serialized = into.size();
        };
        PackedBlocks laidOut = LayOutPackedBlocks(serialize, records);
        // The last serialization was of the cuts it settled on.
        packed = std::move(laidOut.packed);
        dataSize = serialized;
    } else {
        Serialize(help, built, headerLink, placed, blocks, &tooLarge, data);
        dataSize = data.size();
    }

    if (tooLarge) {
        throw std::length_error("the topic text is too large for a help file");
    }
    out.topicOffsets.assign(help.topics.size(), -1);
    for (std::size_t t : built) {
        out.topicOffsets[t] = placed[headerLink[t]].offset;
        for (uint32_t& record : out.paragraphOffsets[t]) {
            record = placed[record].offset;
        }
    }

    // The blocks, each with the positions of the records about it.
    out.topicFile.reserve(compress ? blocks.starts.size() * kTopicBlockSize
                                   : dataSize + blocks.starts.size() * 12);
    std::size_t next = 0;
    uint32_t lastLink = kNone;
    uint32_t lastHeader = kNone;
    for (std::size_t b = 0; b < blocks.starts.size(); ++b) {
        const std::size_t start = blocks.starts[b];
        const std::size_t end = b + 1 < blocks.starts.size() ? blocks.starts[b + 1] : dataSize;
        uint32_t firstLink = kNone;
        while (next < placed.size() && placed[next].position < end) {
            if (firstLink == kNone)
                firstLink = blocks.TopicPos(placed[next].position);
            lastLink = blocks.TopicPos(placed[next].position);
            if (placed[next].type == kTopicHeaderRecord)
                lastHeader = lastLink;
            ++next;
        }
        PutDword(out.topicFile, lastLink);
        PutDword(out.topicFile, firstLink);
        PutDword(out.topicFile, lastHeader);
        if (compress) {
            out.topicFile += packed[b];
            std::string().swap(packed[b]);
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
