// Start-up, layout, menus and preferences of the main window.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

#include "app/application.h"
#include "app/common/message_box.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/about_box.h"
#include "app/mainform/splash_window.h"
#include "app/mainform/tmainform.h"
#include "app/topics/property_grid.h"
#include "app/topics/topic_grid_view.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;

class MainFormStartTest : public QObject {
    Q_OBJECT

private slots:
    void init() { sandbox_.Clear(); }

    void firstStartWithEmptySettings() {
        auto form = StartWindow();
        QCOMPARE(form->pos(), QPoint(5, 5));
        QCOMPARE(form->size(), QSize(561, 390));
        QCOMPARE(form->minimumSize(), QSize(340, 200));
        QCOMPARE(form->windowTitle(), QString("Untitled - Scrivlet"));
        const Project& project = form->GetProject();
        QCOMPARE(project.Topics.Count(), std::size_t{1});
        QCOMPARE(project.Topics[0].TopicID, 10);
        QCOMPARE(project.Topics[0].ContextString.str(), std::string("scrv10"));
        QCOMPARE(project.Topics[0].Title.str(), std::string("[new topic]"));
        QCOMPARE(project.ConfigMacros, std::vector<std::string>{"BrowseButtons()"});
        QVERIFY(project.Compress);
        QVERIFY(project.ShowErrorLog);
        QVERIFY(project.ShowHelpAfterCompile);
        QVERIFY(!project.Modified());
        QVERIFY(project.IsUntitled());
        QCOMPARE(project.CurrentTopic, 0);
        QVERIFY(!form->Action("SaveBtn")->isEnabled());
        QVERIFY(form->Action("FileSave")->isEnabled());
        QVERIFY(form->Action("ViewStatusBar")->isChecked());
        QVERIFY(form->Action("ViewRuler")->isChecked());
        QVERIFY(!form->statusBar()->isHidden());
        QVERIFY(!form->Ruler()->isHidden());
        QCOMPARE(form->StatusPanel(0)->text(), QString("0: 0"));
        QCOMPARE(form->StatusPanel(1)->text(), QString("Editing"));
        QCOMPARE(form->StatusPanel(2)->text(), QString("Scrivlet"));
        QCOMPARE(form->TopicGrid()->columnWidth(0), 30);
        QCOMPARE(form->TopicGrid()->columnWidth(1), 95);
        QCOMPARE(form->TopicGrid()->columnWidth(2), 75);
        QCOMPARE(form->GrabLeft(), 107);
        QCOMPARE(form->Splitter()->handleWidth(), 3);
        QCOMPARE(form->Notebook()->count(), 2);
        QCOMPARE(form->Notebook()->tabText(0), QString("Text"));
        QCOMPARE(form->Notebook()->tabText(1), QString("Prop"));
        QCOMPARE(form->PropGrid()->Value(3), QString("scrv10"));
    }

