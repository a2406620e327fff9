#pragma once

#include "core/model/project.h"

namespace scrivlet {

// What a build leaves in the project for good, filled in ahead of it: every
// topic without a context string gets its default one, and a project without
// a help file name gets the default name. Modified is not set. A build that
// runs on another thread then only reads the project, so the window may go
// on reading it (painting, timers) while the build runs.
void FillBuildDefaults(Project& project);

}  // namespace scrivlet
