#pragma once

#include <QFrame>

namespace scrivlet::app {

// The ruler above the editor: an 18-pixel panel whose caption ticks every
// default tab stop, a two-pixel line, and three draggable indent markers.
// The window places the markers (SetMarkers) and applies a drop
// (markerDropped); the ruler itself only keeps a drag inside its limits.
class TRuler : public QFrame {
    Q_OBJECT

public:
    enum Marker { FirstInd = 0, LeftInd = 1, RightInd = 2 };

    explicit TRuler(QWidget* parent = nullptr);

    QWidget* MarkerWidget(Marker marker) const { return markers_[marker]; }
    QWidget* RulerLine() const { return line_; }
    bool Dragging() const { return dragging_; }
    int DragOffset() const { return dragOffset_; }

    // Puts the markers at the lefts the paragraph's indents give.
    void SetMarkers(double firstIndent, double leftIndent, double rightIndent);

    // The drag steps, with X the mouse position within the marker. Public so
    // that the mouse handling and tests share one path.
    void MarkerDown(Marker marker, int x);
    void MarkerMove(Marker marker, int x);
    void MarkerUp(Marker marker);

signals:
    // A marker was let go at LEFT (its left edge, in ruler pixels).
    void markerDropped(int marker, int left, int dragOffset);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* markers_[3] = {};
    QWidget* line_ = nullptr;
    double indents_[3] = {};
    bool dragging_ = false;
    int dragOffset_ = 0;
};

}  // namespace scrivlet::app
