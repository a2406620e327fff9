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

// Lines to a file through one large buffer of our own: a build of many
// topics writes tens of megabytes in lines of a hundred bytes, and even the
// C library's buffered write costs more per line than copying it.
class FileLines : public LineOutput {
public:
    explicit FileLines(const std::string& path)
        : path_(path), file_(std::fopen(path.c_str(), "wb")) {
        if (file_ == nullptr) {
            Fail("create");
        }
        // Only whole buffers are written, so the library's own is not needed.
        std::setvbuf(file_, nullptr, _IONBF, 0);
        buffer_.reserve(kBufferSize);
    }
    ~FileLines() override {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
    }
    FileLines(const FileLines&) = delete;
    FileLines& operator=(const FileLines&) = delete;

    void Line(std::string_view line) override {
        if (buffer_.size() + line.size() + 2 > kBufferSize) {
            Flush();
        }
        if (line.size() + 2 > kBufferSize) {
            Write(line);
            Write("\r\n");
            return;
        }
        buffer_ += line;
        buffer_ += "\r\n";
    }
    void Close() {
        Flush();
        std::FILE* file = file_;
        file_ = nullptr;
        if (std::fclose(file) != 0) {
            Fail("write");
        }
    }

private:
    static constexpr std::size_t kBufferSize = 1 << 20;

    void Flush() {
        Write(buffer_);
        buffer_.clear();
    }
    void Write(std::string_view bytes) {
        if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
            Fail("write");
        }
    }
    [[noreturn]] void Fail(const char* what) {
        const int error = errno;
        // Worded as every other file error of the build.
        throw FileError("Cannot " + std::string(what) + " file " + path_ + ". " +
                        std::strerror(error));
    }

    std::string path_;
    std::FILE* file_;
    std::string buffer_;
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
