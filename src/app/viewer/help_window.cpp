#include "app/viewer/help_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/common/message_box.h"
#include "app/viewer/find_bar.h"
#include "app/viewer/popup_window.h"
#include "app/viewer/topic_chooser.h"
#include "app/viewer/topic_renderer.h"
#include "app/viewer/topic_view.h"
#include "help/help_lookup.h"
#include "help/hlp/hlp_reader.h"
#include "help/viewer_browse.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

bool SameName(const std::string& a, const std::string& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

const help::WindowDefinition* Definition(const help::HelpDocument& document,
                                         const std::string& name) {
    for (const help::WindowDefinition& definition : document.project.windows) {
        if (SameName(definition.name, name)) {
            return &definition;
        }
    }
    return nullptr;
}

QColor RgbColor(uint32_t rgb) {
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

// The hotspot an anchor of a rendered topic stands for; a button runs its
// macro like a macro hotspot.
std::optional<help::Hotspot> HotspotOfAnchor(const QString& anchor,
                                             const help::HelpDocument& document, int topic,
                                             const std::vector<std::string>& buttonMacros) {
    const QStringList parts = anchor.split(QLatin1Char(':'));
    if (parts.size() < 2 || topic < 0 ||
        static_cast<std::size_t>(topic) >= document.help.topics.size()) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(parts[1].toInt());
    const help::Topic& source = document.help.topics[static_cast<std::size_t>(topic)];
    if (parts[0] == QLatin1String("hotspot") && index < source.hotspots.size()) {
        return source.hotspots[index];
    }
    if (parts[0] == QLatin1String("button") && index < buttonMacros.size()) {
        help::Hotspot macro;
        macro.kind = help::HotspotKind::Macro;
        macro.target = buttonMacros[index];
        return macro;
    }
    if (parts[0] == QLatin1String("picture") && parts.size() == 3 &&
        index < document.pictures.size()) {
        const auto spot = static_cast<std::size_t>(parts[2].toInt());
        if (spot < document.pictures[index].hotspots.size()) {
            return document.pictures[index].hotspots[spot].action;
        }
    }
    return std::nullopt;
}

HelpTarget TargetOfHotspot(const help::Hotspot& hotspot) {
    HelpTarget target;
    if (!hotspot.target.empty()) {
        target.by = HelpTarget::By::Context;
        target.text = hotspot.target;
    } else {
        target.by = HelpTarget::By::Hash;
        target.number = hotspot.targetHash;
    }
    return target;
}

}  // namespace

HelpWindow::HelpWindow(std::shared_ptr<HelpLibrary> library, std::string windowName,
                       QWidget* parent)
    : QMainWindow(parent), library_(std::move(library)), windowName_(std::move(windowName)) {
    setObjectName(QString::fromStdString("HelpWindow_" + windowName_));
    if (parent) {
        setWindowFlag(Qt::Window);
    }
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    fixed_ = new TopicView(central);
    fixed_->setObjectName("FixedRegion");
    fixed_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixed_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixed_->viewport()->installEventFilter(this);
    auto* rule = new QFrame(central);
    rule->setObjectName("FixedRule");
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    scrolling_ = new TopicView(central);
    scrolling_->setObjectName("ScrollingRegion");
    findBar_ = new FindBar(central);
    findBar_->hide();
    layout->addWidget(fixed_);
    layout->addWidget(rule);
    layout->addWidget(scrolling_, 1);
    layout->addWidget(findBar_);
    setCentralWidget(central);
    fixed_->hide();
    rule->hide();

    popup_ = new PopupWindow(this);
    popup_->hide();
    connect(popup_, &PopupWindow::anchorActivated, this, &HelpWindow::ActivatePopupAnchor);
    for (TopicView* view : {fixed_, scrolling_}) {
        connect(view, &TopicView::anchorActivated, this, &HelpWindow::ActivateAnchor);
    }
    connect(findBar_, &FindBar::notFound, this,
            [this](const QString& text) { StatusMessage(FindBar::NotFoundMessage(text)); });
    findBar_->SetViews(scrolling_, fixed_);

    BuildMenus();
    BuildButtons();
    statusBar();
    if (parent) {
        menuBar()->hide();
        buttons_->hide();
    }
    resize(640, 560);
    UpdateCommands();
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::BuildMenus() {
    auto add = [this](QMenu* menu, const QString& text, const QList<QKeySequence>& keys,
                      void (HelpWindow::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* fileMenu = menuBar()->addMenu("&File");
    add(fileMenu, "&Open...", {QKeySequence::Open}, &HelpWindow::OpenFileDialog);
    add(fileMenu, "&Print Topic...", {QKeySequence::Print}, &HelpWindow::PrintTopic);
    fileMenu->addSeparator();
    QAction* exit = fileMenu->addAction("E&xit");
    connect(exit, &QAction::triggered, this, &QWidget::close);
    QMenu* edit = menuBar()->addMenu("&Edit");
    add(edit, "&Copy", {QKeySequence::Copy}, &HelpWindow::CopyTopic);
    add(edit, "&Find in Topic...", {QKeySequence::Find}, &HelpWindow::FindInTopic);
    QMenu* view = menuBar()->addMenu("&View");
    add(view, "Zoom &In",
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        &HelpWindow::ZoomIn);
    add(view, "Zoom &Out", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &HelpWindow::ZoomOut);
    QMenu* go = menuBar()->addMenu("&Go");
    QAction* topics = go->addAction("Help &Topics");
    connect(topics, &QAction::triggered, this, [this] { ShowHelpTopics(0); });
    add(go, "&Back", {QKeySequence(Qt::ALT | Qt::Key_Left)}, &HelpWindow::GoBack);
    add(go, "&History", {}, &HelpWindow::ShowHistory);
    add(go, "&Previous Topic", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left)},
        &HelpWindow::BrowsePrevious);
    add(go, "&Next Topic", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Right)},
        &HelpWindow::BrowseNext);
}

