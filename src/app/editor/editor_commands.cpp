#include "app/editor/editor_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDialog>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolBar>
#include <utility>

#include "app/common/app_icon.h"
#include "app/editor/color_box.h"
#include "app/editor/font_name_box.h"
#include "app/editor/ruler_widget.h"
#include "app/editor/text_format.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/tmainform.h"
#include "core/editor/colors.h"
#include "core/editor/ruler_math.h"
#include "rtf/paragraph_format.h"

namespace scrivlet::app {

namespace {

bool ClipboardHasText() {
    return !QApplication::clipboard()->text().isEmpty();
}

// The name of each style's toolbar button and Text menu item.
struct StyleNames {
    const char* style;
    const char* button;
    const char* item;
};
constexpr StyleNames kStyles[] = {{"Bold", "BoldBtn", "TextBold"},
                                  {"Italic", "ItalicBtn", "TextItalic"},
                                  {"Underline", "UnderlineBtn", "TextUnderline"},
                                  {"Strike", "StrikeBtn", "TextStrike"}};

constexpr int kMinFontSize = 6;
constexpr int kMaxFontSize = 72;

// The font dialog's size box takes any size from 1 to 512; narrow its check
// so that sizes outside the editor's range cannot be typed. (Its list offers
// the standard sizes, which lie within the range for scalable fonts.)
void LimitFontSizes(QFontDialog& dialog, int low, int high) {
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
        if (qobject_cast<const QIntValidator*>(edit->validator()) != nullptr) {
            edit->setValidator(new QIntValidator(low, high, edit));
        }
    }
}

}  // namespace

EditorCommands::EditorCommands(TMainForm& form)
    : QObject(&form),
      form_(form),
      edit_(form.RichEdit1()),
      ruler_(qobject_cast<TRuler*>(form.Ruler())) {
    setObjectName("EditorCommands");
    MakeColorBox(*form.Toolbars().color);
    BuildPopup();
    Connect();
}

EditorCommands* InstallEditorCommands(TMainForm& form) {
    return new EditorCommands(form);
}

