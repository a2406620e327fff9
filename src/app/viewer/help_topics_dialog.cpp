#include "app/viewer/help_topics_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <optional>

#include "app/viewer/topic_chooser.h"
#include "help/hlp/hlp_reader.h"
#include "help/viewer_contents.h"
#include "help/viewer_keywords.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

enum ItemRole { KindRole = Qt::UserRole, FileRole, ContextRole, WindowRole, MacroRole, TopicRole };

std::optional<std::string> ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QTreeWidgetItem* ItemOf(const help::ContentsNode& node, const QStyle* style) {
    auto* item = new QTreeWidgetItem({FromAnsi(node.title)});
    item->setData(0, KindRole, static_cast<int>(node.kind));
    switch (node.kind) {
        case help::ContentsNodeKind::Book:
            item->setIcon(0, style->standardIcon(QStyle::SP_DirClosedIcon));
            for (const help::ContentsNode& child : node.children) {
                item->addChild(ItemOf(child, style));
            }
            break;
        case help::ContentsNodeKind::Topic:
            item->setIcon(0, style->standardIcon(QStyle::SP_FileIcon));
            item->setData(0, FileRole, QString::fromStdString(node.file));
            item->setData(0, ContextRole, QString::fromStdString(node.context));
            item->setData(0, WindowRole, QString::fromStdString(node.window));
            break;
        case help::ContentsNodeKind::Macro:
            item->setIcon(0, style->standardIcon(QStyle::SP_FileIcon));
            item->setData(0, MacroRole, QString::fromStdString(node.macro));
            break;
    }
    return item;
}

}  // namespace

HelpTopicsDialog::HelpTopicsDialog(HelpLibrary& library, std::shared_ptr<OpenHelpFile> file,
                                   QWidget* parent)
    : QDialog(parent), library_(library), file_(std::move(file)) {
    setWindowTitle(QStringLiteral("Help Topics: %1")
                       .arg(parent ? parent->windowTitle() : QFileInfo(file_->path).fileName()));
    tabs_ = new QTabWidget(this);
    tabs_->addTab(BuildContentsTab(), "Contents");
    tabs_->addTab(BuildIndexTab(), "Index");
    tabs_->addTab(BuildFindTab(), "Find");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* display = buttons->button(QDialogButtonBox::Ok);
    display->setText("&Display");
    display->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &HelpTopicsDialog::Display);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    FillContents();
    FillIndex();
    resize(460, 480);
}

QString HelpTopicsDialog::FoundMessage(std::size_t count) {
    return count == 1 ? QStringLiteral("1 topic found")
                      : QStringLiteral("%1 topics found").arg(count);
}

QWidget* HelpTopicsDialog::BuildContentsTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("Click a book to open it, or a topic to display it.", page));
    contents_ = new QTreeWidget(page);
    contents_->setObjectName("ContentsTree");
    contents_->setHeaderHidden(true);
    connect(contents_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->childCount() == 0) {
            Display();
        }
    });
    auto icon = [this](QTreeWidgetItem* item, bool open) {
        if (item->childCount() == 0) {
            return;
        }
        item->setIcon(
            0, style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
    };
    connect(contents_, &QTreeWidget::itemExpanded, this,
            [icon](QTreeWidgetItem* item) { icon(item, true); });
    connect(contents_, &QTreeWidget::itemCollapsed, this,
            [icon](QTreeWidgetItem* item) { icon(item, false); });
    layout->addWidget(contents_);
    return page;
}

QWidget* HelpTopicsDialog::BuildIndexTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("Type the first letters of the keyword:", page));
    indexText_ = new QLineEdit(page);
    indexText_->setObjectName("IndexText");
    layout->addWidget(indexText_);
    layout->addWidget(new QLabel("Click a keyword, then click Display:", page));
    indexList_ = new QListWidget(page);
    indexList_->setObjectName("IndexList");
    layout->addWidget(indexList_);
    connect(indexText_, &QLineEdit::textEdited, this, &HelpTopicsDialog::TypeAhead);
    connect(indexList_, &QListWidget::itemDoubleClicked, this, [this] { Display(); });
    return page;
}

