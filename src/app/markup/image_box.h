#pragma once

#include <QDialog>

#include "core/markup/markup_codes.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace scrivlet {
class Project;
}

namespace scrivlet::app {

// "Image": the file name, alignment and transparency of an image code. The
// browse button may add the image's folder to the project's bitmap folders.
class TImageBox : public QDialog {
    Q_OBJECT

public:
    explicit TImageBox(Project& project, QWidget* parent = nullptr);

    ImageAlign Alignment() const;
    // The image code for the fields as they stand, cut to 255 characters.
    std::string ImageCode() const;

    QLineEdit* image;
    QPushButton* BrowseBtn;
    QButtonGroup* align;
    QRadioButton* LeftBtn;
    QRadioButton* CharacterBtn;
    QRadioButton* RightBtn;
    QCheckBox* trans;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void BrowseBtnClick();

private:
    Project& project_;
};

}  // namespace scrivlet::app
