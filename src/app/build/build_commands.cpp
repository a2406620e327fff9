#include "app/build/build_commands.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QStatusBar>

#include "app/build/help_viewer.h"
#include "app/common/message_box.h"
#include "app/errorlog/terrorbox.h"
#include "app/mainform/tmainform.h"
#include "app/options/options_command.h"
#include "core/build/build_files.h"
#include "core/build/build_paths.h"
#include "core/build/compile.h"
#include "core/build/process_runner.h"
#include "core/helpview/help_target.h"
#include "core/util/errors.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

// The log of a compile: the error log window and the form's log lines.
class WindowLog : public LogSink {
public:
    WindowLog(TMainForm& form, TErrorBox& box) : form_(form), box_(box) {}

    void StartLog(bool showWindow) override {
        box_.Clear();
        box_.MoveToTopEdge();
        if (showWindow) {
            box_.show();
            box_.repaint();
        }
    }

    void LogLine(std::string_view line) override { form_.LogLine(FromAnsi(line)); }

private:
    TMainForm& form_;
    TErrorBox& box_;
};

// The stages in the status bar's simple-text mode, painted at once because
// the build does not return to the event loop until it is over.
class StatusProgress : public ProgressSink {
public:
    explicit StatusProgress(TMainForm& form) : form_(form) {}
    ~StatusProgress() override { BuildEnded(); }

    void BuildStarted() override {
        if (!started_) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            started_ = true;
        }
    }

    void ShowStatus(std::string_view text) override {
        form_.statusBar()->showMessage(FromAnsi(text));
        form_.statusBar()->repaint();
    }

    void BuildEnded() override {
        if (started_) {
            QApplication::restoreOverrideCursor();
            started_ = false;
        }
        form_.statusBar()->clearMessage();
    }

private:
    TMainForm& form_;
    bool started_ = false;
};

}  // namespace

BuildCommands::BuildCommands(TMainForm& form, std::unique_ptr<ProcessRunner> runner,
                             std::unique_ptr<HelpViewer> viewer)
    : QObject(&form),
      form_(form),
      runner_(std::move(runner)),
      viewer_(std::move(viewer)),
      errorBox_(new TErrorBox(&form)) {
    setObjectName("BuildCommands");
    errorBox_->hide();
    form_.GetProject().AddModifiedListener([this](bool modified) {
        if (!modified) {
            firstUnsavedChange_ = {};
        } else if (!firstUnsavedChange_.isValid()) {
            firstUnsavedChange_ = QDateTime::currentDateTime();
        }
    });
    form_.SetLogSink([this](const QString& line) { errorBox_->AddLine(line); });
    QAction* logItem = form_.Action("ErrorLog1");
    if (logItem) {
        logItem->setCheckable(true);
        logItem->setChecked(false);
        connect(errorBox_, &TErrorBox::visibilityChanged, logItem, &QAction::setChecked);
    }
}

BuildCommands::~BuildCommands() = default;

void BuildCommands::SetRunner(std::unique_ptr<ProcessRunner> runner) {
    runner_ = std::move(runner);
}

void BuildCommands::SetViewer(std::unique_ptr<HelpViewer> viewer) {
    viewer_ = std::move(viewer);
}

void BuildCommands::Compile() {
    if (!form_.StoreBack(true)) {
        return;
    }
    Project& project = form_.GetProject();
    DiskBuildFiles files;
    WindowLog log(form_, *errorBox_);
    StatusProgress progress(form_);
    CompileCollaborators with{
        files, *runner_, log, progress,
        [this](const std::string& path, int32_t number) { ShowHelp(path, number); }};
    CompileOptions options;
    options.compilerPath = form_.Prefs().Compiler;
    try {
        const CompileResult result = CompileProject(project, options, with);
        switch (result.outcome) {
            case CompileOutcome::NotSaved:
                MessageBox::Inform(&form_, kMustSaveFirst);
                break;
            case CompileOutcome::ChooseCompiler:
                Options2Click(form_);
                break;
            default:
                break;
        }
    } catch (const std::exception& e) {
        progress.BuildEnded();
        MessageBox::Error(&form_, FromAnsi(e.what()));
    }
}

void BuildCommands::ShowHelp(const std::string& path, int contextNumber) {
    QString error;
    HelpTopicRequest request;
    request.mapNumber = contextNumber;
    request.context = ContextStringOfNumber(form_.GetProject().Topics, contextNumber);
    if (!viewer_ || !viewer_->Show(FromAnsi(path), request, error)) {
        form_.LogLine(error.isEmpty() ? QString(kUnableToDisplay) : error);
    }
}

void BuildCommands::ShowBtn1Click() {
    const Project& project = form_.GetProject();
    if (project.IsUntitled() || project.HelpFileName.empty()) {
        QApplication::beep();
        return;
    }
    const std::string path =
        HelpFilePath(project.HelpFileName.str(), ProjectFolder(project.ProjectFileName));
    const QFileInfo help(FromAnsi(path));
    if (!help.isFile()) {
        QApplication::beep();
        return;
    }
    // A compile that wrote no help file leaves the previous one in place;
    // showing it without a word would pass old text off as the new.
    if (help.lastModified() < LastChange()) {
        const auto answer = MessageBox::AskYesNoCancel(&form_, FromAnsi(StaleHelpQuestion(path)));
        if (answer == QMessageBox::Yes) {
            Compile();
            return;
        }
        if (answer != QMessageBox::No) {
            return;
        }
    }
    int32_t number = 0;
    if (project.CurrentTopic >= 0 &&
        static_cast<std::size_t>(project.CurrentTopic) < project.Topics.Count()) {
        number = project.Topics[static_cast<std::size_t>(project.CurrentTopic)].TopicID;
    }
    ShowHelp(path, number);
}

QDateTime BuildCommands::LastChange() const {
    const Project& project = form_.GetProject();
    if (project.Modified() && firstUnsavedChange_.isValid()) {
        return firstUnsavedChange_;
    }
    return QFileInfo(QString::fromStdString(project.ProjectFileName)).lastModified();
}

void BuildCommands::ErrorLog1Click() {
    if (errorBox_->isVisible()) {
        errorBox_->close();
    } else {
        errorBox_->show();
        errorBox_->raise();
    }
}

BuildCommands* InstallBuildCommands(TMainForm& form) {
    auto* commands =
        new BuildCommands(form, std::make_unique<PosixProcessRunner>(), CreateHelpViewer());
    auto on = [&form, commands](const char* name, void (BuildCommands::*handler)()) {
        if (QAction* action = form.Action(name)) {
            QObject::connect(action, &QAction::triggered, commands, handler);
        }
    };
    on("Compile1", &BuildCommands::Compile);
    on("CompileBtn", &BuildCommands::Compile);
    on("ShowHelpFile1", &BuildCommands::ShowBtn1Click);
    on("ShowHelpBtn", &BuildCommands::ShowBtn1Click);
    on("ErrorLog1", &BuildCommands::ErrorLog1Click);
    return commands;
}

}  // namespace scrivlet::app
