#include "app/contents/contents_glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace scrivlet::app {
namespace {

constexpr int kSize = 16;

QPixmap Blank() {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap DrawPage(bool withPlus) {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath sheet;
    sheet.moveTo(2.5, 0.5);
    sheet.lineTo(9.5, 0.5);
    sheet.lineTo(13.5, 4.5);
    sheet.lineTo(13.5, 15.5);
    sheet.lineTo(2.5, 15.5);
    sheet.closeSubpath();
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.drawLine(QPointF(9.5, 0.5), QPointF(9.5, 4.5));
    p.drawLine(QPointF(9.5, 4.5), QPointF(13.5, 4.5));
    if (withPlus) {
        p.fillRect(QRect(5, 7, 6, 6), QColor(0, 128, 0));
        p.setPen(Qt::white);
        p.drawLine(6, 10, 9, 10);
        p.drawLine(8, 8, 8, 11);
    } else {
        p.setPen(QColor(0, 0, 160));
        for (int y = 6; y <= 12; y += 2) {
            p.drawLine(4, y, 11, y);
        }
    }
    return pixmap;
}

QIcon DrawSymbol(const QColor& color, void (*draw)(QPainter&)) {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(color, 2.0);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    draw(p);
    return QIcon(pixmap);
}

}  // namespace

QPixmap BookGlyph() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.fillRect(QRect(3, 1, 11, 14), QColor(128, 0, 0));
    p.fillRect(QRect(3, 1, 2, 14), QColor(80, 0, 0));
    p.fillRect(QRect(13, 2, 2, 13), QColor(235, 235, 220));
    p.setPen(QColor(40, 0, 0));
    p.drawRect(QRect(2, 0, 12, 15));
    p.fillRect(QRect(7, 4, 5, 2), QColor(230, 200, 80));
    return pixmap;
}

QPixmap PageGlyph() {
    return DrawPage(false);
}

QPixmap PlusGlyph() {
    return DrawPage(true);
}

QIcon AddItemIcon() {
    return DrawSymbol(QColor(0, 128, 0), [](QPainter& p) {
        p.drawLine(8, 3, 8, 13);
        p.drawLine(3, 8, 13, 8);
    });
}

QIcon DeleteItemIcon() {
    return DrawSymbol(QColor(190, 0, 0), [](QPainter& p) {
        p.drawLine(4, 4, 12, 12);
        p.drawLine(12, 4, 4, 12);
    });
}

QIcon EditItemIcon() {
    return DrawSymbol(QColor(0, 0, 160), [](QPainter& p) {
        p.drawLine(4, 12, 12, 4);
        p.drawLine(3, 13, 5, 13);
    });
}

}  // namespace scrivlet::app
