#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/project.h"
#include "core/windows/string_lists.h"

namespace scrivlet {

// What the project options dialog shows and edits: copies of the settings,
// so the project changes only when the dialog is accepted.
struct ProjectOptions {
    std::string HelpTitle;
    std::string DefaultTopic;
    // The choices of the default topic box: every context string, in topic
    // order, duplicates included.
    StringList ContextStrings;
    bool ShowErrorLog = true;
    bool ShowHelpAfterCompile = true;
    std::string Copyright;
    std::string Citation;

    std::string HelpFileName;
    std::string ContentsFileName;
    StringList BitmapRoots;
    StringList RtfFiles;
    std::string TemplateFile;

    StringList ConfigMacros;
    // The choices of both build tag boxes.
    StringList BuildTags;
    std::string IncludeTag;
    std::string ExcludeTag;
    bool Compress = true;

    friend bool operator==(const ProjectOptions&, const ProjectOptions&) = default;
};

// Every non-empty build tag of the topics in order of first appearance,
// each once, compared without regard to the case of a to z.
StringList BuildTagChoices(const TTopicList& topics);

// The help file name the dialog shows: HelpFileName when it is set or the
// project was never saved; otherwise the project file's name without its
// folder and its last four characters, followed by ".hlp".
std::string ProposedHelpFileName(const Project& project);

ProjectOptions FillProjectOptions(const Project& project);

// Stores the options on OK: every setting, the macros without empty lines,
// strings cut to 255 bytes, and the project marked modified whether or not
// anything changed.
void StoreProjectOptions(const ProjectOptions& options, Project& project);

}  // namespace scrivlet
