#include <QFont>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include "helpers/document_dump.h"
#include "rtf/paragraph_format.h"
#include "rtf/rtf_writer.h"

using Lines = std::vector<std::string>;

using scrivlet::testing::JoinLines;
using scrivlet::testing::UseEditorFont;

#define COMPARE_LINES(actual, expected) QCOMPARE(JoinLines(actual), JoinLines(expected))

class RtfWriterTest : public QObject {
    Q_OBJECT

private slots:

    // Found by the fuzzer: names the table cannot hold must not make two
    // entries that read back as one, nor an entry with no name.
    void fontNamesAreToldApartAsWritten() {
        QTextDocument doc;
        UseEditorFont(doc);
        QTextCursor cursor(&doc);
        for (const QString& name : {QString::fromUtf8("Foo\u03be"), QString::fromUtf8("Foo\u03c8"),
                                    QString(QChar(0x0001)) + QChar(0x0002), QString()}) {
            QTextCharFormat format;
            format.setFontFamilies({name});
            cursor.insertText(QStringLiteral("x"), format);
        }
        std::vector<std::string> lines = scrivlet::WriteTopicText(doc);
        QCOMPARE(lines[0], std::string("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl"
                                       "{\\f0\\fnil Foo?;}{\\f1\\fswiss Arial;}}"));
        QCOMPARE(lines[2], std::string("\\deflang1033\\pard\\plain\\f0\\fs22 xx"
                                       "\\plain\\f1\\fs22 xx"));
    }

    void textEscapes() {
        QTextDocument doc;
        UseEditorFont(doc);
        QTextCursor cursor(&doc);
        cursor.insertText(QString::fromUtf8("a\\b{c}d\te\u00e9\u20ac\u00a0\u03a9\U0001F600") +
                          QChar(0x2028) + "f" + QChar(0x0001) + QChar(0xFFFC) + "g");
        std::vector<std::string> lines = scrivlet::WriteTopicText(doc);
        QCOMPARE(lines[2], std::string("\\deflang1033\\pard\\plain\\f0\\fs22 a\\\\b\\{c\\}d\\tab e"
                                       "\\'e9\\'80\\'a0\\u937?\\u-10179?\\u-8704?\\line fg"));
    }

    void bulletParagraph() {
        QTextDocument doc;
        UseEditorFont(doc);
        QTextCursor cursor(&doc);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.insertText("item", bold);
        QTextBlockFormat format;
        scrivlet::SetIndents(format, {0, 18, 0});
        cursor.setBlockFormat(format);
        scrivlet::SetBullet(cursor, true);
        QVERIFY(scrivlet::HasBullet(cursor.block()));
        std::vector<std::string> lines = scrivlet::WriteTopicText(doc);
        QCOMPARE(lines[2],
                 std::string("\\deflang1033\\pard{\\pntext\\plain\\f0\\fs22\\b\\'95\\tab}"
                             "{\\*\\pn\\pnlvlblt\\pnindent0{\\pntxtb\\'95}}\\fi-360\\li360"
                             "\\plain\\f0\\fs22\\b item"));
        scrivlet::SetBullet(cursor, false);
        QVERIFY(!scrivlet::HasBullet(cursor.block()));
        QCOMPARE(scrivlet::WriteTopicText(doc)[2],
                 std::string("\\deflang1033\\pard\\fi-360\\li360\\plain\\f0\\fs22\\b item"));
    }

    void fontTableGivesEveryFontAFamilyWordOnce() {
        QTextDocument doc;
        UseEditorFont(doc);
        QTextCursor cursor(&doc);
        const char* names[] = {"Courier New", "Arial", "Times New Roman", "Comic Sans MS",
                               "Wingdings",   "Arial", "Mystery",         "Na;me{x}\\y"};
        for (const char* name : names) {
            QTextCharFormat format;
            format.setFontFamilies({QString::fromLatin1(name)});
            cursor.insertText(QStringLiteral("x"), format);
        }
        QTextCharFormat serif;
        serif.setFontFamilies({QStringLiteral("Obscure Face")});
        serif.setFontStyleHint(QFont::Serif);
        cursor.insertText(QStringLiteral("y"), serif);
        QTextCharFormat accented;
        accented.setFontFamilies({QString::fromUtf8("Fonte \u00e9")});
        cursor.insertText(QStringLiteral("z"), accented);
        QCOMPARE(scrivlet::WriteTopicText(doc)[0],
                 std::string("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl"
                             "{\\f0\\fmodern Courier New;}{\\f1\\fswiss Arial;}"
                             "{\\f2\\froman Times New Roman;}{\\f3\\fscript Comic Sans MS;}"
                             "{\\f4\\fnil Wingdings;}{\\f5\\fnil Mystery;}{\\f6\\fnil Namexy;}"
                             "{\\f7\\froman Obscure Face;}{\\f8\\fnil Fonte \\'e9;}}"));
    }

    void colourTableStartsWithBlackAndListsEachColourOnce() {
        QTextDocument doc;
        UseEditorFont(doc);
        QTextCursor cursor(&doc);
        for (QColor colour : {QColor(255, 0, 0), QColor(0, 0, 0), QColor(0, 0, 255),
                              QColor(255, 0, 0), QColor(0, 0, 255)}) {
            QTextCharFormat format;
            format.setForeground(colour);
            format.setFontItalic(true);
            cursor.insertText(QStringLiteral("c"), format);
            format.setFontItalic(false);
            cursor.insertText(QStringLiteral("d"), format);
        }
        std::vector<std::string> lines = scrivlet::WriteTopicText(doc);
        QCOMPARE(lines[1], std::string("{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;"
                                       "\\red0\\green0\\blue255;}"));
        QCOMPARE(lines[2], std::string("\\deflang1033\\pard\\plain\\f0\\fs22\\i\\cf1 c"
                                       "\\plain\\f0\\fs22\\cf1 d\\plain\\f0\\fs22\\i c"
                                       "\\plain\\f0\\fs22 d\\plain\\f0\\fs22\\i\\cf2 c"
                                       "\\plain\\f0\\fs22\\cf2 d\\plain\\f0\\fs22\\i\\cf1 c"
                                       "\\plain\\f0\\fs22\\cf1 d\\plain\\f0\\fs22\\i\\cf2 c"
                                       "\\plain\\f0\\fs22\\cf2 d"));
    }