    void menusHaveTheirCaptionsAndShortcuts() {
        auto form = StartWindow();
        QStringList menus;
        for (QAction* menu : form->menuBar()->actions()) {
            menus << menu->text();
        }
        QCOMPARE(menus, QStringList({"&File", "&Edit", "Te&xt", "T&ools", "&Project", "&Topic",
                                     "&View", "&Help"}));
        const struct {
            const char* name;
            const char* caption;
            const char* keys;
        } items[] = {
            {"FileNew", "&New", "Ctrl+N"},
            {"FileOpen", "&Open...", "Ctrl+O"},
            {"FileSave", "&Save", "Ctrl+S"},
            {"FileSaveAs", "Save &As...", ""},
            {"FileExit", "E&xit", "Ctrl+Q"},
            {"EditFind", "&Find...", "Ctrl+Shift+F"},
            {"EditFindNext", "Find &Next", "F3"},
            {"EditReplace", "R&eplace && Find Next", "F4"},
            {"TextFont", "&Font...", "Ctrl+F"},
            {"TextStrike", "&Strike Through", "Ctrl+Shift+S"},
            {"TextBullet", "Bu&llet", "Ctrl+Shift+B"},
            {"ToolsLink", "&Link...", "Ctrl+L"},
            {"ToolsImage", "&Image...", "Ctrl+G"},
            {"ToolsKeepn", "&Keepn", "Ctrl+K"},
            {"Spell1", "&Spell Check...", "F7"},
            {"Thesaurus1", "&Thesaurus...", "F8"},
            {"ContentsEditor1", "&Contents Editor...", "F6"},
            {"Compile1", "&Compile", "F9"},
            {"ShowHelpFile1", "&Show Help File", "Ctrl+F9"},
            {"Windows1", "&Windows...", "Ctrl+W"},
            {"Options1", "&Options...", "Ctrl+P"},
            {"Report1", "&Report...", ""},
            {"TopicAdd", "&Add", "Ctrl+="},
            {"TopicRemove", "&Remove", "Ctrl+-"},
            {"SortById", "by Topic &ID", "Ctrl+1"},
            {"SortByTitle", "by &Title", "Ctrl+2"},
            {"TopicProperties", "&Properties", "Ctrl+T"},
            {"ErrorLog1", "&Error Log", "F12"},
            {"Options2", "&Options...", ""},
            {"HelpTopics", "&Help Topics", ""},
            {"HelpAbout", "&About...", ""},
        };
        for (const auto& item : items) {
            QAction* action = form->Action(item.name);
            QVERIFY2(action, item.name);
            QCOMPARE(action->text(), QString(item.caption));
            QCOMPARE(action->shortcut(), QKeySequence(QString(item.keys)));
        }
        QCOMPARE(form->Action("Compile1")->statusTip(), QString("Compile current project"));
        QCOMPARE(form->Action("ViewHelpTbar")->statusTip(),
                 QString("Hide or show help tools toolbar"));
        // The Tools menu keeps nine fixed items before the external tools.
        QCOMPARE(form->Menus().tools->actions().size(), 9);
        QStringList popup;
        for (QAction* action : form->GridPopup()->actions()) {
            popup << (action->isSeparator() ? QString("-") : action->text());
        }
        QCOMPARE(popup, QStringList({"&Open", "-", "&Delete", "&Add", "-", "&Link", "Pop&up Link",
                                     "&Special Link...", "-", "&Properties..."}));
    }

    void eightToolbarsWithTheirButtons() {
        auto form = StartWindow();
        QStringList names;
        for (QToolBar* bar : form->Toolbars().all) {
            names << bar->objectName() + ":" + bar->windowTitle();
        }
        QCOMPARE(names, QStringList({"MainTbar:Main", "ProjectTbar:Project", "StyleTbar:Style",
                                     "TextTbar:Text", "FontTbar:Font", "HelpTbar:Help Tools",
                                     "TopicTbar:Topic", "NavTbar:Navigation"}));
        auto hints = [&](const char* bar) {
            QStringList out;
            for (QToolBar* t : form->Toolbars().all) {
                if (t->objectName() == bar) {
                    for (QAction* a : t->actions()) {
                        out << a->toolTip();
                    }
                }
            }
            return out;
        };
        QCOMPARE(hints("MainTbar"), QStringList({"Save", "New", "Find", "Spell Check", "Open"}));
        QCOMPARE(hints("ProjectTbar"), QStringList({"Show Help File", "Windows", "Contents Editor",
                                                    "Project Options", "Compile"}));
        QCOMPARE(hints("HelpTbar"), QStringList({"Keepn", "Link", "Anchor", "Image", "Button"}));
        QCOMPARE(hints("TopicTbar"),
                 QStringList({"Topic Properties", "Add Topic", "Remove Topic"}));
        QCOMPARE(hints("TextTbar"), QStringList({"Undo", "Copy", "Cut", "Paste"}));
        QCOMPARE(hints("NavTbar"), QStringList({"First", "Previous", "Next", "Last"}));
        QCOMPARE(hints("StyleTbar"), QStringList({"Bold", "Italic", "Underline", "Strike", "Left",
                                                  "Center", "Right", "Bullets"}));
        QCOMPARE(form->Toolbars().fontSize->count(), 16);
        QCOMPARE(form->Toolbars().fontSize->itemText(15), QString("72"));
        QCOMPARE(form->Toolbars().color->count(), 16);
        QVERIFY(form->Toolbars().fontName->count() > 0);
    }

