#include "app/windows/project_settings_commands.h"

#include <QAction>

#include "app/windows/project_box.h"
#include "app/windows/window_box.h"

namespace scrivlet::app {

void ConnectProjectSettingsCommands(QWidget* window, Project& project,
                                    const QList<QAction*>& windowsActions,
                                    const QList<QAction*>& optionsActions,
                                    const SettingsRecorder& record) {
    auto run = [window, &project, record](const QString& name, auto dialog) {
        const ProjectSettings before = project;
        dialog(window, project);
        if (record) {
            record(name, before);
        }
    };
    for (QAction* action : windowsActions) {
        if (action != nullptr) {
            QObject::connect(action, &QAction::triggered, window, [run] {
                run(QStringLiteral("Window Definitions"), &TWindowBox::Run);
            });
        }
    }
    for (QAction* action : optionsActions) {
        if (action != nullptr) {
            QObject::connect(action, &QAction::triggered, window,
                             [run] { run(QStringLiteral("Project Options"), &TProjectBox::Run); });
        }
    }
}

}  // namespace scrivlet::app
