#pragma once

#include <QList>

class QAction;
class QWidget;

namespace scrivlet {
class Project;
}

namespace scrivlet::app {

// Opens the contents editor modally over WINDOW from any of ACTIONS, for
// PROJECT as it stands (its topics are read, never changed). PROJECT must
// outlive the actions; null actions are skipped.
void ConnectContentsEditor(QWidget* window, const Project& project, const QList<QAction*>& actions);

}  // namespace scrivlet::app
