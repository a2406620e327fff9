#include "app/help/context_help.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "app/build/help_viewer.h"
#include "app/help/context_help_table.h"
#include "app/help/help_display.h"
#include "app/mainform/tmainform.h"

namespace scrivlet::app {

ContextHelp::ContextHelp(std::unique_ptr<HelpDisplay> display, QObject* parent)
    : QObject(parent), display_(std::move(display)) {}

ContextHelp::~ContextHelp() = default;

void ContextHelp::SetDisplay(std::unique_ptr<HelpDisplay> display) {
    display_ = std::move(display);
}

void ContextHelp::HelpFor(QWidget* focus) {
    QWidget* parent = focus != nullptr ? focus->window() : nullptr;
    if (const ContextHelpEntry* entry = ContextHelpFor(focus)) {
        display_->ShowTopic(entry->mapNumber, parent);
    } else {
        display_->ShowContents(parent);
    }
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            // The first widget to receive the key is the focus widget; taking
            // the event keeps its parents from asking again. A held key opens
            // the help once.
            if (!key->isAutoRepeat()) {
                HelpFor(static_cast<QWidget*>(watched));
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

ContextHelp* InstallContextHelp(TMainForm& form) {
    auto* help = new ContextHelp(
        std::make_unique<GuideHelpDisplay>(GuideFilePath(), CreateHelpViewer()), &form);
    qApp->installEventFilter(help);
    if (QAction* topics = form.Action("HelpTopics")) {
        QObject::connect(topics, &QAction::triggered, help,
                         [help, &form] { help->Display().ShowContents(&form); });
    }
    return help;
}

}  // namespace scrivlet::app
