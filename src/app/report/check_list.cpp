#include "app/report/check_list.h"

#include <QDragMoveEvent>
#include <QMouseEvent>

namespace scrivlet::app {

TCheckList::TCheckList(QWidget* parent) : QListWidget(parent) {
    setObjectName("CheckList");
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    // Reported as a copy so that the view leaves the rows alone; MoveItem
    // does the move.
    setDefaultDropAction(Qt::CopyAction);
    setDropIndicatorShown(false);
}

void TCheckList::AddCheckItem(const QString& text, bool checked) {
    auto* item = new QListWidgetItem(text, this);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                   Qt::ItemIsDragEnabled);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

bool TCheckList::IsChecked(int row) const {
    const QListWidgetItem* it = item(row);
    return it != nullptr && it->checkState() == Qt::Checked;
}

void TCheckList::SetChecked(int row, bool checked) {
    if (QListWidgetItem* it = item(row)) {
        it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

QStringList TCheckList::CheckedTexts() const {
    QStringList texts;
    for (int row = 0; row < count(); ++row) {
        if (IsChecked(row)) {
            texts << item(row)->text();
        }
    }
    return texts;
}

QStringList TCheckList::Texts() const {
    QStringList texts;
    for (int row = 0; row < count(); ++row) {
        texts << item(row)->text();
    }
    return texts;
}

void TCheckList::MoveItem(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= count() || to >= count()) {
        return;
    }
    QListWidgetItem* moved = takeItem(from);
    insertItem(to, moved);
    setCurrentRow(to);
}

void TCheckList::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        dragSource_ = index.row();
    }
    QListWidget::mousePressEvent(event);
}

void TCheckList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TCheckList::dragMoveEvent(QDragMoveEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        setCurrentRow(index.row());
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TCheckList::dropEvent(QDropEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        MoveItem(dragSource_, index.row());
    }
}

}  // namespace scrivlet::app
