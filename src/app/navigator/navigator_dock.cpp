#include "app/navigator/navigator_dock.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <iterator>
#include <memory>

#include "app/common/message_box.h"
#include "core/navigator/check_sources.h"
#include "core/navigator/project_links.h"
#include "core/search/project_find.h"
#include "core/util/errors.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

constexpr int kTopicRole = Qt::UserRole;
constexpr int kParagraphRole = Qt::UserRole + 1;
constexpr int kOffsetRole = Qt::UserRole + 2;
constexpr int kLengthRole = Qt::UserRole + 3;
constexpr int kResultRole = Qt::UserRole + 4;  // index into the results shown

// Long enough to let a burst of typing end, short enough to feel live.
constexpr int kCheckPauseMs = 800;

QString TopicLabel(const TTopic& topic) {
    return QString::number(topic.TopicID) + QStringLiteral("  ") + FromAnsi(topic.Title.str());
}

void SetPlace(QTreeWidgetItem* item, std::size_t topic, int paragraph, int offset, int length) {
    item->setData(0, kTopicRole, static_cast<qulonglong>(topic));
    item->setData(0, kParagraphRole, paragraph);
    item->setData(0, kOffsetRole, offset);
    item->setData(0, kLengthRole, length);
}

QTreeWidget* NewList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(true);
    list->setUniformRowHeights(true);
    return list;
}

// The match in its excerpt, marked so it stands out in a plain list row.
QString MarkedExcerpt(const ProjectFindResult& result) {
    const QString before =
        FromAnsi(std::string_view(result.excerpt).substr(0, result.excerptOffset));
    const QString match =
        FromAnsi(std::string_view(result.excerpt).substr(result.excerptOffset, result.length));
    const QString after =
        FromAnsi(std::string_view(result.excerpt).substr(result.excerptOffset + result.length));
    return before + QStringLiteral("\u00bb") + match + QStringLiteral("\u00ab") + after;
}

const char* FieldName(FindField field) {
    switch (field) {
        case FindField::Title:
            return "Title";
        case FindField::ContextString:
            return "Context string";
        case FindField::Keywords:
            return "Keywords";
        case FindField::Macro:
            return "Entry macro";
        case FindField::Text:
            break;
    }
    return "Text";
}

}  // namespace

NavigatorDock::NavigatorDock(NavigatorHost host, QWidget* parent)
    : QDockWidget(QStringLiteral("Navigator"), parent), host_(std::move(host)) {
    setObjectName(QStringLiteral("NavigatorDock"));
    tabs_ = new QTabWidget(this);
    tabs_->addTab(BuildFindPage(), QStringLiteral("Find"));
    links_ = NewList(tabs_);
    links_->setObjectName(QStringLiteral("NavigatorLinks"));
    tabs_->addTab(links_, QStringLiteral("Links Here"));
    check_ = NewList(tabs_);
    check_->setObjectName(QStringLiteral("NavigatorCheck"));
    check_->setRootIsDecorated(false);
    tabs_->addTab(check_, QStringLiteral("Check"));
    setWidget(tabs_);

    for (QTreeWidget* list : {findResults_, links_, check_}) {
        connect(list, &QTreeWidget::itemActivated, this, &NavigatorDock::OpenItem);
        connect(list, &QTreeWidget::itemClicked, this, &NavigatorDock::OpenItem);
    }
    checkTimer_ = new QTimer(this);
    checkTimer_->setSingleShot(true);
    checkTimer_->setInterval(kCheckPauseMs);
    connect(checkTimer_, &QTimer::timeout, this, &NavigatorDock::RunCheck);
}

NavigatorDock::~NavigatorDock() {
    // A check still running is waited for: it reads only its own copy.
    if (checkThread_ != nullptr) {
        checkThread_->wait();
        delete checkThread_;
    }
}

