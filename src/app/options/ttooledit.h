#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace scrivlet::app {

// "Edit Tool Item": a tool's caption and the file it opens.
class TToolEdit : public QDialog {
    Q_OBJECT

public:
    explicit TToolEdit(QWidget* parent = nullptr);

    QLineEdit* Title() const { return title_; }
    QLineEdit* FileName() const { return fname_; }
    QPushButton* BrowseButton() const { return browse_; }

    // The file the browse dialog chose: into "Filename:", and its name
    // without folder into an empty "Title:".
    void TakeChosenFile(const QString& path);

private:
    void Browse();

    QLineEdit* title_;
    QLineEdit* fname_;
    QPushButton* browse_;
};

}  // namespace scrivlet::app
