#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace scrivlet::app {

// The captions that tell the index files dialog from the custom tabs dialog.
struct PairTexts {
    QString listCaption;
    QString listLabel;
    QString editCaption;
    QString titleLabel;
    QString fileLabel;
};

// The small dialog that edits one "title=file" element.
class TPairEdit : public QDialog {
    Q_OBJECT
public:
    TPairEdit(const PairTexts& texts, const QString& title, const QString& file, QWidget* parent);
    QLineEdit* xTitle;
    QLineEdit* xFile;
};

// A header list of the contents file edited as a copy: Add, Remove and Edit
// change the copy; OK hands it back, Cancel drops it.
class TListBox : public QDialog {
    Q_OBJECT
public:
    TListBox(const QString& caption, const QString& label, std::vector<std::string> lines,
             QWidget* parent);

    const std::vector<std::string>& Lines() const { return lines_; }

    QListWidget* List;
    QPushButton* AddBtn;
    QPushButton* RemoveBtn;
    QPushButton* EditBtn;

public slots:
    void AddBtnClick();
    void RemoveBtnClick();
    void EditBtnClick();

protected:
    // The element made from what the user entered, or nothing to leave the
    // list as it is. CURRENT is empty for Add.
    virtual std::optional<std::string> AskElement(const std::string& current, bool add) = 0;
    QVBoxLayout* Extras() const { return extras_; }

private:
    void Refresh(int select);

    std::vector<std::string> lines_;
    QVBoxLayout* extras_;
};

// Elements of the form title "=" file, edited with a TPairEdit.
class TPairListBox : public TListBox {
    Q_OBJECT
public:
    TPairListBox(const PairTexts& texts, std::vector<std::string> lines, QWidget* parent);

protected:
    std::optional<std::string> AskElement(const std::string& current, bool add) override;
    virtual std::unique_ptr<TPairEdit> MakeEdit(const QString& title, const QString& file) = 0;
};

}  // namespace scrivlet::app