void EditorCommands::BuildPopup() {
    popup_ = new QMenu(edit_);
    popup_->setObjectName("EditorPopup");
    auto item = [this](const char* name, const QString& caption, auto slot) {
        QAction* action = popup_->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    item("PopUndo", "&Undo", [this] { edit_->undo(); });
    popup_->addSeparator();
    item("PopCut", "Cu&t", [this] { edit_->cut(); });
    item("PopCopy", "&Copy", [this] {
        edit_->copy();
        UpdatePasteButton();
    });
    item("PopPaste", "&Paste", [this] { edit_->paste(); });
    popup_->addSeparator();
    item("PopSelectAll", "&Select All", [this] { edit_->selectAll(); })->setStatusTip("Select All");
    for (auto [name, icon] :
         {std::pair{"PopUndo", "edit-undo"}, std::pair{"PopCut", "edit-cut"},
          std::pair{"PopCopy", "edit-copy"}, std::pair{"PopPaste", "edit-paste"},
          std::pair{"PopSelectAll", "edit-select-all"}}) {
        popup_->findChild<QAction*>(name)->setIcon(AppIcon(icon));
    }
    // Shown beside the items as in any editor's menu; the editor itself
    // handles the keys.
    for (auto [name, keys] :
         {std::pair{"PopCut", QKeySequence::Cut}, std::pair{"PopCopy", QKeySequence::Copy},
          std::pair{"PopPaste", QKeySequence::Paste},
          std::pair{"PopSelectAll", QKeySequence::SelectAll}}) {
        popup_->findChild<QAction*>(name)->setShortcuts(keys);
    }
    connect(popup_, &QMenu::aboutToShow, this, [this] {
        const bool selected = edit_->textCursor().hasSelection();
        popup_->findChild<QAction*>("PopCut")->setEnabled(selected);
        popup_->findChild<QAction*>("PopCopy")->setEnabled(selected);
        popup_->findChild<QAction*>("PopPaste")->setEnabled(ClipboardHasText());
        popup_->findChild<QAction*>("PopUndo")->setEnabled(edit_->document()->isUndoAvailable());
    });
    edit_->SetEditorPopup(popup_);
}

void EditorCommands::Connect() {
    auto on = [this](const char* name, auto slot) {
        connect(form_.Action(name), &QAction::triggered, this, slot);
    };
    for (const StyleNames& s : kStyles) {
        const QString style = s.style;
        const char* button = s.button;
        on(s.button, [this, style](bool down) {
            if (!updating_) {
                CharStyle(style, down);
            }
        });
        form_.Action(s.item)->setCheckable(true);
        on(s.item, [this, style, button](bool checked) {
            CharStyle(style, checked);
            form_.Action(button)->setChecked(checked);
        });
    }
    form_.Action("TextBullet")->setCheckable(true);
    on("BulletsBtn", [this](bool down) {
        if (!updating_) {
            BulletParagraphs(down);
        }
    });
    on("TextBullet", [this](bool checked) {
        BulletParagraphs(checked);
        form_.Action("BulletsBtn")->setChecked(checked);
    });
    const struct {
        const char* button;
        const char* item;
        int tag;
    } aligns[] = {
        {"LeftBtn", "TextLeft", 0}, {"RightBtn", "TextRight", 1}, {"CenterBtn", "TextCenter", 2}};
    for (const auto& a : aligns) {
        const int tag = a.tag;
        const char* button = a.button;
        const char* item = a.item;
        on(a.button, [this, tag] {
            if (!updating_) {
                AlignParagraphs(tag);
            }
        });
        on(a.item, [this, tag, button, item] {
            if (updating_) {
                return;
            }
            AlignParagraphs(tag);
            form_.Action(item)->setChecked(true);
            form_.Action(button)->setChecked(true);
        });
    }
    connect(form_.Menus().text, &QMenu::aboutToShow, this, &EditorCommands::SetTextMenuChecks);
    on("TextFont", [this] { FontDialog(); });

    const MainToolbars& bars = form_.Toolbars();
    connect(bars.fontName, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!updating_ && index >= 0) {
            SetSelectionFontName(*edit_, form_.Toolbars().fontName->itemText(index));
            edit_->setFocus();
        }
    });
    connect(bars.fontSize, &QComboBox::currentIndexChanged, this, [this](int) {
        const QString text = form_.Toolbars().fontSize->currentText();
        bool ok = false;
        const int size = text.toInt(&ok);
        if (!updating_ && ok && size > 0) {
            SetSelectionFontSize(*edit_, size);
            edit_->setFocus();
        }
    });
    connect(bars.color, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!updating_ && index >= 0) {
            const RgbColor c = ColorOfIndex(index);
            SetSelectionColor(*edit_, QColor(c.Red, c.Green, c.Blue));
            edit_->setFocus();
        }
    });
    for (QToolBar* bar : bars.all) {
        if (bar->objectName() == "FontTbar") {
            connect(bar, &QToolBar::topLevelChanged, this, [this] { SelectionChange(); });
        }
    }

    // The Edit menu addresses the focused control; the toolbar the editor.
    on("EditCut", [this] { SendToFocused(EditRequest::Cut); });
    on("EditCopy", [this] { SendToFocused(EditRequest::Copy); });
    on("EditPaste", [this] { SendToFocused(EditRequest::Paste); });
    on("EditSelectAll", [this] { edit_->selectAll(); });
    on("UndoBtn", [this] { edit_->undo(); });
    on("CutBtn", [this] { edit_->cut(); });
    on("CopyBtn", [this] {
        edit_->copy();
        UpdatePasteButton();
    });
    on("PasteBtn", [this] { edit_->paste(); });
    connect(edit_, &QTextEdit::textChanged, this, &EditorCommands::TextChanged);
    connect(edit_, &QTextEdit::selectionChanged, this, [this] { form_.SelectionChange(); });
    on("ViewRuler", [this] { SelectionChange(); });
    on("ViewStatusBar", [this] { SelectionChange(); });

    if (ruler_) {
        connect(ruler_, &TRuler::markerDropped, this, &EditorCommands::RulerDrop);
    }
    form_.Action("UndoBtn")->setEnabled(false);
    form_.Action("CutBtn")->setEnabled(false);
    form_.Action("CopyBtn")->setEnabled(false);
}

bool EditorCommands::SelectionStyle(const QString& which) const {
    const QTextCharFormat format = edit_->currentCharFormat();
    if (which == "Bold") {
        return format.fontWeight() >= QFont::Bold;
    }
    if (which == "Italic") {
        return format.fontItalic();
    }
    if (which == "Underline") {
        return format.fontUnderline();
    }
    return format.fontStrikeOut();
}

void EditorCommands::SelectionChange() {
    updating_ = true;
    {
        // Cleared also when a step below throws.
        const auto clear = qScopeGuard([this] { updating_ = false; });
        const QTextCursor cursor = edit_->textCursor();
        const QTextBlock block = edit_->document()->findBlock(cursor.selectionStart());
        if (ruler_) {
            const ParagraphIndents indents = ShownIndentsOf(block);
            ruler_->SetMarkers(indents.first, indents.left, indents.right);
        }
        for (const StyleNames& s : kStyles) {
            form_.Action(s.button)->setChecked(SelectionStyle(s.style));
        }
        const QTextCharFormat format = edit_->currentCharFormat();
        const MainToolbars& bars = form_.Toolbars();
        bars.color->setCurrentIndex(IndexOfColor(RgbOfFormat(format)));
        form_.Action("BulletsBtn")->setChecked(HasBullet(block));
        bars.fontSize->setCurrentIndex(bars.fontSize->findText(SizeText(format)));
        ShowFontName(*bars.fontName, FontNameOf(format, edit_->font()));
        const int alignment = AlignmentTag(block.blockFormat().alignment());
        form_.Action(alignment == 1   ? "RightBtn"
                     : alignment == 2 ? "CenterBtn"
                                      : "LeftBtn")
            ->setChecked(true);
    }
    form_.StatusPanel(0)->setText(
        QStringLiteral("%1: %2").arg(edit_->CaretLine()).arg(edit_->CaretColumn()));
    const bool selected = edit_->textCursor().hasSelection();
    form_.Action("CutBtn")->setEnabled(selected);
    form_.Action("CopyBtn")->setEnabled(selected);
}

