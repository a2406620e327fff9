#include "app/spelling/spell_commands.h"

#include <QAction>
#include <QTabWidget>
#include <QTextCursor>

#include "app/common/message_box.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/tmainform.h"
#include "app/spelling/spell_checker.h"
#include "app/spelling/thesaurus.h"
#include "core/editor/spell_run.h"

namespace scrivlet::app {

namespace {

// The command's view of the editor and Spell1.
class EditorSpellHost : public SpellCheckHost {
public:
    EditorSpellHost(TMainForm& form, TSpellCheck& spell)
        : form_(form), edit_(form.RichEdit1()), spell_(spell) {}

    int SelectionStart() const override { return edit_->textCursor().selectionStart(); }
    int SelectionLength() const override {
        const QTextCursor c = edit_->textCursor();
        return c.selectionEnd() - c.selectionStart();
    }
    int TextLength() const override { return edit_->document()->characterCount() - 1; }
    void SetSelection(int start, int length) override {
        QTextCursor c(edit_->document());
        const int last = TextLength();
        c.setPosition(std::min(start, last));
        c.setPosition(std::min(start + length, last), QTextCursor::KeepAnchor);
        edit_->setTextCursor(c);
    }
    bool AskCheckRemainder(const std::string& text) override {
        return MessageBox::AskYesNo(&form_, QString::fromStdString(text)) == QMessageBox::Yes;
    }
    bool Busy() const override { return spell_.Busy(); }
    bool Stopped() const override { return spell_.Stopped(); }
    void CheckSelection() override { spell_.CheckSelection(edit_); }
    void CheckRange(int start, int end) override { spell_.CheckRange(edit_, start, end); }
    void CloseCheckDialog() override { spell_.CloseCheckDialog(); }
    void SetMoreToFollow(bool value) override { spell_.MoreToFollow = value; }
    void SetResetCount(bool value) override { spell_.ResetCount = value; }
    void SetAlwaysActive(bool value) override { spell_.AlwaysActive = value; }
    void SetInitialPosition(Position value) override {
        spell_.Position =
            value == Position::Ignore ? TSpellCheck::ipIgnore : TSpellCheck::ipAvoidControl;
    }

private:
    TMainForm& form_;
    TSRichEdit* edit_;
    TSpellCheck& spell_;
};

}  // namespace

void SpellCheckCommand(TMainForm& form, TSpellCheck& spell) {
    form.Notebook()->setCurrentIndex(0);
    EditorSpellHost host(form, spell);
    RunSpellCheck(host);
}

void InstallSpelling(TMainForm& form) {
    auto* spell = new TSpellCheck(&form);
    auto* thesaurus = new TThesaurus(&form);
    for (const char* name : {"Spell1", "SpellBtn"}) {
        QObject::connect(form.Action(name), &QAction::triggered, spell,
                         [&form, spell] { SpellCheckCommand(form, *spell); });
    }
    QObject::connect(form.Action("Thesaurus1"), &QAction::triggered, thesaurus,
                     [&form, thesaurus] { thesaurus->LookUp(form.RichEdit1()); });
}

}  // namespace scrivlet::app
