#include "hc/hlp/index_files.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/util/convert.h"
#include "hc/help_model.h"
#include "hc/hlp/btree.h"
#include "hc/hlp/bytes.h"

namespace scrivlet::hc::hlp {
namespace {

std::string Dword(uint32_t value) {
    std::string bytes;
    PutDword(bytes, value);
    return bytes;
}

}  // namespace

ContextOffsets FindContextOffsets(const HelpFile& help, const TopicOutput& topics) {
    ContextOffsets offsets;
    std::size_t count = 0;
    for (const Topic& topic : help.topics) {
        count += topic.contexts.size();
    }
    offsets.reserve(count);
    for (std::size_t t = 0; t < help.topics.size(); ++t) {
        if (topics.topicOffsets[t] < 0)
            continue;
        const auto& paragraphs = topics.paragraphOffsets[t];
        for (const ContextDefinition& def : help.topics[t].contexts) {
            // The paragraph the footnote stands in, counted from 0; one past
            // the last is the empty paragraph the topic ended with.
            const std::size_t p = static_cast<std::size_t>(std::max(def.paragraph, 0));
            const uint32_t offset = p == 0 || paragraphs.empty()
                                        ? static_cast<uint32_t>(topics.topicOffsets[t])
                                        : paragraphs[std::min(p, paragraphs.size() - 1)];
            offsets.emplace(UpperAscii(def.name), offset);
        }
    }
    return offsets;
}

std::string BuildContextFile(const HelpProject& project, const ContextOffsets& contexts) {
    // The viewer compares hashes as signed numbers.
    std::map<int32_t, uint32_t> byHash;
    for (const auto& [name, offset] : contexts) {
        byHash.emplace(static_cast<int32_t>(ContextHash(name)), offset);
    }
    for (const AliasEntry& alias : project.aliases) {
        const auto found = contexts.find(UpperAscii(alias.context));
        if (found != contexts.end()) {
            byHash.emplace(static_cast<int32_t>(ContextHash(alias.alias)), found->second);
        }
    }
    std::vector<BtreeEntry> entries;
    entries.reserve(byHash.size());
    for (const auto& [hash, offset] : byHash) {
        entries.push_back({Dword(static_cast<uint32_t>(hash)), Dword(offset)});
    }
    return BuildBtree({2048, 0x0002, "L4"}, entries);
}

std::string BuildContextMap(const HelpProject& project, const ContextOffsets& contexts) {
    std::string body;
    unsigned count = 0;
    for (const MapEntry& entry : project.map) {
        const auto found = contexts.find(UpperAscii(entry.context));
        if (count < 0xFFFF && found != contexts.end()) {
            PutDword(body, entry.number);
            PutDword(body, found->second);
            ++count;
        }
    }
    std::string bytes;
    PutWord(bytes, count);
    return bytes + body;
}

std::string BuildTitleTree(const HelpFile& help, const TopicOutput& topics) {
    std::vector<BtreeEntry> entries;
    for (std::size_t t = 0; t < help.topics.size(); ++t) {
        if (topics.topicOffsets[t] < 0)
            continue;
        std::string title = help.topics[t].title;
        title.push_back('\0');
        entries.push_back({Dword(static_cast<uint32_t>(topics.topicOffsets[t])), title});
    }
    return BuildBtree({2048, 0x0002, "Lz"}, entries);
}

std::string BuildWindowTree(const HelpFile& help, const HelpProject& project,
                            const TopicOutput& topics) {
    std::vector<BtreeEntry> entries;
    for (std::size_t t = 0; t < help.topics.size(); ++t) {
        const std::string& window = help.topics[t].window;
        if (topics.topicOffsets[t] < 0 || window.empty())
            continue;
        for (std::size_t w = 0; w < project.windows.size(); ++w) {
            if (UpperAscii(project.windows[w].name) == UpperAscii(window)) {
                entries.push_back({Dword(static_cast<uint32_t>(topics.topicOffsets[t])),
                                   Dword(static_cast<uint32_t>(w))});
                break;
            }
        }
    }
    if (entries.empty())
        return {};
    return BuildBtree({1024, 0x0002, "LL"}, entries);
}

void AddKeywordFiles(char letter, const HelpFile& help, const TopicOutput& topics,
                     FileSystem& files) {
    // Keywords sort without regard to case, as the index lists them.
    auto less = [](const std::string& a, const std::string& b) {
        const std::string ua = UpperAscii(a);
        const std::string ub = UpperAscii(b);
        return ua != ub ? ua < ub : a < b;
    };
    std::map<std::string, std::vector<uint32_t>, decltype(less)> keywords(less);
    for (std::size_t t = 0; t < help.topics.size(); ++t) {
        if (topics.topicOffsets[t] < 0)
            continue;
        const Topic& topic = help.topics[t];
        const auto& list = letter == 'K' ? topic.keywords : topic.aKeywords;
        std::set<std::string> seen;
        for (const std::string& keyword : list) {
            if (keyword.empty() || keyword.size() > 255 || !seen.insert(keyword).second)
                continue;
            keywords[keyword].push_back(static_cast<uint32_t>(topics.topicOffsets[t]));
        }
    }
    if (keywords.empty())
        return;
    std::string data;
    std::vector<BtreeEntry> entries;
    for (const auto& [keyword, offsets] : keywords) {
        std::string value;
        PutWord(value, static_cast<unsigned>(std::min<std::size_t>(offsets.size(), 0xFFFF)));
        PutDword(value, static_cast<uint32_t>(data.size()));
        for (std::size_t i = 0; i < offsets.size() && i < 0xFFFF; ++i) {
            PutDword(data, offsets[i]);
        }
        entries.push_back({keyword + std::string(1, '\0'), value});
    }
    const BtreeLayout layout{2048, 0x0002, "z4"};
    std::string map;
    const std::vector<LeafPageStart> leaves = BtreeLeafStarts(layout, entries);
    PutWord(map, static_cast<unsigned>(leaves.size()));
    for (const LeafPageStart& leaf : leaves) {
        PutDword(map, leaf.firstEntry);
        PutWord(map, leaf.page);
    }
    const std::string prefix = std::string("|") + letter;
    files.Add(prefix + "WBTREE", BuildBtree(layout, entries));
    files.Add(prefix + "WDATA", data);
    files.Add(prefix + "WMAP", map);
}

}  // namespace scrivlet::hc::hlp
