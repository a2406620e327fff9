#pragma once

namespace scrivlet::app {

// True when Qt can reach a display (or a platform is named for it).
bool DisplayAvailable();

// Starts the window: checks that a display is there, creates the
// application and the main window, opens the project named on the command
// line and runs the event loop.
int RunApplication(int argc, char* argv[]);

}  // namespace scrivlet::app
