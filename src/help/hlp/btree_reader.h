#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "help/hlp/byte_cursor.h"

namespace scrivlet::help::hlp {

// A B+ tree inside an internal file (the directory, |CONTEXT, |TTLBTREE,
// the keyword trees...). The reader walks its leaves in key order: down the
// first children from the root, then along the leaves' chain. Pages out of
// range, loops in the chain and trees deeper than their header says are
// faults of the file, not endless walks.
class BtreeReader {
public:
    // BYTES is the internal file's data (after its 9-byte header); NAME is
    // how the messages call the tree.
    BtreeReader(std::string_view bytes, std::string name);

    // Calls READENTRY for every leaf entry in order with a cursor on the
    // entry's page; it reads one key and its value.
    void ForEach(const std::function<void(ByteCursor&)>& readEntry) const;

    uint32_t EntryCount() const { return entries_; }

private:
    std::string_view Page(unsigned number) const;

    std::string_view bytes_;
    std::string name_;
    unsigned pageSize_ = 0;
    unsigned root_ = 0;
    unsigned pages_ = 0;
    unsigned levels_ = 0;
    uint32_t entries_ = 0;
};

}  // namespace scrivlet::help::hlp
