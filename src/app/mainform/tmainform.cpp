#include "app/mainform/tmainform.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/build/build_commands.h"
#include "app/common/long_task.h"
#include "app/contents/contents_commands.h"
#include "app/editor/edit_menu_state.h"
#include "app/editor/editor_commands.h"
#include "app/editor/ruler_widget.h"
#include "app/editor/tsrichedit.h"
#include "app/help/context_help.h"
#include "app/import/import_hookup.h"
#include "app/mainform/about_box.h"
#include "app/mainform/action_icons.h"
#include "app/mainform/preferences_store.h"
#include "app/mainform/project_commands.h"
#include "app/mainform/toolbar_layout.h"
#include "app/mainform/topic_commands.h"
#include "app/markup/markup_hookup.h"
#include "app/navigator/navigator_hookup.h"
#include "app/options/options_command.h"
#include "app/publish/preview_pane.h"
#include "app/publish/publish_controller.h"
#include "app/recovery/recovery_keeper.h"
#include "app/report/report_commands.h"
#include "app/search/search_hookup.h"
#include "app/spelling/spell_commands.h"
#include "app/topics/grid_font.h"
#include "app/topics/property_grid.h"
#include "app/topics/topic_grid_model.h"
#include "app/topics/topic_grid_view.h"
#include "app/undo/project_undo.h"
#include "app/windows/project_settings_commands.h"
#include "core/tools/tool_list.h"
#include "core/topics/recent_files.h"

namespace scrivlet::app {
namespace {

constexpr int kEditorTextLimit = 200000;

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), actions_(this) {
    setObjectName("MainForm");
    setMinimumSize(340, 200);
    menus_ = BuildMainMenus(*this, actions_);
    toolbars_ = BuildMainToolbars(*this, actions_);
    // The window starts with an empty topic list and empty project lists;
    // FormShow makes the first project.
    project_.Reset();
    project_.ConfigMacros.clear();
    project_.AddModifiedListener([this](bool value) { Action("SaveBtn")->setEnabled(value); });

    BuildLayout();
    BuildStatusBar();
    BuildGridPopup();
    projectCommands_ = new ProjectCommands(*this);
    topicCommands_ = new TopicCommands(*this);
    undo_ = new ProjectUndo(*this);
    recovery_ = new RecoveryKeeper(*this);
    ConnectCommands();
    ConnectViewItems();

    prefs_ = preferences_store::ReadSettings();
    ApplyPreferences();
    RestoreToolbarLayout(*this, toolbars_.all);
    SyncToolbarItems();
    tools_ = preferences_store::ReadTools();
    BuildToolsMenu();

    recent_.Load(preferences_store::ReadRecentFiles());
    RebuildRecentMenu();
    projectCommands_->SetDialogFolder(
        recent_.Items().empty()
            ? QCoreApplication::applicationDirPath()
            : QFileInfo(QString::fromStdString(recent_.Items().front())).absolutePath());
    projectCommands_->SetFileName(kUntitled);
    SetModified(false);
    Action("PasteBtn")->setEnabled(!QApplication::clipboard()->text().isEmpty());
    about_ = new TAboutBox(this);
    HookMarkupCommands(*this);
    HookSearchCommands(*this);
    HookNavigator(*this);
    HookImportCommands(*this);
    ApplyActionIcons(actions_);
}

TMainForm::~TMainForm() {
    // Child widgets are destroyed after this class's members, and an open
    // in-place editor commits its text as it goes. The controllers go first
    // (their connections with them), then the client area while the project
    // still exists. Work on another thread reads the project: it ends first.
    longTask_->Stop();
    delete topicCommands_;
    topicCommands_ = nullptr;
    delete projectCommands_;
    projectCommands_ = nullptr;
    delete splitter_;
    splitter_ = nullptr;
}

QAction* TMainForm::Action(const QString& name) const {
    QAction* action = actions_.Get(name);
    Q_ASSERT_X(action, "TMainForm::Action", qPrintable(name));
    return action;
}

void TMainForm::BuildLayout() {
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName("GrabBar");
    splitter_->setHandleWidth(3);
    splitter_->setChildrenCollapsible(false);

    grid_ = new TopicGridView(splitter_);
    gridModel_ = new TopicGridModel(project_, this);
    grid_->SetGridModel(gridModel_);
    grid_->setMinimumWidth(1);

    notebook_ = new QTabWidget(splitter_);
    notebook_->setObjectName("Notebook");
    notebook_->setMinimumWidth(75);
    notebook_->setFocusPolicy(Qt::StrongFocus);
    auto* textPage = new QWidget(notebook_);
    textPage->setObjectName("TextPage");
    auto* textLayout = new QVBoxLayout(textPage);
    textLayout->setContentsMargins(0, 0, 0, 0);
    textLayout->setSpacing(0);
    partNotice_ = new QLabel(textPage);
    partNotice_->setObjectName("PartNotice");
    partNotice_->setWordWrap(true);
    partNotice_->setMargin(4);
    partNotice_->setStyleSheet("QLabel { background: #fff3c4; color: black; }");
    partNotice_->hide();
    ruler_ = new TRuler(textPage);
    richEdit_ = new TSRichEdit(textPage);
    textLayout->addWidget(partNotice_);
    textLayout->addWidget(ruler_);
    textLayout->addWidget(richEdit_);
    notebook_->addTab(textPage, "Text");
    grid2_ = new PropertyGrid(notebook_);
    notebook_->addTab(grid2_, "Prop");

    splitter_->addWidget(grid_);
    splitter_->addWidget(notebook_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);
}

void TMainForm::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("Statusbar0");
    bar->setSizeGripEnabled(true);
    const int widths[3] = {60, 80, 120};
    const char* const texts[3] = {"0: 0", "comment", "Scrivlet"};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(texts[i], bar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i == 0) {
            panel->setAlignment(Qt::AlignCenter);
        }
        if (i < 2) {
            panel->setFixedWidth(widths[i]);
            bar->addWidget(panel);
        } else {
            panel->setMinimumWidth(widths[i]);
            bar->addWidget(panel, 1);
        }
        panels_[i] = panel;
    }
    longTask_ = new LongTask(*this);
    longTask_->KeepEnabled(QStringLiteral("ErrorLog1"));
}

