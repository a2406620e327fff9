#pragma once

namespace scrivlet::app {

class SearchCommands;
class TMainForm;

// Creates the search dialog and its commands once for FORM and connects the
// Edit menu's "&Find...", "Find &Next" and "R&eplace && Find Next" and the
// Main toolbar's "Find" button to them.
SearchCommands* HookSearchCommands(TMainForm& form);

}  // namespace scrivlet::app
