#include "app/mainform/action_icons.h"

#include <QAction>
#include <initializer_list>

#include "app/common/app_icon.h"
#include "app/mainform/action_registry.h"

namespace scrivlet::app {
namespace {

struct IconOf {
    const char* icon;
    std::initializer_list<const char*> actions;
};

// Freedesktop names where the icon naming specification has one; our own
// pictures for the help author's tools it does not know.
const IconOf kIcons[] = {
    {"document-new", {"FileNew", "NewBtn"}},
    {"document-open", {"FileOpen", "OpenBtn", "PopOpen"}},
    {"document-save", {"FileSave", "SaveBtn"}},
    {"document-save-as", {"FileSaveAs"}},
    {"application-exit", {"FileExit"}},
    {"edit-undo", {"EditUndo", "UndoBtn"}},
    {"edit-redo", {"EditRedo", "RedoBtn"}},
    {"edit-cut", {"EditCut", "CutBtn"}},
    {"edit-copy", {"EditCopy", "CopyBtn"}},
    {"edit-paste", {"EditPaste", "PasteBtn"}},
    {"edit-select-all", {"EditSelectAll"}},
    {"edit-find", {"EditFind", "FindBtn"}},
    {"edit-find-replace", {"EditReplace"}},
    {"preferences-desktop-font", {"TextFont"}},
    {"format-text-bold", {"TextBold", "BoldBtn"}},
    {"format-text-italic", {"TextItalic", "ItalicBtn"}},
    {"format-text-underline", {"TextUnderline", "UnderlineBtn"}},
    {"format-text-strikethrough", {"TextStrike", "StrikeBtn"}},
    {"format-list-unordered", {"TextBullet", "BulletsBtn"}},
    {"format-justify-left", {"TextLeft", "LeftBtn"}},
    {"format-justify-center", {"TextCenter", "CenterBtn"}},
    {"format-justify-right", {"TextRight", "RightBtn"}},
    {"scrivlet-jump", {"ToolsLink", "LinkBtn", "PopLink"}},
    {"scrivlet-pop-up", {"PopPopupLink"}},
    {"scrivlet-image", {"ToolsImage", "ImageBtn"}},
    {"scrivlet-button", {"ToolsButton", "ButtonBtn"}},
    {"scrivlet-keep-with-next", {"ToolsKeepn", "KeepnBtn"}},
    {"scrivlet-anchor", {"ToolsAnchor", "AnchorBtn"}},
    {"tools-check-spelling", {"Spell1", "SpellBtn"}},
    {"scrivlet-contents-editor", {"ContentsEditor1", "ContentsBtn"}},
    {"scrivlet-compile", {"Compile1", "CompileBtn"}},
    {"scrivlet-show-help-file", {"ShowHelpFile1", "ShowHelpBtn"}},
    {"scrivlet-windows", {"Windows1", "WindowsBtn"}},
    {"preferences-system", {"Options1", "OptionsBtn"}},
    {"scrivlet-report", {"Report1"}},
    {"list-add", {"TopicAdd", "AddBtn", "PopAdd"}},
    {"list-remove", {"TopicRemove", "RemoveBtn", "PopDelete"}},
    {"document-properties", {"TopicProperties", "PropBtn", "PopProperties"}},
    {"go-first", {"FirstBtn"}},
    {"go-previous", {"PrevBtn"}},
    {"go-next", {"NextBtn"}},
    {"go-last", {"LastBtn"}},
    {"preferences-desktop", {"Options2"}},
    {"help-contents", {"HelpTopics"}},
    {"help-about", {"HelpAbout"}},
};

}  // namespace

QString ActionIconName(const QString& action) {
    for (const IconOf& entry : kIcons) {
        for (const char* name : entry.actions) {
            if (action == QLatin1String(name)) {
                return QString::fromLatin1(entry.icon);
            }
        }
    }
    return {};
}

void ApplyActionIcons(const ActionRegistry& actions) {
    for (const QString& name : actions.Names()) {
        const QString icon = ActionIconName(name);
        if (!icon.isEmpty()) {
            actions.Get(name)->setIcon(AppIcon(icon));
        }
    }
}

}  // namespace scrivlet::app