void TMainForm::BuildGridPopup() {
    gridPopup_ = new QMenu(this);
    gridPopup_->setObjectName("PopupMenu1");
    QAction* open = actions_.Add("PopOpen", "&Open");
    QFont bold = open->font();
    bold.setBold(true);
    open->setFont(bold);  // the popup's default item
    gridPopup_->addAction(open);
    gridPopup_->addSeparator();
    gridPopup_->addAction(actions_.Add("PopDelete", "&Delete"));
    gridPopup_->addAction(actions_.Add("PopAdd", "&Add"));
    gridPopup_->addSeparator();
    gridPopup_->addAction(actions_.Add("PopLink", "&Link", {}, "Standard Link"));
    gridPopup_->addAction(actions_.Add("PopPopupLink", "Pop&up Link", {}, "Standard Popup Link"));
    gridPopup_->addAction(actions_.Add("PopSpecialLink", "&Special Link...", {}, "Special Link"));
    gridPopup_->addSeparator();
    gridPopup_->addAction(actions_.Add("PopProperties", "&Properties..."));
    grid_->SetPopup(gridPopup_);
}

void TMainForm::ApplyPreferences() {
    move(prefs_.Left, prefs_.Top);
    resize(prefs_.Width, prefs_.Height);
    if (prefs_.Maximized()) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    splitter_->setSizes({prefs_.GrabLeft, std::max(75, prefs_.Width - prefs_.GrabLeft)});
    ApplyGridFont(QString::fromStdString(prefs_.gfont), prefs_.gsize);
    grid_->setColumnWidth(0, prefs_.Col0);
    grid_->setColumnWidth(1, prefs_.Col1);
    grid_->setColumnWidth(2, prefs_.Col2);
    grid_->setColumnWidth(3, 75);
    statusBar()->setVisible(prefs_.Status);
    Action("ViewStatusBar")->setChecked(prefs_.Status);
    ruler_->setVisible(prefs_.Ruler);
    Action("ViewRuler")->setChecked(prefs_.Ruler);
}

