#pragma once

#include <QList>

class QMainWindow;
class QToolBar;

namespace scrivlet::app {

// The toolbar layout, one settings group per toolbar ("Toolbars/MainTbar",
// ...) with the values Visible, DockedTo ("Top", "Bottom", "Left", "Right",
// or "nil" when floating), DockRow, DockPos, FloatLeft, FloatTop, FloatRight,
// FloatBottom and FloatRightX.
void SaveToolbarLayout(QMainWindow& window, const QList<QToolBar*>& toolbars);

// Puts every toolbar with stored values back into its dock, row and order and
// sets its visibility. A floating toolbar comes back docked at the top: Qt
// has no public call that floats a toolbar. Toolbars without stored values
// stay where they are.
void RestoreToolbarLayout(QMainWindow& window, const QList<QToolBar*>& toolbars);

}  // namespace scrivlet::app
