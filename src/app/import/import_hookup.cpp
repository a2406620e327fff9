#include "app/import/import_hookup.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <memory>

#include "app/common/long_task.h"
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
    // Reading a large help file takes a while: on the long-task thread,
    // with the window locked, since the new project replaces the open one.
    struct Outcome {
        std::vector<std::string> report;
        QString error;
    };
    auto outcome = std::make_shared<Outcome>();
    LongTask& task = form.LongWork();
    form.statusBar()->showMessage(ImportingText(source));
    task.Start(
        [&task, outcome, source = source.toStdString(), out = output.toStdString()] {
            try {
                outcome->report = cli::ImportHelpSources(source, out, [&task](int done, int total) {
                    task.SetPercent(done * 100 / total);
                    return !task.CancelRequested();
                });
            } catch (const ScrivletError& e) {
                outcome->error = FromAnsi(e.what());
            }
        },
        [&form, outcome, output] {
            form.statusBar()->clearMessage();
            if (!outcome->error.isEmpty()) {
                MessageBox::Error(&form, outcome->error);
            } else if (!outcome->report.empty()) {  // empty: cancelled, nothing written
                form.ProjectCmds().ReadProject(output);
                MessageBox::Inform(&form, ImportReportText(outcome->report));
            }
        });
}

}  // namespace

QString ImportingText(const QString& source) {
    return QStringLiteral("Importing %1...").arg(QFileInfo(source).fileName());
}

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
