#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <atomic>
#include <functional>

class QProgressDialog;

namespace scrivlet::app {

class TMainForm;

// Project > Publish as HTML...: the author chooses a folder, the project is
// published there as a web site on a worker thread (a progress dialog with
// Cancel meanwhile), the warnings and the closing report go to the error
// log, and the site's index.html opens in the default browser.
class PublishController : public QObject {
    Q_OBJECT

public:
    explicit PublishController(TMainForm& form);

    // The menu command: asks for the folder, and whether to write into it
    // when it is not empty, then starts.
    void PublishAsHtml();
    // Starts publishing the current project into FOLDER without asking.
    void PublishTo(const QString& folder);
    bool Busy() const { return busy_; }

    // For tests: the folder chooser (empty answer: cancelled) and the
    // browser.
    std::function<QString(const QString& start)> chooseFolder;
    std::function<void(const QUrl&)> openUrl;

signals:
    // The publishing is over: REPORT is "N pages, N links, N broken", or
    // empty when it failed or was cancelled.
    void finished(const QString& report);

private:
    void Done(const QString& folder, const QString& report, const QStringList& warnings,
              const QString& error);

    TMainForm& form_;
    QProgressDialog* progress_ = nullptr;
    std::atomic<bool> cancel_{false};
    bool busy_ = false;
};

// The texts the command shows.
QString NotEmptyQuestion(const QString& folder);
QString PublishFailedText(const QString& reason);

// Creates the controller for FORM and puts "Publish as &HTML..." (action
// "PublishHtml1") into the Project menu after Report.
PublishController* InstallPublishCommands(TMainForm& form);

}  // namespace scrivlet::app
