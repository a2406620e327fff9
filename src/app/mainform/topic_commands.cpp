#include "app/mainform/topic_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QTabWidget>
#include <QTextDocument>
#include <QUndoStack>
#include <filesystem>
#include <optional>

#include "app/common/message_box.h"
#include "app/editor/tsrichedit.h"
#include "app/mainform/tmainform.h"
#include "app/mainform/topic_text.h"
#include "app/topics/property_grid.h"
#include "app/topics/tfootbox.h"
#include "app/topics/topic_grid_model.h"
#include "app/topics/topic_grid_view.h"
#include "app/undo/project_undo.h"
#include "core/contents/contents_file.h"
#include "core/contents/contents_location.h"
#include "core/model/topic_links.h"
#include "core/navigator/project_links.h"
#include "core/topics/foot_fields.h"
#include "core/topics/property_rows.h"
#include "core/util/convert.h"
#include "core/util/errors.h"
#include "core/windows/project_options.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

// The contents file of PROJECT on disk, "" when it has none there.
std::string ContentsPathOf(const Project& project) {
    if (project.ContentsFileName.empty()) {
        return "";
    }
    std::string path = ContentsDiskPath(FindContentsFileName(project));
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) ? path : "";
}

// The property grid's rows whose values the topic grid shows as text.
constexpr int kTitleRow = 2;
constexpr int kContextRow = 3;
constexpr int kKeywordsRow = 4;
constexpr int kCommentRow = 10;
// Merge keys of the undo stack: edits of one cell of one topic in a row are
// one step.
constexpr int kGridEditMerge = 100;
constexpr int kPropertyEditMerge = 200;

bool ValidIndex(const Project& project, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < project.Topics.Count();
}

// A stored file name made usable here: either separator, and relative names
// taken from the project's folder.
QString LocalPath(const std::string& stored, const std::string& projectFile) {
    QString path = QString::fromStdString(stored);
    path.replace('\\', '/');
    if (QFileInfo(path).isRelative() && projectFile != kUntitled) {
        path = QFileInfo(QString::fromStdString(projectFile)).absoluteDir().filePath(path);
    }
    return path;
}

}  // namespace

TopicCommands::TopicCommands(TMainForm& form) : QObject(&form), form_(form) {}

bool TopicCommands::StoreBack(bool withProperties) {
    Project& project = form_.GetProject();
    if (!ValidIndex(project, project.CurrentTopic)) {
        return true;
    }
    TTopic& topic = project.Topics[static_cast<std::size_t>(project.CurrentTopic)];
    // An untouched editor still holds exactly the stored text; writing it
    // again would only cost time (and lose lines the reader could not take).
    // One that holds only the text's beginning would cut the topic short.
    if (!form_.EditorHoldsPart() && (form_.EditorChanged() || topic.Text.empty())) {
        topic.Text = SaveTopicText(*form_.RichEdit1()->document());
    }
    if (withProperties) {
        // The property grid's edits reach the topic here, and become one step
        // on the undo stack.
        const TTopic before = ProjectUndo::PropertiesOf(topic);
        const auto current = static_cast<std::size_t>(project.CurrentTopic);
        bool renumber = false;
        try {
            const PropertyValues values = form_.PropGrid()->Values();
            const std::string taken = TopicNumberTaken(project.Topics, current, values);
            if (!taken.empty()) {
                form_.PropGrid()->SetValue(1, QString::number(topic.TopicID));
                MessageBox::Error(&form_, FromAnsi(taken));
                return false;
            }
            const int32_t number = values[0].empty() ? topic.TopicID : StrToInt(values[0]);
            const std::size_t links =
                number == topic.TopicID ? 0 : CountLinksToNumber(project, topic.TopicID);
            if (links > 0) {
                const auto answer = MessageBox::AskYesNoCancel(
                    &form_, FromAnsi(RenumberQuestion(links, topic.TopicID, number)));
                if (answer == QMessageBox::Cancel) {
                    form_.PropGrid()->SetValue(1, QString::number(topic.TopicID));
                    return false;
                }
                renumber = answer == QMessageBox::Yes;
            }
            // Context strings compare without regard to case: only another
            // word breaks what leads to the topic by it.
            const std::string context = topic.ContextString.str();
            std::optional<ContextChange> recontext;
            if (!context.empty() && UpperAscii(values[2]) != UpperAscii(context)) {
                ContextChange change;
                change.contents = ContentsPathOf(project);
                std::vector<std::string> entries;
                if (!change.contents.empty()) {
                    try {
                        ContentsFile file;
                        file.LoadContents(change.contents);
                        entries = std::move(file.EntryLines);
                    } catch (const ScrivletError&) {
                        change.contents.clear();  // unreadable: as if there were none
                    }
                }
                change.references = FindContextReferences(project, entries, context);
                // An emptied string: the build names the topic by its number.
                change.to = values[2].empty() ? DefaultContextString(number) : values[2];
                if (change.references.Count() > 0) {
                    const auto answer = MessageBox::AskYesNoCancel(
                        &form_, FromAnsi(ContextQuestion(change.references, context, change.to)));
                    if (answer == QMessageBox::Cancel) {
                        form_.PropGrid()->SetValue(kContextRow, FromAnsi(context));
                        return false;
                    }
                    if (answer == QMessageBox::Yes) {
                        recontext = std::move(change);
                    }
                }
            }
            if (renumber || recontext) {
                return StoreWithReferences(values, renumber, recontext ? &*recontext : nullptr);
            }
            StorePropertyValues(topic, values);
        } catch (const ScrivletError& e) {
            MessageBox::Error(&form_, QString::fromStdString(e.what()));
            return false;
        }
        form_.Undo().PropertiesChanged(current, before,
                                       QStringLiteral("Topic %1 Properties").arg(before.TopicID),
                                       kPropertyEditMerge);
    }
    return true;
}

