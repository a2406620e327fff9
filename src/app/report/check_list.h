#pragma once

#include <QListWidget>

namespace scrivlet::app {

// A list of ticked items that the user reorders by dragging one item onto
// another: the dragged item, with its tick, takes the place of the one it
// was dropped on.
class TCheckList : public QListWidget {
    Q_OBJECT
public:
    explicit TCheckList(QWidget* parent);

    void AddCheckItem(const QString& text, bool checked);
    bool IsChecked(int row) const;
    void SetChecked(int row, bool checked);
    // The texts of the ticked items, top to bottom.
    QStringList CheckedTexts() const;
    QStringList Texts() const;

    int DragSource() const { return dragSource_; }
    // The move a drop makes: nothing when FROM equals TO or either is not an
    // item.
    void MoveItem(int from, int to);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int dragSource_ = -1;
};

}  // namespace scrivlet::app
