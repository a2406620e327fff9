#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace scrivlet::app {

// "Button": the caption and macro lines of a button code. Nothing is
// validated.
class TButtonBox : public QDialog {
    Q_OBJECT

public:
    explicit TButtonBox(QWidget* parent = nullptr);

    std::string ButtonCode() const;

    QLineEdit* cap;
    QPlainTextEdit* macro;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

}  // namespace scrivlet::app
