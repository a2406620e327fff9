#include "app/help/context_help_table.h"

#include <QMetaObject>
#include <QWidget>
#include <array>
#include <cstring>

namespace scrivlet::app {
namespace {

// Main window 10, property grid 100, Project Options 110, editor 120, topic
// grid 130, Windows 80 and the Contents Editor 160 are the numbers authors
// of earlier versions of the guide already link to; keep them.
constexpr std::array<ContextHelpEntry, 29> kTable{{
    {"TMainForm", 10, "main_window"},
    {"TSRichEdit", 120, "editor"},
    {"QFontDialog", 120, "editor"},
    {"PropertyGrid", 100, "property_grid"},
    {"TopicGridView", 130, "topic_list"},
    {"TFootBox", 105, "topic_properties"},
    {"Tsearchbox", 50, "search"},
    {"TSpellBox", 55, "spelling"},
    {"TThesaurusBox", 57, "thesaurus"},
    {"TLinkBox", 62, "links"},
    {"AnchorPrompt", 64, "anchors"},
    {"TImageBox", 66, "images"},
    {"TButtonBox", 68, "buttons"},
    {"TWindowBox", 80, "windows"},
    {"TButtonsBox", 82, "window_buttons"},
    {"TSizerBox", 84, "easy_sizer"},
    {"TProjectBox", 110, "project_options"},
    {"TErrorBox", 145, "error_log"},
    {"TContentsBox", 160, "contents_editor"},
    {"TCntItemBox", 165, "contents_items"},
    {"TIndexBox", 170, "contents_header"},
    {"TIndexEdit", 170, "contents_header"},
    {"TTabBox", 170, "contents_header"},
    {"TTabEdit", 170, "contents_header"},
    {"TCLinkBox", 170, "contents_header"},
    {"TReportBox", 180, "report"},
    {"TOptionsBox", 190, "options"},
    {"TToolEdit", 195, "tools"},
    {"TAboutBox", 250, "about"},
}};

const ContextHelpEntry* EntryNamed(const char* name) {
    for (const ContextHelpEntry& entry : kTable) {
        if (std::strcmp(entry.name, name) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

// "scrivlet::app::TFootBox" -> "TFootBox"
const char* UnqualifiedName(const char* className) {
    const char* colon = std::strrchr(className, ':');
    return colon != nullptr ? colon + 1 : className;
}

const ContextHelpEntry* EntryOf(const QWidget& widget) {
    const QByteArray objectName = widget.objectName().toLatin1();
    if (!objectName.isEmpty()) {
        if (const ContextHelpEntry* entry = EntryNamed(objectName.constData())) {
            return entry;
        }
    }
    for (const QMetaObject* meta = widget.metaObject(); meta != nullptr;
         meta = meta->superClass()) {
        if (const ContextHelpEntry* entry = EntryNamed(UnqualifiedName(meta->className()))) {
            return entry;
        }
    }
    return nullptr;
}

}  // namespace

std::span<const ContextHelpEntry> ContextHelpTable() {
    return kTable;
}

const ContextHelpEntry* ContextHelpFor(const QWidget* focus) {
    for (const QWidget* widget = focus; widget != nullptr; widget = widget->parentWidget()) {
        if (const ContextHelpEntry* entry = EntryOf(*widget)) {
            return entry;
        }
    }
    return nullptr;
}

const ContextHelpEntry* ContextHelpOfMapNumber(int mapNumber) {
    for (const ContextHelpEntry& entry : kTable) {
        if (entry.mapNumber == mapNumber) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace scrivlet::app
