#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/windows/project_box.h"
#include "app/windows/project_settings_commands.h"
#include "core/model/project.h"

using namespace scrivlet;
using namespace scrivlet::app;

namespace {

template <typename T>
T* Child(QWidget* box, const char* name) {
    T* child = box->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) {
        qFatal("no control %s", name);
    }
    return child;
}

QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

Project TaggedProject() {
    Project project;
    const char* tags[] = {"beta", "Beta", "alpha"};
    for (int i = 0; i < 3; ++i) {
        TTopic topic;
        topic.TopicID = (i + 1) * 10;
        topic.ContextString = "scrv" + std::to_string(topic.TopicID);
        topic.BuildTag = tags[i];
        project.Topics.Add(topic);
    }
    return project;
}

// Choosers that hand out prepared answers and record how they were asked.
struct ScriptedChoosers {
    QStringList answers;
    QStringList folders;
    QStringList files;

    std::optional<QString> Next() {
        if (answers.isEmpty()) {
            return std::nullopt;
        }
        const QString answer = answers.takeFirst();
        return answer.isNull() ? std::nullopt : std::optional(answer);
    }

    TProjectBox::Choosers Make() {
        TProjectBox::Choosers choosers;
        choosers.ContentsFile = [this](QWidget*, const QString& folder) {
            folders << folder;
            return Next();
        };
        choosers.RtfFile = [this](QWidget*, const QString& folder, const QString& file) {
            folders << folder;
            files << file;
            return Next();
        };
        choosers.Folder = [this](QWidget*, const QString& folder) {
            folders << folder;
            return Next();
        };
        return choosers;
    }
};

void WhenModalProjectBox(std::function<void(TProjectBox*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* box = qobject_cast<TProjectBox*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(box);
        }
    });
    timer->start();
}

}  // namespace

class ProjectBoxTest : public QObject {
    Q_OBJECT

private slots:
    void pagesAndCaption() {
        TProjectBox box(Project{});
        QCOMPARE(box.windowTitle(), QStringLiteral("Project Options"));
        auto* pages = box.findChild<QTabWidget*>();
        QCOMPARE(pages->count(), 3);
        QCOMPARE(pages->tabText(0), QStringLiteral("General"));
        QCOMPARE(pages->tabText(1), QStringLiteral("Files"));
        QCOMPARE(pages->tabText(2), QStringLiteral("Advanced"));
    }

    void tagsOnceRegardlessOfCase() {
        Project project = TaggedProject();
        project.IncludeTag = "gamma";
        project.ExcludeTag = "beta";
        TProjectBox box(project);
        const QStringList expected{QStringLiteral("beta"), QStringLiteral("alpha")};
        QCOMPARE(Items(Child<QComboBox>(&box, "include")), expected);
        QCOMPARE(Items(Child<QComboBox>(&box, "exclude")), expected);
        QCOMPARE(Child<QComboBox>(&box, "include")->currentText(), QStringLiteral("gamma"));
        QCOMPARE(Child<QComboBox>(&box, "exclude")->currentText(), QStringLiteral("beta"));
    }

    void defaultTopicOffersEveryContextString() {
        Project project = TaggedProject();
        project.Topics[2].ContextString = "scrv10";
        project.DefaultTopic = "elsewhere";
        TProjectBox box(project);
        auto* contents = Child<QComboBox>(&box, "contents");
        QCOMPARE(Items(contents), (QStringList{QStringLiteral("scrv10"), QStringLiteral("scrv20"),
                                               QStringLiteral("scrv10")}));
        QCOMPARE(contents->currentText(), QStringLiteral("elsewhere"));
    }

