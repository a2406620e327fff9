#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>

class QMainWindow;
class QProgressBar;
class QPushButton;
class QThread;
class QWidget;

namespace scrivlet::app {

// Work that runs on a worker thread while the window stays alive: a progress
// bar and a Cancel button show at the right of the status bar, and editing
// is switched off until the work is over (every action but those named to
// stay, the central area and the docks), because the work reads the project
// the window holds and a copy of a large project would cost as much memory
// and time again. Closing the window during the work cancels it and closes
// once it is over.
class LongTask : public QObject {
    Q_OBJECT

public:
    // Adds the (hidden) bar and button to WINDOW's status bar.
    explicit LongTask(QMainWindow& window);
    ~LongTask() override;

    bool Running() const { return running_; }
    // Runs WORK on a new thread; then, on this thread, unlocks the window
    // and runs DONE. Nothing happens (false) while other work runs.
    bool Start(std::function<void()> work, std::function<void()> done);

    // From any thread: the bar's value 0..100, or -1 for a busy bar with no
    // end known.
    void SetPercent(int percent);
    // From any thread: whether Cancel may still stop the work.
    void SetCancellable(bool on);
    // From any thread: whether Cancel was pressed.
    bool CancelRequested() const { return cancel_.load(); }
    void Cancel();
    // Cancels and waits for the work's thread, without running DONE: for a
    // window going away under it.
    void Stop();
    // Closes the window once the work is over.
    void CloseWhenDone() { closeWhenDone_ = true; }

    // Actions left enabled during the work (the error log's, say).
    void KeepEnabled(const QString& actionName) { keep_ << actionName; }

    QWidget* Panel() const { return panel_; }
    QProgressBar* Bar() const { return bar_; }
    QPushButton* CancelButton() const { return cancelButton_; }

signals:
    // After DONE ran.
    void finished();

private:
    void Lock();
    void Unlock();

    QMainWindow& window_;
    QWidget* panel_;
    QProgressBar* bar_;
    QPushButton* cancelButton_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;
    bool closeWhenDone_ = false;
    QStringList keep_;
    QList<QPointer<QObject>> disabled_;
    QThread* thread_ = nullptr;
};

// The Cancel button's text, and its text once pressed.
inline constexpr const char* kCancelText = "Cancel";
inline constexpr const char* kCancellingText = "Cancelling...";

}  // namespace scrivlet::app
