#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTreeWidget>
#include <QtTest>

#include "app/common/message_box.h"
#include "app/editor/tsrichedit.h"
#include "app/errorlog/terrorbox.h"
#include "app/mainform/tmainform.h"
#include "app/navigator/navigator_dock.h"
#include "app/topics/property_grid.h"
#include "core/model/project.h"
#include "core/navigator/project_links.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;

class TestNavigator : public QObject {
    Q_OBJECT

private slots:
    void init() {
        form_ = test::StartWindow(QString::fromLatin1(SCRIVLET_TEST_DATA) +
                                  "/../../examples/manual/manual.scw");
        dock_ = form_->findChild<NavigatorDock*>();
        QVERIFY(dock_ != nullptr);
        QAction* toggle = form_->findChild<QAction*>("ViewNavigator");
        QVERIFY(toggle != nullptr);
        QCOMPARE(toggle->shortcut(), QKeySequence("Ctrl+Shift+N"));
        toggle->trigger();
        QVERIFY(!dock_->isHidden());
    }
    void cleanup() {
        form_->GetProject().SetModified(false);
        form_.reset();
    }

    void findOpensTheTopicWithTheMatchSelected() {
        dock_->FindBox()->setText("pop-up");
        dock_->RunFind();
        QTreeWidget* results = dock_->FindResults();
        QVERIFY(results->topLevelItemCount() > 0);
        // The last topic with a match, its first match.
        QTreeWidgetItem* group = results->topLevelItem(results->topLevelItemCount() - 1);
        QVERIFY(group->childCount() > 0);
        QTreeWidgetItem* match = group->child(0);
        QVERIFY(
            match->text(0).contains(QString::fromUtf8("\u00bbpop-up\u00ab"), Qt::CaseInsensitive));
        emit results->itemActivated(match, 0);
        const std::size_t topic = match->data(0, Qt::UserRole).toULongLong();
        QCOMPARE(form_->GetProject().CurrentTopic, static_cast<int>(topic));
        QCOMPARE(form_->RichEdit1()->textCursor().selectedText().toLower(), QString("pop-up"));
    }

