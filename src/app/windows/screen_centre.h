#pragma once

class QWidget;

namespace scrivlet::app {

// Moves a dialog about to be shown to the middle of its screen.
void CentreOnScreen(QWidget* dialog);

}  // namespace scrivlet::app
