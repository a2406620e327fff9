#include "core/util/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "core/util/errors.h"

namespace scrivlet {
namespace {

std::string ErrorText(const std::filesystem::path& path, const std::string& what, int err) {
    return "Cannot " + what + " file " + path.string() + ". " + std::strerror(err);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Opens TEMP for writing, empty and locked against a second writer. A file
// left there by a killed write is reused; a link planted there is not
// followed. Returns -1 with errno set on failure.
int OpenTempFile(const std::filesystem::path& temp) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != ENOENT) {
            // Not ours to write (a link, another owner's file): replace it.
            ::unlink(temp.c_str());
            fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        }
        if (fd < 0) {
            return -1;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int err = errno == EWOULDBLOCK ? EBUSY : errno;
            ::close(fd);
            errno = err;
            return -1;
        }
        // The lock holds the file we opened; if a writer that held it before
        // has renamed it away meanwhile, that file is now the target itself.
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd, &opened) == 0 && ::lstat(temp.c_str(), &named) == 0 &&
            opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
            if (::ftruncate(fd, 0) == 0) {
                return fd;
            }
            const int err = errno;
            ::close(fd);
            errno = err;
            return -1;
        }
        ::close(fd);
    }
    errno = EBUSY;
    return -1;
}

}  // namespace

std::filesystem::path AtomicTempPath(const std::filesystem::path& path) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    return folder / ("." + path.filename().string() + ".tmp");
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // One read of the size the file has; a file that grew meanwhile is read
    // on in blocks. Avoids growing the buffer step by step, which would
    // briefly need twice the memory of a large project.
    std::string bytes;
    auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        size = 0;
    }
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::size_t used = static_cast<std::size_t>(in.gcount());
    constexpr std::size_t kBlock = 64 * 1024;
    while (in && in.peek() != std::char_traits<char>::eof()) {
        bytes.resize(used + kBlock);
        in.read(bytes.data() + used, static_cast<std::streamsize>(kBlock));
        used += static_cast<std::size_t>(in.gcount());
    }
    bytes.resize(used);
    bytes.shrink_to_fit();
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

void WriteFileAtomic(const std::filesystem::path& target, std::string_view bytes) {
    WriteFileAtomic(target, [bytes](const ByteSink& sink) { sink(bytes); });
}

void WriteFileAtomic(const std::filesystem::path& target,
                     const std::function<void(const ByteSink&)>& produce) {
    std::error_code ec;
    // Saving through a symbolic link replaces the file it points to, not the
    // link itself.
    std::filesystem::path path = target;
    if (std::filesystem::is_symlink(target, ec)) {
        auto resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec) {
            path = resolved;
        }
    }
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    const std::filesystem::path temp = AtomicTempPath(path);
    const int fd = OpenTempFile(temp);
    if (fd < 0) {
        throw FileError(ErrorText(target, "create", errno));
    }

    int writeErr = 0;
    try {
        produce([&](std::string_view piece) {
            if (writeErr == 0 && !WriteAll(fd, piece)) {
                writeErr = errno != 0 ? errno : EIO;
            }
        });
    } catch (...) {
        ::close(fd);
        std::filesystem::remove(temp, ec);
        throw;
    }
    if (writeErr == 0 && ::fsync(fd) != 0) {
        writeErr = errno;
    }
    if (::close(fd) != 0 && writeErr == 0) {
        writeErr = errno;
    }
    if (writeErr != 0) {
        std::filesystem::remove(temp, ec);
        throw FileError(ErrorText(target, "write", writeErr));
    }
    // Keep the permissions of the file being replaced.
    const auto status = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::exists(status)) {
        std::filesystem::permissions(temp, status.permissions(), ec);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        std::filesystem::remove(temp, ec);
        throw FileError(ErrorText(target, "write", err));
    }
    // Make the rename itself durable; a failure here loses nothing that the
    // rename has not already put in place.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw FileError(ErrorText(path, "create", errno));
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw FileError(ErrorText(path, "write", errno));
    }
}

}  // namespace scrivlet
