#pragma once

#include <QString>

namespace scrivlet::app {

class ActionRegistry;

// The icon name (see AppIcon) of the main window's action ACTION, the same
// picture on a toolbar button and its menu item; empty when the action has
// none (check items of the View menu, the sort items...).
QString ActionIconName(const QString& action);

// Gives every action in ACTIONS that has an icon name its icon.
void ApplyActionIcons(const ActionRegistry& actions);

}  // namespace scrivlet::app
