#include "app/windows/color_panel.h"

#include <QMouseEvent>

#include "core/windows/color_ref.h"

namespace scrivlet::app {

QColor QColorOfColorRef(int32_t color) {
    const RgbColor rgb = RgbOfColorRef(color);
    return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

int32_t ColorRefOfQColor(const QColor& color) {
    return ColorRefOf(color.red(), color.green(), color.blue());
}

TColorPanel::TColorPanel(QWidget* parent) : QFrame(parent) {
    setAutoFillBackground(true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    SetColorRef(16777215);
}

void TColorPanel::SetColorRef(int32_t color) {
    color_ = color;
    QPalette colors = palette();
    colors.setColor(QPalette::Window, QColorOfColorRef(color));
    setPalette(colors);
}

void TColorPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit doubleClicked();
}

}  // namespace scrivlet::app
