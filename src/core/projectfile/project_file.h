#pragma once

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/project.h"
#include "core/util/file_io.h"

namespace scrivlet {

// The settings that choose the number of the topic that a read adds when the
// file holds no topic at all.
struct NumberingPrefs {
    int idCount = 0;
    uint8_t idInc = 10;
};

// The project file's bytes: the header, the four list sections and the topic
// blocks, every line ended by CR LF.
std::string SerializeProject(const Project& project);
// The same bytes, handed to SINK in pieces.
void SerializeProject(const Project& project, const ByteSink& sink);

// The refusal of a file whose first line is not "[PROJECT]" (after an
// optional UTF-8 byte order mark).
std::string NotAProjectMessage(const std::string& fileName);

// The warning shown when FILE_NAME ended early (see Project::CutOff).
std::string CutOffWarning(const std::string& fileName, const CutOffRead& cutOff);

// The question before a save replaces FILE_NAME, which was cut off when read.
std::string CutOffSaveQuestion(const std::string& fileName);

// Reads project-file bytes into a new project. FILE_NAME only names the file
// in error messages; the result's ProjectFileName is left "Untitled".
// Throws NotAProjectError, ConvertError or ListIndexError (their text names
// the file and the line). A topic part without any topic gets one new topic
// numbered by PREFS. A file that ends before "[TOPICS]" or inside a topic
// block is read as far as it goes, and the result's CutOff says where.
Project ParseProject(std::string_view bytes, const std::string& fileName,
                     const NumberingPrefs& prefs = {});
// The same, streamed from IN in chunks of CHUNK_SIZE bytes; throws FileError
// when the stream fails part-way.
Project ParseProject(std::istream& in, const std::string& fileName, const NumberingPrefs& prefs,
                     std::size_t chunkSize = 256 * 1024);

// Saves atomically (see WriteFileAtomic); throws FileError. The project
// itself is not changed: clearing the modified flag is the caller's part,
// after the write succeeded.
void WriteProjectFile(const Project& project, const std::filesystem::path& path);

// Reads PATH into a new project whose ProjectFileName is PATH, CurrentTopic 0
// and Modified false. Nothing when no file of that name exists. Throws as
// ParseProject does, and FileError when the file exists but cannot be read.
std::optional<Project> ReadProjectFile(const std::filesystem::path& path,
                                       const NumberingPrefs& prefs = {});

// Save: writes PROJECT to PATH atomically, then clears its modified flag.
// On failure it throws FileError and the project, its flag and the previous
// file stay as they were.
void SaveProject(Project& project, const std::filesystem::path& path);

// Open: reads PATH and, only when the whole read succeeded, replaces OPEN with
// the result (OPEN keeps its modified listeners). False, with nothing
// changed, when no file of that name exists. On a failed read it throws as
// ReadProjectFile does and OPEN, its file name and its flag are untouched.
bool OpenProject(Project& open, const std::filesystem::path& path,
                 const NumberingPrefs& prefs = {});

}  // namespace scrivlet
