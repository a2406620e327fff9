#include "app/common/long_task.h"

#include <QAction>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>

namespace scrivlet::app {

LongTask::LongTask(QMainWindow& window)
    : QObject(&window),
      window_(window),
      panel_(new QWidget(window.statusBar())),
      bar_(new QProgressBar(panel_)),
      cancelButton_(new QPushButton(QString::fromLatin1(kCancelText), panel_)) {
    setObjectName(QStringLiteral("LongTask"));
    panel_->setObjectName(QStringLiteral("LongTaskPanel"));
    bar_->setObjectName(QStringLiteral("LongTaskBar"));
    cancelButton_->setObjectName(QStringLiteral("LongTaskCancel"));
    auto* layout = new QHBoxLayout(panel_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    bar_->setRange(0, 100);
    bar_->setFixedWidth(160);
    bar_->setMaximumHeight(cancelButton_->sizeHint().height());
    layout->addWidget(bar_);
    layout->addWidget(cancelButton_);
    window.statusBar()->addPermanentWidget(panel_);
    panel_->hide();
    connect(cancelButton_, &QPushButton::clicked, this, &LongTask::Cancel);
}

LongTask::~LongTask() {
    Stop();
}

void LongTask::Stop() {
    if (thread_ == nullptr) {
        return;
    }
    cancel_ = true;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    running_ = false;
}

bool LongTask::Start(std::function<void()> work, std::function<void()> done) {
    if (running_) {
        return false;
    }
    running_ = true;
    cancel_ = false;
    closeWhenDone_ = false;
    bar_->setRange(0, 100);
    bar_->setValue(0);
    cancelButton_->setText(QString::fromLatin1(kCancelText));
    cancelButton_->setEnabled(true);
    Lock();
    panel_->show();
    thread_ = QThread::create(std::move(work));
    // Queued to this thread after everything the work itself queued.
    connect(thread_, &QThread::finished, this, [this, done = std::move(done)] {
        thread_->deleteLater();
        thread_ = nullptr;
        panel_->hide();
        Unlock();
        running_ = false;
        if (done) {
            done();
        }
        emit finished();
        if (closeWhenDone_) {
            window_.close();
        }
    });
    thread_->start();
    return true;
}

void LongTask::SetPercent(int percent) {
    QMetaObject::invokeMethod(this, [this, percent] {
        if (percent < 0) {
            bar_->setRange(0, 0);
        } else {
            bar_->setRange(0, 100);
            bar_->setValue(percent);
        }
    });
}

void LongTask::SetCancellable(bool on) {
    QMetaObject::invokeMethod(this, [this, on] { cancelButton_->setEnabled(on && !cancel_); });
}

void LongTask::Cancel() {
    if (!running_) {
        return;
    }
    cancel_ = true;
    cancelButton_->setText(QString::fromLatin1(kCancellingText));
    cancelButton_->setEnabled(false);
}

void LongTask::Lock() {
    disabled_.clear();
    for (QAction* action : window_.findChildren<QAction*>()) {
        // Menus stay open to look into; their entries are what is off.
        if (action->isEnabled() && action->menu() == nullptr &&
            !keep_.contains(action->objectName())) {
            disabled_.append(action);
            action->setEnabled(false);
        }
    }
    QList<QWidget*> areas{window_.centralWidget()};
    for (QDockWidget* dock : window_.findChildren<QDockWidget*>()) {
        areas << dock;
    }
    for (QWidget* area : areas) {
        if (area != nullptr && area->isEnabled()) {
            disabled_.append(area);
            area->setEnabled(false);
        }
    }
}

void LongTask::Unlock() {
    for (const QPointer<QObject>& object : disabled_) {
        if (auto* action = qobject_cast<QAction*>(object.data())) {
            action->setEnabled(true);
        } else if (auto* widget = qobject_cast<QWidget*>(object.data())) {
            widget->setEnabled(true);
        }
    }
    disabled_.clear();
}

}  // namespace scrivlet::app
