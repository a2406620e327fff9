#include "core/build/build_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "core/util/errors.h"
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

void BuildFiles::WriteLinesFrom(const std::string& path,
                                const std::function<void(LineOutput&)>& produce) {
    CollectedLines lines;
    produce(lines);
    WriteLines(path, lines.lines);
}

namespace {

// Lines to a file through one large buffer: a build of many topics writes
// tens of megabytes, and going to the disk per line would cost more than
// making the lines.
class FileLines : public LineOutput {
public:
    explicit FileLines(const std::string& path)
        : path_(path), file_(std::fopen(path.c_str(), "wb")) {
        if (file_ == nullptr) {
            Fail("create");
        }
        std::setvbuf(file_, nullptr, _IOFBF, 1 << 20);
    }
    ~FileLines() override {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
    }
    FileLines(const FileLines&) = delete;
    FileLines& operator=(const FileLines&) = delete;

    void Line(std::string_view line) override {
        if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() ||
            std::fwrite("\r\n", 1, 2, file_) != 2) {
            Fail("write");
        }
    }
    void Close() {
        std::FILE* file = file_;
        file_ = nullptr;
        if (std::fclose(file) != 0) {
            Fail("write");
        }
    }

private:
    [[noreturn]] void Fail(const char* what) {
        const int error = errno;
        // Worded as every other file error of the build.
        throw FileError("Cannot " + std::string(what) + " file " + path_ + ". " +
                        std::strerror(error));
    }

    std::string path_;
    std::FILE* file_;
};

}  // namespace

void DiskBuildFiles::WriteLinesFrom(const std::string& path,
                                    const std::function<void(LineOutput&)>& produce) {
    try {
        FileLines file(path);
        produce(file);
        file.Close();
    } catch (...) {
        // A half-written topic file must not be taken for a whole one.
        std::error_code ec;
        std::filesystem::remove(path, ec);
        throw;
    }
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
