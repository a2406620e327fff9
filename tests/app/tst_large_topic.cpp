// A topic text too large for the editor: opened in part and read-only, the
// author told so, and the whole text kept through store-back and save.
#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include "app/editor/tsrichedit.h"
#include "app/mainform/project_commands.h"
#include "app/mainform/tmainform.h"
#include "app/mainform/topic_text.h"
#include "core/projectfile/project_file.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;

namespace {

// The second topic's text: 120 short paragraphs, then one long line.
std::vector<std::string> LargeText() {
    std::vector<std::string> lines{
        "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}}",
        "{\\colortbl\\red0\\green0\\blue0;}", "\\deflang1033\\pard\\plain\\f0\\fs22 Opening words"};
    for (int i = 1; i <= 120; ++i) {
        lines.push_back("\\par \\pard\\plain\\f0\\fs22 Paragraph " + std::to_string(i));
    }
    lines.push_back("\\par \\pard\\plain\\f0\\fs22 " + std::string(3000, 'x') + " closing words");
    lines.emplace_back("\\par }");
    return lines;
}

Project TwoTopics(const QString& path) {
    Project project;
    project.Reset();
    project.ProjectFileName = path.toStdString();
    TTopic small = CreateTopic();
    small.TopicID = 10;
    small.Title = "Small";
    small.Text = {"{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss Arial;}}",
                  "{\\colortbl\\red0\\green0\\blue0;}", "\\deflang1033\\pard\\plain\\f0\\fs22 Hi",
                  "\\par }"};
    TTopic large = CreateTopic();
    large.TopicID = 20;
    large.Title = "Large";
    large.Text = LargeText();
    project.Topics.Add(small);
    project.Topics.Add(large);
    return project;
}

}  // namespace

class LargeTopicTest : public QObject {
    Q_OBJECT

private slots:
    void prefixCountsEachLineWithItsLineEnd() {
        const std::vector<std::string> lines{"abc", "defgh", "ij"};
        const auto prefix = [&lines](std::size_t total, std::size_t line) {
            return TopicTextPrefix(lines, TopicTextLimit{total, line});
        };
        QCOMPARE(prefix(100, 100), lines);
        QCOMPARE(prefix(5, 100), (std::vector<std::string>{"abc"}));
        QCOMPARE(prefix(8, 100), (std::vector<std::string>{"abc", "def"}));
        QCOMPARE(prefix(12, 100), (std::vector<std::string>{"abc", "defgh"}));
        QCOMPARE(prefix(2, 100), (std::vector<std::string>{"ab"}));
        // A line past the line limit is cut there, and nothing follows it.
        QCOMPARE(prefix(100, 4), (std::vector<std::string>{"abc", "defg"}));
        QCOMPARE(prefix(100, 5), lines);
    }

    void noticeSaysWhatHappens() {
        QCOMPARE(PartTopicNotice(100u * 1024 * 1024, TopicTextLimit{}),
                 QString("This topic's text is 100.0 MB, more than the editor opens at once "
                         "(8.0 MB in all, 256 KB in one paragraph). Its beginning is shown, "
                         "read-only; the whole text stays in the project as it is and is saved "
                         "unchanged."));
        QVERIFY(PartTopicNotice(4500, TopicTextLimit{2000, 100})
                    .startsWith("This topic's text is 5 KB, more than the editor opens at once (2 "
                                "KB in all, 1 KB in one paragraph)."));
    }

    void largeTopicOpensInPartAndIsSavedWhole() {
        const QString path = sandbox_.Path() + "/large.scw";
        WriteProjectFile(TwoTopics(path), path.toStdString());
        auto form = StartWindow(path);
        form->SetEditorLoadLimit(TopicTextLimit{2000, 1500});
        form->Action("NextBtn")->trigger();
        QCOMPARE(form->GetProject().CurrentTopic, 1);

        TSRichEdit* editor = form->RichEdit1();
        QVERIFY(form->EditorHoldsPart());
        QVERIFY(editor->isReadOnly());
        QVERIFY(form->PartNotice()->isVisibleTo(form.get()));
        std::size_t bytes = 0;
        for (const std::string& line : LargeText()) {
            bytes += line.size() + 2;
        }
        QCOMPARE(form->PartNotice()->text(), PartTopicNotice(bytes, TopicTextLimit{2000, 1500}));
        const QString shown = editor->document()->toPlainText();
        QVERIFY(shown.startsWith("Opening words"));
        QVERIFY(!shown.contains("Paragraph 120"));
        QVERIFY(!shown.contains("closing words"));

        // A change made to the document anyway (a command, not typing) is
        // not an edit, and never reaches the topic.
        editor->textCursor().insertText("changed ");
        QVERIFY(!form->EditorChanged());
        QVERIFY(!form->GetProject().Modified());
        form->SetEditorChanged(true);  // however it came to be set
        QVERIFY(form->StoreBack(true));
        QCOMPARE(form->GetProject().Topics[1].Text, LargeText());
        form->GetProject().HelpTitle = "Saved again";
        form->SetModified(true);
        QVERIFY(form->ProjectCmds().Save());
        const auto saved = ReadProjectFile(path.toStdString());
        QVERIFY(saved.has_value());
        QCOMPARE(saved->Topics[1].Text, LargeText());

        // Within the total, one paragraph past the line limit is enough.
        form->SetEditorLoadLimit(TopicTextLimit{1 << 20, 1000});
        form->Action("PrevBtn")->trigger();
        form->Action("NextBtn")->trigger();
        QVERIFY(form->EditorHoldsPart());
        QVERIFY(editor->document()->toPlainText().contains("Paragraph 120"));
        QVERIFY(!editor->document()->toPlainText().contains("closing words"));

        // A topic within the limit opens whole and writable again.
        form->Action("PrevBtn")->trigger();
        QVERIFY(!form->EditorHoldsPart());
        QVERIFY(!editor->isReadOnly());
        QVERIFY(!form->PartNotice()->isVisibleTo(form.get()));
        editor->textCursor().insertText("typed ");
        QVERIFY(form->EditorChanged());
    }

private:
    SettingsSandbox sandbox_;
};

QTEST_MAIN(LargeTopicTest)
#include "tst_large_topic.moc"
