#pragma once

namespace scrivlet::app {

class MarkupCommands;
class TMainForm;

// Creates the markup commands for FORM's editor and project and connects
// the Tools menu items, the "Help Tools" toolbar buttons and the topic
// list's "&Link", "Pop&up Link" and "&Special Link..." to them. The
// commands live as long as the form.
MarkupCommands* HookMarkupCommands(TMainForm& form);

}  // namespace scrivlet::app
