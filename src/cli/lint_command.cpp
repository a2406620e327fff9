#include "cli/lint_command.h"

#include <filesystem>
#include <ostream>

#include "cli/printable.h"
#include "core/build/build_paths.h"
#include "core/contents/contents_file.h"
#include "core/navigator/project_check.h"
#include "core/projectfile/project_file.h"
#include "core/util/disk_path.h"
#include "core/util/errors.h"

namespace scrivlet::cli {
namespace {

std::filesystem::path InProjectFolder(const std::string& folder, const std::string& stored) {
    const std::string disk = ToDiskPath(stored);
    return IsAbsoluteStoredPath(stored) ? std::filesystem::path(disk)
                                        : std::filesystem::path(ToDiskPath(folder)) / disk;
}

}  // namespace

int RunLint(const std::string& projectFile, std::ostream& out, std::ostream& err) {
    try {
        std::error_code ec;
        const auto path = std::filesystem::absolute(projectFile, ec).lexically_normal();
        const auto project = ReadProjectFile(path);
        if (!project) {
            err << "scrivlet: " << projectFile << ": no such project file\n";
            return 1;
        }
        const std::string folder = ProjectFolder(project->ProjectFileName);
        CheckInputs inputs;
        if (!project->ContentsFileName.empty()) {
            ContentsFile contents;
            contents.LoadContents(InProjectFolder(folder, project->ContentsFileName).string());
            inputs.contents = contents.EntryLines;
        }
        std::vector<std::filesystem::path> imageFolders{ToDiskPath(folder)};
        for (const std::string& root : project->BitmapRoots) {
            imageFolders.push_back(InProjectFolder(folder, root));
        }
        inputs.imageExists = [&imageFolders](const std::string& name) {
            std::error_code error;
            for (const auto& imageFolder : imageFolders) {
                if (std::filesystem::is_regular_file(imageFolder / ToDiskPath(name), error)) {
                    return true;
                }
            }
            return false;
        };
        const std::vector<CheckFinding> findings = CheckProject(*project, inputs);
        bool errors = false;
        for (const CheckFinding& finding : findings) {
            out << Printable(FindingText(*project, finding)) << '\n';
            errors = errors || finding.severity == CheckSeverity::Error;
        }
        out << FindingTotals(findings) << '\n';
        return errors ? 1 : 0;
    } catch (const ScrivletError& e) {
        err << "scrivlet: " << WithoutControls(e.what()) << '\n';
        return 1;
    }
}

}  // namespace scrivlet::cli