QWidget* NavigatorDock::BuildFindPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    findBox_ = new QLineEdit(page);
    findBox_->setObjectName(QStringLiteral("NavigatorFindBox"));
    findBox_->setPlaceholderText(QStringLiteral("Find in all topics"));
    findBox_->setClearButtonEnabled(true);
    layout->addWidget(findBox_);
    auto* options = new QHBoxLayout;
    matchCase_ = new QCheckBox(QStringLiteral("Match &case"), page);
    wholeWord_ = new QCheckBox(QStringLiteral("&Whole word"), page);
    regex_ = new QCheckBox(QStringLiteral("Re&gular expression"), page);
    inProperties_ = new QCheckBox(QStringLiteral("&Properties"), page);
    inProperties_->setToolTip(
        QStringLiteral("Also search titles, context strings, keywords and entry macros"));
    for (QCheckBox* box : {matchCase_, wholeWord_, regex_, inProperties_}) {
        options->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &NavigatorDock::RunFind);
    }
    options->addStretch();
    layout->addLayout(options);
    findStatus_ = new QLabel(page);
    layout->addWidget(findStatus_);
    findResults_ = NewList(page);
    findResults_->setObjectName(QStringLiteral("NavigatorFindResults"));
    findResults_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(findResults_, 1);
    auto* replace = new QHBoxLayout;
    replaceBox_ = new QLineEdit(page);
    replaceBox_->setObjectName(QStringLiteral("NavigatorReplaceBox"));
    replaceBox_->setPlaceholderText(QStringLiteral("Replace with"));
    replaceButton_ = new QPushButton(QStringLiteral("&Replace"), page);
    replaceButton_->setToolTip(
        QStringLiteral("Replace the checked results, or the selected ones when none is checked"));
    replaceAllButton_ = new QPushButton(QStringLiteral("Replace &All"), page);
    replaceAllButton_->setToolTip(QStringLiteral("Replace every result in the topics' text"));
    replace->addWidget(replaceBox_, 1);
    replace->addWidget(replaceButton_);
    replace->addWidget(replaceAllButton_);
    layout->addLayout(replace);
    replaceButton_->setEnabled(false);
    replaceAllButton_->setEnabled(false);
    connect(replaceButton_, &QPushButton::clicked, this, &NavigatorDock::ReplaceChosen);
    connect(replaceAllButton_, &QPushButton::clicked, this, &NavigatorDock::ReplaceAllFound);
    connect(findBox_, &QLineEdit::returnPressed, this, &NavigatorDock::RunFind);
    return page;
}

void NavigatorDock::RunFind() {
    ++findGeneration_;  // a search still running is dropped
    findRunning_ = false;
    findResults_->clear();
    findStatus_->clear();
    found_.clear();
    replaceButton_->setEnabled(false);
    replaceAllButton_->setEnabled(false);
    if (findBox_->text().isEmpty() || !host_.storeBack()) {
        return;
    }
    ProjectFindOptions options;
    options.pattern = ToAnsi(findBox_->text());
    options.matchCase = matchCase_->isChecked();
    options.wholeWord = wholeWord_->isChecked();
    options.regularExpression = regex_->isChecked();
    const bool properties = inProperties_->isChecked();
    options.inTitles = options.inContextStrings = options.inKeywords = options.inMacros =
        properties;
    try {
        ProjectFindOptions probe = options;  // a bad expression is said at once
        probe.endTopic = 0;
        FindInProject(host_.project(), probe);
    } catch (const ScrivletError& e) {
        findStatus_->setText(FromAnsi(e.what()));
        return;
    }
    findOptions_ = std::move(options);
    findPending_ = {};
    findRunning_ = true;
    FindSlice(findGeneration_);
}

// A slice of the search at a time, each well under what a user notices, so
// that typing and painting go on during a search of a big project. A small
// project is searched within the first slice.
void NavigatorDock::FindSlice(unsigned generation) {
    if (generation != findGeneration_ || !findRunning_) {
        return;
    }
    constexpr qint64 kSliceMs = 20;
    constexpr std::size_t kTopicsAtATime = 100;
    const Project& project = host_.project();
    QElapsedTimer clock;
    clock.start();
    while (findOptions_.firstTopic < project.Topics.Count() && !findPending_.truncated &&
           clock.elapsed() < kSliceMs) {
        ProjectFindOptions slice = findOptions_;
        slice.endTopic = slice.firstTopic + kTopicsAtATime;
        slice.limit = findOptions_.limit - findPending_.matches.size();
        ProjectFindResults found = FindInProject(project, slice);
        findPending_.truncated = found.truncated;
        std::move(found.matches.begin(), found.matches.end(),
                  std::back_inserter(findPending_.matches));
        findOptions_.firstTopic = slice.endTopic;
        if (findPending_.matches.size() >= findOptions_.limit) {
            findPending_.truncated = findOptions_.firstTopic < project.Topics.Count();
        }
    }
    if (findOptions_.firstTopic < project.Topics.Count() && !findPending_.truncated) {
        findStatus_->setText(QStringLiteral("Searching... %1 of %2 topics")
                                 .arg(findOptions_.firstTopic)
                                 .arg(project.Topics.Count()));
        QTimer::singleShot(0, this, [this, generation] { FindSlice(generation); });
        return;
    }
    findRunning_ = false;
    ShowFound(project, std::move(findPending_));
    findPending_ = {};
}