bool TopicCommands::StoreWithReferences(const PropertyValues& values, bool renumber,
                                        const ContextChange* recontext) {
    Project& project = form_.GetProject();
    const auto current = static_cast<std::size_t>(project.CurrentTopic);
    TTopic& topic = project.Topics[current];
    const int32_t from = topic.TopicID;
    const QString name = renumber ? QStringLiteral("Renumber Topic %1").arg(from)
                                  : QStringLiteral("Topic %1 Properties").arg(from);
    // Whole copies of the topics the change touches: this one and every one
    // whose text links to its number.
    std::vector<std::pair<std::size_t, TTopic>> before;
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        const TTopic& other = project.Topics[i];
        if (i == current || (renumber && LinksToNumber(other, from))) {
            before.emplace_back(i, other);
        }
    }
    const std::vector<std::string> text = topic.Text;
    const ProjectSettings settings = project;
    QUndoStack* stack = form_.Undo().Stack();
    stack->beginMacro(name);
    StorePropertyValues(topic, values);
    if (renumber) {
        RenumberLinks(project, from, topic.TopicID);
    }
    form_.Undo().TopicsChanged(name, std::move(before));
    if (recontext != nullptr && recontext->references.defaultTopic) {
        project.DefaultTopic = recontext->to;
        form_.Undo().SettingsChanged(settings, name);
    }
    stack->endMacro();
    project.TopicGridStale = true;
    if (recontext != nullptr && !recontext->references.contentsLines.empty()) {
        // The contents file lives beside the project, not in it: it is saved
        // now, and Undo does not reach it.
        try {
            ContentsFile file;
            file.LoadContents(recontext->contents);
            for (const std::size_t line : recontext->references.contentsLines) {
                if (line < file.EntryLines.size()) {
                    file.EntryLines[line] =
                        RetargetContentsEntry(file.EntryLines[line], recontext->to);
                }
            }
            file.SaveContents();
        } catch (const ScrivletError& e) {
            MessageBox::Error(&form_, FromAnsi(e.what()));
        }
    }
    if (topic.Text != text) {
        // It links to itself: the editor shows the new number.
        form_.ShowTopic(static_cast<int>(current));
    }
    return true;
}

void TopicCommands::FillTopicGrid(bool showFirst) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    form_.TopicGridRows()->Fill();
    if (showFirst) {
        ShowTopic(0);
    }
    QGuiApplication::restoreOverrideCursor();
    form_.GetProject().TopicGridStale = false;
}

void TopicCommands::ShowTopic(int index) {
    Project& project = form_.GetProject();
    if (project.TopicGridStale) {
        FillTopicGrid(false);
    }
    if (!ValidIndex(project, index)) {
        return;
    }
    const TTopic& topic = project.Topics[static_cast<std::size_t>(index)];
    TSRichEdit* editor = form_.RichEdit1();
    const bool modified = project.Modified();
    form_.SetLoadingText(true);
    editor->setUndoRedoEnabled(false);
    const TopicTextLoad load =
        LoadTopicText(topic.Text, *editor->document(), form_.EditorLoadLimit());
    form_.SetEditorHoldsPart(
        !load.whole, load.whole ? QString() : PartTopicNotice(load.bytes, form_.EditorLoadLimit()));
    editor->setUndoRedoEnabled(true);
    editor->ApplyTextMargins();
    editor->moveCursor(QTextCursor::Start);
    form_.PropGrid()->SetValues(PropertyValuesOf(topic));
    form_.StatusPanel(1)->setText(FromAnsi(topic.Comment.str()));
    editor->setStatusTip(FromAnsi(topic.Title.str()));
    form_.SetModified(modified);
    form_.Action("UndoBtn")->setEnabled(editor->document()->isUndoAvailable());
    form_.SetLoadingText(false);
    form_.SetEditorChanged(false);

    project.TopicGridStale = false;
    project.CurrentTopic = index;
    form_.TopicGridRows()->SetCurrentRow(index);
    form_.TopicGrid()->SelectTopicCell(index);
    form_.TopicGrid()->viewport()->update();
    form_.SelectionChange();
}

