#pragma once

#include <QColor>
#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/windows/window_def.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace scrivlet {
class Project;
}

namespace scrivlet::app {

class TColorPanel;

// "Windows": edits a working copy of the project's window definitions. The
// fields show the definition at CurrentWindow; its line is rebuilt from them
// whenever another entry is selected or added and when the dialog closes.
class TWindowBox : public QDialog {
    Q_OBJECT

public:
    // Returns the chosen colour, or nothing when the author cancels. Tests
    // replace the standard colour dialog with their own.
    using ColorChooser = std::function<std::optional<QColor>(QWidget*, const QColor& initial)>;

    explicit TWindowBox(std::vector<std::string> windowDefs, QWidget* parent = nullptr);

    // Shows the dialog for PROJECT. On OK the project's WindowDefs become the
    // working list and the project is marked modified; returns whether OK
    // was pressed.
    static bool Run(QWidget* parent, Project& project);

    const std::vector<std::string>& WindowDefs() const { return defs_; }
    // Index of the definition shown in the fields; -1 when none is.
    int CurrentWindow() const { return currentWindow_; }

    void SetColorChooser(ColorChooser chooser) { chooseColor_ = std::move(chooser); }
    static ColorChooser StandardColorChooser();

    // The handlers of the dialog's buttons.
    void AddBtnClick();
    void DelBtnClick();
    void PosDefaultClick();
    void ButtonsDefaultClick();
    void FixedClick();
    void ScrollingClick();
    void SelectClick();
    void SizerClick();

    void done(int result) override;

private:
    QWidget* BuildPositionGroup();
    QWidget* BuildStateGroup();
    QWidget* BuildColorsGroup();

    void WindBoxClick(int row);
    void wNameChange(const QString& text);

    WindowFields Fields() const;
    void ShowFields(const WindowFields& fields);
    // Shows the definition at INDEX; a line whose colours hold no number is
    // reported and leaves nothing shown.
    void ShowWindowDef(int index);
    // Rebuilds the line at CurrentWindow from the fields. Reports a field
    // that is not a number and returns false.
    bool StoreCurrent();
    void RefillNames();
    void SelectRow(int row);
    // Commands that need a definition say so when the list is empty.
    bool HaveWindow();
    void ChooseColor(TColorPanel* panel);

    std::vector<std::string> defs_;
    int currentWindow_ = -1;
    // Raised while the fields or the list are set from the data, so their
    // change handlers stay quiet.
    bool updating_ = false;
    ColorChooser chooseColor_;

    QListWidget* WindBox_ = nullptr;
    QLineEdit* wName_ = nullptr;
    QLineEdit* wCaption_ = nullptr;
    QLineEdit* wx_ = nullptr;
    QLineEdit* wy_ = nullptr;
    QLineEdit* ww_ = nullptr;
    QLineEdit* wh_ = nullptr;
    QCheckBox* wstayontop_ = nullptr;
    QLineEdit* wbuttons_ = nullptr;
    TColorPanel* sPanel_ = nullptr;
    TColorPanel* fPanel_ = nullptr;
};

}  // namespace scrivlet::app
