#include "app/import/import_hookup.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>

#include "app/common/message_box.h"
#include "app/mainform/project_commands.h"
#include "app/mainform/tmainform.h"
#include "cli/import_command.h"
#include "core/util/errors.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

QString AskWithQt(QWidget* parent, const QString& title, const QString& filter, bool save) {
    return save ? QFileDialog::getSaveFileName(parent, title, QString(), filter)
                : QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

ImportFileDialog& DialogOverride() {
    static ImportFileDialog dialog;
    return dialog;
}

void RunImport(TMainForm& form, bool helpFile) {
    const ImportFileDialog dialog =
        DialogOverride()
            ? DialogOverride()
            : ImportFileDialog([&form](const QString& title, const QString& filter, bool save) {
                  return AskWithQt(&form, title, filter, save);
              });
    if (!form.ProjectCmds().AskSaveChanges()) {
        return;
    }
    const QString source = helpFile ? dialog(QStringLiteral("Import Help File"),
                                             QStringLiteral("Help Files (*.hlp)"), false)
                                    : dialog(QStringLiteral("Import Help Project"),
                                             QStringLiteral("Help Projects (*.hpj)"), false);
    if (source.isEmpty()) {
        return;
    }
    QString output = dialog(QStringLiteral("Save Imported Project As"),
                            QStringLiteral("Scrivlet Projects (*.scw)"), true);
    if (output.isEmpty()) {
        return;
    }
    if (!output.endsWith(QStringLiteral(".scw"), Qt::CaseInsensitive)) {
        output += QStringLiteral(".scw");
    }
    std::vector<std::string> report;
    try {
        report = cli::ImportHelpSources(source.toStdString(), output.toStdString());
    } catch (const ScrivletError& e) {
        MessageBox::Error(&form, FromAnsi(e.what()));
        return;
    }
    form.ProjectCmds().ReadProject(output);
    MessageBox::Inform(&form, ImportReportText(report));
}

}  // namespace

QString ImportReportText(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines) {
        if (!text.isEmpty()) {
            text += QLatin1Char('\n');
        }
        text += FromAnsi(line);
    }
    return text;
}

void SetImportFileDialog(ImportFileDialog dialog) {
    DialogOverride() = std::move(dialog);
}

void HookImportCommands(TMainForm& form) {
    QMenu* file = form.Menus().file;
    QAction* before = form.Action(QStringLiteral("FileSave"));
    auto* project = new QAction(QStringLiteral("Import Help &Project..."), &form);
    project->setObjectName(QStringLiteral("FileImportProject"));
    auto* helpFile = new QAction(QStringLiteral("Import Help &File..."), &form);
    helpFile->setObjectName(QStringLiteral("FileImportHelpFile"));
    file->insertAction(before, project);
    file->insertAction(before, helpFile);
    file->insertSeparator(before);
    QObject::connect(project, &QAction::triggered, &form, [&form] { RunImport(form, false); });
    QObject::connect(helpFile, &QAction::triggered, &form, [&form] { RunImport(form, true); });
}

}  // namespace scrivlet::app