    void preferencesAreReadWithHexAndModulo() {
        sandbox_.SetValue("Settings/Top", "0x20");
        sandbox_.SetValue("Settings/Left", "40");
        sandbox_.SetValue("Settings/Width", "600");
        sandbox_.SetValue("Settings/Height", "bad");
        sandbox_.SetValue("Settings/GrabLeft", "150");
        sandbox_.SetValue("Settings/Col1", "120");
        sandbox_.SetValue("Settings/Status", "0");
        sandbox_.SetValue("Settings/Ruler", "0");
        sandbox_.SetValue("Settings/IDinc", "261");  // 261 mod 256 = 5
        sandbox_.SetValue("Settings/DelWarn", "0");
        auto form = StartWindow();
        QCOMPARE(form->pos(), QPoint(40, 32));
        QCOMPARE(form->size(), QSize(600, 390));
        QCOMPARE(form->GrabLeft(), 150);
        QCOMPARE(form->TopicGrid()->columnWidth(1), 120);
        QVERIFY(form->statusBar()->isHidden());
        QVERIFY(!form->Action("ViewStatusBar")->isChecked());
        QVERIFY(form->Ruler()->isHidden());
        QCOMPARE(form->Prefs().IDinc, uint8_t{5});
        QVERIFY(!form->Prefs().DelWarn);
        QCOMPARE(form->GetProject().Topics[0].TopicID, 5);  // the new topic used IDinc
    }

    void exitWritesOnlyWhatItMay() {
        {
            auto form = StartWindow();
            form->move(20, 30);
            form->resize(500, 300);
            QVERIFY(form->close());
        }
        QCOMPARE(sandbox_.Value("Settings/Top"), QString("30"));
        QCOMPARE(sandbox_.Value("Settings/Left"), QString("20"));
        QCOMPARE(sandbox_.Value("Settings/Width"), QString("500"));
        QCOMPARE(sandbox_.Value("Settings/Height"), QString("300"));
        QCOMPARE(sandbox_.Value("Settings/WindowState"), QString("Normal"));
        QCOMPARE(sandbox_.Value("Settings/GrabLeft"), QString("107"));
        QCOMPARE(sandbox_.Value("Settings/Col1"), QString("95"));
        QCOMPARE(sandbox_.Value("Settings/Col2"), QString("75"));
        QCOMPARE(sandbox_.Value("Settings/Status"), QString("1"));
        QCOMPARE(sandbox_.Value("Settings/Ruler"), QString("1"));
        for (const char* key : {"Col0", "gfont", "gsize", "Compiler", "InsColor", "DelWarn",
                                "IDcount", "IDinc", "IDask"}) {
            QVERIFY2(!sandbox_.Contains(QString("Settings/") + key), key);
        }
        QVERIFY(!sandbox_.Contains("Tools/F0"));

        {
            auto form = StartWindow();
            form->Prefs().gfont = "DejaVu Sans";
            form->Prefs().gsize = 10;
            form->Prefs().IDask = true;
            form->Tools() = {"Editor|/usr/bin/true"};
            form->SetOptionsConfirmed();
            QVERIFY(form->close());
        }
        QCOMPARE(sandbox_.Value("Settings/gfont"), QString("DejaVu Sans"));
        QCOMPARE(sandbox_.Value("Settings/gsize"), QString("10"));
        QCOMPARE(sandbox_.Value("Settings/IDask"), QString("1"));
        QCOMPARE(sandbox_.Value("Settings/Col0"), QString("30"));
        QCOMPARE(sandbox_.Value("Settings/InsColor"), QString("9"));
        QCOMPARE(sandbox_.Value("Tools/F0"), QString("Editor|/usr/bin/true"));
    }

