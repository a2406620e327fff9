#pragma once
// Where the files that come with the program are, found from the folder of
// the running executable so that an install moved to another prefix, and a
// build folder, work alike:
//   build folder      build/scrivlet, build/hcrtf, build/scrivlet.hlp
//   installed         PREFIX/bin/scrivlet, PREFIX/bin/hcrtf,
//                     PREFIX/share/scrivlet/scrivlet.hlp
#include <filesystem>
#include <optional>

namespace scrivlet {

// The folder of the running executable; empty when the system cannot say.
std::filesystem::path ProgramFolder();

// Our own help compiler, an executable file named hcrtf beside the program.
std::optional<std::filesystem::path> FindOwnCompiler(const std::filesystem::path& programFolder);

// The user guide's help file, scrivlet.hlp; its contents file, scrivlet.cnt,
// lies beside it. Beside the program first (a build folder), then in the
// install prefix's share/scrivlet.
std::optional<std::filesystem::path> FindUserGuide(const std::filesystem::path& programFolder);

}  // namespace scrivlet
