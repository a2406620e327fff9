#pragma once

#include <map>
#include <string>

namespace scrivlet::hc::hlp {

// The help file's internal files by name, written as one file: the 16-byte
// header, every internal file with its own header, and the directory, a B+
// tree of names and offsets, at the end.
class FileSystem {
public:
    void Add(const std::string& name, std::string bytes) { files_[name] = std::move(bytes); }
    std::string Build() const;

private:
    // Sorted by byte value, the order in which the directory compares names.
    std::map<std::string, std::string> files_;
};

}  // namespace scrivlet::hc::hlp
