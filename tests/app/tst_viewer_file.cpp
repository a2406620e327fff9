// The viewer over a help file our compiler wrote: Show Help File opens it at
// the map number (or the context string the [MAP] section leaves out), and
// the options choose between our viewer and Wine's.
#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/build/help_viewer.h"
#include "app/options/toptionsbox.h"
#include "app/viewer/help_window.h"
#include "app/viewer/topic_view.h"
#include "hc/compile.h"
#include "hc/hlp/hlp_writer.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::WriteBytes;

namespace {

// Three topics; [MAP] numbers the first two only.
QString BuildHelpFile(const QString& folder) {
    WriteBytes(
        folder + "/small.hpj",
        "[OPTIONS]\r\nTITLE=Small Help\r\nCONTENTS=first\r\n\r\n[FILES]\r\ntopics.rtf\r\n\r\n"
        "[MAP]\r\nfirst 1\r\nsecond 2\r\n");
    WriteBytes(folder + "/topics.rtf",
               "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
               "#{\\footnote first}${\\footnote First}\\pard\\keepn\\b First\\b0\\par\r\n"
               "\\pard Go {\\uldb on}{\\v second}.\\par\\page\r\n"
               "#{\\footnote second}${\\footnote Second}\\pard Second text.\\par\\page\r\n"
               "#{\\footnote third}${\\footnote Third}\\pard Third text.\\par}\r\n");
    hc::CompileResult result = hc::CompileHelpProject((folder + "/small.hpj").toStdString());
    hc::hlp::WriteHelpFileAndLog(result);
    return folder + "/small.hlp";
}

}  // namespace

class ViewerFileTest : public QObject {
    Q_OBJECT

private slots:
    void showHelpFileOpensAtTheMapNumberOrContext() {
        QTemporaryDir dir;
        const QString path = BuildHelpFile(dir.path());
        QVERIFY(QFile::exists(path));
        BuiltInHelpViewer viewer;
        QString error;
        HelpTopicRequest request;
        request.mapNumber = 2;
        request.context = "third";
        QVERIFY(viewer.Show(path, request, error));
        HelpWindow* window = viewer.Window();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Small Help"));
        QCOMPARE(window->CurrentTopic(), 1);
        QCOMPARE(window->ScrollingView()->document()->toPlainText(), QString("Second text."));

        // No map number for the topic: its context string finds it.
        request.mapNumber = 7;
        QVERIFY(viewer.Show(path, request, error));
        QCOMPARE(viewer.Window()->CurrentTopic(), 2);
        request = HelpTopicRequest{};
        QVERIFY(viewer.Show(path, request, error));
        HelpWindow* first = viewer.Window();
        QCOMPARE(first->CurrentTopic(), 0);
        QVERIFY(first->ScrollingView()->document()->toPlainText().startsWith("Go on."));
        first->ActivateAnchor("hotspot:0", QPoint());
        QCOMPARE(first->CurrentTopic(), 1);

        QVERIFY(!viewer.Show(dir.filePath("missing.hlp"), request, error));
        QVERIFY(error.startsWith("    Error - "));
    }

    void optionsChooseWineOrOurViewer() {
        SettingsSandbox sandbox;
        QVERIFY(!WineViewerChosen());
        OptionsValues values;
        TOptionsBox box(values);
        QCOMPARE(box.WineViewer()->text(), QString("Show help files with Wine's winhlp32"));
        QVERIFY(!box.WineViewer()->isChecked());
        box.WineViewer()->setChecked(true);
        QVERIFY(box.Values().wineViewer);
        ChooseWineViewer(true);
        QCOMPARE(sandbox.Value("Settings/HelpViewer"), QString("Wine"));
        QVERIFY(WineViewerChosen());
        ChooseWineViewer(false);
        QVERIFY(!WineViewerChosen());
    }
};

QTEST_MAIN(ViewerFileTest)
#include "tst_viewer_file.moc"
