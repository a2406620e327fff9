#include <QCheckBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <chrono>

#include "app/common/message_box.h"
#include "app/common/worker_wait.h"
#include "app/search/search_box.h"
#include "app/search/search_commands.h"
#include "core/model/project.h"

using namespace scrivlet;
using namespace scrivlet::app;

namespace {

const QString kEnd = QStringLiteral("Reached the end of the file.");

}  // namespace

class TestSearch : public QObject {
    Q_OBJECT

    QWidget* window_ = nullptr;
    QTextEdit* edit_ = nullptr;
    Project project_;
    std::unique_ptr<SearchCommands> search_;
    int storedBack_ = 0;
    bool storeBackSucceeds_ = true;
    int shown_ = 0;

    void Select(int start, int end) {
        QTextCursor cursor(edit_->document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        edit_->setTextCursor(cursor);
    }

    int SelStart() const { return edit_->textCursor().selectionStart(); }
    int SelEnd() const { return edit_->textCursor().selectionEnd(); }

    void SetFind(const QString& find, const QString& replace = QString(), bool matchCase = false,
                 bool whole = false) {
        search_->Box()->find->setText(find);
        search_->Box()->replace->setText(replace);
        search_->Box()->matchcase->setChecked(matchCase);
        search_->Box()->wholeword->setChecked(whole);
    }

private slots:
    void init() {
        window_ = new QWidget;
        edit_ = new QTextEdit(window_);
        project_ = Project();
        storedBack_ = 0;
        storeBackSucceeds_ = true;
        shown_ = 0;
        SearchHost host;
        host.Window = window_;
        host.Editor = edit_;
        host.Proj = &project_;
        host.StoreBack = [this] {
            ++storedBack_;
            return storeBackSucceeds_;
        };
        host.ShowTopic = [this] {
            ++shown_;
            edit_->setPlainText(QString::fromStdString(
                project_.Topics[static_cast<std::size_t>(project_.CurrentTopic)].Text.at(2)));
        };
        search_ = std::make_unique<SearchCommands>(host);
    }

    void cleanup() {
        search_.reset();
        delete window_;
    }

    void dialogControls() {
        Tsearchbox* box = search_->Box();
        QCOMPARE(box->windowTitle(), QString("Search"));
        QVERIFY(!box->isModal());
        QVERIFY(box->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(box->windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(box->matchcase->text(), QString("Case Sensitive"));
        QCOMPARE(box->wholeword->text(), QString("Whole words only"));
        QCOMPARE(box->all->text(), QString("All topics in project"));
        QCOMPARE(box->ReplaceAllBtn->text(), QString("Replace All"));
        QVERIFY(box->FindBtn->isEnabled());
        box->all->setChecked(true);
        QVERIFY(!box->FindBtn->isEnabled());
        QVERIFY(!box->ReplaceBtn->isEnabled());
        QVERIFY(box->ReplaceAllBtn->isEnabled());
        box->all->setChecked(false);
        QVERIFY(box->FindBtn->isEnabled());
        QVERIFY(box->ReplaceBtn->isEnabled());
    }

    void dialogIsCreatedOnceAndKeepsItsFields() {
        edit_->setPlainText("alpha beta");
        Select(0, 5);
        Tsearchbox* box = search_->Box();
        search_->ShowFind();
        QVERIFY(box->isVisible());
        QCOMPARE(box->find->text(), QString("alpha"));
        box->wholeword->setChecked(true);
        box->CancelBtn->click();
        QVERIFY(!box->isVisible());
        Select(6, 10);
        search_->ShowFind();  // "Find what:" is not empty: the selection is not taken
        QCOMPARE(search_->Box(), box);
        QCOMPARE(box->find->text(), QString("alpha"));
        QVERIFY(box->wholeword->isChecked());
        box->hide();
    }

    void findButtonClosesAndSearches() {
        edit_->setPlainText("one two one");
        Select(0, 0);
        SetFind("one");
        search_->ShowFind();
        search_->Box()->FindBtn->click();
        QVERIFY(!search_->Box()->isVisible());
        QCOMPARE(SelStart(), 0);
        QCOMPARE(SelEnd(), 3);
        search_->FindNext();
        QCOMPARE(SelStart(), 8);
        QCOMPARE(SelEnd(), 11);
    }

    void findNextNeverLooksBeforeTheCaret() {
        edit_->setPlainText("cat dog cat dog");
        SetFind("dog");
        Select(9, 9);
        search_->FindNext();
        QCOMPARE(SelStart(), 12);
        const int before = MessageBox::ShownCount();
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        search_->FindNext();
        QCOMPARE(MessageBox::ShownCount(), before + 1);
        QCOMPARE(MessageBox::LastText(), kEnd);
        QVERIFY(search_->EndReached);
        QCOMPARE(SelStart(), 12);  // the selection does not change
        QCOMPARE(SelEnd(), 15);
    }

    void findNextCountsParagraphBreaksLikeTheCursor() {
        edit_->setPlainText("first line\nsecond line\nthird");
        SetFind("third");
        Select(0, 0);
        search_->FindNext();
        QCOMPARE(edit_->textCursor().selectedText(), QString("third"));
    }

    void emptyFindDoesNothing() {
        edit_->setPlainText("abc");
        SetFind("");
        const int before = MessageBox::ShownCount();
        Select(1, 2);
        search_->FindNext();
        search_->ReplaceAndFindNext();
        search_->ReplaceAllBtnClick();
        QCOMPARE(MessageBox::ShownCount(), before);
        QCOMPARE(edit_->toPlainText(), QString("abc"));
        QCOMPARE(SelStart(), 1);
    }

    void wholeWordsIncludeTheBlanks() {
        edit_->setPlainText("cat concat cat, cat x");
        SetFind("cat", "dog", false, true);
        Select(0, 0);
        search_->FindNext();
        QCOMPARE(SelStart(), 15);  // neither at the start nor before the comma
        QCOMPARE(edit_->textCursor().selectedText(), QString(" cat "));
        // The selection carries blanks, so it is found again and replaced with blanks.
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        search_->ReplaceAndFindNext();
        QCOMPARE(edit_->toPlainText(), QString("cat concat cat, dog x"));
        QCOMPARE(MessageBox::LastText(), kEnd);
    }

    void caseFoldingIsAToZOnly() {
        edit_->setPlainText(QString::fromUtf8("\xC3\x89T\xC3\x89 \xC3\xA9t\xC3\xA9 ETE"));
        SetFind(QString::fromUtf8("\xC3\xA9T\xC3\xA9"));
        Select(0, 0);
        search_->FindNext();
        QCOMPARE(SelStart(), 4);  // only the t folds; the accented e does not
        SetFind("ete");
        Select(0, 0);
        search_->FindNext();
        QCOMPARE(SelStart(), 8);
        search_->Box()->matchcase->setChecked(true);
        Select(0, 0);
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        search_->FindNext();
        QCOMPARE(MessageBox::LastText(), kEnd);
    }

    void replaceAndFindNextReplacesAMatchingSelection() {
        edit_->setPlainText("Cat cat");
        SetFind("cat", "dog");
        Select(0, 3);
        search_->ReplaceAndFindNext();
        QCOMPARE(edit_->toPlainText(), QString("dog cat"));
        QCOMPARE(SelStart(), 4);
        QCOMPARE(SelEnd(), 7);
        // With case sensitivity "Cat" is no match: the search starts at the selection start.
        edit_->setPlainText("Cat cat");
        search_->Box()->matchcase->setChecked(true);
        Select(0, 3);
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        search_->ReplaceAndFindNext();
        QCOMPARE(edit_->toPlainText(), QString("Cat dog"));
        QCOMPARE(MessageBox::LastText(), kEnd);
    }

    void replaceAllInTopicEndsAfterOnePass() {
        edit_->setPlainText("a b a");
        SetFind("a", "aa", true);
        Select(0, 0);
        const int before = MessageBox::ShownCount();
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        search_->Box()->ReplaceAllBtn->click();
        QCOMPARE(edit_->toPlainText(), QString("aa b aa"));
        QCOMPARE(MessageBox::ShownCount(), before + 1);  // the one end message
        QCOMPARE(MessageBox::LastText(), kEnd);
        QVERIFY(search_->EndReached);
        QVERIFY(!search_->Box()->isVisible());
    }

    void replaceAllInTopicStartsAtTheSelection() {
        edit_->setPlainText("x1 x2 x3");
        SetFind("x", "y");
        Select(3, 3);
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        search_->ReplaceAllBtnClick();
        QCOMPARE(edit_->toPlainText(), QString("x1 y2 y3"));
    }

    void replaceAllWithEqualTextsDoesNothing() {
        edit_->setPlainText("same");
        SetFind("same", "same");
        const int before = MessageBox::ShownCount();
        search_->ReplaceAllBtnClick();
        QCOMPARE(MessageBox::ShownCount(), before);
        QCOMPARE(edit_->toPlainText(), QString("same"));
        // Equal except for case is not equal: it replaces.
        SetFind("same", "SAME");
        Select(0, 0);
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        search_->ReplaceAllBtnClick();
        QCOMPARE(edit_->toPlainText(), QString("SAME"));
    }

    void replaceAllInProject() {
        for (const char* body : {"one par here", "no match", "par and PAR"}) {
            TTopic topic;
            topic.Text = {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}",
                          "{\\colortbl\\red0\\green0\\blue0;}",
                          std::string("\\deflang1033\\pard\\plain\\f0\\fs22 ") + body, "\\par }"};
            project_.Topics.Add(topic);
        }
        project_.CurrentTopic = 2;
        edit_->setPlainText("editor text");
        edit_->document()->setModified(false);
        SetFind("par", "pair", false, false);
        search_->Box()->all->setChecked(true);
        // Declined: nothing changes and nothing more is said.
        MessageBox::SetNextAnswer(QMessageBox::No);
        search_->ReplaceAllBtnClick();
        QCOMPARE(MessageBox::LastText(), QString("Replace 3 occurrences in 2 topics?"));
        QCOMPARE(project_.Topics[0].Text[2], "\\deflang1033\\pard\\plain\\f0\\fs22 one par here");
        QCOMPARE(shown_, 0);
        QVERIFY(!project_.Modified());
        MessageBox::SetNextAnswers({QMessageBox::Yes, QMessageBox::Ok});
        search_->ReplaceAllBtnClick();
        QCOMPARE(MessageBox::Texts().mid(MessageBox::Texts().size() - 2),
                 QStringList({"Replace 3 occurrences in 2 topics?", "3 occurrences replaced."}));
        QCOMPARE(storedBack_, 2);
        QCOMPARE(shown_, 1);
        QVERIFY(project_.Modified());
        QVERIFY(!edit_->document()->isModified());
        QCOMPARE(project_.Topics[0].Text[2], "\\deflang1033\\pard\\plain\\f0\\fs22 one pair here");
        QCOMPARE(project_.Topics[2].Text[3], "\\par }");
        QCOMPARE(edit_->toPlainText(),
                 QString("\\deflang1033\\pard\\plain\\f0\\fs22 pair and pair"));

        // Whole words: both texts carry the blanks.
        SetFind("and", "or", false, true);
        MessageBox::SetNextAnswers({QMessageBox::Yes, QMessageBox::Ok});
        search_->ReplaceAllBtnClick();
        QCOMPARE(MessageBox::LastText(), QString("1 occurrences replaced."));
        QCOMPARE(project_.Topics[2].Text[2], "\\deflang1033\\pard\\plain\\f0\\fs22 pair or pair");
    }

    void replaceAllInProjectWithNoMatchKeepsModified() {
        TTopic topic;
        topic.Text = {"{\\rtf1", "{\\colortbl;}", "\\pard text", "}"};
        project_.Topics.Add(topic);
        project_.SetModified(false);
        edit_->document()->setModified(true);
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        QCOMPARE(search_->ReplaceAllInProject("zzz", "y", true), 0);
        QCOMPARE(MessageBox::LastText(), QString("0 occurrences replaced."));
        QVERIFY(!project_.Modified());
        QVERIFY(edit_->document()->isModified());
    }

    void replaceAllInProjectAbandonedWhenStoreBackFails() {
        TTopic topic;
        topic.Text = {"{\\rtf1", "{\\colortbl;}", "\\pard par", "}"};
        project_.Topics.Add(topic);
        storeBackSucceeds_ = false;
        const int before = MessageBox::ShownCount();
        QCOMPARE(search_->ReplaceAllInProject("par", "x", true), -1);
        QCOMPARE(MessageBox::ShownCount(), before);
        QCOMPARE(project_.Topics[0].Text[2], std::string("\\pard par"));
        QCOMPARE(shown_, 0);
    }

    void longWorkShowsAProgressBoxThatCancels() {
        std::atomic<bool> stop = false;
        bool ran = false;
        QVERIFY(RunWhileWaiting(
            window_, "quick", [&] { ran = true; }, stop));
        QVERIFY(ran);
        // Work that runs until it is told to stop: Cancel in the box tells it.
        QString shown;
        QTimer::singleShot(600, [&] {
            if (auto* box = window_->findChild<QProgressDialog*>()) {
                shown = box->labelText();
                box->findChild<QPushButton*>()->click();
            }
        });
        const auto started = std::chrono::steady_clock::now();
        const bool finished = RunWhileWaiting(
            window_, "Looking...",
            [&] {
                while (!stop &&
                       std::chrono::steady_clock::now() - started < std::chrono::seconds(20)) {
                    QThread::msleep(5);
                }
            },
            stop);
        QVERIFY(!finished);
        QCOMPARE(shown, QString("Looking..."));
    }

    void replaceAllInEmptyProject() {
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        QCOMPARE(search_->ReplaceAllInProject("a", "b", true), 0);
        QCOMPARE(shown_, 0);
        QCOMPARE(MessageBox::LastText(), QString("0 occurrences replaced."));
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