void HelpWindow::BuildButtons() {
    buttons_ = addToolBar("Buttons");
    buttons_->setObjectName("ButtonBar");
    buttons_->setMovable(false);
    buttons_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto add = [this](const QString& id, const QString& text, auto handler) {
        QAction* action = buttons_->addAction(text);
        action->setObjectName(id);
        connect(action, &QAction::triggered, this, handler);
        buttonsById_[id] = action;
        return action;
    };
    add("BTN_CONTENTS", "Help &Topics", [this] { ShowHelpTopics(0); });
    add("BTN_BACK", "&Back", [this] { GoBack(); });
    add("BTN_HISTORY", "H&istory", [this] { ShowHistory(); });
    add("BTN_PRINT", "&Print", [this] { PrintTopic(); });
    add("BTN_PREV", "<<", [this] { BrowsePrevious(); })->setVisible(false);
    add("BTN_NEXT", ">>", [this] { BrowseNext(); })->setVisible(false);
}

QAction* HelpWindow::Button(const QString& id) const {
    const auto it = buttonsById_.find(id.toUpper());
    return it == buttonsById_.end() ? nullptr : it->second;
}

void HelpWindow::ShowBrowseButtons() {
    Button("BTN_PREV")->setVisible(true);
    Button("BTN_NEXT")->setVisible(true);
}

void HelpWindow::AddButton(const QString& id, const QString& caption, const std::string& macro) {
    const QString key = id.toUpper();
    QAction* action = Button(key);
    if (!action) {
        action = buttons_->addAction(caption);
        action->setObjectName(key);
        buttonsById_[key] = action;
    } else {
        action->disconnect(this);
        action->setText(caption);
    }
    connect(action, &QAction::triggered, this, [this, macro] { RunMacro(macro); });
}

void HelpWindow::SetButtonEnabled(const QString& id, bool enabled) {
    const QString key = id.toUpper();
    if (enabled) {
        disabled_.erase(key);
    } else {
        disabled_.insert(key);
    }
    UpdateCommands();
}

void HelpWindow::StatusMessage(const QString& text) {
    statusBar()->showMessage(text);
}

