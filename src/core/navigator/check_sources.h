#pragma once

#include "core/model/project.h"
#include "core/navigator/project_check.h"

namespace scrivlet {

// The checker's inputs from the disk: the entry lines of the project's
// contents file (where the contents editor finds it) and a look-up of images
// in the project folder and its bitmap folders. A contents file that cannot
// be read gives no entries.
CheckInputs DiskCheckInputs(const Project& project);

}  // namespace scrivlet
