#pragma once

#include <string>
#include <vector>

#include "core/build/build_sinks.h"
#include "core/build/line_output.h"
#include "core/model/project.h"

namespace scrivlet {

// The RTF topic file of PROJECT as lines: the first topic's header with the
// merged font and colour tables, every topic's footnotes and text, "\page"
// between topics and the markup translated. Fills in empty context strings
// in the topics. Stage texts go to PROGRESS, warnings and errors to LOG.
// Throws ConvertError for a font number or an "[href=" number that is not a
// 32-bit integer. A project without topics, or whose first topic has no
// text, gives no lines.
std::vector<std::string> BuildTopicRtf(Project& project, LogSink& log, ProgressSink& progress);

// The same lines sent to OUT as they are made, one topic at a time, so that
// the file never has to be held whole.
void WriteTopicRtf(Project& project, LogSink& log, ProgressSink& progress, LineOutput& out);

// "CREATING OUTPUT FILE 50%" and the like: STAGE, a blank, the integer part
// of DONE * 100 / TOTAL and "%".
std::string PercentStatus(const char* stage, std::size_t done, std::size_t total);

}  // namespace scrivlet