void TMainForm::ApplyGridFont(const QString& name, int size) {
    scrivlet::app::ApplyGridFont(*grid_, *grid2_, name, size);
}

void TMainForm::ConnectCommands() {
    ProjectCommands* p = projectCommands_;
    TopicCommands* t = topicCommands_;
    auto on = [this](const char* name, auto slot) {
        connect(Action(name), &QAction::triggered, this, slot);
    };
    on("FileNew", [p] { p->New(); });
    on("NewBtn", [p] { p->New(); });
    on("FileOpen", [p] { p->Open(); });
    on("OpenBtn", [p] { p->Open(); });
    on("FileSave", [p] { p->Save(); });
    on("SaveBtn", [p] { p->Save(); });
    on("FileSaveAs", [p] { p->SaveAs(); });
    on("FileExit", [this] { close(); });

    on("TopicAdd", [t] { t->AddTopic(); });
    on("AddBtn", [t] { t->AddTopic(); });
    on("PopAdd", [t] { t->AddTopic(); });
    on("TopicRemove", [t] { t->RemoveCurrentTopic(); });
    on("RemoveBtn", [t] { t->RemoveCurrentTopic(); });
    on("PopDelete", [this, t] { t->DeleteTopic(grid_->SelectedTopic()); });
    on("PopOpen", [this, t] { t->OpenTopic(grid_->SelectedTopic()); });
    on("PopProperties", [this, t] { t->EditProperties(grid_->SelectedTopic()); });
    on("SortById", [t] { t->Sort(TopicSortKey::ById); });
    on("SortByTitle", [t] { t->Sort(TopicSortKey::ByTitle); });
    on("FirstBtn", [t] { t->Navigate(NavigationStep::First); });
    on("PrevBtn", [t] { t->Navigate(NavigationStep::Previous); });
    on("NextBtn", [t] { t->Navigate(NavigationStep::Next); });
    on("LastBtn", [t] { t->Navigate(NavigationStep::Last); });
    on("HelpAbout", [this] { about_->exec(); });
    ConnectProjectSettingsCommands(this, project_, {Action("Windows1"), Action("WindowsBtn")},
                                   {Action("Options1"), Action("OptionsBtn")},
                                   [this](const QString& name, const ProjectSettings& before) {
                                       undo_->SettingsChanged(before, name);
                                   });
    ConnectContentsEditor(this, project_, {Action("ContentsEditor1"), Action("ContentsBtn")});
    ConnectReport(this, project_, {Action("Report1")});
    InstallBuildCommands(*this);
    InstallContextHelp(*this);
    InstallPublishCommands(*this);
    InstallPreviewPane(*this);
    on("Options2", [this] { Options2Click(*this); });

    connect(grid_, &TopicGridView::sortRequested, this,
            [t](int key) { t->Sort(static_cast<TopicSortKey>(key)); });
    connect(grid_, &TopicGridView::fixedCellClicked, this, [this, t](int row) {
        notebook_->setFocus();
        grid_->SelectTopicCell(row);
        t->OpenTopic(row);
    });
    connect(gridModel_, &TopicGridModel::cellEdited, t, &TopicCommands::GridSetEditText);
    connect(grid2_, &PropertyGrid::valueEdited, t, &TopicCommands::PropertyEdited);
    connect(richEdit_, &QTextEdit::textChanged, this, &TMainForm::RichEdit1Change);
    connect(richEdit_, &QTextEdit::cursorPositionChanged, this, &TMainForm::SelectionChange);
    InstallEditorCommands(*this);
    KeepEditMenuInStep(*this);
    InstallSpelling(*this);
}

