#include "app/options/up_down.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace scrivlet::app {

UpDown::UpDown(QLineEdit* buddy, int min, int max, int step, QWidget* parent)
    : QWidget(parent),
      buddy_(buddy),
      min_(min),
      max_(max),
      step_(step),
      position_(min),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setFixedSize(16, 11);
        button->setAutoRepeat(true);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::SetPosition(int value) {
    position_ = std::clamp(value, min_, max_);
    buddy_->setText(QString::number(position_));
    emit positionChanged(position_);
}

void UpDown::Step(int direction) {
    bool ok = false;
    const int current = buddy_->text().trimmed().toInt(&ok);
    SetPosition((ok ? current : position_) + direction * step_);
}

}  // namespace scrivlet::app
