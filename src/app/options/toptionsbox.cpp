#include "app/options/toptionsbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/options/color_list.h"
#include "app/options/ttooledit.h"
#include "app/options/up_down.h"
#include "core/model/short_string.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

QStringList SortedScreenFonts() {
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    families.removeDuplicates();
    return families;
}

// The dialog that edits one tool entry.
bool RunToolEdit(QWidget* parent, QString& title, QString& fileName) {
    TToolEdit dialog(parent);
    dialog.Title()->setText(title);
    dialog.FileName()->setText(fileName);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    title = dialog.Title()->text();
    fileName = dialog.FileName()->text();
    return true;
}

}  // namespace

TOptionsBox::TOptionsBox(const OptionsValues& values, QWidget* parent)
    : QDialog(parent), projectFileName_(values.projectFileName), tools_(values.tools) {
    setWindowTitle("Options");
    toolDialog_ = [this](QString& title, QString& fileName) {
        return RunToolEdit(this, title, fileName);
    };
    pages_ = new QTabWidget(this);
    pages_->addTab(BuildGeneralPage(values), "General");
    pages_->addTab(BuildToolsPage(), "Tools");
    pages_->addTab(BuildGridPage(values), "Grid");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);

    FillToolList();
    UpdateSample();
}

QWidget* TOptionsBox::BuildGeneralPage(const OptionsValues& values) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    layout->addWidget(new QLabel("Location of Help Compiler:"));
    compiler_ = new QLineEdit(FromAnsi(values.compiler));
    compiler_->setObjectName("compiler");
    auto* browse = new QPushButton("...");
    browse->setFixedWidth(28);
    connect(browse, &QPushButton::clicked, this, &TOptionsBox::BrowseCompiler);
    auto* compilerRow = new QHBoxLayout;
    compilerRow->addWidget(compiler_);
    compilerRow->addWidget(browse);
    layout->addLayout(compilerRow);

    wineViewer_ = new QCheckBox("Show help files with Wine's winhlp32");
    wineViewer_->setObjectName("wineViewer");
    wineViewer_->setChecked(values.wineViewer);
    layout->addWidget(wineViewer_);

    layout->addWidget(new QLabel("Highlight inserted commands with this color:"));
    inscolor_ = new ColorList;
    inscolor_->setObjectName("inscolor");
    inscolor_->setCurrentRow(std::clamp(values.insColor, 0, 15));
    layout->addWidget(inscolor_);

    warn_ = new QCheckBox("Warn me before deleting a topic.");
    warn_->setObjectName("warn");
    warn_->setChecked(values.delWarn);
    layout->addWidget(warn_);

    layout->addWidget(new QLabel("When adding topics, choose new ID by:"));
    choose_ = new QComboBox;
    choose_->setObjectName("choose");
    choose_->addItems({"Adding to the ID of the last topic", "Counting the topics"});
    choose_->setCurrentIndex(values.idCount == 1 ? 1 : 0);
    layout->addWidget(choose_);

    ask_ = new QCheckBox("Prompt about new IDs");
    ask_->setObjectName("ask");
    ask_->setChecked(values.idAsk);
    layout->addWidget(ask_);

    auto* incRow = new QHBoxLayout;
    incRow->addWidget(new QLabel("Increment by:"));
    inc_ = new QLineEdit;
    inc_->setObjectName("inc");
    inc_->setReadOnly(true);
    inc_->setFixedWidth(48);
    incUD_ = new UpDown(inc_, 1, 255, 1);
    incUD_->setObjectName("incUD");
    incUD_->SetPosition(values.idInc);
    incRow->addWidget(inc_);
    incRow->addWidget(incUD_);
    incRow->addStretch();
    layout->addLayout(incRow);
    layout->addStretch();
    return page;
}

QWidget* TOptionsBox::BuildToolsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("These items will be appended to the tools menu:"));
    lbTool_ = new QListWidget;
    lbTool_->setObjectName("lbTool");
    connect(lbTool_, &QListWidget::itemDoubleClicked, this, [this] { EditTool(); });
    connect(lbTool_, &QListWidget::currentRowChanged, this,
            [this](int row) { tools_.Choose(row); });

    auto* side = new QVBoxLayout;
    auto* add = new QPushButton("Add...");
    auto* edit = new QPushButton("Edit...");
    auto* remove = new QPushButton("Delete");
    auto* up = new QToolButton;
    auto* down = new QToolButton;
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (QWidget* w : std::initializer_list<QWidget*>{add, edit, remove, up, down}) {
        side->addWidget(w);
    }
    side->addStretch();
    connect(add, &QPushButton::clicked, this, &TOptionsBox::AddTool);
    connect(edit, &QPushButton::clicked, this, &TOptionsBox::EditTool);
    connect(remove, &QPushButton::clicked, this, &TOptionsBox::DeleteTool);
    connect(up, &QToolButton::clicked, this, &TOptionsBox::MoveToolUp);
    connect(down, &QToolButton::clicked, this, &TOptionsBox::MoveToolDown);

    auto* row = new QHBoxLayout;
    row->addWidget(lbTool_);
    row->addLayout(side);
    layout->addLayout(row);
    return page;
}

