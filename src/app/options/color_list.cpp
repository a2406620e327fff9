#include "app/options/color_list.h"

#include <QPainter>

#include "core/editor/colors.h"

namespace scrivlet::app {
namespace {

const char* const kColorNames[16] = {"Black", "Maroon", "Green",   "Olive",  "Navy", "Purple",
                                     "Teal",  "Gray",   "Silver",  "Red",    "Lime", "Yellow",
                                     "Blue",  "Fuchsia", "Aqua",   "White"};

}  // namespace

ColorList::ColorList(QWidget* parent) : QListWidget(parent) {
    for (const char* name : kColorNames) {
        addItem(name);
    }
    setItemDelegate(new ColorItemDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Twelve rows show at a time.
    const int row = sizeHintForRow(0) > 0 ? sizeHintForRow(0) : 16;
    setFixedHeight(row * 12 + 2 * frameWidth());
}

void ColorItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(r, selected ? option.palette.highlight() : option.palette.base());
    const RgbColor c = ColorOfIndex(index.row());
    const QRect swatch(QPoint(r.left() + 2, r.top() + 2), QPoint(r.left() + 16, r.bottom() - 3));
    painter->fillRect(swatch, QColor(c.Red, c.Green, c.Blue));
    const QColor gray(128, 128, 128);
    const QColor silver(192, 192, 192);
    painter->setPen(gray);
    painter->drawLine(swatch.topLeft(), swatch.bottomLeft());
    painter->drawLine(swatch.topLeft(), swatch.topRight());
    painter->setPen(silver);
    painter->drawLine(swatch.bottomLeft(), swatch.bottomRight());
    painter->drawLine(swatch.bottomRight(), swatch.topRight());
    painter->setPen(selected ? option.palette.highlightedText().color()
                             : option.palette.text().color());
    const QRect text(r.left() + 20, r.top(), r.width() - 20, r.height());
    painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft, index.data().toString());
}

}  // namespace scrivlet::app
