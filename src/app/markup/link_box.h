#pragma once

#include <QDialog>

#include "core/markup/link_request.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace scrivlet {
class Project;
}

namespace scrivlet::app {

// "Special Link": a link to a topic of this project, an anchor, a topic of
// another help file, or WinHelp macros. Created for one command.
class TLinkBox : public QDialog {
    Q_OBJECT

public:
    explicit TLinkBox(QWidget* parent = nullptr);

    // Fills the topic list from the project's topics (selecting SELECTEDROW)
    // and the window list from its window definition names.
    void Fill(const Project& project, int selectedRow);

    // What the author filled in.
    LinkBoxValues Values() const;

    QComboBox* appear;
    QComboBox* loc;
    QCheckBox* pop;
    QLabel* TopicLabel;
    QComboBox* atopic;
    QLineEdit* topicedit;
    QLabel* WindowLabel;
    QComboBox* awindow;
    QLabel* FilenameLabel;
    QLineEdit* filename;
    QPushButton* BrowseBtn;
    QPlainTextEdit* medit;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    // Shows and hides the controls for the target location.
    void locChange();
    void BrowseBtnClick();
};

// The window name of a window definition line: the part before its first "=".
QString WindowNameOf(const std::string& windowDef);

}  // namespace scrivlet::app
