#pragma once

#include <QObject>
#include <QString>

class QDockWidget;
class QTextBrowser;
class QTimer;

namespace scrivlet::app {

class TMainForm;

// View > Preview (Ctrl+Shift+P): a pane beside the editor showing the
// current topic as the published web page will show it, redrawn a moment
// after the author stops typing. It reads the editor's text without storing
// it into the project and runs no help compiler.
class PreviewPane : public QObject {
    Q_OBJECT

public:
    explicit PreviewPane(TMainForm& form);

    QDockWidget* Dock() const { return dock_; }
    QTextBrowser* Browser() const { return browser_; }
    // Redraws now (the timer's work).
    void Refresh();

private:
    void Schedule();

    TMainForm& form_;
    QDockWidget* dock_;
    QTextBrowser* browser_;
    QTimer* timer_;
};

// Creates the pane (hidden) and its checkable action "PreviewPane1" in the
// View menu.
PreviewPane* InstallPreviewPane(TMainForm& form);

}  // namespace scrivlet::app
