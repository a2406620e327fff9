#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace scrivlet::app {

// "Search": the modeless find and replace dialog. One instance lives as long
// as the main window, so its fields keep their values between uses. Each
// button closes the dialog and then asks for its command.
class Tsearchbox : public QDialog {
    Q_OBJECT

public:
    explicit Tsearchbox(QWidget* parent = nullptr);

    QLineEdit* find;
    QLineEdit* replace;
    QCheckBox* matchcase;
    QCheckBox* wholeword;
    QCheckBox* all;
    QPushButton* FindBtn;
    QPushButton* ReplaceBtn;
    QPushButton* ReplaceAllBtn;
    QPushButton* CancelBtn;

signals:
    void FindRequested();
    void ReplaceRequested();
    void ReplaceAllRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void allClick();
};

}  // namespace scrivlet::app