    void fillsEveryControl() {
        Project project;
        project.ProjectFileName = "/p/manual.scw";
        project.HelpTitle = "Caf\xE9 help";
        project.HelpFileName = ".\\manual.hlp";
        project.ContentsFileName = "manual.cnt";
        project.Copyright = "(c) 2026";
        project.Citation = "From the manual";
        project.TemplateFile = "/p/t.rtf";
        project.ShowErrorLog = false;
        project.Compress = false;
        project.ShowHelpAfterCompile = true;
        project.ConfigMacros = {"BrowseButtons()", "CB(\"x\")"};
        project.BitmapRoots = {"/p/bmp", "/p/art"};
        project.RtfFiles = {"/p/extra.rtf"};
        TProjectBox box(project);
        QCOMPARE(Child<QLineEdit>(&box, "title")->text(), QString::fromUtf8("Café help"));
        QCOMPARE(Child<QLineEdit>(&box, "helpfile")->text(), QStringLiteral(".\\manual.hlp"));
        QCOMPARE(Child<QLineEdit>(&box, "cntfile")->text(), QStringLiteral("manual.cnt"));
        QCOMPARE(Child<QLineEdit>(&box, "copyright")->text(), QStringLiteral("(c) 2026"));
        QCOMPARE(Child<QLineEdit>(&box, "citation")->text(), QStringLiteral("From the manual"));
        QCOMPARE(Child<QLineEdit>(&box, "template")->text(), QStringLiteral("/p/t.rtf"));
        QVERIFY(!Child<QCheckBox>(&box, "error")->isChecked());
        QVERIFY(!Child<QCheckBox>(&box, "compress")->isChecked());
        QVERIFY(Child<QCheckBox>(&box, "showhelp")->isChecked());
        QCOMPARE(Child<QPlainTextEdit>(&box, "cMemo")->toPlainText(),
                 QStringLiteral("BrowseButtons()\nCB(\"x\")"));
        QCOMPARE(Items(Child<QComboBox>(&box, "bitbox")),
                 (QStringList{QStringLiteral("/p/bmp"), QStringLiteral("/p/art")}));
        QCOMPARE(Child<QComboBox>(&box, "bitbox")->currentIndex(), -1);
        QCOMPARE(Items(Child<QComboBox>(&box, "rtfbox")),
                 QStringList{QStringLiteral("/p/extra.rtf")});
        // Unchanged controls give back the same settings, cut or not.
        Project stored = project;
        StoreProjectOptions(box.Options(), stored);
        QVERIFY(static_cast<const ProjectSettings&>(stored) ==
                static_cast<const ProjectSettings&>(project));
    }

    void untitledShowsTheStoredHelpFile() {
        Project project;
        TProjectBox box(project);
        QCOMPARE(Child<QLineEdit>(&box, "helpfile")->text(), QString());
    }

    void savedProjectProposesItsHelpFile() {
        Project project;
        project.ProjectFileName = "/home/author/manual.scw";
        WhenModalProjectBox([](TProjectBox* box) {
            QCOMPARE(Child<QLineEdit>(box, "helpfile")->text(), QStringLiteral("manual.hlp"));
            box->accept();
        });
        QVERIFY(TProjectBox::Run(nullptr, project));
        QCOMPARE(project.HelpFileName, "manual.hlp");
        QVERIFY(project.Modified());
    }

    void macrosLoseEmptyLines() {
        Project project;
        WhenModalProjectBox([](TProjectBox* box) {
            Child<QPlainTextEdit>(box, "cMemo")
                ->setPlainText(QStringLiteral("\nBrowseButtons()\n\n\nRegisterRoutine()\n\n"));
            box->accept();
        });
        QVERIFY(TProjectBox::Run(nullptr, project));
        QCOMPARE(project.ConfigMacros,
                 (std::vector<std::string>{"BrowseButtons()", "RegisterRoutine()"}));
    }

    void okMarksModifiedEvenUnchanged() {
        Project project = TaggedProject();
        const Project before = project;
        WhenModalProjectBox([](TProjectBox* box) { Child<QPushButton>(box, "OKBtn")->click(); });
        QVERIFY(TProjectBox::Run(nullptr, project));
        QVERIFY(project.Modified());
        QVERIFY(static_cast<const ProjectSettings&>(project) ==
                static_cast<const ProjectSettings&>(before));
    }

