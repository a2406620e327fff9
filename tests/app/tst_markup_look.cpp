#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>

#include "app/markup/insert_markup.h"
#include "app/markup/link_box.h"
#include "core/markup/markup_codes.h"
#include "core/model/project.h"
#include "rtf/ansi_text.h"

using namespace scrivlet;
using namespace scrivlet::app;

namespace {

// Saves the picture when SCRIVLET_SHOT_DIR names a folder, so a person can
// look at what the author sees.
void Keep(const QPixmap& shot, const QString& name) {
    const QString dir = qEnvironmentVariable("SCRIVLET_SHOT_DIR");
    if (!dir.isEmpty()) {
        QVERIFY(shot.save(QDir(dir).filePath(name)));
    }
}

// How many pixels of IMAGE have COLOR.
int CountColor(const QImage& image, QColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color) {
                ++count;
            }
        }
    }
    return count;
}

}  // namespace

class TestMarkupLook : public QObject {
    Q_OBJECT

private slots:
    void topicWithJumpPopupAndImage() {
        Project project;
        TTopic topic;
        topic.TopicID = 30;
        topic.Title = "Overview";
        project.Topics.Add(topic);
        QTextEdit edit;
        edit.resize(520, 160);
        QFont font("Arial");
        font.setPixelSize(15);
        edit.document()->setDefaultFont(font);
        edit.setPlainText("Read the Overview first, then the glossary entry.\n");
        const MarkupTarget target{&edit, 9, {}};
        QTextCursor cursor(edit.document());
        cursor.setPosition(9);
        cursor.setPosition(17, QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);
        QVERIFY(InsertLinkCode(target, project.Topics, false, "", true, "", "30"));
        const int at = edit.toPlainText().indexOf("glossary");
        cursor = QTextCursor(edit.document());
        cursor.setPosition(at);
        cursor.setPosition(at + 8, QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);
        QVERIFY(InsertLinkCode(target, project.Topics, true, "", false, "", "glossary"));
        cursor.movePosition(QTextCursor::End);
        edit.setTextCursor(cursor);
        InsertMarkupCode(target, FromAnsi(BuildImageCode(ImageAlign::Left, false, "logo.bmp")));
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        const QPixmap shot = edit.grab();
        QVERIFY(!shot.isNull());
        const QImage image = shot.toImage();
        // The hotspots are drawn green and the codes red.
        QVERIFY(CountColor(image, QColor(0, 128, 0)) > 20);
        QVERIFY(CountColor(image, QColor(255, 0, 0)) > 20);
        Keep(shot, "topic_markup.png");
    }

    void linkBoxForEachLocation() {
        Project project;
        for (int id : {10, 20, 30}) {
            TTopic topic;
            topic.TopicID = id;
            topic.Title = "Topic " + std::to_string(id);
            project.Topics.Add(topic);
        }
        project.WindowDefs = {"main=\"Main\"", "popwin=\"Pop\""};
        TLinkBox box;
        box.Fill(project, 1);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QList<QImage> shots;
        for (int loc = 0; loc < 4; ++loc) {
            box.loc->setCurrentIndex(loc);
            QApplication::processEvents();
            const QPixmap shot = box.grab();
            QVERIFY(!shot.isNull());
            shots << shot.toImage();
            Keep(shot, QString("link_box_%1.png").arg(loc));
        }
        // Each location shows different controls.
        for (int a = 0; a < 4; ++a) {
            for (int b = a + 1; b < 4; ++b) {
                QVERIFY(shots[a] != shots[b]);
            }
        }
    }
};

QTEST_MAIN(TestMarkupLook)
#include "tst_markup_look.moc"
