#include "core/windows/button_flags.h"

#include "core/util/convert.h"

namespace scrivlet {

std::string_view ButtonFlagCaption(ButtonFlag flag) {
    switch (flag) {
        case ButtonFlag::Maximized:
            return "Window maximized";
        case ButtonFlag::NoDefaultButtons:
            return "No default buttons";
        case ButtonFlag::Options:
            return "Options";
        case ButtonFlag::Browse:
            return "Browse";
        case ButtonFlag::Contents:
            return "Contents";
        case ButtonFlag::Index:
            return "Index";
        case ButtonFlag::HelpTopics:
            return "Help Topics";
        case ButtonFlag::Print:
            return "Print";
        case ButtonFlag::Back:
            return "Back";
        case ButtonFlag::Find:
            return "Find";
    }
    return "";
}

std::size_t ButtonsState::Slot(ButtonFlag flag) {
    for (std::size_t i = 0; i < kButtonFlagsDescending.size(); ++i) {
        if (kButtonFlagsDescending[i] == flag) {
            return i;
        }
    }
    return 0;
}

ButtonsState::ButtonsState() {
    enabled_.fill(true);
    SetChecked(ButtonFlag::Contents, true);
    SetChecked(ButtonFlag::Index, true);
    SetChecked(ButtonFlag::Print, true);
    SetChecked(ButtonFlag::Back, true);
    SetEnabled(ButtonFlag::HelpTopics, false);
}

void ButtonsState::Open(std::string_view buttons, std::string_view name) {
    if (buttons != "0") {
        int64_t rest = StrToInt(buttons);
        suppress_ = true;
        for (ButtonFlag flag : kButtonFlagsDescending) {
            const int64_t value = static_cast<int32_t>(flag);
            const bool take = rest >= value;
            if (take) {
                rest -= value;
            }
            SetChecked(flag, take);
        }
    } else {
        suppress_ = false;
        SetChecked(ButtonFlag::NoDefaultButtons, name != "main");
    }
    NoDefaultButtonsRule();
    suppress_ = true;
    HelpTopicsRule();
    ContentsIndexRule();
    suppress_ = false;
}

void ButtonsState::Click(ButtonFlag flag, bool checked) {
    SetChecked(flag, checked);
    switch (flag) {
        case ButtonFlag::NoDefaultButtons:
            NoDefaultButtonsRule();
            break;
        case ButtonFlag::Contents:
        case ButtonFlag::Index:
            ContentsIndexRule();
            break;
        case ButtonFlag::HelpTopics:
            HelpTopicsRule();
            break;
        default:
            break;
    }
}

int32_t ButtonsState::Sum() const {
    int32_t sum = 0;
    for (ButtonFlag flag : kButtonFlagsDescending) {
        if (Checked(flag)) {
            sum += static_cast<int32_t>(flag);
        }
    }
    return sum;
}

void ButtonsState::NoDefaultButtonsRule() {
    const bool noDefaults = Checked(ButtonFlag::NoDefaultButtons);
    for (ButtonFlag flag : {ButtonFlag::HelpTopics, ButtonFlag::Print, ButtonFlag::Back,
                            ButtonFlag::Contents, ButtonFlag::Index}) {
        SetEnabled(flag, noDefaults);
    }
    if (!suppress_) {
        for (ButtonFlag flag :
             {ButtonFlag::Contents, ButtonFlag::Index, ButtonFlag::Print, ButtonFlag::Back}) {
            SetChecked(flag, !noDefaults);
        }
        if (!noDefaults) {
            SetChecked(ButtonFlag::HelpTopics, false);
        }
    }
}

void ButtonsState::ContentsIndexRule() {
    const bool either = Checked(ButtonFlag::Contents) || Checked(ButtonFlag::Index);
    SetEnabled(ButtonFlag::HelpTopics, !either);
    if (!suppress_ && either) {
        SetChecked(ButtonFlag::HelpTopics, false);
    }
}

void ButtonsState::HelpTopicsRule() {
    const bool topics = Checked(ButtonFlag::HelpTopics);
    if (suppress_ && !topics) {
        return;
    }
    SetEnabled(ButtonFlag::Contents, !topics);
    SetEnabled(ButtonFlag::Index, !topics);
    if (topics) {
        SetChecked(ButtonFlag::Contents, false);
        SetChecked(ButtonFlag::Index, false);
    }
}

}  // namespace scrivlet
