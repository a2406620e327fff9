#include "app/viewer/popup_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "app/viewer/topic_renderer.h"
#include "app/viewer/topic_view.h"

namespace scrivlet::app {
namespace {

constexpr int kMaxWidth = 480;

}  // namespace

PopupWindow::PopupWindow(QWidget* owner) : QFrame(owner, Qt::Popup | Qt::FramelessWindowHint) {
    setObjectName("PopupWindow");
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    view_ = new TopicView(this);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(view_);
    connect(view_, &TopicView::plainClick, this, &QWidget::close);
    connect(view_, &TopicView::anchorActivated, this, &PopupWindow::anchorActivated);
}

void PopupWindow::ShowTopic(const help::HelpDocument& model, int topic, double zoom,
                            const QColor& background, const QPoint& globalPoint) {
    topic_ = topic;
    RenderOptions options;
    options.zoom = zoom;
    options.splitRegions = false;
    RenderedTopic rendered = RenderTopic(model, topic, options);
    buttonMacros_ = std::move(rendered.buttonMacros);
    QTextDocument* doc = rendered.scrolling.get();
    view_->SetTopicDocument(std::move(rendered.scrolling), &model, zoom);
    QPalette colours = view_->palette();
    colours.setColor(QPalette::Base, background);
    view_->setPalette(colours);

    const QScreen* screen = QGuiApplication::screenAt(globalPoint);
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int maxWidth = std::min(static_cast<int>(kMaxWidth * zoom), area.width() - 20);
    doc->setTextWidth(-1);
    const int natural = static_cast<int>(doc->idealWidth()) + 2;
    const int width = std::clamp(natural, 60, maxWidth);
    doc->setTextWidth(width);
    const int height = std::min(static_cast<int>(doc->size().height()) + 2, area.height() - 20);
    resize(width + 4, height + 4);
    QPoint at = globalPoint + QPoint(0, 12);
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - this->width())));
    if (at.y() + this->height() > area.bottom()) {
        at.setY(std::max(area.top(), globalPoint.y() - this->height() - 4));
    }
    move(at);
    show();
    view_->setFocus();
    FitHeight();
}

void PopupWindow::FitHeight() {
    // The view lays the text out at its own width, which is known once the
    // pop-up is shown.
    QTextDocument* doc = view_->document();
    doc->setTextWidth(view_->viewport()->width());
    const QScreen* screen = QGuiApplication::screenAt(pos());
    const int limit = screen ? screen->availableGeometry().height() - 20 : 700;
    const int chrome = height() - view_->viewport()->height();
    resize(width(), std::min(static_cast<int>(doc->size().height()) + chrome + 1, limit));
}

void PopupWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

bool PopupWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace scrivlet::app
