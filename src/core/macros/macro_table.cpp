#include "core/macros/macro_table.h"

#include <array>

#include "core/util/convert.h"

namespace scrivlet {
namespace {

constexpr std::array<MacroInfo, 91> kMacros{{
    {"About", ""},
    {"AddAccelerator", "AA"},
    {"ALink", "AL"},
    {"Annotate", ""},
    {"AppendItem", ""},
    {"Back", ""},
    {"BookmarkDefine", ""},
    {"BookmarkMore", ""},
    {"BrowseButtons", ""},
    {"ChangeButtonBinding", "CBB"},
    {"ChangeEnable", "CE"},
    {"ChangeItemBinding", "CIB"},
    {"CheckItem", "CI"},
    {"CloseSecondarys", "CS"},
    {"CloseWindow", "CW"},
    {"Compare", ""},
    {"Contents", ""},
    {"ControlPanel", ""},
    {"CopyDialog", ""},
    {"CopyTopic", "CT"},
    {"CreateButton", "CB"},
    {"DeleteItem", ""},
    {"DeleteMark", ""},
    {"DestroyButton", ""},
    {"DisableButton", "DB"},
    {"DisableItem", "DI"},
    {"EnableButton", "EB"},
    {"EnableItem", "EI"},
    {"EndMPrint", ""},
    {"ExecFile", "EF"},
    {"ExecProgram", "EP"},
    {"Exit", ""},
    {"ExtAbleItem", ""},
    {"ExtInsertItem", ""},
    {"ExtInsertMenu", ""},
    {"FileExist", "FE"},
    {"FileOpen", "FO"},
    {"Find", ""},
    {"Finder", "FD"},
    {"FloatingMenu", ""},
    {"Flush", "FH"},
    {"FocusWindow", ""},
    {"Generate", ""},
    {"GotoMark", ""},
    {"HelpOn", ""},
    {"HelpOnTop", ""},
    {"History", ""},
    {"IfThen", "IF"},
    {"IfThenElse", "IE"},
    {"InitMPrint", ""},
    {"InsertItem", ""},
    {"InsertMenu", ""},
    {"IsBook", ""},
    {"IsMark", ""},
    {"IsNotMark", "NM"},
    {"JumpContents", ""},
    {"JumpContext", "JC"},
    {"JumpHash", "JH"},
    {"JumpHelpOn", ""},
    {"JumpId", "JI"},
    {"JumpKeyword", "JK"},
    {"KLink", "KL"},
    {"Menu", "MU"},
    {"MPrintHash", ""},
    {"MPrintId", ""},
    {"Next", ""},
    {"NoShow", "NS"},
    {"Not", ""},
    {"PopupContext", "PC"},
    {"PopupHash", ""},
    {"PopupId", "PI"},
    {"PositionWindow", "PW"},
    {"Prev", ""},
    {"Print", ""},
    {"PrinterSetup", ""},
    {"RegisterRoutine", "RR"},
    {"RemoveAccelerator", "RA"},
    {"ResetMenu", ""},
    {"SaveMark", ""},
    {"Search", ""},
    {"SetContents", ""},
    {"SetHelpOnFile", ""},
    {"SetPopupColor", "SPC"},
    {"ShellExecute", "SE"},
    {"ShortCut", "SH"},
    {"TCard", ""},
    {"Test", ""},
    {"TestALink", ""},
    {"TestKLink", ""},
    {"UncheckItem", "UI"},
    {"UpdateWindow", "UW"},
}};

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

const MacroInfo* FindMacro(std::string_view name) {
    for (const MacroInfo& macro : kMacros) {
        if (SameNoCase(macro.name, name) ||
            (!macro.abbreviation.empty() && SameNoCase(macro.abbreviation, name))) {
            return &macro;
        }
    }
    return nullptr;
}

std::size_t MacroCount() {
    return kMacros.size();
}

const MacroInfo& MacroAt(std::size_t index) {
    return kMacros.at(index);
}

}  // namespace scrivlet
