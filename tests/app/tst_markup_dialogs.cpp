#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/markup/anchor_prompt.h"
#include "app/markup/button_box.h"
#include "app/markup/file_chooser.h"
#include "app/markup/image_box.h"
#include "app/markup/link_box.h"
#include "app/markup/markup_commands.h"
#include "core/model/project.h"

using namespace scrivlet;
using namespace scrivlet::app;

namespace {

// Runs ACT on the next modal dialog once it is shown.
template <class Dialog>
void OnNextDialog(std::function<void(Dialog*)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "no modal dialog of the expected class");
        act(dialog);
    });
}

Project SampleProject() {
    Project project;
    for (auto [id, title] : std::initializer_list<std::pair<int, const char*>>{
             {10, "Start"}, {30, "Overview"}, {40, "Details"}}) {
        TTopic topic;
        topic.TopicID = id;
        topic.Title = title;
        project.Topics.Add(topic);
    }
    project.WindowDefs = {"main=\"Main\",(0,0,1023,1023)", "popwin=\"Pop\""};
    return project;
}

bool Shown(QWidget* widget, QWidget* dialog) {
    return widget->isVisibleTo(dialog);
}

}  // namespace

class TestMarkupDialogs : public QObject {
    Q_OBJECT

    QTextEdit* edit_ = nullptr;
    Project project_;
    int row_ = 1;
    int refreshed_ = 0;
    int focused_ = 0;
    std::unique_ptr<MarkupCommands> commands_;

