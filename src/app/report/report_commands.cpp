#include "app/report/report_commands.h"

#include <QAction>

#include "app/report/report_box.h"

namespace scrivlet::app {

void ConnectReport(QWidget* window, const Project& project, const QList<QAction*>& actions) {
    for (QAction* action : actions) {
        if (action != nullptr) {
            QObject::connect(action, &QAction::triggered, window,
                             [window, &project] { TReportBox::Execute(project, window); });
        }
    }
}

}  // namespace scrivlet::app
