#include "rtf/paragraph_format.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>
#include <cmath>

namespace scrivlet {

namespace {

constexpr double kPixelsPerPoint = kTwipsPerPoint / kTwipsPerPixel;

bool IsBulletStyle(QTextListFormat::Style style) {
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
           style == QTextListFormat::ListSquare;
}

}  // namespace

double TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

int PixelsToTwips(double pixels) {
    return static_cast<int>(std::lround(pixels * kTwipsPerPixel));
}

ParagraphIndents IndentsOf(const QTextBlockFormat& format) {
    ParagraphIndents indents;
    double left = format.leftMargin() / kPixelsPerPoint;
    double firstLine = format.textIndent() / kPixelsPerPoint;
    indents.first = left + firstLine;
    indents.left = -firstLine;
    indents.right = format.rightMargin() / kPixelsPerPoint;
    return indents;
}

void SetIndents(QTextBlockFormat& format, const ParagraphIndents& indents) {
    format.setLeftMargin((indents.first + indents.left) * kPixelsPerPoint);
    format.setTextIndent(-indents.left * kPixelsPerPoint);
    format.setRightMargin(indents.right * kPixelsPerPoint);
    SetHangingIndentTab(format);
}

void SetHangingIndentTab(QTextBlockFormat& format) {
    // Tab positions count from the block's left edge, before its margin.
    if (format.textIndent() < 0 && format.leftMargin() > 0) {
        format.setTabPositions({QTextOption::Tab(format.leftMargin(), QTextOption::LeftTab)});
    } else {
        format.clearProperty(QTextFormat::TabPositions);
    }
}

double ListIndentPoints(const QTextBlock& block) {
    const QTextList* list = block.textList();
    const QTextDocument* doc = block.document();
    if (list == nullptr || doc == nullptr) {
        return 0;
    }
    return list->format().indent() * doc->indentWidth() / kPixelsPerPoint;
}

ParagraphIndents ShownIndentsOf(const QTextBlock& block) {
    ParagraphIndents indents = IndentsOf(block.blockFormat());
    indents.first += ListIndentPoints(block);
    return indents;
}

void SetShownIndents(const QTextBlock& block, QTextBlockFormat& format,
                     const ParagraphIndents& shown) {
    ParagraphIndents stored = shown;
    const double list = ListIndentPoints(block);
    if (list > 0) {
        stored.first = std::max(0.0, shown.first - list);
    }
    SetIndents(format, stored);
}

bool HasBullet(const QTextBlock& block) {
    // Numbered lists are shown as bullets too: the topic text knows no other
    // kind of list.
    return block.textList() != nullptr;
}

void SetBullet(QTextCursor& cursor, bool on) {
    QTextDocument* doc = cursor.document();
    if (doc == nullptr) {
        return;
    }
    QTextBlock first = doc->findBlock(cursor.selectionStart());
    QTextBlock last = doc->findBlock(cursor.selectionEnd());
    cursor.beginEditBlock();
    QTextList* list = nullptr;
    if (on) {
        // Join the list of the paragraph above, so that one run of bulleted
        // paragraphs stays one list.
        QTextBlock previous = first.previous();
        if (previous.isValid() && previous.textList() != nullptr &&
            IsBulletStyle(previous.textList()->format().style())) {
            list = previous.textList();
        }
    }
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        QTextCursor at(block);
        if (on && block.textList() == nullptr) {
            if (list == nullptr) {
                QTextListFormat format;
                format.setStyle(QTextListFormat::ListDisc);
                format.setIndent(1);
                list = at.createList(format);
            } else {
                list->add(block);
            }
        } else if (on) {
            list = block.textList();
        } else if (QTextList* current = block.textList()) {
            current->remove(block);
            QTextBlockFormat format = at.blockFormat();
            format.setIndent(0);
            at.setBlockFormat(format);
        }
        if (block == last) {
            break;
        }
    }
    cursor.endEditBlock();
}

}  // namespace scrivlet
