#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <string>

#include "rtf/rtf_reader.h"

// Broken RTF must never crash or hang the reader: it returns what it could
// read and says what was wrong.
class RtfBrokenInputTest : public QObject {
    Q_OBJECT

private slots:
    void brokenInput_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");

        auto row = [](const char* name, const std::string& rtf, const char* text,
                      const char* error) {
            QTest::newRow(name) << QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size()))
                                << QString::fromUtf8(text) << QString::fromUtf8(error);
        };
        row("sound", "{\\rtf1 fine\\par}", "fine", "");
        row("byte order mark", "\xEF\xBB\xBF{\\rtf1 fine\\par}", "fine", "");
        row("truncated in text", "{\\rtf1 Hello \\b wor", "Hello wor",
            "the RTF ends with 1 group(s) still open at byte 19");
        row("truncated in the font table", "{\\rtf1{\\fonttbl{\\f0\\fswiss Ari", "",
            "the RTF ends with 3 group(s) still open at byte 30");
        row("truncated after a backslash", "{\\rtf1 abc\\", "abc",
            "the RTF ends after a backslash at byte 10");
        row("truncated hex escape", "{\\rtf1 caf\\'e", "caf",
            "\"\\'\" without two hexadecimal digits at byte 10");
        row("unclosed inner group", "{\\rtf1 a{\\b b", "ab",
            "the RTF ends with 2 group(s) still open at byte 13");
        row("stray close brace after the end", "{\\rtf1 a}}} b", "a",
            "text after the end of the document at byte 9");
        row("trailing padding is fine", std::string("{\\rtf1 a}\r\n \0\0", 14), "a", "");
        row("huge numbers", "{\\rtf1\\fs99999999999 big\\fi-99999999999999\\cf4294967296 x}",
            "bigx", "number too large after \"\\fs\" at byte 6");
        row("bin past the end", "{\\rtf1 a\\bin99999 b}", "a",
            "\\bin length 99999 runs past the end of the data at byte 8");
        row("negative bin", "{\\rtf1 a\\bin-3 b}", "ab", "negative \\bin length at byte 8");
        row("bin in text is not text", "{\\rtf1 a\\bin3 xyzb}", "ab", "");
        row("nul bytes", std::string("{\\rtf1 a\0b\\'00c}", 16), "abc",
            "NUL byte in the text at byte 8");
        row("not rtf", "just some text", "just some text",
            "not an RTF document: it does not start with \"{\\rtf\" at byte 0");
        row("uc beyond reason", "{\\rtf1\\uc99999\\u8364 abc}def", "\u20ac",
            "text after the end of the document at byte 25");
        // A lone surrogate is kept as it is, so that writing it gives it back.
        QTest::newRow("lone surrogate")
            << QByteArray("{\\rtf1 \\u-10179?x}") << (QString(QChar(0xD83D)) + "x") << QString();
        row("font table without names", "{\\rtf1{\\fonttbl{\\f0;}{\\f1}}\\f1 x}", "x", "");
        static const char kControlName[] =
            "{\\rtf1{\\fonttbl{\\f0\\froman \0\1\\'02;}{\\f1 A\0b;}}\\f1 x\\f0 y}";
        row("control characters in a font name", std::string(kControlName, sizeof kControlName - 1),
            "xy", "");
        row("colour index out of range", "{\\rtf1{\\colortbl;}\\cf99 x\\cf-5 y}", "xy", "");
        row("indent out of range", "{\\rtf1\\li99999999\\fi-2147483648 x}", "x", "");
    }

    void brokenInput() {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QFETCH(QString, error);
        QTextDocument doc;
        scrivlet::RtfReadResult result =
            scrivlet::ReadRtf(std::string_view(rtf.constData(), rtf.size()), doc);
        QCOMPARE(doc.toRawText(), text);
        QCOMPARE(QString::fromStdString(result.error), error);
        QCOMPARE(result.ok, error.isEmpty());
    }

    void millionNestedGroupsClosed() {
        std::string rtf =
            "{\\rtf1 a" + std::string(1000000, '{') + "b" + std::string(1000000, '}') + "c}";
        QTextDocument doc;
        scrivlet::RtfReadResult result = scrivlet::ReadRtf(rtf, doc);
        QCOMPARE(doc.toRawText(), QStringLiteral("abc"));
        QCOMPARE(result.error, std::string("groups nested deeper than 1000 levels at byte 1007"));
    }

    void millionNestedGroupsNeverClosed() {
        std::string rtf = "{\\rtf1 a" + std::string(1000000, '{') + "\\b b";
        QTextDocument doc;
        scrivlet::RtfReadResult result = scrivlet::ReadRtf(rtf, doc);
        QCOMPARE(doc.toRawText(), QStringLiteral("ab"));
        QVERIFY(!result.ok);
        QCOMPARE(result.error, std::string("groups nested deeper than 1000 levels at byte 1007"));
    }

    void deepNestingBelowTheCapKeepsFormats() {
        std::string rtf =
            "{\\rtf1" + std::string(900, '{') + "\\b x" + std::string(900, '}') + " y}";
        QTextDocument doc;
        QVERIFY(scrivlet::ReadRtf(rtf, doc).ok);
        QTextBlock block = doc.begin();
        QTextBlock::iterator it = block.begin();
        QCOMPARE(it.fragment().text(), QStringLiteral("x"));
        QCOMPARE(it.fragment().charFormat().fontWeight(), int(QFont::Bold));
        ++it;
        QCOMPARE(it.fragment().text(), QStringLiteral(" y"));
        QCOMPARE(it.fragment().charFormat().fontWeight(), int(QFont::Normal));
    }

    void everyPrefixOfADocumentReadsWithoutCrashing() {
        const std::string rtf =
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0"
            "\\blue0;}\\pard\\qc{\\pntext\\'95\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'95}}\\fi-360"
            "\\li360\\f0\\fs22\\b\\cf1 caf\\'e9 \\u8364?\\bin2 {}\\tab x\\par }";
        for (std::size_t n = 0; n <= rtf.size(); ++n) {
            QTextDocument doc;
            scrivlet::RtfReadResult result = scrivlet::ReadRtf(rtf.substr(0, n), doc);
            QCOMPARE(result.ok, n == 0 || n == rtf.size());
        }
    }
};

QTEST_MAIN(RtfBrokenInputTest)
#include "tst_rtf_broken_input.moc"
