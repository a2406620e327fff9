#pragma once

#include <QString>

#include "app/viewer/help_window.h"

namespace scrivlet::app {

// "scrivlet --view": only the help viewer, opened at TARGET of FILE. A file
// that cannot be read is reported on standard error (status 1).
int RunViewer(int argc, char* argv[], const QString& file, const HelpTarget& target);

}  // namespace scrivlet::app