void NavigatorDock::ShowFound(const Project& project, ProjectFindResults found) {
    QTreeWidgetItem* group = nullptr;
    std::size_t groupTopic = 0;
    std::size_t topics = 0;
    bool replaceable = false;
    for (std::size_t i = 0; i < found.matches.size(); ++i) {
        const ProjectFindResult& result = found.matches[i];
        if (result.topic >= project.Topics.Count()) {
            continue;  // the topic went while the search ran
        }
        if (group == nullptr || groupTopic != result.topic) {
            group = new QTreeWidgetItem(findResults_, {TopicLabel(project.Topics[result.topic])});
            SetPlace(group, result.topic, -1, 0, 0);
            groupTopic = result.topic;
            ++topics;
        }
        QString text = MarkedExcerpt(result);
        if (result.field != FindField::Text) {
            text = QString::fromLatin1(FieldName(result.field)) + QStringLiteral(": ") + text;
        }
        auto* item = new QTreeWidgetItem(group, {text});
        SetPlace(item, result.topic,
                 result.field == FindField::Text ? static_cast<int>(result.paragraph) : -1,
                 static_cast<int>(result.offset), static_cast<int>(result.length));
        if (result.field == FindField::Text) {
            // Only the topic text is replaced: properties have their own editors.
            item->setData(0, kResultRole, static_cast<qulonglong>(i));
            item->setCheckState(0, Qt::Unchecked);
            if (!(group->flags() & Qt::ItemIsAutoTristate)) {
                group->setFlags(group->flags() | Qt::ItemIsAutoTristate | Qt::ItemIsUserCheckable);
                group->setCheckState(0, Qt::Unchecked);
            }
            replaceable = true;
        }
    }
    found_ = std::move(found.matches);
    replaceButton_->setEnabled(replaceable);
    replaceAllButton_->setEnabled(replaceable);
    findResults_->expandAll();
    QString status = QStringLiteral("%1 matches in %2 topics").arg(found_.size()).arg(topics);
    if (found.truncated) {
        status += QStringLiteral(" (the first %1 shown)").arg(findOptions_.limit);
    }
    findStatus_->setText(status);
}

std::vector<ProjectFindResult> NavigatorDock::Chosen() const {
    std::vector<ProjectFindResult> checked;
    std::vector<ProjectFindResult> selected;
    for (int g = 0; g < findResults_->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = findResults_->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c) {
            const QTreeWidgetItem* item = group->child(c);
            const QVariant index = item->data(0, kResultRole);
            if (!index.isValid()) {
                continue;
            }
            const ProjectFindResult& result = found_[index.toULongLong()];
            if (item->checkState(0) == Qt::Checked) {
                checked.push_back(result);
            }
            if (item->isSelected() || group->isSelected()) {
                selected.push_back(result);
            }
        }
    }
    return checked.empty() ? selected : checked;
}

void NavigatorDock::ReplaceChosen() {
    Replace(Chosen());
}

void NavigatorDock::ReplaceAllFound() {
    std::vector<ProjectFindResult> text;
    for (const ProjectFindResult& result : found_) {
        if (result.field == FindField::Text) {
            text.push_back(result);
        }
    }
    Replace(text);
}

void NavigatorDock::Replace(const std::vector<ProjectFindResult>& chosen) {
    if (chosen.empty() || !host_.storeBack()) {
        return;
    }
    ReplacePlan plan = PlanReplaceFound(host_.project(), chosen, ToAnsi(replaceBox_->text()));
    if (plan.occurrences == 0) {
        MessageBox::Inform(this, QStringLiteral("The text changed since the search: nothing was "
                                                "replaced. The list now shows what is there."));
        RunFind();
        return;
    }
    if (MessageBox::AskYesNo(this, FromAnsi(ReplaceQuestion(plan))) != QMessageBox::Yes) {
        return;
    }
    host_.applyReplace(QStringLiteral("Replace"), plan);
    RunFind();
}

