#pragma once

#include <QList>

class QComboBox;
class QMainWindow;
class QToolBar;

namespace scrivlet::app {

class ActionRegistry;

struct MainToolbars {
    // In the order of the View menu: Main, Project, Style, Text, Font, Help
    // Tools, Topic, Navigation.
    QList<QToolBar*> all;
    QComboBox* fontName = nullptr;  // "FontName"
    QComboBox* fontSize = nullptr;  // "FontSize"
    QComboBox* color = nullptr;     // "cbcolor"
};

// Creates the eight toolbars (object names MainTbar, ProjectTbar, HelpTbar,
// TopicTbar, TextTbar, NavTbar, StyleTbar, FontTbar) in the top dock and
// their buttons as named actions:
//   MainTbar:    SaveBtn NewBtn FindBtn SpellBtn OpenBtn
//   ProjectTbar: ShowHelpBtn WindowsBtn ContentsBtn OptionsBtn CompileBtn
//   HelpTbar:    KeepnBtn LinkBtn AnchorBtn ImageBtn ButtonBtn
//   TopicTbar:   PropBtn (a toggle) AddBtn RemoveBtn
//   TextTbar:    UndoBtn CopyBtn CutBtn PasteBtn
//   NavTbar:     FirstBtn PrevBtn NextBtn LastBtn
//   StyleTbar:   BoldBtn ItalicBtn UnderlineBtn StrikeBtn LeftBtn CenterBtn
//                RightBtn BulletsBtn
//   FontTbar:    the boxes FontName, cbcolor and FontSize
MainToolbars BuildMainToolbars(QMainWindow& window, ActionRegistry& actions);

}  // namespace scrivlet::app
