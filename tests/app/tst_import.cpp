// File > Import Help Project... and Import Help File...: the sources become
// a project file that the window opens, and the report is shown.
#include <QAction>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include "app/common/long_task.h"
#include "app/common/message_box.h"
#include "app/import/import_hookup.h"
#include "app/mainform/tmainform.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;

namespace {

// Triggers the action named NAME and waits until the import it started is over.
void ImportIn(TMainForm& form, const char* name) {
    QSignalSpy done(&form.LongWork(), &LongTask::finished);
    form.findChild<QAction*>(name)->trigger();
    QVERIFY(form.LongWork().Running());
    QVERIFY(!form.findChild<QAction*>(name)->isEnabled());
    QVERIFY(done.wait(20000));
    QVERIFY(form.findChild<QAction*>(name)->isEnabled());
    QCOMPARE(form.statusBar()->currentMessage(), QString());
}

}  // namespace

class ImportTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetImportFileDialog({}); }

    void importedProjectOpensAndTheReportShows() {
        const QString source = QStringLiteral(SCRIVLET_TEST_DATA) + "/import/full/project.hpj";
        const QString output = sandbox_.Path() + "/imported";
        QStringList asked;
        SetImportFileDialog([&](const QString& title, const QString& filter, bool save) {
            asked << title + "|" + filter + "|" + (save ? "save" : "open");
            return save ? output : source;
        });
        auto form = StartWindow();
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        ImportIn(*form, "FileImportProject");
        QCOMPARE(asked, QStringList({"Import Help Project|Help Projects (*.hpj)|open",
                                     "Save Imported Project As|Scrivlet Projects (*.scw)|save"}));
        QCOMPARE(MessageBox::LastText(),
                 QString("4 topics, 9 links, 2 pictures imported\n"
                         "Topic \"Welcome\": the hotspot target \"!JI(`other.hlp>main',`x')\" "
                         "(kept as hidden text, not as a link code)"));
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{4});
        QCOMPARE(form->windowTitle(), QString("imported.scw - Scrivlet"));
    }

    void badSourceShowsTheErrorAndOpensNothing() {
        const QString source = QStringLiteral(SCRIVLET_TEST_DATA) + "/import/broken/damaged.hlp";
        const QString output = sandbox_.Path() + "/never.scw";
        QString filters;
        SetImportFileDialog([&](const QString&, const QString& filter, bool save) {
            filters += filter + ";";
            return save ? output : source;
        });
        auto form = StartWindow();
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        ImportIn(*form, "FileImportHelpFile");
        QCOMPARE(MessageBox::LastText(),
                 "cannot import " + source +
                     ": This is not a Windows help file: it does not begin as one does.");
        QCOMPARE(filters, QString("Help Files (*.hlp);Scrivlet Projects (*.scw);"));
        QCOMPARE(ImportingText(source), QString("Importing damaged.hlp..."));
        QVERIFY(!QFile::exists(output));
    }

private:
    SettingsSandbox sandbox_;
};

QTEST_MAIN(ImportTest)
#include "tst_import.moc"
