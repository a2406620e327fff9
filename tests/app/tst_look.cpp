// How the main window looks and keeps its controls in step: icons with no
// theme installed, the Edit menu's shortcuts and enabled state, a font the
// machine lacks, titles shown as they are typed, and the file dialogs'
// defaults.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QToolBar>

#include "app/common/app_icon.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/action_icons.h"
#include "app/mainform/tmainform.h"
#include "app/options/ttooledit.h"
#include "app/report/report_box.h"
#include "app/topics/property_grid.h"
#include "app/topics/topic_grid_model.h"
#include "app/windows/window_box.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;

namespace {

// True when ICON draws something at SIZE pixels.
bool Draws(const QIcon& icon, int size) {
    const QImage image = icon.pixmap(size).toImage();
    if (image.size() != QSize(size, size)) {
        return false;
    }
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                return true;
            }
        }
    }
    return false;
}

void SelectAll(TSRichEdit* edit, const QString& text, const QTextCharFormat& format = {}) {
    edit->clear();
    QTextCursor cursor(edit->document());
    cursor.insertText(text, format);
    cursor.setPosition(0);
    cursor.setPosition(static_cast<int>(text.size()), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(239, 240, 241));
    return dark;
}

}  // namespace

class LookTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // No icon theme at all: every picture must come from our resources.
        QIcon::setThemeSearchPaths({});
        QIcon::setThemeName("scrivlet-test-none");
    }

    void everyButtonAndItsMenuItemHasAPictureWithNoTheme() {
        auto form = StartWindow();
        int buttons = 0;
        for (QToolBar* bar : form->Toolbars().all) {
            for (QAction* action : bar->actions()) {
                if (action->isSeparator() || action->objectName().isEmpty()) {
                    continue;  // the Font toolbar's boxes
                }
                ++buttons;
                QVERIFY2(!ActionIconName(action->objectName()).isEmpty(),
                         qPrintable(action->objectName()));
            }
        }
        QVERIFY(buttons >= 34);
        int pictured = 0;
        for (const QString& name : form->Actions().Names()) {
            if (ActionIconName(name).isEmpty()) {
                continue;
            }
            ++pictured;
            const QIcon icon = form->Action(name)->icon();
            for (int size : {16, 22, 32}) {
                QVERIFY2(Draws(icon, size), qPrintable(QString("%1 at %2").arg(name).arg(size)));
            }
        }
        QVERIFY(pictured > buttons);
        // The menu item shows the same picture as its button.
        QCOMPARE(form->Action("EditCut")->icon().cacheKey(),
                 form->Action("CutBtn")->icon().cacheKey());
        QVERIFY(ActionIconName("ViewRuler").isEmpty());
        QVERIFY(AppIcon("no-such-picture").isNull());
    }

    void bundledLinesTakeThePalettesTextColour() {
        const QPalette before = QApplication::palette();
        QApplication::setPalette(DarkPalette());
        const QImage image = AppIcon("go-down").pixmap(32).toImage();
        QApplication::setPalette(before);
        int lightest = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) == 255) {
                    lightest = std::max(lightest, QColor(image.pixel(x, y)).lightness());
                }
            }
        }
        QVERIFY(lightest > 200);
    }

    void aPlainSessionGetsAThemeThatSuitsThePalette() {
        QTemporaryDir dir;
        for (const char* theme : {"breeze", "breeze-dark"}) {
            QDir(dir.path()).mkpath(theme);
            QFile index(dir.filePath(QString(theme) + "/index.theme"));
            QVERIFY(index.open(QIODevice::WriteOnly));
        }
        QIcon::setThemeSearchPaths({dir.path()});
        QIcon::setThemeName("hicolor");
        ChooseIconTheme(DarkPalette());
        QCOMPARE(QIcon::themeName(), QString("breeze-dark"));
        QIcon::setThemeName("hicolor");
        ChooseIconTheme(QPalette(Qt::white));
        QCOMPARE(QIcon::themeName(), QString("breeze"));
        QIcon::setThemeName("Oxygen");  // the desktop's choice stays
        ChooseIconTheme(QPalette(Qt::white));
        QCOMPARE(QIcon::themeName(), QString("Oxygen"));
        initTestCase();
    }

    void editMenuHasTheStandardShortcuts() {
        auto form = StartWindow();
        QCOMPARE(form->Action("EditCut")->shortcuts(),
                 QKeySequence::keyBindings(QKeySequence::Cut));
        QCOMPARE(form->Action("EditCopy")->shortcut(), QKeySequence(QKeySequence::Copy));
        QCOMPARE(form->Action("EditPaste")->shortcut(), QKeySequence(QKeySequence::Paste));
        QCOMPARE(form->Action("EditCut")->shortcut().toString(), QString("Ctrl+X"));
        // The editor's popup shows the same keys and pictures.
        auto* popup = form->findChild<QMenu*>("EditorPopup");
        QVERIFY(popup);
        for (const char* name : {"PopUndo", "PopCut", "PopCopy", "PopPaste", "PopSelectAll"}) {
            QVERIFY2(Draws(popup->findChild<QAction*>(name)->icon(), 16), name);
        }
        QCOMPARE(popup->findChild<QAction*>("PopPaste")->shortcut(),
                 QKeySequence(QKeySequence::Paste));
        QCOMPARE(popup->findChild<QAction*>("PopSelectAll")->shortcut().toString(),
                 QString("Ctrl+A"));
    }

    void editMenuEnabledFollowsTheToolbar() {
        auto form = StartWindow();
        QAction* cut = form->Action("EditCut");
        QAction* copy = form->Action("EditCopy");
        QAction* paste = form->Action("EditPaste");
        SelectAll(form->RichEdit1(), "some text");
        QVERIFY(form->Action("CutBtn")->isEnabled());
        QVERIFY(cut->isEnabled());
        QVERIFY(copy->isEnabled());
        form->RichEdit1()->moveCursor(QTextCursor::End);
        QVERIFY(!cut->isEnabled());
        QVERIFY(!copy->isEnabled());

        QApplication::clipboard()->setText("clip");
        QVERIFY(form->Action("PasteBtn")->isEnabled());
        QVERIFY(paste->isEnabled());
        QApplication::clipboard()->clear();
        QVERIFY(!form->Action("PasteBtn")->isEnabled());
        QVERIFY(!paste->isEnabled());

        // While another text box has the focus, its own selection decides.
        QApplication::setActiveWindow(form.get());
        QLineEdit* title = form->PropGrid()->Editor(2);
        title->setText("a title");
        title->setFocus();
        title->selectAll();
        QCOMPARE(QApplication::focusWidget(), title);
        emit form->Menus().edit->aboutToShow();
        QVERIFY(cut->isEnabled());
        QVERIFY(copy->isEnabled());
        QVERIFY(!form->Action("CutBtn")->isEnabled());  // the toolbar stays with the editor
    }

    void aFontNotInstalledShowsInItalics() {
        auto form = StartWindow();
        QComboBox* box = form->Toolbars().fontName;
        QTextCharFormat missing;
        missing.setFontFamilies({"Scrivlet No Such Face"});
        SelectAll(form->RichEdit1(), "text", missing);
        form->SelectionChange();
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(box->placeholderText(), QString("Scrivlet No Such Face"));
        QVERIFY(box->font().italic());
        QVERIFY(!box->view()->font().italic());

        const QString installed = box->itemText(0);
        QTextCharFormat present;
        present.setFontFamilies({installed.toUpper()});
        SelectAll(form->RichEdit1(), "text", present);
        form->SelectionChange();
        QCOMPARE(box->currentText(), installed);
        QVERIFY(box->placeholderText().isEmpty());
        QVERIFY(!box->font().italic());

        // Choosing from the list after a missing one stands upright at once.
        SelectAll(form->RichEdit1(), "text", missing);
        form->SelectionChange();
        box->setCurrentIndex(0);
        QVERIFY(!box->font().italic());
    }

    void theTitleShowsAsItIsTyped() {
        auto form = StartWindow();
        const int row = form->GetProject().CurrentTopic;
        QLineEdit* title = form->PropGrid()->Editor(2);
        title->selectAll();
        QTest::keyClicks(title, "Fresh");
        const TopicGridModel* grid = form->TopicGridRows();
        QCOMPARE(grid->index(row, TopicGridModel::TitleColumn).data().toString(), QString("Fresh"));
        QCOMPARE(form->RichEdit1()->statusTip(), QString("Fresh"));

        QLineEdit* comment = form->PropGrid()->Editor(10);
        comment->selectAll();
        QTest::keyClicks(comment, "note");
        QCOMPARE(form->StatusPanel(1)->text(), QString("note"));
        QCOMPARE(grid->index(row, TopicGridModel::CommentColumn).data().toString(),
                 QString("note"));
        // The topic takes them when it is stored.
        QVERIFY(form->StoreBack(true));
        QCOMPARE(form->GetProject().Topics[0].Title.str(), std::string("Fresh"));
    }

    void reportDialogOffersTheFilterOfTheOutputType() {
        QTemporaryDir dir;
        QFileDialog html;
        PrepareReportFileDialog(html, dir.filePath("report.htm"), 1);
        QCOMPARE(html.selectedNameFilter(), QString("HTML file (*.htm *.html)"));
        QCOMPARE(html.defaultSuffix(), QString("htm"));
        QCOMPARE(html.directory().absolutePath(), QDir(dir.path()).absolutePath());

        QFileDialog text;
        PrepareReportFileDialog(text, QString(), 0);
        QCOMPARE(text.selectedNameFilter(), QString("Text file (*.txt)"));
        QCOMPARE(text.defaultSuffix(), QString("txt"));
        emit text.filterSelected(text.nameFilters().value(1));
        QCOMPARE(text.defaultSuffix(), QString("htm"));
    }

    void windowButtonsFieldNamesItsButtons() {
        TWindowBox box({"main=\"Main\",,16388,(r0),(r0),0", "note=\"Note\",,0,(r0),(r0),0"});
        QLineEdit* buttons = box.findChild<QLineEdit*>("wbuttons");
        QCOMPARE(buttons->toolTip(), QString("No default buttons, Back"));
        buttons->setText("0");  // the window "main" keeps the standard buttons
        QCOMPARE(buttons->toolTip(), QString("Contents, Index, Print, Back"));
        box.findChild<QLineEdit*>("wName")->setText("other");
        QCOMPARE(buttons->toolTip(), QString("No default buttons"));
    }

    void toolEditorUnderlinesItsFilenameKey() {
        TToolEdit box(nullptr);
        QLabel* label = nullptr;
        for (QLabel* each : box.findChildren<QLabel*>()) {
            if (each->text() == "&Filename:") {
                label = each;
            }
        }
        QVERIFY(label);
        QCOMPARE(label->buddy(), box.findChild<QLineEdit*>("fname"));
    }

private:
    SettingsSandbox sandbox_;
};

QTEST_MAIN(LookTest)
#include "tst_look.moc"
