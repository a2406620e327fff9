#pragma once

#include <QColor>
#include <QFrame>
#include <cstdint>

namespace scrivlet::app {

// Colour values of window definitions (red in the low byte) and QColor.
QColor QColorOfColorRef(int32_t color);
int32_t ColorRefOfQColor(const QColor& color);

// A sample panel showing one colour of a window definition. It keeps the
// value as stored, so a value the panel cannot show exactly is written back
// unchanged.
class TColorPanel : public QFrame {
    Q_OBJECT

public:
    explicit TColorPanel(QWidget* parent = nullptr);

    int32_t ColorRef() const { return color_; }
    void SetColorRef(int32_t color);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int32_t color_ = 0;
};

}  // namespace scrivlet::app
