#pragma once

namespace scrivlet::app {

// Starts the window: checks that a display is there, creates the
// application and the main window, opens the project named on the command
// line and runs the event loop.
int RunApplication(int argc, char* argv[]);

}  // namespace scrivlet::app
