// The project's undo stack behind Edit > Undo and Redo, and crash recovery.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "app/common/message_box.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/project_commands.h"
#include "app/mainform/tmainform.h"
#include "app/mainform/topic_commands.h"
#include "app/recovery/recovery_keeper.h"
#include "app/search/search_commands.h"
#include "app/topics/property_grid.h"
#include "app/topics/topic_grid_model.h"
#include "app/undo/project_undo.h"
#include "core/model/topic_links.h"
#include "core/projectfile/project_file.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;

namespace {

Project ThreeTopics() {
    Project project;
    project.HelpTitle = "Three";
    project.Topics.Clear();
    for (int id : {10, 20, 30}) {
        TTopic topic;
        topic.TopicID = id;
        topic.Title = "Topic " + std::to_string(id);
        topic.Keywords = "k" + std::to_string(id);
        topic.Text = {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}",
                      "{\\colortbl\\red0\\green0\\blue0;}",
                      "\\deflang1033\\pard\\plain\\f0\\fs22 Text " + std::to_string(id), "\\par }"};
        project.Topics.Add(std::move(topic));
    }
    project.Topics[0].Text[2] += " see [href=30]";
    return project;
}

QString UndoText(const TMainForm& form) {
    return form.Action("EditUndo")->text();
}

}  // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        sandbox_.Clear();
        MessageBox::SetNextAnswer(QMessageBox::NoButton);  // drop a stale answer
        MessageBox::Error(nullptr, QString());
        path_ = sandbox_.Path() + "/three.scw";
        WriteProjectFile(ThreeTopics(), path_.toStdString());
    }

    void aDeletedTopicComesBackWhole() {
        auto form = StartWindow(path_);
        form->Prefs().DelWarn = false;
        QVERIFY(!form->Action("EditUndo")->isEnabled());
        const TTopic before = form->GetProject().Topics[1];
        form->TopicCmds().DeleteTopic(1);
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{2});
        QCOMPARE(UndoText(*form), QString("&Undo Delete Topic 20"));
        form->Action("EditUndo")->trigger();
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{3});
        QVERIFY(form->GetProject().Topics[1] == before);
        QCOMPARE(form->GetProject().CurrentTopic, 1);
        QVERIFY(form->RichEdit1()->toPlainText().contains("Text 20"));
        QCOMPARE(form->Action("EditRedo")->text(), QString("&Redo Delete Topic 20"));
        QCOMPARE(form->Action("EditRedo")->shortcuts(),
                 (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
        form->Action("EditRedo")->trigger();
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{2});
        QCOMPARE(form->GetProject().Topics[1].TopicID, 30);
    }

    void deletingALinkedTopicAsksFirst() {
        auto form = StartWindow(path_);
        form->Prefs().DelWarn = false;
        MessageBox::SetNextAnswer(QMessageBox::No);
        form->TopicCmds().DeleteTopic(2);
        QCOMPARE(MessageBox::LastText(),
                 QString("Topic 30 \"Topic 30\" is the target of links in 1 "
                         "other topic:\n    10 Topic 10\nThese links will "
                         "lead nowhere. Delete the topic?"));
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{3});
        const auto linking = TopicsLinkingTo(form->GetProject().Topics, 1);
        QVERIFY(linking.empty());
    }

    void addSortAndPropertyEditsUndoOneByOne() {
        auto form = StartWindow(path_);
        Project& project = form->GetProject();
        form->Action("TopicAdd")->trigger();
        QCOMPARE(UndoText(*form), QString("&Undo Add Topic 40"));
        form->TopicCmds().GridSetEditText(0, TopicGridModel::TitleColumn, "Zebra");
        form->TopicCmds().GridSetEditText(0, TopicGridModel::TitleColumn, "Zebras");
        QCOMPARE(UndoText(*form), QString("&Undo Topic 10 Properties"));
        form->TopicCmds().Sort(TopicSortKey::ByTitle);
        QCOMPARE(UndoText(*form), QString("&Undo Sort Topics by Title"));
        QVERIFY(project.Topics[0].TopicID != 10);

        form->Action("EditUndo")->trigger();
        QCOMPARE(project.Topics[0].TopicID, 10);
        form->Action("EditUndo")->trigger();  // both title edits were one step
        QCOMPARE(project.Topics[0].Title.str(), std::string("Topic 10"));
        QCOMPARE(project.Topics[0].Text, ThreeTopics().Topics[0].Text);
        form->Action("EditUndo")->trigger();
        QCOMPARE(project.Topics.Count(), std::size_t{3});
        QVERIFY(!form->Action("EditUndo")->isEnabled());
    }

    void propertyGridEditsAreUndoneInOneStep() {
        auto form = StartWindow(path_);
        QLineEdit* title = form->PropGrid()->Editor(2);
        title->selectAll();
        QTest::keyClicks(title, "Renamed");
        form->Action("EditUndo")->trigger();  // stores the grid back, then undoes that
        QCOMPARE(form->GetProject().Topics[0].Title.str(), std::string("Topic 10"));
        QCOMPARE(form->PropGrid()->Value(2), QString("Topic 10"));
        QCOMPARE(form->Action("EditRedo")->text(), QString("&Redo Topic 10 Properties"));
    }

    void replaceAllAndSettingsAreOneStepEach() {
        auto form = StartWindow(path_);
        Project& project = form->GetProject();
        MessageBox::SetNextAnswers({QMessageBox::Yes, QMessageBox::Ok});
        auto* search = form->findChild<SearchCommands*>();
        QCOMPARE(search->ReplaceAllInProject("Text", "Word", true), 3);
        QCOMPARE(UndoText(*form), QString("&Undo Replace All"));
        const ProjectSettings settings = project;
        project.HelpTitle = "Changed";
        project.WindowDefs = {"main=\"x\",,0,(r0),(r0),0"};
        form->Undo().SettingsChanged(settings, "Project Options");
        QCOMPARE(UndoText(*form), QString("&Undo Project Options"));

        form->Action("EditUndo")->trigger();
        QCOMPARE(project.HelpTitle.str(), std::string("Three"));
        QVERIFY(project.WindowDefs.empty());
        form->Action("EditUndo")->trigger();
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(project.Topics[i].Text, ThreeTopics().Topics[i].Text);
        }
        QVERIFY(form->RichEdit1()->toPlainText().contains("Text 10"));
    }

    void aRecoveryCopyIsKeptAwayFromTheProjectAndGoesOnSave() {
        auto form = StartWindow(path_);
        form->RichEdit1()->moveCursor(QTextCursor::End);
        QTest::keyClicks(form->RichEdit1(), "unsaved");
        form->Recovery().WriteNow();
        const QString copy = form->Recovery().CopyPath();
        QVERIFY(copy.startsWith(RecoveryKeeper::Folder() + "/"));
        const auto read = ReadProjectFile(copy.toStdString());
        QVERIFY(read);
        QVERIFY(read->Topics[0].Text[2].find("unsaved") != std::string::npos);
        QCOMPARE(QDir(sandbox_.Path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QVERIFY(form->ProjectCmds().Save());
        QVERIFY(!QFile::exists(copy));
    }

    void theNextStartOffersTheCopyWithItsTime() {
        QDir().mkpath(RecoveryKeeper::Folder());
        const QString copy = RecoveryKeeper::Folder() + "/project-1.scw";
        Project changed = ThreeTopics();
        changed.Topics.Delete(2);
        WriteProjectFile(changed, copy.toStdString());
        QFile note(copy + ".name");
        QVERIFY(note.open(QIODevice::WriteOnly));
        note.write(path_.toUtf8() + "\n");
        note.close();
        const QDateTime written(QDate(2026, 12, 8), QTime(23, 4, 5));
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(written, QFileDevice::FileModificationTime));
        file.close();

        MessageBox::SetNextAnswer(QMessageBox::Yes);
        auto form = StartWindow();
        QCOMPARE(MessageBox::LastText(),
                 QString("Scrivlet was not closed properly. A recovery copy of %1 was written on "
                         "2026-12-08 23:04:05.\nRestore it? No deletes the copy.")
                     .arg(path_));
        QCOMPARE(QString::fromStdString(form->GetProject().ProjectFileName), path_);
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{2});
        QVERIFY(form->GetProject().Modified());
        QVERIFY(!QFile::exists(copy));
    }

private:
    SettingsSandbox sandbox_;
    QString path_;
};

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