    void replaceFromTheListAsksAndUndoesInOneStep() {
        Project& project = form_->GetProject();
        std::vector<std::vector<std::string>> before;
        for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
            before.push_back(project.Topics[i].Text);
        }
        dock_->FindBox()->setText("topic");
        dock_->RunFind();
        QTreeWidget* results = dock_->FindResults();
        QVERIFY(results->topLevelItemCount() >= 2);
        QTreeWidgetItem* first = results->topLevelItem(0);
        QTreeWidgetItem* second = results->topLevelItem(1);
        QVERIFY(first->childCount() >= 2);
        // A whole topic checked through its row, one result of the next.
        first->setCheckState(0, Qt::Checked);
        second->child(0)->setCheckState(0, Qt::Checked);
        const int count = first->childCount() + 1;
        const std::size_t topicA = first->data(0, Qt::UserRole).toULongLong();
        const std::size_t topicB = second->data(0, Qt::UserRole).toULongLong();
        const QString question = QString("Replace %1 occurrences in 2 topics?").arg(count);
        dock_->ReplaceBox()->setText("page");
        MessageBox::SetNextAnswer(QMessageBox::No);
        dock_->ReplaceChosen();
        QCOMPARE(MessageBox::LastText(), question);
        for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
            QCOMPARE(project.Topics[i].Text, before[i]);
        }
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        dock_->ReplaceChosen();
        QCOMPARE(MessageBox::LastText(), question);
        QVERIFY(project.Topics[topicA].Text != before[topicA]);
        // The list was found again: the replaced results are gone.
        QCOMPARE(results->topLevelItem(0)->data(0, Qt::UserRole).toULongLong(), topicB);
        QCOMPARE(form_->findChild<QAction*>("EditUndo")->text(), QString("&Undo Replace"));
        form_->findChild<QAction*>("EditUndo")->trigger();
        for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
            QCOMPARE(project.Topics[i].Text, before[i]);
        }
    }

    void replaceWithNothingChosenReplacesTheSelection() {
        dock_->FindBox()->setText("topic");
        dock_->RunFind();
        QTreeWidgetItem* item = dock_->FindResults()->topLevelItem(0)->child(0);
        item->setSelected(true);
        dock_->ReplaceBox()->setText("X");
        MessageBox::SetNextAnswer(QMessageBox::No);
        dock_->ReplaceChosen();
        QCOMPARE(MessageBox::LastText(), QString("Replace 1 occurrence in 1 topic?"));
    }

    void linksHereListsTheTopicsThatJumpToIt() {
        // The sample's first topic jumps to topic 20, the second in the list.
        form_->ShowTopic(1);
        dock_->ShowLinksTo(1);
        QTreeWidget* links = dock_->LinkList();
        QVERIFY(links->topLevelItemCount() > 0);
        QVERIFY(links->topLevelItem(0)->text(0).startsWith("Jump from 10"));
    }

    void checkerRunsOffTheWindowThreadAndListsFindings() {
        Project& project = form_->GetProject();
        project.Topics[0].Text.push_back("\\par [href=999]");
        QSignalSpy done(dock_, &NavigatorDock::CheckFinished);
        dock_->RunCheck();
        QVERIFY(dock_->CheckRunning());
        QVERIFY(done.wait(5000));
        QTreeWidget* list = dock_->CheckList();
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0),
                 QString("error: topic 10 \"Welcome to Scrivlet\": link to missing topic 999"));
        QCOMPARE(form_->StatusPanel(2)->text(), QString("1 error, 0 warnings, 0 notes"));
    }

    void aLogLineNamingATopicOpensIt() {
        auto* log = form_->findChild<TErrorBox*>();
        QVERIFY(log != nullptr);
        emit log->lineActivated("    Topic ID 99 not found. (topic 40 \"Links and pop-ups\")");
        QCOMPARE(form_->GetProject().Topics[form_->GetProject().CurrentTopic].TopicID, 40);
        emit log->lineActivated("0 errors, 0 warnings.");
        QCOMPARE(form_->GetProject().Topics[form_->GetProject().CurrentTopic].TopicID, 40);
    }

    void aTypedNumberAnotherTopicHasIsRefused() {
        form_->ShowTopic(1);  // topic 20
        form_->PropGrid()->SetValue(1, "10");
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        QVERIFY(!form_->StoreBack(true));
        QCOMPARE(MessageBox::LastText(),
                 QString("Topic number 10 is already used by topic \"Welcome to Scrivlet\". The "
                         "topic keeps its number 20."));
        QCOMPARE(form_->GetProject().Topics[1].TopicID, 20);
        QCOMPARE(form_->PropGrid()->Value(1), QString("20"));
        QVERIFY(form_->StoreBack(true));
    }

    void aNewNumberAsksWhetherTheLinksFollow() {
        Project& project = form_->GetProject();
        const std::size_t links = CountLinksToNumber(project, 20);
        QCOMPARE(links, std::size_t{1});  // from the sample's first topic
        const QString question =
            "1 link leads to topic number 20, which becomes 25. Update it to lead to 25?\n\n"
            "Yes updates the links, No leaves it leading nowhere, Cancel keeps the number 20.";
        form_->ShowTopic(1);  // topic 20
        // Cancel: the old number stays, in the topic and in the grid.
        form_->PropGrid()->SetValue(1, "25");
        MessageBox::SetNextAnswer(QMessageBox::Cancel);
        QVERIFY(!form_->StoreBack(true));
        QCOMPARE(MessageBox::LastText(), question);
        QCOMPARE(project.Topics[1].TopicID, 20);
        QCOMPARE(form_->PropGrid()->Value(1), QString("20"));
        // No: the number changes and the links stay as they were.
        form_->PropGrid()->SetValue(1, "25");
        MessageBox::SetNextAnswer(QMessageBox::No);
        QVERIFY(form_->StoreBack(true));
        QCOMPARE(project.Topics[1].TopicID, 25);
        QCOMPARE(CountLinksToNumber(project, 20), links);
        form_->Action("EditUndo")->trigger();
        QCOMPARE(project.Topics[1].TopicID, 20);
        // Yes: the links follow, and one Undo takes both back.
        form_->ShowTopic(1);
        form_->PropGrid()->SetValue(1, "25");
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        QVERIFY(form_->StoreBack(true));
        QCOMPARE(project.Topics[1].TopicID, 25);
        QCOMPARE(CountLinksToNumber(project, 25), links);
        QCOMPARE(CountLinksToNumber(project, 20), std::size_t{0});
        QCOMPARE(form_->Action("EditUndo")->text(), QString("&Undo Renumber Topic 20"));
        form_->Action("EditUndo")->trigger();
        QCOMPARE(project.Topics[1].TopicID, 20);
        QCOMPARE(CountLinksToNumber(project, 20), links);
        QCOMPARE(CountLinksToNumber(project, 25), std::size_t{0});
    }

    void aNewContextStringAsksWhetherTheDefaultTopicFollows() {
        Project& project = form_->GetProject();
        form_->ShowTopic(1);
        const std::string old = project.Topics[1].ContextString.str();
        QVERIFY(!old.empty());
        project.DefaultTopic = old;
        form_->PropGrid()->SetValue(3, "intro");
        MessageBox::SetNextAnswer(QMessageBox::Cancel);
        QVERIFY(!form_->StoreBack(true));
        QCOMPARE(form_->PropGrid()->Value(3), QString::fromStdString(old));
        QCOMPARE(project.Topics[1].ContextString.str(), old);
        form_->PropGrid()->SetValue(3, "intro");
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        QVERIFY(form_->StoreBack(true));
        const QString quoted = "\"" + QString::fromStdString(old) + "\"";
        QCOMPARE(MessageBox::LastText(),
                 "1 reference leads to context string " + quoted +
                     ", which becomes \"intro\": the project's default topic. Update it?\n\nYes "
                     "updates it (the contents file is saved at once), No leaves it leading "
                     "nowhere, Cancel keeps the context string " +
                     quoted + ".");
        QCOMPARE(project.Topics[1].ContextString.str(), std::string("intro"));
        QCOMPARE(project.DefaultTopic.str(), std::string("intro"));
        // One step takes both back.
        form_->Action("EditUndo")->trigger();
        QCOMPARE(project.Topics[1].ContextString.str(), old);
        QCOMPARE(project.DefaultTopic.str(), old);
        // Only the case changed: nothing breaks, nothing is asked.
        const int asked = MessageBox::ShownCount();
        form_->ShowTopic(1);
        form_->PropGrid()->SetValue(3, QString::fromStdString(old).toUpper());
        QVERIFY(form_->StoreBack(true));
        QCOMPARE(MessageBox::ShownCount(), asked);
    }

private:
    std::unique_ptr<TMainForm> form_;
    NavigatorDock* dock_ = nullptr;
    test::SettingsSandbox settings_;
};

QTEST_MAIN(TestNavigator)
#include "tst_navigator.moc"
