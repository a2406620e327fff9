#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scrivlet::hc::hlp {

// One entry of a B+ tree leaf: its key as stored (also what an index page
// stores to separate pages) and the bytes that follow the key.
struct BtreeEntry {
    std::string key;
    std::string value;
};

struct BtreeLayout {
    unsigned pageSize = 2048;
    unsigned flags = 0x0002;
    std::string structure;  // up to 16 characters, such as "z4" or "L4"
};

// The bytes of a B+ tree internal file (without its file header): the tree
// header and its pages. ENTRIES must be sorted as the reader compares keys.
// Leaves are filled in order; index levels are added until one page is the
// root, so the tree grows to any number of entries.
std::string BuildBtree(const BtreeLayout& layout, const std::vector<BtreeEntry>& entries);

// Per leaf page of a tree BuildBtree would build: the number of entries
// before it and its page number (what |KWMAP lists).
struct LeafPageStart {
    uint32_t firstEntry = 0;
    uint16_t page = 0;
};
std::vector<LeafPageStart> BtreeLeafStarts(const BtreeLayout& layout,
                                           const std::vector<BtreeEntry>& entries);

}  // namespace scrivlet::hc::hlp
