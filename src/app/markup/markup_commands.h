#pragma once

#include <QObject>
#include <functional>

class QTextEdit;
class QWidget;

namespace scrivlet {
class Project;
}

namespace scrivlet::app {

// What the markup commands need from the main window.
struct MarkupHost {
    QWidget* Window = nullptr;  // parent of the dialogs
    QTextEdit* Editor = nullptr;
    Project* Proj = nullptr;
    // The topic list's selected row (0 = first topic), or -1.
    std::function<int()> SelectedTopicRow;
    // The InsColor preference.
    std::function<int()> InsColor;
    std::function<void()> SelectionChange;
    // Gives the keyboard focus to the notebook that holds the editor.
    std::function<void()> FocusEditorNotebook;
};

// The commands that insert links, anchors, images, buttons and
// keep-with-next markers. The main window connects its menu items, toolbar
// buttons and topic-list popup items to these slots.
class MarkupCommands : public QObject {
    Q_OBJECT

public:
    MarkupCommands(MarkupHost host, QObject* parent = nullptr);

public slots:
    void LinkBtnClick();
    void LinkClick(bool popup);
    void ImgBtnClick();
    void ButtonBtnClick();
    void AnchBtnClick();
    void KeepBtnClick();

private:
    MarkupHost host_;
};

}  // namespace scrivlet::app
