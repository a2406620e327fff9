#include "app/build/build_commands.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QStatusBar>
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "app/build/help_viewer.h"
#include "app/common/long_task.h"
#include "app/common/message_box.h"
#include "app/errorlog/terrorbox.h"
#include "app/mainform/tmainform.h"
#include "app/options/options_command.h"
#include "core/build/build_defaults.h"
#include "core/build/build_files.h"
#include "core/build/build_paths.h"
#include "core/build/compile.h"
#include "core/build/process_runner.h"
#include "core/helpview/help_target.h"
#include "core/util/errors.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

// How often the worker hands collected log lines to the window.
constexpr auto kLogBatch = std::chrono::milliseconds(50);

// The percentage at the end of a stage text ("TRANSLATING COMMANDS 37%"),
// 0 for a stage that has none yet, and -1 (no end known) while the compiler
// runs.
int StatusPercent(std::string_view text) {
    if (text == "RUNNING HELP COMPILER") {
        return -1;
    }
    if (text.empty() || text.back() != '%') {
        return 0;
    }
    text.remove_suffix(1);
    const std::size_t blank = text.rfind(' ');
    const std::string_view digits = blank == std::string_view::npos ? text : text.substr(blank + 1);
    int percent = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return 0;
        }
        percent = std::min(100, percent * 10 + (c - '0'));
    }
    return percent;
}

}  // namespace

// The compile's log and progress on the worker thread. Everything for the
// window is queued to it in the order the build made it; log lines go in
// batches, so that thousands of warnings do not cost one event each.
class CompileBridge : public LogSink, public ProgressSink {
public:
    CompileBridge(BuildCommands& owner, TMainForm& form, TErrorBox& box, LongTask& task)
        : owner_(owner), form_(form), box_(box), task_(task) {}

    void StartLog(bool showWindow) override {
        Post([box = &box_, showWindow] {
            box->Clear();
            box->MoveToTopEdge();
            if (showWindow) {
                box->show();
            }
        });
    }

    void LogLine(std::string_view line) override {
        lines_.emplace_back(line);
        if (std::chrono::steady_clock::now() - lastBatch_ >= kLogBatch) {
            FlushLines();
        }
    }

    void BuildStarted() override {
        Post([this] {
            QApplication::setOverrideCursor(Qt::BusyCursor);
            cursorSet_ = true;
        });
    }

    void ShowStatus(std::string_view text) override {
        task_.SetPercent(StatusPercent(text));
        Post([form = &form_, status = FromAnsi(text)] { form->statusBar()->showMessage(status); });
    }

    bool Cancelled() override { return task_.CancelRequested(); }

    void BuildEnded() override {
        Post([this] {
            if (cursorSet_) {
                QApplication::restoreOverrideCursor();
                cursorSet_ = false;
            }
            form_.statusBar()->clearMessage();
        });
    }

    // Queues FN for the window after the lines logged so far.
    void Post(std::function<void()> fn) {
        FlushLines();
        QMetaObject::invokeMethod(&owner_, std::move(fn));
    }

    void FlushLines() {
        lastBatch_ = std::chrono::steady_clock::now();
        if (lines_.empty()) {
            return;
        }
        QMetaObject::invokeMethod(&owner_, [form = &form_, lines = std::move(lines_)] {
            for (const std::string& line : lines) {
                form->LogLine(FromAnsi(line));
            }
        });
        lines_.clear();
    }

    // Set on the worker thread, read by the window once the work is over.
    std::string error;

private:
    BuildCommands& owner_;
    TMainForm& form_;
    TErrorBox& box_;
    LongTask& task_;
    std::vector<std::string> lines_;
    std::chrono::steady_clock::time_point lastBatch_ = std::chrono::steady_clock::now();
    bool cursorSet_ = false;  // the window's thread only
};

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
    LongTask& task = form_.LongWork();
    if (task.Running() || !form_.StoreBack(true)) {
        return;
    }
    Project& project = form_.GetProject();
    CompileOptions options;
    options.compilerPath = form_.Prefs().Compiler;
    DiskBuildFiles files;
    const CompileResult check = CheckCompile(project, options, files);
    switch (check.outcome) {
        case CompileOutcome::Built:
            break;
        case CompileOutcome::NotSaved:
            MessageBox::Inform(&form_, kMustSaveFirst);
            return;
        case CompileOutcome::ChooseCompiler:
            Options2Click(form_);
            return;
        case CompileOutcome::HelpIsProject:
            MessageBox::Error(&form_, FromAnsi(HelpIsProjectMessage(project.HelpFileName)));
            return;
        default:
            return;
    }
    // The build then only reads the project, which the window may go on
    // painting from meanwhile; editing is off until it ends.
    FillBuildDefaults(project);
    auto bridge = std::make_shared<CompileBridge>(*this, form_, *errorBox_, task);
    ProcessRunner* runner = runner_.get();
    task.Start(
        [this, bridge, runner, options, &project] {
            try {
                DiskBuildFiles disk;
                CompileCollaborators with{
                    disk, *runner, *bridge, *bridge,
                    [this, bridge](const std::string& path, int32_t number) {
                        bridge->Post([this, path, number] { ShowHelp(path, number); });
                    }};
                CompileProject(project, options, with);
            } catch (const std::exception& e) {
                bridge->error = e.what();
            }
            bridge->FlushLines();
        },
        [this, bridge] {
            if (!bridge->error.empty()) {
                MessageBox::Error(&form_, FromAnsi(bridge->error));
            }
            emit compileFinished();
        });
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
