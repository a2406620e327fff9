#include "app/viewer/topic_view.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace scrivlet::app {

TopicView::TopicView(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    // Keyboard activation of a hotspot (Tab, then Enter) comes this way;
    // mouse clicks are handled in mouseReleaseEvent.
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (!fromMouse_) {
            emit anchorActivated(url.toString(),
                                 viewport()->mapToGlobal(cursorRect().bottomLeft()));
        }
    });
}

void TopicView::SetTopicDocument(std::unique_ptr<QTextDocument> document,
                                 const help::HelpDocument* model, double zoom) {
    model_ = model;
    zoom_ = zoom;
    setDocument(document.get());
    owned_ = std::move(document);
}

int TopicView::ContentHeight() const {
    QTextDocument* doc = document();
    doc->setTextWidth(viewport()->width());
    return static_cast<int>(doc->size().height()) + 1;
}

QString TopicView::AnchorAtPoint(const QPoint& point) const {
    const QString anchor = anchorAt(point);
    return anchor.isEmpty() ? PictureHotspotAt(point) : anchor;
}

QString TopicView::PictureHotspotAt(const QPoint& point) const {
    if (!model_) {
        return {};
    }
    const QPointF at(point.x() + horizontalScrollBar()->value(),
                     point.y() + verticalScrollBar()->value());
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    const int hit = layout->hitTest(at, Qt::FuzzyHit);
    if (hit < 0) {
        return {};
    }
    // The character under the point is the one before or after the cursor
    // position the layout found.
    for (const int position : {hit, hit - 1}) {
        if (position < 0) {
            continue;
        }
        const QTextBlock block = document()->findBlock(position);
        if (!block.isValid() || !block.layout()) {
            continue;
        }
        QTextCursor cursor(document());
        cursor.setPosition(position);
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        const QTextCharFormat format = cursor.charFormat();
        if (!format.isImageFormat()) {
            continue;
        }
        const QTextImageFormat image = format.toImageFormat();
        const QString name = image.name();
        if (!name.startsWith(QLatin1String("picture:"))) {
            continue;
        }
        const int index = name.mid(8).toInt();
        if (index < 0 || static_cast<std::size_t>(index) >= model_->pictures.size()) {
            continue;
        }
        const int inBlock = position - block.position();
        const QTextLine line = block.layout()->lineForTextPosition(inBlock);
        if (!line.isValid()) {
            continue;
        }
        const QRectF blockRect = layout->blockBoundingRect(block);
        const qreal left = blockRect.left() + line.cursorToX(inBlock);
        const qreal top = blockRect.top() + line.y() + line.ascent() - image.height();
        const QPointF local((at.x() - left) / zoom_, (at.y() - top) / zoom_);
        const help::Picture& picture = model_->pictures[static_cast<std::size_t>(index)];
        for (std::size_t h = 0; h < picture.hotspots.size(); ++h) {
            const help::PictureHotspot& spot = picture.hotspots[h];
            if (local.x() >= spot.x && local.y() >= spot.y && local.x() < spot.x + spot.width &&
                local.y() < spot.y + spot.height) {
                return QStringLiteral("picture:%1:%2").arg(index).arg(h);
            }
        }
    }
    return {};
}

void TopicView::mousePressEvent(QMouseEvent* event) {
    pressedAt_ = event->position().toPoint();
    QTextBrowser::mousePressEvent(event);
}

void TopicView::mouseMoveEvent(QMouseEvent* event) {
    QTextBrowser::mouseMoveEvent(event);
    if (!PictureHotspotAt(event->position().toPoint()).isEmpty()) {
        viewport()->setCursor(Qt::PointingHandCursor);
    }
}

void TopicView::mouseReleaseEvent(QMouseEvent* event) {
    fromMouse_ = true;
    QTextBrowser::mouseReleaseEvent(event);
    fromMouse_ = false;
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    const bool dragged = (point - pressedAt_).manhattanLength() > 4;
    const QString anchor = AnchorAtPoint(point);
    if (!anchor.isEmpty() && !dragged) {
        emit anchorActivated(anchor, viewport()->mapToGlobal(point));
    } else if (!dragged && !textCursor().hasSelection()) {
        emit plainClick();
    }
}

}  // namespace scrivlet::app
