#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/common/message_box.h"
#include "app/windows/buttons_box.h"
#include "app/windows/color_panel.h"
#include "app/windows/project_settings_commands.h"
#include "app/windows/sizer_box.h"
#include "app/windows/window_box.h"
#include "core/model/project.h"
#include "core/windows/sizer.h"

using namespace scrivlet;
using namespace scrivlet::app;

namespace {

const std::string kMainStored = "main=\"\",,0,(r16777215),(r16777215),0";

// Runs ACTION on the next modal dialog of type T once it is shown.
template <typename T>
void WhenModal(std::function<void(T*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start();
}

QLineEdit* Edit(QWidget* box, const char* name) {
    return box->findChild<QLineEdit*>(QString::fromLatin1(name));
}

QPushButton* Button(QWidget* box, const char* name) {
    return box->findChild<QPushButton*>(QString::fromLatin1(name));
}

QListWidget* List(QWidget* box) {
    return box->findChild<QListWidget*>(QStringLiteral("WindBox"));
}

QStringList Names(QWidget* box) {
    QStringList names;
    QListWidget* list = List(box);
    for (int i = 0; i < list->count(); ++i) {
        names << list->item(i)->text();
    }
    return names;
}

void Click(QWidget* box, const char* name) {
    Button(box, name)->click();
}

}  // namespace

class WindowBoxTest : public QObject {
    Q_OBJECT

private slots:
    void init() { MessageBox::SetNextAnswer(QMessageBox::Ok); }

    void emptyListShowsNothing() {
        TWindowBox box({});
        QCOMPARE(box.CurrentWindow(), -1);
        QCOMPARE(List(&box)->count(), 0);
        QCOMPARE(Edit(&box, "wx")->text(), QStringLiteral("-1"));
        QCOMPARE(Edit(&box, "wbuttons")->text(), QStringLiteral("0"));
    }

    void commandsNeedAWindow() {
        TWindowBox box({});
        int chooserCalls = 0;
        box.SetColorChooser([&](QWidget*, const QColor&) {
            ++chooserCalls;
            return std::optional<QColor>();
        });
        for (const char* name : {"FixedBtn", "ScrollBtn", "SelectBtn", "SizerBtn"}) {
            const int before = MessageBox::ShownCount();
            MessageBox::SetNextAnswer(QMessageBox::Ok);
            Click(&box, name);
            QCOMPARE(MessageBox::ShownCount(), before + 1);
            QCOMPARE(MessageBox::LastText(),
                     QStringLiteral("Please add a window to the list first."));
        }
        QCOMPARE(chooserCalls, 0);
    }

    void firstWindowIsMain() {
        TWindowBox box({});
        Click(&box, "AddBtn");
        QCOMPARE(box.CurrentWindow(), 0);
        QCOMPARE(Names(&box), QStringList{QStringLiteral("main")});
        QCOMPARE(List(&box)->currentRow(), 0);
        QCOMPARE(Edit(&box, "wName")->text(), QStringLiteral("main"));
        QCOMPARE(Edit(&box, "wCaption")->text(), QString());
        for (const char* name : {"wx", "wy", "ww", "wh"}) {
            QCOMPARE(Edit(&box, name)->text(), QStringLiteral("-1"));
        }
        QCOMPARE(Edit(&box, "wbuttons")->text(), QStringLiteral("0"));
        QVERIFY(!box.findChild<QCheckBox*>(QStringLiteral("wstayontop"))->isChecked());
        QCOMPARE(box.findChild<TColorPanel*>(QStringLiteral("sPanel"))->ColorRef(), 16777215);
        QCOMPARE(box.findChild<TColorPanel*>(QStringLiteral("fPanel"))->ColorRef(), 16777215);
        box.accept();
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(box.WindowDefs(), std::vector<std::string>{kMainStored});
    }

    void secondWindowStaysOnTop() {
        TWindowBox box({});
        Click(&box, "AddBtn");
        Edit(&box, "wCaption")->setText(QStringLiteral("Main help"));
        Click(&box, "AddBtn");
        QCOMPARE(box.CurrentWindow(), 1);
        QCOMPARE(Names(&box), (QStringList{QStringLiteral("main"), QStringLiteral("new")}));
        QVERIFY(box.findChild<QCheckBox*>(QStringLiteral("wstayontop"))->isChecked());
        // Adding stored the first definition from its fields.
        QCOMPARE(box.WindowDefs()[0], "main=\"Main help\",,0,(r16777215),(r16777215),0");
        QCOMPARE(box.WindowDefs()[1], "new=\"\",(-1,-1,-1,-1),0,(r16777215),(r16777215),1");
    }

