#pragma once

#include <QList>

class QAction;
class QWidget;

namespace scrivlet {
class Project;
}

namespace scrivlet::app {

// Opens "Windows" from any of WINDOWSACTIONS and "Project Options"
// (Options1Click) from any of OPTIONSACTIONS, each modally over WINDOW for
// PROJECT, which must outlive the actions. Null actions are skipped.
void ConnectProjectSettingsCommands(QWidget* window, Project& project,
                                    const QList<QAction*>& windowsActions,
                                    const QList<QAction*>& optionsActions);

}  // namespace scrivlet::app
