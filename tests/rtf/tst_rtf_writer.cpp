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