    void selectingStoresAndShows() {
        TWindowBox box(
            {"one=\"First\",(1,2,3,4),4,(r255),(r65280),0", "two=\"Second\",,0,(r0),(r0),1"});
        QCOMPARE(box.CurrentWindow(), 0);
        QCOMPARE(Edit(&box, "wCaption")->text(), QStringLiteral("First"));
        QCOMPARE(Edit(&box, "wh")->text(), QStringLiteral("4"));
        Edit(&box, "wCaption")->setText(QStringLiteral("Changed"));
        Edit(&box, "wh")->setText(QStringLiteral("0"));
        List(&box)->setCurrentRow(1);
        QCOMPARE(box.CurrentWindow(), 1);
        QCOMPARE(Edit(&box, "wName")->text(), QStringLiteral("two"));
        QCOMPARE(Edit(&box, "wx")->text(), QStringLiteral("-1"));
        QCOMPARE(box.WindowDefs()[0], "one=\"Changed\",,4,(r255),(r65280),0");
        // The second is untouched until it is stored.
        QCOMPARE(box.WindowDefs()[1], "two=\"Second\",,0,(r0),(r0),1");
    }

    void typingTheNameRenamesTheEntry() {
        TWindowBox box({std::string(kMainStored)});
        QLineEdit* name = Edit(&box, "wName");
        name->clear();
        QTest::keyClicks(name, "abcdefghi");
        QCOMPARE(name->text(), QStringLiteral("abcdefgh"));
        QCOMPARE(List(&box)->item(0)->text(), QStringLiteral("abcdefgh"));
        QTest::keyClick(name, Qt::Key_Backspace);
        QCOMPARE(name->text(), QStringLiteral("abcdefg"));
        QCOMPARE(List(&box)->item(0)->text(), QStringLiteral("abcdefg"));
    }

    void captionTakesFiftyCharacters() {
        TWindowBox box({std::string(kMainStored)});
        QLineEdit* caption = Edit(&box, "wCaption");
        QTest::keyClicks(caption, QString(51, QLatin1Char('c')));
        QCOMPARE(caption->text().length(), 50);
    }

    void nameWithoutWindowsUpdatesNothing() {
        TWindowBox box({});
        QTest::keyClicks(Edit(&box, "wName"), "x");
        QCOMPARE(List(&box)->count(), 0);
    }

    void positionFieldsTakeDigitsOnly() {
        TWindowBox box({std::string(kMainStored)});
        QLineEdit* x = Edit(&box, "wx");
        x->clear();
        QTest::keyClicks(x, "-1a2 3.4");
        QCOMPARE(x->text(), QStringLiteral("1234"));
    }

    void positionDefaultsAndButtonsDefault() {
        TWindowBox box({"w=\"\",(1,2,3,4),28932,(r0),(r0),0"});
        Click(&box, "PosDefaultBtn");
        Click(&box, "ButtonsDefaultBtn");
        box.accept();
        QCOMPARE(box.WindowDefs()[0], "w=\"\",,0,(r0),(r0),0");
    }

    void positionWrittenWhenValid() {
        TWindowBox box({std::string(kMainStored)});
        Edit(&box, "wx")->setText(QStringLiteral("0"));
        Edit(&box, "wy")->setText(QStringLiteral("0"));
        Edit(&box, "ww")->setText(QStringLiteral("512"));
        Edit(&box, "wh")->setText(QStringLiteral("1023"));
        box.accept();
        QCOMPARE(box.WindowDefs()[0], "main=\"\",(0,0,512,1023),0,(r16777215),(r16777215),0");
    }

    void blanksAndDuplicateNamesAreRefused() {
        TWindowBox box({"main=\"M\",,0,(r0),(r0),0", "terms=\"T\",,0,(r0),(r0),1"});
        List(&box)->setCurrentRow(1);
        QLineEdit* name = Edit(&box, "wName");
        name->setText("my win");
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        List(&box)->setCurrentRow(0);
        QCOMPARE(MessageBox::LastText(),
                 QString("The window name \"my win\" holds a blank; a window name is one word. "
                         "The window keeps its name \"terms\"."));
        // The old name stays, in the field and in the list, and so does the row.
        QCOMPARE(name->text(), QString("terms"));
        QCOMPARE(List(&box)->item(1)->text(), QString("terms"));
        QCOMPARE(box.CurrentWindow(), 1);
        QCOMPARE(List(&box)->currentRow(), 1);
        name->setText("Main");
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        box.accept();
        QCOMPARE(MessageBox::LastText(),
                 QString("There is already a window named \"main\". The window keeps its name "
                         "\"terms\"."));
        QCOMPARE(box.result(), int(QDialog::Rejected));
        QCOMPARE(box.WindowDefs()[1], "terms=\"T\",,0,(r0),(r0),1");
        // A third window added is not a second "new".
        Click(&box, "AddBtn");
        Click(&box, "AddBtn");
        QCOMPARE(Names(&box), (QStringList{"main", "terms", "new", "new2"}));
    }

