#include "app/publish/preview_pane.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QTextBrowser>
#include <QTimer>

#include "app/editor/tsrichedit.h"
#include "app/mainform/main_menus.h"
#include "app/mainform/tmainform.h"
#include "app/mainform/topic_text.h"
#include "cli/publish_source.h"

namespace scrivlet::app {

PreviewPane::PreviewPane(TMainForm& form)
    : QObject(&form),
      form_(form),
      dock_(new QDockWidget(QStringLiteral("Preview"), &form)),
      browser_(new QTextBrowser(dock_)),
      timer_(new QTimer(this)) {
    dock_->setObjectName(QStringLiteral("PreviewDock"));
    browser_->setObjectName(QStringLiteral("PreviewBrowser"));
    browser_->setOpenLinks(false);
    dock_->setWidget(browser_);
    form.addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();
    timer_->setSingleShot(true);
    timer_->setInterval(400);
    connect(timer_, &QTimer::timeout, this, &PreviewPane::Refresh);
    connect(form.RichEdit1(), &QTextEdit::textChanged, this, &PreviewPane::Schedule);
    connect(dock_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) {
            Schedule();
        }
    });
}

void PreviewPane::Schedule() {
    if (dock_->isVisible()) {
        timer_->start();
    }
}

void PreviewPane::Refresh() {
    const Project& project = form_.GetProject();
    const int current = project.CurrentTopic;
    if (current < 0 || static_cast<std::size_t>(current) >= project.Topics.Count()) {
        browser_->clear();
        return;
    }
    const std::vector<std::string> text = SaveTopicText(*form_.RichEdit1()->document());
    const std::string page = cli::PreviewTopic(project, static_cast<std::size_t>(current), text);
    browser_->setHtml(QString::fromUtf8(page.data(), static_cast<qsizetype>(page.size())));
}

PreviewPane* InstallPreviewPane(TMainForm& form) {
    auto* pane = new PreviewPane(form);
    QAction* toggle = pane->Dock()->toggleViewAction();
    toggle->setObjectName(QStringLiteral("PreviewPane1"));
    toggle->setText(QStringLiteral("&Preview"));
    toggle->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    toggle->setStatusTip(QStringLiteral("Hide or show the web preview of the topic"));
    form.Menus().view->addAction(toggle);
    return pane;
}

}  // namespace scrivlet::app
