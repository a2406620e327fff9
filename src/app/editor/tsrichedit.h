#pragma once

#include <QTextEdit>

namespace scrivlet::app {

// The topic text editor ("RichEdit1" on the "Text" page). A QTextEdit with
// the caret queries the status bar needs; the editor features grow here.
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

    // The most characters typing or pasting may bring the text to; loading
    // a topic is not limited. 0 = no limit.
    void SetTextLimit(int characters) { textLimit_ = characters; }
    int TextLimit() const { return textLimit_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // How many more characters the limit allows in place of the selection.
    int Room() const;

    int textLimit_ = 0;
};

}  // namespace scrivlet::app
