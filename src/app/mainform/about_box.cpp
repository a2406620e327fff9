#include "app/mainform/about_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace scrivlet::app {

QString TAboutBox::VersionText() {
    return QStringLiteral("Version %1").arg(QStringLiteral(SCRIVLET_APP_VERSION));
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About Scrivlet");
    auto* icon = new QLabel(this);
    icon->setPixmap(
        QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32));
    auto* name = new QLabel("<b>" + ProgramName() + "</b>", this);
    name->setObjectName("ProductName");
    auto* version = new QLabel(VersionText(), this);
    version->setObjectName("Version");
    auto* line = new QLabel(Description(), this);
    line->setObjectName("Comments");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addWidget(line, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace scrivlet::app