QWidget* HelpTopicsDialog::BuildFindTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("Type the words to find:", page));
    findText_ = new QLineEdit(page);
    findText_->setObjectName("FindText");
    layout->addWidget(findText_);
    layout->addWidget(new QLabel("Click a topic, then click Display:", page));
    findList_ = new QListWidget(page);
    findList_->setObjectName("FindList");
    layout->addWidget(findList_);
    findCount_ = new QLabel(page);
    layout->addWidget(findCount_);
    connect(findText_, &QLineEdit::textChanged, this, &HelpTopicsDialog::RunFind);
    connect(findList_, &QListWidget::itemDoubleClicked, this, [this] { Display(); });
    return page;
}

void HelpTopicsDialog::FillContents() {
    const QFileInfo info(file_->path);
    const QString cntPath =
        HelpLibrary::Resolve(file_->path, (info.completeBaseName() + ".cnt").toStdString());
    const QString cntFolderFile = cntPath;
    const help::ContentsTree tree =
        help::ReadContentsTree(cntPath.toStdString(), [&cntFolderFile](const std::string& name) {
            const QString path = QFileInfo(QString::fromStdString(name)).isAbsolute()
                                     ? QString::fromStdString(name)
                                     : HelpLibrary::Resolve(cntFolderFile, name);
            return ReadBytes(path);
        });
    links_ = tree.links;
    if (!tree.nodes.empty()) {
        for (const help::ContentsNode& node : tree.nodes) {
            contents_->addTopLevelItem(ItemOf(node, style()));
        }
        return;
    }
    // Without a contents file, every titled topic is a page.
    const auto& topics = file_->document.help.topics;
    for (std::size_t t = 0; t < topics.size(); ++t) {
        if (topics[t].title.empty()) {
            continue;
        }
        auto* item = new QTreeWidgetItem({FromAnsi(topics[t].title)});
        item->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
        item->setData(0, KindRole, static_cast<int>(help::ContentsNodeKind::Topic));
        item->setData(0, TopicRole, static_cast<int>(t));
        contents_->addTopLevelItem(item);
    }
}

void HelpTopicsDialog::FillIndex() {
    std::vector<std::shared_ptr<OpenHelpFile>> files = {file_};
    for (const std::string& link : links_) {
        try {
            auto linked = library_.Open(HelpLibrary::Resolve(file_->path, link));
            if (std::find(files.begin(), files.end(), linked) == files.end()) {
                files.push_back(linked);
            }
        } catch (const help::HelpFileError&) {
            // A linked file that cannot be read adds no keywords.
        }
    }
    std::map<std::string, IndexLine> lines;
    for (const auto& file : files) {
        for (const help::KeywordEntry& entry : file->Keywords()) {
            IndexLine& line = lines[help::FoldedKeyword(entry.keyword)];
            if (line.keyword.empty()) {
                line.keyword = entry.keyword;
            }
            for (const int topic : entry.topics) {
                line.topics.emplace_back(file, topic);
            }
        }
    }
    index_.clear();
    for (auto& [key, line] : lines) {
        indexList_->addItem(FromAnsi(line.keyword));
        index_.push_back(std::move(line));
    }
    if (!index_.empty()) {
        indexList_->setCurrentRow(0);
    }
}

void HelpTopicsDialog::TypeAhead(const QString& text) {
    const std::string typed = help::FoldedKeyword(ToAnsi(text));
    const auto it = std::lower_bound(index_.begin(), index_.end(), typed,
                                     [](const IndexLine& line, const std::string& key) {
                                         return help::FoldedKeyword(line.keyword) < key;
                                     });
    const int row = it == index_.end() ? static_cast<int>(index_.size()) - 1
                                       : static_cast<int>(it - index_.begin());
    if (row >= 0) {
        indexList_->setCurrentRow(row);
        indexList_->scrollToItem(indexList_->item(row), QAbstractItemView::PositionAtTop);
    }
}