    void cancelAfterEditsChangesNothing() {
        Project project = TaggedProject();
        project.HelpTitle = "Kept";
        const Project before = project;
        bool told = false;
        project.AddModifiedListener([&](bool) { told = true; });
        WhenModalProjectBox([](TProjectBox* box) {
            Child<QLineEdit>(box, "title")->setText(QStringLiteral("Changed"));
            Child<QCheckBox>(box, "compress")->setChecked(false);
            Child<QPlainTextEdit>(box, "cMemo")->setPlainText(QStringLiteral("X()"));
            Child<QComboBox>(box, "include")->setEditText(QStringLiteral("beta"));
            Child<QPushButton>(box, "CancelBtn")->click();
        });
        QVERIFY(!TProjectBox::Run(nullptr, project));
        QVERIFY(project == before);
        QVERIFY(!project.Modified());
        QVERIFY(!told);
    }

    void optionsCommandOpensTheDialog() {
        QWidget window;
        Project project;
        QAction menu(QStringLiteral("&Options..."));
        ConnectProjectSettingsCommands(&window, project, {}, {&menu});
        WhenModalProjectBox([](TProjectBox* box) {
            Child<QLineEdit>(box, "title")->setText(QStringLiteral("From the menu"));
            box->accept();
        });
        menu.trigger();
        QCOMPARE(project.HelpTitle, "From the menu");
        QVERIFY(project.Modified());
    }

    void storesEveryControl() {
        Project project = TaggedProject();
        WhenModalProjectBox([](TProjectBox* box) {
            Child<QLineEdit>(box, "title")->setText(QStringLiteral("Title"));
            Child<QComboBox>(box, "contents")->setEditText(QStringLiteral("scrv20"));
            Child<QCheckBox>(box, "error")->setChecked(false);
            Child<QCheckBox>(box, "showhelp")->setChecked(false);
            Child<QLineEdit>(box, "copyright")->setText(QStringLiteral("(c)"));
            Child<QLineEdit>(box, "citation")->setText(QStringLiteral("cited"));
            Child<QLineEdit>(box, "helpfile")->setText(QStringLiteral("h.hlp"));
            Child<QLineEdit>(box, "cntfile")->setText(QStringLiteral("h.cnt"));
            Child<QLineEdit>(box, "template")->setText(QStringLiteral("/t.rtf"));
            Child<QComboBox>(box, "include")->setCurrentIndex(1);
            Child<QComboBox>(box, "exclude")->setEditText(QStringLiteral("typed"));
            Child<QCheckBox>(box, "compress")->setChecked(false);
            box->accept();
        });
        QVERIFY(TProjectBox::Run(nullptr, project));
        QCOMPARE(project.HelpTitle, "Title");
        QCOMPARE(project.DefaultTopic, "scrv20");
        QVERIFY(!project.ShowErrorLog);
        QVERIFY(!project.ShowHelpAfterCompile);
        QCOMPARE(project.Copyright, "(c)");
        QCOMPARE(project.Citation, "cited");
        QCOMPARE(project.HelpFileName, "h.hlp");
        QCOMPARE(project.ContentsFileName, "h.cnt");
        QCOMPARE(project.TemplateFile, "/t.rtf");
        QCOMPARE(project.IncludeTag, "alpha");
        QCOMPARE(project.ExcludeTag, "typed");
        QVERIFY(!project.Compress);
    }

    void titleTypingLimit() {
        TProjectBox box(Project{});
        auto* title = Child<QLineEdit>(&box, "title");
        QTest::keyClicks(title, QString(55, QLatin1Char('t')));
        QCOMPARE(title->text().length(), 50);
        QTest::keyClick(title, Qt::Key_Backspace);
        QCOMPARE(title->text().length(), 49);
        // Text put in other than by typing is not limited.
        title->setText(QString(60, QLatin1Char('p')));
        QCOMPARE(title->text().length(), 60);
        auto* copyright = Child<QLineEdit>(&box, "copyright");
        copyright->setText(QString(254, QLatin1Char('c')));
        QTest::keyClicks(copyright, "xyz");
        QCOMPARE(copyright->text().length(), 255);
        auto* citation = Child<QLineEdit>(&box, "citation");
        citation->setText(QString(255, QLatin1Char('c')));
        QTest::keyClicks(citation, "x");
        QCOMPARE(citation->text().length(), 255);
    }

