#include "app/contents/contents_box.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/common/app_icon.h"
#include "app/common/message_box.h"
#include "app/contents/cnt_item_box.h"
#include "app/contents/contents_glyphs.h"
#include "app/contents/contents_lists.h"
#include "app/contents/contents_settings.h"
#include "app/contents/header_boxes.h"
#include "core/contents/contents_location.h"
#include "core/model/project.h"
#include "core/util/cp1252.h"
#include "core/util/errors.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

const QString kEditorName = QStringLiteral("Scrivlet Contents Editor");
constexpr int kBottomPanelHeight = 88;
constexpr int kMinSide = 85;

QString DisplayPath(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QLabel* Header(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMargin(2);
    return label;
}

}  // namespace

TContentsBox::TContentsBox(const Project& project, QWidget* parent) : QDialog(parent) {
    setObjectName("ContentsBox");
    setWindowTitle(kEditorName);
    setMinimumSize(318, 202);
    setSizeGripEnabled(true);

    ChooseOpenFile = [this] {
        return QFileDialog::getOpenFileName(this, "Open Contents File", QString(),
                                            "Contents Files (*.cnt)", nullptr,
                                            QFileDialog::ReadOnly);
    };
    ChooseSaveFile = [this](const QString& proposed) {
        QFileDialog dialog(this, "Save Contents File", proposed, "Contents File  (*.cnt)");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("cnt");
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    EditEntry = [this](const std::string& line, bool addMode) {
        return TCntItemBox::Edit(line, addMode, WindowNames(), contexts_, this);
    };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildToolbar();
    layout->addWidget(Toolbar);
    layout->addWidget(BuildLists(), 1);
    layout->addWidget(BuildBottomPanel());
    ReadPlacement();

    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        titles_ << FromAnsi(project.Topics[i].Title.str());
        contexts_ << FromAnsi(project.Topics[i].ContextString.str());
    }
    TopicsList->addItems(titles_);
    for (const auto& definition : project.WindowDefs) {
        xWindow->addItem(FromAnsi(definition.substr(0, definition.find('='))));
    }
    OpenProjectContents(project);
}

TContentsBox::~TContentsBox() {
    WritePlacement();
}

void TContentsBox::Execute(const Project& project, QWidget* parent) {
    TContentsBox box(project, parent);
    box.exec();
}

void TContentsBox::BuildToolbar() {
    Toolbar = new QToolBar("Contents Toolbar", this);
    Toolbar->setMovable(false);
    Toolbar->setIconSize(QSize(16, 16));
    auto add = [this](const QIcon& icon, const QString& hint, void (TContentsBox::*slot)()) {
        QAction* action = Toolbar->addAction(icon, hint);
        action->setToolTip(hint);
        action->setStatusTip(hint);
        connect(action, &QAction::triggered, this, slot);
    };
    add(AppIcon("document-new"), "New", &TContentsBox::FileNew);
    add(AppIcon("document-open"), "Open", &TContentsBox::FileOpen);
    QAction* save = Toolbar->addAction(AppIcon("document-save"), "Save");
    save->setToolTip("Save");
    connect(save, &QAction::triggered, this, [this] { FileSave(); });
    Toolbar->addSeparator();
    add(AddItemIcon(), "Add Item", &TContentsBox::AddItem);
    add(DeleteItemIcon(), "Delete Item", &TContentsBox::DeleteItem);
    add(EditItemIcon(), "Edit Item", &TContentsBox::EditItem);
    Toolbar->addSeparator();
    add(AppIcon("go-up"), "Move Up", &TContentsBox::MoveUpItem);
    add(AppIcon("go-down"), "Move Down", &TContentsBox::MoveDownItem);
    add(AppIcon("go-previous"), "Move Left", &TContentsBox::MoveLeftItem);
    add(AppIcon("go-next"), "Move Right", &TContentsBox::MoveRightItem);
}

