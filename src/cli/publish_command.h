#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace scrivlet::cli {

// The arguments of "--publish html SOURCE OUTDIR [--force]".
struct PublishArguments {
    std::string source;
    std::string folder;
    bool force = false;
};

// Reads the arguments after "--publish"; nothing when they are not valid
// (the reason goes to ERR).
std::optional<PublishArguments> ParsePublishArguments(const std::vector<std::string>& args,
                                                      std::ostream& err);

// Publishes SOURCE (a .scw project or a .hlp file) as a web site in FOLDER.
// Warnings go to ERR, the closing line "N pages, N links, N broken" to OUT.
// Exit status 0 when the site was written, 1 when it could not be (bad
// source, or FOLDER not empty and no --force).
int RunPublish(const PublishArguments& arguments, std::ostream& out, std::ostream& err);

// Whether FOLDER exists and holds anything.
bool FolderHasFiles(const std::string& folder);

}  // namespace scrivlet::cli