    void contentsFileBesideADotHelpFile() {
        Project project;
        project.ProjectFileName = "/home/a/proj/manual.scw";
        project.HelpFileName = ".\\manual.hlp";
        TProjectBox box(project);
        ScriptedChoosers script;
        script.answers = {QStringLiteral("/home/a/proj/manual.cnt"),
                          QStringLiteral("/home/a/other/manual.cnt")};
        box.SetChoosers(script.Make());
        Child<QPushButton>(&box, "BitBtn1")->click();
        QCOMPARE(script.folders, QStringList{QStringLiteral("/home/a/proj/")});
        QCOMPARE(Child<QLineEdit>(&box, "cntfile")->text(), QStringLiteral("manual.cnt"));
        Child<QPushButton>(&box, "BitBtn1")->click();
        QCOMPARE(Child<QLineEdit>(&box, "cntfile")->text(),
                 QStringLiteral("/home/a/other/manual.cnt"));
        // Cancelling the chooser keeps the text.
        Child<QPushButton>(&box, "BitBtn1")->click();
        QCOMPARE(Child<QLineEdit>(&box, "cntfile")->text(),
                 QStringLiteral("/home/a/other/manual.cnt"));
    }

    void contentsFileBesideAnAbsoluteHelpFile() {
        Project project;
        project.ProjectFileName = "/home/a/proj/manual.scw";
        TProjectBox box(project);
        // The help file name as typed now counts, not the stored one.
        Child<QLineEdit>(&box, "helpfile")->setText(QStringLiteral("/srv/help/manual.hlp"));
        ScriptedChoosers script;
        script.answers = {QStringLiteral("/srv/help/manual.cnt"),
                          QStringLiteral("/home/a/proj/manual.cnt")};
        box.SetChoosers(script.Make());
        Child<QPushButton>(&box, "BitBtn1")->click();
        QCOMPARE(Child<QLineEdit>(&box, "cntfile")->text(), QStringLiteral("manual.cnt"));
        Child<QPushButton>(&box, "BitBtn1")->click();
        QCOMPARE(Child<QLineEdit>(&box, "cntfile")->text(),
                 QStringLiteral("/home/a/proj/manual.cnt"));
    }

    void unsavedProjectChoosersStartNowhere() {
        TProjectBox box(Project{});
        ScriptedChoosers script;
        script.answers = {QStringLiteral("/x/toc.cnt"), QStringLiteral("/x/pics")};
        box.SetChoosers(script.Make());
        Child<QPushButton>(&box, "BitBtn1")->click();
        Child<QPushButton>(&box, "AddBit")->click();
        QCOMPARE(script.folders, (QStringList{QString(), QString()}));
        QCOMPARE(Child<QLineEdit>(&box, "cntfile")->text(), QStringLiteral("/x/toc.cnt"));
        QCOMPARE(Items(Child<QComboBox>(&box, "bitbox")), QStringList{QStringLiteral("/x/pics")});
    }

    void bitmapFolders() {
        Project project;
        project.ProjectFileName = "/p/m.scw";
        project.BitmapRoots = {"/p/Art"};
        TProjectBox box(project);
        auto* bitbox = Child<QComboBox>(&box, "bitbox");
        ScriptedChoosers script;
        script.answers = {QStringLiteral("/p/art"), QStringLiteral("/p/bmp"), QString(),
                          QStringLiteral("/p/ART"), QStringLiteral("/p/new")};
        box.SetChoosers(script.Make());
        // Already listed regardless of case: not added, the last selected.
        Child<QPushButton>(&box, "AddBit")->click();
        QCOMPARE(Items(bitbox), QStringList{QStringLiteral("/p/Art")});
        QCOMPARE(bitbox->currentIndex(), 0);
        Child<QPushButton>(&box, "AddBit")->click();
        QCOMPARE(Items(bitbox), (QStringList{QStringLiteral("/p/Art"), QStringLiteral("/p/bmp")}));
        QCOMPARE(bitbox->currentIndex(), 1);
        // Cancelled: nothing changes.
        Child<QPushButton>(&box, "AddBit")->click();
        QCOMPARE(bitbox->count(), 2);
        // Edit starts at the entry and refuses a listed folder.
        bitbox->setCurrentIndex(1);
        Child<QPushButton>(&box, "EditBit")->click();
        QCOMPARE(script.folders.last(), QStringLiteral("/p/bmp"));
        QCOMPARE(Items(bitbox), (QStringList{QStringLiteral("/p/Art"), QStringLiteral("/p/bmp")}));
        Child<QPushButton>(&box, "EditBit")->click();
        QCOMPARE(Items(bitbox), (QStringList{QStringLiteral("/p/Art"), QStringLiteral("/p/new")}));
        QCOMPARE(bitbox->currentIndex(), 1);
        QCOMPARE(script.folders.first(), QStringLiteral("/p/"));
    }

