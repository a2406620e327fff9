#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace scrivlet::cli {

// Runs a batch command ("--check", "--build", "--help") when ARGS (without the
// program name) start with one, and returns its exit status; nothing when
// the arguments are for the window. Batch commands use no Qt and no display.
std::optional<int> RunBatch(const std::vector<std::string>& args, std::ostream& out,
                            std::ostream& err);

}  // namespace scrivlet::cli
