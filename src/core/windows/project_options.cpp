#include "core/windows/project_options.h"

#include "core/windows/option_paths.h"

namespace scrivlet {

StringList BuildTagChoices(const TTopicList& topics) {
    StringList tags;
    for (std::size_t i = 0; i < topics.Count(); ++i) {
        const std::string& tag = topics[i].BuildTag;
        if (!tag.empty() && !ContainsIgnoringCase(tags, tag)) {
            tags.push_back(tag);
        }
    }
    return tags;
}

std::string ProposedHelpFileName(const Project& project) {
    if (!project.HelpFileName.empty() || project.IsUntitled()) {
        return project.HelpFileName;
    }
    const std::string name = FileNameOf(project.ProjectFileName);
    // The name loses its last four characters, normally ".scw".
    return name.substr(0, name.size() >= 4 ? name.size() - 4 : 0) + ".hlp";
}

ProjectOptions FillProjectOptions(const Project& project) {
    ProjectOptions options;
    options.HelpTitle = project.HelpTitle;
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        options.ContextStrings.push_back(project.Topics[i].ContextString);
    }
    options.DefaultTopic = project.DefaultTopic;
    options.BuildTags = BuildTagChoices(project.Topics);
    options.IncludeTag = project.IncludeTag;
    options.ExcludeTag = project.ExcludeTag;
    options.ConfigMacros = project.ConfigMacros;
    options.BitmapRoots = project.BitmapRoots;
    options.RtfFiles = project.RtfFiles;
    options.Copyright = project.Copyright;
    options.Citation = project.Citation;
    options.ContentsFileName = project.ContentsFileName;
    options.TemplateFile = project.TemplateFile;
    options.ShowErrorLog = project.ShowErrorLog;
    options.Compress = project.Compress;
    options.ShowHelpAfterCompile = project.ShowHelpAfterCompile;
    options.HelpFileName = ProposedHelpFileName(project);
    return options;
}

void StoreProjectOptions(const ProjectOptions& options, Project& project) {
    project.HelpTitle = options.HelpTitle;
    project.HelpFileName = options.HelpFileName;
    project.ContentsFileName = options.ContentsFileName;
    project.IncludeTag = options.IncludeTag;
    project.ExcludeTag = options.ExcludeTag;
    project.DefaultTopic = options.DefaultTopic;
    project.Copyright = options.Copyright;
    project.Citation = options.Citation;
    project.ShowErrorLog = options.ShowErrorLog;
    project.Compress = options.Compress;
    project.ShowHelpAfterCompile = options.ShowHelpAfterCompile;
    project.ConfigMacros = options.ConfigMacros;
    RemoveEmptyLines(project.ConfigMacros);
    project.BitmapRoots = options.BitmapRoots;
    project.RtfFiles = options.RtfFiles;
    project.TemplateFile = options.TemplateFile;
    project.SetModified(true);
}

}  // namespace scrivlet
