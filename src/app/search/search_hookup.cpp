#include "app/search/search_hookup.h"

#include <QAction>

#include "app/editor/tsrichedit.h"
#include "app/mainform/tmainform.h"
#include "app/search/search_commands.h"
#include "app/undo/project_undo.h"

namespace scrivlet::app {

SearchCommands* HookSearchCommands(TMainForm& form) {
    SearchHost host;
    host.Window = &form;
    host.Editor = form.RichEdit1();
    host.Proj = &form.GetProject();
    host.StoreBack = [&form] { return form.StoreBack(true); };
    host.ShowTopic = [&form] { form.ShowTopic(form.GetProject().CurrentTopic); };
    host.ApplyReplace = [&form](const QString& name, ReplacePlan& plan) {
        form.Undo().ApplyReplace(name, plan);
    };
    auto* commands = new SearchCommands(std::move(host), &form);
    commands->setObjectName(QStringLiteral("SearchCommands"));

    for (const char* name : {"EditFind", "FindBtn"}) {
        QObject::connect(form.Action(QString::fromLatin1(name)), &QAction::triggered, commands,
                         &SearchCommands::ShowFind);
    }
    QObject::connect(form.Action(QStringLiteral("EditFindNext")), &QAction::triggered, commands,
                     &SearchCommands::FindNext);
    QObject::connect(form.Action(QStringLiteral("EditReplace")), &QAction::triggered, commands,
                     &SearchCommands::ReplaceAndFindNext);
    return commands;
}

}  // namespace scrivlet::app
