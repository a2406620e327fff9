#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSettings>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include "app/common/message_box.h"
#include "app/contents/cnt_item_box.h"
#include "app/contents/contents_box.h"
#include "app/contents/contents_commands.h"
#include "app/contents/contents_lists.h"
#include "app/contents/header_boxes.h"
#include "core/model/project.h"

using namespace scrivlet;
using namespace scrivlet::app;

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "<missing>";
    }
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
    return {lines.begin(), lines.end()};
}

// Runs ACT on the next modal dialog as soon as it is shown.
template <typename Dialog, typename Act>
void OnNextModal(Act act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        act(dialog);
    });
}

}  // namespace

class TestContentsBox : public QObject {
    Q_OBJECT

private:
    QTemporaryDir config_;
    QTemporaryDir dir_;

    Project SavedProject() const {
        Project project;
        project.ProjectFileName = dir_.filePath("proj/manual.scw").toStdString();
        project.ContentsFileName = "manual.cnt";
        project.HelpFileName = "manual.hlp";
        project.HelpTitle = "The Manual";
        project.WindowDefs = {"main=\"Main\",(0,0,100,100)", "pop=,,,", "solo"};
        TTopic first;
        first.Title = "Welcome";
        first.ContextString = "scrv10";
        project.Topics.Add(first);
        TTopic second;
        second.Title = "Installing";
        second.ContextString = "scrv20";
        project.Topics.Add(second);
        return project;
    }

    QString SavedProjectContents() const { return dir_.filePath("proj/manual.cnt"); }

