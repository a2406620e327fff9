// The topic properties dialog: fields, choices, key filters and the OK rule.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/topics/tfootbox.h"
#include "core/model/project.h"

using namespace scrivlet;
using namespace scrivlet::app;

class FootBoxTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsAndChoices() {
        TFootBox box;
        QCOMPARE(box.windowTitle(), QString("Topic Properties"));
        TTopic topic = CreateTopic();
        topic.TopicID = 42;
        topic.ContextString = "ctx";
        topic.BuildTag = "beta";
        topic.Comment = "Custom";
        box.SetChoices({"alpha", "beta"}, {"main", ""});
        box.SetValues(FootValuesOf(topic));
        QCOMPARE(box.Field(FootField::ContextId)->text(), QString("42"));
        QCOMPARE(box.Field(FootField::Title)->text(), QString("[new topic]"));
        QCOMPARE(box.Field(FootField::BuildTag)->text(), QString("beta"));
        QCOMPARE(box.Field(FootField::Comment)->text(), QString("Custom"));
        QCOMPARE(box.BuildTagBox()->count(), 2);
        QCOMPARE(box.WindowBox()->count(), 2);
        QCOMPARE(box.WindowBox()->itemText(1), QString());
        QStringList comments;
        for (int i = 0; i < box.CommentBox()->count(); ++i) {
            comments << box.CommentBox()->itemText(i);
        }
        QCOMPARE(comments, QStringList({"Editing", "Testing", "Done"}));
        QVERIFY(box.OkButton()->isDefault());
        const FootValues values = box.Values();
        QCOMPARE(values[FootField::ContextString], std::string("ctx"));
        QCOMPARE(values[FootField::Comment], std::string("Custom"));
        QCOMPARE(values[FootField::ContextId], std::string("42"));
    }

    void okNeedsAContextString() {
        TFootBox box;
        box.SetValues(FootValuesOf(CreateTopic()));
        QVERIFY(!box.OkButton()->isEnabled());
        box.Field(FootField::ContextString)->setText("x");
        QVERIFY(box.OkButton()->isEnabled());
        box.Field(FootField::ContextString)->clear();
        QVERIFY(!box.OkButton()->isEnabled());
    }

    void contextIdTakesDigitsOnly() {
        TFootBox box;
        QLineEdit* id = box.Field(FootField::ContextId);
        id->clear();
        QTest::keyClicks(id, "1a2-3 .4~");
        QCOMPARE(id->text(), QString("1234"));
        QTest::keyClick(id, Qt::Key_Backspace);
        QCOMPARE(id->text(), QString("123"));
        // Codes 127 to 255 pass (an e with acute accent is 233).
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\u00e9"));
        QApplication::sendEvent(id, &press);
        QCOMPARE(id->text(), QString::fromUtf8("123\u00e9"));
    }

    void lengthLimits() {
        TFootBox box;
        QLineEdit* title = box.Field(FootField::Title);
        title->setText(QString(120, 'a'));
        QTest::keyClicks(title, "bc");  // 120 -> 121 passes, then refused
        QCOMPARE(title->text().size(), 121);
        QLineEdit* browse = box.Field(FootField::BrowseSeq);
        browse->setText(QString(49, 'b'));
        QTest::keyClicks(browse, "xy");
        QCOMPARE(browse->text().size(), 50);
        QLineEdit* comment = box.Field(FootField::Comment);
        comment->setText(QString(50, 'c'));
        QTest::keyClicks(comment, "z");
        QCOMPARE(comment->text().size(), 50);
        QLineEdit* macro = box.Field(FootField::EntryMacro);
        macro->setText(QString(255, 'm'));
        QTest::keyClicks(macro, "z");
        QCOMPARE(macro->text().size(), 255);
        // Backspace always passes.
        QTest::keyClick(macro, Qt::Key_Backspace);
        QCOMPARE(macro->text().size(), 254);
    }

    void aKeywordsIsLimitedByItsOwnLength() {
        TFootBox box;
        box.Field(FootField::Keywords)->setText(QString(255, 'k'));
        QLineEdit* akeys = box.Field(FootField::AKeywords);
        akeys->clear();
        QTest::keyClicks(akeys, "abc");
        QCOMPARE(akeys->text(), QString("abc"));
        akeys->setText(QString(255, 'a'));
        QTest::keyClicks(akeys, "d");
        QCOMPARE(akeys->text().size(), 255);
    }

    void tabOrder() {
        TFootBox box;
        QStringList order;
        QWidget* w = box.Field(FootField::ContextId);
        for (int i = 0; i < 12; ++i) {
            order << w->objectName();
            w = w->nextInFocusChain();
            // A drop-down's own line editor follows the drop-down.
            while (w && (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty())) {
                w = w->nextInFocusChain();
            }
        }
        QCOMPARE(order,
                 QStringList({"xID", "xTitle", "xContext", "xKeys", "xAKeys", "xBuildTag",
                              "xBrowse", "xWindow", "xMacro", "xComment", "OKBtn", "CancelBtn"}));
    }
};

QTEST_MAIN(FootBoxTest)
#include "tst_topics_footbox.moc"
