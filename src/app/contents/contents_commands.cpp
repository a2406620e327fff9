#include "app/contents/contents_commands.h"

#include <QAction>

#include "app/contents/contents_box.h"

namespace scrivlet::app {

void ConnectContentsEditor(QWidget* window, const Project& project,
                           const QList<QAction*>& actions) {
    for (QAction* action : actions) {
        if (action != nullptr) {
            QObject::connect(action, &QAction::triggered, window,
                             [window, &project] { TContentsBox::Execute(project, window); });
        }
    }
}

}  // namespace scrivlet::app
