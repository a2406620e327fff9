// Nothing lost in the window: files that are not projects, cut-off files,
// a failed Save As, an out-of-date help file, typing after a markup code,
// and dialogs that stay on the screen.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "app/build/build_commands.h"
#include "app/build/help_viewer.h"
#include "app/common/message_box.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/project_commands.h"
#include "app/mainform/tmainform.h"
#include "app/markup/link_box.h"
#include "core/build/compile.h"
#include "core/projectfile/project_file.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::ReadBytes;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;
using scrivlet::test::WriteBytes;

namespace {

Project ThreeTopics() {
    Project project;
    project.HelpTitle = "Three";
    project.HelpFileName = "three.hlp";
    project.Topics.Clear();
    for (int id : {10, 20, 30}) {
        TTopic topic;
        topic.TopicID = id;
        topic.Title = "Topic " + std::to_string(id);
        topic.Text = {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}",
                      "{\\colortbl\\red0\\green0\\blue0;}",
                      "\\deflang1033\\pard\\plain\\f0\\fs22 Text " + std::to_string(id), "\\par }"};
        project.Topics.Add(std::move(topic));
    }
    return project;
}

class RecordingViewer : public HelpViewer {
public:
    bool Show(const QString& file, const HelpTopicRequest&, QString&) override {
        shown.push_back(file);
        return true;
    }
    QStringList shown;
};

}  // namespace

class LostTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        sandbox_.Clear();
        MessageBox::SetNextAnswer(QMessageBox::NoButton);  // drop a stale answer
        MessageBox::Error(nullptr, QString());
        path_ = sandbox_.Path() + "/three.scw";
        WriteProjectFile(ThreeTopics(), path_.toStdString());
    }

    void aFileThatIsNotAProjectIsRefused() {
        auto form = StartWindow(path_);
        const QString passwd = sandbox_.Path() + "/passwd";
        WriteBytes(passwd, "root:x:0:0:root:/root:/bin/bash\n");
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        QVERIFY(!form->ProjectCmds().ReadProject(passwd));
        QCOMPARE(MessageBox::LastText(),
                 QString::fromStdString(NotAProjectMessage(passwd.toStdString())));
        QCOMPARE(QString::fromStdString(form->GetProject().ProjectFileName), path_);
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{3});
        form->GetProject().SetModified(true);
        QVERIFY(form->ProjectCmds().Save());
        QCOMPARE(ReadBytes(passwd), std::string("root:x:0:0:root:/root:/bin/bash\n"));
    }

    void aCutOffFileWarnsAndSaveAsksFirst() {
        const std::string whole = SerializeProject(ThreeTopics());
        const std::string cut = whole.substr(0, whole.find("Text 30"));
        WriteBytes(path_, cut);
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        auto form = StartWindow(path_);
        QCOMPARE(MessageBox::LastText(),
                 QString::fromStdString(CutOffWarning(path_.toStdString(), CutOffRead{3, 67})));
        MessageBox::SetNextAnswer(QMessageBox::Cancel);
        QVERIFY(!form->ProjectCmds().Save());
        QCOMPARE(MessageBox::LastText(),
                 QString::fromStdString(CutOffSaveQuestion(path_.toStdString())));
        QCOMPARE(ReadBytes(path_), cut);
        const QString other = sandbox_.Path() + "/other.scw";
        form->ProjectCmds().SetFileDialog(
            [&](const QString&, const QString&, const QString&, bool) { return other; });
        MessageBox::SetNextAnswer(QMessageBox::Ignore);  // "Save As..."
        QVERIFY(form->ProjectCmds().Save());
        QCOMPARE(ReadBytes(path_), cut);
        QVERIFY(!form->GetProject().CutOff);
        QCOMPARE(QString::fromStdString(form->GetProject().ProjectFileName), other);
    }

    void aFailedSaveAsKeepsTheProjectWhereItWas() {
        auto form = StartWindow(path_);
        form->ProjectCmds().SetFileDialog([&](const QString&, const QString&, const QString&,
                                              bool) { return sandbox_.Path() + "/no/such/x.scw"; });
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        QVERIFY(!form->ProjectCmds().SaveAs());
        QVERIFY(MessageBox::LastText().startsWith("Cannot create file "));
        QCOMPARE(QString::fromStdString(form->GetProject().ProjectFileName), path_);
        QCOMPARE(form->windowTitle(), QString("three.scw - Scrivlet"));
    }

    void anOutOfDateHelpFileIsNamedSoBeforeItShows() {
        auto form = StartWindow(path_);
        auto* commands = form->findChild<BuildCommands*>();
        auto viewer = std::make_unique<RecordingViewer>();
        RecordingViewer* seen = viewer.get();
        commands->SetViewer(std::move(viewer));
        const QString help = sandbox_.Path() + "/three.hlp";
        WriteBytes(help, "old help");
        QFile file(help);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
        file.close();
        MessageBox::SetNextAnswer(QMessageBox::Cancel);
        form->Action("ShowHelpFile1")->trigger();
        QCOMPARE(MessageBox::LastText(),
                 QString::fromStdString(StaleHelpQuestion(help.toStdString())));
        QVERIFY(seen->shown.isEmpty());
        MessageBox::SetNextAnswer(QMessageBox::No);  // show the old one all the same
        form->Action("ShowHelpFile1")->trigger();
        QCOMPARE(seen->shown.size(), 1);
        // A help file newer than the project shows without a word.
        WriteBytes(help, "new help");
        const int asked = MessageBox::ShownCount();
        form->Action("ShowHelpFile1")->trigger();
        QCOMPARE(MessageBox::ShownCount(), asked);
        QCOMPARE(seen->shown.size(), 2);
    }

    void typingAfterACodeTakesTheFormatBeforeIt() {
        auto form = StartWindow(path_);
        TSRichEdit* editor = form->RichEdit1();
        editor->clear();
        QTextCursor cursor(editor->document());
        QTextCharFormat plain;
        plain.setForeground(QColor(0, 0, 128));
        QTextCharFormat hotspot = plain;
        hotspot.setForeground(QColor(0, 128, 0));
        hotspot.setFontStrikeOut(true);
        QTextCharFormat code;
        code.setForeground(QColor(255, 0, 0));
        cursor.insertText("See ", plain);
        cursor.insertText("Topic", hotspot);
        cursor.insertText("[href=20]", code);
        cursor.insertBlock();
        cursor.insertText("Title", plain);
        cursor.insertText("[keepn]", code);
        for (int block : {0, 1}) {
            // The caret comes back to the end of the paragraph, as a click puts it.
            QTextCursor end(editor->document()->findBlockByNumber(block));
            end.movePosition(QTextCursor::EndOfBlock);
            editor->setTextCursor(end);
            QTest::keyClicks(editor, "x");
            QTextCursor typed(editor->document()->findBlockByNumber(block));
            typed.movePosition(QTextCursor::EndOfBlock);
            const QTextCharFormat format = typed.charFormat();
            QCOMPARE(format.foreground().color(), QColor(0, 0, 128));
            QVERIFY(!format.fontStrikeOut());
        }
    }

    void theLinkDialogElidesLongTitles() {
        Project project = ThreeTopics();
        project.Topics[1].Title = std::string(400, 'W');
        TLinkBox box;
        box.Fill(project, 1);
        QVERIFY2(box.sizeHint().width() < 700, qPrintable(QString::number(box.sizeHint().width())));
        QCOMPARE(box.atopic->itemData(1, Qt::ToolTipRole).toString().size(), 4 + 255);
    }

private:
    SettingsSandbox sandbox_;
    QString path_;
};

QTEST_MAIN(LostTest)
#include "tst_lost.moc"
