#pragma once

#include <QDialog>

#include "core/windows/sizer.h"

class QFrame;
class QLabel;
class QPushButton;

namespace scrivlet::app {

// "Scrivlet Easy Sizer": a window the author moves and sizes where the help
// window should appear; its bounds become the position fields.
class TSizerBox : public QDialog {
    Q_OBJECT

public:
    // Colours are the definition's colour values (red in the low byte).
    TSizerBox(int32_t scrollColor, int32_t fixedColor, QWidget* parent = nullptr);

    // The bounds in pixels from the screen's top left corner.
    SizerBounds Bounds() const;
    void SetBounds(const SizerBounds& bounds);

    QLabel* TextPanel() const { return text_; }

    // Places the sizer from the position fields of FIELDS, shows it, and on
    // OK writes its bounds back into them. Returns whether OK was pressed.
    // Throws ConvertError when a position field is not a number.
    static bool Run(QWidget* parent, WindowFields& fields, int32_t scrollColor, int32_t fixedColor);

private:
    QRect ScreenRect() const;

    QFrame* top_ = nullptr;
    QLabel* text_ = nullptr;
};

}  // namespace scrivlet::app
