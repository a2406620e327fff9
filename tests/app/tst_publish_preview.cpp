// View > Preview: the current topic as the web page shows it, as it is typed.
#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>

#include "app/editor/tsrichedit.h"
#include "app/mainform/tmainform.h"
#include "app/publish/preview_pane.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;

class TestPublishPreview : public QObject {
    Q_OBJECT

    SettingsSandbox sandbox_;

private slots:
    void showsTheTopicAsTypedWithoutStoringIt() {
        auto form = StartWindow(QDir::cleanPath(
            QStringLiteral(SCRIVLET_TEST_DATA "/../../examples/manual/manual.scw")));
        form->show();
        QAction* toggle = form->findChild<QAction*>(QStringLiteral("PreviewPane1"));
        QVERIFY(toggle != nullptr);
        QCOMPARE(toggle->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
        auto* dock = form->findChild<QDockWidget*>(QStringLiteral("PreviewDock"));
        auto* browser = form->findChild<QTextBrowser*>(QStringLiteral("PreviewBrowser"));
        QVERIFY(dock != nullptr && browser != nullptr);
        QVERIFY(!dock->isVisible());

        toggle->trigger();
        QVERIFY(dock->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(
            browser->toPlainText().contains(QStringLiteral("Welcome to Scrivlet")), 10000);

        const std::vector<std::string> stored = form->GetProject().Topics[0].Text;
        QTextCursor cursor(form->RichEdit1()->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QStringLiteral(" Zanzibar"));
        QTRY_VERIFY_WITH_TIMEOUT(browser->toPlainText().contains(QStringLiteral("Zanzibar")),
                                 10000);
        QCOMPARE(form->GetProject().Topics[0].Text, stored);
        // With SCRIVLET_GUI_SHOTS set, the window with its preview is saved there.
        if (const QString shots = qEnvironmentVariable("SCRIVLET_GUI_SHOTS"); !shots.isEmpty()) {
            form->resize(1280, 860);
            QTest::qWait(200);
            form->grab().save(shots + QStringLiteral("/preview.png"));
        }

        toggle->trigger();
        QVERIFY(!dock->isVisible());
    }
};

QTEST_MAIN(TestPublishPreview)
#include "tst_publish_preview.moc"
