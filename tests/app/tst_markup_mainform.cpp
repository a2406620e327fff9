// The markup and search commands as the main window reaches them: Tools menu
// items, "Help Tools" buttons, the topic list popup and the Edit menu.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "app/common/message_box.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/tmainform.h"
#include "app/markup/link_box.h"
#include "app/search/search_box.h"
#include "app/topics/topic_grid_view.h"
#include "core/build/build_sinks.h"
#include "core/build/topic_rtf.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::OnNextModal;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;

namespace {

void Select(TSRichEdit* edit, int start, int end) {
    QTextCursor cursor(edit->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

QColor ColorAt(TSRichEdit* edit, int pos) {
    QTextCursor cursor(edit->document());
    cursor.setPosition(pos + 1);
    const QTextCharFormat format = cursor.charFormat();
    return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                            : QColor(Qt::black);
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += line + "\n";
    }
    return out;
}

}  // namespace

class MarkupMainFormTest : public QObject {
    Q_OBJECT

    SettingsSandbox sandbox_;
    std::unique_ptr<TMainForm> form_;

    // A new project with three topics: 10 "Start", 30 "Overview", 40 "Details".
    void ThreeTopics() {
        form_->Action("TopicAdd")->trigger();
        form_->Action("TopicAdd")->trigger();
        Project& project = form_->GetProject();
        QCOMPARE(project.Topics.Count(), std::size_t{3});
        const int ids[] = {10, 30, 40};
        const char* titles[] = {"Start", "Overview", "Details"};
        for (std::size_t i = 0; i < 3; ++i) {
            project.Topics[i].TopicID = ids[i];
            project.Topics[i].Title = titles[i];
        }
        form_->FillTopicGrid(false);
        form_->ShowTopic(0);
        project.SetModified(false);
    }

private slots:
    void init() {
        sandbox_.Clear();
        form_ = StartWindow();
        ThreeTopics();
    }

    void cleanup() { form_.reset(); }

    void popupLinkFromTheTopicList() {
        TSRichEdit* edit = form_->RichEdit1();
        edit->setPlainText("Read the Overview first");
        form_->GetProject().SetModified(false);
        Select(edit, 9, 17);
        form_->TopicGrid()->SelectTopicCell(1);
        form_->Action("PopLink")->trigger();
        QCOMPARE(edit->toPlainText(), QString("Read the Overview[href=30] first"));
        QVERIFY(form_->GetProject().Modified());
        QCOMPARE(ColorAt(edit, 9), QColor(0, 128, 0));
        QCOMPARE(ColorAt(edit, 17), QColor(255, 0, 0));  // InsColor 9 by default
        QCOMPARE(form_->StatusPanel(0)->text(), QString("0: 26"));

        form_->Prefs().InsColor = 12;
        Select(edit, 0, 0);
        form_->TopicGrid()->SelectTopicCell(2);
        form_->Action("PopPopupLink")->trigger();
        QCOMPARE(edit->toPlainText(), QString("Details[href=40]Read the Overview[href=30] first"));
        QCOMPARE(ColorAt(edit, 7), QColor(0, 0, 255));
        QTextCursor cursor(edit->document());
        cursor.setPosition(1);
        QVERIFY(cursor.charFormat().fontUnderline());
    }

    void toolsMenuAndHelpToolsButtons() {
        TSRichEdit* edit = form_->RichEdit1();
        edit->setPlainText("x");
        Select(edit, 1, 1);
        form_->Action("ToolsKeepn")->trigger();
        form_->Action("KeepnBtn")->trigger();
        QCOMPARE(edit->toPlainText(), QString("x[keepn][keepn]"));
        OnNextModal([](QWidget* modal) {
            auto* box = qobject_cast<QInputDialog*>(modal);
            QVERIFY(box);
            box->setTextValue("start");
            box->accept();
        });
        form_->Action("AnchorBtn")->trigger();
        QCOMPARE(edit->toPlainText(), QString("x[keepn][keepn][#=start]"));
        OnNextModal([](QWidget* modal) {
            auto* box = qobject_cast<TLinkBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->atopic->currentIndex(), 0);  // the shown topic's row
            box->loc->setCurrentIndex(1);
            box->topicedit->setText("start");
            box->OKBtn->click();
        });
        form_->Action("ToolsLink")->trigger();
        QCOMPARE(edit->toPlainText(), QString("x[keepn][keepn][#=start][link=start]"));
        OnNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        form_->Action("ImageBtn")->trigger();
        OnNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        form_->Action("ToolsButton")->trigger();
        OnNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        form_->Action("PopSpecialLink")->trigger();
        QCOMPARE(edit->toPlainText(), QString("x[keepn][keepn][#=start][link=start]"));
    }

