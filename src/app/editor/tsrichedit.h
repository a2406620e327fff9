#pragma once

#include <QTextEdit>
#include <functional>

class QMenu;

namespace scrivlet::app {

// The topic text editor ("RichEdit1" on the "Text" page): Arial 15 pixels,
// no border, a vertical scroll bar always, Tab inserts a tab, 6 pixels of
// gutter on both sides, and a limit on typed and pasted text.
class TSRichEdit : public QTextEdit {
    Q_OBJECT

public:
    explicit TSRichEdit(QWidget* parent = nullptr);

    // The zero-based line (paragraph) of the selection start, and the
    // selection start's offset in that line.
    int CaretLine() const;
    int CaretColumn() const;

    // Keeps 6 pixels of gutter on both sides of the text.
    void ApplyTextMargins();

    // Called after the editor scrolled; none set by default.
    std::function<void()> OnHScroll;
    std::function<void()> OnVScroll;

    // The context menu; the default one when none is set.
    void SetEditorPopup(QMenu* popup) { popup_ = popup; }
    QMenu* EditorPopup() const { return popup_; }

    // The most characters typing or pasting may bring the text to; loading
    // a topic is not limited. 0 = no limit.
    void SetTextLimit(int characters) { textLimit_ = characters; }
    int TextLimit() const { return textLimit_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Before typing at a caret just after a markup code: the typing format
    // becomes that of the text before the code.
    void TakeFormatBeforeCode();
    // How many more characters the limit allows in place of the selection.
    int Room() const;

    QMenu* popup_ = nullptr;
    int textLimit_ = 0;
};

}  // namespace scrivlet::app
