// hcrtf: the help compiler, a program of its own so that the build can run it
// as it would run any help compiler.
#include <iostream>
#include <string>
#include <vector>

#include "hc/command_line.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return scrivlet::hc::RunHcrtf(args, std::cout, std::cerr);
}
