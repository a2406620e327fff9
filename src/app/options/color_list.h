#pragma once

#include <QListWidget>
#include <QStyledItemDelegate>

namespace scrivlet::app {

// The list of the 16 table colours, each item a framed swatch and its name.
class ColorList : public QListWidget {
    Q_OBJECT

public:
    explicit ColorList(QWidget* parent = nullptr);
};

// Paints one colour item: background, swatch 2..16 pixels from the left and
// 2 pixels below the top to 3 above the bottom, its gray and silver frame,
// and the name 20 pixels from the left.
class ColorItemDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace scrivlet::app