void TopicCommands::AddTopic(bool fromNew) {
    Project& project = form_.GetProject();
    const Preferences& prefs = form_.Prefs();
    form_.Notebook()->setFocus();
    TTopic topic = CreateTopic();
    topic.TopicID = NewTopicNumber(project.Topics, prefs.IDcount, prefs.IDinc);
    if (prefs.IDask && !fromNew) {
        bool ok = false;
        const QString text =
            QInputDialog::getText(&form_, "Scrivlet", "Enter topic ID:", QLineEdit::Normal,
                                  QString::number(topic.TopicID), &ok);
        if (!ok) {
            return;
        }
        const auto number = TryStrToInt(ToAnsi(text));
        if (!number) {
            MessageBox::Error(&form_, "Invalid integer value: " + text);
            return;
        }
        topic.TopicID = *number;
    }
    topic.ContextString = DefaultContextString(topic.TopicID);
    // The current topic is stored before the list grows, so a bad number in
    // the property grid abandons the command with nothing added.
    if (!StoreBack(true)) {
        return;
    }
    project.Topics.Add(std::move(topic));
    if (!fromNew) {
        form_.Undo().TopicAdded(project.Topics.Count() - 1);
    }
    FillTopicGrid(false);
    ShowTopic(static_cast<int>(project.Topics.Count()) - 1);

    if (!project.TemplateFile.empty()) {
        const QString path = LocalPath(project.TemplateFile, project.ProjectFileName);
        if (QFileInfo(path).isFile()) {
            LoadRtfFile(path, *form_.RichEdit1()->document());
        }
    }
}

void TopicCommands::RemoveCurrentTopic() {
    DeleteTopic(form_.GetProject().CurrentTopic);
}

void TopicCommands::DeleteTopic(int index) {
    Project& project = form_.GetProject();
    if (project.Topics.Count() < 2 || !ValidIndex(project, index)) {
        return;
    }
    if (!StoreBack(true)) {
        return;
    }
    const auto at = static_cast<std::size_t>(index);
    // Links to the topic would lead nowhere: that is worth a question even
    // when the author turned the plain one off.
    const auto linking = TopicsLinkingTo(project.Topics, at);
    if (!linking.empty()) {
        const std::string question =
            DeleteLinkedTopicQuestion(project.Topics[at], project.Topics, linking);
        if (MessageBox::AskYesNo(&form_, FromAnsi(question)) != QMessageBox::Yes) {
            return;
        }
    } else if (form_.Prefs().DelWarn) {
        const QString title = FromAnsi(project.Topics[at].Title.str());
        if (MessageBox::AskYesNo(&form_, "Delete topic \"" + title + "\"?") != QMessageBox::Yes) {
            return;
        }
    }
    auto& items = project.Topics.Items();
    std::unique_ptr<TTopic> removed = std::move(items[at]);
    items.erase(items.begin() + index);
    form_.Undo().TopicDeleted(at, std::move(removed));
    // The editor and the property grid now belong to no topic until the next
    // one is shown.
    project.CurrentTopic = -1;
    form_.SetModified(true);
    FillTopicGrid(false);
    ShowTopic(TopicShownAfterDelete(index, project.Topics.Count()));
}

void TopicCommands::Sort(TopicSortKey key) {
    if (!StoreBack(true)) {
        return;
    }
    auto before = ProjectUndo::Order(form_.GetProject());
    SortTopics(form_.GetProject().Topics, key);
    form_.Undo().TopicsReordered(std::move(before), key == TopicSortKey::ById
                                                        ? QStringLiteral("Sort Topics by ID")
                                                        : QStringLiteral("Sort Topics by Title"));
    form_.GetProject().CurrentTopic = -1;
    FillTopicGrid(true);
    form_.SetModified(true);
}

void TopicCommands::Navigate(NavigationStep step) {
    if (!StoreBack(true)) {
        return;
    }
    const Project& project = form_.GetProject();
    if (auto target = NavigationTarget(step, project.CurrentTopic, project.Topics.Count())) {
        ShowTopic(*target);
    }
}

