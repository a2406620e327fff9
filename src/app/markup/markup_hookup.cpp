#include "app/markup/markup_hookup.h"

#include <QAction>
#include <QTabWidget>

#include "app/editor/tsrichedit.h"
#include "app/mainform/tmainform.h"
#include "app/markup/markup_commands.h"
#include "app/topics/topic_grid_view.h"

namespace scrivlet::app {

MarkupCommands* HookMarkupCommands(TMainForm& form) {
    MarkupHost host;
    host.Window = &form;
    host.Editor = form.RichEdit1();
    host.Proj = &form.GetProject();
    host.SelectedTopicRow = [&form] { return form.TopicGrid()->SelectedTopic(); };
    host.InsColor = [&form] { return static_cast<int>(form.Prefs().InsColor); };
    host.SelectionChange = [&form] { form.SelectionChange(); };
    host.FocusEditorNotebook = [&form] { form.Notebook()->setFocus(); };
    auto* commands = new MarkupCommands(std::move(host), &form);
    commands->setObjectName(QStringLiteral("MarkupCommands"));

    auto on = [&](const char* name, auto slot) {
        QObject::connect(form.Action(QString::fromLatin1(name)), &QAction::triggered, commands,
                         slot);
    };
    for (const char* name : {"ToolsLink", "LinkBtn", "PopSpecialLink"}) {
        on(name, [commands] { commands->LinkBtnClick(); });
    }
    on("PopLink", [commands] { commands->LinkClick(false); });
    on("PopPopupLink", [commands] { commands->LinkClick(true); });
    for (const char* name : {"ToolsImage", "ImageBtn"}) {
        on(name, [commands] { commands->ImgBtnClick(); });
    }
    for (const char* name : {"ToolsButton", "ButtonBtn"}) {
        on(name, [commands] { commands->ButtonBtnClick(); });
    }
    for (const char* name : {"ToolsKeepn", "KeepnBtn"}) {
        on(name, [commands] { commands->KeepBtnClick(); });
    }
    for (const char* name : {"ToolsAnchor", "AnchorBtn"}) {
        on(name, [commands] { commands->AnchBtnClick(); });
    }
    return commands;
}

}  // namespace scrivlet::app