void TMainForm::ConnectViewItems() {
    static const char* const kItems[] = {"ViewMainTbar",  "ViewProjectTbar", "ViewStyleTbar",
                                         "ViewTextTbar",  "ViewFontTbar",    "ViewHelpTbar",
                                         "ViewTopicTbar", "ViewNavTbar"};
    for (int i = 0; i < toolbars_.all.size(); ++i) {
        QToolBar* bar = toolbars_.all[i];
        QAction* item = Action(kItems[i]);
        connect(item, &QAction::triggered, this, [this, bar](bool on) {
            bar->setVisible(on);
            SyncToolbarItems();
        });
        connect(bar->toggleViewAction(), &QAction::toggled, item, &QAction::setChecked);
    }
    connect(Action("ViewRuler"), &QAction::triggered, this, [this](bool on) {
        ruler_->setVisible(on);
        richEdit_->ApplyTextMargins();
    });
    connect(Action("ViewStatusBar"), &QAction::triggered, this,
            [this](bool on) { statusBar()->setVisible(on); });

    // The "Topic Properties" toggle and the notebook follow each other.
    connect(Action("PropBtn"), &QAction::toggled, this, &TMainForm::SetPropertiesPage);
    connect(Action("TopicProperties"), &QAction::triggered, this,
            [this] { Action("PropBtn")->toggle(); });
    connect(notebook_, &QTabWidget::currentChanged, this, [this](int page) {
        Action("PropBtn")->setChecked(page == 1);
        Action("TopicProperties")->setText(page == 1 ? "&Text" : "&Properties");
        if (page == 1) {
            grid2_->FitColumns();
        }
    });
}

void TMainForm::SyncToolbarItems() {
    for (QAction* item : menus_.toolbars->actions()) {
        const QString name = item->objectName().mid(4);  // "ViewMainTbar" -> "MainTbar"
        for (QToolBar* bar : toolbars_.all) {
            if (bar->objectName() == name) {
                item->setChecked(!bar->isHidden());
            }
        }
    }
}

int TMainForm::GrabLeft() const {
    // Until the window is laid out the splitter only knows proportions.
    return firstLaidOut_ ? splitter_->sizes().value(0, prefs_.GrabLeft) : prefs_.GrabLeft;
}

void TMainForm::SetPropertiesPage(bool on) {
    notebook_->setCurrentIndex(on ? 1 : 0);
}

QMenu* TMainForm::createPopupMenu() {
    auto* menu = new QMenu(this);
    for (QAction* item : menus_.toolbars->actions()) {
        menu->addAction(item);
    }
    return menu;
}

bool TMainForm::StoreBack(bool withProperties) {
    // Work on the long-task thread reads the topics: nothing is written into
    // them meanwhile, and whatever asks (a timer's check, say) is abandoned.
    if (longTask_->Running()) {
        return false;
    }
    return topicCommands_->StoreBack(withProperties);
}

void TMainForm::ShowTopic(int index) {
    topicCommands_->ShowTopic(index);
}

void TMainForm::FillTopicGrid(bool showFirst) {
    topicCommands_->FillTopicGrid(showFirst);
}

void TMainForm::SetModified(bool value) {
    project_.SetModified(value);
}

bool TMainForm::AskSaveChanges() {
    return projectCommands_->AskSaveChanges();
}

void TMainForm::SetEditorHoldsPart(bool value, const QString& notice) {
    editorHoldsPart_ = value;
    richEdit_->setReadOnly(value);
    partNotice_->setText(notice);
    partNotice_->setVisible(value);
}

void TMainForm::RichEdit1Change() {
    // A text read in part is never an edit: written back, it would cut the
    // topic short.
    if (loadingText_ || editorHoldsPart_) {
        return;
    }
    editorChanged_ = true;
    SetModified(true);
}

void TMainForm::SelectionChange() {
    if (auto* editor = findChild<EditorCommands*>({}, Qt::FindDirectChildrenOnly)) {
        editor->SelectionChange();
        return;
    }
    panels_[0]->setText(
        QStringLiteral("%1: %2").arg(richEdit_->CaretLine()).arg(richEdit_->CaretColumn()));
}

void TMainForm::LogLine(const QString& line) {
    logLines_.append(line);
    if (logSink_) {
        logSink_(line);
    }
}

