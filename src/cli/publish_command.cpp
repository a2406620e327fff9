#include "cli/publish_command.h"

#include <filesystem>
#include <ostream>

#include "cli/publish_source.h"
#include "help/html/publisher.h"

namespace scrivlet::cli {

std::optional<PublishArguments> ParsePublishArguments(const std::vector<std::string>& args,
                                                      std::ostream& err) {
    PublishArguments parsed;
    std::vector<std::string> plain;
    for (const std::string& arg : args) {
        if (arg == "--force") {
            parsed.force = true;
        } else if (arg.rfind("--", 0) == 0) {
            err << "scrivlet: unexpected argument " << arg << " for --publish\n";
            return std::nullopt;
        } else {
            plain.push_back(arg);
        }
    }
    if (plain.empty() || plain[0] != "html") {
        err << "scrivlet: --publish knows one format: html\n";
        return std::nullopt;
    }
    if (plain.size() != 3) {
        err << "scrivlet: --publish html needs a project or help file and an output folder\n";
        return std::nullopt;
    }
    parsed.source = plain[1];
    parsed.folder = plain[2];
    return parsed;
}

bool FolderHasFiles(const std::string& folder) {
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec) && !std::filesystem::is_empty(folder, ec);
}

int RunPublish(const PublishArguments& arguments, std::ostream& out, std::ostream& err) {
    std::error_code ec;
    if (std::filesystem::exists(arguments.folder, ec) &&
        !std::filesystem::is_directory(arguments.folder, ec)) {
        err << "scrivlet: " << arguments.folder << " is a file, not a folder\n";
        return 1;
    }
    if (!arguments.force && FolderHasFiles(arguments.folder)) {
        err << "scrivlet: " << arguments.folder
            << " is not empty; choose an empty folder or add --force to write into it\n";
        return 1;
    }
    try {
        const PublishSource source = LoadPublishSource(arguments.source);
        for (const std::string& warning : source.warnings) {
            err << "warning: " << warning << '\n';
        }
        const help::html::Site site = help::html::Publish(source.document, source.input);
        for (const std::string& warning : site.report.warnings) {
            err << "warning: " << warning << '\n';
        }
        help::html::WriteSite(site, arguments.folder);
        out << help::html::ReportLine(site.report) << '\n';
        return 0;
    } catch (const PublishError& e) {
        err << "scrivlet: " << e.what() << '\n';
    } catch (const std::exception& e) {
        err << "scrivlet: the site could not be written: " << e.what() << '\n';
    }
    return 1;
}

}  // namespace scrivlet::cli
