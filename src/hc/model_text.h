#pragma once

#include <string>

#include "hc/help_model.h"

namespace scrivlet::hc {

// A readable account of a topic as the compiler holds it, one line per
// property, paragraph and run; used by the tests and for looking into what
// a topic file was read as.
std::string DescribeTopic(const Topic& topic);

}  // namespace scrivlet::hc
