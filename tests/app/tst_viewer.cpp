// The help viewer window: opening at a map number, context or keyword,
// jumps and Back, pop-ups, macros, browsing, zoom and find.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolBar>

#include "app/common/message_box.h"
#include "app/viewer/find_bar.h"
#include "app/viewer/help_window.h"
#include "app/viewer/macro_runner.h"
#include "app/viewer/popup_window.h"
#include "app/viewer/topic_chooser.h"
#include "app/viewer/topic_renderer.h"
#include "app/viewer/topic_view.h"
#include "helpers/viewer_document.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::LibraryOf;
using scrivlet::test::ViewerDocument;

namespace {

HelpTarget By(HelpTarget::By by, std::string text, uint32_t number = 0) {
    HelpTarget target;
    target.by = by;
    target.text = std::move(text);
    target.number = number;
    return target;
}

// The viewport point in the middle of the first place of TEXT.
QPoint PointOf(TopicView* view, const QString& text) {
    const QTextCursor found = view->document()->find(text);
    Q_ASSERT(!found.isNull());
    QTextCursor middle(view->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    return view->cursorRect(middle).center();
}

QString FixedText(const HelpWindow& window) {
    return window.FixedView()->isHidden() ? QString()
                                          : window.FixedView()->document()->toPlainText();
}

}  // namespace

class ViewerTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        MessageBox::SetNextAnswer(QMessageBox::NoButton);
        MessageBox::Error(nullptr, QString());
    }

    void opensByMapNumberContextAndKeyword() {
        HelpWindow window(LibraryOf({{"test.hlp", ViewerDocument()}}));
        QVERIFY(window.OpenFile("/h/test.hlp", By(HelpTarget::By::MapNumber, "", 20)));
        QCOMPARE(window.CurrentTopic(), 1);
        QCOMPARE(window.windowTitle(), QString("Viewer Test"));
        window.Jump("", "", By(HelpTarget::By::Context, "NOTE"));
        QCOMPARE(window.CurrentTopic(), 2);
        // Two topics carry "start": the reader chooses.
        SetNextChoice(0);
        window.Jump("", "", By(HelpTarget::By::Keyword, "START"));
        QCOMPARE(window.CurrentTopic(), 1);
        window.Jump("", "", By(HelpTarget::By::MapNumber, "", 99));
        QCOMPARE(window.CurrentTopic(), 1);
        QCOMPARE(window.StatusText(), QString("No topic has the map number 99."));
        window.Jump("", "", By(HelpTarget::By::Keyword, "nothing"));
        QCOMPARE(window.StatusText(), QString("No topic has the keyword \"nothing\"."));
        window.Jump("", "", By(HelpTarget::By::Context, "gone"));
        QCOMPARE(window.StatusText(), QString("No topic has the context string \"gone\"."));

        // A file that cannot be read: the standard error box, nothing shown.
        HelpWindow other(LibraryOf({}));
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        QVERIFY(!other.OpenFile("/h/missing.hlp"));
        QCOMPARE(MessageBox::LastText(), QString("Cannot open the help file /h/missing.hlp"));
        QCOMPARE(other.CurrentTopic(), -1);
    }

    void rendersRegionsHotspotsAndPictures() {
        HelpWindow window(LibraryOf({{"test.hlp", ViewerDocument()}}));
        window.resize(600, 400);
        window.show();
        QVERIFY(window.OpenFile("/h/test.hlp"));
        QCOMPARE(window.CurrentTopic(), 0);
        QCOMPARE(FixedText(window), QString("Contents title"));
        QTextDocument* doc = window.ScrollingView()->document();
        QVERIFY(
            doc->toPlainText().startsWith("Go to the Second topic, see the note or run a macro."));
        auto formatAt = [doc](const QString& text) {
            QTextCursor cursor = doc->find(text);
            return cursor.charFormat();
        };
        const QTextCharFormat jump = formatAt("Second topic");
        QCOMPARE(jump.anchorHref(), QString("hotspot:0"));
        QCOMPARE(jump.foreground().color().rgba(), kHotspotGreen);
        QCOMPARE(jump.underlineStyle(), QTextCharFormat::SingleUnderline);
        const QTextCharFormat popup = formatAt("note");
        QCOMPARE(popup.anchorHref(), QString("hotspot:1"));
        QCOMPARE(popup.underlineStyle(), QTextCharFormat::DotLine);
        QCOMPARE(formatAt(" or run ").anchorHref(), QString());
        // The picture came with the document: its pixels, at its size.
        const QImage image =
            doc->resource(QTextDocument::ImageResource, QUrl("picture:0")).value<QImage>();
        QCOMPARE(image.size(), QSize(2, 2));
        QCOMPARE(image.pixel(1, 1), 0xFFFFFFFFu);
        // A topic without a non-scrolling region hides it.
        window.ShowTopic(1);
        QVERIFY(window.FixedView()->isHidden());
    }

    void clickedJumpAndBack() {
        HelpWindow window(LibraryOf({{"test.hlp", ViewerDocument()}}));
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.OpenFile("/h/test.hlp"));
        QVERIFY(!window.Button("BTN_BACK")->isEnabled());
        TopicView* view = window.ScrollingView();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, PointOf(view, "Second topic"));
        QCOMPARE(window.CurrentTopic(), 1);
        QVERIFY(window.Button("BTN_BACK")->isEnabled());
        window.Button("BTN_BACK")->trigger();
        QCOMPARE(window.CurrentTopic(), 0);
        QVERIFY(!window.Button("BTN_BACK")->isEnabled());
        QCOMPARE(int(window.History().Seen().size()), 2);
        QCOMPARE(window.History().Seen()[0].topic, 0);
        // A click on plain text goes nowhere.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, PointOf(view, "Go to"));
        QCOMPARE(window.CurrentTopic(), 0);
    }

    void popupOpensAndClosesOnEscapeOrClick() {
        HelpWindow window(LibraryOf({{"test.hlp", ViewerDocument()}}));
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.OpenFile("/h/test.hlp"));
        TopicView* view = window.ScrollingView();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, PointOf(view, "note"));
        PopupWindow* popup = window.Popup();
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->Topic(), 2);
        QCOMPARE(window.CurrentTopic(), 0);
        QVERIFY(popup->View()->document()->toPlainText().startsWith("A short note"));
        QVERIFY(popup->windowFlags() & Qt::FramelessWindowHint);
        QTest::keyClick(popup->View(), Qt::Key_Escape);
        QVERIFY(!popup->isVisible());

        window.ActivateAnchor("hotspot:1", QPoint(100, 100));
        QVERIFY(popup->isVisible());
        QTest::mouseClick(popup->View()->viewport(), Qt::LeftButton, {},
                          PointOf(popup->View(), "short"));
        QVERIFY(!popup->isVisible());
        QCOMPARE(window.CurrentTopic(), 0);
    }

    void macrosRunTheSupportedSubsetAndReportTheRest() {
        HelpWindow window(LibraryOf({{"test.hlp", ViewerDocument()}}));
        QVERIFY(window.OpenFile("/h/test.hlp"));
        // [CONFIG] showed the browse buttons.
        QVERIFY(window.Button("BTN_NEXT")->isVisible());
        QVERIFY(!window.Button("BTN_PREV")->isEnabled());
        window.Button("BTN_NEXT")->trigger();
        QCOMPARE(window.CurrentTopic(), 1);
        QVERIFY(!window.Button("BTN_NEXT")->isEnabled());
        window.BrowsePrevious();
        QCOMPARE(window.CurrentTopic(), 0);

        window.ActivateAnchor("hotspot:2", QPoint());  // JumpId(`', `note')
        QCOMPARE(window.CurrentTopic(), 2);
        window.RunMacro("CB(`btn_up', `&Up', `JC(`', 10)'); DB(`BTN_HISTORY')");
        QVERIFY(!window.Button("btn_history")->isEnabled());
        QAction* up = window.Button("BTN_UP");
        QVERIFY(up);
        QCOMPARE(up->text(), QString("&Up"));
        up->trigger();
        QCOMPARE(window.CurrentTopic(), 0);
        window.RunMacro("Contents(); Annotate()");
        QCOMPARE(window.StatusText(), QString("The macro Annotate is not supported"));
        window.RunMacro("JI(`', `second'");
        QCOMPARE(window.StatusText(), QString("Macro error: Missing \")\" in JI"));
        window.RunMacro("PopupId(`')");
        QCOMPARE(window.StatusText(), QString("The macro PopupId needs more arguments"));
        window.RunMacro("JumpContext(`', `x1')");
        QCOMPARE(window.StatusText(), QString("'x1' is not a valid integer value."));
        // ExecFile asks first; No runs nothing.
        MessageBox::SetNextAnswer(QMessageBox::No);
        window.RunMacro("EF(`notepad.exe', `readme.txt')");
        QCOMPARE(MessageBox::LastText(),
                 QString("This help file wants to run:\n\nnotepad.exe readme.txt\n\nRun it?"));
        window.RunMacro("Back()");
        QCOMPARE(window.CurrentTopic(), 2);
    }

    void jumpsIntoAnotherFileAndWindow() {
        help::HelpDocument other = ViewerDocument();
        other.project.title.text = "Other";
        HelpWindow window(LibraryOf({{"test.hlp", ViewerDocument()}, {"OTHER.HLP", other}}));
        QVERIFY(window.OpenFile("/h/test.hlp"));
        window.RunMacro("JI(`other.hlp>note', `second')");
        HelpWindow* note = window.SecondaryWindow("NOTE");
        QVERIFY(note);
        QVERIFY(note->isVisible());
        QCOMPARE(note->windowTitle(), QString("Glossary"));
        QVERIFY(note->File()->path.endsWith("/other.hlp"));
        QCOMPARE(note->CurrentTopic(), 1);
        QCOMPARE(note->ScrollingView()->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xE0));
        QCOMPARE(window.CurrentTopic(), 0);
        // The same window again, then closed by name.
        window.RunMacro("JI(`>note', `note')");
        QCOMPARE(window.SecondaryWindow("note"), note);
        QCOMPARE(note->File(), window.File());
        QCOMPARE(note->CurrentTopic(), 2);
        window.RunMacro("CloseWindow(`note')");
        QVERIFY(!note->isVisible());
        // A jump into a file that cannot be read says so and stays.
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        window.RunMacro("JI(`gone.hlp', `x')");
        QVERIFY(MessageBox::LastText().startsWith("Cannot open the help file /h/gone.hlp"));
        QCOMPARE(window.CurrentTopic(), 0);
    }

    void zoomCopyAndFindInTopic() {
        HelpWindow window(LibraryOf({{"test.hlp", ViewerDocument()}}));
        QVERIFY(window.OpenFile("/h/test.hlp", By(HelpTarget::By::Context, "second")));
        auto size = [&window] {
            return window.ScrollingView()
                ->document()
                ->begin()
                .begin()
                .fragment()
                .charFormat()
                .fontPointSize();
        };
        QCOMPARE(size(), 12.0);
        window.ZoomIn();
        QCOMPARE(window.Zoom(), 1.1);
        QCOMPARE(size(), 12.0 * 1.1);
        window.ZoomOut();
        window.ZoomOut();
        QCOMPARE(window.Zoom(), 0.9);

        window.CopyTopic();
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("The second topic's text about printing.\n"));

        window.FindInTopic();
        auto* bar = window.findChild<FindBar*>();
        bar->Edit()->setText("PRINTING");
        QVERIFY(bar->FindNext());
        QCOMPARE(window.ScrollingView()->textCursor().selectedText(), QString("printing"));
        bar->Edit()->setText("absent");
        QVERIFY(!bar->FindNext());
        QCOMPARE(window.StatusText(), QString("\"absent\" is not in this topic."));
    }
};

QTEST_MAIN(ViewerTest)
#include "tst_viewer.moc"
