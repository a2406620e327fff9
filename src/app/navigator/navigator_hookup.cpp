#include "app/navigator/navigator_hookup.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTextBlock>
#include <QTimer>

#include "app/editor/tsrichedit.h"
#include "app/errorlog/terrorbox.h"
#include "app/mainform/tmainform.h"
#include "app/navigator/navigator_dock.h"
#include "app/undo/project_undo.h"
#include "core/build/log_topics.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {

NavigatorDock* HookNavigator(TMainForm& form) {
    NavigatorHost host;
    host.project = [&form]() -> const Project& { return form.GetProject(); };
    host.storeBack = [&form] { return form.StoreBack(true); };
    host.openAt = [&form](std::size_t topic, int paragraph, int offset, int length) {
        Project& project = form.GetProject();
        if (topic >= project.Topics.Count() || !form.StoreBack(true)) {
            return;
        }
        form.ShowTopic(static_cast<int>(topic));
        TSRichEdit* editor = form.RichEdit1();
        if (paragraph >= 0) {
            const QTextBlock block = editor->document()->findBlockByNumber(paragraph);
            if (block.isValid()) {
                QTextCursor cursor(block);
                if (offset >= 0) {
                    const int start = block.position() + std::min(offset, block.length() - 1);
                    cursor.setPosition(start);
                    cursor.setPosition(
                        std::min(start + length, block.position() + block.length() - 1),
                        QTextCursor::KeepAnchor);
                }
                editor->setTextCursor(cursor);
                editor->ensureCursorVisible();
            }
        }
        editor->setFocus();
    };
    host.showCount = [&form](const QString& totals) { form.StatusPanel(2)->setText(totals); };
    host.applyReplace = [&form](const QString& name, ReplacePlan& plan) {
        // Stored back before the plan was made: showing the topic again
        // loses nothing, and the editor keeps its own modified flag.
        const bool editorModified = form.RichEdit1()->document()->isModified();
        form.Undo().ApplyReplace(name, plan);
        form.ShowTopic(form.GetProject().CurrentTopic);
        form.RichEdit1()->document()->setModified(editorModified);
    };
    auto* dock = new NavigatorDock(std::move(host), &form);
    form.addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();

    QAction* toggle = dock->toggleViewAction();
    toggle->setObjectName(QStringLiteral("ViewNavigator"));
    toggle->setText(QStringLiteral("&Navigator"));
    toggle->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+N")));
    toggle->setStatusTip(QStringLiteral("Hide or show the project navigator"));
    form.Menus().view->addSeparator();
    form.Menus().view->addAction(toggle);

    auto refresh = [&form, dock] {
        if (!dock->isHidden()) {
            dock->ShowLinksTo(static_cast<std::size_t>(form.GetProject().CurrentTopic));
            dock->ProjectChanged();
        }
    };
    QObject::connect(toggle, &QAction::toggled, dock, [refresh, dock](bool on) {
        if (on) {
            refresh();
            // Opened from the keyboard to search: typing goes to the find box.
            dock->FindBox()->setFocus();
            dock->FindBox()->selectAll();
        }
    });
    QObject::connect(form.RichEdit1(), &QTextEdit::textChanged, dock, [&form, dock, refresh] {
        if (form.LoadingText()) {
            // A topic is being shown: its number is set once the load ends.
            QTimer::singleShot(0, dock, refresh);
        } else if (!dock->isHidden()) {
            dock->ProjectChanged();
        }
    });
    // A line of the compile log that names a topic opens it.
    if (auto* log = form.findChild<TErrorBox*>()) {
        QObject::connect(log, &TErrorBox::lineActivated, dock, [&form](const QString& line) {
            const auto topic = TopicOfLogLine(form.GetProject(), ToAnsi(line));
            if (topic && form.StoreBack(true)) {
                form.ShowTopic(static_cast<int>(*topic));
                form.activateWindow();
            }
        });
    }
    return dock;
}

}  // namespace scrivlet::app
