#include "app/report/report_box.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/common/message_box.h"
#include "app/report/check_list.h"
#include "core/model/project.h"
#include "core/util/errors.h"

namespace scrivlet::app {
namespace {

const QStringList kFilters = {"Text file  (*.txt)", "HTML file  (*.htm *.html)"};

bool TickedAtFirst(ReportField field) {
    return field == ReportField::Title || field == ReportField::ID ||
           field == ReportField::ContextString;
}

}  // namespace

void PrepareReportFileDialog(QFileDialog& dialog, const QString& current, int filterIndex) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(kFilters);
    if (!current.isEmpty()) {
        const QFileInfo file(current);
        dialog.setDirectory(file.absolutePath());
        dialog.selectFile(file.fileName());
    }
    // The dialog keeps its filters with runs of blanks made single, so they
    // are chosen by position, not by text.
    const auto choose = [&dialog](int index) {
        dialog.setDefaultSuffix(index == 1 ? "htm" : "txt");
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, choose](const QString& filter) {
                         choose(static_cast<int>(dialog.nameFilters().indexOf(filter)));
                     });
    dialog.selectNameFilter(dialog.nameFilters().value(filterIndex));
    choose(filterIndex);
}

TReportBox::TReportBox(const Project& project, QWidget* parent)
    : QDialog(parent), project_(project) {
    setWindowTitle("Project Report");

    ChooseFile = [this](const QString& current, int filterIndex) {
        QFileDialog dialog(this);
        PrepareReportFileDialog(dialog, current, filterIndex);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };

    CheckList = new TCheckList(this);
    for (const ReportField field : AllReportFields()) {
        const std::string_view label = ReportLabel(field);
        CheckList->AddCheckItem(QString::fromLatin1(label.data(), static_cast<int>(label.size())),
                                TickedAtFirst(field));
    }

    auto* typeGroup = new QGroupBox("Output type", this);
    TextType = new QRadioButton("Tab delimited plain text", typeGroup);
    HtmlType = new QRadioButton("HTML table", typeGroup);
    HtmlType->setChecked(true);
    auto* typeLayout = new QVBoxLayout(typeGroup);
    typeLayout->addWidget(TextType);
    typeLayout->addWidget(HtmlType);

    labels = new QCheckBox("Include column labels", this);
    labels->setChecked(true);

    fname = new QLineEdit(this);
    fname->setObjectName("fname");
    fname->setReadOnly(true);
    // Only the browse button fills the box; it looks it, not like a field
    // to type in.
    QPalette readOnly = fname->palette();
    readOnly.setBrush(QPalette::Base, readOnly.window());
    fname->setPalette(readOnly);
    BrowseBtn = new QToolButton(this);
    BrowseBtn->setText("...");
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fname, 1);
    fileRow->addWidget(BrowseBtn);

    OKBtn = new QPushButton("OK", this);
    OKBtn->setDefault(true);
    OKBtn->setEnabled(false);
    CancelBtn = new QPushButton("Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* right = new QVBoxLayout;
    right->addWidget(typeGroup);
    right->addWidget(labels);
    right->addStretch();
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Fields to include:", this));
    left->addWidget(CheckList);
    top->addLayout(left, 1);
    top->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(new QLabel("Save as file:", this));
    layout->addLayout(fileRow);
    layout->addLayout(buttons);

    connect(fname, &QLineEdit::textChanged, this,
            [this](const QString& text) { OKBtn->setEnabled(!text.isEmpty()); });
    connect(BrowseBtn, &QToolButton::clicked, this, &TReportBox::BrowseBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TReportBox::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TReportBox::reject);
    resize(460, 330);
}

void TReportBox::Execute(const Project& project, QWidget* parent) {
    TReportBox box(project, parent);
    box.exec();
}

ReportOptions TReportBox::Options() const {
    ReportOptions options;
    for (int row = 0; row < CheckList->count(); ++row) {
        if (!CheckList->IsChecked(row)) {
            continue;
        }
        const std::string text = CheckList->item(row)->text().toStdString();
        for (const ReportField field : AllReportFields()) {
            if (ReportLabel(field) == text) {
                options.Columns.push_back(field);
            }
        }
    }
    options.Format = HtmlType->isChecked() ? ReportFormat::HtmlTable : ReportFormat::TabDelimited;
    options.ColumnLabels = labels->isChecked();
    return options;
}

void TReportBox::BrowseBtnClick() {
    const QString chosen = ChooseFile(fname->text(), HtmlType->isChecked() ? 1 : 0);
    if (!chosen.isEmpty()) {
        fname->setText(chosen);
    }
}

void TReportBox::accept() {
    if (fname->text().isEmpty()) {
        return;
    }
    QDialog::accept();
    try {
        WriteTextFile(BuildReport(project_.Topics, Options()),
                      QFile::encodeName(fname->text()).toStdString());
    } catch (const ScrivletError& e) {
        MessageBox::Error(this, QString::fromStdString(e.what()));
    }
}

}  // namespace scrivlet::app
