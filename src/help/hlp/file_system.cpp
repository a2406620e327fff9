#include "help/hlp/file_system.h"

#include "help/hlp/btree_reader.h"
#include "help/hlp/byte_cursor.h"

namespace scrivlet::help::hlp {
namespace {

constexpr uint32_t kHelpMagic = 0x00035F3F;
constexpr std::size_t kFileHeader = 9;

}  // namespace

FileSystem::FileSystem(std::string_view bytes) : bytes_(bytes) {
    if (bytes_.size() < 16 || ReadDword(bytes_, 0) != kHelpMagic) {
        throw HelpFileError("This is not a Windows help file: it does not begin as one does.");
    }
    const uint32_t directory = ReadDword(bytes_, 4);
    const std::string_view tree = Internal(directory, "the directory");
    BtreeReader(tree, "the directory").ForEach([&](ByteCursor& entry) {
        std::string name(entry.CString());
        const uint32_t offset = entry.Dword();
        files_[name] = Internal(offset, "the internal file \"" + name + "\"");
    });
}

std::string_view FileSystem::Internal(uint32_t offset, const std::string& name) const {
    if (offset > bytes_.size() || bytes_.size() - offset < kFileHeader) {
        Damaged(name + " lies past the end of the file");
    }
    const uint32_t used = ReadDword(bytes_, offset + 4);
    if (used > bytes_.size() - offset - kFileHeader) {
        Damaged(name + " runs past the end of the file (the file may be truncated)");
    }
    return bytes_.substr(offset + kFileHeader, used);
}

std::optional<std::string_view> FileSystem::File(const std::string& name) const {
    const auto found = files_.find(name);
    if (found == files_.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace scrivlet::help::hlp
