#pragma once

// The compiler works on the help document model shared with the viewer, the
// publisher and the importer; its names read here as the compiler's own.
#include "help/context_hash.h"
#include "help/help_file.h"
#include "help/help_project.h"

namespace scrivlet::hc {
using namespace scrivlet::help;
}  // namespace scrivlet::hc
