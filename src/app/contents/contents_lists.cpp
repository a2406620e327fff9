#include "app/contents/contents_lists.h"

#include <QApplication>
#include <QDragMoveEvent>
#include <QKeyEvent>
#include <QPainter>

#include "app/contents/contents_glyphs.h"
#include "core/contents/contents_file.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

constexpr int kItemHeight = 20;
constexpr int kIndent = 16;

void FillItem(QPainter* painter, const QStyleOptionViewItem& option) {
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                             : option.palette.color(QPalette::Text));
}

// Text placed with its top at TOP, as the item layout asks.
void DrawTextAt(QPainter* painter, const QStyleOptionViewItem& option, int x, int top,
                const QString& text) {
    painter->setFont(option.font);
    const QRect box(x, top, std::max(0, option.rect.right() - x), option.rect.bottom() - top);
    painter->drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

}  // namespace

ContentsEntryDelegate::ContentsEntryDelegate(const ContentsFile* file, QObject* parent)
    : QStyledItemDelegate(parent),
      file_(file),
      book_(BookGlyph()),
      page_(PageGlyph()),
      plus_(PlusGlyph()) {}

void ContentsEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const ContentsEntry entry = file_->EntryAt(index.row());
    painter->save();
    FillItem(painter, option);
    const int64_t indent = entry.EntryLevel > 0 ? int64_t{entry.EntryLevel - 1} * kIndent : 0;
    // Absurd levels would push the text out of sight and overflow pixel sums.
    const int x = option.rect.left() + static_cast<int>(std::min<int64_t>(indent, 4000));
    const int top = option.rect.top();
    if (!IsComment(entry)) {
        const QPixmap& glyph = IsInclude(entry) ? plus_ : IsPage(entry) ? page_ : book_;
        painter->drawPixmap(x + 1, top + 2, glyph);
    }
    DrawTextAt(painter, option, x + 20, top + 3, FromAnsi(entry.EntryTitle.str()));
    painter->restore();
}

QSize ContentsEntryDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
}

TopicEntryDelegate::TopicEntryDelegate(QObject* parent)
    : QStyledItemDelegate(parent), page_(PageGlyph()) {}

void TopicEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    painter->save();
    FillItem(painter, option);
    painter->drawPixmap(option.rect.left() + 1, option.rect.top() + 2, page_);
    DrawTextAt(painter, option, option.rect.left() + 20, option.rect.top() + 3,
               index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize TopicEntryDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
}

TTopicsList::TTopicsList(QWidget* parent) : QListWidget(parent) {
    setObjectName("TopicsList");
    setItemDelegate(new TopicEntryDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
}

TCntList::TCntList(QListWidget* topics, QWidget* parent) : QListWidget(parent), topics_(topics) {
    setObjectName("cntlist");
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    // A drop is always reported as a copy, so the view never removes the
    // dragged row itself: the window moves entries in the model.
    setDefaultDropAction(Qt::CopyAction);
    setDropIndicatorShown(false);
}

int TCntList::EntryAtPoint(const QPoint& pos) const {
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? index.row() : -1;
}

bool TCntList::Accepts(const QObject* source) const {
    return source != nullptr && (source == topics_ || source == this);
}

void TCntList::FollowPointer(const QPoint& pos) {
    const int row = EntryAtPoint(pos);
    if (row < 0) {
        clearSelection();
        setCurrentRow(-1);
    } else {
        setCurrentRow(row);
    }
}

void TCntList::mousePressEvent(QMouseEvent* event) {
    const int row = EntryAtPoint(event->position().toPoint());
    if (row >= 0) {
        dragSource_ = row;
    }
    QListWidget::mousePressEvent(event);
}

void TCntList::dragEnterEvent(QDragEnterEvent* event) {
    if (!Accepts(event->source())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TCntList::dragMoveEvent(QDragMoveEvent* event) {
    if (!Accepts(event->source())) {
        event->ignore();
        return;
    }
    FollowPointer(event->position().toPoint());
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TCntList::dropEvent(QDropEvent* event) {
    if (!Accepts(event->source())) {
        event->ignore();
        return;
    }
    const int target = EntryAtPoint(event->position().toPoint());
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (event->source() == topics_) {
        emit TopicDropped(target);
    } else {
        emit EntryDropped(dragSource_, target);
    }
}

void TCntList::keyReleaseEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool editKey = key == Qt::Key_Insert || key == Qt::Key_Delete ||
                         key == Qt::Key_Backspace || key == Qt::Key_Space;
    const auto held =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (editKey && held == Qt::NoModifier && QApplication::mouseButtons() == Qt::NoButton &&
        !event->isAutoRepeat()) {
        emit EditKeyReleased(key);
        event->accept();
        return;
    }
    QListWidget::keyReleaseEvent(event);
}

}  // namespace scrivlet::app