    // An editor over a file holding LINES as entries.
    std::unique_ptr<TContentsBox> EditorWith(const QByteArray& text) {
        WriteBytes(SavedProjectContents(), text);
        auto box = std::make_unique<TContentsBox>(SavedProject(), nullptr);
        box->show();
        return box;
    }

private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        QVERIFY(QDir(dir_.path()).mkpath("proj"));
        QVERIFY(QDir(dir_.path()).mkpath("help"));
    }

    void init() {
        QSettings(QStringLiteral("Scrivlet"), QStringLiteral("Scrivlet")).remove("ContentEd");
        QFile::remove(SavedProjectContents());
    }

    void looksInTheProjectFolderForABareHelpFile() {
        auto box = EditorWith("1 Book\r\n2 Page=p\r\n");
        QCOMPARE(QString::fromStdString(box->Contents().CntFileName), SavedProjectContents());
        QCOMPARE(box->Contents().EntryLines, Lines({"1 Book", "2 Page=p"}));
        QCOMPARE(box->windowTitle(), QString("manual.cnt - Scrivlet Contents Editor"));
        QCOMPARE(box->cntlist->count(), 2);
    }

    void looksInTheHelpFilesFolder() {
        WriteBytes(dir_.filePath("help/manual.cnt"), ":Title From help folder\r\n1 X\r\n");
        Project project = SavedProject();
        project.HelpFileName = dir_.filePath("help/manual.hlp").toStdString();
        TContentsBox box(project, nullptr);
        QCOMPARE(QString::fromStdString(box.Contents().CntFileName),
                 dir_.filePath("help/manual.cnt"));
        QCOMPARE(box.xTitle->text(), QString("From help folder"));
    }

    void fillsTopicsAndWindows() {
        TContentsBox box(SavedProject(), nullptr);
        QCOMPARE(box.TopicsList->count(), 2);
        QCOMPARE(box.TopicsList->item(1)->text(), QString("Installing"));
        QCOMPARE(box.xWindow->count(), 3);
        QCOMPARE(box.xWindow->itemText(0), QString("main"));
        QCOMPARE(box.xWindow->itemText(1), QString("pop"));
        QCOMPARE(box.xWindow->itemText(2), QString("solo"));
    }

    void toolbarAndLayout() {
        TContentsBox box(SavedProject(), nullptr);
        QStringList hints;
        for (QAction* action : box.Toolbar->actions()) {
            hints << (action->isSeparator() ? "|" : action->toolTip());
        }
        QCOMPARE(hints,
                 QStringList({"New", "Open", "Save", "|", "Add Item", "Delete Item", "Edit Item",
                              "|", "Move Up", "Move Down", "Move Left", "Move Right"}));
        QCOMPARE(box.Toolbar->windowTitle(), QString("Contents Toolbar"));
        QVERIFY(!box.Toolbar->isMovable());
        QCOMPARE(box.minimumSize(), QSize(318, 202));
        QCOMPARE(box.GrabBar1->handleWidth(), 3);
    }

    void missingFileStartsAPrefilledNewOne() {
        TContentsBox box(SavedProject(), nullptr);
        QVERIFY(box.Contents().IsUntitled());
        QCOMPARE(box.windowTitle(), QString("Untitled - Scrivlet Contents Editor"));
        QCOMPARE(box.xTitle->text(), QString("The Manual"));
        QCOMPARE(box.xFile->text(), QString("manual.hlp"));
        box.show();
        QVERIFY(!box.Contents().CntModified);

        // Save asks for a name first.
        const QString target = dir_.filePath("proj/chosen.cnt");
        QString proposed;
        box.ChooseSaveFile = [&](const QString& name) {
            proposed = name;
            return target;
        };
        QVERIFY(box.FileSave());
        // Where the project looks for its contents file, not the program's
        // folder.
        QCOMPARE(proposed, SavedProjectContents());
        QCOMPARE(ReadBytes(target), QByteArray(":Base manual.hlp\r\n:Title The Manual\r\n"));
        QCOMPARE(box.windowTitle(), QString("chosen.cnt - Scrivlet Contents Editor"));
        QVERIFY(!box.Contents().CntModified);
    }

    void saveProposesTheProjectsNameWhenItNamesNoContentsFile() {
        Project project = SavedProject();
        project.ContentsFileName = "";
        TContentsBox box(project, nullptr);
        QString proposed;
        box.ChooseSaveFile = [&](const QString& name) {
            proposed = name;
            return QString();
        };
        QVERIFY(!box.FileSave());
        QCOMPARE(proposed, SavedProjectContents());
    }

    void unsavedProjectUsesTheBareName() {
        Project project = SavedProject();
        project.ProjectFileName = "Untitled";
        TContentsBox box(project, nullptr);
        QVERIFY(box.Contents().IsUntitled());
        QCOMPARE(box.xFile->text(), QString("manual.hlp"));
    }

    void typingInTheHeaderFieldsMarksAChange() {
        auto box = EditorWith("1 Book\r\n");
        QVERIFY(!box->Contents().CntModified);
        QTest::keyClicks(box->xTitle, "T");
        QVERIFY(box->Contents().CntModified);
        QCOMPARE(box->Contents().DefaultTitle, std::string("T"));
        box->xWindow->setEditText("pop");
        QCOMPARE(box->Contents().DefaultWindow, std::string("pop"));
        QVERIFY(box->FileSave());
        QCOMPARE(ReadBytes(SavedProjectContents()), QByteArray(":Title T\r\n1 Book\r\n"));
    }

    void keysActOnReleaseWithoutModifiers() {
        auto box = EditorWith("1 Book\r\n1 Page=p\r\n1 Other=o\r\n");
        box->Select(1);
        QTest::keyClick(box->cntlist, Qt::Key_Space);
        QCOMPARE(box->Contents().EntryLines[1], std::string("2 Page=p"));
        QCOMPARE(box->Selection(), 1);
        QTest::keyClick(box->cntlist, Qt::Key_Space, Qt::ShiftModifier);
        QCOMPARE(box->Contents().EntryLines[1], std::string("2 Page=p"));
        QTest::keyClick(box->cntlist, Qt::Key_Backspace);
        QCOMPARE(box->Contents().EntryLines[1], std::string("1 Page=p"));
        QTest::keyClick(box->cntlist, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(box->Contents().Count(), 3);
        QTest::keyClick(box->cntlist, Qt::Key_Delete);
        QCOMPARE(box->Contents().EntryLines, Lines({"1 Book", "1 Other=o"}));
        QCOMPARE(box->Selection(), 1);

        bool asked = false;
        box->EditEntry = [&](const std::string& line, bool addMode) -> std::optional<std::string> {
            asked = true;
            if (!addMode || !line.empty()) {
                return std::nullopt;
            }
            return std::string("1 Added");
        };
        box->Select(0);
        QTest::keyClick(box->cntlist, Qt::Key_Insert);
        QVERIFY(asked);
        QCOMPARE(box->Contents().EntryLines, Lines({"1 Book", "1 Added", "1 Other=o"}));
        QCOMPARE(box->Selection(), 1);
    }

    void editItemReplacesTheLine() {
        auto box = EditorWith("1 Book\r\n2 Commands=commands ; remark\r\n");
        std::string shown;
        box->EditEntry = [&](const std::string& line, bool addMode) -> std::optional<std::string> {
            shown = line;
            return addMode ? std::nullopt : std::optional<std::string>("2 Commands=cmd");
        };
        box->EditItem();  // no selection: nothing asked
        QVERIFY(shown.empty());
        box->Select(1);
        box->EditItem();
        QCOMPARE(shown, std::string("2 Commands=commands ; remark"));
        QCOMPARE(box->Contents().EntryLines[1], std::string("2 Commands=cmd"));
        QCOMPARE(box->Selection(), 1);
        QVERIFY(box->Contents().CntModified);
    }

    void dropsFromTheTopicList() {
        auto box = EditorWith("1 Top\r\n2 Book\r\n3 Page=p\r\n");
        box->cntlistTopicDrop(1);  // nothing selected among the topics
        QCOMPARE(box->Contents().Count(), 3);
        box->TopicsList->setCurrentRow(1);
        box->cntlistTopicDrop(1);
        QCOMPARE(box->Contents().EntryLines,
                 Lines({"1 Top", "2 Book", "3 Installing=scrv20", "3 Page=p"}));
        QCOMPARE(box->Selection(), 2);
        box->TopicsList->setCurrentRow(0);
        box->cntlistTopicDrop(-1);
        QCOMPARE(box->Contents().EntryLines.back(), std::string("3 Welcome=scrv10"));
        QCOMPARE(box->Selection(), 4);
    }

    void dropsWithinTheContents() {
        auto box = EditorWith("1 A\r\n1 B\r\n1 C\r\n");
        box->Select(0);
        box->cntlistEntryDrop(0, 0);
        QVERIFY(!box->Contents().CntModified);
        QCOMPARE(box->Selection(), 0);
        box->cntlistEntryDrop(0, 2);
        QCOMPARE(box->Contents().EntryLines, Lines({"1 B", "1 C", "1 A"}));
        QCOMPARE(box->Selection(), 2);
        QCOMPARE(box->cntlist->item(2)->text(), QString("1 A"));
    }

    void toolbarMovesAndDeletes() {
        auto box = EditorWith("1 A\r\n1 B\r\n");
        box->Select(1);
        box->MoveUpItem();
        QCOMPARE(box->Contents().EntryLines, Lines({"1 B", "1 A"}));
        QCOMPARE(box->Selection(), 0);
        box->MoveDownItem();
        QCOMPARE(box->Selection(), 1);
        box->DeleteItem();
        QCOMPARE(box->Selection(), 0);
        box->DeleteItem();
        QCOMPARE(box->Selection(), -1);
        QCOMPARE(box->cntlist->count(), 0);
    }

    void savePromptBeforeNew() {
        auto box = EditorWith("1 A\r\n");
        box->Select(0);
        box->MoveRightItem();
        const int shown = MessageBox::ShownCount();
        MessageBox::SetNextAnswer(QMessageBox::Cancel);
        box->FileNew();
        QCOMPARE(MessageBox::ShownCount(), shown + 1);
        QCOMPARE(MessageBox::LastText(), "Save changes to " + SavedProjectContents() + "?");
        QCOMPARE(box->Contents().Count(), 1);

        MessageBox::SetNextAnswer(QMessageBox::Yes);
        box->FileNew();
        QCOMPARE(ReadBytes(SavedProjectContents()), QByteArray("2 A\r\n"));
        QCOMPARE(box->Contents().Count(), 0);
        QVERIFY(box->Contents().IsUntitled());
        QCOMPARE(box->windowTitle(), QString("Untitled - Scrivlet Contents Editor"));

        // Not modified: no question.
        box->FileNew();
        QCOMPARE(MessageBox::ShownCount(), shown + 2);
    }

    void openLoadsTheChosenFile() {
        auto box = EditorWith("1 A\r\n");
        const QString other = dir_.filePath("proj/other.cnt");
        WriteBytes(other, ":Index T=t.hlp\r\n1 Other\r\n");
        box->ChooseOpenFile = [] { return QString(); };
        box->FileOpen();
        QCOMPARE(box->Contents().EntryLines, Lines({"1 A"}));
        box->ChooseOpenFile = [other] { return other; };
        box->FileOpen();
        QCOMPARE(box->Contents().EntryLines, Lines({"1 Other"}));
        QCOMPARE(box->Contents().IndexLines, Lines({"T=t.hlp"}));
        QCOMPARE(box->windowTitle(), QString("other.cnt - Scrivlet Contents Editor"));
    }

    void closingKeepsTheWindowWhenTheSaveIsAbandoned() {
        Project project = SavedProject();
        auto box = std::make_unique<TContentsBox>(project, nullptr);
        box->show();
        box->Select(-1);
        box->cntlistTopicDrop(-1);  // nothing selected in the topics: no change
        box->TopicsList->setCurrentRow(0);
        box->cntlistTopicDrop(-1);
        QVERIFY(box->Contents().CntModified);

        // Yes, then the Save As dialog is cancelled: the window stays.
        box->ChooseSaveFile = [](const QString&) { return QString(); };
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        box->reject();
        QVERIFY(box->isVisible());

        // A save that fails while closing says nothing and keeps the window.
        box->ChooseSaveFile = [this](const QString&) {
            return dir_.filePath("no/such/folder/x.cnt");
        };
        const int shown = MessageBox::ShownCount();
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        box->reject();
        QVERIFY(box->isVisible());
        QCOMPARE(MessageBox::ShownCount(), shown + 1);

        // The same failure from the toolbar reports it.
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        QVERIFY(!box->FileSave());
        QCOMPARE(MessageBox::ShownCount(), shown + 2);
        QVERIFY(MessageBox::LastText().contains("x.cnt"));

        MessageBox::SetNextAnswer(QMessageBox::No);
        box->reject();
        QVERIFY(!box->isVisible());
    }

    void placementIsReadAndWritten() {
        {
            QSettings settings(QStringLiteral("Scrivlet"), QStringLiteral("Scrivlet"));
            settings.beginGroup("ContentEd");
            settings.setValue("Top", "40");
            settings.setValue("Left", "0x20");
            settings.setValue("Height", "400");
            settings.setValue("Width", "not a number");
            settings.setValue("GrabLeft", "120");
        }
        {
            TContentsBox box(SavedProject(), nullptr);
            QCOMPARE(box.geometry(), QRect(32, 40, 425, 400));
            QVERIFY(!(box.windowState() & Qt::WindowMaximized));
            box.setGeometry(50, 60, 500, 300);
        }
        QSettings settings(QStringLiteral("Scrivlet"), QStringLiteral("Scrivlet"));
        settings.beginGroup("ContentEd");
        QCOMPARE(settings.value("Top").toString(), QString("60"));
        QCOMPARE(settings.value("Left").toString(), QString("50"));
        QCOMPARE(settings.value("Height").toString(), QString("300"));
        QCOMPARE(settings.value("Width").toString(), QString("500"));
        QCOMPARE(settings.value("WindowState").toString(), QString("Normal"));
        QVERIFY(settings.contains("GrabLeft"));
        QVERIFY(QFile::exists(config_.filePath("Scrivlet/Scrivlet.conf")));
    }

    void maximizedKeepsTheOldBounds() {
        {
            QSettings settings(QStringLiteral("Scrivlet"), QStringLiteral("Scrivlet"));
            settings.beginGroup("ContentEd");
            settings.setValue("Top", "11");
            settings.setValue("WindowState", "Maximized");
        }
        {
            TContentsBox box(SavedProject(), nullptr);
            QVERIFY(box.windowState() & Qt::WindowMaximized);
            box.show();
        }
        QSettings settings(QStringLiteral("Scrivlet"), QStringLiteral("Scrivlet"));
        settings.beginGroup("ContentEd");
        QCOMPARE(settings.value("WindowState").toString(), QString("Maximized"));
        QCOMPARE(settings.value("Top").toString(), QString("11"));
        QVERIFY(!settings.contains("Width"));
    }

    void indexDialogEditsACopy() {
        auto box = EditorWith(":Index Tools Help = tools.hlp ;remark\r\n1 A\r\n");
        OnNextModal<TIndexBox>([](TIndexBox* index) {
            QCOMPARE(index->windowTitle(), QString("Index Files"));
            index->List->setCurrentRow(0);
            OnNextModal<TIndexEdit>([](TIndexEdit* edit) {
                QCOMPARE(edit->windowTitle(), QString("Edit Help Index"));
                QCOMPARE(edit->xTitle->text(), QString("Tools Help"));
                QCOMPARE(edit->xFile->text(), QString("tools.hlp"));
                edit->xFile->setText("tools2.hlp");
                edit->accept();
            });
            index->EditBtnClick();
            OnNextModal<TIndexEdit>([](TIndexEdit* edit) {
                edit->xTitle->setText("No file");
                edit->accept();
            });
            index->AddBtnClick();
            QCOMPARE(index->List->count(), 1);
            index->accept();
        });
        box->IndexBtnClick();
        QCOMPARE(box->Contents().IndexLines, Lines({"Tools Help=tools2.hlp"}));
        QVERIFY(box->Contents().CntModified);
    }

    void cancelledTabDialogChangesNothing() {
        auto box = EditorWith(":Tab A=a.dll\r\n");
        OnNextModal<TTabBox>([](TTabBox* tabs) {
            QCOMPARE(tabs->windowTitle(), QString("Custom Tabs"));
            tabs->List->setCurrentRow(0);
            tabs->RemoveBtnClick();
            QCOMPARE(tabs->List->count(), 0);
            tabs->reject();
        });
        box->TabsBtnClick();
        QCOMPARE(box->Contents().TabLines, Lines({"A=a.dll"}));
        QVERIFY(!box->Contents().CntModified);
    }

    void linkDialogAddsAndShowsIndexFiles() {
        auto box = EditorWith(":Index T=t.hlp\r\n:Link first.hlp ; old\r\n");
        OnNextModal<TCLinkBox>([](TCLinkBox* links) {
            auto* index = links->findChild<QListWidget*>("IndexList");
            QVERIFY(index != nullptr);
            QCOMPARE(index->item(0)->text(), QString("T=t.hlp"));
            OnNextModal<QInputDialog>([](QInputDialog* input) {
                QCOMPARE(input->windowTitle(), QString("Add Link to Help File"));
                QCOMPARE(input->labelText(), QString("Help filename:"));
                input->setTextValue("second.hlp");
                input->accept();
            });
            links->AddBtnClick();
            links->List->setCurrentRow(0);
            OnNextModal<QInputDialog>([](QInputDialog* input) {
                QCOMPARE(input->windowTitle(), QString("Edit Link to Help File"));
                QCOMPARE(input->textValue(), QString("first.hlp"));
                input->setTextValue("");
                input->accept();
            });
            links->EditBtnClick();
            links->accept();
        });
        box->LinkBtnClick();
        QCOMPARE(box->Contents().LinkLines, Lines({"first.hlp ; old", "second.hlp"}));
    }

    void entryDialogEditingAnInclude() {
        TCntItemBox box(":include old.cnt", false, {}, {}, nullptr);
        QCOMPARE(box.windowTitle(), QString("Edit Contents Item"));
        QVERIFY(box.TypeButton(ContentsItemType::Include)->isChecked());
        QVERIFY(!box.TypeGroup->isEnabled());
        QCOMPARE(box.xTitle->text(), QString("old.cnt"));
        QCOMPARE(box.TitleLabel->text(), QString("Include file:"));
        QCOMPARE(box.TopicLabel->text(), QString("Title:"));
        QVERIFY(!box.TopicLabel->isEnabled());
        QVERIFY(!box.xTopic->isEnabled());
        box.xTitle->setText("new.cnt");
        box.accept();
        QCOMPARE(box.ResultLine(), std::optional<std::string>(":include new.cnt"));
    }

    void entryDialogAddModeAndEmptyTitle() {
        TCntItemBox box("2 Ignored", true, {"main"}, {"scrv10", "scrv20"}, nullptr);
        QCOMPARE(box.windowTitle(), QString("Add Contents Item"));
        QVERIFY(box.TypeGroup->isEnabled());
        QVERIFY(box.TypeButton(ContentsItemType::Heading)->isChecked());
        QCOMPARE(box.xTitle->text(), QString());
        QCOMPARE(box.xTopic->count(), 2);
        QVERIFY(!box.xTopic->isEnabled());
        QVERIFY(!box.xFile->isEnabled());
        box.accept();
        QCOMPARE(box.ResultLine(), std::nullopt);
    }

    void entryDialogFieldStatesFollowTheType() {
        TCntItemBox box("", true, {"main"}, {"scrv10"}, nullptr);
        box.show();
        box.TypeButton(ContentsItemType::Macro)->setChecked(true);
        QVERIFY(box.xMacro->isVisible());
        QVERIFY(!box.xTopic->isVisible());
        QCOMPARE(box.TopicLabel->text(), QString("Macro:"));
        QVERIFY(box.TopicLabel->isEnabled());
        QVERIFY(!box.FileLabel->isEnabled());
        box.TypeButton(ContentsItemType::Topic)->setChecked(true);
        QVERIFY(box.xTopic->isVisible() && box.xTopic->isEnabled());
        QVERIFY(box.xFile->isEnabled() && box.WindowLabel->isEnabled());
        QCOMPARE(box.TopicLabel->text(), QString("Topic:"));
        box.xTitle->setText("Install");
        box.xTopic->setEditText("scrv10");
        box.xWindow->setEditText("main");
        box.accept();
        QCOMPARE(box.ResultLine(), std::optional<std::string>("1 Install=scrv10>main"));
    }

    void entryDialogKeepsTheLevelAndDropsTheRemark() {
        TCntItemBox macro("3 Run=!Exec(a) ; why", false, {}, {}, nullptr);
        QVERIFY(macro.TypeButton(ContentsItemType::Macro)->isChecked());
        QCOMPARE(macro.xMacro->text(), QString("Exec(a)"));
        macro.accept();
        QCOMPARE(macro.ResultLine(), std::optional<std::string>("3 Run=!Exec(a)"));

        TCntItemBox topic("4 T=ctx@f.hlp>w", false, {}, {}, nullptr);
        QCOMPARE(topic.xTopic->currentText(), QString("ctx"));
        QCOMPARE(topic.xFile->text(), QString("f.hlp"));
        QCOMPARE(topic.xWindow->currentText(), QString("w"));
        topic.reject();
        QCOMPARE(topic.ResultLine(), std::nullopt);
    }

    void actionOpensTheEditor() {
        const Project project = SavedProject();
        QWidget window;
        QAction action(&window);
        ConnectContentsEditor(&window, project, {nullptr, &action});
        QString caption;
        OnNextModal<TContentsBox>([&caption](TContentsBox* box) {
            caption = box->windowTitle();
            QVERIFY(!box->Contents().CntModified);
            box->reject();
        });
        action.trigger();
        QCOMPARE(caption, QString("Untitled - Scrivlet Contents Editor"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void drawsIndentedEntries() {
        auto box = EditorWith("1 Book\r\n2 Page=p\r\n:include x.cnt\r\n3 Deep=!M()\r\n");
        box->resize(500, 300);
        const QImage shot = box->cntlist->viewport()->grab().toImage();
        QVERIFY(!shot.isNull());
        // Level 2 starts its glyph 16 pixels right of level 1: look for the
        // page's dark outline in row 2 of the second item.
        auto darkAt = [&](int x, int y) { return qGray(shot.pixel(x, y)) < 128; };
        bool level1 = false;
        bool level2Shifted = true;
        for (int x = 0; x < 17; ++x) {
            level1 = level1 || darkAt(x, 2 + 8);
            level2Shifted = level2Shifted && !darkAt(x, 20 + 8);
        }
        QVERIFY(level1);
        QVERIFY(level2Shifted);
    }

    void screenshot() {
        const QString dir = qEnvironmentVariable("SCRIVLET_SHOT_DIR");
        if (dir.isEmpty()) {
            QSKIP("SCRIVLET_SHOT_DIR not set");
        }
        auto box = EditorWith(
            ":Base manual.hlp>main\r\n:Title The Manual\r\n1 Getting started\r\n"
            "2 Welcome=scrv10\r\n2 Installing=scrv20@setup.hlp>main\r\n2 Options\r\n"
            "3 General options=scrv30\r\n3 Run the setup=!ExecFile(setup.exe)\r\n"
            ":include extras.cnt\r\n1 Reference\r\n2 Commands=scrv40 ; check wording\r\n");
        box->resize(560, 440);
        box->Select(4);
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QVERIFY(box->grab().save(dir + "/contents_editor.png"));
    }
};

QTEST_MAIN(TestContentsBox)
#include "tst_contentsbox.moc"
