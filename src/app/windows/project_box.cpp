#include "app/windows/project_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/windows/screen_centre.h"
#include "app/windows/typed_key_filter.h"
#include "core/model/project.h"
#include "core/windows/key_filters.h"
#include "core/windows/option_paths.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

QLineEdit* NewEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QComboBox* NewCombo(QWidget* parent, const char* name, bool editable) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(editable);
    if (editable) {
        box->setInsertPolicy(QComboBox::NoInsert);
    }
    return box;
}

QPushButton* NewButton(QWidget* parent, const QString& caption, const char* name) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

void LimitTyping(QLineEdit* edit, std::size_t limit) {
    TypedKeyFilter::Install(edit, [limit](int code, int length) {
        return OptionsBoxAcceptsKey(code, static_cast<std::size_t>(length), limit);
    });
}

StringList LinesOf(const QString& text) {
    StringList lines;
    if (text.isEmpty()) {
        return lines;
    }
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        lines.push_back(ToAnsi(line));
    }
    // A final line break ends the last line; it does not start another.
    if (text.endsWith(QLatin1Char('\n'))) {
        lines.pop_back();
    }
    return lines;
}

QString TextOf(const StringList& lines) {
    QStringList texts;
    for (const std::string& line : lines) {
        texts << FromAnsi(line);
    }
    return texts.join(QLatin1Char('\n'));
}

}  // namespace

