#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace scrivlet::hc::hlp {

// The first four bytes of every help file.
constexpr uint32_t kHelpFileMagic = 0x00035F3F;

// The help file's internal files by name, written as one file: the 16-byte
// header, every internal file with its own header, and the directory, a B+
// tree of names and offsets, at the end.
class FileSystem {
public:
    void Add(const std::string& name, std::string bytes) { files_[name] = std::move(bytes); }

    // The whole help file's size in bytes.
    uint64_t Size() const;
    // Hands the help file to SINK piece by piece, so that it is never held
    // whole in memory a second time.
    void Write(const std::function<void(std::string_view)>& sink) const;
    std::string Build() const;

private:
    std::string Directory() const;

    // Sorted by byte value, the order in which the directory compares names.
    std::map<std::string, std::string> files_;
};

}  // namespace scrivlet::hc::hlp
