#pragma once

#include <QString>
#include <string>

#include "help/viewer_macro.h"

namespace scrivlet::app {

class HelpWindow;

// Runs one macro call in WINDOW; false when the window closed and nothing
// more may run.
bool RunMacroCall(HelpWindow& window, const help::MacroCall& call);

// The messages of macros, as the status bar and the question box show them.
QString MacroErrorMessage(const std::string& error);
QString MissingArgumentsMessage(const std::string& name);
QString ExecFileQuestion(const QString& command);

}  // namespace scrivlet::app
