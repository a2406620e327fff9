#include "app/build/help_viewer.h"

#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include "app/viewer/help_window.h"
#include "core/helpview/help_target.h"
#include "help/help_lookup.h"
#include "help/hlp/hlp_reader.h"

namespace scrivlet::app {

bool WineHelpViewer::Show(const QString& helpFile, const HelpTopicRequest& request,
                          QString& error) {
    if (QStandardPaths::findExecutable("wine").isEmpty()) {
        error = "    Error - No help viewer available (install Wine to view help files)";
        return false;
    }
    const auto argv = WineHelpCommand(helpFile.toStdString(), request.context);
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

bool BuiltInHelpViewer::Show(const QString& helpFile, const HelpTopicRequest& request,
                             QString& error) {
    auto library = std::make_shared<HelpLibrary>();
    std::shared_ptr<OpenHelpFile> file;
    try {
        file = library->Open(helpFile);
    } catch (const help::HelpFileError& e) {
        error = QStringLiteral("    Error - %1").arg(QString::fromLocal8Bit(e.what()));
        return false;
    }
    // The map number is what the build wrote for the topic; a topic the
    // [MAP] section leaves out is still found by its context string.
    HelpTarget target;
    if (request.mapNumber && help::FindTopicByMapNumber(
                                 file->document, static_cast<uint32_t>(*request.mapNumber)) >= 0) {
        target.by = HelpTarget::By::MapNumber;
        target.number = static_cast<uint32_t>(*request.mapNumber);
    } else if (request.context) {
        target.by = HelpTarget::By::Context;
        target.text = *request.context;
    }
    if (window_) {
        window_->close();
    }
    window_ = new HelpWindow(library);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->OpenFile(helpFile, target);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

bool ChosenHelpViewer::Show(const QString& helpFile, const HelpTopicRequest& request,
                            QString& error) {
    return WineViewerChosen() ? wine_.Show(helpFile, request, error)
                              : builtIn_.Show(helpFile, request, error);
}

bool WineViewerChosen() {
    QSettings settings(QStringLiteral("Scrivlet"), QStringLiteral("Scrivlet"));
    return settings.value("Settings/HelpViewer").toString() == QLatin1String("Wine");
}

void ChooseWineViewer(bool wine) {
    QSettings settings(QStringLiteral("Scrivlet"), QStringLiteral("Scrivlet"));
    settings.setValue("Settings/HelpViewer",
                      wine ? QStringLiteral("Wine") : QStringLiteral("Scrivlet"));
}

std::unique_ptr<HelpViewer> CreateHelpViewer() {
    return std::make_unique<ChosenHelpViewer>();
}

}  // namespace scrivlet::app
