#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "helpers/document_dump.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

using scrivlet::testing::DumpDocument;
using scrivlet::testing::ReadDataFile;

namespace {

QString Read(std::string_view rtf, scrivlet::RtfReadResult* result = nullptr) {
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Default Font"), 10));
    scrivlet::RtfReadResult r = scrivlet::ReadRtf(rtf, doc);
    if (result != nullptr) {
        *result = r;
    }
    return DumpDocument(doc);
}

}  // namespace

class RtfReaderTest : public QObject {
    Q_OBJECT

private slots:

    void laterFontDefinitionOfANumberWins() {
        QCOMPARE(Read("{\\rtf1{\\fonttbl{\\f0\\fswiss First;}{\\f0\\froman Second;}}\\f0 x}"),
                 QStringLiteral("paragraph left fi=0 li=0 ri=0\n"
                                "  [Second 12 default] x\n"));
    }

    void readsWordPadOutput() {
        scrivlet::RtfReadResult result;
        QCOMPARE(Read(ReadDataFile("wordpad.rtf"), &result),
                 QString::fromUtf8(R"(paragraph left fi=0 li=0 ri=0
  [Calibri 11 default] Hello 
  [Calibri 11 bold default] bold
  [Calibri 11 default]  and 
  [Calibri 11 italic default] italic
  [Calibri 11 default]  and 
  [Calibri 11 underline default] underline
  [Calibri 11 default]  and 
  [Calibri 11 strike default] struck
  [Calibri 11 default] .
paragraph left fi=0 li=0 ri=0
  [Calibri 11 #ff0000] Red text
  [Calibri 11 default]  and 
  [Calibri 14 #0000ff] blue 14
  [Calibri 11 default] .
paragraph centre fi=0 li=0 ri=0
  [Calibri 11 default] Centered
paragraph right fi=0 li=0 ri=0
  [Calibri 11 default] Right
paragraph left fi=-360 li=720 ri=0 bullet
  [Calibri 11 default] Bullet one
paragraph left fi=-360 li=720 ri=0 bullet
  [Calibri 11 default] Bullet two
paragraph left fi=0 li=0 ri=0
  [Arial 11 default] Arial café	tab)"
                                   "\u2028"
                                   R"(new line
paragraph left fi=0 li=1440 ri=720
  [Calibri 11 default] Indented
)"));
        // The file ends with the NUL byte the control puts after the last brace.
        QVERIFY2(result.ok, result.error.c_str());
    }

    void readsLibreOfficeOutput() {
        scrivlet::RtfReadResult result;
        QCOMPARE(Read(ReadDataFile("libreoffice.rtf"), &result),
                 QString::fromUtf8(R"(paragraph left fi=0 li=0 ri=0
  [Liberation Serif 12 default] Plain serif text and 
  [Liberation Serif 12 bold default] bold
  [Liberation Serif 12 default]  and 
  [Liberation Sans 12 italic #ff0000] red sans italic
paragraph centre fi=0 li=0 ri=0
  [Liberation Serif 12 underline default] Centred underlined
paragraph left fi=-360 li=720 ri=0 bullet
  [Liberation Serif 12 default] Item one
paragraph left fi=-360 li=720 ri=0 bullet
  [Liberation Serif 12 default] Item two
paragraph left fi=0 li=0 ri=0
  [Liberation Serif 12 default] Café and euro € and a bookmark and 中.
)"));
        QVERIFY2(result.ok, result.error.c_str());
    }

    void readsWordOutput() {
        scrivlet::RtfReadResult result;
        QCOMPARE(Read(ReadDataFile("word.rtf"), &result),
                 QString::fromUtf8(R"(paragraph left fi=0 li=0 ri=0
  [Calibri 11 default] Word text with 
  [Calibri 11 bold default] bold
  [Calibri 11 default]  and a 
  [Calibri 11 underline #0000ff] link
  [Calibri 11 default] .
paragraph justify fi=720 li=0 ri=0
  [Verdana 10 #ff0000] Justified red Verdana 10 with a footnote
  [Calibri 11 default]  after, and a picture: 
paragraph left fi=-360 li=720 ri=0 bullet
  [Calibri 11 default] Word bullet
paragraph left fi=0 li=0 ri=0
  [Calibri 11 italic strike default] En–dash, “quoted”, α alpha, 
  [Calibri 11 default] € euro
)"));
        QVERIFY2(result.ok, result.error.c_str());
    }

    void skipsUnknownDestinationsAndKeepsTheTextAround() {
        scrivlet::RtfReadResult result;
        QCOMPARE(Read("{\\rtf1 before {\\*\\unknown junk {nested \\b x}}middle "
                      "{\\info{\\title t}}{\\pict 0102}{\\object{\\objdata 00}}"
                      "{\\footnote note}after {\\stylesheet{\\s1 Normal;}}end}",
                      &result),
                 QStringLiteral("paragraph left fi=0 li=0 ri=0\n"
                                "  [Default Font 12 default] before middle after end\n"));
        QVERIFY(result.ok);
    }

    void plainAndGroupsRestoreCharacterState() {
        QCOMPARE(Read("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times;}}"
                      "\\f1\\fs40\\b A{\\i\\f0 B}C\\plain D\\b1 E\\b0 F}"),
                 QStringLiteral("paragraph left fi=0 li=0 ri=0\n"
                                "  [Times 20 bold default] A\n"
                                "  [Arial 20 bold italic default] B\n"
                                "  [Times 20 bold default] C\n"
                                "  [Arial 12 default] D\n"
                                "  [Arial 12 bold default] E\n"
                                "  [Arial 12 default] F\n"));
    }

    void pardResetsParagraphStateButNotCharacters() {
        QCOMPARE(Read("{\\rtf1\\qc\\li200\\b one\\par two\\par\\pard three\\par}"),
                 QStringLiteral("paragraph centre fi=0 li=200 ri=0\n"
                                "  [Default Font 12 bold default] one\n"
                                "paragraph centre fi=0 li=200 ri=0\n"
                                "  [Default Font 12 bold default] two\n"
                                "paragraph left fi=0 li=0 ri=0\n"
                                "  [Default Font 12 bold default] three\n"));
    }

    void lastParIsTheEndOfTheLastParagraph() {
        QTextDocument doc;
        QVERIFY(scrivlet::ReadRtf("{\\rtf1 a\\par b\\par}", doc).ok);
        QCOMPARE(doc.blockCount(), 2);
        QVERIFY(scrivlet::ReadRtf("{\\rtf1 a\\par b}", doc).ok);
        QCOMPARE(doc.blockCount(), 2);
        QVERIFY(scrivlet::ReadRtf("{\\rtf1 a\\par \\par}", doc).ok);
        QCOMPARE(doc.blockCount(), 2);
        QCOMPARE(doc.toPlainText(), QStringLiteral("a\n"));
    }

    void specialCharactersAndSymbols() {
        QTextDocument doc;
        QVERIFY(scrivlet::ReadRtf("{\\rtf1 a\\~b\\-c\\_d\\emdash\\endash\\bullet\\lquote\\rquote"
                                  "\\ldblquote\\rdblquote\\{\\}\\\\\\tab e\\line f\\cell g}",
                                  doc)
                    .ok);
        QCOMPARE(doc.toRawText(), QString::fromUtf8("a\u00a0b\u00adc\u2011d\u2014\u2013\u2022"
                                                    "\u2018\u2019\u201c\u201d{}\\\te\u2028f\tg"));
    }

    void unicodeWithUcAndSurrogatePairs() {
        QTextDocument doc;
        QVERIFY(scrivlet::ReadRtf("{\\rtf1 \\u-10179?\\u-8704?{\\uc0\\u937 x}\\uc2\\u8364 ab"
                                  "\\u8364\\'80\\'80c}",
                                  doc)
                    .ok);
        QCOMPARE(doc.toPlainText(), QString::fromUtf8("\U0001F600\u03a9x\u20ac\u20acc"));
    }

    void coloursFromTablesWithAndWithoutAutoEntry() {
        QCOMPARE(Read("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 red\\cf0  auto\\cf7  "
                      "none}"),
                 QStringLiteral("paragraph left fi=0 li=0 ri=0\n"
                                "  [Default Font 12 #ff0000] red\n"
                                "  [Default Font 12 default]  auto none\n"));
        QCOMPARE(Read("{\\rtf1{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;}"
                      "\\cf1 green\\cf0  black}"),
                 QStringLiteral("paragraph left fi=0 li=0 ri=0\n"
                                "  [Default Font 12 #008000] green\n"
                                "  [Default Font 12 default]  black\n"));
    }

    void unknownFontNumberFallsBackToTheDefaultFont() {
        QCOMPARE(Read("{\\rtf1\\deff1{\\fonttbl\\f0\\fswiss Arial;\\f1\\fmodern Courier New;}"
                      "\\f9 x\\f0 y}"),
                 QStringLiteral("paragraph left fi=0 li=0 ri=0\n"
                                "  [Courier New 12 default] x\n"
                                "  [Arial 12 default] y\n"));
    }

    void fontFamilyWordBecomesTheStyleHint() {
        QTextDocument doc;
        QVERIFY(
            scrivlet::ReadRtf("{\\rtf1{\\fonttbl{\\f0\\fmodern\\fcharset0 Fixed Thing;}}x}", doc)
                .ok);
        QTextCharFormat format = doc.begin().begin().fragment().charFormat();
        QCOMPARE(format.fontStyleHint(), QFont::TypeWriter);
        QCOMPARE(format.fontFamilies().toStringList(), QStringList{"Fixed Thing"});
    }

    void defaultTabWidthComesFromDeftab() {
        QTextDocument doc;
        QVERIFY(scrivlet::ReadRtf("{\\rtf1\\deftab360 x}", doc).ok);
        QCOMPARE(doc.defaultTextOption().tabStopDistance(), 24.0);
        QVERIFY(scrivlet::ReadRtf("{\\rtf1 x}", doc).ok);
        QCOMPARE(doc.defaultTextOption().tabStopDistance(), 48.0);
    }

    // A hanging indent is a tab stop at the left indent, so that a typed
    // bullet and tab line up with the lines below; the stop is not written.
    void hangingIndentStopsTheFirstTabAtTheLeftIndent() {
        QTextDocument doc;
        const std::string rtf =
            "{\\rtf1\\pard\\fi-360\\li360 \\'95\\tab hanging\\par"
            "\\pard\\fi360\\li360 first\\par\\pard plain\\par}";
        QVERIFY(scrivlet::ReadRtf(rtf, doc).ok);
        const QTextBlock hanging = doc.begin();
        QCOMPARE(hanging.blockFormat().tabPositions().size(), 1);
        QCOMPARE(hanging.blockFormat().tabPositions()[0].position, 24.0);
        QVERIFY(hanging.next().blockFormat().tabPositions().isEmpty());
        QVERIFY(hanging.next().next().blockFormat().tabPositions().isEmpty());
        // The first line starts at the bullet (li + fi = 0); the text after
        // the tab at the left indent, not at the next default stop (48).
        doc.setTextWidth(400);
        QVERIFY(doc.size().height() > 0);  // lays the document out
        QVERIFY(hanging.layout()->lineCount() > 0);
        const QTextLine first = hanging.layout()->lineAt(0);
        QCOMPARE(first.cursorToX(2) - first.cursorToX(0), 24.0);
        const std::vector<std::string> lines = scrivlet::WriteTopicText(doc);
        for (const std::string& written : lines) {
            QVERIFY2(written.find("\\tx") == std::string::npos, written.c_str());
        }
    }

    void emptyInputIsAnEmptyDocumentWithoutError() {
        QTextDocument doc;
        doc.setPlainText("old content");
        scrivlet::RtfReadResult result = scrivlet::ReadTopicText({}, doc);
        QVERIFY(result.ok);
        QCOMPARE(result.error, std::string());
        QVERIFY(doc.isEmpty());
        doc.setPlainText("old content");
        QVERIFY(scrivlet::ReadRtf(" \r\n", doc).ok);
        QVERIFY(doc.isEmpty());
    }

    void readingClearsTheDocumentAndKeepsUndoSetting() {
        QTextDocument doc;
        doc.setPlainText("old\nlines");
        QVERIFY(doc.isUndoRedoEnabled());
        QVERIFY(scrivlet::ReadRtf("{\\rtf1 new}", doc).ok);
        QCOMPARE(doc.toPlainText(), QStringLiteral("new"));
        QVERIFY(doc.isUndoRedoEnabled());
        QVERIFY(!doc.isUndoAvailable());
    }

    void topicTextLinesAreJoinedWithLineBreaksThatAreNotText() {
        QTextDocument doc;
        std::vector<std::string> lines{"{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}",
                                       "{\\colortbl\\red0\\green0\\blue0;}",
                                       "\\deflang1033\\pard\\plain\\f0\\fs22\\b",
                                       "bold\\b0",
                                       "plain",
                                       "\\par }"};
        QVERIFY(scrivlet::ReadTopicText(lines, doc).ok);
        QCOMPARE(doc.toPlainText(), QStringLiteral("boldplain"));
    }

    void numberedListsReadAsBullets() {
        QCOMPARE(Read("{\\rtf1{\\*\\pn\\pnlvlbody\\pndec{\\pntxta .}}\\fi-360\\li360 one\\par}"),
                 QStringLiteral("paragraph left fi=-360 li=360 ri=0 bullet\n"
                                "  [Default Font 12 default] one\n"));
    }
    void dumpSample() {
        const char* name = getenv("SCRIVLET_DUMP_SAMPLE");
        if (name == nullptr) {
            QSKIP("set SCRIVLET_DUMP_SAMPLE to a file of tests/data/rtf to see how it reads");
        }
        scrivlet::RtfReadResult result;
        qInfo().noquote() << Read(ReadDataFile(name), &result) << result.error.c_str();
    }
};

QTEST_MAIN(RtfReaderTest)
#include "tst_rtf_reader.moc"
