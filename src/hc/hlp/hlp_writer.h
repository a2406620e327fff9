#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hc/compile.h"
#include "hc/hlp/file_system.h"
#include "hc/hlp/picture_file.h"
#include "hc/hlp/system_extras.h"

namespace scrivlet::hc::hlp {

// The .HLP file for a checked help project: every internal file the viewer
// reads, assembled in the help file's own file system. DATE is the build time
// the file records (seconds since 1970).
// RESOURCES are the files besides the topic files that go into it.
struct Resources {
    Pictures pictures;
    SystemExtras system;
};
std::string BuildHelpFileBytes(const CompileResult& result, uint32_t date,
                               const Resources& resources);
// The same as internal files, to be written piece by piece; with RELEASE
// (RESULT's own help file), its paragraphs are freed on the way.
FileSystem BuildHelpFile(const CompileResult& result, uint32_t date, const Resources& resources,
                         HelpFile* release);

// Reads the bitmaps and the icon; what cannot be used is reported in LOG.
Resources LoadResources(const CompileResult& result, Log& log);

// As above, reading the resources itself; a bitmap that cannot be used
// throws std::runtime_error with the log's message.
std::string BuildHelpFileBytes(const CompileResult& result, uint32_t date);

// Writes the help file the project's HLP option names (or NAME.hlp beside the
// project) unless the run found a fatal error, and gives the log file's
// lines: the findings, the totals and last whether the help file was written
// and its size. The help file is replaced only when the new one is complete,
// and only when it is a help file. A help file that cannot be written is a
// fatal error.
std::vector<std::string> WriteHelpFileAndLog(CompileResult& result);

// "12,345": a byte count as the log shows it.
std::string GroupedNumber(uint64_t value);

}  // namespace scrivlet::hc::hlp
