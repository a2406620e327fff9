#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace scrivlet::app {

class TMainForm;

// Asks for a file: TITLE, FILTER (Qt form), and whether it is a save dialog
// (which asks before replacing a file). An empty result is a cancel.
using ImportFileDialog =
    std::function<QString(const QString& title, const QString& filter, bool save)>;

// File > Import Help Project... and Import Help File...: the sources and the
// new project file are asked for, the import runs on the window's long-task
// thread (Cancel stops it before anything is written), then the new project
// is opened and the report shown.
void HookImportCommands(TMainForm& form);

// For tests: the file dialogs the import asks with from now on (empty for
// Qt's own).
void SetImportFileDialog(ImportFileDialog dialog);

// The status text while SOURCE is imported: "Importing NAME...".
QString ImportingText(const QString& source);

// The report box's text: the report's first line, then what was not carried
// over, one line each.
QString ImportReportText(const std::vector<std::string>& lines);

}  // namespace scrivlet::app
