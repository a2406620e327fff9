#include "app/build/help_viewer.h"

#include <QProcess>
#include <QStandardPaths>

#include "core/helpview/help_target.h"

namespace scrivlet::app {

bool WineHelpViewer::Show(const QString& helpFile, const std::optional<std::string>& context,
                          QString& error) {
    if (QStandardPaths::findExecutable("wine").isEmpty()) {
        error = "    Error - No help viewer available (install Wine to view help files)";
        return false;
    }
    const auto argv = WineHelpCommand(helpFile.toStdString(), context);
    QStringList arguments;
    for (std::size_t i = 1; i < argv.size(); ++i) {
        arguments << QString::fromStdString(argv[i]);
    }
    if (!QProcess::startDetached(QString::fromStdString(argv[0]), arguments)) {
        error = "    Error - Unable to start the help viewer";
        return false;
    }
    return true;
}

std::unique_ptr<HelpViewer> CreateHelpViewer() { return std::make_unique<WineHelpViewer>(); }

}  // namespace scrivlet::app
