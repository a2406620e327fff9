// F1 and Help > Help Topics: which topic of the user guide each window,
// dialog and control asks for, that the guide has every one of them, and
// how the guide is handed to the help viewer.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/build/help_viewer.h"
#include "app/common/message_box.h"
#include "app/editor/tsrichedit.h"
#include "app/errorlog/terrorbox.h"
#include "app/help/context_help.h"
#include "app/help/context_help_table.h"
#include "app/help/help_display.h"
#include "app/mainform/tmainform.h"
#include "app/markup/link_box.h"
#include "app/options/ttooledit.h"
#include "app/search/search_box.h"
#include "app/topics/property_grid.h"
#include "app/topics/tfootbox.h"
#include "app/topics/topic_grid_view.h"
#include "app/windows/project_box.h"
#include "app/windows/window_box.h"
#include "core/build/help_project.h"
#include "core/model/project.h"
#include "core/projectfile/project_file.h"
#include "helpers/window_fixture.h"
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

using namespace scrivlet;
using namespace scrivlet::app;

namespace {

// What the program asked the help display to show: a map number, or -1 for
// the contents.
struct Requests {
    std::vector<int> shown;
};

class RecordingDisplay : public HelpDisplay {
public:
    explicit RecordingDisplay(Requests& requests) : requests_(requests) {}
    void ShowContents(QWidget*) override { requests_.shown.push_back(-1); }
    void ShowTopic(int mapNumber, QWidget*) override { requests_.shown.push_back(mapNumber); }

private:
    Requests& requests_;
};

struct ViewerCall {
    QString file;
    std::optional<std::string> context;
    std::optional<int32_t> mapNumber;
};

class RecordingViewer : public HelpViewer {
public:
    RecordingViewer(std::vector<ViewerCall>& calls, QString failure)
        : calls_(calls), failure_(std::move(failure)) {}
    bool Show(const QString& helpFile, const HelpTopicRequest& request, QString& error) override {
        calls_.push_back({helpFile, request.context, request.mapNumber});
        error = failure_;
        return failure_.isEmpty();
    }

private:
    std::vector<ViewerCall>& calls_;
    QString failure_;
};

// Presses F1 in WIDGET as a user would: the key goes to the focus widget.
int PressF1(QWidget& window, QWidget* focus, Requests& requests) {
    window.show();
    QWidget* target = focus != nullptr ? focus : &window;
    target->setFocus();
    requests.shown.clear();
    QTest::keyClick(target, Qt::Key_F1);
    return requests.shown.size() == 1 ? requests.shown[0] : -2;
}

Project Guide() {
    const std::string path = std::string(SCRIVLET_TEST_DATA) + "/../../docs/scrivlet.scw";
    auto project = ReadProjectFile(path);
    if (!project) {
        qFatal("the user guide %s is missing", path.c_str());
    }
    return std::move(*project);
}

// The guide's [MAP], as the build writes it into the help project file.
std::map<int, std::string> GuideMap() {
    Project guide = Guide();
    std::map<int, std::string> map;
    bool inMap = false;
    for (const std::string& line : BuildHelpProject(guide, "guide", "/tmp/")) {
        if (!line.empty() && line[0] == '[') {
            inMap = line == "[MAP]";
            continue;
        }
        const auto gap = line.find("  ");
        if (inMap && gap != std::string::npos) {
            map.emplace(std::stoi(line.substr(gap + 2)), line.substr(0, gap));
        }
    }
    return map;
}

}  // namespace

class ContextHelpTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        requests_ = {};
        help_ =
            std::make_unique<ContextHelp>(std::make_unique<RecordingDisplay>(requests_), nullptr);
        qApp->installEventFilter(help_.get());
    }
    void cleanup() { help_.reset(); }

    void f1InADialogAsksForItsTopic() {
        TFootBox foot;
        QCOMPARE(PressF1(foot, foot.findChild<QLineEdit*>(), requests_), 105);
        Tsearchbox search;
        QCOMPARE(PressF1(search, search.findChild<QLineEdit*>(), requests_), 50);
        TLinkBox link;
        QCOMPARE(PressF1(link, nullptr, requests_), 62);
        TToolEdit tool;
        QCOMPARE(PressF1(tool, tool.findChild<QLineEdit*>(), requests_), 195);
        TErrorBox log;
        QCOMPARE(PressF1(log, nullptr, requests_), 145);
        // The numbers other programs' help authors were given keep their value.
        Project project;
        TProjectBox options(project);
        QCOMPARE(PressF1(options, options.findChild<QLineEdit*>(), requests_), 110);
        TWindowBox windows({});
        QCOMPARE(PressF1(windows, nullptr, requests_), 80);
    }

    void f1InAnUnknownDialogFollowsItsOwner() {
        TFootBox foot;
        QDialog question(&foot);  // a box the table does not name, opened by a dialog it does
        QCOMPARE(PressF1(question, nullptr, requests_), 105);
        QDialog alone;
        QCOMPARE(PressF1(alone, nullptr, requests_), -1);  // nothing known: the contents
    }

    void aHeldKeyOpensTheHelpOnce() {
        TFootBox foot;
        foot.show();
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&foot, &repeat);
        QVERIFY(requests_.shown.empty());
    }

    void objectNameComesBeforeClass() {
        QDialog prompt;
        prompt.setObjectName("AnchorPrompt");
        QCOMPARE(PressF1(prompt, nullptr, requests_), 64);
    }

    void mainWindowPartsAndHelpTopics() {
        test::SettingsSandbox sandbox;
        auto form = test::StartWindow();
        // The window's own controller, with its display replaced.
        auto* own = form->findChild<ContextHelp*>();
        QVERIFY(own != nullptr);
        own->SetDisplay(std::make_unique<RecordingDisplay>(requests_));
        help_.reset();
        QCOMPARE(PressF1(*form, form->RichEdit1(), requests_), 120);
        QCOMPARE(PressF1(*form, form->findChild<PropertyGrid*>(), requests_), 100);
        QCOMPARE(PressF1(*form, form->findChild<TopicGridView*>(), requests_), 130);
        QCOMPARE(PressF1(*form, form->findChild<QTabWidget*>()->tabBar(), requests_), 10);
        requests_.shown.clear();
        form->Action("HelpTopics")->trigger();
        QCOMPARE(requests_.shown, std::vector<int>{-1});
    }

    void everyTableEntryIsATopicOfTheGuide() {
        const auto map = GuideMap();
        QVERIFY(map.size() > 40);
        for (const ContextHelpEntry& entry : ContextHelpTable()) {
            const auto found = map.find(entry.mapNumber);
            QVERIFY2(found != map.end(), entry.name);
            QCOMPARE(QString::fromStdString(found->second), QString(entry.context));
        }
    }

    // The guide is edited in Scrivlet itself: opening a topic and saving it
    // again must not change a line.
    void guideTopicsReadBackUnchangedInTheEditor() {
        const Project guide = Guide();
        for (std::size_t i = 0; i < guide.Topics.Count(); ++i) {
            const TTopic& topic = guide.Topics[i];
            QTextDocument doc;
            QVERIFY(ReadTopicText(topic.Text, doc).ok);
            QVERIFY2(WriteTopicText(doc) == topic.Text, topic.ContextString.c_str());
        }
    }

    void guideOpensByContextStringAndContents() {
        QTemporaryDir dir;
        const QString guide = dir.filePath("scrivlet.hlp");
        QFile file(guide);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        std::vector<ViewerCall> calls;
        GuideHelpDisplay display(guide, std::make_unique<RecordingViewer>(calls, QString()));
        display.ShowTopic(110, nullptr);
        display.ShowContents(nullptr);
        QCOMPARE(calls.size(), std::size_t(2));
        QCOMPARE(calls[0].file, guide);
        QCOMPARE(calls[0].context, std::optional<std::string>("project_options"));
        QCOMPARE(calls[0].mapNumber, std::optional<int32_t>(110));
        QCOMPARE(calls[1].context, std::optional<std::string>());
        QCOMPARE(calls[1].mapNumber, std::optional<int32_t>());
    }

    void guideIsFoundBesideTheProgramOrInstalled() {
        QTemporaryDir dir;
        const QString bin = dir.filePath("bin");
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(dir.filePath("share/scrivlet")));
        QCOMPARE(GuideFileIn(bin), bin + "/scrivlet.hlp");  // neither: named as looked for
        QFile installed(dir.filePath("share/scrivlet/scrivlet.hlp"));
        QVERIFY(installed.open(QIODevice::WriteOnly));
        installed.close();
        QCOMPARE(GuideFileIn(bin), installed.fileName());
        QFile beside(bin + "/scrivlet.hlp");
        QVERIFY(beside.open(QIODevice::WriteOnly));
        beside.close();
        QCOMPARE(GuideFileIn(bin), beside.fileName());  // a build's own comes first
    }

    void failuresAreReported() {
        std::vector<ViewerCall> calls;
        GuideHelpDisplay missing("/nonexistent/scrivlet.hlp",
                                 std::make_unique<RecordingViewer>(calls, QString()));
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        missing.ShowContents(nullptr);
        QCOMPARE(MessageBox::LastText(),
                 QString("The help file /nonexistent/scrivlet.hlp was not found."));
        QVERIFY(calls.empty());

        QTemporaryDir dir;
        QFile file(dir.filePath("scrivlet.hlp"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        GuideHelpDisplay noViewer(
            file.fileName(),
            std::make_unique<RecordingViewer>(
                calls, "    Error - No help viewer available (install Wine to view help files)"));
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        noViewer.ShowTopic(10, nullptr);
        QCOMPARE(MessageBox::LastText(),
                 QString("No help viewer available (install Wine to view help files)"));
    }

private:
    Requests requests_;
    std::unique_ptr<ContextHelp> help_;
};

QTEST_MAIN(ContextHelpTest)
#include "tst_context_help.moc"
