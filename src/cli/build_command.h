#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scrivlet::cli {

// The arguments of "--build PROJECT.scw [--compiler PATH] [--base NAME]
// [--force] [--keep] [--no-run]".
struct BuildArguments {
    std::string projectFile;
    std::optional<std::string> compiler;
    std::string baseName;
    // Lets --base replace files of that name that exist.
    bool force = false;
    bool keep = false;
    bool noRun = false;
};

// Reads the arguments after "--build"; nothing when they are not valid
// (the reason goes to ERR).
std::optional<BuildArguments> ParseBuildArguments(const std::vector<std::string>& args,
                                                  std::ostream& err);

// The value of KEY in [GROUP] of an INI settings file's bytes, with the
// quoting and backslash escapes of the settings store undone; nothing when
// the key is missing.
std::optional<std::string> IniValue(std::string_view bytes, std::string_view group,
                                    std::string_view key);

// The settings file the window keeps its preferences in:
// $XDG_CONFIG_HOME (or ~/.config) + "/Scrivlet/Scrivlet.conf".
std::string SettingsFilePath();

// Builds the project as the window's Compile does, printing every log line
// to OUT. Exit status: 0 when no log line is an error, 1 otherwise or when
// nothing could be built.
int RunBuild(const BuildArguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace scrivlet::cli
