#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include "app/markup/insert_markup.h"
#include "core/model/topic_list.h"

using namespace scrivlet;
using namespace scrivlet::app;

namespace {

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

// The format of the character at POS (counted from 0).
QTextCharFormat FormatAt(QTextEdit& edit, int pos) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(pos + 1);
    return cursor.charFormat();
}

QColor ColorAt(QTextEdit& edit, int pos) {
    const QTextCharFormat format = FormatAt(edit, pos);
    return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                            : QColor(Qt::black);
}

TTopicList Topics() {
    TTopicList topics;
    TTopic a;
    a.TopicID = 10;
    a.Title = "Start";
    topics.Add(a);
    TTopic b;
    b.TopicID = 30;
    b.Title = "Overview";
    topics.Add(b);
    TTopic c;
    c.TopicID = 30;
    c.Title = "Second thirty";
    topics.Add(c);
    return topics;
}

void Select(QTextEdit& edit, int start, int end) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

}  // namespace

class TestMarkupInsert : public QObject {
    Q_OBJECT

private slots:
    void jumpWithSelection() {
        QTextEdit edit;
        edit.setPlainText("See Overview now");
        Select(edit, 4, 12);
        int refreshed = 0;
        const MarkupTarget target{&edit, 9, [&] { ++refreshed; }};
        QVERIFY(InsertLinkCode(target, Topics(), false, "", true, "", "30"));
        QCOMPARE(edit.toPlainText(), QString("See Overview[href=30] now"));
        for (int i = 4; i < 12; ++i) {
            QVERIFY(FormatAt(edit, i).fontStrikeOut());
            QCOMPARE(ColorAt(edit, i), kGreen);
        }
        for (int i = 12; i < 21; ++i) {
            QVERIFY(!FormatAt(edit, i).fontStrikeOut());
            QVERIFY(!FormatAt(edit, i).fontUnderline());
            QCOMPARE(ColorAt(edit, i), kRed);
        }
        QVERIFY(!FormatAt(edit, 3).fontStrikeOut());
        QCOMPARE(edit.textCursor().position(), 21);
        QVERIFY(!edit.textCursor().hasSelection());
        QCOMPARE(refreshed, 1);
        // Typing goes on in the colour the text had, without the hotspot style.
        edit.textCursor().insertText("x");
        QCOMPARE(ColorAt(edit, 21), QColor(Qt::black));
        QVERIFY(!FormatAt(edit, 21).fontStrikeOut());
    }

    void jumpWithoutSelectionInsertsFirstTitle() {
        QTextEdit edit;
        edit.setPlainText("Go ");
        QTextCursor cursor(edit.document());
        cursor.movePosition(QTextCursor::End);
        edit.setTextCursor(cursor);
        const MarkupTarget target{&edit, 12, {}};
        QVERIFY(InsertLinkCode(target, Topics(), false, "", true, "", "30"));
        // Two topics have number 30: the first one's title is taken.
        QCOMPARE(edit.toPlainText(), QString("Go Overview[href=30]"));
        QVERIFY(FormatAt(edit, 3).fontStrikeOut());
        QCOMPARE(ColorAt(edit, 10), kGreen);
        QCOMPARE(ColorAt(edit, 11), kBlue);
        QVERIFY(!FormatAt(edit, 11).fontStrikeOut());
        QCOMPARE(edit.textCursor().position(), 20);
    }

    void popupUnderlineStopsBeforeTheCode() {
        QTextEdit edit;
        edit.setPlainText("word");
        Select(edit, 0, 4);
        QVERIFY(InsertLinkCode({&edit, 9, {}}, Topics(), true, "", true, "", "10"));
        QCOMPARE(edit.toPlainText(), QString("word[href=10]"));
        QVERIFY(FormatAt(edit, 0).fontUnderline());
        QVERIFY(FormatAt(edit, 3).fontUnderline());
        QVERIFY(!FormatAt(edit, 3).fontStrikeOut());
        QVERIFY(!FormatAt(edit, 4).fontUnderline());
        QVERIFY(!FormatAt(edit, 12).fontUnderline());
        edit.textCursor().insertText("y");
        QVERIFY(!FormatAt(edit, 13).fontUnderline());
    }

    void jumpRemovesUnderline() {
        QTextEdit edit;
        edit.setPlainText("under");
        Select(edit, 0, 5);
        QTextCharFormat underline;
        underline.setFontUnderline(true);
        edit.textCursor().mergeCharFormat(underline);
        QVERIFY(InsertLinkCode({&edit, 9, {}}, Topics(), false, "", true, "", "10"));
        QVERIFY(FormatAt(edit, 2).fontStrikeOut());
        QVERIFY(!FormatAt(edit, 2).fontUnderline());
    }

