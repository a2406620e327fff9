#pragma once

#include <QStyledItemDelegate>
#include <functional>

class QHeaderView;

namespace scrivlet::app {

// How both grids draw their cells: fixed cells silver with a raised edge
// (the current topic's fixed cell gray with a flat silver edge), selected
// cells navy with white text and a focus rectangle when focused, other cells
// in the grid's own colours; text 2 pixels right of and below the corner.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // FIXED_COLUMN is drawn as fixed cells; CURRENT_ROW (may be null) tells
    // which row's fixed cell is dark.
    GridCellDelegate(int fixedColumn, std::function<int()> currentRow, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // The in-place editor reports every change of its text at once.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

private:
    int fixedColumn_;
    std::function<int()> currentRow_;
};

// The header row of both grids drawn as fixed cells: silver with a raised edge.
void StyleFixedHeader(QHeaderView& header);

// A fixed cell: silver with a raised edge, or gray with a flat silver edge.
void PaintFixedCell(QPainter* painter, const QRect& rect, const QString& text, bool dark);

}  // namespace scrivlet::app
