#include "app/mainform/drawn_icons.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace scrivlet::app {

QIcon GlyphIcon(const QString& glyph, GlyphStyle style) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font("Sans Serif");
    font.setPixelSize(glyph.size() > 1 ? 9 : 13);
    font.setBold(style == GlyphStyle::Bold || glyph.size() > 1);
    font.setItalic(style == GlyphStyle::Italic);
    font.setUnderline(style == GlyphStyle::Underline);
    font.setStrikeOut(style == GlyphStyle::Strike);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 96));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

QIcon LinesIconOf(LinesIcon kind) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0, 0, 0));
    const int widths[] = {12, 8, 12, 6};
    for (int i = 0; i < 4; ++i) {
        const int y = 3 + i * 3;
        int w = widths[i];
        int x = 2;
        if (kind == LinesIcon::Center) {
            x = 2 + (12 - w) / 2;
        } else if (kind == LinesIcon::Right) {
            x = 14 - w;
        } else if (kind == LinesIcon::Bullets) {
            painter.fillRect(1, y - 1, 2, 2, Qt::black);
            x = 5;
            w = 9;
        }
        painter.drawLine(x, y, x + w - 1, y);
    }
    return QIcon(pixmap);
}

QIcon ColorIcon(const QColor& color) {
    QPixmap pixmap(14, 12);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 13, 11);
    return QIcon(pixmap);
}

}  // namespace scrivlet::app
