#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace scrivlet {

// The state and buttons field of a window definition is the sum of these.
enum class ButtonFlag : int32_t {
    Maximized = 1,
    NoDefaultButtons = 4,
    Options = 256,
    Browse = 512,
    Contents = 1024,
    Index = 2048,
    HelpTopics = 4096,
    Print = 8192,
    Back = 16384,
    Find = 32768,
};

// The ten check boxes of the buttons dialog, from the largest flag down: the
// order of the greedy decomposition.
inline constexpr std::array<ButtonFlag, 10> kButtonFlagsDescending = {
    ButtonFlag::Find,       ButtonFlag::Back,    ButtonFlag::Print,
    ButtonFlag::HelpTopics, ButtonFlag::Index,   ButtonFlag::Contents,
    ButtonFlag::Browse,     ButtonFlag::Options, ButtonFlag::NoDefaultButtons,
    ButtonFlag::Maximized,
};

// The caption of a flag's check box.
std::string_view ButtonFlagCaption(ButtonFlag flag);

// The check marks and enabled states of the "Window State & Buttons" dialog,
// with the rules that tie them together. The dialog mirrors this state.
class ButtonsState {
public:
    // The boxes as the dialog is designed: Contents, Index, Print and Back
    // ticked, Help Topics cleared and disabled, the rest cleared.
    ButtonsState();

    // Sets the boxes for the buttons field BUTTONS of the window NAME. Throws
    // ConvertError when BUTTONS is not "0" and not an integer.
    void Open(std::string_view buttons, std::string_view name);

    bool Checked(ButtonFlag flag) const { return checked_[Slot(flag)]; }
    bool Enabled(ButtonFlag flag) const { return enabled_[Slot(flag)]; }

    // The author clicked the box of FLAG: its check mark is now CHECKED; the
    // rule of that box follows.
    void Click(ButtonFlag flag, bool checked);

    // The buttons field on OK: the sum of every ticked box, enabled or not.
    int32_t Sum() const;

    // The rules, as the click handlers run them.
    void NoDefaultButtonsRule();
    void ContentsIndexRule();
    void HelpTopicsRule();

private:
    static std::size_t Slot(ButtonFlag flag);
    void SetChecked(ButtonFlag flag, bool value) { checked_[Slot(flag)] = value; }
    void SetEnabled(ButtonFlag flag, bool value) { enabled_[Slot(flag)] = value; }

    std::array<bool, 10> checked_{};
    std::array<bool, 10> enabled_{};
    // Stops the rules from changing check marks while they only adjust
    // which boxes are enabled.
    bool suppress_ = false;
};

}  // namespace scrivlet
