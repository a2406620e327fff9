// The viewer's commands: Help Topics, Back, History, browsing, printing,
// copying, zoom and find.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>
#include <array>

#include "app/viewer/find_bar.h"
#include "app/viewer/help_topics_dialog.h"
#include "app/viewer/help_window.h"
#include "app/viewer/topic_chooser.h"
#include "app/viewer/topic_renderer.h"
#include "app/viewer/topic_view.h"
#include "help/viewer_browse.h"
#include "help/viewer_search.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

constexpr std::array<double, 12> kZooms = {0.5,  0.67, 0.8,  0.9, 1.0, 1.1,
                                           1.25, 1.5,  1.75, 2.0, 2.5, 3.0};

}  // namespace

void HelpWindow::ShowHelpTopics(int tab) {
    if (!file_) {
        return;
    }
    HelpTopicsDialog dialog(*library_, file_, this);
    dialog.Tabs()->setCurrentIndex(tab);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const HelpTopicsDialog::Choice choice = dialog.Chosen();
    if (!choice.macro.empty()) {
        RunMacro(choice.macro);
    } else if (choice.file && choice.topic >= 0) {
        SetFile(choice.file);
        ShowTopic(choice.topic);
    } else if (!choice.context.empty()) {
        HelpTarget target;
        target.by = HelpTarget::By::Context;
        target.text = choice.context;
        Jump(choice.fileName, choice.window, target);
    }
}

void HelpWindow::GoBack() {
    const std::optional<help::TopicPlace> place = history_.Back();
    if (!place) {
        return;
    }
    if (!file_ || file_->path.toStdString() != place->file) {
        const auto file = FileNamed(place->file);
        if (!file) {
            return;
        }
        SetFile(file);
    }
    ShowTopic(place->topic, false);
}

void HelpWindow::ShowHistory() {
    const std::vector<help::TopicPlace>& seen = history_.Seen();
    if (seen.empty()) {
        return;
    }
    QStringList lines;
    for (const help::TopicPlace& place : seen) {
        QString line =
            place.title.empty() ? QStringLiteral("(untitled topic)") : FromAnsi(place.title);
        if (!file_ || place.file != file_->path.toStdString()) {
            line += QStringLiteral(" (%1)").arg(
                QFileInfo(QString::fromStdString(place.file)).fileName());
        }
        lines << line;
    }
    const int row = ChooseFromList(this, "History", "Topics you have seen, latest first:", lines);
    if (row < 0) {
        return;
    }
    const help::TopicPlace place = seen[static_cast<std::size_t>(row)];
    const auto file = FileNamed(place.file);
    if (file) {
        SetFile(file);
        ShowTopic(place.topic);
    }
}

void HelpWindow::BrowsePrevious() {
    if (file_) {
        const int topic = help::BrowseNeighbour(file_->document.help, topic_, false);
        if (topic >= 0) {
            ShowTopic(topic);
        }
    }
}

void HelpWindow::BrowseNext() {
    if (file_) {
        const int topic = help::BrowseNeighbour(file_->document.help, topic_, true);
        if (topic >= 0) {
            ShowTopic(topic);
        }
    }
}

void HelpWindow::PrintTopic() {
    if (!file_ || topic_ < 0) {
        return;
    }
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle("Print Topic");
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // Printed as one document, the non-scrolling region first.
    RenderOptions options;
    options.splitRegions = false;
    RenderTopic(file_->document, topic_, options).scrolling->print(&printer);
}

void HelpWindow::CopyTopic() {
    for (TopicView* view : {scrolling_, fixed_}) {
        if (view->textCursor().hasSelection()) {
            view->copy();
            return;
        }
    }
    // Nothing selected: the whole topic, as its title and text.
    if (file_ && topic_ >= 0) {
        const help::Topic& topic = file_->document.help.topics[static_cast<std::size_t>(topic_)];
        QApplication::clipboard()->setText(FromAnsi(help::TopicPlainText(topic)));
    }
}

void HelpWindow::ZoomIn() {
    const auto next = std::upper_bound(kZooms.begin(), kZooms.end(), zoom_ + 1e-6);
    if (next != kZooms.end() && file_) {
        zoom_ = *next;
        const int scroll = scrolling_->verticalScrollBar()->value();
        Render();
        scrolling_->verticalScrollBar()->setValue(scroll);
    }
}

void HelpWindow::ZoomOut() {
    auto below = std::lower_bound(kZooms.begin(), kZooms.end(), zoom_ - 1e-6);
    if (below != kZooms.begin() && file_) {
        zoom_ = *(below - 1);
        Render();
    }
}

void HelpWindow::FindInTopic() {
    findBar_->Start();
}

void HelpWindow::OpenFileDialog() {
    const QString start = file_ ? QFileInfo(file_->path).absolutePath() : QString();
    const QString path = QFileDialog::getOpenFileName(this, "Open Help File", start,
                                                      "Help files (*.hlp *.HLP);;All files (*)");
    if (!path.isEmpty()) {
        history_ = help::ViewerHistory();
        OpenFile(path);
    }
}

}  // namespace scrivlet::app
