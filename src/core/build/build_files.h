#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/build/line_output.h"

namespace scrivlet {

// The file operations of a compile, so that tests can watch them and a
// failing disk can be simulated.
class BuildFiles {
public:
    virtual ~BuildFiles() = default;
    virtual bool Exists(const std::string& path) = 0;
    // Creates or replaces PATH with LINES, each ended by CR LF, the last one
    // included. Throws FileError when the file cannot be written.
    virtual void WriteLines(const std::string& path, const std::vector<std::string>& lines) = 0;
    // As WriteLines, with the lines PRODUCE sends as it makes them. Here they
    // are collected and written at the end; the disk writes them as they
    // come. When PRODUCE throws, no part of the file is left.
    virtual void WriteLinesFrom(const std::string& path,
                                const std::function<void(LineOutput&)>& produce);
    // The whole file; nothing when it cannot be read.
    virtual std::optional<std::string> ReadBytes(const std::string& path) = 0;
    // Deletes PATH; a file that is already gone is no error.
    virtual void Remove(const std::string& path) = 0;
    // Whether both names lead to one existing file (through links, "..",
    // or another spelling of the same folder).
    virtual bool SameFile(const std::string& a, const std::string& b);
};

// The real file system.
class DiskBuildFiles : public BuildFiles {
public:
    bool Exists(const std::string& path) override;
    void WriteLines(const std::string& path, const std::vector<std::string>& lines) override;
    void WriteLinesFrom(const std::string& path,
                        const std::function<void(LineOutput&)>& produce) override;
    std::optional<std::string> ReadBytes(const std::string& path) override;
    void Remove(const std::string& path) override;
};

// LINES as file bytes: each line followed by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);

// The lines of a text file whose lines end in CR LF, LF or CR. A last line
// without an ending counts; nothing follows the last ending.
std::vector<std::string> SplitTextLines(std::string_view bytes);

}  // namespace scrivlet