    void tenEntriesAtMost() {
        Project project;
        TProjectBox box(project);
        ScriptedChoosers script;
        for (int i = 0; i < 12; ++i) {
            script.answers << QStringLiteral("/f%1").arg(i);
        }
        box.SetChoosers(script.Make());
        for (int i = 0; i < 12; ++i) {
            Child<QPushButton>(&box, "AddBit")->click();
        }
        QCOMPARE(Child<QComboBox>(&box, "bitbox")->count(), 10);
        // A full list does not even open the chooser.
        QCOMPARE(script.answers.size(), 2);
    }

    void deleteTheOnlyEntry() {
        Project project;
        project.RtfFiles = {"/p/only.rtf"};
        project.BitmapRoots = {"/p/a", "/p/b"};
        TProjectBox box(project);
        auto* rtfbox = Child<QComboBox>(&box, "rtfbox");
        // Without a selection Delete does nothing.
        Child<QPushButton>(&box, "delrtff")->click();
        QCOMPARE(rtfbox->count(), 1);
        rtfbox->setCurrentIndex(0);
        Child<QPushButton>(&box, "delrtff")->click();
        QCOMPARE(rtfbox->count(), 0);
        QCOMPARE(rtfbox->currentIndex(), -1);
        auto* bitbox = Child<QComboBox>(&box, "bitbox");
        bitbox->setCurrentIndex(1);
        Child<QPushButton>(&box, "DelBit")->click();
        QCOMPARE(Items(bitbox), QStringList{QStringLiteral("/p/a")});
        QCOMPARE(bitbox->currentIndex(), 0);
    }

    void rtfChooserCarriesOver() {
        Project project;
        project.ProjectFileName = "/p/m.scw";
        project.RtfFiles = {"/p/one.rtf"};
        TProjectBox box(project);
        auto* rtfbox = Child<QComboBox>(&box, "rtfbox");
        ScriptedChoosers script;
        script.answers = {QStringLiteral("/q/two.rtf"), QStringLiteral("/P/ONE.rtf"),
                          QStringLiteral("/q/three.rtf"), QStringLiteral("/r/template.rtf")};
        box.SetChoosers(script.Make());
        Child<QPushButton>(&box, "addrtf")->click();
        QCOMPARE(Items(rtfbox),
                 (QStringList{QStringLiteral("/p/one.rtf"), QStringLiteral("/q/two.rtf")}));
        QCOMPARE(rtfbox->currentIndex(), 1);
        // Edit is preset with the entry; a listed path is refused.
        rtfbox->setCurrentIndex(1);
        Child<QPushButton>(&box, "editrtf")->click();
        QCOMPARE(script.files.last(), QStringLiteral("/q/two.rtf"));
        QCOMPARE(rtfbox->itemText(1), QStringLiteral("/q/two.rtf"));
        Child<QPushButton>(&box, "editrtf")->click();
        QCOMPARE(rtfbox->itemText(1), QStringLiteral("/q/three.rtf"));
        QCOMPARE(rtfbox->currentIndex(), 1);
        // The template browse starts from the last file picked.
        Child<QPushButton>(&box, "BitBtn2")->click();
        QCOMPARE(script.folders.last(), QStringLiteral("/p/"));
        QCOMPARE(script.files.last(), QStringLiteral("/q/three.rtf"));
        QCOMPARE(Child<QLineEdit>(&box, "template")->text(), QStringLiteral("/r/template.rtf"));
    }
};

QTEST_MAIN(ProjectBoxTest)
#include "tst_projectbox.moc"