    void prefixedLinkKeepsColour() {
        QTextEdit edit;
        edit.setPlainText("blue text");
        Select(edit, 0, 9);
        QTextCharFormat blue;
        blue.setForeground(kBlue);
        edit.textCursor().mergeCharFormat(blue);
        Select(edit, 0, 4);
        QVERIFY(InsertLinkCode({&edit, 9, {}}, Topics(), false, "*", false, "main",
                               "intro@C:\\HELP\\OTHER.HLP"));
        QCOMPARE(edit.toPlainText(), QString("blue[link=*intro@C:\\HELP\\OTHER.HLP>main] text"));
        QVERIFY(FormatAt(edit, 0).fontStrikeOut());
        QCOMPARE(ColorAt(edit, 0), kBlue);
        QCOMPARE(ColorAt(edit, 4), kRed);
        // The saved colour was blue: typing after the code is blue again.
        edit.textCursor().insertText("z");
        QCOMPARE(ColorAt(edit, 40), kBlue);
    }

    void unknownTopicInsertsNothing() {
        QTextEdit edit;
        edit.setPlainText("abc");
        Select(edit, 0, 3);
        int refreshed = 0;
        QVERIFY(!InsertLinkCode({&edit, 9, [&] { ++refreshed; }}, Topics(), false, "", true, "",
                                "999"));
        QCOMPARE(edit.toPlainText(), QString("abc"));
        QVERIFY(!FormatAt(edit, 0).fontStrikeOut());
        QCOMPARE(refreshed, 0);
        QVERIFY(!InsertLinkCode({&edit, 9, {}}, TTopicList{}, false, "", true, "", "10"));
    }

    void macroLinkWithoutSelectionIsOnlyTheCode() {
        QTextEdit edit;
        edit.setPlainText("ab");
        Select(edit, 1, 1);
        QVERIFY(
            InsertLinkCode({&edit, 9, {}}, Topics(), false, "", false, "", "!Contents();Exit();"));
        QCOMPARE(edit.toPlainText(), QString("a[link=!Contents();Exit();]b"));
        QCOMPARE(ColorAt(edit, 1), kRed);
        QVERIFY(!FormatAt(edit, 1).fontStrikeOut());
    }

    void markupCodeGoesAfterTheSelection() {
        QTextEdit edit;
        edit.setPlainText("one two");
        Select(edit, 4, 0);  // made backwards: the code still follows "one two"
        Select(edit, 7, 4);
        int refreshed = 0;
        InsertMarkupCode({&edit, 4, [&] { ++refreshed; }}, "{bmct logo.bmp}");
        QCOMPARE(edit.toPlainText(), QString("one two{bmct logo.bmp}"));
        QCOMPARE(ColorAt(edit, 7), QColor(0, 0, 128));
        QCOMPARE(ColorAt(edit, 6), QColor(Qt::black));
        QCOMPARE(edit.textCursor().position(), 22);
        QCOMPARE(refreshed, 1);
        edit.textCursor().insertText("q");
        QCOMPARE(ColorAt(edit, 22), QColor(Qt::black));
        // One undo step takes the whole insertion away.
        edit.document()->undo();
        edit.document()->undo();
        QCOMPARE(edit.toPlainText(), QString("one two"));
    }

    void keepnAt14PointsIs8Points() {
        QTextEdit edit;
        QTextCursor cursor(edit.document());
        QTextCharFormat big;
        big.setFontPointSize(14);
        cursor.insertText("Heading", big);
        edit.setTextCursor(cursor);
        InsertKeepn({&edit, 9, {}});
        QCOMPARE(edit.toPlainText(), QString("Heading[keepn]"));
        QCOMPARE(FormatAt(edit, 7).fontPointSize(), 8.0);
        QCOMPARE(FormatAt(edit, 13).fontPointSize(), 8.0);
        QCOMPARE(ColorAt(edit, 7), kRed);
        edit.textCursor().insertText("x");
        QCOMPARE(FormatAt(edit, 14).fontPointSize(), 14.0);
        QCOMPARE(ColorAt(edit, 14), QColor(Qt::black));
    }

    void keepnAt12PointsKeepsSize() {
        QTextEdit edit;
        QTextCursor cursor(edit.document());
        QTextCharFormat normal;
        normal.setFontPointSize(12);
        cursor.insertText("Body", normal);
        edit.setTextCursor(cursor);
        InsertKeepn({&edit, 9, {}});
        QCOMPARE(FormatAt(edit, 4).fontPointSize(), 12.0);
    }

    void keepnInPixelSizedEditorFont() {
        QTextEdit edit;
        QFont font("Arial");
        font.setPixelSize(24);  // 18 points at 96 pixels per inch
        edit.document()->setDefaultFont(font);
        edit.setPlainText("Title");
        QTextCursor cursor(edit.document());
        cursor.movePosition(QTextCursor::End);
        edit.setTextCursor(cursor);
        InsertKeepn({&edit, 9, {}});
        QCOMPARE(FormatAt(edit, 5).fontPointSize(), 8.0);
        edit.textCursor().insertText("x");
        QVERIFY(!FormatAt(edit, 12).hasProperty(QTextFormat::FontPointSize));
    }
};

QTEST_MAIN(TestMarkupInsert)
#include "tst_markup_insert.moc"
