#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QTextEdit;
class QToolBar;
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
// keep-with-next markers, with their menu and toolbar actions.
class MarkupCommands : public QObject {
    Q_OBJECT

public:
    MarkupCommands(MarkupHost host, QObject* parent = nullptr);

    // Tools menu and "Help Tools" toolbar.
    QAction* LinkAction;    // "&Link..." Ctrl+L
    QAction* ImageAction;   // "&Image..." Ctrl+G
    QAction* ButtonAction;  // "&Button..."
    QAction* KeepnAction;   // "&Keepn" Ctrl+K
    QAction* AnchorAction;  // "&Anchor..."
    // The topic list's popup.
    QAction* StandardLinkAction;  // "&Link"
    QAction* PopupLinkAction;     // "Pop&up Link"
    QAction* SpecialLinkAction;   // "&Special Link..."

    // The Tools menu items in their order.
    void AddToToolsMenu(QMenu* menu) const;
    // The "Help Tools" toolbar buttons in their order.
    void AddToToolBar(QToolBar* bar) const;
    // "&Link", "Pop&up Link", "&Special Link..." in the topic list's popup.
    void AddToTopicPopup(QMenu* menu) const;

public slots:
    void LinkBtnClick();
    void LinkClick(bool popup);
    void ImgBtnClick();
    void ButtonBtnClick();
    void AnchBtnClick();
    void KeepBtnClick();

private:
    QAction* MakeAction(const QString& text, const QString& hint);

    MarkupHost host_;
};

}  // namespace scrivlet::app
