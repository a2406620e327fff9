#include "app/viewer/viewer_application.h"

#include <QApplication>
#include <cstdio>

#include "app/application.h"
#include "help/hlp/hlp_reader.h"

namespace scrivlet::app {

int RunViewer(int argc, char* argv[], const QString& file, const HelpTarget& target) {
    auto library = std::make_shared<HelpLibrary>();
    try {
        library->Open(file);
    } catch (const help::HelpFileError& e) {
        std::fprintf(stderr, "scrivlet: %s\n", e.what());
        return 1;
    }
    if (!DisplayAvailable()) {
        std::fprintf(stderr,
                     "scrivlet: no display available (DISPLAY and WAYLAND_DISPLAY are not set).\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Scrivlet");
    QApplication::setApplicationName("Scrivlet");
    HelpWindow window(library);
    window.OpenFile(file, target);
    window.show();
    return QApplication::exec();
}

}  // namespace scrivlet::app
