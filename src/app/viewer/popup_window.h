#pragma once

#include <QFrame>
#include <memory>
#include <string>
#include <vector>

#include "help/help_document.h"

namespace scrivlet::app {

class TopicView;

// A pop-up topic: a small frameless window beside the hotspot that closes
// on a click (outside it, or inside on anything but a hotspot) or Escape.
class PopupWindow : public QFrame {
    Q_OBJECT

public:
    explicit PopupWindow(QWidget* owner);

    // Shows TOPIC of MODEL (which must outlive the pop-up) near GLOBALPOINT.
    void ShowTopic(const help::HelpDocument& model, int topic, double zoom,
                   const QColor& background, const QPoint& globalPoint);
    TopicView* View() const { return view_; }
    int Topic() const { return topic_; }
    const std::vector<std::string>& ButtonMacros() const { return buttonMacros_; }

signals:
    // A hotspot inside the pop-up was clicked; the pop-up is already closed
    // for a jump and stays for another pop-up.
    void anchorActivated(const QString& anchor, const QPoint& globalPoint);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitHeight();
    TopicView* view_;
    int topic_ = -1;
    std::vector<std::string> buttonMacros_;
};

}  // namespace scrivlet::app