QString HelpWindow::StatusText() const {
    return statusBar()->currentMessage();
}

QString HelpWindow::MissingTopicMessage(const HelpTarget& target) {
    switch (target.by) {
        case HelpTarget::By::Context:
            return QStringLiteral("No topic has the context string \"%1\".")
                .arg(FromAnsi(target.text));
        case HelpTarget::By::MapNumber:
            return QStringLiteral("No topic has the map number %1.").arg(target.number);
        case HelpTarget::By::Keyword:
            return QStringLiteral("No topic has the keyword \"%1\".").arg(FromAnsi(target.text));
        case HelpTarget::By::Hash:
        case HelpTarget::By::Contents:
            break;
    }
    return QStringLiteral("The topic this hotspot leads to is not in the help file.");
}

bool HelpWindow::OpenFile(const QString& path, const HelpTarget& target) {
    std::shared_ptr<OpenHelpFile> file;
    try {
        file = library_->Open(path);
    } catch (const help::HelpFileError& e) {
        MessageBox::Error(this, FromAnsi(e.what()));
        return false;
    }
    SetFile(file);
    ShowRequested(file, target);
    return true;
}

std::shared_ptr<OpenHelpFile> HelpWindow::FileNamed(const std::string& name) {
    if (name.empty() && file_) {
        return file_;
    }
    const QString path = file_ ? HelpLibrary::Resolve(file_->path, name) : FromAnsi(name);
    try {
        return library_->Open(path);
    } catch (const help::HelpFileError& e) {
        MessageBox::Error(this, FromAnsi(e.what()));
        return nullptr;
    }
}

void HelpWindow::SetFile(std::shared_ptr<OpenHelpFile> file) {
    if (file_ == file) {
        return;
    }
    file_ = std::move(file);
    ApplyWindowDefinition(!placed_);
    placed_ = true;
    for (const help::ConfigMacro& config : file_->document.project.config) {
        const bool mine = windowName_ == "main"
                              ? config.window.empty() || SameName(config.window, "main")
                              : SameName(config.window, windowName_);
        if (mine) {
            RunMacro(config.macro);
        }
    }
}

void HelpWindow::ApplyWindowDefinition(bool placeWindow) {
    const help::HelpDocument& document = file_->document;
    const help::WindowDefinition* definition = Definition(document, windowName_);
    QString caption;
    if (definition && !definition->caption.empty()) {
        caption = FromAnsi(definition->caption);
    } else if (!document.project.title.text.empty()) {
        caption = FromAnsi(document.project.title.text);
    } else {
        caption = QFileInfo(file_->path).fileName();
    }
    setWindowTitle(caption);
    scrollColor_ = definition && definition->scrollColor ? RgbColor(*definition->scrollColor)
                                                         : palette().color(QPalette::Base);
    fixedColor_ =
        definition && definition->fixedColor ? RgbColor(*definition->fixedColor) : scrollColor_;
    for (auto [view, colour] :
         {std::pair{scrolling_, scrollColor_}, std::pair{fixed_, fixedColor_}}) {
        QPalette colours = view->palette();
        colours.setColor(QPalette::Base, colour);
        view->setPalette(colours);
    }
    if (placeWindow && definition && definition->x && definition->y && definition->width &&
        definition->height) {
        // Window definitions count in 1/1024 of the screen.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        auto scale = [](int32_t units, int length) {
            return static_cast<int>(static_cast<int64_t>(std::clamp(units, 0, 1023)) * length /
                                    1024);
        };
        const int w = std::max(240, scale(*definition->width, area.width()));
        const int h = std::max(180, scale(*definition->height, area.height()));
        setGeometry(area.left() + scale(*definition->x, area.width()),
                    area.top() + scale(*definition->y, area.height()), w, h);
    }
}

