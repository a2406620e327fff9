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
};

}  // namespace scrivlet::app
