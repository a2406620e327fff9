#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hc/help_model.h"
#include "hc/hlp/picture_file.h"

namespace scrivlet::hc::hlp {

// What the topic text becomes: the |TOPIC and |FONT internal files, and for
// every topic of the help file the TOPICOFFSET of its start and of each of
// its paragraphs, which contexts, titles and keywords point at.
struct TopicOutput {
    std::string topicFile;
    std::string fontFile;
    std::vector<int64_t> topicOffsets;                    // per HelpFile topic; -1 when not built
    std::vector<std::vector<uint32_t>> paragraphOffsets;  // per topic, per paragraph
    // |PhrIndex and |PhrImage; empty without phrase compression.
    std::string phraseIndex;
    std::string phraseImage;
};

// The bit of the COMPRESS level that asks for phrase compression.
constexpr int kCompressPhrases = 4;

// Topic blocks are 4 KB; each holds a 12-byte header, and the topic records
// run on from one block into the next.
constexpr uint32_t kTopicBlockSize = 4096;
constexpr uint32_t kTopicBlockData = kTopicBlockSize - 12;

// COMPRESS packs the blocks with LZ77: each then holds up to 16 KB of
// records, as much as packs into 4 KB; with kCompressPhrases in the
// project's level, the text of the records is phrase-coded too. With
// RELEASE (the same help file as HELP), each topic's paragraphs and hotspots,
// packed or not, are freed once they are records, so that the text is not
// held twice.
TopicOutput BuildTopics(const HelpFile& help, const HelpProject& project, const Pictures& pictures,
                        bool compress, HelpFile* release = nullptr);

}  // namespace scrivlet::hc::hlp