int HelpWindow::FindTarget(const HelpTarget& target) {
    const help::HelpDocument& document = file_->document;
    switch (target.by) {
        case HelpTarget::By::Contents:
            return help::ContentsTopic(document);
        case HelpTarget::By::Context:
            return help::FindTopicByContext(document.help, target.text);
        case HelpTarget::By::Hash:
            return help::FindTopicByHash(document.help, target.number);
        case HelpTarget::By::MapNumber:
            return help::FindTopicByMapNumber(document, target.number);
        case HelpTarget::By::Keyword: {
            const std::vector<int> topics = help::FindTopicsByKeyword(document.help, target.text);
            if (topics.size() <= 1) {
                return topics.empty() ? -1 : topics.front();
            }
            return ChooseTopic(this, document.help, topics);
        }
    }
    return -1;
}

void HelpWindow::ShowRequested(const std::shared_ptr<OpenHelpFile>& file,
                               const HelpTarget& target) {
    const int topic = FindTarget(target);
    if (topic == kChooserCancelled) {
        if (topic_ < 0) {
            ShowTopic(help::ContentsTopic(file->document));
        }
        return;
    }
    if (topic < 0) {
        if (topic_ < 0 || file_ != file) {
            ShowTopic(help::ContentsTopic(file->document));
        }
        StatusMessage(MissingTopicMessage(target));
        return;
    }
    ShowTopic(topic);
}

void HelpWindow::ShowTopic(int topic, bool remember) {
    if (!file_) {
        return;
    }
    popup_->close();
    topic_ = topic;
    Render();
    const auto& topics = file_->document.help.topics;
    const bool valid = topic >= 0 && static_cast<std::size_t>(topic) < topics.size();
    if (remember && valid) {
        history_.Visit(
            {file_->path.toStdString(), topic, topics[static_cast<std::size_t>(topic)].title});
    }
    UpdateCommands();
    if (valid) {
        // A macro may jump elsewhere: run a copy.
        const std::vector<std::string> macros = topics[static_cast<std::size_t>(topic)].entryMacros;
        for (const std::string& macro : macros) {
            RunMacro(macro);
        }
    }
}

void HelpWindow::Render() {
    RenderOptions options;
    options.zoom = zoom_;
    RenderedTopic rendered = RenderTopic(file_->document, topic_, options);
    buttonMacros_ = std::move(rendered.buttonMacros);
    QWidget* rule = centralWidget()->findChild<QFrame*>("FixedRule");
    if (rendered.fixed) {
        fixed_->SetTopicDocument(std::move(rendered.fixed), &file_->document, zoom_);
        fixed_->show();
        rule->show();
        FitFixedRegion();
    } else {
        fixed_->SetTopicDocument(std::make_unique<QTextDocument>(), &file_->document, zoom_);
        fixed_->hide();
        rule->hide();
    }
    scrolling_->SetTopicDocument(std::move(rendered.scrolling), &file_->document, zoom_);
}

void HelpWindow::FitFixedRegion() {
    if (fixed_->isHidden()) {
        return;
    }
    const int height = std::min(fixed_->ContentHeight(), std::max(40, this->height() / 2));
    fixed_->setFixedHeight(height);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fixed_->viewport() && event->type() == QEvent::Resize) {
        FitFixedRegion();
    }
    return QMainWindow::eventFilter(watched, event);
}

void HelpWindow::UpdateCommands() {
    auto enable = [this](const QString& id, bool on) {
        if (QAction* action = Button(id)) {
            action->setEnabled(on && disabled_.count(id) == 0);
        }
    };
    const bool open = file_ && topic_ >= 0;
    enable("BTN_BACK", history_.CanGoBack());
    enable("BTN_PREV", open && help::BrowseNeighbour(file_->document.help, topic_, false) >= 0);
    enable("BTN_NEXT", open && help::BrowseNeighbour(file_->document.help, topic_, true) >= 0);
    for (const auto& [id, action] : buttonsById_) {
        if (id != "BTN_BACK" && id != "BTN_PREV" && id != "BTN_NEXT") {
            action->setEnabled(disabled_.count(id) == 0);
        }
    }
}

HelpWindow* HelpWindow::SecondaryWindow(const std::string& name) const {
    for (const auto& [key, window] : secondary_) {
        if (SameName(key, name)) {
            return window;
        }
    }
    return nullptr;
}

