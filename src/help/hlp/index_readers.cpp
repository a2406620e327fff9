#include "help/hlp/index_readers.h"

#include "help/hlp/btree_reader.h"
#include "help/hlp/byte_cursor.h"

namespace scrivlet::help::hlp {
namespace {

std::vector<std::pair<uint32_t, uint32_t>> NumberPairs(std::string_view bytes, const char* name) {
    std::vector<std::pair<uint32_t, uint32_t>> pairs;
    BtreeReader(bytes, name).ForEach([&](ByteCursor& entry) {
        const uint32_t key = entry.Dword();
        pairs.emplace_back(key, entry.Dword());
    });
    return pairs;
}

}  // namespace

std::vector<std::pair<uint32_t, uint32_t>> ReadContextTree(std::string_view bytes) {
    return NumberPairs(bytes, "|CONTEXT");
}

std::vector<std::pair<uint32_t, uint32_t>> ReadWindowTree(std::string_view bytes) {
    return NumberPairs(bytes, "|VIOLA");
}

std::vector<std::pair<uint32_t, uint32_t>> ReadContextMap(std::string_view bytes) {
    ByteCursor in(bytes, "|CTXOMAP");
    const unsigned count = in.Word();
    std::vector<std::pair<uint32_t, uint32_t>> pairs;
    for (unsigned i = 0; i < count; ++i) {
        const uint32_t number = in.Dword();
        pairs.emplace_back(number, in.Dword());
    }
    return pairs;
}

std::vector<std::pair<uint32_t, std::string>> ReadTitleTree(std::string_view bytes) {
    std::vector<std::pair<uint32_t, std::string>> titles;
    BtreeReader(bytes, "|TTLBTREE").ForEach([&](ByteCursor& entry) {
        const uint32_t offset = entry.Dword();
        titles.emplace_back(offset, std::string(entry.CString()));
    });
    return titles;
}

std::vector<KeywordEntry> ReadKeywords(std::string_view tree, std::string_view data,
                                       const std::string& name) {
    std::vector<KeywordEntry> keywords;
    const std::string dataName = name.substr(0, 3) + "DATA";
    BtreeReader(tree, name).ForEach([&](ByteCursor& entry) {
        KeywordEntry keyword;
        keyword.keyword = std::string(entry.CString());
        const unsigned count = entry.Word();
        const uint32_t at = entry.Dword();
        ByteCursor offsets(data, dataName);
        offsets.Seek(at);
        for (unsigned i = 0; i < count; ++i) {
            keyword.offsets.push_back(offsets.Dword());
        }
        keywords.push_back(std::move(keyword));
    });
    return keywords;
}

std::vector<std::string> ReadMacroList(std::string_view bytes) {
    std::vector<std::string> macros;
    ByteCursor in(bytes, "a window's macro list");
    while (!in.AtEnd()) {
        const std::string_view macro = in.CString();
        if (!macro.empty()) {
            macros.emplace_back(macro);
        }
    }
    return macros;
}

}  // namespace scrivlet::help::hlp
