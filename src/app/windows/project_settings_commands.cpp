#include "app/windows/project_settings_commands.h"

#include <QAction>

#include "app/windows/project_box.h"
#include "app/windows/window_box.h"

namespace scrivlet::app {

void ConnectProjectSettingsCommands(QWidget* window, Project& project,
                                    const QList<QAction*>& windowsActions,
                                    const QList<QAction*>& optionsActions) {
    for (QAction* action : windowsActions) {
        if (action != nullptr) {
            QObject::connect(action, &QAction::triggered, window,
                             [window, &project] { TWindowBox::Run(window, project); });
        }
    }
    for (QAction* action : optionsActions) {
        if (action != nullptr) {
            QObject::connect(action, &QAction::triggered, window,
                             [window, &project] { TProjectBox::Run(window, project); });
        }
    }
}

}  // namespace scrivlet::app
