// Project > Publish as HTML... in the main window.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/common/message_box.h"
#include "app/mainform/main_menus.h"
#include "app/mainform/tmainform.h"
#include "app/publish/publish_controller.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;

namespace {

QString SampleProject() {
    return QDir::cleanPath(QStringLiteral(SCRIVLET_TEST_DATA "/../../examples/manual/manual.scw"));
}

}  // namespace

class TestPublish : public QObject {
    Q_OBJECT

private:
    // The window on the sample project, its publish action and controller
    // with the folder chooser and browser replaced.
    struct Window {
        std::unique_ptr<TMainForm> form;
        QAction* action = nullptr;
        PublishController* controller = nullptr;
        QString offered;
        QList<QUrl> opened;
    };

    std::unique_ptr<Window> Open(const QString& folder) {
        auto window = std::make_unique<Window>();
        window->form = StartWindow(SampleProject());
        window->action = window->form->findChild<QAction*>(QStringLiteral("PublishHtml1"));
        window->controller = window->form->findChild<PublishController*>();
        Window* w = window.get();
        w->controller->chooseFolder = [w, folder](const QString& start) {
            w->offered = start;
            return folder;
        };
        w->controller->openUrl = [w](const QUrl& url) { w->opened << url; };
        return window;
    }

    SettingsSandbox sandbox_;

private slots:
    void menuItemFollowsReport() {
        auto window = Open({});
        QVERIFY(window->action != nullptr);
        const QList<QAction*> items = window->form->Menus().project->actions();
        const qsizetype report = items.indexOf(window->form->Action(QStringLiteral("Report1")));
        QCOMPARE(items.value(report + 1), window->action);
        QCOMPARE(window->action->text(), QStringLiteral("Publish as &HTML..."));
    }

    void publishesLogsAndOpensTheSite() {
        QTemporaryDir out;
        const QString folder = out.filePath(QStringLiteral("site"));
        auto window = Open(folder);
        QSignalSpy done(window->controller, &PublishController::finished);
        window->action->trigger();
        QVERIFY(done.wait(60000));
        const QString report = done.at(0).at(0).toString();
        QVERIFY2(report.endsWith(QStringLiteral(" broken")), qPrintable(report));
        QCOMPARE(window->offered,
                 QFileInfo(SampleProject()).absolutePath() + QStringLiteral("/html"));
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/index.html")));
        QVERIFY(QFileInfo::exists(folder + QStringLiteral("/welcome.html")));
        QCOMPARE(window->opened,
                 QList<QUrl>{QUrl::fromLocalFile(folder + QStringLiteral("/index.html"))});
        QCOMPARE(window->form->LogLines().last(),
                 QStringLiteral("Published as HTML in %1: %2")
                     .arg(QDir::toNativeSeparators(folder), report));
        QVERIFY(!window->controller->Busy());
    }

    void askedBeforeWritingIntoAFolderWithFiles() {
        QTemporaryDir out;
        QFile keep(out.filePath(QStringLiteral("keep.txt")));
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.close();
        auto window = Open(out.path());
        MessageBox::SetNextAnswer(QMessageBox::No);
        window->action->trigger();
        QCOMPARE(MessageBox::LastText(),
                 QStringLiteral("The folder %1 is not empty. Write the web site into it anyway?")
                     .arg(QDir::toNativeSeparators(out.path())));
        QVERIFY(!window->controller->Busy());
        QVERIFY(!QFileInfo::exists(out.filePath(QStringLiteral("index.html"))));
        QVERIFY(window->opened.isEmpty());
    }

    void cancellingTheFolderChooserDoesNothing() {
        auto window = Open(QString());
        window->action->trigger();
        QVERIFY(!window->controller->Busy());
        QVERIFY(window->opened.isEmpty());
    }

    void aProjectWithoutTextGivesOneClearMessage() {
        QTemporaryDir out;
        auto window = Open(out.filePath(QStringLiteral("site")));
        window->form->GetProject().Topics.Clear();
        QSignalSpy done(window->controller, &PublishController::finished);
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        const int shown = MessageBox::ShownCount();
        window->controller->PublishTo(out.filePath(QStringLiteral("site")));
        QVERIFY(done.wait(20000));
        QCOMPARE(done.at(0).at(0).toString(), QString());
        QCOMPARE(MessageBox::ShownCount(), shown + 1);
        QCOMPARE(MessageBox::LastText(),
                 QStringLiteral("The project could not be published: "
                                "the project has no topic text to publish"));
        QVERIFY(window->opened.isEmpty());
    }
};

QTEST_MAIN(TestPublish)
#include "tst_publish.moc"
