#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>

#include "helpers/document_dump.h"
#include "rtf/paragraph_format.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

using scrivlet::testing::DumpDocument;
using scrivlet::testing::JoinLines;

namespace {

using Builder = std::function<void(QTextCursor&)>;

QTextCharFormat Font(const QString& family, double points) {
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(points);
    return format;
}

QTextCharFormat Coloured(int r, int g, int b) {
    QTextCharFormat format;
    format.setForeground(QColor(r, g, b));
    return format;
}

QTextBlockFormat Aligned(Qt::Alignment align) {
    QTextBlockFormat format;
    format.setAlignment(align);
    return format;
}

QTextBlockFormat Indented(double first, double left, double right) {
    QTextBlockFormat format;
    scrivlet::SetIndents(format, {first, left, right});
    return format;
}

void Plain(QTextCursor& c) {
    c.insertText("One paragraph.");
    c.insertBlock();
    c.insertBlock();
    c.insertText("After an empty one.");
    c.insertBlock();
}

void CharacterStyles(QTextCursor& c) {
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    QTextCharFormat underline;
    underline.setFontUnderline(true);
    QTextCharFormat strike;
    strike.setFontStrikeOut(true);
    QTextCharFormat all = bold;
    all.merge(italic);
    all.merge(underline);
    all.merge(strike);
    all.merge(Coloured(0, 0, 128));
    c.insertText("bold", bold);
    c.insertText(" italic", italic);
    c.insertText(" underline", underline);
    c.insertText(" strike", strike);
    c.insertText(" all", all);
    c.insertText(" plain", QTextCharFormat());
}

void FontsSizesColours(QTextCursor& c) {
    c.insertText("Arial 8 ", Font("Arial", 8));
    c.insertText("Times 10.5 ", Font("Times New Roman", 10.5));
    c.insertText("Courier 72 ", Font("Courier New", 72));
    c.insertText("Comic 14 ", Font("Comic Sans MS", 14));
    c.insertText("unknown 9 ", Font("Frobozz Display", 9));
    c.insertBlock();
    c.insertText("red", Coloured(255, 0, 0));
    c.insertText(" teal", Coloured(0, 128, 128));
    c.insertText(" red again", Coloured(255, 0, 0));
    c.insertText(" black", Coloured(0, 0, 0));
    c.insertText(" odd", Coloured(10, 20, 30));
}

void Paragraphs(QTextCursor& c) {
    c.setBlockFormat(Aligned(Qt::AlignRight));
    c.insertText("right");
    c.insertBlock(Aligned(Qt::AlignHCenter));
    c.insertText("centre");
    c.insertBlock(Aligned(Qt::AlignJustify));
    c.insertText("justified");
    c.insertBlock(Aligned(Qt::AlignLeft));
    c.insertText("left");
    c.insertBlock(Indented(36, 18, 9));
    c.insertText("indented 36/18/9");
    c.insertBlock(Indented(0, -18, 0));
    c.insertText("hanging");
    c.insertBlock(Indented(12.5, 0, 0));
    c.insertText("half points");
}

void Bullets(QTextCursor& c) {
    c.insertText("before");
    c.insertBlock();
    c.insertText("first bullet");
    scrivlet::SetBullet(c, true);
    c.insertBlock();
    c.insertText("second bullet, bold");
    QTextCursor whole(c.block());
    whole.select(QTextCursor::BlockUnderCursor);
    c.insertBlock(QTextBlockFormat());
    c.insertText("no bullet");
    scrivlet::SetBullet(c, false);
    c.insertBlock();
    c.insertText("indented bullet");
    QTextBlockFormat indented = Indented(0, 18, 0);
    c.mergeBlockFormat(indented);
    scrivlet::SetBullet(c, true);
}

void Characters(QTextCursor& c) {
    c.insertText(
        QString::fromUtf8("tab\there, back\\slash, {braces}, caf\u00e9 \u20ac5 "
                          "\u201cquoted\u201d nbsp\u00a0x"));
    c.insertText(QString(QChar(0x2028)) + "after a line break");
    c.insertBlock();
    c.insertText(QString::fromUtf8("Greek \u03a9, CJK \u4e2d, emoji \U0001F600, soft\u00adhyphen"));
    c.insertBlock();
    c.insertText("~starts with a tilde, \\par and [HREF=20] and }{ ");
    c.insertBlock();
    c.insertText(QString::fromUtf8("\u0081\u008d odd cp1252 bytes, \u00ff\u00fe"));
}

void Empty(QTextCursor&) {}

void EmptyFormattedParagraphs(QTextCursor& c) {
    QTextCharFormat big = Font("Times New Roman", 20);
    big.setFontItalic(true);
    c.setBlockCharFormat(big);
    c.insertBlock(Aligned(Qt::AlignHCenter), Font("Courier New", 9));
}

}  // namespace

class RtfRoundTripTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data() {
        QTest::addColumn<Builder>("build");
        QTest::newRow("plain") << Builder(Plain);
        QTest::newRow("character styles") << Builder(CharacterStyles);
        QTest::newRow("fonts sizes colours") << Builder(FontsSizesColours);
        QTest::newRow("paragraphs") << Builder(Paragraphs);
        QTest::newRow("bullets") << Builder(Bullets);
        QTest::newRow("characters") << Builder(Characters);
        QTest::newRow("empty") << Builder(Empty);
        QTest::newRow("empty formatted paragraphs") << Builder(EmptyFormattedParagraphs);
    }

    // Write, read, write gives the same lines, and the document read renders
    // like the one written.
    void roundTrip() {
        QFETCH(Builder, build);
        QTextDocument original;
        original.setDefaultFont(QFont(QStringLiteral("Arial"), 11));
        QTextCursor cursor(&original);
        build(cursor);

        std::vector<std::string> first = scrivlet::WriteTopicText(original);
        QTextDocument read;
        read.setDefaultFont(QFont(QStringLiteral("Verdana"), 17));
        scrivlet::RtfReadResult result = scrivlet::ReadTopicText(first, read);
        QVERIFY2(result.ok, result.error.c_str());
        std::vector<std::string> second = scrivlet::WriteTopicText(read);
        QCOMPARE(JoinLines(second), JoinLines(first));

        QTextDocument readAgain;
        readAgain.setDefaultFont(QFont(QStringLiteral("Arial"), 11));
        QVERIFY(scrivlet::ReadTopicText(first, readAgain).ok);
        QCOMPARE(DumpDocument(readAgain), DumpDocument(original));
        QCOMPARE(readAgain.toPlainText(), original.toPlainText());
        if (qEnvironmentVariableIsSet("SCRIVLET_SHOW_RTF")) {
            qInfo().noquote() << JoinLines(first) << DumpDocument(readAgain);
        }
        QCOMPARE(readAgain.blockCount(), original.blockCount());
    }

    void lineLayoutHoldsForEveryDocument_data() { roundTrip_data(); }

    // The build reads the text by lines: tables on lines 1 and 2, "\deflang"
    // opening line 3, one "\par " line per further paragraph, "\par }" last,
    // no line starting with "~".
    void lineLayoutHoldsForEveryDocument() {
        QFETCH(Builder, build);
        QTextDocument doc;
        QTextCursor cursor(&doc);
        build(cursor);
        std::vector<std::string> lines = scrivlet::WriteTopicText(doc);
        QCOMPARE(static_cast<int>(lines.size()), doc.blockCount() + 3);
        QVERIFY(lines[0].starts_with("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\f"));
        QVERIFY(lines[0].ends_with(";}}"));
        QVERIFY(lines[1].starts_with("{\\colortbl\\red0\\green0\\blue0;"));
        QVERIFY(lines[1].ends_with(";}"));
        QVERIFY(lines[2].starts_with("\\deflang1033\\pard"));
        for (std::size_t i = 3; i + 1 < lines.size(); ++i) {
            QVERIFY2(lines[i].starts_with("\\par \\pard"), lines[i].c_str());
        }
        QCOMPARE(lines.back(), std::string("\\par }"));
        for (const std::string& line : lines) {
            QVERIFY(!line.starts_with("~"));
            for (char ch : line) {
                QVERIFY(ch != '\r' && ch != '\n' && ch != '\0');
                QVERIFY(static_cast<unsigned char>(ch) < 0x80);
            }
        }
    }
};

QTEST_MAIN(RtfRoundTripTest)
#include "tst_rtf_round_trip.moc"