QWidget* TOptionsBox::BuildGridPage(const OptionsValues& values) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* fontGroup = new QGroupBox("Grid Font");
    auto* fontLayout = new QHBoxLayout(fontGroup);
    gfname_ = new QComboBox;
    gfname_->setObjectName("gfname");
    gfname_->setMaxVisibleItems(16);
    gfname_->addItems(SortedScreenFonts());
    const int at = gfname_->findText(values.gridFontName, Qt::MatchFixedString);
    if (at >= 0) {
        gfname_->setCurrentIndex(at);
    } else {
        gfname_->setEditable(false);
        gfname_->insertItem(0, values.gridFontName);
        gfname_->setCurrentIndex(0);
    }
    gfsize_ = new QLineEdit;
    gfsize_->setObjectName("gfsize");
    gfsize_->setReadOnly(true);
    gfsize_->setFixedWidth(40);
    upDown1_ = new UpDown(gfsize_, 8, 28, 1);
    upDown1_->setObjectName("UpDown1");
    upDown1_->SetPosition(values.gridFontSize);
    sample_ = new QLabel("Sample");
    sample_->setObjectName("Sample");
    sample_->setFrameShape(QFrame::Panel);
    sample_->setFrameShadow(QFrame::Sunken);
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumSize(120, 48);
    fontLayout->addWidget(gfname_, 1);
    fontLayout->addWidget(gfsize_);
    fontLayout->addWidget(upDown1_);
    fontLayout->addWidget(sample_);
    layout->addWidget(fontGroup);

    auto* colGroup = new QGroupBox("Width of first column (Topic ID)");
    auto* colLayout = new QHBoxLayout(colGroup);
    col1_ = new QLineEdit;
    col1_->setObjectName("col1");
    col1_->setFixedWidth(48);
    upDown2_ = new UpDown(col1_, 20, 150, 5);
    upDown2_->setObjectName("UpDown2");
    bool ok = false;
    const int width = values.col0Text.toInt(&ok);
    if (ok) {
        upDown2_->SetPosition(width);
    }
    col1_->setText(values.col0Text);
    colLayout->addWidget(col1_);
    colLayout->addWidget(upDown2_);
    colLayout->addStretch();
    layout->addWidget(colGroup);
    layout->addStretch();

    connect(gfname_, &QComboBox::currentTextChanged, this, &TOptionsBox::UpdateSample);
    connect(upDown1_, &UpDown::positionChanged, this, &TOptionsBox::UpdateSample);
    return page;
}

void TOptionsBox::UpdateSample() {
    QFont font(gfname_->currentText());
    font.setPointSize(gfsize_->text().toInt() > 0 ? gfsize_->text().toInt() : 8);
    sample_->setFont(font);
}

void TOptionsBox::FillToolList() {
    lbTool_->blockSignals(true);
    lbTool_->clear();
    for (const auto& caption : tools_.Captions()) {
        lbTool_->addItem(FromAnsi(caption));
    }
    lbTool_->setCurrentRow(tools_.Chosen());
    lbTool_->blockSignals(false);
}

void TOptionsBox::AddTool() {
    if (tools_.Entries().size() >= kMaxTools) {
        return;
    }
    QString title;
    QString fileName;
    if (toolDialog_(title, fileName)) {
        tools_.Add(MakeToolEntry(ToAnsi(title), ToAnsi(fileName)));
        FillToolList();
    }
}

void TOptionsBox::EditTool() {
    if (tools_.Chosen() < 0) {
        return;
    }
    const std::string& entry = tools_.Entries()[static_cast<std::size_t>(tools_.Chosen())];
    QString title = FromAnsi(ToolCaption(entry));
    QString fileName = FromAnsi(ToolCommand(entry));
    if (toolDialog_(title, fileName)) {
        tools_.Edit(MakeToolEntry(ToAnsi(title), ToAnsi(fileName)));
        FillToolList();
    }
}

void TOptionsBox::DeleteTool() {
    if (tools_.Delete()) {
        FillToolList();
    }
}

void TOptionsBox::MoveToolUp() {
    if (tools_.MoveUp()) {
        FillToolList();
    }
}

void TOptionsBox::MoveToolDown() {
    if (tools_.MoveDown()) {
        FillToolList();
    }
}

void TOptionsBox::BrowseCompiler() {
    QString start = QFileInfo(compiler_->text()).absolutePath();
    if (compiler_->text().isEmpty()) {
        start = QFileInfo(projectFileName_).absolutePath();
    }
    const QString chosen = QFileDialog::getOpenFileName(
        this, "Find Help Compiler", start,
        "Help Compilers (hcrtf.exe HCRTF.EXE hcrtf);;Programs (*.exe);;All files (*)");
    if (!chosen.isEmpty()) {
        compiler_->setText(chosen);
    }
    compiler_->setFocus();
}

OptionsValues TOptionsBox::Values() const {
    OptionsValues v;
    v.compiler = CutShort(ToAnsi(compiler_->text()));
    v.wineViewer = wineViewer_->isChecked();
    v.insColor = std::max(0, inscolor_->currentRow());
    v.delWarn = warn_->isChecked();
    v.idAsk = ask_->isChecked();
    v.idInc = incUD_->Position();
    v.idCount = choose_->currentIndex();
    v.gridFontName = gfname_->currentText();
    v.gridFontSize = gfsize_->text().toInt();
    v.col0Text = col1_->text();
    v.tools = tools_.Entries();
    v.projectFileName = projectFileName_;
    return v;
}

}  // namespace scrivlet::app
