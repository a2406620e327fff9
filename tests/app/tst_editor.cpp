// The topic text editor on the main window: the formatting controls that
// follow the selection, the formatting commands, the ruler, the clipboard
// commands and the editor popup.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "app/editor/editor_commands.h"
#include "app/editor/ruler_widget.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/tmainform.h"
#include "app/topics/property_grid.h"
#include "helpers/window_fixture.h"
#include "rtf/paragraph_format.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;

namespace {

// Puts TEXT into the editor with FORMAT and selects it.
// Drags MARKER of RULER so that its left edge lands at X and drops it there.
void DragMarker(TRuler* ruler, TRuler::Marker marker, int x) {
    ruler->MarkerDown(marker, 0);
    QWidget* widget = ruler->MarkerWidget(marker);
    ruler->MarkerMove(marker, ruler->DragOffset() + x - widget->x());
    ruler->MarkerUp(marker);
}

void TypeFormatted(TSRichEdit* edit, const QString& text, const QTextCharFormat& format) {
    edit->clear();
    QTextCursor cursor(edit->document());
    cursor.insertText(text, format);
    cursor.setPosition(0);
    cursor.setPosition(text.size(), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

}  // namespace

class EditorTest : public QObject {
    Q_OBJECT

private slots:
    void thirteenPointTextLeavesTheSizeBoxEmpty() {
        auto form = StartWindow();
        QTextCharFormat format;
        format.setFontPointSize(12);
        TypeFormatted(form->RichEdit1(), "twelve", format);
        QCOMPARE(form->Toolbars().fontSize->currentText(), QString("12"));
        format.setFontPointSize(13);
        TypeFormatted(form->RichEdit1(), "thirteen", format);
        QCOMPARE(form->Toolbars().fontSize->currentIndex(), -1);
        // The refresh changed nothing in the text.
        QCOMPARE(form->RichEdit1()->currentCharFormat().fontPointSize(), 13.0);
    }

    void offTableColourShowsBlackAndKeepsItsColour() {
        auto form = StartWindow();
        QTextCharFormat format;
        format.setForeground(QColor(255, 0, 0));
        TypeFormatted(form->RichEdit1(), "red", format);
        QCOMPARE(form->Toolbars().color->currentIndex(), 9);
        format.setForeground(QColor(10, 20, 30));
        TypeFormatted(form->RichEdit1(), "odd", format);
        QCOMPARE(form->Toolbars().color->currentIndex(), 0);
        QTextCursor probe(form->RichEdit1()->document());
        probe.setPosition(1);
        QCOMPARE(probe.charFormat().foreground().color(), QColor(10, 20, 30));
    }

    void selectionChangeSetsStyleButtonsFontAndAlignment() {
        auto form = StartWindow();
        QTextCharFormat format;
        format.setFontWeight(QFont::Bold);
        format.setFontStrikeOut(true);
        format.setFontFamilies({form->Toolbars().fontName->itemText(0).toLower()});
        TypeFormatted(form->RichEdit1(), "bold", format);
        QVERIFY(form->Action("BoldBtn")->isChecked());
        QVERIFY(!form->Action("ItalicBtn")->isChecked());
        QVERIFY(form->Action("StrikeBtn")->isChecked());
        // The name matches whatever its letter case.
        QCOMPARE(form->Toolbars().fontName->currentIndex(), 0);
        QVERIFY(form->Action("CutBtn")->isEnabled());
        QVERIFY(form->Action("CopyBtn")->isEnabled());

        QTextCursor cursor = form->RichEdit1()->textCursor();
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        cursor.mergeBlockFormat(centred);
        cursor.clearSelection();
        form->RichEdit1()->setTextCursor(cursor);
        QVERIFY(form->Action("CenterBtn")->isChecked());
        QVERIFY(!form->Action("LeftBtn")->isChecked());
        QVERIFY(!form->Action("CutBtn")->isEnabled());
        QCOMPARE(form->StatusPanel(0)->text(), QString("0: 4"));
    }

    void styleButtonsAndMenuItemsFormatTheSelection() {
        auto form = StartWindow();
        TypeFormatted(form->RichEdit1(), "word", {});
        form->Action("ItalicBtn")->trigger();
        QVERIFY(form->RichEdit1()->currentCharFormat().fontItalic());
        form->Action("TextUnderline")->trigger();
        QVERIFY(form->RichEdit1()->currentCharFormat().fontUnderline());
        QVERIFY(form->Action("UnderlineBtn")->isChecked());
        form->Action("TextUnderline")->trigger();
        QVERIFY(!form->RichEdit1()->currentCharFormat().fontUnderline());
        QVERIFY(!form->Action("UnderlineBtn")->isChecked());

        form->Action("TextRight")->trigger();
        QCOMPARE(form->RichEdit1()->textCursor().block().blockFormat().alignment() & Qt::AlignRight,
                 Qt::AlignRight);
        QVERIFY(form->Action("RightBtn")->isChecked());
        form->Action("BulletsBtn")->trigger();
        QVERIFY(HasBullet(form->RichEdit1()->textCursor().block()));
        // The menu sets its check marks when it opens; the item then flips.
        emit form->Menus().text->aboutToShow();
        QVERIFY(form->Action("TextBullet")->isChecked());
        form->Action("TextBullet")->trigger();
        QVERIFY(!HasBullet(form->RichEdit1()->textCursor().block()));
        QVERIFY(!form->Action("BulletsBtn")->isChecked());
    }

    void fontBoxesFormatTheSelection() {
        auto form = StartWindow();
        TypeFormatted(form->RichEdit1(), "sized", {});
        QComboBox* size = form->Toolbars().fontSize;
        size->setCurrentIndex(size->findText("24"));
        QCOMPARE(form->RichEdit1()->currentCharFormat().fontPointSize(), 24.0);
        form->Toolbars().color->setCurrentIndex(12);
        QCOMPARE(form->RichEdit1()->currentCharFormat().foreground().color(), QColor(0, 0, 255));
    }

    void fontDialogAppliesTheFontWithinSixToSeventyTwo() {
        auto form = StartWindow();
        TypeFormatted(form->RichEdit1(), "big", {});
        scrivlet::test::OnNextModal([](QWidget* w) {
            auto* dialog = qobject_cast<QFontDialog*>(w);
            QVERIFY(dialog);
            QFont font = dialog->currentFont();
            font.setPointSize(100);
            dialog->setCurrentFont(font);
            dialog->accept();
        });
        form->Action("TextFont")->trigger();
        const QTextCharFormat format = form->RichEdit1()->currentCharFormat();
        QCOMPARE(format.fontPointSize(), 72.0);
        // The refresh after the dialog shows the new size.
        QCOMPARE(form->Toolbars().fontSize->currentText(), QString("72"));
    }

    void fontDialogSizeBoxRefusesSizesOutsideTheRange() {
        auto form = StartWindow();
        TypeFormatted(form->RichEdit1(), "typed", {});
        QStringList accepted;
        scrivlet::test::OnNextModal([&accepted](QWidget* w) {
            auto* dialog = qobject_cast<QFontDialog*>(w);
            QVERIFY(dialog);
            QLineEdit* size = nullptr;
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
                if (edit->validator() != nullptr) {
                    size = edit;
                }
            }
            QVERIFY(size);
            for (const char* text : {"5", "6", "72", "73", "100", "0"}) {
                QString probe = text;
                int pos = 0;
                if (size->validator()->validate(probe, pos) == QValidator::Acceptable) {
                    accepted << text;
                }
            }
            dialog->reject();
        });
        form->Action("TextFont")->trigger();
        QCOMPARE(accepted, (QStringList{"6", "72"}));
    }

    void textMenuChecksFollowTheSelection() {
        auto form = StartWindow();
        QTextCharFormat format;
        format.setFontItalic(true);
        TypeFormatted(form->RichEdit1(), "it", format);
        emit form->Menus().text->aboutToShow();
        QVERIFY(form->Action("TextItalic")->isChecked());
        QVERIFY(!form->Action("TextBold")->isChecked());
        QVERIFY(form->Action("TextLeft")->isChecked());
    }

    void rulerMarkersFollowTheIndents() {
        auto form = StartWindow();
        form->resize(800, 500);
        auto* ruler = qobject_cast<TRuler*>(form->Ruler());
        QVERIFY(ruler);
        QCOMPARE(ruler->height(), 18);
        TSRichEdit* edit = form->RichEdit1();
        TypeFormatted(edit, "indented", {});
        QTextCursor cursor = edit->textCursor();
        QTextBlockFormat block = cursor.blockFormat();
        SetIndents(block, ParagraphIndents{36, 0, 0});
        cursor.setBlockFormat(block);
        form->SelectionChange();
        QCOMPARE(ruler->MarkerWidget(TRuler::FirstInd)->x(), 50);
        QCOMPARE(ruler->MarkerWidget(TRuler::LeftInd)->x(), 50);
        QCOMPARE(ruler->MarkerWidget(TRuler::RightInd)->x(), ruler->contentsRect().width() - 6 - 8);
    }

    void rulerDragAndDropSetsTheIndent() {
        auto form = StartWindow();
        TSRichEdit* edit = form->RichEdit1();
        TypeFormatted(edit, "dragged", {});
        auto* ruler = qobject_cast<TRuler*>(form->Ruler());
        // Grab the left-indent marker at its left edge (x 0) and drag it.
        ruler->MarkerDown(TRuler::LeftInd, 0);
        QVERIFY(ruler->Dragging());
        QCOMPARE(ruler->DragOffset(), 4);
        QCOMPARE(ruler->MarkerWidget(TRuler::LeftInd)->x(), -2);
        ruler->MarkerMove(TRuler::LeftInd, 4 + 52);  // to left 50
        QCOMPARE(ruler->MarkerWidget(TRuler::LeftInd)->x(), 50);
        ruler->MarkerMove(TRuler::LeftInd, 4 - 60);  // past the start: refused
        QCOMPARE(ruler->MarkerWidget(TRuler::LeftInd)->x(), 50);
        ruler->MarkerUp(TRuler::LeftInd);
        QVERIFY(!ruler->Dragging());
        const ParagraphIndents indents = IndentsOf(edit->textCursor().block().blockFormat());
        QCOMPARE(indents.left, 36.0);
        QCOMPARE(indents.first, 0.0);
        // The hanging indent made is a tab stop at the left indent (48 px).
        const QList<QTextOption::Tab> tabs =
            edit->textCursor().block().blockFormat().tabPositions();
        QCOMPARE(tabs.size(), 1);
        QCOMPARE(tabs[0].position, 48.0);
        // The refresh puts the marker where the new indent says.
        QCOMPARE(ruler->MarkerWidget(TRuler::LeftInd)->x(), 50);
    }

    void rulerOnABulletedParagraphLandsWhereDropped() {
        auto form = StartWindow();
        form->resize(800, 500);
        TSRichEdit* edit = form->RichEdit1();
        TypeFormatted(edit, "bulleted", {});
        form->Action("BulletsBtn")->trigger();
        auto* ruler = qobject_cast<TRuler*>(form->Ruler());
        // The bullet's room pushes the text right: the markers show it.
        const QTextBlock block = edit->textCursor().block();
        const double room = ListIndentPoints(block);
        QVERIFY(room > 0);
        QCOMPARE(ShownIndentsOf(block).first, room);
        QCOMPARE(ruler->MarkerWidget(TRuler::FirstInd)->x(), static_cast<int>(room * 4 / 3) + 2);
        // Drop the left-indent marker at 78 and the first-line marker at
        // 62: each lands where it was dropped, and stays there on refresh.
        DragMarker(ruler, TRuler::LeftInd, 78);
        QCOMPARE(ruler->MarkerWidget(TRuler::LeftInd)->x(), 78);
        DragMarker(ruler, TRuler::FirstInd, 62);
        QCOMPARE(ruler->MarkerWidget(TRuler::FirstInd)->x(), 62);
        QCOMPARE(ruler->MarkerWidget(TRuler::LeftInd)->x(), 78);
        // The stored margins leave out the bullet's room.
        const ParagraphIndents stored = IndentsOf(edit->textCursor().block().blockFormat());
        QCOMPARE(stored.first, ShownIndentsOf(edit->textCursor().block()).first - room);
        // A first-line drop left of the bullet's room keeps the text beside
        // the bullet.
        DragMarker(ruler, TRuler::FirstInd, 2);
        QCOMPARE(IndentsOf(edit->textCursor().block().blockFormat()).first, 0.0);
    }

    void editCopyCopiesTheFocusedPropertyCell() {
        auto form = StartWindow();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->RichEdit1()->setPlainText("editor text");
        form->RichEdit1()->selectAll();
        form->Notebook()->setCurrentIndex(1);
        QLineEdit* cell = form->PropGrid()->Editor(2);
        cell->setText("A title");
        cell->setFocus();
        cell->selectAll();
        QCOMPARE(QApplication::focusWidget(), cell);
        QApplication::clipboard()->clear();
        form->Action("EditCopy")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QString("A title"));
        QVERIFY(form->Action("PasteBtn")->isEnabled());
        // The toolbar's Copy always takes the editor's selection.
        form->Action("CopyBtn")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QString("editor text"));
    }

    void popupItemsFollowSelectionClipboardAndUndo() {
        auto form = StartWindow();
        TSRichEdit* edit = form->RichEdit1();
        QMenu* popup = edit->EditorPopup();
        QVERIFY(popup);
        QStringList captions;
        for (QAction* a : popup->actions()) {
            captions << (a->isSeparator() ? "-" : a->text());
        }
        QCOMPARE(captions,
                 QStringList({"&Undo", "-", "Cu&t", "&Copy", "&Paste", "-", "&Select All"}));
        QApplication::clipboard()->clear();
        edit->clear();
        edit->document()->clearUndoRedoStacks();
        emit popup->aboutToShow();
        QVERIFY(!popup->findChild<QAction*>("PopCut")->isEnabled());
        QVERIFY(!popup->findChild<QAction*>("PopPaste")->isEnabled());
        QVERIFY(!popup->findChild<QAction*>("PopUndo")->isEnabled());
        edit->insertPlainText("typed");
        edit->selectAll();
        QApplication::clipboard()->setText("x");
        emit popup->aboutToShow();
        QVERIFY(popup->findChild<QAction*>("PopCut")->isEnabled());
        QVERIFY(popup->findChild<QAction*>("PopPaste")->isEnabled());
        QVERIFY(popup->findChild<QAction*>("PopUndo")->isEnabled());
        QVERIFY(form->Action("UndoBtn")->isEnabled());
        QVERIFY(form->GetProject().Modified());
    }

    void textLimitRefusesTypingPastIt() {
        auto form = StartWindow();
        TSRichEdit* edit = form->RichEdit1();
        QCOMPARE(edit->TextLimit(), 200000);
        edit->setPlainText(QString(edit->TextLimit(), 'a'));
        edit->moveCursor(QTextCursor::End);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_B);
        QCOMPARE(edit->document()->characterCount() - 1, 200000);
        edit->moveCursor(QTextCursor::Left, QTextCursor::KeepAnchor);
        QTest::keyClick(edit, Qt::Key_B);
        QVERIFY(edit->toPlainText().endsWith("ab"));
    }

private:
    SettingsSandbox sandbox_;
};

QTEST_MAIN(EditorTest)
#include "tst_editor.moc"
