#include "cli/check_command.h"

#include <algorithm>
#include <exception>
#include <ostream>

#include "cli/printable.h"
#include "core/projectfile/project_file.h"
#include "core/util/cp1252.h"
#include "core/util/errors.h"

namespace scrivlet::cli {
namespace {

void Setting(std::string& out, const char* name, std::string_view value) {
    out += name;
    out += ": ";
    out += Printable(value);
    out += '\n';
}

void List(std::string& out, const char* name, const std::vector<std::string>& list) {
    out += name;
    out += ": " + std::to_string(list.size()) + '\n';
    for (const auto& entry : list) {
        out += "  " + Printable(entry) + '\n';
    }
}

}  // namespace

std::string DescribeProject(const Project& project) {
    std::string out;
    // The file name came from the command line and is already UTF-8.
    out += "Project: " + project.ProjectFileName + '\n';
    Setting(out, "Help title", project.HelpTitle);
    Setting(out, "Help file", project.HelpFileName);
    Setting(out, "Contents file", project.ContentsFileName);
    Setting(out, "Copyright", project.Copyright);
    Setting(out, "Citation", project.Citation);
    Setting(out, "Default topic", project.DefaultTopic);
    Setting(out, "Compress", project.Compress ? "yes" : "no");
    Setting(out, "Show error log", project.ShowErrorLog ? "yes" : "no");
    Setting(out, "Show help after compile", project.ShowHelpAfterCompile ? "yes" : "no");
    Setting(out, "Include tag", project.IncludeTag);
    Setting(out, "Exclude tag", project.ExcludeTag);
    Setting(out, "Template file", project.TemplateFile);
    List(out, "Windows", project.WindowDefs);
    List(out, "Config macros", project.ConfigMacros);
    List(out, "Bitmap folders", project.BitmapRoots);
    List(out, "RTF files", project.RtfFiles);
    out += "Topics: " + std::to_string(project.Topics.Count()) + '\n';
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        const TTopic& topic = project.Topics[i];
        const std::size_t lines = topic.Text.size();
        out += std::to_string(topic.TopicID) + '\t' + Printable(topic.ContextString) + '\t' +
               Printable(topic.Title) + '\t' + std::to_string(lines) +
               (lines == 1 ? " line\n" : " lines\n");
    }
    return out;
}

int RunCheck(const std::string& projectFile, std::ostream& out, std::ostream& err) {
    try {
        auto project = ReadProjectFile(projectFile);
        if (!project) {
            err << "scrivlet: " << projectFile << ": no such project file\n";
            return 1;
        }
        out << DescribeProject(*project);
        if (project->CutOff) {
            std::string warning = CutOffWarning(projectFile, *project->CutOff);
            std::replace(warning.begin(), warning.end(), '\n', ' ');
            err << "scrivlet: " << WithoutControls(warning) << '\n';
            return 1;
        }
        return 0;
    } catch (const ScrivletError& e) {
        // The message quotes text from the file next to the UTF-8 file name.
        err << "scrivlet: " << WithoutControls(e.what()) << '\n';
        return 1;
    } catch (const std::exception& e) {
        // Out of memory or a file system failure: still a report, not a crash.
        err << "scrivlet: " << projectFile << ": " << e.what() << '\n';
        return 1;
    }
}

}  // namespace scrivlet::cli