    void deleteTheLastOfThree() {
        TWindowBox box(
            {"a=\"A\",,0,(r1),(r1),0", "b=\"B\",,0,(r2),(r2),0", "c=\"C\",,0,(r3),(r3),0"});
        List(&box)->setCurrentRow(2);
        Edit(&box, "wCaption")->setText(QStringLiteral("dropped"));
        Click(&box, "DelBtn");
        QCOMPARE(Names(&box), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
        QCOMPARE(List(&box)->currentRow(), 1);
        QCOMPARE(box.CurrentWindow(), 1);
        QCOMPARE(Edit(&box, "wCaption")->text(), QStringLiteral("B"));
        box.accept();
        QCOMPARE(box.WindowDefs(),
                 (std::vector<std::string>{"a=\"A\",,0,(r1),(r1),0", "b=\"B\",,0,(r2),(r2),0"}));
    }

    void deleteInTheMiddleSelectsTheNext() {
        TWindowBox box(
            {"a=\"A\",,0,(r1),(r1),0", "b=\"B\",,0,(r2),(r2),0", "c=\"C\",,0,(r3),(r3),0"});
        List(&box)->setCurrentRow(1);
        Click(&box, "DelBtn");
        QCOMPARE(box.CurrentWindow(), 1);
        QCOMPARE(Edit(&box, "wName")->text(), QStringLiteral("c"));
    }

    void deleteTheOnlyWindow() {
        TWindowBox box({std::string(kMainStored)});
        Click(&box, "DelBtn");
        QCOMPARE(box.CurrentWindow(), -1);
        QVERIFY(box.WindowDefs().empty());
        const int before = MessageBox::ShownCount();
        Click(&box, "SelectBtn");
        QCOMPARE(MessageBox::ShownCount(), before + 1);
        QCOMPARE(MessageBox::LastText(), QStringLiteral("Please add a window to the list first."));
        // Nothing selected: Delete does nothing.
        Click(&box, "DelBtn");
        QVERIFY(box.WindowDefs().empty());
        box.accept();
        QVERIFY(box.WindowDefs().empty());
    }

    void fiftyDefinitionsAtMost() {
        std::vector<std::string> lines(50, kMainStored);
        TWindowBox box(lines);
        Click(&box, "AddBtn");
        QCOMPARE(box.WindowDefs().size(), std::size_t(50));
        QCOMPARE(List(&box)->count(), 50);
    }

    void coloursFromTheChooser() {
        TWindowBox box({std::string(kMainStored)});
        QList<QColor> initials;
        box.SetColorChooser([&](QWidget*, const QColor& initial) {
            initials << initial;
            return std::optional<QColor>(QColor(0x12, 0x34, 0x56));
        });
        Click(&box, "FixedBtn");
        QCOMPARE(initials.size(), 1);
        QCOMPARE(initials[0], QColor(255, 255, 255));
        // A double click on the scrolling sample acts like its button.
        QTest::mouseDClick(box.findChild<TColorPanel*>(QStringLiteral("sPanel")), Qt::LeftButton,
                           {}, QPoint(150, 50));
        QCOMPARE(initials.size(), 2);
        box.accept();
        QCOMPARE(box.WindowDefs()[0], "main=\"\",,0,(r5649426),(r5649426),0");
    }

    void cancelledColourChangesNothing() {
        TWindowBox box({std::string(kMainStored)});
        box.SetColorChooser([](QWidget*, const QColor&) { return std::optional<QColor>(); });
        Click(&box, "ScrollBtn");
        box.accept();
        QCOMPARE(box.WindowDefs()[0], kMainStored);
    }

    void selectOpensTheButtonsDialog() {
        TWindowBox box({std::string(kMainStored)});
        WhenModal<TButtonsBox>([](TButtonsBox* buttons) {
            QVERIFY(!buttons->Box(ButtonFlag::NoDefaultButtons)->isChecked());
            QVERIFY(buttons->Box(ButtonFlag::Contents)->isChecked());
            QVERIFY(!buttons->Box(ButtonFlag::Contents)->isEnabled());
            buttons->accept();
        });
        Click(&box, "SelectBtn");
        QCOMPARE(Edit(&box, "wbuttons")->text(), QStringLiteral("27648"));
    }

    void cancelledButtonsDialogKeepsTheField() {
        TWindowBox box({"w=\"\",,4,(r0),(r0),0"});
        WhenModal<TButtonsBox>([](TButtonsBox* buttons) {
            buttons->Box(ButtonFlag::Find)->click();
            buttons->reject();
        });
        Click(&box, "SelectBtn");
        QCOMPARE(Edit(&box, "wbuttons")->text(), QStringLiteral("4"));
    }

    void brokenColourCannotBeShown() {
        TWindowBox box({std::string(kMainStored), "bad=\"x\",,0,(r),(r1),0"});
        const int before = MessageBox::ShownCount();
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        List(&box)->setCurrentRow(1);
        QCOMPARE(MessageBox::ShownCount(), before + 1);
        QCOMPARE(MessageBox::LastText(), QStringLiteral("'' is not a valid integer value."));
        QCOMPARE(box.CurrentWindow(), -1);
        // The fields still hold "main": a later store must not overwrite "bad".
        Edit(&box, "wCaption")->setText(QStringLiteral("edited"));
        List(&box)->setCurrentRow(0);
        QCOMPARE(box.WindowDefs()[1], "bad=\"x\",,0,(r),(r1),0");
        QCOMPARE(box.CurrentWindow(), 0);
        QCOMPARE(Edit(&box, "wCaption")->text(), QString());
        // The broken line can still be deleted.
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        List(&box)->setCurrentRow(1);
        Click(&box, "DelBtn");
        QCOMPARE(box.WindowDefs(), std::vector<std::string>{kMainStored});
    }

    void pastedTextInAPositionIsReported() {
        TWindowBox box({std::string(kMainStored), std::string(kMainStored)});
        Edit(&box, "wx")->setText(QStringLiteral("1"));
        Edit(&box, "wy")->setText(QStringLiteral("2x"));
        Edit(&box, "ww")->setText(QStringLiteral("3"));
        Edit(&box, "wh")->setText(QStringLiteral("4"));
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        List(&box)->setCurrentRow(1);
        QCOMPARE(MessageBox::LastText(), QStringLiteral("'2x' is not a valid integer value."));
        QCOMPARE(box.CurrentWindow(), 0);
        QCOMPARE(List(&box)->currentRow(), 0);
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        Click(&box, "AddBtn");
        QCOMPARE(box.WindowDefs().size(), std::size_t(2));
        // OK stays open; Cancel still closes.
        box.show();
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        box.accept();
        QVERIFY(box.isVisible());
        box.reject();
        QVERIFY(!box.isVisible());
    }

    void runOkReplacesTheDefinitions() {
        Project project;
        project.WindowDefs = {"old=\"\",,0,(r0),(r0),0"};
        WhenModal<TWindowBox>([](TWindowBox* box) {
            Click(box, "DelBtn");
            Click(box, "AddBtn");
            Click(box, "OKBtn");
        });
        QVERIFY(TWindowBox::Run(nullptr, project));
        QCOMPARE(project.WindowDefs, std::vector<std::string>{kMainStored});
        QVERIFY(project.Modified());
    }

    void runCancelAfterEditsChangesNothing() {
        Project project;
        project.WindowDefs = {"keep=\"Kept\",(1,2,3,4),0,(r0),(r0),0"};
        bool told = false;
        project.AddModifiedListener([&](bool) { told = true; });
        WhenModal<TWindowBox>([](TWindowBox* box) {
            QTest::keyClicks(Edit(box, "wName"), "x");
            Click(box, "AddBtn");
            Click(box, "CancelBtn");
        });
        QVERIFY(!TWindowBox::Run(nullptr, project));
        QCOMPARE(project.WindowDefs,
                 std::vector<std::string>{"keep=\"Kept\",(1,2,3,4),0,(r0),(r0),0"});
        QVERIFY(!project.Modified());
        QVERIFY(!told);
    }

    void windowsCommandOpensTheDialog() {
        QWidget window;
        Project project;
        QAction menu(QStringLiteral("&Windows..."));
        QAction button(QStringLiteral("Windows"));
        ConnectProjectSettingsCommands(&window, project, {&menu, &button, nullptr}, {});
        for (QAction* action : {&menu, &button}) {
            WhenModal<TWindowBox>([](TWindowBox* box) {
                Click(box, "AddBtn");
                Click(box, "OKBtn");
            });
            action->trigger();
        }
        QCOMPARE(project.WindowDefs,
                 (std::vector<std::string>{kMainStored, "new=\"\",,0,(r16777215),(r16777215),1"}));
        QVERIFY(project.Modified());
    }

    void buttonsBoxStatesForMain() {
        TButtonsBox box;
        box.Open("0", "main");
        QVERIFY(!box.Box(ButtonFlag::NoDefaultButtons)->isChecked());
        for (ButtonFlag flag :
             {ButtonFlag::Contents, ButtonFlag::Index, ButtonFlag::Print, ButtonFlag::Back}) {
            QVERIFY(box.Box(flag)->isChecked());
            QVERIFY(!box.Box(flag)->isEnabled());
        }
        QCOMPARE(box.Buttons(), std::string("27648"));
    }

    void buttonsBoxStatesForOthers() {
        TButtonsBox box;
        box.Open("0", "second");
        QVERIFY(box.Box(ButtonFlag::NoDefaultButtons)->isChecked());
        for (ButtonFlag flag : {ButtonFlag::Contents, ButtonFlag::Index, ButtonFlag::Print,
                                ButtonFlag::Back, ButtonFlag::HelpTopics}) {
            QVERIFY(!box.Box(flag)->isChecked());
            QVERIFY(box.Box(flag)->isEnabled());
        }
        box.Box(ButtonFlag::HelpTopics)->click();
        QVERIFY(!box.Box(ButtonFlag::Contents)->isEnabled());
        QVERIFY(!box.Box(ButtonFlag::Index)->isEnabled());
        box.Box(ButtonFlag::HelpTopics)->click();
        box.Box(ButtonFlag::Index)->click();
        QVERIFY(box.Box(ButtonFlag::Index)->isChecked());
        QVERIFY(!box.Box(ButtonFlag::HelpTopics)->isEnabled());
        QCOMPARE(box.Buttons(), std::string("2052"));
    }

    void buttonsBoxDecomposes() {
        TButtonsBox box;
        box.Open("28932", "main");
        for (ButtonFlag flag : kButtonFlagsDescending) {
            const bool expected = flag == ButtonFlag::Back || flag == ButtonFlag::Print ||
                                  flag == ButtonFlag::HelpTopics || flag == ButtonFlag::Options ||
                                  flag == ButtonFlag::NoDefaultButtons;
            QCOMPARE(box.Box(flag)->isChecked(), expected);
        }
        QCOMPARE(box.windowTitle(), QStringLiteral("Window State & Buttons"));
    }

    void sizerPlacesAndReadsBack() {
        TWindowBox box({std::string(kMainStored)});
        Edit(&box, "wx")->setText(QStringLiteral("512"));
        Edit(&box, "wy")->setText(QStringLiteral("0"));
        Edit(&box, "ww")->setText(QStringLiteral("256"));
        Edit(&box, "wh")->setText(QStringLiteral("0"));
        SizerBounds seen;
        QSize screen;
        WhenModal<TSizerBox>([&](TSizerBox* sizer) {
            seen = sizer->Bounds();
            screen = sizer->screen()->geometry().size();
            QCOMPARE(sizer->windowTitle(), QStringLiteral("Scrivlet Easy Sizer"));
            sizer->SetBounds({seen.Left / 2, 10, seen.Width, 100});
            sizer->accept();
        });
        Click(&box, "SizerBtn");
        WindowFields fields;
        fields.X = "512";
        fields.Y = "0";
        fields.W = "256";
        fields.H = "0";
        const SizerBounds expected = PlaceSizer(fields, screen.width(), screen.height());
        QCOMPARE(seen.Left, expected.Left);
        QCOMPARE(seen.Top, 0);
        QCOMPARE(seen.Width, expected.Width);
        QCOMPARE(seen.Height, 156);  // h 0 leaves the design height
        ReadSizer({expected.Left / 2, 10, expected.Width, 100}, screen.width(), screen.height(),
                  fields);
        QCOMPARE(Edit(&box, "wx")->text().toStdString(), fields.X);
        QCOMPARE(Edit(&box, "wy")->text().toStdString(), fields.Y);
        QCOMPARE(Edit(&box, "ww")->text().toStdString(), fields.W);
        QCOMPARE(Edit(&box, "wh")->text().toStdString(), fields.H);
    }

    void cancelledSizerChangesNothing() {
        TWindowBox box({std::string(kMainStored)});
        WhenModal<TSizerBox>([](TSizerBox* sizer) {
            sizer->SetBounds({1, 1, 50, 50});
            sizer->reject();
        });
        Click(&box, "SizerBtn");
        QCOMPARE(Edit(&box, "wx")->text(), QStringLiteral("-1"));
    }
};

QTEST_MAIN(WindowBoxTest)
#include "tst_windowbox.moc"