void TMainForm::BuildToolsMenu() {
    for (QAction* item : toolItems_) {
        menus_.tools->removeAction(item);
        delete item;
    }
    toolItems_.clear();
    const QList<QAction*> fixed = menus_.tools->actions();
    for (int i = kFixedToolsItems; i < fixed.size(); ++i) {
        menus_.tools->removeAction(fixed[i]);
    }
    if (tools_.empty()) {
        return;
    }
    toolItems_.append(menus_.tools->addSeparator());
    for (std::size_t i = 0; i < tools_.size(); ++i) {
        QAction* item = menus_.tools->addAction(QString::fromStdString(ToolCaption(tools_[i])));
        const int index = static_cast<int>(i);
        connect(item, &QAction::triggered, this, [this, index] { RunTool(index); });
        toolItems_.append(item);
    }
}

void TMainForm::RunTool(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= tools_.size()) {
        return;
    }
    const QString command =
        QString::fromStdString(ToolCommand(tools_[static_cast<std::size_t>(index)]));
    const QFileInfo info(command);
    if (info.isFile() && info.isExecutable()) {
        QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
    } else {
        QDesktopServices::openUrl(QUrl::fromUserInput(command));
    }
}

void TMainForm::RebuildRecentMenu() {
    for (QAction* item : recentItems_) {
        menus_.file->removeAction(item);
        delete item;
    }
    recentItems_.clear();
    const auto& files = recent_.Items();
    if (files.empty()) {
        return;
    }
    recentItems_.append(menus_.file->addSeparator());
    for (std::size_t i = 0; i < files.size(); ++i) {
        QAction* item =
            menus_.file->addAction(QString::fromStdString(RecentFileCaption(i, files[i])));
        item->setObjectName(QStringLiteral("Recent%1").arg(i));
        item->setStatusTip(QString::fromStdString(files[i]));
        const int index = static_cast<int>(i);
        connect(item, &QAction::triggered, this,
                [this, index] { projectCommands_->OpenRecent(index); });
        recentItems_.append(item);
    }
}

void TMainForm::FormShow() {
    if (firstShown_) {
        return;
    }
    firstShown_ = true;
    richEdit_->SetTextLimit(kEditorTextLimit);
    if (recovery_->OfferRestore()) {
        grid2_->FitColumns();
        return;
    }
    if (!startArgument_) {
        projectCommands_->New();
    } else {
        const QFileInfo info(*startArgument_);
        const QString path = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
        projectCommands_->ReadProject(path);
    }
    grid2_->FitColumns();
}

void TMainForm::SavePreferences() {
    SaveToolbarLayout(*this, toolbars_.all);
    const bool maximized = isMaximized();
    if (!maximized) {
        prefs_.Top = y();
        prefs_.Left = x();
        prefs_.Height = height();
        prefs_.Width = width();
    }
    prefs_.GrabLeft = GrabLeft();
    prefs_.Col0 = grid_->columnWidth(0);
    prefs_.Col1 = grid_->columnWidth(1);
    prefs_.Col2 = grid_->columnWidth(2);
    prefs_.Status = Action("ViewStatusBar")->isChecked();
    prefs_.Ruler = Action("ViewRuler")->isChecked();
    preferences_store::WriteSettings(prefs_, maximized, optionsConfirmed_);
    if (optionsConfirmed_) {
        preferences_store::WriteTools(tools_);
    }
    preferences_store::WriteRecentFiles(recent_.Items());
}

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        panels_[2]->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!firstLaidOut_) {
        firstLaidOut_ = true;
        splitter_->setSizes({prefs_.GrabLeft, std::max(75, width() - prefs_.GrabLeft)});
    }
    FormShow();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The work reads the project this window holds: it stops first.
    if (longTask_->Running()) {
        longTask_->Cancel();
        longTask_->CloseWhenDone();
        event->ignore();
        return;
    }
    if (!projectCommands_->AskSaveChanges()) {
        event->ignore();
        return;
    }
    SavePreferences();
    recovery_->Remove();
    event->accept();
}

}  // namespace scrivlet::app
