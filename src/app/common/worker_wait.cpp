#include "app/common/worker_wait.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <memory>

namespace scrivlet::app {
namespace {

// Work shorter than this ends before anyone would notice a box.
constexpr int kQuietMs = 300;

}  // namespace

bool RunWhileWaiting(QWidget* parent, const QString& label, const std::function<void()>& work,
                     std::atomic<bool>& stop) {
    std::unique_ptr<QThread> thread(QThread::create(work));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    QTimer quiet;
    quiet.setSingleShot(true);
    QObject::connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    quiet.start(kQuietMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (thread->isRunning()) {
        QProgressDialog progress(label, QStringLiteral("Cancel"), 0, 0, parent);
        progress.setWindowModality(Qt::ApplicationModal);
        progress.setMinimumDuration(0);
        progress.setAutoClose(false);
        QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&stop, &progress] {
            stop = true;
            progress.setLabelText(QStringLiteral("Cancelling..."));
        });
        progress.show();
        while (thread->isRunning()) {
            loop.exec();
        }
    }
    thread->wait();
    return !stop;
}

}  // namespace scrivlet::app
