#pragma once

namespace scrivlet::app {

class TMainForm;

// Keeps the Edit menu's Cut, Copy and Paste enabled as the Text toolbar's
// buttons are (the editor's selection and the clipboard). The menu addresses
// the focused control, so while another text box has the focus its own
// selection decides. The Paste button also follows the clipboard as other
// programs change it.
void KeepEditMenuInStep(TMainForm& form);

}  // namespace scrivlet::app
