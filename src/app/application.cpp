#include "app/application.h"

#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "app/common/app_icon.h"
#include "app/mainform/splash_window.h"
#include "app/mainform/tmainform.h"

namespace scrivlet::app {
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

namespace {

// The desktop theme's icon for us when it has one (an icon theme may draw
// its own), else the one built into the program.
QIcon ApplicationIcon() {
    QIcon builtIn;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        builtIn.addFile(
            QStringLiteral(":/scrivlet/appicon/%1x%1/apps/org.scrivlet.Scrivlet.png").arg(size));
    }
    return QIcon::fromTheme(QStringLiteral("org.scrivlet.Scrivlet"), builtIn);
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
    QApplication::setApplicationDisplayName(QString());
    QApplication::setDesktopFileName(QStringLiteral("org.scrivlet.Scrivlet"));
    QApplication::setWindowIcon(ApplicationIcon());
    ChooseIconTheme(QApplication::palette());

    auto* splash = new SplashWindow;
    splash->show();
    QApplication::processEvents();

    TMainForm form;
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        form.SetStartArgument(args.at(1));
    }
    splash->SetStatus("loading preferences....");
    QApplication::processEvents();
    splash->SetStatus("launching application....");
    QApplication::processEvents();
    splash->hide();
    delete splash;

    form.show();
    return QApplication::exec();
}

}  // namespace scrivlet::app
