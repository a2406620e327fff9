#pragma once

#include <QHash>
#include <QKeySequence>
#include <QString>
#include <QStringList>

class QAction;
class QObject;

namespace scrivlet::app {

// Every menu item and toolbar button of the main window is a named QAction
// kept here, so features living in other files find theirs by name
// ("FileSave", "Compile1", "LinkBtn"...). The names are listed in
// main_menus.cpp and main_toolbars.cpp.
class ActionRegistry {
public:
    explicit ActionRegistry(QObject* owner) : owner_(owner) {}

    // Creates the action NAME with its caption, shortcut and hint (tool tip
    // and status text).
    QAction* Add(const QString& name, const QString& caption, const QKeySequence& shortcut = {},
                 const QString& hint = {});
    // The action NAME; nullptr when there is none.
    QAction* Get(const QString& name) const { return actions_.value(name, nullptr); }
    // Names in the order they were added.
    const QStringList& Names() const { return names_; }

private:
    QObject* owner_;
    QHash<QString, QAction*> actions_;
    QStringList names_;
};

}  // namespace scrivlet::app
