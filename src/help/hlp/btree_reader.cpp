#include "help/hlp/btree_reader.h"

#include <vector>

namespace scrivlet::help::hlp {
namespace {

constexpr unsigned kBtreeMagic = 0x293B;
constexpr std::size_t kHeaderSize = 38;
constexpr unsigned kNoPage = 0xFFFF;
// Trees of a help file never need more: 16 levels of even the smallest
// pages hold more entries than a file of 4 GB can.
constexpr unsigned kMaxLevels = 16;

}  // namespace

BtreeReader::BtreeReader(std::string_view bytes, std::string name)
    : bytes_(bytes), name_(std::move(name)) {
    ByteCursor header(bytes_, "the header of " + name_);
    if (header.Word() != kBtreeMagic) {
        Damaged(name_ + " is not a B+ tree");
    }
    header.Word();  // flags
    pageSize_ = header.Word();
    header.Skip(16 + 2 + 2);  // structure, reserved, page splits
    root_ = header.Word();
    header.Word();
    pages_ = header.Word();
    levels_ = header.Word();
    entries_ = header.Dword();
    if (pageSize_ < 16) {
        Damaged(name_ + " has pages of " + std::to_string(pageSize_) + " bytes");
    }
    if (levels_ > kMaxLevels) {
        Damaged(name_ + " claims " + std::to_string(levels_) + " levels");
    }
    if (static_cast<std::size_t>(pages_) * pageSize_ > bytes_.size() - kHeaderSize) {
        Damaged(name_ + " has more pages than its file holds");
    }
}

std::string_view BtreeReader::Page(unsigned number) const {
    if (number >= pages_) {
        Damaged(name_ + " refers to page " + std::to_string(number) + " of " +
                std::to_string(pages_));
    }
    return bytes_.substr(kHeaderSize + static_cast<std::size_t>(number) * pageSize_, pageSize_);
}

void BtreeReader::ForEach(const std::function<void(ByteCursor&)>& readEntry) const {
    if (pages_ == 0 || levels_ == 0) {
        return;
    }
    unsigned page = root_;
    for (unsigned level = levels_; level > 1; --level) {
        ByteCursor index(Page(page), "an index page of " + name_);
        index.Skip(4);
        page = index.Word();  // the child before every key
    }
    std::vector<bool> seen(pages_, false);
    while (page != kNoPage) {
        if (page < pages_ && seen[page]) {
            Damaged("the leaf pages of " + name_ + " run in a circle");
        }
        ByteCursor leaf(Page(page), "a leaf page of " + name_);
        seen[page] = true;
        leaf.Skip(2);
        const unsigned count = leaf.Word();
        leaf.Skip(2);
        const unsigned next = leaf.Word();
        for (unsigned i = 0; i < count; ++i) {
            readEntry(leaf);
        }
        page = next;
    }
}

}  // namespace scrivlet::help::hlp
