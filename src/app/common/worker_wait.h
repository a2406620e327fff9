#pragma once

#include <QString>
#include <atomic>
#include <functional>

class QWidget;

namespace scrivlet::app {

// Runs WORK on a worker thread while the window goes on painting. Input is
// held back for a moment; when WORK takes longer, a progress box with LABEL
// and Cancel shows (modal, so nothing else can change what WORK reads).
// Cancel sets STOP, which WORK reads to end early; the call returns only when
// WORK has ended, and returns false when it was cancelled.
bool RunWhileWaiting(QWidget* parent, const QString& label, const std::function<void()>& work,
                     std::atomic<bool>& stop);

}  // namespace scrivlet::app
