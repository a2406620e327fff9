#pragma once

namespace scrivlet::app {

class NavigatorDock;
class TMainForm;

// Creates the navigator dock for FORM (hidden until View > Navigator or
// Ctrl+Shift+N shows it), adds its entry to the View menu and keeps it in
// step with the editor: the links of the topic shown, the checker after
// each pause in typing.
NavigatorDock* HookNavigator(TMainForm& form);

}  // namespace scrivlet::app
