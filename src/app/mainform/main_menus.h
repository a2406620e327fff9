#pragma once

class QMainWindow;
class QMenu;

namespace scrivlet::app {

class ActionRegistry;

struct MainMenus {
    QMenu* file = nullptr;
    QMenu* edit = nullptr;
    QMenu* text = nullptr;
    QMenu* tools = nullptr;
    QMenu* project = nullptr;
    QMenu* topic = nullptr;
    QMenu* sort = nullptr;
    QMenu* view = nullptr;
    QMenu* toolbars = nullptr;
    QMenu* help = nullptr;
};

// The number of fixed items at the top of the Tools menu; external tools
// follow them.
inline constexpr int kFixedToolsItems = 9;

// Creates every main menu item as a named action in ACTIONS and puts the
// menus into WINDOW's menu bar. Names:
//   File:    FileNew FileOpen FileSave FileSaveAs FileExit (recent files follow)
//   Edit:    EditUndo EditCut EditCopy EditPaste EditSelectAll EditFind
//            EditFindNext EditReplace
//   Text:    TextFont TextBold TextItalic TextUnderline TextStrike TextBullet
//            TextLeft TextCenter TextRight
//   Tools:   ToolsLink ToolsImage ToolsButton ToolsKeepn ToolsAnchor Spell1
//            Thesaurus1 ContentsEditor1 (external tools follow)
//   Project: Compile1 ShowHelpFile1 Windows1 Options1 Report1
//   Topic:   TopicAdd TopicRemove SortById SortByTitle TopicProperties
//   View:    ViewMainTbar ViewProjectTbar ViewStyleTbar ViewTextTbar
//            ViewFontTbar ViewHelpTbar ViewTopicTbar ViewNavTbar (in
//            "&Toolbars"), ViewRuler ViewStatusBar ErrorLog1 Options2
//   Help:    HelpTopics HelpAbout
MainMenus BuildMainMenus(QMainWindow& window, ActionRegistry& actions);

}  // namespace scrivlet::app
