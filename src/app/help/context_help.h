#pragma once

#include <QObject>
#include <memory>

class QWidget;

namespace scrivlet::app {

class HelpDisplay;
class TMainForm;

// F1 anywhere in the program opens the guide at the topic of the window,
// dialog or control that has the focus (context_help_table.h), or at its
// contents when the table knows none of them. Installed on the application,
// so dialogs made anywhere need no help code of their own.
class ContextHelp : public QObject {
    Q_OBJECT

public:
    ContextHelp(std::unique_ptr<HelpDisplay> display, QObject* parent);
    ~ContextHelp() override;

    HelpDisplay& Display() const { return *display_; }
    // For tests: show the help somewhere else.
    void SetDisplay(std::unique_ptr<HelpDisplay> display);

    // What F1 does with the focus in FOCUS.
    void HelpFor(QWidget* focus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<HelpDisplay> display_;
};

// Installs F1 on the application and connects Help > Help Topics, both over
// the guide beside the executable. The controller is a child of FORM.
ContextHelp* InstallContextHelp(TMainForm& form);

}  // namespace scrivlet::app
