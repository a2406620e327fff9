#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "hc/hc_log.h"
#include "hc/help_model.h"

namespace scrivlet::hc {

// All a compiler run knows after reading and checking: the project, the help
// file model, the findings and the counts.
struct CompileResult {
    std::filesystem::path folder;  // the help project's folder
    HelpProject project;
    HelpFile help;
    Log log;
    CompileCounts counts;
};

// Reads the help project file at PROJECTPATH, every topic file its [FILES]
// section names and the bitmaps the topics refer to, and runs the checks.
// Names in the project are looked up relative to its folder (and its ROOT
// and BMROOT folders). With PACK, the topics' text is kept packed
// (help/paragraph_pack.h) as they are read: for a run that only writes the
// help file, which then needs a fraction of the memory.
CompileResult CompileHelpProject(const std::filesystem::path& projectPath, bool pack = false);

// The log file's lines, as LogLines gives them, joined with CR LF.
std::string LogFileBytes(const std::vector<std::string>& lines);

}  // namespace scrivlet::hc
