// The scrivlet executable: batch commands first (they need no display), then
// the help viewer or the window.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/viewer/viewer_application.h"
#include "cli/batch.h"
#include "cli/view_command.h"

namespace {

int View(int argc, char* argv[], const std::vector<std::string>& args) {
    using scrivlet::app::HelpTarget;
    using scrivlet::cli::ViewRequest;
    const auto request =
        scrivlet::cli::ParseViewArguments({args.begin() + 1, args.end()}, std::cerr);
    if (!request) {
        return 2;
    }
    HelpTarget target;
    target.text = request->text;
    target.number = request->number;
    switch (request->by) {
        case ViewRequest::By::Contents:
            target.by = HelpTarget::By::Contents;
            break;
        case ViewRequest::By::Context:
            target.by = HelpTarget::By::Context;
            break;
        case ViewRequest::By::MapNumber:
            target.by = HelpTarget::By::MapNumber;
            break;
        case ViewRequest::By::Keyword:
            target.by = HelpTarget::By::Keyword;
            break;
    }
    return scrivlet::app::RunViewer(argc, argv, QString::fromLocal8Bit(request->file.c_str()),
                                    target);
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--view") {
        return View(argc, argv, args);
    }
    if (auto status = scrivlet::cli::RunBatch(args, std::cout, std::cerr)) {
        return *status;
    }
    return scrivlet::app::RunApplication(argc, argv);
}
