#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace scrivlet::help::hlp {

// The help file's own file system: the header, and the directory (a B+ tree
// of names and offsets) of the internal files. The files are views into the
// bytes given, which must outlive this.
class FileSystem {
public:
    // Throws HelpFileError when BYTES is no help file or its directory is
    // damaged.
    explicit FileSystem(std::string_view bytes);

    // The data of the internal file NAME (after its header), or nothing when
    // the file has none of that name.
    std::optional<std::string_view> File(const std::string& name) const;
    bool Has(const std::string& name) const { return files_.count(name) != 0; }
    const std::map<std::string, std::string_view>& Files() const { return files_; }

private:
    std::string_view Internal(uint32_t offset, const std::string& name) const;

    std::string_view bytes_;
    std::map<std::string, std::string_view> files_;
};

}  // namespace scrivlet::help::hlp
