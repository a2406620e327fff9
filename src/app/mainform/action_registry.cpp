#include "app/mainform/action_registry.h"

#include <QAction>

namespace scrivlet::app {

QAction* ActionRegistry::Add(const QString& name, const QString& caption,
                             const QKeySequence& shortcut, const QString& hint) {
    Q_ASSERT(!actions_.contains(name));
    auto* action = new QAction(caption, owner_);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
    }
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    } else {
        action->setToolTip(QString());
    }
    actions_.insert(name, action);
    names_.append(name);
    return action;
}

}  // namespace scrivlet::app
