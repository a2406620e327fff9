#include "core/util/install_layout.h"

#include <system_error>

namespace scrivlet {
namespace fs = std::filesystem;

fs::path ProgramFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self.parent_path();
}

std::optional<fs::path> FindOwnCompiler(const fs::path& programFolder) {
    if (programFolder.empty()) {
        return std::nullopt;
    }
    const fs::path beside = programFolder / "hcrtf";
    std::error_code ec;
    const auto status = fs::status(beside, ec);
    if (ec || !fs::is_regular_file(status) ||
        (status.permissions() & fs::perms::owner_exec) == fs::perms::none) {
        return std::nullopt;
    }
    return beside;
}

std::optional<fs::path> FindUserGuide(const fs::path& programFolder) {
    if (programFolder.empty()) {
        return std::nullopt;
    }
    for (const fs::path& folder :
         {programFolder, programFolder.parent_path() / "share" / "scrivlet"}) {
        std::error_code ec;
        const fs::path guide = folder / "scrivlet.hlp";
        if (fs::is_regular_file(guide, ec)) {
            return guide;
        }
    }
    return std::nullopt;
}

}  // namespace scrivlet
