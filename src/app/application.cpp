#include "app/application.h"

#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <cstdlib>

namespace scrivlet::app {
namespace {

// Qt aborts when it cannot reach a display; say so plainly instead.
bool DisplayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) {
        return true;
    }
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

int RunApplication(int argc, char* argv[]) {
    if (!DisplayAvailable()) {
        std::fprintf(stderr,
                     "scrivlet: no display available (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                     "Run it under a desktop session, or without one as: xvfb-run -a scrivlet "
                     "[PROJECT.scw]\n"
                     "Batch commands need no display: scrivlet --help\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Scrivlet");
    QApplication::setApplicationName("Scrivlet");
    QMainWindow window;
    window.setWindowTitle("Untitled - Scrivlet");
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}

}  // namespace scrivlet::app
