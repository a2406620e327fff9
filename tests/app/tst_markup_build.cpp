#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include "app/markup/insert_markup.h"
#include "core/build/build_sinks.h"
#include "core/build/topic_rtf.h"
#include "core/markup/markup_codes.h"
#include "core/model/project.h"
#include "core/search/replace_in_project.h"
#include "rtf/ansi_text.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

using namespace scrivlet;
using namespace scrivlet::app;

namespace {

Project LinkedProject() {
    Project project;
    auto add = [&](int id, const char* title, const char* context) {
        TTopic topic;
        topic.TopicID = id;
        topic.Title = title;
        topic.ContextString = context;
        topic.Keywords = "k";
        project.Topics.Add(topic);
    };
    add(10, "Start", "intro");
    add(30, "Overview", "");
    add(120, "Glossary", "gloss");
    return project;
}

void Select(QTextEdit& edit, int start, int end) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

void CaretAt(QTextEdit& edit, int pos) {
    Select(edit, pos, pos);
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += '\n';
    }
    return out;
}

// Every fragment's text and the formats that matter to the build.
QStringList Fragments(const QTextDocument& doc) {
    QStringList out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            out << QString("%1|%2%3%4%5|%6|%7")
                       .arg(fragment.text())
                       .arg(f.fontStrikeOut() ? "S" : "")
                       .arg(f.fontUnderline() ? "U" : "")
                       .arg(f.fontWeight() > QFont::Normal ? "B" : "")
                       .arg(f.fontItalic() ? "I" : "")
                       .arg(f.foreground().color().name())
                       .arg(f.fontPointSize());
        }
        out << QString("align %1").arg(int(block.blockFormat().alignment()));
    }
    return out;
}

}  // namespace

class TestMarkupBuild : public QObject {
    Q_OBJECT

private slots:
    // Each code the commands insert, stored back through the topic text writer
    // and built, gives the WinHelp codes the help compiler reads.
    void insertedCodesBuildToHelpCodes() {
        Project project = LinkedProject();
        QTextEdit edit;
        edit.setPlainText("Heading\nSee Overview and Glossary or terms.\nEnd");
        const MarkupTarget target{&edit, 9, {}};

        // Heading: keep-with-next after it.
        CaretAt(edit, 7);
        InsertKeepn(target);
        const int body = edit.toPlainText().indexOf("See");
        // "Overview" as a jump to topic 30.
        Select(edit, body + 4, body + 12);
        QVERIFY(InsertLinkCode(target, project.Topics, false, "", true, "", "30"));
        // "Glossary" as a pop-up without colour, in window popwin.
        int at = edit.toPlainText().indexOf("Glossary");
        Select(edit, at, at + 8);
        QVERIFY(InsertLinkCode(target, project.Topics, true, "%", true, "popwin", "120"));
        // "terms" as a jump to a context string.
        at = edit.toPlainText().indexOf("terms");
        Select(edit, at, at + 5);
        QVERIFY(InsertLinkCode(target, project.Topics, false, "*", false, "", "glossary"));
        // An anchor, an image and a button in the last paragraph.
        at = edit.toPlainText().indexOf("End");
        CaretAt(edit, at);
        InsertMarkupCode(target, FromAnsi(BuildAnchorCode("start")));
        InsertMarkupCode(target, FromAnsi(BuildImageCode(ImageAlign::Character, true, "logo.bmp")));
        InsertMarkupCode(target, FromAnsi(BuildButtonCode("Close", {"Exit()"})));

        project.Topics[0].Text = WriteTopicText(*edit.document());
        QTextDocument other;
        other.setPlainText("Other topic");
        project.Topics[1].Text = WriteTopicText(other);
        project.Topics[2].Text = WriteTopicText(other);
        const std::string stored = Joined(project.Topics[0].Text);
        QVERIFY2(stored.find("[href=30]") != std::string::npos, stored.c_str());

        LinesLog log;
        NoProgress progress;
        const std::vector<std::string> out = BuildTopicRtf(project, log, progress);
        const std::string rtf = Joined(out);
        QVERIFY2(log.lines.empty(), log.lines.empty() ? "" : log.lines.front().c_str());

        // The jump: struck-through hotspot text, then hidden text naming the
        // generated context string of topic 30.
        const std::size_t jump = rtf.find("{\\v scrv30}");
        QVERIFY2(jump != std::string::npos, rtf.c_str());
        const std::size_t overview = rtf.rfind("Overview", jump);
        QVERIFY(overview != std::string::npos);
        const std::size_t strike = rtf.rfind("\\strike", overview);
        QVERIFY(strike != std::string::npos);
        QVERIFY(rtf.rfind("\\plain", overview) < strike);  // the hotspot's own run is struck
        QCOMPARE(project.Topics[1].ContextString.str(), std::string("scrv30"));
        // The pop-up: underlined hotspot, prefix and window kept.
        const std::size_t popup = rtf.find("{\\v %gloss>popwin}");
        QVERIFY2(popup != std::string::npos, rtf.c_str());
        const std::size_t glossary = rtf.rfind("Glossary", popup);
        QVERIFY(rtf.rfind("\\ul", glossary) > rtf.rfind("\\plain", glossary));
        // The context-string jump, the anchor footnote.
        QVERIFY2(rtf.find("terms\\plain") != std::string::npos ||
                     rtf.find("terms") < rtf.find("{\\v *glossary}"),
                 rtf.c_str());
        QVERIFY(rtf.find("{\\v *glossary}") != std::string::npos);
        QVERIFY(rtf.find("#{\\footnote start}") != std::string::npos);
        // Image and button codes reach the compiler as the editor wrote them:
        // braces escaped, which is how the compiler reads a bitmap reference.
        QVERIFY2(rtf.find("\\{bmct logo.bmp\\}") != std::string::npos, rtf.c_str());
        QVERIFY(rtf.find("\\{button Close, Exit();\\}") != std::string::npos);
        // No markup is left over.
        QVERIFY(rtf.find("[href=") == std::string::npos);
        QVERIFY(rtf.find("[link=") == std::string::npos);
        QVERIFY(rtf.find("[#=") == std::string::npos);
        QVERIFY(rtf.find("[keepn]") == std::string::npos);
        // Keep-with-next: the first paragraph keeps with the next, and the
        // paragraph after the marker starts afresh.
        std::size_t deflang = 0;
        for (; deflang < out.size(); ++deflang) {
            if (out[deflang].find("\\deflang") != std::string::npos) {
                break;
            }
        }
        QVERIFY(deflang < out.size());
        QVERIFY2(out[deflang].find("\\pard\\keepn") != std::string::npos, out[deflang].c_str());
        QVERIFY2(out[deflang + 1].rfind("\\par\\pard", 0) == 0, out[deflang + 1].c_str());
    }

