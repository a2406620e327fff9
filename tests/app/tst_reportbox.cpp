#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/common/message_box.h"
#include "app/report/check_list.h"
#include "app/report/report_box.h"
#include "app/report/report_commands.h"
#include "core/model/project.h"

using namespace scrivlet;
using namespace scrivlet::app;

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "<missing>";
    }
    return file.readAll();
}

Project TwoTopics() {
    Project project;
    TTopic first;
    first.TopicID = 10;
    first.Title = "Welcome";
    first.ContextString = "scrv10";
    project.Topics.Add(first);
    TTopic second;
    second.TopicID = 20;
    second.Title = "Fish & <Chips>";
    second.ContextString = "scrv20";
    project.Topics.Add(second);
    return project;
}

}  // namespace

class TestReportBox : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

private slots:
    void defaults() {
        const Project project = TwoTopics();
        TReportBox box(project, nullptr);
        QCOMPARE(box.windowTitle(), QString("Project Report"));
        QCOMPARE(box.CheckList->Texts(),
                 QStringList({"Title", "ID", "Context String", "Keywords", "AKeywords", "Comment",
                              "Build Tag", "Window", "Browse Sequence", "Entry Macro"}));
        QCOMPARE(box.CheckList->CheckedTexts(), QStringList({"Title", "ID", "Context String"}));
        QVERIFY(box.HtmlType->isChecked());
        QVERIFY(!box.TextType->isChecked());
        QCOMPARE(box.TextType->text(), QString("Tab delimited plain text"));
        QVERIFY(box.labels->isChecked());
        QCOMPARE(box.labels->text(), QString("Include column labels"));
        QVERIFY(box.fname->isReadOnly());
        QVERIFY(box.fname->text().isEmpty());
        QVERIFY(!box.OKBtn->isEnabled());
        QVERIFY(box.OKBtn->isDefault());
    }

    void browseFillsTheNameWithTheTypesFilter() {
        const Project project = TwoTopics();
        TReportBox box(project, nullptr);
        int filter = -1;
        QString current = "unset";
        box.ChooseFile = [&](const QString& name, int index) {
            current = name;
            filter = index;
            return QString();
        };
        box.BrowseBtnClick();
        QCOMPARE(filter, 1);
        QCOMPARE(current, QString());
        QVERIFY(!box.OKBtn->isEnabled());

        box.TextType->setChecked(true);
        box.ChooseFile = [&](const QString& name, int index) {
            current = name;
            filter = index;
            return QString("/tmp/r.txt");
        };
        box.BrowseBtnClick();
        QCOMPARE(filter, 0);
        QCOMPARE(box.fname->text(), QString("/tmp/r.txt"));
        QVERIFY(box.OKBtn->isEnabled());
        box.BrowseBtnClick();
        QCOMPARE(current, QString("/tmp/r.txt"));
    }

    void okWritesTheHtmlTableWithEscapedValues() {
        const Project project = TwoTopics();
        TReportBox box(project, nullptr);
        const QString path = dir_.filePath("report.htm");
        box.ChooseFile = [&](const QString&, int) { return path; };
        box.BrowseBtnClick();
        box.accept();
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(ReadBytes(path),
                 QByteArray("<TABLE border=\"1\"><TR>\r\n<TH>Title</TH><TH>ID</TH>"
                            "<TH>Context String</TH>\r\n</TR><TR>\r\n<TD>Welcome</TD><TD>10</TD>"
                            "<TD>scrv10</TD>\r\n</TR><TR>\r\n<TD>Fish &amp; &lt;Chips&gt;</TD>"
                            "<TD>20</TD><TD>scrv20</TD>\r\n</TR></TABLE>"));
    }

    void draggingIdFirstReordersTheColumns() {
        const Project project = TwoTopics();
        TReportBox box(project, nullptr);
        box.CheckList->MoveItem(1, 0);
        QCOMPARE(box.CheckList->Texts().mid(0, 3), QStringList({"ID", "Title", "Context String"}));
        QCOMPARE(box.CheckList->currentRow(), 0);
        QVERIFY(box.CheckList->IsChecked(0));
        box.CheckList->SetChecked(2, false);
        box.TextType->setChecked(true);
        box.labels->setChecked(false);
        const QString path = dir_.filePath("report.txt");
        box.ChooseFile = [&](const QString&, int) { return path; };
        box.BrowseBtnClick();
        box.accept();
        QCOMPARE(ReadBytes(path), QByteArray("10\tWelcome\t\r\n20\tFish & <Chips>\t\r\n"));
    }

    void movingAnUncheckedItemKeepsItsTick() {
        const Project project = TwoTopics();
        TReportBox box(project, nullptr);
        box.CheckList->MoveItem(9, 0);
        QCOMPARE(box.CheckList->item(0)->text(), QString("Entry Macro"));
        QVERIFY(!box.CheckList->IsChecked(0));
        box.CheckList->MoveItem(3, 3);
        box.CheckList->MoveItem(3, 10);
        box.CheckList->MoveItem(-1, 2);
        QCOMPARE(box.CheckList->item(3)->text(), QString("Context String"));
        QCOMPARE(box.CheckList->count(), 10);
    }

    void noItemTicked() {
        const Project project = TwoTopics();
        TReportBox box(project, nullptr);
        for (int row = 0; row < box.CheckList->count(); ++row) {
            box.CheckList->SetChecked(row, false);
        }
        box.TextType->setChecked(true);
        const QString path = dir_.filePath("empty.txt");
        box.ChooseFile = [&](const QString&, int) { return path; };
        box.BrowseBtnClick();
        box.accept();
        QCOMPARE(ReadBytes(path), QByteArray("\r\n\r\n\r\n"));
    }

    void cancelWritesNothing() {
        const Project project = TwoTopics();
        TReportBox box(project, nullptr);
        const QString path = dir_.filePath("cancelled.htm");
        box.ChooseFile = [&](const QString&, int) { return path; };
        box.BrowseBtnClick();
        box.reject();
        QVERIFY(!QFile::exists(path));
    }

    void unwritableFileIsReported() {
        const Project project = TwoTopics();
        TReportBox box(project, nullptr);
        box.ChooseFile = [&](const QString&, int) { return dir_.filePath("no/folder/r.htm"); };
        box.BrowseBtnClick();
        const int shown = MessageBox::ShownCount();
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        box.accept();
        QCOMPARE(MessageBox::ShownCount(), shown + 1);
        QVERIFY(MessageBox::LastText().contains("r.htm"));
    }

    void actionOpensTheDialog() {
        const Project project = TwoTopics();
        QWidget window;
        QAction action(&window);
        ConnectReport(&window, project, {&action, nullptr});
        QString caption;
        QTimer::singleShot(0, [&caption] {
            if (auto* box = qobject_cast<TReportBox*>(QApplication::activeModalWidget())) {
                caption = box->windowTitle();
                box->reject();
            }
        });
        action.trigger();
        QCOMPARE(caption, QString("Project Report"));
    }

    void screenshot() {
        const QString dir = qEnvironmentVariable("SCRIVLET_SHOT_DIR");
        if (dir.isEmpty()) {
            QSKIP("SCRIVLET_SHOT_DIR not set");
        }
        const Project project = TwoTopics();
        TReportBox box(project, nullptr);
        box.CheckList->MoveItem(1, 0);
        box.fname->setText("/home/ann/manual/topics.htm");
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(box.grab().save(dir + "/report_dialog.png"));
    }
};

QTEST_MAIN(TestReportBox)
#include "tst_reportbox.moc"
