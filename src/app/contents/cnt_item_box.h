#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>
#include <string>

#include "core/contents/contents_item.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace scrivlet::app {

// The entry dialog of the contents editor: the kind of the entry and its
// fields. In edit mode the kind is fixed; the level is carried through.
class TCntItemBox : public QDialog {
    Q_OBJECT
public:
    // LINE is empty in add mode. WINDOWS fills the window box, CONTEXTS the
    // topic box.
    TCntItemBox(const std::string& line, bool addMode, const QStringList& windows,
                const QStringList& contexts, QWidget* parent);

    // The line to store after OK, or nothing (cancelled, or OK with an empty
    // title).
    std::optional<std::string> ResultLine() const { return result_; }

    // Runs the dialog modally and returns its ResultLine.
    static std::optional<std::string> Edit(const std::string& line, bool addMode,
                                           const QStringList& windows, const QStringList& contexts,
                                           QWidget* parent);

    void accept() override;

    // The controls, named as the form names them.
    QRadioButton* TypeButton(ContentsItemType type) const;
    QLineEdit* xTitle;
    QComboBox* xTopic;
    QLineEdit* xMacro;
    QLineEdit* xFile;
    QComboBox* xWindow;
    QLabel* TitleLabel;
    QLabel* TopicLabel;
    QLabel* FileLabel;
    QLabel* WindowLabel;
    QGroupBox* TypeGroup;

private:
    void ApplyType(ContentsItemType type);
    ContentsItemType CurrentType() const;

    ContentsItemFields fields_;
    QRadioButton* typeButtons_[4] = {};
    std::optional<std::string> result_;
};

}  // namespace scrivlet::app
