#pragma once

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;

namespace scrivlet::app {

// "Error Log": the build's log, in a topmost window that lives from start-up
// to exit. Closing it only hides it. Lines are painted as soon as they are
// added, because the build holds the GUI thread while it logs.
class TErrorBox : public QWidget {
    Q_OBJECT

public:
    explicit TErrorBox(QWidget* parent = nullptr);

    QPlainTextEdit* Memo() const { return memo_; }
    // The log as lines; "No message" until the first build.
    QStringList Lines() const;
    void Clear();
    void AddLine(const QString& line);
    // Moves the window to the top edge of its screen, keeping its left.
    void MoveToTopEdge();

signals:
    // Shown or hidden (the Error Log menu item follows it).
    void visibilityChanged(bool visible);
    // A line was double-clicked: whoever knows the project opens its topic.
    void lineActivated(const QString& line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPlainTextEdit* memo_;
};

}  // namespace scrivlet::app
