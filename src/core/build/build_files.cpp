#include "core/build/build_files.h"

#include <filesystem>
#include <system_error>

#include "core/util/file_io.h"

namespace scrivlet {

bool BuildFiles::SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

bool DiskBuildFiles::Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

void DiskBuildFiles::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    WriteFileBytes(path, JoinCrLf(lines));
}

std::optional<std::string> DiskBuildFiles::ReadBytes(const std::string& path) {
    return ReadFileBytes(path);
}

void DiskBuildFiles::Remove(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    std::string out;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> SplitTextLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            continue;
        }
        lines.emplace_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < bytes.size()) {
        lines.emplace_back(bytes.substr(start));
    }
    return lines;
}

}  // namespace scrivlet
