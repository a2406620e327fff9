// Compile, Show Help File and the error log in the main window.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <atomic>

#include "app/build/build_commands.h"
#include "app/build/help_viewer.h"
#include "app/common/long_task.h"
#include "app/common/message_box.h"
#include "app/errorlog/terrorbox.h"
#include "app/mainform/tmainform.h"
#include "app/options/toptionsbox.h"
#include "core/build/compile.h"
#include "core/build/process_runner.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::Crlf;
using scrivlet::test::OnNextModal;
using scrivlet::test::ReadBytes;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;
using scrivlet::test::WriteBytes;

namespace {

// Two topics; the second has no keywords, so the build warns about it.
std::string BuildableProject() {
    return Crlf({"[PROJECT]",
                 "12",
                 "TITLE=Sample",
                 "HELP=",
                 "CNT=",
                 "COPYRIGHT=",
                 "CITATION=",
                 "CONTENTS=",
                 "COMPRESS=1",
                 "ERROR=1",
                 "SHOW=0",
                 "INCLUDE=",
                 "EXCLUDE=",
                 "TEMPLATE=",
                 "[WINDOWS]",
                 "0",
                 "[CONFIG]",
                 "0",
                 "[BMPROOTS]",
                 "0",
                 "[FILES]",
                 "0",
                 "[TOPICS]",
                 "C=10",
                 "A=intro",
                 "T=Intro",
                 "K=intro",
                 "O=",
                 "B=",
                 "S=",
                 "W=",
                 "M=",
                 "X=Done",
                 "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}}",
                 "{\\colortbl\\red0\\green0\\blue0;}",
                 "\\deflang1033\\pard\\plain\\f0\\fs22 See \\plain\\f0\\fs22\\strike next"
                 "\\plain\\f0\\fs22 [href=20]",
                 "\\par }",
                 "~",
                 "C=20",
                 "A=",
                 "T=Next",
                 "K=",
                 "O=",
                 "B=",
                 "S=",
                 "W=",
                 "M=",
                 "X=Editing",
                 "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}}",
                 "{\\colortbl\\red0\\green0\\blue0;}",
                 "\\deflang1033\\pard\\plain\\f0\\fs22 Two",
                 "\\par }",
                 "~"});
}

// Records the run and writes a log file as a compiler would.
class RecordingRunner : public ProcessRunner {
public:
    bool Run(const ProcessRequest& request) override {
        requests.push_back(request);
        if (!logLines.empty()) {
            const QString hpj = QString::fromStdString(request.arguments).mid(3);
            const QString log = QDir(QString::fromStdString(request.workingFolder))
                                    .filePath(hpj.left(hpj.size() - 4) + ".txt");
            std::string bytes;
            for (const auto& line : logLines) {
                bytes += line + "\r\n";
            }
            WriteBytes(log, bytes);
        }
        return true;
    }
    std::vector<ProcessRequest> requests;
    std::vector<std::string> logLines;
};

// A compiler that runs until the compile is cancelled.
class WaitingRunner : public ProcessRunner {
public:
    bool Run(const ProcessRequest& request) override {
        running = true;
        while (!request.cancelled || !request.cancelled()) {
            QThread::msleep(5);
        }
        return true;
    }
    std::atomic<bool> running{false};
};

class RecordingViewer : public HelpViewer {
public:
    bool Show(const QString& file, const HelpTopicRequest& request, QString&) override {
        shown.push_back({file, request.context.value_or("")});
        return true;
    }
    std::vector<std::pair<QString, std::string>> shown;
};

// Triggers ACTION and waits until the compile it started is over.
void CompileIn(TMainForm& form, const char* action = "Compile1") {
    QSignalSpy done(form.findChild<BuildCommands*>(), &BuildCommands::compileFinished);
    form.Action(action)->trigger();
    if (form.LongWork().Running()) {
        QVERIFY(done.wait(20000));
    }
}

QStringList BuildFilesIn(const QString& folder) {
    return QDir(folder).entryList({"scrv*.rtf", "scrv*.hpj", "scrv*.txt"}, QDir::Files);
}

}  // namespace

class CompileTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        sandbox_.Clear();
        MessageBox::SetNextAnswer(QMessageBox::NoButton);  // drop a stale answer
        MessageBox::Error(nullptr, QString());
        folder_ = sandbox_.Path() + "/proj";
        QDir().mkpath(folder_);
        for (const QString& name : QDir(folder_).entryList(QDir::Files)) {
            QFile::remove(folder_ + "/" + name);
        }
        projectPath_ = folder_ + "/manual.scw";
        WriteBytes(projectPath_, BuildableProject());
        compiler_ = folder_ + "/HCRTF.EXE";
        WriteBytes(compiler_, "stand-in");
    }

    void compileLogsInOrderAndCleansUp() {
        auto form = StartWindow(projectPath_);
        auto* commands = form->findChild<BuildCommands*>();
        QVERIFY(commands);
        auto runner = std::make_unique<RecordingRunner>();
        runner->logLines = {"HC1002: Note: compiled", "Done"};
        RecordingRunner* seen = runner.get();
        commands->SetRunner(std::move(runner));
        form->Prefs().Compiler = compiler_.toStdString();

        CompileIn(*form, "Compile1");

        QCOMPARE(int(seen->requests.size()), 1);
        const ProcessRequest& request = seen->requests[0];
        QCOMPARE(QString::fromStdString(request.workingFolder), folder_ + "/");
        QVERIFY(QString::fromStdString(request.arguments).startsWith("-x scrv"));
        QCOMPARE(QString::fromStdString(request.commandLine),
                 "\"" + compiler_ + "\"" + QString::fromStdString(request.arguments));
        const QStringList lines = commands->ErrorBox()->Lines();
        QVERIFY(lines.size() >= 4);
        QCOMPARE(lines.first(), QString("manual.scw"));
        QVERIFY(lines.join('\n').contains("Next"));  // the keywords warning names the topic
        const int hyphens = lines.indexOf(QString(kHyphenLine));
        QVERIFY(hyphens > 0);
        QCOMPARE(lines.mid(hyphens + 1), QStringList({"HC1002: Note: compiled", "Done"}));
        QVERIFY(BuildFilesIn(folder_).isEmpty());
        QVERIFY(commands->ErrorBox()->isVisible());
        QVERIFY(form->Action("ErrorLog1")->isChecked());
        QCOMPARE(form->statusBar()->currentMessage(), QString());
        // The generated context string stays, and does not count as an edit.
        QCOMPARE(form->GetProject().Topics[1].ContextString.str(), std::string("scrv20"));
        QVERIFY(!form->GetProject().Modified());
    }

    void cancelStopsTheCompilerAndGivesTheWindowBack() {
        auto form = StartWindow(projectPath_);
        auto* commands = form->findChild<BuildCommands*>();
        auto runner = std::make_unique<WaitingRunner>();
        WaitingRunner* seen = runner.get();
        commands->SetRunner(std::move(runner));
        form->Prefs().Compiler = compiler_.toStdString();
        QSignalSpy done(commands, &BuildCommands::compileFinished);
        form->Action("Compile1")->trigger();
        QTRY_VERIFY(seen->running);
        QTRY_COMPARE(form->statusBar()->currentMessage(), QString("RUNNING HELP COMPILER"));
        LongTask& task = form->LongWork();
        QVERIFY(task.Panel()->isVisibleTo(form.get()));
        QCOMPARE(task.Bar()->maximum(), 0);  // no end known while the compiler runs
        QVERIFY(!form->Action("Compile1")->isEnabled());
        QVERIFY(!form->Action("TopicAdd")->isEnabled());
        QVERIFY(!form->centralWidget()->isEnabled());
        QVERIFY(form->Action("ErrorLog1")->isEnabled());
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QVERIFY(!form->StoreBack(true));  // the build reads the topics: nothing is stored
        QCOMPARE(task.CancelButton()->text(), QString("Cancel"));

        QTest::mouseClick(task.CancelButton(), Qt::LeftButton);
        QCOMPARE(task.CancelButton()->text(), QString("Cancelling..."));
        QVERIFY(!task.CancelButton()->isEnabled());
        QVERIFY(done.wait(10000));
        QCOMPARE(commands->ErrorBox()->Lines().last(), QString(kCompilerStoppedLine));
        QVERIFY(BuildFilesIn(folder_).isEmpty());
        QVERIFY(form->Action("Compile1")->isEnabled());
        QVERIFY(form->centralWidget()->isEnabled());
        QVERIFY(!task.Panel()->isVisibleTo(form.get()));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(form->statusBar()->currentMessage(), QString());
    }

    void closingDuringACompileCancelsItFirst() {
        auto form = StartWindow(projectPath_);
        form->show();
        auto* commands = form->findChild<BuildCommands*>();
        auto runner = std::make_unique<WaitingRunner>();
        WaitingRunner* seen = runner.get();
        commands->SetRunner(std::move(runner));
        form->Prefs().Compiler = compiler_.toStdString();
        QSignalSpy done(commands, &BuildCommands::compileFinished);
        form->Action("Compile1")->trigger();
        QTRY_VERIFY(seen->running);
        QVERIFY(!form->close());
        QVERIFY(form->LongWork().CancelRequested());
        QVERIFY(done.wait(10000));
        QTRY_VERIFY(!form->isVisible());
    }

    void compilerWithoutLogEndsWithTheHyphenLine() {
        auto form = StartWindow(projectPath_);
        auto* commands = form->findChild<BuildCommands*>();
        commands->SetRunner(std::make_unique<RecordingRunner>());
        form->Prefs().Compiler = compiler_.toStdString();
        CompileIn(*form, "CompileBtn");
        QCOMPARE(commands->ErrorBox()->Lines().last(), QString(kHyphenLine));
        QVERIFY(BuildFilesIn(folder_).isEmpty());
    }

    void neverSavedAsksToSaveFirst() {
        auto form = StartWindow();
        form->Prefs().Compiler = compiler_.toStdString();
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        const int before = MessageBox::ShownCount();
        CompileIn(*form, "Compile1");
        QCOMPARE(MessageBox::ShownCount(), before + 1);
        QCOMPARE(MessageBox::LastText(), QString("   You must save your document first   "));
    }

    void missingCompilerOpensTheOptions() {
        auto form = StartWindow(projectPath_);
        form->Prefs().Compiler = (folder_ + "/nowhere/hcrtf.exe").toStdString();
        QString caption;
        OnNextModal([&](QWidget* modal) {
            caption = modal->windowTitle();
            QVERIFY(qobject_cast<TOptionsBox*>(modal));
            static_cast<QDialog*>(modal)->reject();
        });
        CompileIn(*form, "Compile1");
        QCOMPARE(caption, QString("Options"));
        QVERIFY(BuildFilesIn(folder_).isEmpty());
    }

    void otherCompilerNameDoesNothing() {
        auto form = StartWindow(projectPath_);
        auto* commands = form->findChild<BuildCommands*>();
        auto runner = std::make_unique<RecordingRunner>();
        RecordingRunner* seen = runner.get();
        commands->SetRunner(std::move(runner));
        const QString other = folder_ + "/compiler.exe";
        WriteBytes(other, "x");
        form->Prefs().Compiler = other.toStdString();
        const int before = MessageBox::ShownCount();
        CompileIn(*form, "Compile1");
        QCOMPARE(MessageBox::ShownCount(), before);
        QVERIFY(seen->requests.empty());
        QCOMPARE(commands->ErrorBox()->Lines(), QStringList({"No message"}));
        QVERIFY(!commands->ErrorBox()->isVisible());
    }

    void hiddenLogStillFillsAndF12ShowsIt() {
        std::string bytes = BuildableProject();
        bytes.replace(bytes.find("ERROR=1"), 7, "ERROR=0");
        WriteBytes(projectPath_, bytes);
        auto form = StartWindow(projectPath_);
        auto* commands = form->findChild<BuildCommands*>();
        commands->SetRunner(std::make_unique<RecordingRunner>());
        form->Prefs().Compiler = compiler_.toStdString();
        CompileIn(*form, "Compile1");
        TErrorBox* box = commands->ErrorBox();
        QVERIFY(!box->isVisible());
        QCOMPARE(box->Lines().first(), QString("manual.scw"));
        QAction* item = form->Action("ErrorLog1");
        QCOMPARE(item->shortcut(), QKeySequence("F12"));
        item->trigger();
        QVERIFY(box->isVisible());
        QVERIFY(item->isChecked());
        item->trigger();
        QVERIFY(!box->isVisible());
        QVERIFY(!item->isChecked());
        QCOMPARE(box->Lines().first(), QString("manual.scw"));
    }

    void errorBoxLooksAsItShould() {
        auto form = StartWindow();
        TErrorBox* box = form->findChild<BuildCommands*>()->ErrorBox();
        QCOMPARE(box->windowTitle(), QString("Error Log"));
        QCOMPARE(box->size(), QSize(435, 210));
        QVERIFY(box->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(box->Memo()->isReadOnly());
        QCOMPARE(box->Memo()->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!box->isVisible());
        box->close();  // closing only hides
        QVERIFY(form->findChild<TErrorBox*>() == box);
    }

    void showAfterCompileOpensTheCurrentTopic() {
        std::string bytes = BuildableProject();
        bytes.replace(bytes.find("SHOW=0"), 6, "SHOW=1");
        WriteBytes(projectPath_, bytes);
        auto form = StartWindow(projectPath_);
        auto* commands = form->findChild<BuildCommands*>();
        commands->SetRunner(std::make_unique<RecordingRunner>());
        auto viewer = std::make_unique<RecordingViewer>();
        RecordingViewer* seen = viewer.get();
        commands->SetViewer(std::move(viewer));
        form->Prefs().Compiler = compiler_.toStdString();
        // No help file was made by the stand-in: the log says so.
        CompileIn(*form, "Compile1");
        QVERIFY(seen->shown.empty());
        QVERIFY(commands->ErrorBox()->Lines().contains("    Error - Unable to display help file"));
        // With a help file there, the viewer opens it at the current topic.
        WriteBytes(folder_ + "/manual.hlp", "help");
        form->Action("NextBtn")->trigger();
        CompileIn(*form, "Compile1");
        QCOMPARE(int(seen->shown.size()), 1);
        QCOMPARE(QFileInfo(seen->shown[0].first).canonicalFilePath(),
                 QFileInfo(folder_ + "/manual.hlp").canonicalFilePath());
        QCOMPARE(seen->shown[0].second, std::string("scrv20"));
    }

    void showHelpFileBeepsOrShows() {
        auto form = StartWindow();
        auto* commands = form->findChild<BuildCommands*>();
        auto viewer = std::make_unique<RecordingViewer>();
        RecordingViewer* seen = viewer.get();
        commands->SetViewer(std::move(viewer));
        form->GetProject().HelpFileName = "manual.hlp";
        form->Action("ShowHelpFile1")->trigger();  // never saved: a beep only
        QVERIFY(seen->shown.empty());

        auto saved = StartWindow(projectPath_);
        commands = saved->findChild<BuildCommands*>();
        viewer = std::make_unique<RecordingViewer>();
        seen = viewer.get();
        commands->SetViewer(std::move(viewer));
        saved->GetProject().HelpFileName = "manual.hlp";
        saved->Action("ShowHelpFile1")->trigger();  // no file: a beep
        QVERIFY(seen->shown.empty());
        WriteBytes(folder_ + "/manual.hlp", "help");
        saved->Action("ShowHelpFile1")->trigger();
        QCOMPARE(int(seen->shown.size()), 1);
        QCOMPARE(seen->shown[0].second, std::string("intro"));
        QCOMPARE(commands->ErrorBox()->Lines(), QStringList({"No message"}));
    }

    void endToEndWithTheStandInCompiler() {
#ifdef SCRIVLET_FAKEHC
        auto form = StartWindow(projectPath_);
        form->Prefs().Compiler = SCRIVLET_FAKEHC;
        CompileIn(*form, "Compile1");
        const QStringList lines = form->findChild<BuildCommands*>()->ErrorBox()->Lines();
        const int hyphens = lines.indexOf(QString(kHyphenLine));
        QVERIFY2(hyphens > 0, qPrintable(lines.join('\n')));
        QVERIFY2(hyphens + 1 < lines.size(), "the stand-in compiler wrote no log");
        QVERIFY(BuildFilesIn(folder_).isEmpty());
#else
        QSKIP("the stand-in compiler is not built");
#endif
    }

    // Pictures to look at: SCRIVLET_SHOT_DIR=/some/folder runs it.
    void screenshots() {
        const QString dir = qEnvironmentVariable("SCRIVLET_SHOT_DIR");
        if (dir.isEmpty()) {
            QSKIP("set SCRIVLET_SHOT_DIR to take the pictures");
        }
        auto form = StartWindow(projectPath_);
        form->resize(760, 520);
        form->show();
        auto* commands = form->findChild<BuildCommands*>();
        // The runner pictures the window while the compiler "runs".
        class PicturingRunner : public RecordingRunner {
        public:
            QWidget* window = nullptr;
            QString file;
            QString status;
            bool Run(const ProcessRequest& request) override {
                // On the build's thread: the window is pictured on its own.
                QMetaObject::invokeMethod(
                    window,
                    [this] {
                        status = static_cast<QMainWindow*>(window)->statusBar()->currentMessage();
                        window->grab().save(file);
                    },
                    Qt::BlockingQueuedConnection);
                return RecordingRunner::Run(request);
            }
        };
        auto runner = std::make_unique<PicturingRunner>();
        runner->window = form.get();
        runner->file = dir + "/compile_running.png";
        PicturingRunner* picturing = runner.get();
        runner->logLines = {"HC1002: Note: Using existing phrase table", "manual.hlp, 2 topics"};
        commands->SetRunner(std::move(runner));
        form->Prefs().Compiler = compiler_.toStdString();
        CompileIn(*form, "Compile1");
        QCOMPARE(picturing->status, QString("RUNNING HELP COMPILER"));
        QVERIFY(commands->ErrorBox()->grab().save(dir + "/error_log.png"));
        TOptionsBox box(OptionsValues{});
        box.resize(420, 440);
        for (int page = 0; page < 3; ++page) {
            box.Pages()->setCurrentIndex(page);
            QVERIFY(box.grab().save(dir + QString("/options_page%1.png").arg(page)));
        }
    }

private:
    SettingsSandbox sandbox_;
    QString folder_;
    QString projectPath_;
    QString compiler_;
};

QTEST_MAIN(CompileTest)
#include "tst_compile.moc"
