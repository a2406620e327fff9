// The options dialog, its tool list and what reaches the preferences.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include "app/common/message_box.h"
#include "app/mainform/tmainform.h"
#include "app/options/color_list.h"
#include "app/options/options_command.h"
#include "app/options/toptionsbox.h"
#include "app/options/up_down.h"
#include "app/topics/topic_grid_view.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::OnNextModal;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;

namespace {

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* item : menu->actions()) {
        texts << (item->isSeparator() ? QString("-") : item->text());
    }
    return texts;
}

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        sandbox_.Clear();
        MessageBox::SetNextAnswer(QMessageBox::NoButton);  // drop a stale answer
        MessageBox::Error(nullptr, QString());
    }

    void pagesAndControlsFromThePreferences() {
        auto form = StartWindow();
        form->Prefs().Compiler = "/opt/hc/hcrtf";
        form->Prefs().InsColor = 12;
        form->Prefs().IDinc = 5;
        form->Prefs().IDcount = 1;
        form->Prefs().IDask = true;
        form->Prefs().DelWarn = false;
        form->Tools() = {"Notepad|notepad", "gimp"};
        TOptionsBox box(CurrentOptions(*form));
        QCOMPARE(box.windowTitle(), QString("Options"));
        QCOMPARE(box.Pages()->count(), 3);
        QCOMPARE(box.Pages()->tabText(0), QString("General"));
        QCOMPARE(box.Pages()->tabText(1), QString("Tools"));
        QCOMPARE(box.Pages()->tabText(2), QString("Grid"));
        QCOMPARE(box.CompilerEdit()->text(), QString("/opt/hc/hcrtf"));
        QCOMPARE(box.InsColorList()->currentRow(), 12);
        QCOMPARE(box.InsColorList()->item(12)->text(), QString("Blue"));
        QCOMPARE(box.InsColorList()->count(), 16);
        QVERIFY(!box.Warn()->isChecked());
        QCOMPARE(box.Choose()->currentIndex(), 1);
        QCOMPARE(box.Choose()->itemText(0), QString("Adding to the ID of the last topic"));
        QVERIFY(box.Ask()->isChecked());
        QCOMPARE(box.IncUpDown()->Position(), 5);
        QCOMPARE(box.ToolList()->count(), 2);
        QCOMPARE(box.ToolList()->item(0)->text(), QString("Notepad"));
        QCOMPARE(box.ToolList()->item(1)->text(), QString("gimp"));
        QCOMPARE(box.Col1()->text(),
                 QString::number(form->TopicGrid()->columnWidth(0)));
    }

    void upDownsStayInTheirRanges() {
        auto form = StartWindow();
        TOptionsBox box(CurrentOptions(*form));
        auto* inc = box.findChild<QLineEdit*>("inc");
        QVERIFY(inc->isReadOnly());
        box.IncUpDown()->SetPosition(300);
        QCOMPARE(inc->text(), QString("255"));
        box.IncUpDown()->SetPosition(0);
        QCOMPARE(inc->text(), QString("1"));
        box.GridFontSize()->SetPosition(40);
        QCOMPARE(box.findChild<QLineEdit*>("gfsize")->text(), QString("28"));
        QCOMPARE(box.Sample()->font().pointSize(), 28);
    }

    void toolListEditing() {
        auto form = StartWindow();
        form->Tools() = {"A|a", "B|b", "C|c"};
        TOptionsBox box(CurrentOptions(*form));
        box.ToolList()->setCurrentRow(2);
        box.DeleteTool();
        QCOMPARE(box.ToolList()->count(), 2);
        QCOMPARE(box.ToolList()->currentRow(), 1);  // the last of three: the second is chosen
        box.SetToolDialog([](QString& title, QString& fileName) {
            title = "&Edit it";
            fileName = "/usr/bin/editor";
            return true;
        });
        box.AddTool();
        QCOMPARE(box.Tools().Entries().back(), std::string("&Edit it|/usr/bin/editor"));
        QCOMPARE(box.ToolList()->currentRow(), 2);
        box.MoveToolUp();
        QCOMPARE(box.Tools().Entries()[1], std::string("&Edit it|/usr/bin/editor"));
        QCOMPARE(box.ToolList()->currentRow(), 1);
        // A cancelled tool dialog changes nothing.
        box.SetToolDialog([](QString&, QString&) { return false; });
        box.EditTool();
        QCOMPARE(box.Tools().Entries()[1], std::string("&Edit it|/usr/bin/editor"));
    }

    void okAppliesInOrderAndBuildsTheToolsMenu() {
        auto form = StartWindow();
        OptionsValues values = CurrentOptions(*form);
        values.compiler = "/x/hcrtf";
        values.insColor = 2;
        values.idInc = 7;
        values.col0Text = "45";
        values.tools = {"Notepad|notepad", "gimp", "&Paint|mspaint"};
        QVERIFY(ApplyOptions(*form, values));
        QCOMPARE(form->Prefs().Compiler, std::string("/x/hcrtf"));
        QCOMPARE(int(form->Prefs().InsColor), 2);
        QCOMPARE(int(form->Prefs().IDinc), 7);
        QCOMPARE(form->TopicGrid()->columnWidth(0), 45);
        QVERIFY(form->OptionsConfirmed());
        const QStringList items = MenuTexts(form->Menus().tools);
        QCOMPARE(items.mid(8), QStringList({"&Contents Editor...", "-", "Notepad", "gimp",
                                            "&Paint"}));
    }

    void emptyToolListEndsWithTheContentsEditor() {
        auto form = StartWindow();
        OptionsValues values = CurrentOptions(*form);
        values.tools = {};
        QVERIFY(ApplyOptions(*form, values));
        QCOMPARE(MenuTexts(form->Menus().tools).last(), QString("&Contents Editor..."));
    }

    void badColumnWidthStopsAfterTheGridFont() {
        auto form = StartWindow();
        form->Tools() = {"Old|old"};
        const int width = form->TopicGrid()->columnWidth(0);
        OptionsValues values = CurrentOptions(*form);
        values.compiler = "/new/hcrtf";
        values.gridFontSize = 14;
        values.col0Text = "4x";
        values.tools = {"New|new"};
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        QVERIFY(!ApplyOptions(*form, values));
        QCOMPARE(MessageBox::LastText(), QString("'4x' is not a valid integer value."));
        QCOMPARE(form->Prefs().Compiler, std::string("/new/hcrtf"));  // step 1 stays
        QCOMPARE(form->TopicGrid()->font().pointSize(), 14);         // step 2 stays
        QCOMPARE(form->TopicGrid()->columnWidth(0), width);
        QCOMPARE(form->Tools(), std::vector<std::string>({"Old|old"}));
        QVERIFY(!form->OptionsConfirmed());
    }

    void cancelKeepsStoredOptionsAtExit() {
        sandbox_.SetValue("Settings/Compiler", "/first/hcrtf");
        sandbox_.SetValue("Tools/F0", "Kept|kept");
        {
            auto form = StartWindow();
            QCOMPARE(form->Prefs().Compiler, std::string("/first/hcrtf"));
            OnNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
            form->Action("Options2")->trigger();
            // Changed outside the program meanwhile.
            sandbox_.SetValue("Settings/Compiler", "/outside/hcrtf");
            sandbox_.SetValue("Tools/F0", "Outside|x");
            form->SavePreferences();
        }
        QCOMPARE(sandbox_.Value("Settings/Compiler"), QString("/outside/hcrtf"));
        QCOMPARE(sandbox_.Value("Tools/F0"), QString("Outside|x"));
    }

    void okWritesOptionsAtExit() {
        auto form = StartWindow();
        OnNextModal([](QWidget* modal) {
            auto* box = qobject_cast<TOptionsBox*>(modal);
            box->CompilerEdit()->setText("/mine/hcrtf");
            box->SetToolDialog([](QString& title, QString& fileName) {
                title = "Edit";
                fileName = "ed";
                return true;
            });
            box->AddTool();
            box->accept();
        });
        form->Action("Options2")->trigger();
        form->SavePreferences();
        QCOMPARE(sandbox_.Value("Settings/Compiler"), QString("/mine/hcrtf"));
        QCOMPARE(sandbox_.Value("Tools/F0"), QString("Edit|ed"));
    }

private:
    SettingsSandbox sandbox_;
};

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
