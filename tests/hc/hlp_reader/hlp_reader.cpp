#include "hlp_reader.h"

#include <cstdio>
#include <stdexcept>

namespace scrivlet::hc::test {
namespace {

uint32_t U16(const std::string& b, std::size_t at) {
    if (at + 2 > b.size())
        throw std::runtime_error("read past the end");
    return static_cast<uint8_t>(b[at]) | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1]))
                                             << 8;
}
uint32_t U32(const std::string& b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

// A B+ tree inside an internal file: its header after the 9-byte file header.
struct Tree {
    const std::string& b;
    std::size_t base;  // start of the internal file
    unsigned pageSize() const { return U16(b, base + 9 + 4); }
    unsigned root() const { return U16(b, base + 9 + 26); }
    unsigned levels() const { return U16(b, base + 9 + 32); }
    unsigned pages() const { return U16(b, base + 9 + 30); }
    std::size_t Page(unsigned n) const {
        if (n >= pages())
            throw std::runtime_error("page number out of range");
        return base + 9 + 38 + static_cast<std::size_t>(n) * pageSize();
    }
    std::size_t KeyEnd(std::size_t at, std::size_t keySize) const {
        return keySize != 0 ? at + keySize : b.find('\0', at) + 1;
    }
};

}  // namespace

uint32_t DescribedHash(const std::string& context) {
    uint32_t hash = 0;
    for (char c : context) {
        int value;
        if (c >= '1' && c <= '9')
            value = c - '0';
        else if (c == '0')
            value = 10;
        else if (c == '.')
            value = 12;
        else if (c == '_')
            value = 13;
        else if (c >= 'A' && c <= 'Z')
            value = 17 + (c - 'A');
        else if (c >= 'a' && c <= 'z')
            value = 17 + (c - 'a');
        else
            throw std::runtime_error("only letters, digits, '.' and '_' are described here");
        hash = hash * 43 + static_cast<uint32_t>(value);
    }
    return hash;
}

HlpReader::HlpReader(std::string bytes) : bytes_(std::move(bytes)) {
    if (bytes_.size() < 16 || U32(bytes_, 0) != 0x00035F3F) {
        throw std::runtime_error("not a help file");
    }
    if (U32(bytes_, 12) != bytes_.size())
        throw std::runtime_error("file size field is wrong");
    const Tree dir{bytes_, U32(bytes_, 4)};
    if (U16(bytes_, dir.base + 9) != 0x293B)
        throw std::runtime_error("directory is no B+ tree");
    for (const auto& [name, value] : Entries("", 0, 4)) {
        directory_[name.substr(0, name.size() - 1)] = U32(value, 0);
    }
}

std::optional<std::string> HlpReader::InternalFile(const std::string& name) const {
    const auto found = directory_.find(name);
    if (found == directory_.end())
        return std::nullopt;
    const uint32_t used = U32(bytes_, found->second + 4);
    if (found->second + 9 + static_cast<std::size_t>(used) > bytes_.size()) {
        throw std::runtime_error("internal file runs past the end");
    }
    return bytes_.substr(found->second + 9, used);
}

std::vector<std::pair<std::string, std::string>> HlpReader::Entries(const std::string& tree,
                                                                    std::size_t keySize,
                                                                    std::size_t valueSize) const {
    const Tree t{bytes_, tree.empty() ? U32(bytes_, 4) : directory_.at(tree)};
    unsigned page = t.root();
    for (unsigned level = t.levels(); level > 1; --level) {
        page = U16(bytes_, t.Page(page) + 4);  // the child before every key
    }
    std::vector<std::pair<std::string, std::string>> entries;
    unsigned seen = 0;
    while (page != 0xFFFF) {
        const std::size_t start = t.Page(page);
        const unsigned count = U16(bytes_, start + 2);
        std::size_t at = start + 8;
        for (unsigned i = 0; i < count; ++i) {
            const std::size_t keyEnd = t.KeyEnd(at, keySize);
            const std::size_t valueEnd =
                valueSize != 0 ? keyEnd + valueSize : bytes_.find('\0', keyEnd) + 1;
            if (valueEnd > start + t.pageSize())
                throw std::runtime_error("entry crosses page");
            entries.emplace_back(bytes_.substr(at, keyEnd - at),
                                 bytes_.substr(keyEnd, valueEnd - keyEnd));
            at = valueEnd;
        }
        page = U16(bytes_, start + 6);
        if (++seen > t.pages())
            throw std::runtime_error("leaf chain loops");
    }
    if (entries.size() != U32(bytes_, t.base + 9 + 34)) {
        throw std::runtime_error("entry count does not match the tree header");
    }
    return entries;
}

std::optional<std::string> HlpReader::Lookup(const std::string& tree, const std::string& key,
                                             std::size_t keySize) const {
    const Tree t{bytes_, tree.empty() ? U32(bytes_, 4) : directory_.at(tree)};
    // Keys compare as bytes for names and as signed numbers for 4-byte keys.
    auto compare = [&](const std::string& stored) {
        if (keySize == 4) {
            const auto a = static_cast<int32_t>(U32(stored, 0));
            const auto b = static_cast<int32_t>(U32(key, 0));
            return a < b ? -1 : a > b ? 1 : 0;
        }
        return stored.compare(key) < 0 ? -1 : stored.compare(key) > 0 ? 1 : 0;
    };
    unsigned page = t.root();
    for (unsigned level = t.levels(); level > 1; --level) {
        const std::size_t start = t.Page(page);
        const unsigned count = U16(bytes_, start + 2);
        unsigned child = U16(bytes_, start + 4);
        std::size_t at = start + 6;
        for (unsigned i = 0; i < count; ++i) {
            const std::size_t keyEnd = t.KeyEnd(at, keySize);
            const std::string stored = bytes_.substr(at, keyEnd - at - (keySize ? 0 : 1));
            if (compare(stored) > 0)
                break;
            child = U16(bytes_, keyEnd);
            at = keyEnd + 2;
        }
        page = child;
    }
    const std::size_t start = t.Page(page);
    const unsigned count = U16(bytes_, start + 2);
    std::size_t at = start + 8;
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t keyEnd = t.KeyEnd(at, keySize);
        const std::string stored = bytes_.substr(at, keyEnd - at - (keySize ? 0 : 1));
        const int order = compare(stored);
        if (order == 0)
            return bytes_.substr(keyEnd, 64);
        if (order > 0)
            return std::nullopt;
        // Values are fixed-size in the trees the tests look up: 4 or 6 bytes.
        at = keyEnd + (tree == "|KWBTREE" || tree == "|AWBTREE" ? 6 : 4);
    }
    return std::nullopt;
}

}  // namespace scrivlet::hc::test
