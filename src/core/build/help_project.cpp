#include "core/build/help_project.h"

#include "core/build/build_paths.h"
#include "core/build/text_replace.h"
#include "core/util/convert.h"
#include "core/windows/option_paths.h"

namespace scrivlet {
namespace {

void AddIfSet(std::vector<std::string>& lines, const char* key, std::string_view value) {
    if (!value.empty()) {
        lines.push_back(key + std::string(value));
    }
}

}  // namespace

std::string DefaultHelpFileName(std::string_view projectFileName) {
    std::string name = FileNameOf(projectFileName);
    name.resize(name.size() < 4 ? 0 : name.size() - 4);
    return ".\\" + name + ".hlp";
}

std::vector<std::string> BuildHelpProject(Project& project, std::string_view baseName,
                                          std::string_view projectFolder) {
    std::vector<std::string> lines;
    lines.reserve(project.Topics.Count() + 32);
    lines.emplace_back("[OPTIONS]");
    lines.emplace_back(project.Compress ? "COMPRESS=12" : "COMPRESS=0");
    lines.push_back("ERRORLOG=.\\" + std::string(baseName) + ".txt");
    lines.emplace_back("REPORT=Yes");
    AddIfSet(lines, "CONTENTS=", project.DefaultTopic);
    AddIfSet(lines, "TITLE=", project.HelpTitle);
    AddIfSet(lines, "CNT=", FileNameOf(project.ContentsFileName));
    AddIfSet(lines, "COPYRIGHT=", project.Copyright);
    AddIfSet(lines, "CITATION=", project.Citation);
    if (project.HelpFileName.empty()) {
        project.HelpFileName = DefaultHelpFileName(project.ProjectFileName);
    }
    lines.push_back("HLP=" + project.HelpFileName);
    for (const std::string& folder : project.BitmapRoots) {
        lines.push_back("BMROOT=" + folder);
    }
    lines.emplace_back();
    lines.emplace_back("[MAP]");
    const std::string& excluded = project.ExcludeTag.str();
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        const TTopic& topic = project.Topics[i];
        if (!topic.BuildTag.empty() && topic.BuildTag.str() == excluded) {
            continue;
        }
        lines.push_back(topic.ContextString + "  " + IntToStr(topic.TopicID));
    }
    lines.emplace_back();
    lines.emplace_back("[FILES]");
    lines.push_back(std::string(projectFolder) + std::string(baseName) + ".rtf");
    for (const std::string& file : project.RtfFiles) {
        lines.push_back(file);
    }
    if (!project.WindowDefs.empty()) {
        lines.emplace_back();
        lines.emplace_back("[WINDOWS]");
        for (const std::string& window : project.WindowDefs) {
            lines.push_back(ReplaceAll("(-1,-1,-1,-1)", "", window));
        }
    }
    if (!project.ConfigMacros.empty()) {
        lines.emplace_back();
        lines.emplace_back("[CONFIG]");
        for (const std::string& macro : project.ConfigMacros) {
            lines.push_back(macro);
        }
    }
    if (!project.IncludeTag.empty()) {
        lines.emplace_back();
        lines.emplace_back("[INCLUDE]");
        lines.push_back(project.IncludeTag);
    }
    if (!project.ExcludeTag.empty()) {
        lines.emplace_back();
        lines.emplace_back("[EXCLUDE]");
        lines.push_back(project.ExcludeTag);
    }
    return lines;
}

}  // namespace scrivlet
