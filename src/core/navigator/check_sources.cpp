#include "core/navigator/check_sources.h"

#include <filesystem>
#include <memory>

#include "core/build/build_paths.h"
#include "core/contents/contents_file.h"
#include "core/contents/contents_location.h"
#include "core/util/disk_path.h"
#include "core/util/errors.h"

namespace scrivlet {

CheckInputs DiskCheckInputs(const Project& project) {
    CheckInputs inputs;
    if (!project.ContentsFileName.empty()) {
        const std::string path = ContentsDiskPath(FindContentsFileName(project));
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec)) {
            try {
                ContentsFile contents;
                contents.LoadContents(path);
                inputs.contents = std::move(contents.EntryLines);
            } catch (const ScrivletError&) {
                // Unreadable: checked as if there were none.
            }
        }
    }
    const std::string folder = ToDiskPath(ProjectFolder(project.ProjectFileName));
    auto folders = std::make_shared<std::vector<std::filesystem::path>>();
    folders->emplace_back(folder);
    for (const std::string& root : project.BitmapRoots) {
        const std::string disk = ToDiskPath(root);
        folders->push_back(IsAbsoluteStoredPath(root) ? std::filesystem::path(disk)
                                                      : std::filesystem::path(folder) / disk);
    }
    inputs.imageExists = [folders](const std::string& name) {
        std::error_code error;
        for (const auto& imageFolder : *folders) {
            if (std::filesystem::is_regular_file(imageFolder / ToDiskPath(name), error)) {
                return true;
            }
        }
        return false;
    };
    return inputs;
}

}  // namespace scrivlet