void EditorCommands::CharStyle(const QString& which, bool on) {
    QTextCharFormat format;
    if (which == "Bold") {
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    } else if (which == "Italic") {
        format.setFontItalic(on);
    } else if (which == "Underline") {
        format.setFontUnderline(on);
    } else {
        format.setFontStrikeOut(on);
    }
    edit_->mergeCurrentCharFormat(format);
}

void EditorCommands::AlignParagraphs(int tag) {
    QTextBlockFormat format;
    format.setAlignment(AlignmentOfTag(tag));
    QTextCursor cursor = edit_->textCursor();
    cursor.mergeBlockFormat(format);
}

void EditorCommands::BulletParagraphs(bool on) {
    QTextCursor cursor = edit_->textCursor();
    SetBullet(cursor, on);
    // The bullet's room moves the text; the ruler follows it.
    form_.SelectionChange();
}

void EditorCommands::SetTextMenuChecks() {
    for (const StyleNames& s : kStyles) {
        form_.Action(s.item)->setChecked(SelectionStyle(s.style));
    }
    const QTextBlock block = edit_->document()->findBlock(edit_->textCursor().selectionStart());
    form_.Action("TextBullet")->setChecked(HasBullet(block));
    const int alignment = AlignmentTag(block.blockFormat().alignment());
    form_.Action(alignment == 1   ? "TextRight"
                 : alignment == 2 ? "TextCenter"
                                  : "TextLeft")
        ->setChecked(true);
}

void EditorCommands::FontDialog() {
    QFontDialog dialog(edit_->currentCharFormat().font(), &form_);
    dialog.setWindowTitle("Font");
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    LimitFontSizes(dialog, kMinFontSize, kMaxFontSize);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QFont chosen = dialog.selectedFont();
    // A size typed in part ("5" on the way to "54") passes the box's check;
    // the editor's sizes still run from 6 to 72 points.
    chosen.setPointSizeF(
        std::clamp(chosen.pointSizeF(), double(kMinFontSize), double(kMaxFontSize)));
    QTextCharFormat format;
    format.setFont(chosen, QTextCharFormat::FontPropertiesSpecifiedOnly);
    format.setFontFamilies({chosen.family()});
    format.setFontPointSize(chosen.pointSizeF());
    format.setFontWeight(chosen.bold() ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chosen.italic());
    format.setFontUnderline(chosen.underline());
    format.setFontStrikeOut(chosen.strikeOut());
    edit_->mergeCurrentCharFormat(format);
    form_.SelectionChange();
}

void EditorCommands::RulerDrop(int marker, int left, int dragOffset) {
    QTextCursor cursor = edit_->textCursor();
    const int width = ruler_->contentsRect().width();
    ForEachSelectedBlock(cursor, [&](const QTextBlock& block, QTextBlockFormat& format) {
        ParagraphIndents indents = ShownIndentsOf(block);
        if (marker == TRuler::FirstInd) {
            indents.first = FirstIndentOfDrop(left, dragOffset);
        }
        if (marker == TRuler::FirstInd || marker == TRuler::LeftInd) {
            const int leftMarker =
                marker == TRuler::LeftInd ? left : ruler_->MarkerWidget(TRuler::LeftInd)->x();
            indents.left = LeftIndentOfDrop(leftMarker, dragOffset, indents.first);
        }
        if (marker == TRuler::RightInd) {
            indents.right = RightIndentOfDrop(left, dragOffset, width);
        }
        SetShownIndents(block, format, indents);
    });
    form_.SelectionChange();
}

void EditorCommands::SendToFocused(EditRequest request) {
    QWidget* focus = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        switch (request) {
            case EditRequest::Undo:
                line->undo();
                break;
            case EditRequest::Cut:
                line->cut();
                break;
            case EditRequest::Copy:
                line->copy();
                break;
            case EditRequest::Paste:
                line->paste();
                break;
        }
    } else if (auto* text = qobject_cast<QTextEdit*>(focus)) {
        switch (request) {
            case EditRequest::Undo:
                text->undo();
                break;
            case EditRequest::Cut:
                text->cut();
                break;
            case EditRequest::Copy:
                text->copy();
                break;
            case EditRequest::Paste:
                text->paste();
                break;
        }
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus)) {
        switch (request) {
            case EditRequest::Undo:
                plain->undo();
                break;
            case EditRequest::Cut:
                plain->cut();
                break;
            case EditRequest::Copy:
                plain->copy();
                break;
            case EditRequest::Paste:
                plain->paste();
                break;
        }
    }
    if (request == EditRequest::Copy) {
        UpdatePasteButton();
    }
}

void EditorCommands::UpdatePasteButton() {
    form_.Action("PasteBtn")->setEnabled(ClipboardHasText());
}

void EditorCommands::TextChanged() {
    UpdatePasteButton();
    form_.Action("UndoBtn")->setEnabled(edit_->document()->isUndoAvailable());
}

}  // namespace scrivlet::app
