#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace scrivlet {

// The whole file as bytes; nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Writes BYTES to PATH atomically: a temporary file in the same folder is
// written, flushed to disk and renamed over PATH. When any step fails the
// previous file is untouched, the temporary file is removed and FileError is
// thrown with a message naming PATH.
void WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// Plain write (create or replace), for build output that is not precious.
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace scrivlet
