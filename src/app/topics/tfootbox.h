#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "core/topics/foot_fields.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace scrivlet::app {

// The topic properties dialog ("Topic Properties"): the ten fields of one
// topic, with the key filters and the OK rule of the dialog. It only holds
// text; storing into the topic is the caller's part (StoreFootValues).
class TFootBox : public QDialog {
    Q_OBJECT

public:
    explicit TFootBox(QWidget* parent = nullptr);

    void SetChoices(const std::vector<std::string>& buildTags,
                    const std::vector<std::string>& windows);
    void SetValues(const FootValues& values);
    FootValues Values() const;

    // The line editor of FIELD (the edit part of a drop-down for Build Tag,
    // Window and Comment).
    QLineEdit* Field(FootField field) const;
    QComboBox* BuildTagBox() const { return buildTag_; }
    QComboBox* WindowBox() const { return window_; }
    QComboBox* CommentBox() const { return comment_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateOk();

    QLineEdit* fields_[kFootFieldCount] = {};
    QComboBox* buildTag_ = nullptr;
    QComboBox* window_ = nullptr;
    QComboBox* comment_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace scrivlet::app
