#include "app/windows/sizer_box.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/windows/color_panel.h"

namespace scrivlet::app {

TSizerBox::TSizerBox(int32_t scrollColor, int32_t fixedColor, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("SizerBox"));
    setWindowTitle(QStringLiteral("Scrivlet Easy Sizer"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColorOfColorRef(scrollColor));
    setPalette(background);

    top_ = new QFrame(this);
    top_->setAutoFillBackground(true);
    QPalette fixed = top_->palette();
    fixed.setColor(QPalette::Window, QColorOfColorRef(fixedColor));
    top_->setPalette(fixed);

    auto* ok = new QPushButton(QStringLiteral("OK"), top_);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), top_);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    text_ =
        new QLabel(QStringLiteral("Move this window to the desired position and click OK."), top_);
    text_->setWordWrap(true);
    text_->setFocusPolicy(Qt::StrongFocus);
    // A released button hands the keyboard focus to the text.
    for (QPushButton* button : {ok, cancel}) {
        connect(button, &QPushButton::released, text_, [this] { text_->setFocus(); });
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* topLayout = new QVBoxLayout(top_);
    topLayout->setContentsMargins(4, 4, 4, 4);
    topLayout->addLayout(buttons);
    topLayout->addWidget(text_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(top_);
    layout->addStretch();
    // The author may make the window as small as the help window is to be.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(1, 1);
    SetBounds(SizerBounds{});
}

QRect TSizerBox::ScreenRect() const {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

SizerBounds TSizerBox::Bounds() const {
    const QPoint origin = ScreenRect().topLeft();
    return {x() - origin.x(), y() - origin.y(), width(), height()};
}

void TSizerBox::SetBounds(const SizerBounds& bounds) {
    const QPoint origin = ScreenRect().topLeft();
    move(origin.x() + bounds.Left, origin.y() + bounds.Top);
    resize(bounds.Width, bounds.Height);
}

bool TSizerBox::Run(QWidget* parent, WindowFields& fields, int32_t scrollColor,
                    int32_t fixedColor) {
    TSizerBox box(scrollColor, fixedColor, parent);
    const QRect screen = box.ScreenRect();
    // A modal window larger than the screen cannot be moved or even drawn.
    box.SetBounds(FitToScreen(PlaceSizer(fields, screen.width(), screen.height()), screen.width(),
                              screen.height()));
    if (box.exec() != QDialog::Accepted) {
        return false;
    }
    ReadSizer(box.Bounds(), screen.width(), screen.height(), fields);
    return true;
}

}  // namespace scrivlet::app