    void exitWhileMaximizedKeepsTheStoredBounds() {
        sandbox_.SetValue("Settings/Top", "77");
        {
            auto form = StartWindow();
            form->setWindowState(Qt::WindowMaximized);
            QVERIFY(form->isMaximized());
            QVERIFY(form->close());
        }
        QCOMPARE(sandbox_.Value("Settings/WindowState"), QString("Maximized"));
        QCOMPARE(sandbox_.Value("Settings/Top"), QString("77"));
        QVERIFY(!sandbox_.Contains("Settings/Width"));
        sandbox_.SetValue("Settings/WindowState", "Maximized");
        auto form = StartWindow();
        QVERIFY(form->windowState() & Qt::WindowMaximized);
    }

    void toolbarLayoutIsKeptPerToolbar() {
        {
            auto form = StartWindow();
            form->show();
            QVERIFY(QTest::qWaitForWindowExposed(form.get()));
            form->Action("ViewStyleTbar")->trigger();
            QVERIFY(!form->Action("ViewStyleTbar")->isChecked());
            QVERIFY(form->close());
        }
        QCOMPARE(sandbox_.Value("Toolbars/StyleTbar/Visible"), QString("0"));
        QCOMPARE(sandbox_.Value("Toolbars/MainTbar/Visible"), QString("1"));
        QCOMPARE(sandbox_.Value("Toolbars/MainTbar/DockedTo"), QString("Top"));
        QCOMPARE(sandbox_.Value("Toolbars/MainTbar/DockRow"), QString("0"));
        QCOMPARE(sandbox_.Value("Toolbars/FontTbar/DockRow"), QString("2"));
        for (const char* key :
             {"DockPos", "FloatLeft", "FloatTop", "FloatRight", "FloatBottom", "FloatRightX"}) {
            QVERIFY2(sandbox_.Contains(QString("Toolbars/NavTbar/") + key), key);
        }
        sandbox_.SetValue("Toolbars/NavTbar/DockedTo", "Bottom");
        auto form = StartWindow();
        QToolBar* style = form->findChild<QToolBar*>("StyleTbar");
        QToolBar* nav = form->findChild<QToolBar*>("NavTbar");
        QVERIFY(style->isHidden());
        QVERIFY(!form->Action("ViewStyleTbar")->isChecked());
        QCOMPARE(form->toolBarArea(nav), Qt::BottomToolBarArea);
    }

    void toolsMenuFromSettings() {
        sandbox_.SetValue("Tools/F0", "Notes|/tmp/notes.txt");
        sandbox_.SetValue("Tools/F1", "");
        sandbox_.SetValue("Tools/F2", "plain");
        auto form = StartWindow();
        const QList<QAction*> items = form->Menus().tools->actions();
        QCOMPARE(items.size(), 12);
        QVERIFY(items[9]->isSeparator());
        QCOMPARE(items[10]->text(), QString("Notes"));
        QCOMPARE(items[11]->text(), QString("plain"));
        form->Tools().clear();
        form->BuildToolsMenu();
        QCOMPARE(form->Menus().tools->actions().size(), 9);
    }

