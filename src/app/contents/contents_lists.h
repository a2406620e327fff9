#pragma once

#include <QListWidget>
#include <QPixmap>
#include <QStyledItemDelegate>

namespace scrivlet {
class ContentsFile;
}

namespace scrivlet::app {

// Draws the entries of the contents list: each level indents by 16 pixels,
// then the glyph of the entry's kind and its title.
class ContentsEntryDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ContentsEntryDelegate(const ContentsFile* file, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const ContentsFile* file_;
    QPixmap book_;
    QPixmap page_;
    QPixmap plus_;
};

// Draws a project topic: the page glyph and the title.
class TopicEntryDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TopicEntryDelegate(QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QPixmap page_;
};

// The project topics: items can be dragged onto the contents.
class TTopicsList : public QListWidget {
    Q_OBJECT
public:
    explicit TTopicsList(QWidget* parent);
};

// The contents entries. It accepts drags from the topics list and from
// itself, lets the selection follow the pointer while dragging, and reports
// drops and the editing keys; the window does the work.
class TCntList : public QListWidget {
    Q_OBJECT
public:
    TCntList(QListWidget* topics, QWidget* parent);

    int DragSource() const { return dragSource_; }
    // The entry under POS, or -1 below the last entry.
    int EntryAtPoint(const QPoint& pos) const;

signals:
    // TARGET is -1 for a drop below the last entry.
    void TopicDropped(int target);
    void EntryDropped(int source, int target);
    // Insert, Delete, Backspace or Space released with no modifier or button.
    void EditKeyReleased(int key);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool Accepts(const QObject* source) const;
    void FollowPointer(const QPoint& pos);

    QListWidget* topics_;
    int dragSource_ = -1;
};

}  // namespace scrivlet::app
