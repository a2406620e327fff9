#pragma once

#include <QList>

class QAction;
class QWidget;

namespace scrivlet {
class Project;
}

namespace scrivlet::app {

// Opens "Project Report" modally over WINDOW from any of ACTIONS; the report
// is built from PROJECT's topics as they stand. PROJECT must outlive the
// actions; null actions are skipped.
void ConnectReport(QWidget* window, const Project& project, const QList<QAction*>& actions);

}  // namespace scrivlet::app
