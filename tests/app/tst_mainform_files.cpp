// The project commands of the main window: New, Open, recent files, Save,
// Save As, Exit and the unsaved-changes prompt.
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QTest>

#include "app/common/message_box.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/project_commands.h"
#include "app/mainform/tmainform.h"
#include "app/topics/property_grid.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::Crlf;
using scrivlet::test::ReadBytes;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;
using scrivlet::test::WriteBytes;

namespace {

// A project file exactly as the system writes it: two topics, lists with
// entries, a text with a character above 127.
std::string SampleProject() {
    return Crlf({"[PROJECT]",
                 "12",
                 "TITLE=Sample Help",
                 "HELP=sample.hlp",
                 "CNT=sample.cnt",
                 "COPYRIGHT=(c) me",
                 "CITATION=",
                 "CONTENTS=scrv10",
                 "COMPRESS=0",
                 "ERROR=1",
                 "SHOW=0",
                 "INCLUDE=",
                 "EXCLUDE=draft",
                 "TEMPLATE=",
                 "[WINDOWS]",
                 "1",
                 "main=\"Sample\",(0,0,1023,1023),0",
                 "[CONFIG]",
                 "1",
                 "BrowseButtons()",
                 "[BMPROOTS]",
                 "0",
                 "[FILES]",
                 "0",
                 "[TOPICS]",
                 "C=10",
                 "A=scrv10",
                 "T=Caf\xe9 intro",
                 "K=intro;start",
                 "O=",
                 "B=",
                 "S=",
                 "W=",
                 "M=",
                 "X=Done",
                 "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}}",
                 "{\\colortbl\\red0\\green0\\blue0;}",
                 "\\deflang1033\\pard\\plain\\f0\\fs22 Hello \\'e9t\\'e9",
                 "\\par }",
                 "~",
                 "C=20",
                 "A=scrv20",
                 "T=Second",
                 "K=",
                 "O=",
                 "B=beta",
                 "S=",
                 "W=main",
                 "M=",
                 "X=Editing",
                 "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}}",
                 "{\\colortbl\\red0\\green0\\blue0;}",
                 "\\deflang1033\\pard\\plain\\f0\\fs22 Two",
                 "\\par }",
                 "~"});
}

}  // namespace

class MainFormFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        sandbox_.Clear();
        MessageBox::SetNextAnswer(QMessageBox::NoButton);  // drop a stale answer
        MessageBox::Error(nullptr, QString());
    }

    void openAndSaveGiveTheSameBytes() {
        const QString path = sandbox_.Path() + "/sample.scw";
        WriteBytes(path, SampleProject());
        auto form = StartWindow(path);
        const Project& project = form->GetProject();
        QCOMPARE(project.Topics.Count(), std::size_t{2});
        QCOMPARE(project.HelpTitle.str(), std::string("Sample Help"));
        QCOMPARE(form->windowTitle(), QString("sample.scw - Scrivlet"));
        QCOMPARE(project.CurrentTopic, 0);
        QCOMPARE(form->PropGrid()->Value(2), QString::fromUtf8("Caf\u00e9 intro"));
        QVERIFY(!project.Modified());
        // Showing the second topic and coming back stores both back.
        form->Action("NextBtn")->trigger();
        form->Action("FirstBtn")->trigger();
        QVERIFY(!project.Modified());
        form->Action("FileSave")->trigger();
        QCOMPARE(ReadBytes(path), SampleProject());
    }

    void editedTopicIsSavedAndReadBack() {
        const QString path = sandbox_.Path() + "/edit.scw";
        WriteBytes(path, SampleProject());
        auto form = StartWindow(path);
        form->RichEdit1()->moveCursor(QTextCursor::End);
        QTest::keyClicks(form->RichEdit1(), "Zq");
        QVERIFY(form->GetProject().Modified());
        QVERIFY(form->Action("SaveBtn")->isEnabled());
        form->Action("SaveBtn")->trigger();
        QVERIFY(!form->GetProject().Modified());
        QVERIFY(!form->Action("SaveBtn")->isEnabled());
        const std::string saved = ReadBytes(path);
        QVERIFY(saved != SampleProject());
        QVERIFY(saved.find("Zq") != std::string::npos);
        // Reading it back shows the edit in the editor.
        auto again = StartWindow(path);
        QVERIFY(again->RichEdit1()->toPlainText().contains("Zq"));
        QCOMPARE(again->GetProject().Topics[1].Text, form->GetProject().Topics[1].Text);
    }

    void saveAsAsksForANameAndSaves() {
        auto form = StartWindow();
        QString seenTitle, seenFilter, seenPreset;
        const QString target = sandbox_.Path() + "/new.scw";
        form->ProjectCmds().SetFileDialog(
            [&](const QString& title, const QString& filter, const QString& preset, bool save) {
                seenTitle = title;
                seenFilter = filter;
                seenPreset = preset;
                return save ? target : QString();
            });
        form->Action("FileSave")->trigger();  // untitled: Save runs Save As
        QCOMPARE(seenTitle, QString("Save Project As..."));
        QCOMPARE(seenFilter, QString("Scrivlet Project  (*.scw)"));
        QVERIFY(seenPreset.endsWith("/Untitled"));
        QCOMPARE(form->windowTitle(), QString("new.scw - Scrivlet"));
        QCOMPARE(QString::fromStdString(form->GetProject().ProjectFileName), target);
        const std::string bytes = ReadBytes(target);
        QVERIFY(bytes.rfind("[PROJECT]\r\n12\r\n", 0) == 0);
        QVERIFY(bytes.find("C=10\r\nA=scrv10\r\nT=[new topic]\r\n") != std::string::npos);
        QVERIFY(bytes.find("[CONFIG]\r\n1\r\nBrowseButtons()\r\n") != std::string::npos);
        QCOMPARE(bytes.substr(bytes.size() - 3), std::string("~\r\n"));
        QCOMPARE(form->Recent().Items().front(), target.toStdString());
    }

    void openDialogTitleAndFilter() {
        auto form = StartWindow();
        QString seenTitle, seenFilter;
        bool seenSave = true;
        form->ProjectCmds().SetFileDialog(
            [&](const QString& title, const QString& filter, const QString&, bool save) {
                seenTitle = title;
                seenFilter = filter;
                seenSave = save;
                return QString();
            });
        form->Action("OpenBtn")->trigger();
        QCOMPARE(seenTitle, QString("Open Help Project"));
        QCOMPARE(seenFilter, QString("Scrivlet Projects (*.scw)"));
        QVERIFY(!seenSave);
        QVERIFY(form->GetProject().IsUntitled());  // cancelled: nothing changed
    }

    void recentList() {
        auto form = StartWindow();
        QStringList files;
        for (int i = 0; i < 6; ++i) {
            files << sandbox_.Path() + QString("/p%1.scw").arg(i);
            WriteBytes(files.last(), SampleProject());
        }
        QVERIFY(form->ProjectCmds().ReadProject(files[0]));
        QVERIFY(form->ProjectCmds().ReadProject(files[1]));
        QVERIFY(form->ProjectCmds().ReadProject(files[0]));
        QCOMPARE(form->Recent().Items().size(), std::size_t{2});
        QCOMPARE(form->Recent().Items()[0], files[0].toStdString());
        for (int i = 1; i < 6; ++i) {
            QVERIFY(form->ProjectCmds().ReadProject(files[i]));
        }
        QCOMPARE(form->Recent().Items().size(), std::size_t{5});
        QCOMPARE(form->Recent().Items()[0], files[5].toStdString());
        QCOMPARE(form->Recent().Items()[4], files[1].toStdString());  // p0 dropped
        // The menu: a separator after "E&xit", then one item per file.
        const QList<QAction*> items = form->Menus().file->actions();
        // (The six file commands with the two imports and their separator.)
        QCOMPARE(items.size(), 9 + 1 + 5);
        QVERIFY(items[9]->isSeparator());
        QCOMPARE(items[10]->text(), QString("&0 p5.scw"));
        QCOMPARE(items[10]->statusTip(), files[5]);
        QCOMPARE(items[14]->text(), QString("&4 p1.scw"));
        // Choosing an entry opens it and keeps the list.
        items[12]->trigger();  // &2 p3.scw
        QCOMPARE(form->windowTitle(), QString("p3.scw - Scrivlet"));
        QCOMPARE(form->Recent().Items()[0], files[3].toStdString());
        // A file that has gone is silently not opened.
        QFile::remove(files[2]);
        const auto& now = form->Recent().Items();
        const auto gone = std::find(now.begin(), now.end(), files[2].toStdString());
        QVERIFY(gone != now.end());
        const int shown = MessageBox::ShownCount();
        form->ProjectCmds().OpenRecent(static_cast<int>(gone - now.begin()));
        QCOMPARE(MessageBox::ShownCount(), shown);
        QCOMPARE(form->windowTitle().contains("p2"), false);
        // The list is written at exit, most recent first.
        QVERIFY(form->close());
        QCOMPARE(sandbox_.Value("RecentFiles/F0"), QString::fromStdString(now[0]));
        QVERIFY(sandbox_.Contains("RecentFiles/F4"));
        QVERIFY(!sandbox_.Contains("RecentFiles/F5"));
    }

    void recentFilesAreLoadedAtStart() {
        sandbox_.SetValue("RecentFiles/F0", "/x/a.scw");
        sandbox_.SetValue("RecentFiles/F1", "/y/b.scw");
        auto form = StartWindow();
        QCOMPARE(form->Recent().Items().size(), std::size_t{2});
        QCOMPARE(form->ProjectCmds().DialogFolder(), QString("/x"));
        QCOMPARE(form->Menus().file->actions().last()->text(), QString("&1 b.scw"));
    }

    void unsavedChangesCancelKeepsEverything() {
        auto form = StartWindow();
        form->SetModified(true);
        MessageBox::SetNextAnswer(QMessageBox::Cancel);
        form->Action("FileNew")->trigger();
        QCOMPARE(MessageBox::LastText(), QString("Save changes to Untitled?"));
        QVERIFY(form->GetProject().Modified());
        MessageBox::SetNextAnswer(QMessageBox::Cancel);
        QVERIFY(!form->close());
    }

    void unsavedChangesNoDiscards() {
        auto form = StartWindow();
        form->ProjectCmds().SetFileDialog([](auto&&...) { return QString(); });
        form->Action("AddBtn")->trigger();
        form->SetModified(true);
        MessageBox::SetNextAnswer(QMessageBox::No);
        form->Action("NewBtn")->trigger();
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{1});
        QVERIFY(!form->GetProject().Modified());
    }

    void unsavedChangesYesWithCancelledSaveAsAbandons() {
        auto form = StartWindow();
        int asked = 0;
        form->ProjectCmds().SetFileDialog([&](auto&&...) {
            ++asked;
            return QString();
        });
        form->Action("AddBtn")->trigger();
        form->SetModified(true);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        form->Action("NewBtn")->trigger();
        QCOMPARE(asked, 1);
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{2});  // New abandoned
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        QVERIFY(!form->close());
    }

    void unsavedChangesYesSavesThenContinues() {
        const QString path = sandbox_.Path() + "/yes.scw";
        WriteBytes(path, SampleProject());
        auto form = StartWindow(path);
        form->PropGrid()->SetValue(2, "Changed");
        form->SetModified(true);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        QVERIFY(form->close());
        QVERIFY(ReadBytes(path).find("T=Changed\r\n") != std::string::npos);
    }

    void exitWithoutChangesAsksNothing() {
        auto form = StartWindow();
        const int shown = MessageBox::ShownCount();
        QVERIFY(form->close());
        QCOMPARE(MessageBox::ShownCount(), shown);
    }

    void openingAMissingFileChangesNothing() {
        auto form = StartWindow();
        QVERIFY(!form->ProjectCmds().ReadProject(sandbox_.Path() + "/none.scw"));
        QCOMPARE(form->windowTitle(), QString("Untitled - Scrivlet"));
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{1});
        QVERIFY(form->Recent().Items().empty());
    }

    void aBrokenFileIsReportedAndChangesNothing() {
        const QString path = sandbox_.Path() + "/broken.scw";
        WriteBytes(path, Crlf({"[PROJECT]", "12", "[WINDOWS]", "x", "[TOPICS]", "C=1", "~"}));
        auto form = StartWindow();
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        QVERIFY(!form->ProjectCmds().ReadProject(path));
        QVERIFY(MessageBox::LastText().contains("'x' is not a valid integer value."));
        QCOMPARE(form->windowTitle(), QString("Untitled - Scrivlet"));
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{1});
        QCOMPARE(form->GetProject().Topics[0].TopicID, 10);
    }

    void saveFailureIsReported() {
        auto form = StartWindow();
        form->ProjectCmds().SetFileName((sandbox_.Path() + "/no/such/folder/x.scw").toStdString());
        form->SetModified(true);
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        QVERIFY(!form->ProjectCmds().Save());
        QVERIFY(!MessageBox::LastText().isEmpty());
        QVERIFY(form->GetProject().Modified());
        // At exit the failed save keeps the window open, and says why.
        // The question is answered in advance, the error box when it shows.
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        const int shown = MessageBox::ShownCount();
        scrivlet::test::OnNextModal([](QWidget* box) { static_cast<QDialog*>(box)->accept(); });
        QVERIFY(!form->close());
        QCOMPARE(MessageBox::ShownCount(), shown + 2);
    }

    void newProjectAfterAnOpenOne() {
        const QString path = sandbox_.Path() + "/n.scw";
        WriteBytes(path, SampleProject());
        auto form = StartWindow(path);
        form->Action("FileNew")->trigger();
        const Project& project = form->GetProject();
        QCOMPARE(project.Topics.Count(), std::size_t{1});
        QCOMPARE(project.Topics[0].TopicID, 10);
        QVERIFY(project.HelpTitle.empty());
        QVERIFY(project.WindowDefs.empty());
        QCOMPARE(project.ConfigMacros, std::vector<std::string>{"BrowseButtons()"});
        QVERIFY(project.Compress);
        QVERIFY(project.ShowHelpAfterCompile);
        QVERIFY(project.IsUntitled());
        QCOMPARE(form->windowTitle(), QString("Untitled - Scrivlet"));
        QVERIFY(form->RichEdit1()->toPlainText().isEmpty());
        QCOMPARE(form->PropGrid()->Value(3), QString("scrv10"));
    }

private:
    SettingsSandbox sandbox_;
};

QTEST_MAIN(MainFormFilesTest)
#include "tst_mainform_files.moc"
