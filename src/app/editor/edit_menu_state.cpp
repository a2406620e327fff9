#include "app/editor/edit_menu_state.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <optional>

#include "app/editor/tsrichedit.h"
#include "app/mainform/tmainform.h"

namespace scrivlet::app {
namespace {

struct ClipboardState {
    bool cut = false;
    bool copy = false;
    bool paste = false;
};

bool ClipboardHasText() {
    return !QApplication::clipboard()->text().isEmpty();
}

// The state of the focused text box when it is not the topic editor;
// nothing for the editor and for any other control.
std::optional<ClipboardState> StateOfFocused(const QWidget* editor) {
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        const bool selected = line->hasSelectedText();
        const bool open = !line->isReadOnly();
        const bool shown = line->echoMode() == QLineEdit::Normal;
        return ClipboardState{selected && open && shown, selected && shown,
                              open && ClipboardHasText()};
    }
    if (auto* text = qobject_cast<QTextEdit*>(focus); text && text != editor) {
        const bool selected = text->textCursor().hasSelection();
        return ClipboardState{selected && !text->isReadOnly(), selected,
                              !text->isReadOnly() && ClipboardHasText()};
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) {
        const bool selected = plain->textCursor().hasSelection();
        return ClipboardState{selected && !plain->isReadOnly(), selected,
                              !plain->isReadOnly() && ClipboardHasText()};
    }
    return std::nullopt;
}

// The menu's three items and the toolbar's three buttons, in that order.
struct EditActions {
    QAction* items[3];
    QAction* buttons[3];
    const QWidget* editor;

    void Refresh() const {
        const ClipboardState state = StateOfFocused(editor).value_or(ClipboardState{
            buttons[0]->isEnabled(), buttons[1]->isEnabled(), buttons[2]->isEnabled()});
        items[0]->setEnabled(state.cut);
        items[1]->setEnabled(state.copy);
        items[2]->setEnabled(state.paste);
    }
};

}  // namespace

void KeepEditMenuInStep(TMainForm& form) {
    // The connections end with the actions, so none runs while the window
    // is taken down.
    const EditActions a{{form.Action("EditCut"), form.Action("EditCopy"), form.Action("EditPaste")},
                        {form.Action("CutBtn"), form.Action("CopyBtn"), form.Action("PasteBtn")},
                        form.RichEdit1()};
    for (QAction* button : a.buttons) {
        QObject::connect(button, &QAction::enabledChanged, a.items[0], [a] { a.Refresh(); });
    }
    QObject::connect(form.Menus().edit, &QMenu::aboutToShow, a.items[0], [a] { a.Refresh(); });
    QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, a.items[0], [a] {
        a.buttons[2]->setEnabled(ClipboardHasText());
        a.Refresh();
    });
    a.Refresh();
}

}  // namespace scrivlet::app