QWidget* TContentsBox::BuildLists() {
    GrabBar1 = new QSplitter(Qt::Horizontal, this);
    GrabBar1->setObjectName("GrabBar1");
    GrabBar1->setHandleWidth(3);
    GrabBar1->setChildrenCollapsible(false);

    auto* left = new QWidget(GrabBar1);
    left->setMinimumWidth(kMinSide);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    TopicsList = new TTopicsList(left);
    leftLayout->addWidget(Header(" Project Topics", left));
    leftLayout->addWidget(TopicsList);

    auto* right = new QWidget(GrabBar1);
    right->setMinimumWidth(kMinSide);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    cntlist = new TCntList(TopicsList, right);
    cntlist->setItemDelegate(new ContentsEntryDelegate(&file_, cntlist));
    rightLayout->addWidget(Header(" Contents", right));
    rightLayout->addWidget(cntlist);

    GrabBar1->addWidget(left);
    GrabBar1->addWidget(right);
    GrabBar1->setStretchFactor(1, 1);

    connect(cntlist, &TCntList::TopicDropped, this, &TContentsBox::cntlistTopicDrop);
    connect(cntlist, &TCntList::EntryDropped, this, &TContentsBox::cntlistEntryDrop);
    connect(cntlist, &QListWidget::itemDoubleClicked, this, &TContentsBox::EditItem);
    connect(cntlist, &TCntList::EditKeyReleased, this, [this](int key) {
        switch (key) {
            case Qt::Key_Insert:
                AddItem();
                break;
            case Qt::Key_Delete:
                DeleteItem();
                break;
            case Qt::Key_Backspace:
                MoveLeftItem();
                break;
            case Qt::Key_Space:
                MoveRightItem();
                break;
            default:
                break;
        }
    });
    return GrabBar1;
}

QWidget* TContentsBox::BuildBottomPanel() {
    auto* panel = new QWidget(this);
    panel->setFixedHeight(kBottomPanelHeight);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    xTitle = new QLineEdit(panel);
    xTitle->setObjectName("xTitle");
    xFile = new QLineEdit(panel);
    xFile->setObjectName("xFile");
    xWindow = new QComboBox(panel);
    xWindow->setObjectName("xWindow");
    xWindow->setEditable(true);
    xWindow->setInsertPolicy(QComboBox::NoInsert);
    IndexBtn = new QPushButton("Index Files...", panel);
    LinkBtn = new QPushButton("Link Files...", panel);
    TabsBtn = new QPushButton("Tabs...", panel);
    // Enter in the lists must not open a header dialog.
    for (QPushButton* button : {IndexBtn, LinkBtn, TabsBtn}) {
        button->setAutoDefault(false);
    }
    grid->addWidget(new QLabel("Default title:", panel), 0, 0);
    grid->addWidget(xTitle, 0, 1);
    grid->addWidget(IndexBtn, 0, 2);
    grid->addWidget(new QLabel("Default filename:", panel), 1, 0);
    grid->addWidget(xFile, 1, 1);
    grid->addWidget(LinkBtn, 1, 2);
    grid->addWidget(new QLabel("Default window:", panel), 2, 0);
    grid->addWidget(xWindow, 2, 1);
    grid->addWidget(TabsBtn, 2, 2);
    grid->setColumnStretch(1, 1);

    connect(IndexBtn, &QPushButton::clicked, this, &TContentsBox::IndexBtnClick);
    connect(LinkBtn, &QPushButton::clicked, this, &TContentsBox::LinkBtnClick);
    connect(TabsBtn, &QPushButton::clicked, this, &TContentsBox::TabsBtnClick);
    auto edited = [this](std::string ContentsFile::*field) {
        return [this, field](const QString& text) {
            if (!updating_) {
                file_.*field = ToAnsi(text);
                file_.CntModified = true;
            }
        };
    };
    connect(xTitle, &QLineEdit::textChanged, this, edited(&ContentsFile::DefaultTitle));
    connect(xFile, &QLineEdit::textChanged, this, edited(&ContentsFile::DefaultFile));
    connect(xWindow, &QComboBox::currentTextChanged, this, edited(&ContentsFile::DefaultWindow));
    return panel;
}

