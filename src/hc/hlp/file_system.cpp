#include "hc/hlp/file_system.h"

#include <vector>

#include "hc/hlp/btree.h"
#include "hc/hlp/bytes.h"

namespace scrivlet::hc::hlp {
namespace {

constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kFileHeaderSize = 9;

std::string FileHeader(std::size_t size) {
    std::string out;
    PutDword(out, static_cast<uint32_t>(size + kFileHeaderSize));  // reserved, with this header
    PutDword(out, static_cast<uint32_t>(size));                    // used
    PutByte(out, 4);
    return out;
}

}  // namespace

std::string FileSystem::Directory() const {
    std::vector<BtreeEntry> directory;
    uint64_t offset = kHeaderSize;
    for (const auto& [name, bytes] : files_) {
        std::string at;
        PutDword(at, static_cast<uint32_t>(offset));
        directory.push_back({name + std::string(1, '\0'), at});
        offset += kFileHeaderSize + bytes.size();
    }
    return BuildBtree({1024, 0x0402, "z4"}, directory);
}

uint64_t FileSystem::Size() const {
    uint64_t size = kHeaderSize + kFileHeaderSize + Directory().size();
    for (const auto& entry : files_) {
        size += kFileHeaderSize + entry.second.size();
    }
    return size;
}

void FileSystem::Write(const std::function<void(std::string_view)>& sink) const {
    const std::string tree = Directory();
    uint64_t directoryStart = kHeaderSize;
    for (const auto& entry : files_) {
        directoryStart += kFileHeaderSize + entry.second.size();
    }
    std::string header;
    PutDword(header, kHelpFileMagic);
    PutDword(header, static_cast<uint32_t>(directoryStart));
    PutDword(header, 0xFFFFFFFF);
    PutDword(header, static_cast<uint32_t>(directoryStart + kFileHeaderSize + tree.size()));
    sink(header);
    for (const auto& [name, bytes] : files_) {
        sink(FileHeader(bytes.size()));
        sink(bytes);
    }
    sink(FileHeader(tree.size()));
    sink(tree);
}

std::string FileSystem::Build() const {
    std::string out;
    Write([&out](std::string_view piece) { out.append(piece); });
    return out;
}

}  // namespace scrivlet::hc::hlp
