// The scrivlet executable: batch commands first (they need no display), then
// the window.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/application.h"
#include "cli/batch.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (auto status = scrivlet::cli::RunBatch(args, std::cout, std::cerr)) {
        return *status;
    }
    return scrivlet::app::RunApplication(argc, argv);
}