    void Select(int start, int end) {
        QTextCursor cursor(edit_->document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        edit_->setTextCursor(cursor);
    }

private slots:
    void init() {
        edit_ = new QTextEdit;
        edit_->setPlainText("Read the Overview first");
        project_ = SampleProject();
        row_ = 1;
        refreshed_ = 0;
        focused_ = 0;
        MarkupHost host;
        host.Editor = edit_;
        host.Proj = &project_;
        host.SelectedTopicRow = [this] { return row_; };
        host.InsColor = [] { return 9; };
        host.SelectionChange = [this] { ++refreshed_; };
        host.FocusEditorNotebook = [this] { ++focused_; };
        commands_ = std::make_unique<MarkupCommands>(host);
    }

    void cleanup() {
        commands_.reset();
        delete edit_;
        SetOpenFileAnswer({});
    }

    void linkBoxControls() {
        TLinkBox box;
        box.Fill(project_, 2);
        QCOMPARE(box.windowTitle(), QString("Special Link"));
        QCOMPARE(box.atopic->count(), 3);
        QCOMPARE(box.atopic->itemText(1), QString("30: Overview"));
        QCOMPARE(box.atopic->currentIndex(), 2);
        QCOMPARE(box.atopic->maxVisibleItems(), 16);
        QCOMPARE(box.awindow->count(), 2);
        QCOMPARE(box.awindow->itemText(0), QString("main"));
        QCOMPARE(box.awindow->itemText(1), QString("popwin"));
        QVERIFY(box.awindow->isEditable());
        QCOMPARE(box.awindow->currentText(), QString());
        QCOMPARE(box.appear->itemText(0), QString("Default green + underline"));
        QCOMPARE(box.appear->itemText(2), QString("No color or underline"));
        QCOMPARE(box.loc->itemText(3), QString("WinHelp macro"));
        QCOMPARE(box.appear->currentIndex(), 0);
        QCOMPARE(box.loc->currentIndex(), 0);
        QVERIFY(!box.pop->isChecked());
        QVERIFY(box.OKBtn->isDefault());
    }

    void linkBoxVisibilityFollowsLocation() {
        TLinkBox box;
        box.Fill(project_, 0);
        box.show();
        struct Row {
            int loc;
            bool pop, label, atopic, topicedit, window, file, medit;
        };
        // Going back and forth checks that every change reapplies the whole table.
        for (const Row& r : {Row{3, false, false, false, false, false, false, true},
                             Row{0, true, true, true, false, true, false, false},
                             Row{2, true, true, false, true, true, true, false},
                             Row{1, true, true, false, true, true, false, false},
                             Row{3, false, false, false, false, false, false, true},
                             Row{2, true, true, false, true, true, true, false}}) {
            box.loc->setCurrentIndex(r.loc);
            QCOMPARE(box.pop->isEnabled(), r.pop);
            QCOMPARE(Shown(box.TopicLabel, &box), r.label);
            QCOMPARE(Shown(box.atopic, &box), r.atopic);
            QCOMPARE(Shown(box.topicedit, &box), r.topicedit);
            QCOMPARE(Shown(box.awindow, &box), r.window);
            QCOMPARE(Shown(box.WindowLabel, &box), r.window);
            QCOMPARE(Shown(box.filename, &box), r.file);
            QCOMPARE(Shown(box.BrowseBtn, &box), r.file);
            QCOMPARE(Shown(box.FilenameLabel, &box), r.file);
            QCOMPARE(Shown(box.medit, &box), r.medit);
        }
    }

    void linkBoxBrowse() {
        TLinkBox box;
        OpenFileRequest seen;
        SetOpenFileAnswer([&](const OpenFileRequest& request) {
            seen = request;
            return QString("/help/files/OTHER.HLP");
        });
        box.BrowseBtnClick();
        QCOMPARE(seen.Title, QString("Find Help File"));
        QCOMPARE(seen.Filter, QString("Help Files (*.hlp)"));
        QCOMPARE(seen.Folder, QString());
        QCOMPARE(box.filename->text(), QString("/help/files/OTHER.HLP"));
        SetOpenFileAnswer([&](const OpenFileRequest& request) {
            seen = request;
            return QString();
        });
        box.BrowseBtnClick();
        QCOMPARE(seen.Folder, QString("/help/files"));
        QCOMPARE(box.filename->text(), QString("/help/files/OTHER.HLP"));  // cancel keeps it
    }

    void specialLinkToProjectTopic() {
        Select(9, 17);
        OnNextDialog<TLinkBox>([](TLinkBox* box) {
            QCOMPARE(box->atopic->currentIndex(), 1);  // the topic list's selected row
            box->pop->setChecked(true);
            box->awindow->setEditText("popwin");
            box->OKBtn->click();
        });
        commands_->LinkBtnClick();
        QCOMPARE(edit_->toPlainText(), QString("Read the Overview[href=30>popwin] first"));
        QCOMPARE(refreshed_, 1);
    }

    void specialLinkToAnotherHelpFile() {
        Select(9, 17);
        OnNextDialog<TLinkBox>([](TLinkBox* box) {
            box->appear->setCurrentIndex(1);
            box->loc->setCurrentIndex(2);
            box->topicedit->setText("intro");
            box->filename->setText("C:\\HELP\\OTHER.HLP");
            box->awindow->setEditText("main");
            box->OKBtn->click();
        });
        commands_->LinkBtnClick();
        QCOMPARE(edit_->toPlainText(),
                 QString("Read the Overview[link=*intro@C:\\HELP\\OTHER.HLP>main] first"));
    }

    void specialMacroLinkIgnoresPopupAndWindow() {
        Select(9, 17);
        OnNextDialog<TLinkBox>([](TLinkBox* box) {
            box->pop->setChecked(true);
            box->awindow->setEditText("main");
            box->loc->setCurrentIndex(3);
            box->medit->setPlainText("Contents()\nExit()");
            box->OKBtn->click();
        });
        commands_->LinkBtnClick();
        QCOMPARE(edit_->toPlainText(),
                 QString("Read the Overview[link=!Contents();Exit();] first"));
        QTextCursor cursor(edit_->document());
        cursor.setPosition(10);
        QVERIFY(cursor.charFormat().fontStrikeOut());
        QVERIFY(!cursor.charFormat().fontUnderline());
    }

    void specialLinkStopsSilently() {
        OnNextDialog<TLinkBox>([](TLinkBox* box) {
            box->loc->setCurrentIndex(3);  // empty macro field
            box->OKBtn->click();
        });
        commands_->LinkBtnClick();
        OnNextDialog<TLinkBox>([](TLinkBox* box) { box->CancelBtn->click(); });
        commands_->LinkBtnClick();
        project_.Topics.Clear();  // no topic to choose
        OnNextDialog<TLinkBox>([](TLinkBox* box) { box->OKBtn->click(); });
        commands_->LinkBtnClick();
        QCOMPARE(edit_->toPlainText(), QString("Read the Overview first"));
        QCOMPARE(refreshed_, 0);
    }

    void emptyAnchorAndFileFieldsGiveAtSign() {
        Select(4, 4);
        OnNextDialog<TLinkBox>([](TLinkBox* box) {
            box->loc->setCurrentIndex(2);
            box->OKBtn->click();
        });
        commands_->LinkBtnClick();
        QCOMPARE(edit_->toPlainText(), QString("Read[link=@] the Overview first"));
    }

    void standardLinksFromTopicList() {
        Select(9, 17);
        row_ = 1;
        commands_->LinkClick(false);
        QCOMPARE(focused_, 1);
        QCOMPARE(edit_->toPlainText(), QString("Read the Overview[href=30] first"));
        Select(0, 0);
        row_ = 2;
        commands_->LinkClick(true);
        QCOMPARE(edit_->toPlainText(), QString("Details[href=40]Read the Overview[href=30] first"));
        QTextCursor cursor(edit_->document());
        cursor.setPosition(1);
        QVERIFY(cursor.charFormat().fontUnderline());
        row_ = -1;
        commands_->LinkClick(false);
        QCOMPARE(edit_->toPlainText(), QString("Details[href=40]Read the Overview[href=30] first"));
    }

    void imageBoxOkFollowsFileName() {
        TImageBox box(project_);
        QCOMPARE(box.windowTitle(), QString("Image"));
        QVERIFY(!box.OKBtn->isEnabled());
        QVERIFY(box.LeftBtn->isChecked());
        QVERIFY(!box.trans->isChecked());
        box.image->setText("a.bmp");
        QVERIFY(box.OKBtn->isEnabled());
        box.image->clear();
        QVERIFY(!box.OKBtn->isEnabled());
    }

    void imageCommandInsertsCode() {
        Select(4, 4);
        OnNextDialog<TImageBox>([](TImageBox* box) {
            box->image->setText("logo.bmp");
            box->CharacterBtn->setChecked(true);
            box->trans->setChecked(true);
            box->OKBtn->click();
        });
        commands_->ImgBtnClick();
        QCOMPARE(edit_->toPlainText(), QString("Read{bmct logo.bmp} the Overview first"));
        OnNextDialog<TImageBox>([](TImageBox* box) {
            // A new dialog: no field is remembered from the last one.
            QVERIFY(box->image->text().isEmpty());
            QVERIFY(box->LeftBtn->isChecked());
            QVERIFY(!box->trans->isChecked());
            box->image->setText(QString(300, 'n'));
            box->RightBtn->setChecked(true);
            box->OKBtn->click();
        });
        Select(0, 0);
        commands_->ImgBtnClick();
        QCOMPARE(edit_->toPlainText().left(255), "{bmr " + QString(250, 'n'));
        QCOMPARE(edit_->toPlainText().mid(255, 4), QString("Read"));
    }

    void imageBrowseInUnsavedProjectAddsFolder() {
        QTemporaryDir dir;
        OpenFileRequest seen;
        SetOpenFileAnswer([&](const OpenFileRequest& request) {
            seen = request;
            return dir.path() + "/pics/logo.bmp";
        });
        TImageBox box(project_);
        box.BrowseBtnClick();
        QCOMPARE(seen.Title, QString("Find Image"));
        QCOMPARE(seen.Filter, QString("Bitmaps  (*.bmp);;SHG files  (*.shg);;MetaFiles  "
                                      "(*.wmf);;All Images (*.bmp *.shg *.wmf)"));
        QCOMPARE(seen.SelectedFilter, QString("All Images (*.bmp *.shg *.wmf)"));
        QCOMPARE(seen.Folder, QString());
        QCOMPARE(box.image->text(), QString("logo.bmp"));
        QVERIFY(box.OKBtn->isEnabled());
        const std::string folder = (dir.path() + "/pics/").toStdString();
        QCOMPARE(project_.BitmapRoots, std::vector<std::string>{folder});
        box.BrowseBtnClick();  // already there
        QCOMPARE(project_.BitmapRoots.size(), std::size_t(1));
    }

    void imageBrowseInProjectFolderAddsNothing() {
        QTemporaryDir dir;
        project_.ProjectFileName = (dir.path() + "/help.scw").toStdString();
        OpenFileRequest seen;
        SetOpenFileAnswer([&](const OpenFileRequest& request) {
            seen = request;
            return dir.path() + "/logo.bmp";
        });
        TImageBox box(project_);
        box.BrowseBtnClick();
        QCOMPARE(seen.Folder, dir.path() + "/");
        QVERIFY(project_.BitmapRoots.empty());
        SetOpenFileAnswer([&](const OpenFileRequest&) { return dir.path() + "/sub/x.wmf"; });
        box.BrowseBtnClick();
        QCOMPARE(project_.BitmapRoots,
                 std::vector<std::string>{(dir.path() + "/sub/").toStdString()});
        QCOMPARE(box.image->text(), QString("x.wmf"));
        SetOpenFileAnswer([&](const OpenFileRequest&) { return QString(); });
        box.BrowseBtnClick();  // cancelled: nothing changes
        QCOMPARE(box.image->text(), QString("x.wmf"));
        QCOMPARE(project_.BitmapRoots.size(), std::size_t(1));
    }

    void buttonCommand() {
        Select(4, 4);
        OnNextDialog<TButtonBox>([](TButtonBox* box) {
            QCOMPARE(box->windowTitle(), QString("Button"));
            QCOMPARE(box->macro->lineWrapMode(), QPlainTextEdit::NoWrap);
            box->cap->setText("Close");
            box->macro->setPlainText("Exit()");
            box->OKBtn->click();
        });
        commands_->ButtonBtnClick();
        QCOMPARE(edit_->toPlainText(), QString("Read{button Close, Exit();} the Overview first"));
        OnNextDialog<TButtonBox>([](TButtonBox* box) {
            box->cap->setText("Never");
            box->CancelBtn->click();
        });
        commands_->ButtonBtnClick();
        QCOMPARE(edit_->toPlainText(), QString("Read{button Close, Exit();} the Overview first"));
    }

    void anchorPrompt() {
        Select(0, 0);
        OnNextDialog<QInputDialog>([](QInputDialog* box) {
            QCOMPARE(box->windowTitle(), QString("Anchor"));
            QCOMPARE(box->labelText(), QString("Anchor name:"));
            QCOMPARE(box->textValue(), QString());
            box->accept();
        });
        commands_->AnchBtnClick();
        QCOMPARE(edit_->toPlainText(), QString("[#=]Read the Overview first"));
        OnNextDialog<QInputDialog>([](QInputDialog* box) {
            box->setTextValue("start");
            box->accept();
        });
        commands_->AnchBtnClick();
        QCOMPARE(edit_->toPlainText(), QString("[#=][#=start]Read the Overview first"));
        OnNextDialog<QInputDialog>([](QInputDialog* box) {
            box->setTextValue("never");
            box->reject();
        });
        commands_->AnchBtnClick();
        QCOMPARE(edit_->toPlainText(), QString("[#=][#=start]Read the Overview first"));
        QCOMPARE(refreshed_, 2);
    }

    void keepnCommand() {
        Select(0, 4);
        commands_->KeepBtnClick();
        QCOMPARE(edit_->toPlainText(), QString("Read[keepn] the Overview first"));
        QCOMPARE(refreshed_, 1);
    }
};

QTEST_MAIN(TestMarkupDialogs)
#include "tst_markup_dialogs.moc"
