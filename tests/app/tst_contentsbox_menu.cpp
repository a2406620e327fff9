// The contents editor and the report opened from the main window's menus and
// toolbar, over the window's own project.
#include <QAction>
#include <QListWidget>
#include <QTest>

#include "app/contents/contents_box.h"
#include "app/contents/contents_lists.h"
#include "app/mainform/tmainform.h"
#include "app/report/check_list.h"
#include "app/report/report_box.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::OnNextModal;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;

class TestContentsMenu : public QObject {
    Q_OBJECT

private slots:
    void contentsEditorFromMenuAndToolbar() {
        SettingsSandbox sandbox;
        auto form = StartWindow();
        Project& project = form->GetProject();
        project.Topics[0].Title = "First topic";
        project.Topics[0].ContextString = "scrv_first";
        project.HelpTitle = "Menu Help";
        const bool modified = project.Modified();
        for (const char* name : {"ContentsEditor1", "ContentsBtn"}) {
            QAction* action = form->Action(name);
            QVERIFY2(action != nullptr, name);
            QStringList topics;
            QString title;
            OnNextModal([&](QWidget* modal) {
                auto* box = qobject_cast<TContentsBox*>(modal);
                QVERIFY(box != nullptr);
                for (int i = 0; i < box->TopicsList->count(); ++i) {
                    topics << box->TopicsList->item(i)->text();
                }
                title = QString::fromStdString(box->Contents().DefaultTitle);
                box->reject();
            });
            action->trigger();
            QCOMPARE(topics, QStringList({"First topic"}));
            QCOMPARE(title, QString("Menu Help"));
        }
        QCOMPARE(form->Action("ContentsEditor1")->shortcut(), QKeySequence("F6"));
        QCOMPARE(project.Modified(), modified);
    }

    void reportFromTheProjectMenu() {
        SettingsSandbox sandbox;
        auto form = StartWindow();
        QAction* action = form->Action("Report1");
        QVERIFY(action != nullptr);
        QStringList ticked;
        OnNextModal([&](QWidget* modal) {
            auto* box = qobject_cast<TReportBox*>(modal);
            QVERIFY(box != nullptr);
            ticked = box->CheckList->CheckedTexts();
            box->reject();
        });
        action->trigger();
        QCOMPARE(ticked, QStringList({"Title", "ID", "Context String"}));
    }
};

QTEST_MAIN(TestContentsMenu)
#include "tst_contentsbox_menu.moc"
