// The program the kill and disk-full scripts drive: saves, edits and
// restores projects the way the window does, one step per run.
//   save-loop FILE   save two versions of a project in turn, for ever
//   save-once FILE   save the first version; exit 1 when that fails
//   check FILE       exit 0 when FILE reads whole as one of the versions
//   edit FILE        open FILE in a window, delete its last topic, wait
//   restore          start a window, accept the restore offer, save
//   look FILE WHAT   open FILE in a visible window and run WHAT (save,
//                    show-help, delete-last, link-box), for screenshots
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <string>

#include "app/common/message_box.h"
#include "app/mainform/project_commands.h"
#include "app/mainform/tmainform.h"
#include "app/mainform/topic_commands.h"
#include "app/recovery/recovery_keeper.h"
#include "core/projectfile/project_file.h"
#include "core/util/errors.h"

namespace {

using scrivlet::Project;

// Large enough that a kill often lands inside the write.
Project Version(int which) {
    Project project;
    project.HelpTitle = which == 0 ? "First" : "Second";
    project.Topics.Clear();
    for (int i = 0; i < 400 + which * 50; ++i) {
        scrivlet::TTopic topic;
        topic.TopicID = (i + 1) * 10;
        topic.Title = "Topic " + std::to_string(i);
        topic.Text = {"{\\rtf1\\ansi " + std::string(2000, which == 0 ? 'a' : 'b'), "\\par }"};
        project.Topics.Add(std::move(topic));
    }
    return project;
}

int Check(const std::string& file) {
    try {
        const auto read = scrivlet::ReadProjectFile(file);
        if (!read || read->CutOff) {
            std::cout << "damaged\n";
            return 1;
        }
        for (int which : {0, 1}) {
            const Project version = Version(which);
            if (read->Topics == version.Topics && read->HelpTitle == version.HelpTitle) {
                std::cout << "whole\n";
                return 0;
            }
        }
        std::cout << "other\n";
    } catch (const scrivlet::ScrivletError& e) {
        std::cout << "unreadable: " << e.what() << "\n";
    }
    return 1;
}

int Window(int argc, char* argv[], const std::string& mode, const QString& file) {
    if (mode != "look") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Scrivlet");
    QApplication::setApplicationName("Scrivlet");
    using scrivlet::app::MessageBox;
    scrivlet::app::TMainForm form;
    if (mode == "look") {
        form.SetStartArgument(file);
        form.show();
        const std::string what = argc > 3 ? argv[3] : "";
        QTimer::singleShot(500, &form, [&form, what] {
            const char* action = what == "save"        ? "FileSave"
                                 : what == "show-help" ? "ShowHelpFile1"
                                 : what == "link-box"  ? "PopSpecialLink"
                                                       : nullptr;
            if (action != nullptr) {
                form.Action(action)->trigger();
            } else if (what == "delete-last") {
                form.TopicCmds().DeleteTopic(static_cast<int>(form.GetProject().Topics.Count()) -
                                             1);
            }
        });
        return QApplication::exec();
    }
    if (mode == "edit") {
        form.SetStartArgument(file);
        form.FormShow();
        form.Prefs().DelWarn = false;
        const int last = static_cast<int>(form.GetProject().Topics.Count()) - 1;
        form.TopicCmds().DeleteTopic(last);
        std::cout << "edited " << form.GetProject().Topics.Count() << std::endl;
        return QApplication::exec();
    }
    MessageBox::SetNextAnswer(QMessageBox::Yes);
    form.FormShow();
    const Project& project = form.GetProject();
    std::cout << "question: " << MessageBox::LastText().toStdString() << "\n"
              << "project: " << project.ProjectFileName << " topics " << project.Topics.Count()
              << (project.Modified() ? " modified" : " unmodified") << "\n";
    form.ProjectCmds().Save();
    const QDir copies(scrivlet::app::RecoveryKeeper::Folder());
    std::cout << "copies after save: " << copies.entryList({"*.scw"}, QDir::Files).size()
              << std::endl;
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const std::string file = argc > 2 ? argv[2] : "";
    try {
        if (mode == "save-loop") {
            const Project versions[2] = {Version(0), Version(1)};
            for (int i = 0;; i = 1 - i) {
                scrivlet::WriteProjectFile(versions[i], file);
            }
        }
        if (mode == "save-once") {
            scrivlet::WriteProjectFile(Version(0), file);
            return 0;
        }
    } catch (const scrivlet::ScrivletError& e) {
        std::cout << e.what() << "\n";
        return 1;
    }
    if (mode == "check") {
        return Check(file);
    }
    if (mode == "edit" || mode == "restore" || mode == "look") {
        return Window(argc, argv, mode, QString::fromStdString(file));
    }
    std::cerr << "usage: lost_probe save-loop|save-once|check|edit FILE, or restore\n";
    return 2;
}
