#pragma once

#include <QDateTime>
#include <QObject>
#include <memory>

namespace scrivlet {
class ProcessRunner;
}

namespace scrivlet::app {

class HelpViewer;
class TErrorBox;
class TMainForm;

// Compile (F9), Show Help File (Ctrl+F9) and Error Log (F12) on the main
// window, over the core compile pipeline. The error log window is created
// here, hidden, and lives as long as the window.
class BuildCommands : public QObject {
    Q_OBJECT

public:
    BuildCommands(TMainForm& form, std::unique_ptr<ProcessRunner> runner,
                  std::unique_ptr<HelpViewer> viewer);
    ~BuildCommands() override;

    TErrorBox* ErrorBox() const { return errorBox_; }
    // For tests: replace the collaborators.
    void SetRunner(std::unique_ptr<ProcessRunner> runner);
    void SetViewer(std::unique_ptr<HelpViewer> viewer);

    // Checks on this thread, then builds and runs the compiler on the
    // window's long-task thread; compileFinished follows its end.
    void Compile();
    void ShowBtn1Click();
    void ErrorLog1Click();

signals:
    void compileFinished();

private:
    void ShowHelp(const std::string& path, int contextNumber);
    // When the project last changed: the time of the first unsaved change,
    // or the project file's time when nothing is unsaved.
    QDateTime LastChange() const;

    TMainForm& form_;
    std::unique_ptr<ProcessRunner> runner_;
    std::unique_ptr<HelpViewer> viewer_;
    TErrorBox* errorBox_;
    QDateTime firstUnsavedChange_;
};

// Creates the build commands for FORM (a child of it) and connects them to
// the Compile, Show Help File and Error Log actions.
BuildCommands* InstallBuildCommands(TMainForm& form);

}  // namespace scrivlet::app