    void startArgumentThatDoesNotExist() {
        auto form = StartWindow(sandbox_.Path() + "/missing.scw");
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{0});
        QCOMPARE(form->windowTitle(), QString("Untitled - Scrivlet"));
        QVERIFY(form->GetProject().IsUntitled());
        // Navigation and deletion have nothing to act on and must not fail.
        form->Action("NextBtn")->trigger();
        form->Action("RemoveBtn")->trigger();
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{0});
    }

    void hintsGoToThirdPanel() {
        auto form = StartWindow();
        QStatusTipEvent tip("Compile current project");
        QApplication::sendEvent(form.get(), &tip);
        QCOMPARE(form->StatusPanel(2)->text(), QString("Compile current project"));
        QCOMPARE(form->RichEdit1()->statusTip(), QString("[new topic]"));
    }

    void propertiesToggleFollowsPage() {
        auto form = StartWindow();
        form->Action("TopicProperties")->trigger();
        QCOMPARE(form->Notebook()->currentIndex(), 1);
        QVERIFY(form->Action("PropBtn")->isChecked());
        QCOMPARE(form->Action("TopicProperties")->text(), QString("&Text"));
        form->Action("PropBtn")->trigger();
        QCOMPARE(form->Notebook()->currentIndex(), 0);
        QCOMPARE(form->Action("TopicProperties")->text(), QString("&Properties"));
        form->Notebook()->setCurrentIndex(1);
        QVERIFY(form->Action("PropBtn")->isChecked());
    }

    void noDisplayIsRefusedPlainly() {
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        const QByteArray display = qgetenv("DISPLAY");
        const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
        qunsetenv("QT_QPA_PLATFORM");
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        char name[] = "scrivlet";
        char* argv[] = {name, nullptr};
        const int status = RunApplication(1, argv);
        qputenv("QT_QPA_PLATFORM", platform);
        if (!display.isEmpty()) {
            qputenv("DISPLAY", display);
        }
        if (!wayland.isEmpty()) {
            qputenv("WAYLAND_DISPLAY", wayland);
        }
        QCOMPARE(status, 1);
    }

    void startArgumentIsTakenInItsLongForm() {
        const QString folder = sandbox_.Path() + "/projects";
        QVERIFY(QDir().mkpath(folder + "/sub"));
        QFile file(folder + "/start.scw");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[PROJECT]\r\n12\r\n[TOPICS]\r\nC=5\r\nT=Start\r\n~\r\n");
        file.close();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder + "/sub");
        auto form = StartWindow("../start.scw");
        QDir::setCurrent(previous);
        QCOMPARE(QString::fromStdString(form->GetProject().ProjectFileName),
                 QFileInfo(folder + "/start.scw").canonicalFilePath());
        QCOMPARE(form->windowTitle(), QString("start.scw - Scrivlet"));
        QCOMPARE(form->GetProject().Topics.Count(), std::size_t{1});  // no New before it
        QCOMPARE(form->GetProject().Topics[0].TopicID, 5);
        QVERIFY(!form->GetProject().Modified());
    }

    void toolbarDockMenuListsTheEightToolbars() {
        auto form = StartWindow();
        std::unique_ptr<QMenu> menu(form->createPopupMenu());
        QStringList captions;
        for (QAction* item : menu->actions()) {
            captions << item->text();
        }
        QCOMPARE(captions, QStringList({"&Main", "&Project", "&Style", "&Text", "&Font",
                                        "&Help Tools", "T&opic", "&Navigation"}));
    }

    void editorTextIsLimitedAfterTheFirstShow() {
        auto form = StartWindow();
        TSRichEdit* editor = form->RichEdit1();
        QCOMPARE(editor->TextLimit(), 200000);
        editor->SetTextLimit(5);
        QTest::keyClicks(editor, "abcdefg");
        QCOMPARE(editor->toPlainText(), QString("abcde"));
        editor->selectAll();
        QTest::keyClicks(editor, "xy");  // typing over the selection is allowed
        QCOMPARE(editor->toPlainText(), QString("xy"));
        QApplication::clipboard()->setText("1234567");
        editor->paste();
        QCOMPARE(editor->toPlainText(), QString("xy123"));
        QTest::keyClick(editor, Qt::Key_Backspace);
        QCOMPARE(editor->toPlainText(), QString("xy12"));
    }

    void splashWindow() {
        SplashWindow splash;
        QCOMPARE(splash.windowTitle(), QString("Welcome..."));
        QCOMPARE(splash.size(), QSize(313, 177));
        QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.Status(), QString("initializing...."));
        splash.SetStatus("loading preferences....");
        QCOMPARE(splash.Status(), QString("loading preferences...."));
    }

    void aboutBoxSaysWhatItIs() {
        auto form = StartWindow();
        QVERIFY(form->AboutBox());
        QCOMPARE(form->AboutBox()->findChild<QLabel*>("Comments")->text(),
                 QString("32-bit Help file editor for Windows 95."));
        QVERIFY(
            form->AboutBox()->findChild<QLabel*>("Version")->text().contains(SCRIVLET_APP_VERSION));
    }

private:
    SettingsSandbox sandbox_;
};

QTEST_MAIN(MainFormStartTest)
#include "tst_mainform_start.moc"