HelpWindow* HelpWindow::WindowFor(const std::string& window) {
    if (window.empty() || SameName(window, windowName_)) {
        return this;
    }
    if (owner_) {
        return owner_->WindowFor(window);
    }
    if (HelpWindow* existing = SecondaryWindow(window)) {
        return existing;
    }
    auto* created = new HelpWindow(library_, window, this);
    created->owner_ = this;
    created->setAttribute(Qt::WA_DeleteOnClose);
    secondary_[window] = created;
    return created;
}

void HelpWindow::Jump(const std::string& file, const std::string& window,
                      const HelpTarget& target) {
    const std::shared_ptr<OpenHelpFile> into = FileNamed(file);
    if (!into) {
        return;
    }
    HelpWindow* shown = WindowFor(window);
    shown->SetFile(into);
    shown->ShowRequested(into, target);
    if (shown != this) {
        shown->show();
        shown->raise();
    }
}

void HelpWindow::Popup(const std::string& file, const HelpTarget& target,
                       const QPoint& globalPoint) {
    const std::shared_ptr<OpenHelpFile> from = FileNamed(file);
    if (!from) {
        return;
    }
    const help::HelpDocument& document = from->document;
    int topic = -1;
    switch (target.by) {
        case HelpTarget::By::Context:
            topic = help::FindTopicByContext(document.help, target.text);
            break;
        case HelpTarget::By::Hash:
            topic = help::FindTopicByHash(document.help, target.number);
            break;
        case HelpTarget::By::MapNumber:
            topic = help::FindTopicByMapNumber(document, target.number);
            break;
        default:
            break;
    }
    if (topic < 0) {
        StatusMessage(MissingTopicMessage(target));
        return;
    }
    popupFile_ = from;
    popup_->ShowTopic(document, topic, zoom_, scrollColor_, globalPoint);
}

void HelpWindow::FollowHotspot(const help::Hotspot& hotspot, const QPoint& globalPoint) {
    switch (hotspot.kind) {
        case help::HotspotKind::Macro:
            RunMacro(hotspot.target);
            break;
        case help::HotspotKind::Popup:
            Popup(hotspot.file, TargetOfHotspot(hotspot), globalPoint);
            break;
        case help::HotspotKind::Jump:
            Jump(hotspot.file, hotspot.window, TargetOfHotspot(hotspot));
            break;
    }
}

void HelpWindow::ActivateAnchor(const QString& anchor, const QPoint& globalPoint) {
    if (!file_) {
        return;
    }
    if (const auto hotspot = HotspotOfAnchor(anchor, file_->document, topic_, buttonMacros_)) {
        FollowHotspot(*hotspot, globalPoint);
    }
}

void HelpWindow::ActivatePopupAnchor(const QString& anchor, const QPoint& globalPoint) {
    if (!popupFile_) {
        return;
    }
    // A copy: following the hotspot may replace the pop-up's file.
    const std::shared_ptr<OpenHelpFile> from = popupFile_;
    const auto hotspot =
        HotspotOfAnchor(anchor, from->document, popup_->Topic(), popup_->ButtonMacros());
    if (!hotspot) {
        return;
    }
    if (hotspot->kind != help::HotspotKind::Popup) {
        popup_->close();
    }
    // Names in the pop-up's topic are those of its own help file.
    help::Hotspot resolved = *hotspot;
    if (resolved.file.empty() && from != file_) {
        resolved.file = from->path.toStdString();
    }
    FollowHotspot(resolved, globalPoint);
}

bool HelpWindow::CloseNamedWindow(const std::string& name) {
    if (name.empty() || SameName(name, windowName_)) {
        close();
        return true;
    }
    if (owner_) {
        return owner_->CloseNamedWindow(name);
    }
    if (HelpWindow* window = SecondaryWindow(name)) {
        window->close();
        return true;
    }
    return false;
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    popup_->close();
    for (auto& [name, window] : secondary_) {
        if (window) {
            window->close();
        }
    }
    QMainWindow::closeEvent(event);
}

}  // namespace scrivlet::app
