// The spell checker over the system's Hunspell dictionary, the Spell Check
// command's order on the main window, and the thesaurus over MyThes.
#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

#include "app/common/message_box.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/tmainform.h"
#include "app/spelling/spell_checker.h"
#include "app/spelling/spell_commands.h"
#include "app/spelling/spell_dictionary.h"
#include "app/spelling/thesaurus.h"
#include "app/spelling/thesaurus_box.h"
#include "helpers/window_fixture.h"

using namespace scrivlet;
using namespace scrivlet::app;
using scrivlet::test::SettingsSandbox;
using scrivlet::test::StartWindow;
using Answer = TSpellBox::Answer;

namespace {

std::unique_ptr<SpellDictionary> SystemEnglish(QString* error) {
    return OpenHunspell(kHunspellFolder, "en_US", error);
}

// Answers each prompt with the next of ANSWERS (Cancel when they run out)
// and records the words asked about.
struct Script {
    QStringList asked;
    QList<Answer> answers;
    QString changeTo;

    void Attach(TSpellCheck& spell) {
        QObject::connect(&spell, &TSpellCheck::prompted, &spell, [this](TSpellBox* box) {
            asked << box->Word();
            const Answer answer = answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
            if (!changeTo.isEmpty()) {
                box->SetChangeTo(changeTo);
            }
            box->Give(answer);
        });
    }
};

void SetCaret(QTextEdit& edit, int start, int length = 0) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

}  // namespace

class SpellTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        sandbox_.Clear();
        MessageBox::SetNextAnswer(QMessageBox::NoButton);
        MessageBox::Error(nullptr, QString());
    }

    void hunspellSkipsMarkupAndChangesTheMisspelling() {
        QTextEdit edit;
        edit.setPlainText("A smple jump[href=20] and {bmc pict.bmp} here.");
        TSpellCheck spell(&edit, sandbox_.Path() + "/words.dic", SystemEnglish);
        Script script;
        script.answers = {Answer::Change};
        script.changeTo = "simple";
        script.Attach(spell);
        const int shown = MessageBox::ShownCount();
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        spell.CheckRange(&edit, 0, edit.toPlainText().size());
        QCOMPARE(script.asked, QStringList({"smple"}));
        QCOMPARE(edit.toPlainText(), QString("A simple jump[href=20] and {bmc pict.bmp} here."));
        QVERIFY(!spell.Stopped());
        QVERIFY(!spell.Busy());
        QCOMPARE(MessageBox::ShownCount(), shown + 1);
        QCOMPARE(MessageBox::LastText(), QString("The spelling check is complete."));
        QCOMPARE(spell.CheckedCount(), 5);
    }

    void suggestionsComeFromTheDictionary() {
        QTextEdit edit;
        edit.setPlainText("misteak");
        TSpellCheck spell(&edit, sandbox_.Path() + "/words.dic", SystemEnglish);
        QStringList suggestions;
        QObject::connect(&spell, &TSpellCheck::prompted, &spell, [&](TSpellBox* box) {
            suggestions = box->Suggestions();
            QVERIFY(box->ContextText().contains("misteak"));
            box->Give(Answer::Cancel);
        });
        spell.CheckRange(&edit, 0, 7);
        QVERIFY(suggestions.contains("mistake"));
        QVERIFY(spell.Stopped());
        QCOMPARE(edit.toPlainText(), QString("misteak"));
    }

    void changesNothingOutsideTheRange() {
        QTextEdit edit;
        edit.setPlainText("wrongg one wrongg two wrongg");
        TSpellCheck spell(&edit, sandbox_.Path() + "/words.dic", SystemEnglish);
        spell.MoreToFollow = true;
        Script script;
        script.answers = {Answer::ChangeAll};
        script.changeTo = "right";
        script.Attach(spell);
        spell.CheckRange(&edit, 7, 21);
        // The second is asked and the rest of the range follows Change All;
        // the first and the last lie outside.
        QCOMPARE(script.asked, QStringList({"wrongg"}));
        QCOMPARE(edit.toPlainText(), QString("wrongg one right two wrongg"));
    }

    void ignoreAllAndAddRememberTheWord() {
        QTextEdit edit;
        edit.setPlainText("zorbly qwfp zorbly qwfp");
        const QString words = sandbox_.Path() + "/words.dic";
        {
            TSpellCheck spell(&edit, words, SystemEnglish);
            spell.MoreToFollow = true;
            Script script;
            script.answers = {Answer::IgnoreAll, Answer::Add};
            script.Attach(spell);
            spell.CheckRange(&edit, 0, edit.toPlainText().size());
            QCOMPARE(script.asked, QStringList({"zorbly", "qwfp"}));
        }
        QFile file(words);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("qwfp\n"));
        // A new checker reads the personal list.
        TSpellCheck again(&edit, words, SystemEnglish);
        again.MoreToFollow = true;
        Script script;
        script.answers = {Answer::Ignore, Answer::Ignore};
        script.Attach(again);
        again.CheckRange(&edit, 0, edit.toPlainText().size());
        QCOMPARE(script.asked, QStringList({"zorbly", "zorbly"}));
    }

    void missingDictionaryIsReportedNotACrash() {
        QTemporaryDir empty;
        QTextEdit edit;
        edit.setPlainText("anything");
        TSpellCheck spell(&edit, sandbox_.Path() + "/words.dic", [&](QString* error) {
            return OpenHunspell(empty.path(), "en_US", error);
        });
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        spell.CheckRange(&edit, 0, 8);
        QVERIFY(spell.Stopped());
        QVERIFY(MessageBox::LastText().startsWith(
            "The spelling dictionary for en_US is not installed."));
        QCOMPARE(DictionaryLanguage(empty.path(), "de_DE"), QString("en_US"));
        QCOMPARE(DictionaryLanguage(kHunspellFolder, "en_US"), QString("en_US"));
    }

    void commandWithoutSelectionChecksPastTheCaretFirst() {
        auto form = StartWindow();
        TSRichEdit* edit = form->RichEdit1();
        edit->setPlainText("frist middle secnd");
        SetCaret(*edit, 8);
        auto* spell = form->findChild<TSpellCheck*>("Spell1");
        QVERIFY(spell);
        Script script;
        script.answers = {Answer::Ignore, Answer::Ignore};
        script.Attach(*spell);
        const int shown = MessageBox::ShownCount();
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        form->Action("Spell1")->trigger();
        QCOMPARE(script.asked, QStringList({"secnd", "frist"}));
        // No question: only the completion notice.
        QCOMPARE(MessageBox::ShownCount(), shown + 1);
        QCOMPARE(MessageBox::LastText(), QString("The spelling check is complete."));
        QCOMPARE(edit->textCursor().selectionStart(), 8);
        QVERIFY(!edit->textCursor().hasSelection());
    }

    void commandWithSelectionAnsweredNoChecksOnlyIt() {
        auto form = StartWindow();
        TSRichEdit* edit = form->RichEdit1();
        edit->setPlainText("frist wrd secnd");
        SetCaret(*edit, 6, 3);
        auto* spell = form->findChild<TSpellCheck*>("Spell1");
        Script script;
        script.answers = {Answer::Ignore};
        script.Attach(*spell);
        MessageBox::SetNextAnswer(QMessageBox::No);
        form->Action("SpellBtn")->trigger();
        QCOMPARE(script.asked, QStringList({"wrd"}));
        QCOMPARE(MessageBox::LastText(), QString("The selected text has been checked.\r\n\r\n"
                                                 "Check the remainder of the document?"));
        QCOMPARE(edit->textCursor().selectionStart(), 6);
        QCOMPARE(edit->textCursor().selectionEnd(), 9);
        QVERIFY(!spell->Dialog()->isVisible());
        QVERIFY(spell->ResetCount);
        QVERIFY(!spell->AlwaysActive);
    }

    void thesaurusReplacesTheWordAtTheCaret() {
        auto form = StartWindow();
        TSRichEdit* edit = form->RichEdit1();
        edit->setPlainText("a happy day");
        SetCaret(*edit, 4);
        auto* thesaurus = form->findChild<TThesaurus*>("Thesaurus1");
        QVERIFY(thesaurus);
        const QList<ThesaurusMeaning> meanings = thesaurus->Meanings("happy");
        QVERIFY(!meanings.isEmpty());
        QStringList all;
        for (const ThesaurusMeaning& m : meanings) {
            all << m.synonyms;
        }
        QVERIFY(all.contains("glad"));
        QString lookedUp;
        thesaurus->SetChooser([&](const QString& word, const QList<ThesaurusMeaning>& found) {
            lookedUp = word;
            return found.isEmpty() ? QString() : QString("glad");
        });
        form->Action("Thesaurus1")->trigger();
        QCOMPARE(lookedUp, QString("happy"));
        QCOMPARE(edit->toPlainText(), QString("a glad day"));
        QVERIFY(thesaurus->Meanings("qwxzv").isEmpty());
    }

    void thesaurusDialogHandsBackTheChosenSynonym() {
        QTextEdit edit;
        edit.setPlainText("so happy");
        SetCaret(edit, 8);
        TThesaurus thesaurus(&edit);
        const QList<ThesaurusMeaning> meanings = thesaurus.Meanings("happy");
        QVERIFY(meanings.size() >= 2);
        QVERIFY(meanings[1].synonyms.size() >= 2);
        const QString pick = meanings[1].synonyms[1];
        scrivlet::test::OnNextModal([](QWidget* w) {
            auto* box = qobject_cast<TThesaurusBox*>(w);
            QVERIFY(box);
            QCOMPARE(box->MeaningList()->item(0)->text().isEmpty(), false);
            box->MeaningList()->setCurrentRow(1);
            box->SynonymList()->setCurrentRow(1);
            box->accept();
        });
        thesaurus.LookUp(&edit);
        QCOMPARE(edit.toPlainText(), "so " + pick);
    }

    void missingThesaurusIsReported() {
        QTemporaryDir empty;
        QTextEdit edit;
        edit.setPlainText("happy");
        TThesaurus thesaurus(&edit, empty.path());
        MessageBox::SetNextAnswer(QMessageBox::Ok);
        thesaurus.LookUp(&edit);
        QVERIFY(MessageBox::LastText().startsWith("The thesaurus for en_US is not installed."));
        QCOMPARE(edit.toPlainText(), QString("happy"));
    }

private:
    SettingsSandbox sandbox_;
};

QTEST_MAIN(SpellTest)
#include "tst_spell.moc"
