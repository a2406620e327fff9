#include "app/markup/image_box.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/markup/file_chooser.h"
#include "core/build/build_paths.h"
#include "core/markup/bitmap_roots.h"
#include "core/model/project.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {

namespace {

QString WithTrailingSeparator(const QString& folder) {
    const QString native = QDir::toNativeSeparators(folder);
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}

}  // namespace

TImageBox::TImageBox(Project& project, QWidget* parent) : QDialog(parent), project_(project) {
    setWindowTitle(QStringLiteral("Image"));
    setObjectName(QStringLiteral("TImageBox"));

    image = new QLineEdit(this);
    BrowseBtn = new QPushButton(QStringLiteral("..."), this);
    BrowseBtn->setToolTip(QStringLiteral("Browse"));
    BrowseBtn->setFixedWidth(BrowseBtn->fontMetrics().horizontalAdvance(QStringLiteral("...")) +
                             16);

    auto* alignBox = new QGroupBox(QStringLiteral("Alignment"), this);
    LeftBtn = new QRadioButton(QStringLiteral("Left"), alignBox);
    CharacterBtn = new QRadioButton(QStringLiteral("Character"), alignBox);
    RightBtn = new QRadioButton(QStringLiteral("Right"), alignBox);
    align = new QButtonGroup(this);
    align->addButton(LeftBtn, static_cast<int>(ImageAlign::Left));
    align->addButton(CharacterBtn, static_cast<int>(ImageAlign::Character));
    align->addButton(RightBtn, static_cast<int>(ImageAlign::Right));
    LeftBtn->setChecked(true);
    auto* alignLayout = new QVBoxLayout(alignBox);
    alignLayout->addWidget(LeftBtn);
    alignLayout->addWidget(CharacterBtn);
    alignLayout->addWidget(RightBtn);

    trans = new QCheckBox(QStringLiteral("Transparent"), this);

    auto* buttons = new QDialogButtonBox(this);
    OKBtn = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    CancelBtn = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    OKBtn->setDefault(true);
    OKBtn->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(image, &QLineEdit::textChanged, this,
            [this](const QString& text) { OKBtn->setEnabled(!text.isEmpty()); });
    connect(BrowseBtn, &QPushButton::clicked, this, &TImageBox::BrowseBtnClick);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(image, 1);
    fileRow->addWidget(BrowseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Image filename:"), this));
    layout->addLayout(fileRow);
    layout->addWidget(alignBox);
    layout->addWidget(trans);
    layout->addWidget(buttons);
}

ImageAlign TImageBox::Alignment() const {
    const int id = align->checkedId();
    return id < 0 ? ImageAlign::Left : static_cast<ImageAlign>(id);
}

std::string TImageBox::ImageCode() const {
    return BuildImageCode(Alignment(), trans->isChecked(), ToAnsi(image->text()));
}

void TImageBox::BrowseBtnClick() {
    image->setFocus();
    OpenFileRequest request;
    request.Title = QStringLiteral("Find Image");
    request.SelectedFilter = QStringLiteral("All Images (*.bmp *.shg *.wmf)");
    request.Filter = QStringLiteral("Bitmaps  (*.bmp);;SHG files  (*.shg);;MetaFiles  (*.wmf);;") +
                     request.SelectedFilter;
    // An unsaved project has no folder: every image folder is then new.
    const std::string projectFolder = ProjectFolder(project_.ProjectFileName);
    request.Folder = FromAnsi(projectFolder);
    const QString chosen = ChooseOpenFile(this, request);
    if (chosen.isEmpty()) {
        return;
    }
    const QFileInfo info(chosen);
    image->setText(info.fileName());
    AddImageFolder(project_.BitmapRoots, ToAnsi(WithTrailingSeparator(info.absolutePath())),
                   projectFolder);
}

}  // namespace scrivlet::app
