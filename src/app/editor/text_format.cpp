#include "app/editor/text_format.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace scrivlet::app {

int AlignmentTag(Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight) {
        return 1;
    }
    if (alignment & Qt::AlignHCenter) {
        return 2;
    }
    return 0;
}

Qt::Alignment AlignmentOfTag(int tag) {
    switch (tag) {
        case 1:
            return Qt::AlignRight | Qt::AlignAbsolute;
        case 2:
            return Qt::AlignHCenter;
        default:
            return Qt::AlignLeft | Qt::AlignAbsolute;
    }
}

RgbColor RgbOfFormat(const QTextCharFormat& format) {
    if (format.foreground().style() == Qt::NoBrush) {
        return {};
    }
    const QColor c = format.foreground().color();
    return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
            static_cast<uint8_t>(c.blue())};
}

QString SizeText(const QTextCharFormat& format) {
    double points = format.fontPointSize();
    if (points <= 0) {
        const QFont font = format.font();
        points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    }
    return QString::number(points);
}

QString FontNameOf(const QTextCharFormat& format, const QFont& fallback) {
    const QStringList families = format.fontFamilies().toStringList();
    return families.isEmpty() || families.front().isEmpty() ? fallback.family() : families.front();
}

void SetSelectionFontName(QTextEdit& edit, const QString& name) {
    QTextCharFormat format;
    format.setFontFamilies({name});
    edit.mergeCurrentCharFormat(format);
}

void SetSelectionFontSize(QTextEdit& edit, int points) {
    QTextCharFormat format;
    format.setFontPointSize(points);
    edit.mergeCurrentCharFormat(format);
}

void SetSelectionColor(QTextEdit& edit, const QColor& color) {
    QTextCharFormat format;
    format.setForeground(color);
    edit.mergeCurrentCharFormat(format);
}

void ForEachSelectedBlock(QTextCursor& cursor,
                          const std::function<void(const QTextBlock&, QTextBlockFormat&)>& change) {
    QTextDocument* doc = cursor.document();
    QTextBlock block = doc->findBlock(cursor.selectionStart());
    const QTextBlock last = doc->findBlock(cursor.selectionEnd());
    cursor.beginEditBlock();
    while (block.isValid()) {
        QTextBlockFormat format = block.blockFormat();
        change(block, format);
        QTextCursor at(block);
        at.setBlockFormat(format);
        if (block == last) {
            break;
        }
        block = block.next();
    }
    cursor.endEditBlock();
}

}  // namespace scrivlet::app
