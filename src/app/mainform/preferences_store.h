#pragma once

#include <string>
#include <vector>

#include "core/topics/preferences.h"

namespace scrivlet::app {

// The preferences as QSettings keeps them (organisation and application
// "Scrivlet"; on Linux an INI file under the XDG config folder). Every value
// is a string; the groups are "Settings", "RecentFiles", "Tools" and
// "Toolbars/<toolbar>".
namespace preferences_store {

Preferences ReadSettings();
// Writes the values PreferencesToWrite chooses; the others keep what is stored.
void WriteSettings(const Preferences& prefs, bool maximized, bool optionsConfirmed);

// "F0" to "F4", most recent first; the group is erased before writing.
std::vector<std::string> ReadRecentFiles();
void WriteRecentFiles(const std::vector<std::string>& files);

// Every value of "Tools" in "F" number order (ToolListFromValues); empty ones are
// skipped. Writing erases the group and stores "F0", "F1", ... in order.
std::vector<std::string> ReadTools();
void WriteTools(const std::vector<std::string>& tools);

}  // namespace preferences_store
}  // namespace scrivlet::app
