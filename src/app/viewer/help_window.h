#pragma once

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "app/viewer/help_library.h"
#include "help/viewer_history.h"

class QAction;
class QLabel;
class QToolBar;

namespace scrivlet::app {

class FindBar;
class PopupWindow;
class TopicView;

// Where to open a help file: its contents topic, a context string, a map
// number or a keyword.
struct HelpTarget {
    enum class By { Contents, Context, Hash, MapNumber, Keyword };
    By by = By::Contents;
    std::string text;     // context string or keyword
    uint32_t number = 0;  // map number or context hash
};

// The help viewer: a topic's non-scrolling region above the scrolling one,
// the button bar, Back, History, browsing, pop-ups, Help Topics, macros.
// WINDOWNAME is the window definition it follows ("main" for the main
// window); a jump into another window opens a secondary HelpWindow.
class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit HelpWindow(std::shared_ptr<HelpLibrary> library, std::string windowName = "main",
                        QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Opens PATH at TARGET. A file that cannot be read gives the standard
    // error box and false; a target that is not found shows the contents
    // topic and says so in the status bar.
    bool OpenFile(const QString& path, const HelpTarget& target = {});

    // Jumps and pop-ups: into this help file when FILE is empty.
    void Jump(const std::string& file, const std::string& window, const HelpTarget& target);
    void Popup(const std::string& file, const HelpTarget& target, const QPoint& globalPoint);
    void ShowTopic(int topic, bool remember = true);

    // The commands of the menus and the button bar.
    void ShowHelpTopics(int tab = 0);
    void GoBack();
    void ShowHistory();
    void BrowsePrevious();
    void BrowseNext();
    void PrintTopic();
    void CopyTopic();
    void ZoomIn();
    void ZoomOut();
    void FindInTopic();
    void OpenFileDialog();

    // What the macros change.
    void ShowBrowseButtons();
    void AddButton(const QString& id, const QString& caption, const std::string& macro);
    void SetButtonEnabled(const QString& id, bool enabled);
    // Closes the window named NAME ("main" or a secondary one); false when
    // there is none.
    bool CloseNamedWindow(const std::string& name);
    void RunMacro(const std::string& macro);
    // Runs the anchor of a clicked hotspot; GLOBALPOINT places a pop-up.
    void ActivateAnchor(const QString& anchor, const QPoint& globalPoint);
    void StatusMessage(const QString& text);

    // For tests and the Help Topics dialog.
    std::shared_ptr<OpenHelpFile> File() const { return file_; }
    int CurrentTopic() const { return topic_; }
    std::string WindowName() const { return windowName_; }
    double Zoom() const { return zoom_; }
    TopicView* ScrollingView() const { return scrolling_; }
    TopicView* FixedView() const { return fixed_; }
    PopupWindow* Popup() const { return popup_; }
    HelpWindow* SecondaryWindow(const std::string& name) const;
    QToolBar* ButtonBar() const { return buttons_; }
    QAction* Button(const QString& id) const;
    const help::ViewerHistory& History() const { return history_; }
    HelpLibrary& Library() { return *library_; }
    QString StatusText() const;

    // A message of the viewer, as the status bar shows it.
    static QString MissingTopicMessage(const HelpTarget& target);

private:
    void BuildMenus();
    void BuildButtons();
    void SetFile(std::shared_ptr<OpenHelpFile> file);
    void ApplyWindowDefinition(bool placeWindow);
    int FindTarget(const HelpTarget& target);
    void Render();
    void UpdateCommands();
    void FitFixedRegion();
    HelpWindow* WindowFor(const std::string& window);
    void ShowRequested(const std::shared_ptr<OpenHelpFile>& file, const HelpTarget& target);
    std::shared_ptr<OpenHelpFile> FileNamed(const std::string& name);
    void FollowHotspot(const help::Hotspot& hotspot, const QPoint& globalPoint);
    void ActivatePopupAnchor(const QString& anchor, const QPoint& globalPoint);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    std::shared_ptr<HelpLibrary> library_;
    std::string windowName_;
    std::shared_ptr<OpenHelpFile> file_;
    int topic_ = -1;
    double zoom_ = 1.0;
    QColor scrollColor_;
    QColor fixedColor_;
    help::ViewerHistory history_;
    TopicView* fixed_ = nullptr;
    TopicView* scrolling_ = nullptr;
    FindBar* findBar_ = nullptr;
    PopupWindow* popup_ = nullptr;
    QToolBar* buttons_ = nullptr;
    std::map<QString, QAction*> buttonsById_;
    std::map<std::string, QPointer<HelpWindow>> secondary_;
    std::vector<std::string> buttonMacros_;
    bool placed_ = false;
    std::set<QString> disabled_;   // button ids DisableButton turned off
    HelpWindow* owner_ = nullptr;  // the main window of a secondary one
    std::shared_ptr<OpenHelpFile> popupFile_;
};

}  // namespace scrivlet::app
