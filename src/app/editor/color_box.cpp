#include "app/editor/color_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include "core/editor/colors.h"

namespace scrivlet::app {

namespace {

QColor Qt16(int index) {
    const RgbColor c = ColorOfIndex(index);
    return QColor(c.Red, c.Green, c.Blue);
}

// One item: white ground, the colour in an inner rectangle with a sunken
// gray/silver frame, then the item's (empty) text 20 pixels in.
void DrawColorItem(QPainter& p, const QRect& r, int index, const QString& text) {
    p.fillRect(r, Qt::white);
    const QRect inner(QPoint(r.left() + 1, r.top() + 1), QPoint(r.right() - 2, r.bottom() - 2));
    p.fillRect(inner, Qt16(index));
    const QColor gray(128, 128, 128);
    const QColor silver(192, 192, 192);
    p.setPen(gray);
    p.drawLine(inner.topLeft(), inner.bottomLeft());
    p.setPen(silver);
    p.drawLine(inner.bottomLeft(), inner.bottomRight());
    p.drawLine(inner.bottomRight(), inner.topRight());
    p.setPen(gray);
    p.drawLine(inner.topLeft(), inner.topRight());
    p.setPen(Qt::black);
    p.drawText(r.adjusted(20, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
}

class ColorItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        DrawColorItem(*p, option.rect, index.row(), index.data(Qt::DisplayRole).toString());
        if (option.state & QStyle::State_Selected) {
            p->setPen(QPen(option.palette.highlight(), 1, Qt::DotLine));
            p->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return QSize(40, 15);
    }
};

// The closed box shows the chosen item's swatch the same way.
class SwatchPainter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) {
            return false;
        }
        auto* box = static_cast<QComboBox*>(watched);
        QStylePainter painter(box);
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.editable = false;
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, box);
        if (box->currentIndex() >= 0) {
            DrawColorItem(painter, field.adjusted(1, 2, -1, -2), box->currentIndex(), {});
        }
        return true;
    }
};

}  // namespace

void MakeColorBox(QComboBox& box) {
    for (int i = 0; i < box.count(); ++i) {
        box.setItemIcon(i, QIcon());
        box.setItemText(i, QString());
    }
    box.setItemDelegate(new ColorItemDelegate(&box));
    box.setMaxVisibleItems(16);
    box.setMinimumWidth(48);
    box.installEventFilter(new SwatchPainter(&box));
}

}  // namespace scrivlet::app
