#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "core/windows/button_flags.h"

class QCheckBox;

namespace scrivlet::app {

// "Window State & Buttons": the check boxes of the state and buttons field
// of a window definition. The boxes mirror a ButtonsState, which holds the
// rules.
class TButtonsBox : public QDialog {
    Q_OBJECT

public:
    explicit TButtonsBox(QWidget* parent = nullptr);

    // Sets the boxes for the field BUTTONS of the window NAME. Throws
    // ConvertError when BUTTONS is not a number.
    void Open(const std::string& buttons, const std::string& name);

    QCheckBox* Box(ButtonFlag flag) const;
    // The field's new value: the sum of the ticked boxes.
    std::string Buttons() const;

    // Shows the dialog; returns the new field on OK, nothing on Cancel.
    // Throws ConvertError as Open.
    static std::optional<std::string> Run(QWidget* parent, const std::string& buttons,
                                          const std::string& name);

private:
    void BoxClicked(ButtonFlag flag, bool checked);
    void Mirror();

    ButtonsState state_;
    std::array<QCheckBox*, kButtonFlagsDescending.size()> boxes_{};
};

}  // namespace scrivlet::app