void HelpTopicsDialog::RunFind() {
    findList_->clear();
    const std::string query = ToAnsi(findText_->text());
    const std::vector<help::SearchHit> hits = file_->FullText().Search(query);
    const auto& topics = file_->document.help.topics;
    for (const help::SearchHit& hit : hits) {
        const help::Topic& topic = topics[static_cast<std::size_t>(hit.topic)];
        auto* item = new QListWidgetItem(topic.title.empty() ? QStringLiteral("(untitled topic)")
                                                             : FromAnsi(topic.title));
        item->setData(TopicRole, hit.topic);
        findList_->addItem(item);
    }
    if (findList_->count() > 0) {
        findList_->setCurrentRow(0);
    }
    findCount_->setText(query.empty() ? QString() : FoundMessage(hits.size()));
}

void HelpTopicsDialog::Display() {
    bool chosen = false;
    switch (tabs_->currentIndex()) {
        case ContentsTab:
            chosen = DisplayContents();
            break;
        case IndexTab:
            chosen = DisplayIndex();
            break;
        case FindTab:
            chosen = DisplayFind();
            break;
        default:
            break;
    }
    if (chosen) {
        accept();
    }
}

bool HelpTopicsDialog::DisplayContents() {
    QTreeWidgetItem* item = contents_->currentItem();
    if (!item) {
        return false;
    }
    const auto kind = static_cast<help::ContentsNodeKind>(item->data(0, KindRole).toInt());
    chosen_ = Choice{};
    switch (kind) {
        case help::ContentsNodeKind::Book:
            item->setExpanded(!item->isExpanded());
            return false;
        case help::ContentsNodeKind::Macro:
            chosen_.macro = item->data(0, MacroRole).toString().toStdString();
            return true;
        case help::ContentsNodeKind::Topic:
            if (item->data(0, TopicRole).isValid()) {
                chosen_.file = file_;
                chosen_.topic = item->data(0, TopicRole).toInt();
            } else {
                chosen_.fileName = item->data(0, FileRole).toString().toStdString();
                chosen_.context = item->data(0, ContextRole).toString().toStdString();
                chosen_.window = item->data(0, WindowRole).toString().toStdString();
            }
            return true;
    }
    return false;
}

bool HelpTopicsDialog::DisplayIndex() {
    const int row = indexList_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= index_.size()) {
        return false;
    }
    const IndexLine& line = index_[static_cast<std::size_t>(row)];
    std::size_t pick = 0;
    if (line.topics.size() > 1) {
        QStringList titles;
        for (const auto& [file, topic] : line.topics) {
            const std::string& title =
                file->document.help.topics[static_cast<std::size_t>(topic)].title;
            QString text = title.empty() ? QStringLiteral("(untitled topic)") : FromAnsi(title);
            if (file != file_) {
                text += QStringLiteral(" (%1)").arg(QFileInfo(file->path).fileName());
            }
            titles << text;
        }
        const int chosen =
            ChooseFromList(this, "Topics Found", "Click a topic, then click Display.", titles);
        if (chosen < 0) {
            return false;
        }
        pick = static_cast<std::size_t>(chosen);
    }
    chosen_ = Choice{};
    chosen_.file = line.topics[pick].first;
    chosen_.topic = line.topics[pick].second;
    return true;
}

bool HelpTopicsDialog::DisplayFind() {
    QListWidgetItem* item = findList_->currentItem();
    if (!item) {
        return false;
    }
    chosen_ = Choice{};
    chosen_.file = file_;
    chosen_.topic = item->data(TopicRole).toInt();
    return true;
}

}  // namespace scrivlet::app