void TContentsBox::ReadPlacement() {
    const ContentsPlacement placement = ReadContentsPlacement();
    setGeometry(placement.left, placement.top, placement.width, placement.height);
    if (placement.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    GrabBar1->setSizes(
        {placement.grabLeft, std::max(kMinSide, placement.width - placement.grabLeft)});
}

void TContentsBox::WritePlacement() {
    ContentsPlacement placement;
    placement.maximized = isMaximized();
    const QRect bounds = geometry();
    placement.top = bounds.top();
    placement.left = bounds.left();
    placement.height = bounds.height();
    placement.width = bounds.width();
    placement.grabLeft = GrabBar1->sizes().value(0, placement.grabLeft);
    WriteContentsPlacement(placement);
}

void TContentsBox::OpenProjectContents(const Project& project) {
    const std::string found =
        FindContentsFileName(Cp1252ToUtf8(project.ContentsFileName.str()),
                             Cp1252ToUtf8(project.HelpFileName.str()), project.ProjectFileName);
    const std::string path = ContentsDiskPath(found);
    if (project.ProjectFileName != kUntitled) {
        // The project's own contents file, or one named after the project
        // beside it.
        proposedName_ =
            !path.empty()
                ? path
                : std::filesystem::path(project.ProjectFileName).replace_extension(".cnt").string();
    }
    std::error_code ec;
    if (!path.empty() && std::filesystem::exists(path, ec)) {
        try {
            file_.LoadContents(path);
            named_ = true;
        } catch (const ScrivletError& e) {
            MessageBox::Error(this, QString::fromStdString(e.what()));
        }
    } else {
        PrefillContents(file_, project);
        named_ = true;
    }
    ShowFile();
}

int TContentsBox::Selection() const {
    const QModelIndexList rows = cntlist->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TContentsBox::Select(int index) {
    if (index < 0 || index >= cntlist->count()) {
        cntlist->clearSelection();
        cntlist->setCurrentRow(-1);
        return;
    }
    cntlist->setCurrentRow(index);
}

void TContentsBox::RefreshList(int selection) {
    const int count = file_.Count();
    while (cntlist->count() > count) {
        delete cntlist->takeItem(cntlist->count() - 1);
    }
    while (cntlist->count() < count) {
        cntlist->addItem(QString());
    }
    // The text is for accessibility and tests; the delegate draws from the model.
    for (int i = 0; i < count; ++i) {
        cntlist->item(i)->setText(FromAnsi(file_.EntryLines[static_cast<std::size_t>(i)]));
    }
    Select(selection);
    cntlist->viewport()->update();
}

void TContentsBox::ShowFile() {
    updating_ = true;
    xTitle->setText(FromAnsi(file_.DefaultTitle));
    xFile->setText(FromAnsi(file_.DefaultFile));
    xWindow->setEditText(FromAnsi(file_.DefaultWindow));
    updating_ = false;
    RefreshList(-1);
    UpdateCaption();
}

void TContentsBox::UpdateCaption() {
    setWindowTitle(named_ ? DisplayPath(FileNamePart(file_.CntFileName)) + " - " + kEditorName
                          : kEditorName);
}

QStringList TContentsBox::WindowNames() const {
    QStringList names;
    for (int i = 0; i < xWindow->count(); ++i) {
        names << xWindow->itemText(i);
    }
    return names;
}

void TContentsBox::Apply(const ContentsEditResult& result) {
    if (result.Changed) {
        RefreshList(result.Selection);
    }
    if (result.Beep) {
        QApplication::beep();
    }
}

bool TContentsBox::SavePrompt(bool closing) {
    if (!file_.CntModified) {
        return true;
    }
    const auto answer =
        MessageBox::AskYesNoCancel(this, "Save changes to " + DisplayPath(file_.CntFileName) + "?");
    if (answer == QMessageBox::No) {
        return true;
    }
    if (answer != QMessageBox::Yes) {
        return false;
    }
    return Save(closing);
}

bool TContentsBox::Save(bool quiet) {
    if (file_.IsUntitled()) {
        return SaveAs(quiet);
    }
    try {
        file_.SaveContents();
        return true;
    } catch (const ScrivletError& e) {
        if (!quiet) {
            MessageBox::Error(this, QString::fromStdString(e.what()));
        }
        return false;
    }
}

bool TContentsBox::SaveAs(bool quiet) {
    const QString name = ChooseSaveFile(DisplayPath(
        file_.IsUntitled() && !proposedName_.empty() ? proposedName_ : file_.CntFileName));
    if (name.isEmpty()) {
        return false;
    }
    file_.CntFileName = LocalPath(name);
    named_ = true;
    UpdateCaption();
    return Save(quiet);
}

void TContentsBox::FileNew() {
    if (!SavePrompt(false)) {
        return;
    }
    StartNewContents(file_);
    named_ = true;
    ShowFile();
}

void TContentsBox::FileOpen() {
    if (!SavePrompt(false)) {
        return;
    }
    const QString name = ChooseOpenFile();
    if (name.isEmpty()) {
        return;
    }
    try {
        file_.LoadContents(LocalPath(name));
        named_ = true;
    } catch (const ScrivletError& e) {
        MessageBox::Error(this, QString::fromStdString(e.what()));
    }
    ShowFile();
}

bool TContentsBox::FileSave() {
    return Save(false);
}

bool TContentsBox::FileSaveAs() {
    return SaveAs(false);
}

void TContentsBox::AddItem() {
    const int selection = Selection();
    if (const auto line = EditEntry(std::string(), true)) {
        Apply(InsertEntry(file_, selection, *line));
    }
}

void TContentsBox::EditItem() {
    const int selection = Selection();
    if (selection < 0 || selection >= file_.Count()) {
        return;
    }
    if (const auto line = EditEntry(file_.EntryLines[static_cast<std::size_t>(selection)], false)) {
        Apply(ReplaceEntry(file_, selection, *line));
    }
}

void TContentsBox::DeleteItem() {
    Apply(DeleteEntry(file_, Selection()));
}

void TContentsBox::MoveUpItem() {
    Apply(MoveUp(file_, Selection()));
}

void TContentsBox::MoveDownItem() {
    Apply(MoveDown(file_, Selection()));
}

void TContentsBox::MoveLeftItem() {
    Apply(MoveLeft(file_, Selection()));
}

void TContentsBox::MoveRightItem() {
    Apply(MoveRight(file_, Selection()));
}

void TContentsBox::IndexBtnClick() {
    TIndexBox box(file_.IndexLines, this);
    if (box.exec() == QDialog::Accepted) {
        file_.IndexLines = box.Lines();
        file_.CntModified = true;
    }
}

void TContentsBox::LinkBtnClick() {
    TCLinkBox box(file_.LinkLines, file_.IndexLines, this);
    if (box.exec() == QDialog::Accepted) {
        file_.LinkLines = box.Lines();
        file_.CntModified = true;
    }
}

void TContentsBox::TabsBtnClick() {
    TTabBox box(file_.TabLines, this);
    if (box.exec() == QDialog::Accepted) {
        file_.TabLines = box.Lines();
        file_.CntModified = true;
    }
}

void TContentsBox::cntlistTopicDrop(int target) {
    const int topic = TopicsList->currentRow();
    if (topic < 0 || topic >= titles_.size()) {
        return;
    }
    Apply(DropTopic(file_, target, ToAnsi(titles_[topic]), ToAnsi(contexts_[topic])));
}

void TContentsBox::cntlistEntryDrop(int source, int target) {
    Apply(DropEntry(file_, source, target));
}

void TContentsBox::done(int result) {
    if (!SavePrompt(true)) {
        return;
    }
    QDialog::done(result);
}

void TContentsBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    file_.CntModified = false;
}

}  // namespace scrivlet::app
