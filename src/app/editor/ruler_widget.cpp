#include "app/editor/ruler_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include "core/editor/ruler_math.h"

namespace scrivlet::app {

namespace {

// A marker: a small triangle pointing at the line (up for the first-indent
// marker above it, down for the two below).
class MarkerGlyph : public QWidget {
public:
    MarkerGlyph(QWidget* parent, bool pointsDown) : QWidget(parent), pointsDown_(pointsDown) {
        setFixedSize(kRulerMarkerWidth, 8);
        setCursor(Qt::SizeHorCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QPolygon shape;
        if (pointsDown_) {
            shape << QPoint(0, 0) << QPoint(8, 0) << QPoint(4, 7);
        } else {
            shape << QPoint(4, 0) << QPoint(8, 7) << QPoint(0, 7);
        }
        p.setPen(QColor(64, 64, 64));
        p.setBrush(QColor(192, 192, 192));
        p.drawPolygon(shape);
    }

private:
    bool pointsDown_;
};

}  // namespace

TRuler::TRuler(QWidget* parent) : QFrame(parent) {
    setObjectName("ruler");
    setFixedHeight(18);
    setFrameShape(QFrame::NoFrame);
    QFont font("Arial");
    font.setPixelSize(12);
    setFont(font);
    auto* line = new QFrame(this);
    line->setObjectName("RulerLine");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line_ = line;
    line_->setGeometry(2, 8, 100, 2);
    const char* const names[3] = {"FirstInd", "LeftInd", "RightInd"};
    const char* const hints[3] = {"First Indent", "Left Indent", "Right Indent"};
    const int tops[3] = {1, 9, 9};
    for (int i = 0; i < 3; ++i) {
        markers_[i] = new MarkerGlyph(this, i == FirstInd);
        markers_[i]->setObjectName(names[i]);
        markers_[i]->setToolTip(hints[i]);
        markers_[i]->setStatusTip(hints[i]);
        markers_[i]->move(2, tops[i]);
        markers_[i]->installEventFilter(this);
    }
    SetMarkers(0, 0, 0);
}

void TRuler::SetMarkers(double firstIndent, double leftIndent, double rightIndent) {
    indents_[FirstInd] = firstIndent;
    indents_[LeftInd] = leftIndent;
    indents_[RightInd] = rightIndent;
    markers_[FirstInd]->move(FirstIndentMarkerLeft(firstIndent), 1);
    markers_[LeftInd]->move(LeftIndentMarkerLeft(leftIndent, firstIndent), 9);
    markers_[RightInd]->move(RightIndentMarkerLeft(rightIndent, contentsRect().width()), 9);
}

void TRuler::MarkerDown(Marker marker, int x) {
    QWidget* m = markers_[marker];
    dragOffset_ = DragOffsetOf(m->width());
    m->move(m->x() + x - dragOffset_, m->y());
    dragging_ = true;
}

void TRuler::MarkerMove(Marker marker, int x) {
    if (!dragging_) {
        return;
    }
    QWidget* m = markers_[marker];
    if (auto left = DraggedMarkerLeft(m->x(), x, dragOffset_, width())) {
        m->move(*left, m->y());
    }
}

void TRuler::MarkerUp(Marker marker) {
    dragging_ = false;
    emit markerDropped(marker, markers_[marker]->x(), dragOffset_);
}

bool TRuler::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 3; ++i) {
        if (watched != markers_[i]) {
            continue;
        }
        const auto marker = static_cast<Marker>(i);
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    MarkerDown(marker, static_cast<QMouseEvent*>(event)->position().toPoint().x());
                    return true;
                }
                break;
            case QEvent::MouseMove:
                MarkerMove(marker, static_cast<QMouseEvent*>(event)->position().toPoint().x());
                return true;
            case QEvent::MouseButtonRelease:
                if (dragging_) {
                    MarkerUp(marker);
                    return true;
                }
                break;
            default:
                break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void TRuler::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    // The caption: a tick at each default tab stop (half an inch, 48 pixels),
    // measured from the text's 6-pixel gutter.
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    for (int x = 6 + 48; x < width(); x += 48) {
        p.drawLine(x, 3, x, 14);
    }
}

void TRuler::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    line_->setGeometry(2, 8, contentsRect().width() - 2 * 2, 2);
    // The right marker measures from the ruler's end.
    if (!dragging_) {
        SetMarkers(indents_[FirstInd], indents_[LeftInd], indents_[RightInd]);
    }
}

}  // namespace scrivlet::app
