#pragma once

class QComboBox;

namespace scrivlet::app {

// Turns the Font toolbar's colour box into the owner-drawn list of the 16
// table colours: 15-pixel rows, 16 shown, each drawn as a framed swatch.
void MakeColorBox(QComboBox& box);

}  // namespace scrivlet::app
