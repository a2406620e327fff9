#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "core/model/project.h"

class QAction;
class QWidget;

namespace scrivlet::app {

// Opens "Windows" from any of WINDOWSACTIONS and "Project Options"
// (Options1Click) from any of OPTIONSACTIONS, each modally over WINDOW for
// PROJECT, which must outlive the actions. Null actions are skipped. After
// each dialog RECORD, when set, gets the dialog's name and the settings as
// they were before it (for undo).
using SettingsRecorder = std::function<void(const QString& name, const ProjectSettings& before)>;
void ConnectProjectSettingsCommands(QWidget* window, Project& project,
                                    const QList<QAction*>& windowsActions,
                                    const QList<QAction*>& optionsActions,
                                    const SettingsRecorder& record = {});

}  // namespace scrivlet::app
