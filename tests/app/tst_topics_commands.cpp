// The topic list: store back, show topic, add, delete, sort, navigation and
// the edits of both grids.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "app/common/message_box.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/tmainform.h"
#include "app/mainform/topic_commands.h"
#include "app/topics/property_grid.h"
#include "app/topics/topic_grid_model.h"
#include "app/topics/topic_grid_view.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::OnNextModal;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;

namespace {

// A window with topics titled TITLES, numbered 10, 20, ...; topic 0 shown.
std::unique_ptr<TMainForm> WindowWith(const QStringList& titles) {
    auto form = StartWindow();
    for (int i = 1; i < titles.size(); ++i) {
        form->Action("AddBtn")->trigger();
    }
    Project& project = form->GetProject();
    for (int i = 0; i < titles.size(); ++i) {
        project.Topics[static_cast<std::size_t>(i)].Title = titles[i].toStdString();
    }
    project.CurrentTopic = -1;
    form->FillTopicGrid(true);
    form->SetModified(false);
    return form;
}

QStringList Titles(const TMainForm& form) {
    QStringList out;
    const TTopicList& topics = form.GetProject().Topics;
    for (std::size_t i = 0; i < topics.Count(); ++i) {
        out << QString::fromStdString(topics[i].Title.str());
    }
    return out;
}

QString GridCell(const TMainForm& form, int row, int column) {
    return form.TopicGridRows()->index(row, column).data().toString();
}

// Types into a property grid row as the user would.
void TypeIntoProperty(TMainForm& form, int row, const QString& text) {
    QLineEdit* editor = form.PropGrid()->Editor(row);
    editor->selectAll();
    QTest::keyClicks(editor, text);
}

}  // namespace

class TopicCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { sandbox_.Clear(); }

    void addingNumbersAndShowsTheNewTopic() {
        auto form = StartWindow();
        form->Action("TopicAdd")->trigger();
        form->Action("PopAdd")->trigger();
        const Project& project = form->GetProject();
        QCOMPARE(project.Topics.Count(), std::size_t{3});
        QCOMPARE(project.Topics[2].TopicID, 30);
        QCOMPARE(project.Topics[2].ContextString.str(), std::string("scrv30"));
        QCOMPARE(project.CurrentTopic, 2);
        QCOMPARE(form->TopicGridRows()->rowCount(), 3);
        QCOMPARE(GridCell(*form, 2, 0), QString("30"));
        QCOMPARE(form->PropGrid()->Value(1), QString("30"));
        QCOMPARE(form->TopicGrid()->currentIndex().row(), 2);
        QCOMPARE(form->TopicGrid()->currentIndex().column(), 1);
        QCOMPARE(form->TopicGridRows()->CurrentRow(), 2);
        QVERIFY(!project.Modified());  // adding alone is no change
    }

    void storeBackOnEverySwitch() {
        auto form = WindowWith({"one", "two", "three"});
        TypeIntoProperty(*form, 2, "First");
        QVERIFY(form->GetProject().Modified());
        QVERIFY(form->GetProject().TopicGridStale);
        form->RichEdit1()->moveCursor(QTextCursor::End);
        QTest::keyClicks(form->RichEdit1(), "body0");
        form->Action("NextBtn")->trigger();
        const TTopicList& topics = form->GetProject().Topics;
        QCOMPARE(topics[0].Title.str(), std::string("First"));
        QVERIFY(!topics[0].Text.empty());
        // The grid was refilled before the next topic showed.
        QCOMPARE(GridCell(*form, 0, 1), QString("First"));
        QVERIFY(!form->GetProject().TopicGridStale);
        QCOMPARE(form->PropGrid()->Value(2), QString("two"));
        QVERIFY(!form->RichEdit1()->toPlainText().contains("body0"));
        // Every way of switching stores back.
        TypeIntoProperty(*form, 4, "kw2");
        form->Action("LastBtn")->trigger();
        QCOMPARE(topics[1].Keywords.str(), std::string("kw2"));
        TypeIntoProperty(*form, 10, "c3");
        form->Action("FirstBtn")->trigger();
        QCOMPARE(topics[2].Comment.str(), std::string("c3"));
        TypeIntoProperty(*form, 8, "w1");
        form->TopicGrid()->SelectTopicCell(2);
        form->Action("PopOpen")->trigger();
        QCOMPARE(topics[0].Window.str(), std::string("w1"));
        QCOMPARE(form->GetProject().CurrentTopic, 2);
        QVERIFY(form->RichEdit1()->toPlainText().isEmpty());
        form->Action("FirstBtn")->trigger();
        QVERIFY(form->RichEdit1()->toPlainText().contains("body0"));
    }

    void showingATopicNeverChangesModified() {
        auto form = WindowWith({"a", "b"});
        form->Action("NextBtn")->trigger();
        QVERIFY(!form->GetProject().Modified());
        form->SetModified(true);
        form->Action("PrevBtn")->trigger();
        QVERIFY(form->GetProject().Modified());
    }

    void aBadNumberInThePropertyGridAbandonsTheSwitch() {
        auto form = WindowWith({"a", "b"});
        TypeIntoProperty(*form, 2, "kept");
        TypeIntoProperty(*form, 1, "12x");
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        form->Action("NextBtn")->trigger();
        QCOMPARE(MessageBox::LastText(), QString("'12x' is not a valid integer value."));
        QCOMPARE(form->GetProject().CurrentTopic, 0);
        QCOMPARE(form->GetProject().Topics[0].Title.str(), std::string("a"));
        QCOMPARE(form->GetProject().Topics[0].TopicID, 10);
        // An empty number leaves the number as it was.
        TypeIntoProperty(*form, 1, "");
        form->PropGrid()->Editor(1)->clear();
        form->Action("NextBtn")->trigger();
        QCOMPARE(form->GetProject().CurrentTopic, 1);
        QCOMPARE(form->GetProject().Topics[0].TopicID, 10);
        QCOMPARE(form->GetProject().Topics[0].Title.str(), std::string("kept"));
    }

    void sortingByTitle() {
        auto form = WindowWith({"beta", "Alpha", "_x", "Zed"});
        form->Action("LastBtn")->trigger();
        form->Action("SortByTitle")->trigger();
        QCOMPARE(Titles(*form), QStringList({"Alpha", "beta", "Zed", "_x"}));
        QCOMPARE(form->GetProject().CurrentTopic, 0);
        QCOMPARE(form->PropGrid()->Value(2), QString("Alpha"));
        QCOMPARE(GridCell(*form, 3, 1), QString("_x"));
        QVERIFY(form->GetProject().Modified());
    }

    void sortingByIdFromTheHeader() {
        auto form = WindowWith({"a", "b", "c"});
        TTopicList& topics = form->GetProject().Topics;
        topics[0].TopicID = 30;
        topics[1].TopicID = 10;
        topics[2].TopicID = 20;
        form->PropGrid()->SetValue(1, "30");
        emit form->TopicGrid()->horizontalHeader()->sectionClicked(0);
        QCOMPARE(topics[0].TopicID, 10);
        QCOMPARE(topics[1].TopicID, 20);
        QCOMPARE(topics[2].TopicID, 30);
        QCOMPARE(form->GetProject().CurrentTopic, 0);
        QCOMPARE(form->PropGrid()->Value(1), QString("10"));
        QCOMPARE(GridCell(*form, 0, 0), QString("10"));
        // Column 2's header does not sort.
        form->SetModified(false);
        emit form->TopicGrid()->horizontalHeader()->sectionClicked(2);
        QVERIFY(!form->GetProject().Modified());
    }

    void navigationStopsAtTheEnds() {
        auto form = WindowWith({"a", "b", "c"});
        form->Action("PrevBtn")->trigger();
        QCOMPARE(form->GetProject().CurrentTopic, 0);
        form->Action("NextBtn")->trigger();
        QCOMPARE(form->GetProject().CurrentTopic, 1);
        form->Action("LastBtn")->trigger();
        QCOMPARE(form->GetProject().CurrentTopic, 2);
        form->Action("NextBtn")->trigger();
        QCOMPARE(form->GetProject().CurrentTopic, 2);
        form->Action("PrevBtn")->trigger();
        QCOMPARE(form->GetProject().CurrentTopic, 1);
        form->Action("FirstBtn")->trigger();
        QCOMPARE(form->GetProject().CurrentTopic, 0);
    }

    void deletingTheLastTopicShowsTheNewLast() {
        auto form = WindowWith({"a", "b", "c"});
        form->Action("LastBtn")->trigger();
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        form->Action("RemoveBtn")->trigger();
        QCOMPARE(MessageBox::LastText(), QString("Delete topic \"c\"?"));
        QCOMPARE(Titles(*form), QStringList({"a", "b"}));
        QCOMPARE(form->GetProject().CurrentTopic, 1);
        QCOMPARE(form->PropGrid()->Value(2), QString("b"));
        QVERIFY(form->GetProject().Modified());
        QCOMPARE(form->TopicGridRows()->rowCount(), 2);
    }

    void deletingAMiddleTopicShowsItsSuccessor() {
        auto form = WindowWith({"a", "b", "c", "d"});
        form->Action("NextBtn")->trigger();
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        form->Action("TopicRemove")->trigger();
        QCOMPARE(Titles(*form), QStringList({"a", "c", "d"}));
        QCOMPARE(form->GetProject().CurrentTopic, 1);
        QCOMPARE(form->PropGrid()->Value(2), QString("c"));
    }

    void deletingANonCurrentTopicKeepsTheCurrentEdits() {
        auto form = WindowWith({"a", "b", "c", "d"});
        form->Action("LastBtn")->trigger();
        TypeIntoProperty(*form, 2, "d edited");
        form->TopicGrid()->SelectTopicCell(1);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        form->Action("PopDelete")->trigger();
        QCOMPARE(MessageBox::LastText(), QString("Delete topic \"b\"?"));
        QCOMPARE(Titles(*form), QStringList({"a", "c", "d edited"}));
        // The successor of the deleted topic is shown.
        QCOMPARE(form->GetProject().CurrentTopic, 1);
        QCOMPARE(form->PropGrid()->Value(2), QString("c"));
    }

    void deleteQuestionNoAndTheLastTopic() {
        auto form = WindowWith({"a", "b"});
        MessageBox::SetNextAnswer(QMessageBox::No);
        form->Action("RemoveBtn")->trigger();
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{2});
        QVERIFY(!form->GetProject().Modified());
        form->Prefs().DelWarn = false;
        const int shown = MessageBox::ShownCount();
        form->Action("RemoveBtn")->trigger();
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{1});
        QCOMPARE(MessageBox::ShownCount(), shown);
        form->Action("RemoveBtn")->trigger();  // the last one stays, silently
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{1});
        QCOMPARE(MessageBox::ShownCount(), shown);
    }

    void askedNumberCancelledAddsNothing() {
        auto form = StartWindow();
        form->Prefs().IDask = true;
        QString prompt, proposed;
        OnNextModal([&](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            QVERIFY(input);
            prompt = input->labelText();
            proposed = input->textValue();
            input->reject();
        });
        form->Action("AddBtn")->trigger();
        QCOMPARE(prompt, QString("Enter topic ID:"));
        QCOMPARE(proposed, QString("20"));
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{1});
    }

    void askedNumberIsUsedOrRefused() {
        auto form = StartWindow();
        form->Prefs().IDask = true;
        OnNextModal([](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            input->setTextValue("500");
            input->accept();
        });
        form->Action("AddBtn")->trigger();
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{2});
        QCOMPARE(form->GetProject().Topics[1].TopicID, 500);
        QCOMPARE(form->GetProject().Topics[1].ContextString.str(), std::string("scrv500"));
        OnNextModal([](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            input->setTextValue("5x");
            input->accept();
        });
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        form->Action("AddBtn")->trigger();
        QCOMPARE(MessageBox::LastText(), QString("Invalid integer value: 5x"));
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{2});
    }

    void templateFileBecomesTheNewTopicsText() {
        auto form = StartWindow();
        const QString path = sandbox_.Path() + "/template.rtf";
        scrivlet::test::WriteBytes(path, "{\\rtf1\\ansi Template body\\par }");
        form->GetProject().TemplateFile = path.toStdString();
        form->Action("AddBtn")->trigger();
        QVERIFY(form->GetProject().Modified());
        QVERIFY(form->RichEdit1()->toPlainText().contains("Template body"));
        form->Action("FirstBtn")->trigger();
        QVERIFY(!form->GetProject().Topics[1].Text.empty());
        // A template that does not exist is skipped.
        form->GetProject().TemplateFile = (sandbox_.Path() + "/none.rtf").toStdString();
        form->SetModified(false);
        form->Action("AddBtn")->trigger();
        QVERIFY(!form->GetProject().Modified());
    }

    void editingANonCurrentTopicInTheGrid() {
        auto form = WindowWith({"a", "b", "c"});
        TopicGridModel* rows = form->TopicGridRows();
        QVERIFY(rows->setData(rows->index(2, 1), "C new", Qt::EditRole));
        const TTopicList& topics = form->GetProject().Topics;
        QCOMPARE(topics[2].Title.str(), std::string("C new"));
        QCOMPARE(topics[0].Title.str(), std::string("a"));
        QCOMPARE(form->PropGrid()->Value(2), QString("a"));
        QVERIFY(form->GetProject().Modified());
        QVERIFY(form->GetProject().TopicGridStale);
        // The same text again changes nothing.
        form->SetModified(false);
        QVERIFY(rows->setData(rows->index(2, 1), "C new", Qt::EditRole));
        QVERIFY(!form->GetProject().Modified());
        // Switching keeps the edit: the current topic's store-back does not
        // touch topic 2.
        form->Action("LastBtn")->trigger();
        QCOMPARE(form->PropGrid()->Value(2), QString("C new"));
        // The ID column is not editable.
        QVERIFY(!(rows->flags(rows->index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(!rows->setData(rows->index(0, 0), "99", Qt::EditRole));
    }

    void inPlaceEditorAppliesEveryKeystroke() {
        auto form = WindowWith({"a", "b"});
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        TopicGridView* grid = form->TopicGrid();
        const QModelIndex cell = form->TopicGridRows()->index(1, 1);
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        auto* editor = grid->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "xy");
        // Each change reached the topic while the editor is still open.
        QCOMPARE(form->GetProject().Topics[1].Title.str(), std::string("xy"));
        QVERIFY(form->GetProject().Modified());
        QCOMPARE(form->PropGrid()->Value(2), QString("a"));
    }

    void editingTheCurrentTopicInTheGridReachesThePropertyGrid() {
        auto form = WindowWith({"a", "b"});
        TopicGridModel* rows = form->TopicGridRows();
        rows->setData(rows->index(0, 3), "Testing", Qt::EditRole);
        rows->setData(rows->index(0, 2), "key", Qt::EditRole);
        QCOMPARE(form->PropGrid()->Value(10), QString("Testing"));
        QCOMPARE(form->PropGrid()->Value(4), QString("key"));
        QCOMPARE(form->StatusPanel(1)->text(), QString("Testing"));
        form->Action("NextBtn")->trigger();
        QCOMPARE(form->GetProject().Topics[0].Comment.str(), std::string("Testing"));
        QCOMPARE(form->GetProject().Topics[0].Keywords.str(), std::string("key"));
    }

    void propertyEditsOutsideTheGridColumnsLeaveTheGridFresh() {
        auto form = WindowWith({"a", "b"});
        TypeIntoProperty(*form, 3, "ctx");
        QVERIFY(form->GetProject().Modified());
        QVERIFY(!form->GetProject().TopicGridStale);
        TypeIntoProperty(*form, 1, "11");
        QVERIFY(form->GetProject().TopicGridStale);
    }

    void clickOnTheFixedCellShowsThatTopic() {
        auto form = WindowWith({"a", "b", "c"});
        form->resize(600, 400);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        TopicGridView* grid = form->TopicGrid();
        const QRect cell = grid->visualRect(form->TopicGridRows()->index(2, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(form->GetProject().CurrentTopic, 2);
        QCOMPARE(grid->currentIndex().column(), 1);
        // A click elsewhere only moves the selection.
        const QRect other = grid->visualRect(form->TopicGridRows()->index(0, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, other.center());
        QCOMPARE(form->GetProject().CurrentTopic, 2);
        // A right click on the "Topic" column selects that row for the popup.
        const QRect title = grid->visualRect(form->TopicGridRows()->index(1, 1));
        QTest::mousePress(grid->viewport(), Qt::RightButton, {}, title.center());
        QCOMPARE(grid->SelectedTopic(), 1);
        QCOMPARE(form->GetProject().CurrentTopic, 2);
    }

    void propertiesDialogFromThePopup() {
        auto form = WindowWith({"a", "b"});
        form->GetProject().Topics[0].BuildTag = "alpha";
        form->GetProject().WindowDefs = {"main=\"x\"", "side=(1,2)"};
        form->TopicGrid()->SelectTopicCell(1);
        QStringList tags, windows;
        OnNextModal([&](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QString("Topic Properties"));
            auto* title = modal->findChild<QLineEdit*>("xTitle");
            QCOMPARE(title->text(), QString("b"));
            title->setText("B!");
            for (auto* box : modal->findChildren<QComboBox*>()) {
                if (box->objectName() == "xBuildTag") {
                    for (int i = 0; i < box->count(); ++i)
                        tags << box->itemText(i);
                } else if (box->objectName() == "xWindow") {
                    for (int i = 0; i < box->count(); ++i)
                        windows << box->itemText(i);
                }
            }
            static_cast<QDialog*>(modal)->accept();
        });
        form->Action("PopProperties")->trigger();
        QCOMPARE(tags, QStringList({"alpha"}));
        QCOMPARE(windows, QStringList({"main", "side"}));
        QCOMPARE(form->GetProject().Topics[1].Title.str(), std::string("B!"));
        QVERIFY(form->GetProject().Modified());
        QVERIFY(form->GetProject().TopicGridStale);
        QCOMPARE(form->GetProject().CurrentTopic, 0);
        QCOMPARE(GridCell(*form, 1, 1), QString("b"));  // refilled at the next switch
        form->Action("NextBtn")->trigger();
        QCOMPARE(GridCell(*form, 1, 1), QString("B!"));
    }

    void propertiesDialogOfTheCurrentTopicStoresBackFirstAndShowsAgain() {
        auto form = WindowWith({"a", "b"});
        TypeIntoProperty(*form, 5, "ak");
        form->TopicGrid()->SelectTopicCell(0);
        QString seen;
        OnNextModal([&](QWidget* modal) {
            seen = modal->findChild<QLineEdit*>("xAKeys")->text();
            modal->findChild<QComboBox*>("xComment")->setEditText("Done");
            static_cast<QDialog*>(modal)->accept();
        });
        form->Action("PopProperties")->trigger();
        QCOMPARE(seen, QString("ak"));
        QCOMPARE(form->PropGrid()->Value(10), QString("Done"));
        QCOMPARE(form->StatusPanel(1)->text(), QString("Done"));
    }

    void propertiesDialogCancelAndBadNumber() {
        auto form = WindowWith({"a", "b"});
        form->TopicGrid()->SelectTopicCell(1);
        OnNextModal([](QWidget* modal) {
            modal->findChild<QLineEdit*>("xTitle")->setText("changed");
            static_cast<QDialog*>(modal)->reject();
        });
        form->Action("PopProperties")->trigger();
        QCOMPARE(form->GetProject().Topics[1].Title.str(), std::string("b"));
        QVERIFY(!form->GetProject().Modified());
        OnNextModal([](QWidget* modal) {
            modal->findChild<QLineEdit*>("xTitle")->setText("T2");
            modal->findChild<QLineEdit*>("xID")->setText("");
            MessageBox::SetNextAnswer(QMessageBox::Ok);
            static_cast<QDialog*>(modal)->accept();
        });
        form->Action("PopProperties")->trigger();
        QCOMPARE(MessageBox::LastText(), QString("'' is not a valid integer value."));
        QCOMPARE(form->GetProject().Topics[1].Title.str(), std::string("T2"));
        QCOMPARE(form->GetProject().Topics[1].TopicID, 20);
        QVERIFY(form->GetProject().Modified());
    }

private:
    SettingsSandbox sandbox_;
};

QTEST_MAIN(TopicCommandsTest)
#include "tst_topics_commands.moc"
