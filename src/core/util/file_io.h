#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace scrivlet {

// The whole file as bytes; nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// The temporary file an atomic write of PATH goes through: "." + its name +
// ".tmp" in its folder. One fixed name, so that a write killed half-way
// leaves at most this file, which the next write of PATH reuses.
std::filesystem::path AtomicTempPath(const std::filesystem::path& path);

// Writes BYTES to TARGET atomically: the temporary file above is written,
// flushed to disk and renamed over TARGET (over the file it points to when
// TARGET is a symbolic link). Two writes of one file at the same time: the
// second fails rather than mixing the two. When any step fails the previous file
// is untouched, the temporary file is removed and FileError is thrown with a
// message naming TARGET.
void WriteFileAtomic(const std::filesystem::path& target, std::string_view bytes);

// Takes the bytes of a file piece by piece.
using ByteSink = std::function<void(std::string_view)>;

// As above, with the content handed to the sink by PRODUCE in pieces, so a
// large file never has to be held in memory whole. Whatever PRODUCE throws
// also leaves the previous file untouched (and is passed on).
void WriteFileAtomic(const std::filesystem::path& target,
                     const std::function<void(const ByteSink&)>& produce);

// Plain write (create or replace), for build output that is not precious.
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace scrivlet
