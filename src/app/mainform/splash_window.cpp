#include "app/mainform/splash_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include "app/mainform/about_box.h"

namespace scrivlet::app {
namespace {

// A page with a question mark: the picture of a help file.
QPixmap HelpPagePicture() {
    QPixmap pixmap(48, 56);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.setBrush(QColor(255, 255, 224));
    painter.drawRect(3, 3, 42, 50);
    QFont font("Serif");
    font.setPixelSize(34);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 128, 0));
    painter.drawText(QRect(3, 3, 42, 50), Qt::AlignCenter, "?");
    return pixmap;
}

}  // namespace

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("welcome");
    setWindowTitle("Welcome...");
    setFixedSize(313, 177);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);

    auto* name = new QLabel(TAboutBox::ProgramName(), this);
    QFont big = name->font();
    big.setPointSize(20);
    big.setBold(true);
    name->setFont(big);
    auto* picture = new QLabel(this);
    picture->setPixmap(HelpPagePicture());
    auto* version = new QLabel(TAboutBox::VersionText(), this);
    status_ = new QLabel("initializing....", this);
    status_->setObjectName("status");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addWidget(status_, 0, Qt::AlignHCenter);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void SplashWindow::SetStatus(const QString& text) {
    status_->setText(text);
    status_->repaint();
}

QString SplashWindow::Status() const {
    return status_->text();
}

}  // namespace scrivlet::app
