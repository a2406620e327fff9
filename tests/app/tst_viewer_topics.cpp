// The Help Topics dialog: Contents from the .cnt beside the help file,
// Index with type-ahead and a chooser, Find with ranked results.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "app/viewer/help_topics_dialog.h"
#include "app/viewer/help_window.h"
#include "app/viewer/topic_chooser.h"
#include "helpers/viewer_document.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::LibraryOf;
using scrivlet::test::ViewerDocument;
using scrivlet::test::WriteBytes;

class ViewerTopicsTest : public QObject {
    Q_OBJECT

private slots:
    void contentsFromTheContentsFileAndItsIncludes() {
        QTemporaryDir dir;
        WriteBytes(dir.filePath("Test.CNT"),
                   ":Base test.hlp\r\n:Title Test\r\n1 Getting started\r\n2 The second=second\r\n"
                   ":Include more.cnt\r\n1 Run=!JI(`', `note')\r\n");
        WriteBytes(dir.filePath("more.cnt"), "1 More\n2 Note=note>note\n");
        auto library = LibraryOf({{"test.hlp", ViewerDocument()}});
        auto file = library->Open(dir.filePath("test.hlp"));
        HelpTopicsDialog dialog(*library, file);
        QCOMPARE(dialog.Tabs()->tabText(0), QString("Contents"));
        QTreeWidget* tree = dialog.ContentsList();
        QCOMPARE(tree->topLevelItemCount(), 2);
        QTreeWidgetItem* book = tree->topLevelItem(0);
        QCOMPARE(book->text(0), QString("Getting started"));
        QCOMPARE(book->childCount(), 2);
        QCOMPARE(book->child(1)->text(0), QString("More"));
        QCOMPARE(book->child(1)->child(0)->text(0), QString("Note"));

        // Display on a book opens it and keeps the dialog open.
        tree->setCurrentItem(book);
        dialog.Display();
        QVERIFY(book->isExpanded());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        tree->setCurrentItem(book->child(1)->child(0));
        dialog.Display();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Chosen().context, std::string("note"));
        QCOMPARE(dialog.Chosen().fileName, std::string("test.hlp"));
        QCOMPARE(dialog.Chosen().window, std::string("note"));
        tree->setCurrentItem(tree->topLevelItem(1));
        dialog.Display();
        QCOMPARE(dialog.Chosen().macro, std::string("JI(`', `note')"));
    }

    void contentsWithoutAFileListTheTitledTopics() {
        QTemporaryDir dir;
        auto library = LibraryOf({{"test.hlp", ViewerDocument()}});
        HelpTopicsDialog dialog(*library, library->Open(dir.filePath("test.hlp")));
        QTreeWidget* tree = dialog.ContentsList();
        QCOMPARE(tree->topLevelItemCount(), 3);
        tree->setCurrentItem(tree->topLevelItem(2));
        dialog.Display();
        QCOMPARE(dialog.Chosen().topic, 2);
    }

    void indexTypeAheadAndTopicsFound() {
        QTemporaryDir dir;
        auto library = LibraryOf({{"test.hlp", ViewerDocument()}});
        HelpTopicsDialog dialog(*library, library->Open(dir.filePath("test.hlp")));
        dialog.Tabs()->setCurrentIndex(HelpTopicsDialog::IndexTab);
        QListWidget* list = dialog.IndexList();
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QString("printing"));
        QCOMPARE(list->item(1)->text(), QString("start"));
        QTest::keyClicks(dialog.IndexText(), "ST");
        QCOMPARE(list->currentRow(), 1);
        // "start" has two topics: the chooser picks the second.
        SetNextChoice(1);
        dialog.Display();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Chosen().topic, 2);
        SetNextChoice(-1);
        dialog.setResult(QDialog::Rejected);
        dialog.Display();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void findRanksTopicsAndCountsThem() {
        QTemporaryDir dir;
        auto library = LibraryOf({{"test.hlp", ViewerDocument()}});
        HelpTopicsDialog dialog(*library, library->Open(dir.filePath("test.hlp")));
        dialog.Tabs()->setCurrentIndex(HelpTopicsDialog::FindTab);
        QTest::keyClicks(dialog.FindText(), "print");
        QListWidget* list = dialog.FindList();
        QCOMPARE(list->count(), 2);
        QCOMPARE(dialog.FindCount()->text(), QString("2 topics found"));
        dialog.FindText()->setText("short note");
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QString("Note"));
        QCOMPARE(dialog.FindCount()->text(), QString("1 topic found"));
        dialog.Display();
        QCOMPARE(dialog.Chosen().topic, 2);
    }
};

QTEST_MAIN(ViewerTopicsTest)
#include "tst_viewer_topics.moc"
