#include "app/topics/topic_grid_view.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>

#include "app/topics/grid_cell_painter.h"
#include "app/topics/topic_grid_model.h"

namespace scrivlet::app {

TopicGridView::TopicGridView(QWidget* parent) : QTableView(parent) {
    setObjectName("grid");
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(17);
    horizontalHeader()->setDefaultSectionSize(75);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StyleFixedHeader(*horizontalHeader());
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (section == 0 || section == 1) {
            emit sortRequested(section);
        }
    });
}

void TopicGridView::SetGridModel(TopicGridModel* model) {
    model_ = model;
    setModel(model);
    setItemDelegate(new GridCellDelegate(
        TopicGridModel::IdColumn, [model] { return model->CurrentRow(); }, this));
}

int TopicGridView::SelectedTopic() const {
    int top = -1;
    if (selectionModel()) {
        for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
            if (top < 0 || index.row() < top) {
                top = index.row();
            }
        }
    }
    if (top < 0 && currentIndex().isValid()) {
        top = currentIndex().row();
    }
    return top;
}

void TopicGridView::SelectTopicCell(int row) {
    if (!model_ || row < 0 || row >= model_->rowCount()) {
        return;
    }
    const QModelIndex cell = model_->index(row, TopicGridModel::TitleColumn);
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    // Scrolling to the fixed column keeps it in view as well as the row.
    scrollTo(model_->index(row, TopicGridModel::IdColumn));
}

void TopicGridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // Only the "Topic" column moves the selection on a right click; the
        // popup then acts on the selected row.
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid() && index.column() == TopicGridModel::TitleColumn) {
            SelectTopicCell(index.row());
        }
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void TopicGridView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid() && index.column() == TopicGridModel::IdColumn) {
            emit fixedCellClicked(index.row());
        }
    }
}

void TopicGridView::contextMenuEvent(QContextMenuEvent* event) {
    if (popup_) {
        popup_->exec(event->globalPos());
        event->accept();
    }
}

}  // namespace scrivlet::app