void TopicCommands::OpenTopic(int index) {
    if (!ValidIndex(form_.GetProject(), index)) {
        return;
    }
    if (!StoreBack(true)) {
        return;
    }
    ShowTopic(index);
}

void TopicCommands::EditProperties(int index) {
    Project& project = form_.GetProject();
    if (!ValidIndex(project, index)) {
        return;
    }
    if (index == project.CurrentTopic && !StoreBack(true)) {
        return;
    }
    TTopic& topic = project.Topics[static_cast<std::size_t>(index)];
    const TTopic before = ProjectUndo::PropertiesOf(topic);
    const auto record = [&] {
        form_.Undo().PropertiesChanged(static_cast<std::size_t>(index), before,
                                       QStringLiteral("Topic %1 Properties").arg(before.TopicID));
    };
    TFootBox box(&form_);
    box.SetChoices(BuildTagChoices(project.Topics), WindowChoices(project.WindowDefs));
    box.SetValues(FootValuesOf(topic));
    if (box.exec() != QDialog::Accepted) {
        return;
    }
    try {
        StoreFootValues(topic, box.Values());
    } catch (const ScrivletError& e) {
        // The title was stored before the number failed: that change is
        // still an unsaved change.
        project.TopicGridStale = true;
        form_.SetModified(true);
        record();
        MessageBox::Error(&form_, QString::fromStdString(e.what()));
        return;
    }
    project.TopicGridStale = true;
    form_.SetModified(true);
    record();
    if (index == project.CurrentTopic) {
        ShowTopic(index);
    }
}

void TopicCommands::GridSetEditText(int index, int column, const QString& text) {
    Project& project = form_.GetProject();
    if (!ValidIndex(project, index)) {
        return;
    }
    TTopic& topic = project.Topics[static_cast<std::size_t>(index)];
    const std::string value = ToAnsi(text);
    ShortString* field = nullptr;
    int propertyRow = 0;
    switch (column) {
        case TopicGridModel::TitleColumn:
            field = &topic.Title;
            propertyRow = 2;
            break;
        case TopicGridModel::KeywordsColumn:
            field = &topic.Keywords;
            propertyRow = 4;
            break;
        case TopicGridModel::CommentColumn:
            field = &topic.Comment;
            propertyRow = 10;
            break;
        default:
            return;
    }
    if (field->str() == value) {
        return;
    }
    const TTopic before = ProjectUndo::PropertiesOf(topic);
    *field = value;
    form_.Undo().PropertiesChanged(static_cast<std::size_t>(index), before,
                                   QStringLiteral("Topic %1 Properties").arg(topic.TopicID),
                                   kGridEditMerge + column);
    if (index == project.CurrentTopic) {
        form_.PropGrid()->SetValue(propertyRow, text);
        if (column == TopicGridModel::CommentColumn) {
            form_.StatusPanel(1)->setText(text);
        }
    }
    form_.SetModified(true);
    project.TopicGridStale = true;
}

void TopicCommands::PropertyEdited(int row) {
    form_.SetModified(true);
    const Project& project = form_.GetProject();
    if (ValidIndex(project, project.CurrentTopic)) {
        form_.Undo().PropertiesPending(
            project.Topics[static_cast<std::size_t>(project.CurrentTopic)]);
    }
    if (PropertyRowShownInTopicGrid(row)) {
        form_.GetProject().TopicGridStale = true;
        ShowTypedProperty(row);
    }
}

void TopicCommands::ShowTypedProperty(int row) {
    const int topic = form_.GetProject().CurrentTopic;
    if (!ValidIndex(form_.GetProject(), topic)) {
        return;
    }
    const QString text = form_.PropGrid()->Value(row);
    TopicGridModel::Column column;
    switch (row) {
        case kTitleRow: {
            column = TopicGridModel::TitleColumn;
            TSRichEdit* editor = form_.RichEdit1();
            // The status bar shows the title while the pointer is over the
            // editor.
            if (form_.StatusPanel(2)->text() == editor->statusTip()) {
                form_.StatusPanel(2)->setText(text);
            }
            editor->setStatusTip(text);
            break;
        }
        case kKeywordsRow:
            column = TopicGridModel::KeywordsColumn;
            break;
        case kCommentRow:
            column = TopicGridModel::CommentColumn;
            form_.StatusPanel(1)->setText(text);
            break;
        default:
            return;  // the ID stands until the topic is stored and checked
    }
    form_.TopicGridRows()->ShowCell(topic, column, text);
}

}  // namespace scrivlet::app