TProjectBox::TProjectBox(const Project& project, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      projectFolder_(ProjectFolder(project.ProjectFileName)),
      choosers_(StandardChoosers()) {
    setObjectName(QStringLiteral("ProjectBox"));
    setWindowTitle(QStringLiteral("Project Options"));

    pages_ = new QTabWidget(this);
    pages_->addTab(BuildGeneralPage(), QStringLiteral("General"));
    pages_->addTab(BuildFilesPage(), QStringLiteral("Files"));
    pages_->addTab(BuildAdvancedPage(), QStringLiteral("Advanced"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    base_ = FillProjectOptions(project);
    Fill(base_);
}

QWidget* TProjectBox::BuildGeneralPage() {
    auto* page = new QWidget(this);
    title_ = NewEdit(page, "title");
    LimitTyping(title_, kHelpTitleTypingLimit);
    contents_ = NewCombo(page, "contents", true);
    error_ = new QCheckBox(QStringLiteral("Display error log when compiling."), page);
    error_->setObjectName(QStringLiteral("error"));
    showhelp_ = new QCheckBox(QStringLiteral("Show help file after compiling."), page);
    showhelp_->setObjectName(QStringLiteral("showhelp"));

    auto* group = new QGroupBox(QStringLiteral("Copyright Information"), page);
    copyright_ = NewEdit(group, "copyright");
    citation_ = NewEdit(group, "citation");
    LimitTyping(copyright_, kCopyrightTypingLimit);
    LimitTyping(citation_, kCopyrightTypingLimit);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(new QLabel(QStringLiteral("Display this text in the version box:")));
    groupLayout->addWidget(copyright_);
    groupLayout->addWidget(
        new QLabel(QStringLiteral("Add this message when text is pasted or printed:")));
    groupLayout->addWidget(citation_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Help title:")));
    layout->addWidget(title_);
    layout->addWidget(new QLabel(QStringLiteral("Default topic:")));
    layout->addWidget(contents_);
    layout->addWidget(error_);
    layout->addWidget(showhelp_);
    layout->addWidget(group);
    layout->addStretch();
    title_->setMinimumWidth(360);
    return page;
}

QWidget* TProjectBox::BuildFilesPage() {
    auto* page = new QWidget(this);
    helpfile_ = NewEdit(page, "helpfile");
    cntfile_ = NewEdit(page, "cntfile");
    template_ = NewEdit(page, "template");
    bitbox_ = NewCombo(page, "bitbox", false);
    rtfbox_ = NewCombo(page, "rtfbox", false);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Name of help file to create:")));
    layout->addWidget(helpfile_);

    auto browseRow = [&](QLineEdit* edit, const char* name, void (TProjectBox::*handler)()) {
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        QPushButton* browse = NewButton(page, QStringLiteral("..."), name);
        browse->setToolTip(QStringLiteral("Browse"));
        browse->setFixedWidth(32);
        connect(browse, &QPushButton::clicked, this, handler);
        row->addWidget(browse);
        layout->addLayout(row);
    };
    layout->addWidget(new QLabel(QStringLiteral("Name of contents file:")));
    browseRow(cntfile_, "BitBtn1", &TProjectBox::BitBtn1Click);

    auto listRow = [&](QComboBox* box, const char* add, const char* edit, const char* del,
                       void (TProjectBox::*onAdd)(), void (TProjectBox::*onEdit)(),
                       void (TProjectBox::*onDelete)()) {
        layout->addWidget(box);
        auto* row = new QHBoxLayout;
        row->addStretch();
        for (auto [caption, name, handler] :
             {std::tuple{QStringLiteral("Add..."), add, onAdd},
              std::tuple{QStringLiteral("Edit..."), edit, onEdit},
              std::tuple{QStringLiteral("Delete"), del, onDelete}}) {
            QPushButton* button = NewButton(page, caption, name);
            connect(button, &QPushButton::clicked, this, handler);
            row->addWidget(button);
        }
        layout->addLayout(row);
    };
    layout->addWidget(new QLabel(QStringLiteral("Bitmap search paths:")));
    listRow(bitbox_, "AddBit", "EditBit", "DelBit", &TProjectBox::AddBitClick,
            &TProjectBox::EditBitClick, &TProjectBox::DelBitClick);
    layout->addWidget(new QLabel(QStringLiteral("RTF files to include in build:")));
    listRow(rtfbox_, "addrtf", "editrtf", "delrtff", &TProjectBox::addrtfClick,
            &TProjectBox::editrtfClick, &TProjectBox::delrtffClick);

    layout->addWidget(new QLabel(QStringLiteral("New topic template:")));
    browseRow(template_, "BitBtn2", &TProjectBox::BitBtn2Click);
    layout->addStretch();
    return page;
}

QWidget* TProjectBox::BuildAdvancedPage() {
    auto* page = new QWidget(this);
    cMemo_ = new QPlainTextEdit(page);
    cMemo_->setObjectName(QStringLiteral("cMemo"));
    cMemo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    cMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    cMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    cMemo_->setTabChangesFocus(true);

    auto* group = new QGroupBox(QStringLiteral("Build Tags"), page);
    include_ = NewCombo(group, "include", true);
    exclude_ = NewCombo(group, "exclude", true);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(new QLabel(QStringLiteral("Include topics with this build tag:")));
    groupLayout->addWidget(include_);
    groupLayout->addWidget(new QLabel(QStringLiteral("Exclude topics with this build tag:")));
    groupLayout->addWidget(exclude_);

    compress_ = new QCheckBox(QStringLiteral("Compress help file"), page);
    compress_->setObjectName(QStringLiteral("compress"));

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Configuration Macros:")));
    layout->addWidget(cMemo_, 1);
    layout->addWidget(group);
    layout->addWidget(compress_);
    return page;
}

void TProjectBox::FillList(QComboBox* box, const StringList& entries, int selected) {
    box->clear();
    for (const std::string& entry : entries) {
        box->addItem(FromAnsi(entry));
    }
    box->setCurrentIndex(selected);
}

void TProjectBox::Fill(const ProjectOptions& options) {
    title_->setText(FromAnsi(options.HelpTitle));
    for (const std::string& context : options.ContextStrings) {
        contents_->addItem(FromAnsi(context));
    }
    contents_->setEditText(FromAnsi(options.DefaultTopic));
    for (QComboBox* box : {include_, exclude_}) {
        for (const std::string& tag : options.BuildTags) {
            box->addItem(FromAnsi(tag));
        }
    }
    include_->setEditText(FromAnsi(options.IncludeTag));
    exclude_->setEditText(FromAnsi(options.ExcludeTag));
    cMemo_->setPlainText(TextOf(options.ConfigMacros));
    FillList(bitbox_, options.BitmapRoots, -1);
    FillList(rtfbox_, options.RtfFiles, -1);
    copyright_->setText(FromAnsi(options.Copyright));
    citation_->setText(FromAnsi(options.Citation));
    cntfile_->setText(FromAnsi(options.ContentsFileName));
    template_->setText(FromAnsi(options.TemplateFile));
    error_->setChecked(options.ShowErrorLog);
    compress_->setChecked(options.Compress);
    showhelp_->setChecked(options.ShowHelpAfterCompile);
    helpfile_->setText(FromAnsi(options.HelpFileName));
}

StringList TProjectBox::ListOf(const QComboBox* box) const {
    StringList entries;
    for (int i = 0; i < box->count(); ++i) {
        entries.push_back(ToAnsi(box->itemText(i)));
    }
    return entries;
}

ProjectOptions TProjectBox::Options() const {
    ProjectOptions options = base_;
    options.HelpTitle = ToAnsi(title_->text());
    options.HelpFileName = ToAnsi(helpfile_->text());
    options.ContentsFileName = ToAnsi(cntfile_->text());
    options.IncludeTag = ToAnsi(include_->currentText());
    options.ExcludeTag = ToAnsi(exclude_->currentText());
    options.DefaultTopic = ToAnsi(contents_->currentText());
    options.Copyright = ToAnsi(copyright_->text());
    options.Citation = ToAnsi(citation_->text());
    options.ShowErrorLog = error_->isChecked();
    options.Compress = compress_->isChecked();
    options.ShowHelpAfterCompile = showhelp_->isChecked();
    options.ConfigMacros = LinesOf(cMemo_->toPlainText());
    options.BitmapRoots = ListOf(bitbox_);
    options.RtfFiles = ListOf(rtfbox_);
    options.TemplateFile = ToAnsi(template_->text());
    return options;
}

bool TProjectBox::Run(QWidget* parent, Project& project) {
    TProjectBox box(project, parent);
    CentreOnScreen(&box);
    if (box.exec() != QDialog::Accepted) {
        return false;
    }
    StoreProjectOptions(box.Options(), project);
    return true;
}

TProjectBox::Choosers TProjectBox::StandardChoosers() {
    Choosers choosers;
    choosers.ContentsFile = [](QWidget* parent, const QString& folder) -> std::optional<QString> {
        const QString file =
            QFileDialog::getOpenFileName(parent, QStringLiteral("Find Contents File"), folder,
                                         QStringLiteral("Contents Files (*.cnt)"));
        return file.isEmpty() ? std::nullopt : std::optional(file);
    };
    choosers.RtfFile = [](QWidget* parent, const QString& folder,
                          const QString& file) -> std::optional<QString> {
        const QString picked = QFileDialog::getOpenFileName(
            parent, QStringLiteral("Select RTF file"), file.isEmpty() ? folder : file,
            QStringLiteral("Rich Text Format (*.rtf)"));
        return picked.isEmpty() ? std::nullopt : std::optional(picked);
    };
    choosers.Folder = [](QWidget* parent, const QString& folder) -> std::optional<QString> {
        const QString picked = QFileDialog::getExistingDirectory(
            parent, QStringLiteral("Select Directory:"), folder, QFileDialog::ShowDirsOnly);
        return picked.isEmpty() ? std::nullopt : std::optional(picked);
    };
    return choosers;
}

void TProjectBox::BitBtn1Click() {
    cntfile_->setFocus();
    const auto picked = choosers_.ContentsFile(this, FromAnsi(projectFolder_));
    if (!picked) {
        return;
    }
    cntfile_->setText(FromAnsi(
        ContentsFileReference(ToAnsi(helpfile_->text()), projectFolder_, ToAnsi(*picked))));
}

void TProjectBox::BitBtn2Click() {
    template_->setFocus();
    if (!projectFolder_.empty()) {
        rtfFolder_ = FromAnsi(projectFolder_);
    }
    const auto picked = choosers_.RtfFile(this, rtfFolder_, rtfFile_);
    if (!picked) {
        return;
    }
    rtfFile_ = *picked;
    template_->setText(*picked);
}

void TProjectBox::AddBitClick() {
    if (static_cast<std::size_t>(bitbox_->count()) >= kMaxOptionListEntries) {
        return;
    }
    const auto picked = choosers_.Folder(this, FromAnsi(projectFolder_));
    if (!picked) {
        return;
    }
    StringList entries = ListOf(bitbox_);
    const int selected = AddOptionEntry(entries, ToAnsi(*picked), true, -1);
    FillList(bitbox_, entries, selected);
}

void TProjectBox::EditBitClick() {
    const int index = bitbox_->currentIndex();
    if (index < 0) {
        return;
    }
    const auto picked = choosers_.Folder(this, bitbox_->itemText(index));
    if (!picked) {
        return;
    }
    StringList entries = ListOf(bitbox_);
    FillList(bitbox_, entries, ReplaceOptionEntry(entries, index, ToAnsi(*picked), true));
}

void TProjectBox::DelBitClick() {
    const int index = bitbox_->currentIndex();
    if (index < 0) {
        return;
    }
    StringList entries = ListOf(bitbox_);
    const int selected = DeleteOptionEntry(entries, index);
    FillList(bitbox_, entries, selected);
}

void TProjectBox::addrtfClick() {
    if (static_cast<std::size_t>(rtfbox_->count()) >= kMaxOptionListEntries) {
        return;
    }
    rtfFolder_ = FromAnsi(projectFolder_);
    const auto picked = choosers_.RtfFile(this, rtfFolder_, rtfFile_);
    if (!picked) {
        return;
    }
    rtfFile_ = *picked;
    StringList entries = ListOf(rtfbox_);
    const int selected = AddOptionEntry(entries, ToAnsi(*picked), false, -1);
    FillList(rtfbox_, entries, selected);
}

void TProjectBox::editrtfClick() {
    const int index = rtfbox_->currentIndex();
    if (index < 0) {
        return;
    }
    rtfFile_ = rtfbox_->itemText(index);
    const auto picked = choosers_.RtfFile(this, rtfFolder_, rtfFile_);
    if (!picked) {
        return;
    }
    rtfFile_ = *picked;
    StringList entries = ListOf(rtfbox_);
    FillList(rtfbox_, entries, ReplaceOptionEntry(entries, index, ToAnsi(*picked), false));
}

void TProjectBox::delrtffClick() {
    const int index = rtfbox_->currentIndex();
    if (index < 0) {
        return;
    }
    StringList entries = ListOf(rtfbox_);
    const int selected = DeleteOptionEntry(entries, index);
    FillList(rtfbox_, entries, selected);
}

}  // namespace scrivlet::app