    void adjacentRunsOfOneFormatAreWrittenOnce() {
        QTextDocument doc;
        UseEditorFont(doc);
        QTextCursor cursor(&doc);
        QTextCharFormat a;
        a.setFontUnderline(true);
        QTextCharFormat b = a;
        b.setProperty(QTextFormat::UserProperty, 1);  // differs for Qt, not for the topic text
        cursor.insertText("one ", a);
        cursor.insertText("two", b);
        QCOMPARE(scrivlet::WriteTopicText(doc)[2],
                 std::string("\\deflang1033\\pard\\plain\\f0\\fs22\\ul one two"));
    }

    void sizesAreHalfPointsCutTowardZero() {
        QTextDocument doc;
        UseEditorFont(doc);
        QTextCursor cursor(&doc);
        for (double points : {8.0, 10.5, 11.25, 72.0, 0.2}) {
            QTextCharFormat format;
            format.setFontPointSize(points);
            cursor.insertText("s", format);
        }
        QCOMPARE(scrivlet::WriteTopicText(doc)[2],
                 std::string("\\deflang1033\\pard\\plain\\f0\\fs16 s\\plain\\f0\\fs21 s"
                             "\\plain\\f0\\fs22 s\\plain\\f0\\fs144 s\\plain\\f0\\fs24 s"));
    }

    void paragraphAttributesInTwips() {
        QTextDocument doc;
        UseEditorFont(doc);
        QTextCursor cursor(&doc);
        QTextBlockFormat format;
        format.setAlignment(Qt::AlignRight);
        scrivlet::SetIndents(format, {36, -18, 9});
        cursor.setBlockFormat(format);
        cursor.insertText("p");
        QTextBlockFormat justified;
        justified.setAlignment(Qt::AlignJustify);
        cursor.insertBlock(justified);
        QCOMPARE(scrivlet::WriteTopicText(doc)[2],
                 std::string("\\deflang1033\\pard\\qr\\fi360\\li360\\ri180\\plain\\f0\\fs22 p"));
        QCOMPARE(scrivlet::WriteTopicText(doc)[3],
                 std::string("\\par \\pard\\qj\\plain\\f0\\fs22 "));
    }

    void writeRtfJoinsTheLinesWithCrLf() {
        QTextDocument doc;
        UseEditorFont(doc);
        QCOMPARE(scrivlet::WriteRtf(doc),
                 std::string("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                             "{\\colortbl\\red0\\green0\\blue0;}\r\n"
                             "\\deflang1033\\pard\\plain\\f0\\fs22 \r\n\\par }\r\n"));
    }

    void indentsAsTheEditorSeesThem() {
        QTextBlockFormat format;
        scrivlet::SetIndents(format, {36, 18, 9});
        QCOMPARE(format.leftMargin(), 72.0);   // 54 points
        QCOMPARE(format.textIndent(), -24.0);  // -18 points
        QCOMPARE(format.rightMargin(), 12.0);
        scrivlet::ParagraphIndents back = scrivlet::IndentsOf(format);
        QCOMPARE(back.first, 36.0);
        QCOMPARE(back.left, 18.0);
        QCOMPARE(back.right, 9.0);
    }
    void emptyDocumentIsOneEmptyParagraph() {
        QTextDocument doc;
        UseEditorFont(doc);
        COMPARE_LINES(scrivlet::WriteTopicText(doc),
                      (Lines{"{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}}",
                             "{\\colortbl\\red0\\green0\\blue0;}",
                             "\\deflang1033\\pard\\plain\\f0\\fs22 ", "\\par }"}));
    }

    void layoutOfTheDesignExample() {
        QTextDocument doc;
        UseEditorFont(doc);
        QTextCursor cursor(&doc);
        cursor.insertText("First paragraph with a ");
        QTextCharFormat jump;
        jump.setFontStrikeOut(true);
        jump.setForeground(QColor(0, 128, 0));
        cursor.insertText("jump", jump);
        QTextCharFormat hidden;
        hidden.setForeground(QColor(255, 0, 0));
        cursor.insertText("[href=20]", hidden);
        cursor.insertText(" here.", QTextCharFormat());
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.insertBlock(centred, bold);
        cursor.insertText("Centred bold", bold);
        QTextCharFormat times;
        times.setFontFamilies({QStringLiteral("Times New Roman")});
        times.setFontPointSize(12);
        cursor.insertText(" x", times);

        COMPARE_LINES(scrivlet::WriteTopicText(doc),
                      (Lines{"{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}"
                             "{\\f1\\froman Times New Roman;}}",
                             "{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;"
                             "\\red255\\green0\\blue0;}",
                             "\\deflang1033\\pard\\plain\\f0\\fs22 First paragraph with a "
                             "\\plain\\f0\\fs22\\strike\\cf1 jump\\plain\\f0\\fs22\\cf2 [href=20]"
                             "\\plain\\f0\\fs22  here.",
                             "\\par \\pard\\qc\\plain\\f0\\fs22\\b Centred bold"
                             "\\plain\\f1\\fs24  x",
                             "\\par }"}));
    }
};

QTEST_MAIN(RtfWriterTest)
#include "tst_rtf_writer.moc"
