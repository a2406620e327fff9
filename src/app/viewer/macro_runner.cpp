#include "app/viewer/macro_runner.h"

#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "app/common/message_box.h"
#include "app/viewer/help_window.h"
#include "core/util/convert.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

using help::MacroCall;
using help::MacroKind;

std::string Arg(const MacroCall& call, std::size_t i) {
    return i < call.args.size() ? call.args[i] : std::string();
}

void ExecFile(HelpWindow& window, const MacroCall& call) {
    const QString program = FromAnsi(Arg(call, 0));
    const QString arguments = FromAnsi(Arg(call, 1));
    const QString command = arguments.isEmpty() ? program : program + " " + arguments;
    if (MessageBox::AskYesNo(&window, ExecFileQuestion(command)) != QMessageBox::Yes) {
        return;
    }
    QString path = program;
    if (window.File()) {
        const QString beside = HelpLibrary::Resolve(window.File()->path, Arg(call, 0));
        if (QFileInfo::exists(beside)) {
            path = beside;
        }
    }
    const QFileInfo info(path);
    if (info.isFile() && !info.isExecutable()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
        return;
    }
    QProcess::startDetached(path, QProcess::splitCommand(arguments));
}

}  // namespace

QString MacroErrorMessage(const std::string& error) {
    return QStringLiteral("Macro error: %1").arg(FromAnsi(error));
}

QString MissingArgumentsMessage(const std::string& name) {
    return QStringLiteral("The macro %1 needs more arguments").arg(FromAnsi(name));
}

QString ExecFileQuestion(const QString& command) {
    return QStringLiteral("This help file wants to run:\n\n%1\n\nRun it?").arg(command);
}

bool RunMacroCall(HelpWindow& window, const MacroCall& call) {
    auto needs = [&](std::size_t count) {
        if (call.args.size() < count) {
            window.StatusMessage(MissingArgumentsMessage(call.name));
            return false;
        }
        return true;
    };
    const help::FileAndWindow where = help::SplitFileAndWindow(Arg(call, 0));
    HelpTarget target;
    switch (call.kind) {
        case MacroKind::JumpId:
            if (needs(2)) {
                target.by = HelpTarget::By::Context;
                target.text = call.args[1];
                window.Jump(where.file, where.window, target);
            }
            break;
        case MacroKind::PopupId:
            if (needs(2)) {
                target.by = HelpTarget::By::Context;
                target.text = call.args[1];
                window.Popup(where.file, target, QCursor::pos());
            }
            break;
        case MacroKind::JumpContext:
            if (needs(2)) {
                const auto number = TryStrToInt(call.args[1]);
                if (!number) {
                    window.StatusMessage(FromAnsi(InvalidIntegerMessage(call.args[1])));
                    break;
                }
                target.by = HelpTarget::By::MapNumber;
                target.number = static_cast<uint32_t>(*number);
                window.Jump(where.file, where.window, target);
            }
            break;
        case MacroKind::JumpKeyword:
            if (needs(2)) {
                target.by = HelpTarget::By::Keyword;
                target.text = call.args[1];
                window.Jump(where.file, where.window, target);
            }
            break;
        case MacroKind::Contents:
            window.Jump("", "", target);
            break;
        case MacroKind::Back:
            window.GoBack();
            break;
        case MacroKind::History:
            window.ShowHistory();
            break;
        case MacroKind::Prev:
            window.BrowsePrevious();
            break;
        case MacroKind::Next:
            window.BrowseNext();
            break;
        case MacroKind::CloseWindow:
            window.CloseNamedWindow(call.args.empty() ? window.WindowName() : call.args[0]);
            return false;
        case MacroKind::BrowseButtons:
            window.ShowBrowseButtons();
            break;
        case MacroKind::CreateButton:
            if (needs(3)) {
                window.AddButton(FromAnsi(call.args[0]), FromAnsi(call.args[1]), call.args[2]);
            }
            break;
        case MacroKind::DisableButton:
            if (needs(1)) {
                window.SetButtonEnabled(FromAnsi(call.args[0]), false);
            }
            break;
        case MacroKind::ExecFile:
            if (needs(1)) {
                ExecFile(window, call);
            }
            break;
        case MacroKind::Unsupported:
            window.StatusMessage(FromAnsi(help::UnsupportedMacroMessage(call.name)));
            break;
    }
    return true;
}

void HelpWindow::RunMacro(const std::string& macro) {
    const help::MacroParse parse = help::ParseMacros(macro);
    for (const help::MacroCall& call : parse.calls) {
        if (!RunMacroCall(*this, call)) {
            return;
        }
    }
    if (!parse.error.empty()) {
        StatusMessage(MacroErrorMessage(parse.error));
    }
}

}  // namespace scrivlet::app
