#include "app/topics/grid_cell_painter.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionViewItem>

namespace scrivlet::app {
namespace {

const QColor kSilver(192, 192, 192);
const QColor kGray(128, 128, 128);
const QColor kNavy(0, 0, 128);

void DrawText(QPainter* painter, const QRect& rect, const QString& text) {
    painter->drawText(rect.adjusted(2, 2, -1, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      text);
}

}  // namespace

void StyleFixedHeader(QHeaderView& header) {
    header.setStyleSheet(
        "QHeaderView::section { background-color: rgb(192,192,192); color: black;"
        " border-top: 1px solid white; border-left: 1px solid white;"
        " border-bottom: 1px solid rgb(128,128,128); border-right: 1px solid rgb(128,128,128);"
        " padding-left: 2px; }");
}

void PaintFixedCell(QPainter* painter, const QRect& rect, const QString& text, bool dark) {
    painter->save();
    painter->fillRect(rect, dark ? kGray : kSilver);
    const QRect r = rect.adjusted(0, 0, -1, -1);
    if (dark) {
        painter->setPen(kSilver);
        painter->drawRect(r);
    } else {
        painter->setPen(Qt::white);
        painter->drawLine(r.topLeft(), r.topRight());
        painter->drawLine(r.topLeft(), r.bottomLeft());
        painter->setPen(kGray);
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->drawLine(r.topRight(), r.bottomRight());
    }
    painter->setPen(Qt::black);
    DrawText(painter, rect, text);
    painter->restore();
}

GridCellDelegate::GridCellDelegate(int fixedColumn, std::function<int()> currentRow,
                                   QObject* parent)
    : QStyledItemDelegate(parent), fixedColumn_(fixedColumn), currentRow_(std::move(currentRow)) {}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    if (index.column() == fixedColumn_) {
        const bool dark = currentRow_ && currentRow_() == index.row();
        PaintFixedCell(painter, option.rect, text, dark);
        return;
    }
    painter->save();
    if (option.state & QStyle::State_Selected) {
        painter->fillRect(option.rect, kNavy);
        painter->setPen(Qt::white);
        DrawText(painter, option.rect, text);
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.rect = option.rect.adjusted(1, 1, -1, -1);
            focus.state = option.state;
            focus.backgroundColor = kNavy;
            const QWidget* widget = option.widget;
            QStyle* style = widget ? widget->style() : nullptr;
            if (style) {
                style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
            }
        }
    } else {
        painter->fillRect(option.rect, option.palette.base());
        painter->setPen(option.palette.color(QPalette::Text));
        DrawText(painter, option.rect, text);
    }
    painter->restore();
}

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setFrame(false);
        auto* self = const_cast<GridCellDelegate*>(this);
        connect(line, &QLineEdit::textEdited, self,
                [self, line](const QString&) { emit self->commitData(line); });
    }
    return editor;
}

}  // namespace scrivlet::app
