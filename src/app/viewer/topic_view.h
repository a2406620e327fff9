#pragma once

#include <QTextBrowser>
#include <memory>

#include "help/help_document.h"

namespace scrivlet::app {

// Shows one rendered region of a topic and reports clicks on its hotspots
// as anchors ("hotspot:N", "button:N", and "picture:P:H" for hotspot H of
// the document's picture P), and clicks elsewhere as plain clicks.
class TopicView : public QTextBrowser {
    Q_OBJECT

public:
    explicit TopicView(QWidget* parent = nullptr);

    // Takes DOCUMENT; MODEL gives the pictures' hotspots and must outlive
    // the next call.
    void SetTopicDocument(std::unique_ptr<QTextDocument> document, const help::HelpDocument* model,
                          double zoom);

    // The anchor under POINT (viewport coordinates), or an empty string.
    QString AnchorAtPoint(const QPoint& point) const;

    // The height the whole document needs at the view's width.
    int ContentHeight() const;

signals:
    // GLOBALPOINT is where the click was (the hotspot's place for the
    // keyboard), for a pop-up to open beside.
    void anchorActivated(const QString& anchor, const QPoint& globalPoint);
    void plainClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString PictureHotspotAt(const QPoint& point) const;

    std::unique_ptr<QTextDocument> owned_;
    const help::HelpDocument* model_ = nullptr;
    double zoom_ = 1.0;
    QPoint pressedAt_;
    bool fromMouse_ = false;
};

}  // namespace scrivlet::app
