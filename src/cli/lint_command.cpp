#include "cli/lint_command.h"

#include <filesystem>
#include <ostream>

#include "cli/printable.h"
#include "core/navigator/check_sources.h"
#include "core/projectfile/project_file.h"
#include "core/util/errors.h"

namespace scrivlet::cli {

int RunLint(const std::string& projectFile, std::ostream& out, std::ostream& err) {
    try {
        std::error_code ec;
        const auto path = std::filesystem::absolute(projectFile, ec).lexically_normal();
        const auto project = ReadProjectFile(path);
        if (!project) {
            err << "scrivlet: " << projectFile << ": no such project file\n";
            return 1;
        }
        const CheckInputs inputs = DiskCheckInputs(*project);
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
