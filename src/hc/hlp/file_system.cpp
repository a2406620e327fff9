#include "hc/hlp/file_system.h"

#include <vector>

#include "hc/hlp/btree.h"
#include "hc/hlp/bytes.h"

namespace scrivlet::hc::hlp {
namespace {

void PutFileHeader(std::string& out, std::size_t size) {
    PutDword(out, static_cast<uint32_t>(size + 9));  // reserved, with this header
    PutDword(out, static_cast<uint32_t>(size));      // used
    PutByte(out, 4);
}

}  // namespace

std::string FileSystem::Build() const {
    std::string out(16, '\0');
    std::vector<BtreeEntry> directory;
    for (const auto& [name, bytes] : files_) {
        std::string offset;
        PutDword(offset, static_cast<uint32_t>(out.size()));
        directory.push_back({name + std::string(1, '\0'), offset});
        PutFileHeader(out, bytes.size());
        out += bytes;
    }
    const std::size_t directoryStart = out.size();
    const std::string tree = BuildBtree({1024, 0x0402, "z4"}, directory);
    PutFileHeader(out, tree.size());
    out += tree;
    SetDword(out, 0, 0x00035F3F);
    SetDword(out, 4, static_cast<uint32_t>(directoryStart));
    SetDword(out, 8, 0xFFFFFFFF);
    SetDword(out, 12, static_cast<uint32_t>(out.size()));
    return out;
}

}  // namespace scrivlet::hc::hlp