void NavigatorDock::ShowLinksTo(std::size_t topic) {
    links_->clear();
    const Project& project = host_.project();
    if (topic >= project.Topics.Count()) {
        return;
    }
    const CheckInputs inputs = DiskCheckInputs(project);
    for (const TopicReference& reference : WhatLinksHere(project, topic, inputs.contents)) {
        QString text;
        auto* item = new QTreeWidgetItem(links_);
        switch (reference.kind) {
            case ReferenceKind::Link:
                text = (reference.code.popup ? QStringLiteral("Pop-up from ")
                                             : QStringLiteral("Jump from ")) +
                       TopicLabel(project.Topics[reference.fromTopic]);
                SetPlace(item, reference.fromTopic, static_cast<int>(reference.code.line) - 2, -1,
                         0);
                break;
            case ReferenceKind::ContentsEntry:
                text = QStringLiteral("Contents entry: ") +
                       FromAnsi(inputs.contents[reference.contentsLine]);
                SetPlace(item, topic, -1, 0, 0);
                break;
            case ReferenceKind::BrowseNeighbour:
                text = QStringLiteral("Browse sequence with ") +
                       TopicLabel(project.Topics[reference.fromTopic]);
                SetPlace(item, reference.fromTopic, -1, 0, 0);
                break;
            case ReferenceKind::DefaultTopic:
                text = QStringLiteral("The project's default topic");
                SetPlace(item, topic, -1, 0, 0);
                break;
        }
        item->setText(0, text);
    }
    if (links_->topLevelItemCount() == 0) {
        auto* none = new QTreeWidgetItem(links_, {QStringLiteral("Nothing leads to this topic")});
        none->setFlags(Qt::ItemIsEnabled);
    }
}

void NavigatorDock::ProjectChanged() {
    checkTimer_->start();
}

void NavigatorDock::RunCheck() {
    if (checkRunning_) {
        checkAgain_ = true;  // the running check is out of date: one more when it ends
        return;
    }
    if (!host_.storeBack()) {
        return;
    }
    // The worker checks a copy, so the author can go on editing meanwhile.
    // The copy is taken in slices between events: a big project's topics
    // take longer to copy than a user should wait. An edit made meanwhile
    // asks for one more check, so what is shown catches up.
    auto work = std::make_shared<CheckWork>();
    const Project& project = host_.project();
    static_cast<ProjectSettings&>(work->project) = project;
    work->project.ProjectFileName = project.ProjectFileName;
    work->project.CurrentTopic = project.CurrentTopic;
    checkRunning_ = true;
    CopyForCheck(work);
}

void NavigatorDock::CopyForCheck(const std::shared_ptr<CheckWork>& work) {
    constexpr qint64 kSliceMs = 20;
    const TTopicList& topics = host_.project().Topics;
    QElapsedTimer clock;
    clock.start();
    for (std::size_t i = work->project.Topics.Count(); i < topics.Count(); ++i) {
        if ((i & 63) == 0 && clock.elapsed() >= kSliceMs) {
            QTimer::singleShot(0, this, [this, work] { CopyForCheck(work); });
            return;
        }
        work->project.Topics.Add(topics[i]);
    }
    // The folders are looked at in the worker too: a slow disk holds no one up.
    checkThread_ = QThread::create([work] {
        work->inputs = DiskCheckInputs(work->project);
        work->findings = CheckProject(work->project, work->inputs);
    });
    connect(checkThread_, &QThread::finished, this, [this, work] {
        checkThread_->deleteLater();
        checkThread_ = nullptr;
        checkRunning_ = false;
        ShowFindings(work->project, work->findings);
        if (checkAgain_) {
            checkAgain_ = false;
            checkTimer_->start();
        }
        emit CheckFinished();
    });
    checkThread_->start(QThread::LowPriority);
}

void NavigatorDock::ShowFindings(const Project& checked,
                                 const std::vector<CheckFinding>& findings) {
    check_->clear();
    for (const CheckFinding& finding : findings) {
        auto* item = new QTreeWidgetItem(check_, {FromAnsi(FindingText(checked, finding))});
        const QStyle::StandardPixmap icon =
            finding.severity == CheckSeverity::Error     ? QStyle::SP_MessageBoxCritical
            : finding.severity == CheckSeverity::Warning ? QStyle::SP_MessageBoxWarning
                                                         : QStyle::SP_MessageBoxInformation;
        item->setIcon(0, style()->standardIcon(icon));
        const int paragraph = finding.line >= 2 ? static_cast<int>(finding.line) - 2 : -1;
        SetPlace(item, finding.topic, paragraph, -1, 0);
    }
    if (host_.showCount) {
        host_.showCount(QString::fromStdString(FindingTotals(findings)));
    }
}

void NavigatorDock::OpenItem(QTreeWidgetItem* item) {
    if (item == nullptr || !item->data(0, kTopicRole).isValid()) {
        return;
    }
    host_.openAt(static_cast<std::size_t>(item->data(0, kTopicRole).toULongLong()),
                 item->data(0, kParagraphRole).toInt(), item->data(0, kOffsetRole).toInt(),
                 item->data(0, kLengthRole).toInt());
}

}  // namespace scrivlet::app
