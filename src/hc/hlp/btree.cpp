#include "hc/hlp/btree.h"

#include <stdexcept>

#include "hc/hlp/bytes.h"

namespace scrivlet::hc::hlp {
namespace {

constexpr std::size_t kLeafHeader = 8;
constexpr std::size_t kIndexHeader = 6;

// Which entries go to which leaf: each leaf holds as many whole entries as fit.
std::vector<std::size_t> SplitLeaves(const BtreeLayout& layout,
                                     const std::vector<BtreeEntry>& entries) {
    std::vector<std::size_t> starts{0};
    std::size_t used = kLeafHeader;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t size = entries[i].key.size() + entries[i].value.size();
        if (size + kLeafHeader > layout.pageSize) {
            throw std::length_error("a B+ tree entry is larger than a page");
        }
        if (used + size > layout.pageSize) {
            starts.push_back(i);
            used = kLeafHeader;
        }
        used += size;
    }
    return starts;
}

struct Child {
    uint16_t page;
    std::string firstKey;
};

}  // namespace

std::vector<LeafPageStart> BtreeLeafStarts(const BtreeLayout& layout,
                                           const std::vector<BtreeEntry>& entries) {
    std::vector<LeafPageStart> leaves;
    const std::vector<std::size_t> starts = SplitLeaves(layout, entries);
    for (std::size_t i = 0; i < starts.size(); ++i) {
        leaves.push_back({static_cast<uint32_t>(starts[i]), static_cast<uint16_t>(i)});
    }
    return leaves;
}

std::string BuildBtree(const BtreeLayout& layout, const std::vector<BtreeEntry>& entries) {
    std::vector<std::string> pages;
    std::vector<Child> level;
    const std::vector<std::size_t> starts = SplitLeaves(layout, entries);
    for (std::size_t p = 0; p < starts.size(); ++p) {
        const std::size_t end = p + 1 < starts.size() ? starts[p + 1] : entries.size();
        std::string page;
        PutWord(page, 0);
        PutWord(page, static_cast<unsigned>(end - starts[p]));
        PutWord(page, p == 0 ? 0xFFFF : static_cast<unsigned>(p - 1));
        PutWord(page, p + 1 == starts.size() ? 0xFFFF : static_cast<unsigned>(p + 1));
        for (std::size_t i = starts[p]; i < end; ++i) {
            page += entries[i].key;
            page += entries[i].value;
        }
        SetWord(page, 0, static_cast<unsigned>(layout.pageSize - page.size()));
        level.push_back({static_cast<uint16_t>(pages.size()),
                         starts[p] < entries.size() ? entries[starts[p]].key : std::string()});
        pages.push_back(std::move(page));
    }
    unsigned levels = 1;
    // An index page names its first child in its header and every further
    // child with the first key that child holds.
    while (level.size() > 1) {
        std::vector<Child> upper;
        std::size_t i = 0;
        while (i < level.size()) {
            std::string page;
            PutWord(page, 0);
            PutWord(page, 0);
            PutWord(page, level[i].page);
            const std::string firstKey = level[i].firstKey;
            ++i;
            unsigned count = 0;
            while (i < level.size() &&
                   page.size() + level[i].firstKey.size() + 2 <= layout.pageSize) {
                page += level[i].firstKey;
                PutWord(page, level[i].page);
                ++count;
                ++i;
            }
            if (count == 0 && i < level.size()) {
                throw std::length_error("a B+ tree key is larger than an index page");
            }
            SetWord(page, 0, static_cast<unsigned>(layout.pageSize - page.size()));
            SetWord(page, 2, count);
            upper.push_back({static_cast<uint16_t>(pages.size()), firstKey});
            pages.push_back(std::move(page));
        }
        level = std::move(upper);
        ++levels;
    }
    if (pages.size() > 0xFFFF) {
        throw std::length_error("a B+ tree has more pages than a help file can hold");
    }
    std::string bytes;
    PutWord(bytes, 0x293B);
    PutWord(bytes, layout.flags);
    PutWord(bytes, layout.pageSize);
    std::string structure = layout.structure;
    structure.resize(16, '\0');
    bytes += structure;
    PutWord(bytes, 0);
    PutWord(bytes, 0);  // page splits
    PutWord(bytes, level.front().page);
    PutWord(bytes, 0xFFFF);
    PutWord(bytes, static_cast<unsigned>(pages.size()));
    PutWord(bytes, levels);
    PutDword(bytes, static_cast<uint32_t>(entries.size()));
    for (std::string& page : pages) {
        page.resize(layout.pageSize, '\0');
        bytes += page;
    }
    return bytes;
}

}  // namespace scrivlet::hc::hlp