    void insertedLinkBuildsToHiddenContext() {
        TSRichEdit* edit = form_->RichEdit1();
        edit->setPlainText("See Overview.");
        Select(edit, 4, 12);
        form_->TopicGrid()->SelectTopicCell(1);
        form_->Action("PopLink")->trigger();
        QVERIFY(form_->StoreBack(true));
        const std::string stored = Joined(form_->GetProject().Topics[0].Text);
        QVERIFY2(stored.find("[href=30]") != std::string::npos, stored.c_str());
        LinesLog log;
        NoProgress progress;
        const std::string rtf = Joined(BuildTopicRtf(form_->GetProject(), log, progress));
        QVERIFY2(rtf.find("\\strike") < rtf.find("Overview"), rtf.c_str());
        QVERIFY2(rtf.find("Overview") < rtf.find("{\\v scrv30}"), rtf.c_str());
    }

    void searchDialogIsCreatedOnce() {
        QCOMPARE(form_->findChildren<Tsearchbox*>().size(), qsizetype(1));
        Tsearchbox* box = form_->findChild<Tsearchbox*>();
        TSRichEdit* edit = form_->RichEdit1();
        edit->setPlainText("alpha beta alpha");
        Select(edit, 0, 5);
        form_->Action("EditFind")->trigger();
        QVERIFY(box->isVisible());
        QCOMPARE(box->find->text(), QString("alpha"));
        box->CancelBtn->click();
        form_->Action("FindBtn")->trigger();
        QVERIFY(box->isVisible());
        QCOMPARE(form_->findChildren<Tsearchbox*>().size(), qsizetype(1));
        box->hide();
        form_->Action("EditFindNext")->trigger();
        QCOMPARE(edit->textCursor().selectionStart(), 11);
        box->replace->setText("gamma");
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        form_->Action("EditReplace")->trigger();
        QCOMPARE(MessageBox::LastText(), QString("Reached the end of the file."));
        QCOMPARE(edit->toPlainText(), QString("alpha beta gamma"));
    }

    void replaceInAllTopicsThroughTheWindow() {
        Project& project = form_->GetProject();
        const char* texts[] = {"stored before", "no match", "a par here"};
        for (int i = 2; i >= 0; --i) {
            form_->ShowTopic(i);
            form_->RichEdit1()->setPlainText(texts[i]);
            QVERIFY(form_->StoreBack(true));
        }
        // The current topic's editor text takes part without being stored first.
        form_->RichEdit1()->setPlainText("par one, par two");
        project.SetModified(false);
        Tsearchbox* box = form_->findChild<Tsearchbox*>();
        box->find->setText("par");
        box->replace->setText("section");
        box->all->setChecked(true);
        box->wholeword->setChecked(false);
        box->matchcase->setChecked(false);
        MessageBox::SetNextAnswers({QMessageBox::Yes, QMessageBox::Ok});
        box->ReplaceAllBtn->click();
        QCOMPARE(MessageBox::LastText(), QString("3 occurrences replaced."));
        QVERIFY(project.Modified());
        QCOMPARE(form_->RichEdit1()->toPlainText(), QString("section one, section two"));
        QCOMPARE(project.CurrentTopic, 0);
        form_->ShowTopic(2);
        QCOMPARE(form_->RichEdit1()->toPlainText(), QString("a section here"));
        // Every topic still has its header tables and body.
        for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
            const auto& text = project.Topics[i].Text;
            QVERIFY(text.size() >= 3);
            QVERIFY(text[0].find("{\\fonttbl") != std::string::npos);
            QVERIFY(text[1].find("{\\colortbl") != std::string::npos);
            QVERIFY(text[2].find("\\deflang") != std::string::npos);
        }
    }
};

QTEST_MAIN(MarkupMainFormTest)
#include "tst_markup_mainform.moc"