    // Replacing words that are also RTF control words in every topic keeps
    // every topic readable with its formatting as it was.
    void replacingControlWordsKeepsTopicsLoadable() {
        Project project = LinkedProject();
        std::vector<QStringList> before;
        for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
            QTextDocument doc;
            QTextCursor cursor(&doc);
            QTextCharFormat bold;
            bold.setFontWeight(QFont::Bold);
            bold.setForeground(QColor(0, 0, 255));
            QTextCharFormat plain;
            plain.setFontPointSize(14);
            cursor.insertText("A par", bold);
            cursor.insertText(" of rtf with f1 and ", plain);
            cursor.insertText("caf\u00e9", bold);
            QTextBlockFormat centred;
            centred.setAlignment(Qt::AlignHCenter);
            cursor.insertBlock(centred);
            cursor.insertText("second par", plain);
            project.Topics[i].Text = WriteTopicText(doc);
            QTextDocument check;
            QVERIFY(ReadTopicText(project.Topics[i].Text, check).ok);
            before.push_back(Fragments(check));
        }
        int total = 0;
        for (const char* word : {"par", "f1", "rtf", "fs28", "red0", "deflang"}) {
            total += ReplaceAllInProject(project, word, "xyz", false);
        }
        QCOMPARE(total, 3 * 4);  // "par" twice, "f1" and "rtf" once in each topic
        for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
            QTextDocument doc;
            const RtfReadResult read = ReadTopicText(project.Topics[i].Text, doc);
            QVERIFY2(read.ok, read.error.c_str());
            QStringList expected = before[i];
            expected.replaceInStrings("par", "xyz");
            expected.replaceInStrings("rtf", "xyz");
            expected.replaceInStrings("f1", "xyz");
            QCOMPARE(Fragments(doc), expected);
            QCOMPARE(project.Topics[i].Text.size(), std::size_t(5));
        }
        // The build still finds its tables and the body.
        LinesLog log;
        NoProgress progress;
        BuildTopicRtf(project, log, progress);
        for (const auto& line : log.lines) {
            QVERIFY2(line.find("Error") == std::string::npos, line.c_str());
        }
    }
};

QTEST_MAIN(TestMarkupBuild)
#include "tst_markup_build.moc"
