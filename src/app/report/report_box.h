#pragma once

#include <QDialog>
#include <functional>

#include "core/report/topic_report.h"

class QCheckBox;
class QFileDialog;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace scrivlet {
class Project;
}

namespace scrivlet::app {

class TCheckList;

// Sets up DIALOG as the report's save dialog: starting at CURRENT, with the
// filter of output type FILTERINDEX (0 text, 1 HTML) chosen and a default
// extension that follows the chosen filter.
void PrepareReportFileDialog(QFileDialog& dialog, const QString& current, int filterIndex);

// "Project Report": which topic fields, in which order, as which kind of
// file. OK builds the report from the topics as they stand and writes it.
class TReportBox : public QDialog {
    Q_OBJECT
public:
    TReportBox(const Project& project, QWidget* parent);

    // Opens the dialog for PROJECT and writes the report on OK.
    static void Execute(const Project& project, QWidget* parent);

    // The choices as they stand in the controls.
    ReportOptions Options() const;

    // Stand-in for the save dialog; tests replace it. It gets the current
    // name and the filter index of the output type (0 text, 1 HTML) and
    // returns the chosen path, or nothing when cancelled.
    std::function<QString(const QString& current, int filterIndex)> ChooseFile;

    TCheckList* CheckList;
    QRadioButton* TextType;
    QRadioButton* HtmlType;
    QCheckBox* labels;
    QLineEdit* fname;
    QToolButton* BrowseBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

public slots:
    void BrowseBtnClick();
    void accept() override;

private:
    const Project& project_;
};

}  // namespace scrivlet::app
