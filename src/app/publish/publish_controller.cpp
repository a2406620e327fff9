#include "app/publish/publish_controller.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>
#include <QThread>

#include "app/common/message_box.h"
#include "app/mainform/main_menus.h"
#include "app/mainform/tmainform.h"
#include "cli/publish_command.h"
#include "cli/publish_source.h"
#include "core/build/build_paths.h"
#include "help/html/publisher.h"

namespace scrivlet::app {

QString NotEmptyQuestion(const QString& folder) {
    return QStringLiteral("The folder %1 is not empty. Write the web site into it anyway?")
        .arg(QDir::toNativeSeparators(folder));
}

QString PublishFailedText(const QString& reason) {
    return QStringLiteral("The project could not be published: %1").arg(reason);
}

PublishController::PublishController(TMainForm& form) : QObject(&form), form_(form) {
    chooseFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(&form_, QStringLiteral("Publish as HTML"), start);
    };
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

void PublishController::PublishAsHtml() {
    if (busy_ || !form_.StoreBack(true)) {
        return;
    }
    const Project& project = form_.GetProject();
    const QString start =
        project.IsUntitled()
            ? QDir::homePath()
            : QString::fromStdString(ProjectFolder(project.ProjectFileName)) + "html";
    const QString folder = chooseFolder(start);
    if (folder.isEmpty()) {
        return;
    }
    if (cli::FolderHasFiles(folder.toStdString()) &&
        MessageBox::AskYesNo(&form_, NotEmptyQuestion(folder)) != QMessageBox::Yes) {
        return;
    }
    PublishTo(folder);
}

void PublishController::PublishTo(const QString& folder) {
    busy_ = true;
    cancel_ = false;
    progress_ = new QProgressDialog(QStringLiteral("Publishing as HTML..."),
                                    QStringLiteral("Cancel"), 0, 100, &form_);
    progress_->setWindowTitle(QStringLiteral("Scrivlet"));
    progress_->setMinimumDuration(300);
    progress_->setValue(0);
    connect(progress_, &QProgressDialog::canceled, this, [this] { cancel_ = true; });

    // The worker gets a copy: the author may go on editing meanwhile.
    auto* worker = QThread::create([this, folder, project = form_.GetProject()] {
        QString error;
        QString report;
        QStringList warnings;
        try {
            const cli::PublishSource source = cli::SourceFromProject(project);
            for (const std::string& warning : source.warnings) {
                warnings << QString::fromStdString(warning);
            }
            const auto onProgress = [this](std::size_t done, std::size_t total) {
                const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
                QMetaObject::invokeMethod(this, [this, percent] {
                    if (progress_ != nullptr) {
                        progress_->setValue(std::min(percent, 99));
                    }
                });
                return !cancel_;
            };
            const help::html::Site site =
                help::html::Publish(source.document, source.input, onProgress);
            if (!cancel_) {
                for (const std::string& warning : site.report.warnings) {
                    warnings << QString::fromStdString(warning);
                }
                help::html::WriteSite(site, folder.toStdString());
                report = QString::fromStdString(help::html::ReportLine(site.report));
            }
        } catch (const std::exception& e) {
            error = QString::fromStdString(e.what());
        }
        QMetaObject::invokeMethod(this, [this, folder, report, warnings, error] {
            Done(folder, report, warnings, error);
        });
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

void PublishController::Done(const QString& folder, const QString& report,
                             const QStringList& warnings, const QString& error) {
    delete progress_;
    progress_ = nullptr;
    busy_ = false;
    if (!error.isEmpty()) {
        MessageBox::Error(&form_, PublishFailedText(error));
        emit finished({});
        return;
    }
    if (report.isEmpty()) {  // cancelled
        emit finished({});
        return;
    }
    for (const QString& warning : warnings) {
        form_.LogLine(QStringLiteral("Warning: ") + warning);
    }
    form_.LogLine(QStringLiteral("Published as HTML in %1: %2")
                      .arg(QDir::toNativeSeparators(folder), report));
    openUrl(QUrl::fromLocalFile(QDir(folder).filePath(QStringLiteral("index.html"))));
    emit finished(report);
}

PublishController* InstallPublishCommands(TMainForm& form) {
    auto* controller = new PublishController(form);
    auto* action = new QAction(QStringLiteral("Publish as &HTML..."), &form);
    action->setObjectName(QStringLiteral("PublishHtml1"));
    action->setStatusTip(QStringLiteral("Publish the project as a web site"));
    QMenu* menu = form.Menus().project;
    QAction* report = form.Action(QStringLiteral("Report1"));
    const QList<QAction*> items = menu->actions();
    const qsizetype at = items.indexOf(report);
    menu->insertAction(at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr, action);
    QObject::connect(action, &QAction::triggered, controller, &PublishController::PublishAsHtml);
    return controller;
}

}  // namespace scrivlet::app
