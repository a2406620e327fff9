#include "app/search/search_commands.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <string_view>

#include "app/common/message_box.h"
#include "app/common/worker_wait.h"
#include "app/search/search_box.h"
#include "core/model/project.h"
#include "core/search/replace_plan.h"
#include "core/search/search_text.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

std::u16string_view View(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// The editor's text as its cursor counts it: one character per paragraph
// break, like every other character, so offsets are cursor positions.
QString EditorText(const QTextEdit* editor) {
    return editor->document()->toRawText();
}

}  // namespace

SearchCommands::SearchCommands(SearchHost host, QObject* parent)
    : QObject(parent), host_(std::move(host)), box_(new Tsearchbox(host_.Window)) {
    connect(box_, &Tsearchbox::FindRequested, this, &SearchCommands::FindNext);
    connect(box_, &Tsearchbox::ReplaceRequested, this, &SearchCommands::ReplaceAndFindNext);
    connect(box_, &Tsearchbox::ReplaceAllRequested, this, &SearchCommands::ReplaceAllBtnClick);
}

QString SearchCommands::FindText() const {
    return box_->find->text();
}

QString SearchCommands::ReplacementText() const {
    const QString text = box_->replace->text();
    return QString::fromStdU16String(SearchPattern(View(text), box_->wholeword->isChecked()));
}

void SearchCommands::ShowFind() {
    if (box_->find->text().isEmpty()) {
        // A selection across paragraphs carries U+2029; a one-line field
        // shows it as a line break would be lost anyway.
        QString selected = host_.Editor->textCursor().selectedText();
        selected.replace(QChar::ParagraphSeparator, QLatin1Char(' '));
        box_->find->setText(selected);
    }
    box_->show();
    box_->raise();
    box_->activateWindow();
    box_->find->setFocus();
}

void SearchCommands::FindNext() {
    const QString find = FindText();
    if (find.isEmpty()) {
        return;
    }
    const QTextCursor cursor = host_.Editor->textCursor();
    const int start = cursor.selectionStart();
    const int length = cursor.selectionEnd() - start;
    const QString text = EditorText(host_.Editor);
    const SearchOptions options{box_->matchcase->isChecked(), box_->wholeword->isChecked()};
    const auto match = FindNextMatch(View(text), static_cast<std::size_t>(start),
                                     static_cast<std::size_t>(length), View(find), options);
    if (!match) {
        EndReached = true;
        MessageBox::Inform(host_.Window, QStringLiteral("Reached the end of the file."));
        return;
    }
    host_.Editor->setFocus();
    QTextCursor found(host_.Editor->document());
    found.setPosition(static_cast<int>(match->Start));
    found.setPosition(static_cast<int>(match->Start + match->Length), QTextCursor::KeepAnchor);
    host_.Editor->setTextCursor(found);
}

void SearchCommands::ReplaceAndFindNext() {
    const QString find = FindText();
    if (find.isEmpty()) {
        return;
    }
    QTextCursor cursor = host_.Editor->textCursor();
    if (!SelectionMatchesFind(View(cursor.selectedText()), View(find),
                              box_->matchcase->isChecked())) {
        cursor.setPosition(cursor.selectionStart());
        host_.Editor->setTextCursor(cursor);
        FindNext();
        cursor = host_.Editor->textCursor();
    }
    if (!cursor.hasSelection()) {
        return;
    }
    cursor.insertText(ReplacementText());
    host_.Editor->setTextCursor(cursor);
    FindNext();
}

void SearchCommands::ReplaceAllInTopic() {
    EndReached = false;
    while (!EndReached) {
        ReplaceAndFindNext();
        // An empty find text can never reach the end; nothing more to do.
        if (FindText().isEmpty()) {
            return;
        }
    }
}

void SearchCommands::ReplaceAllBtnClick() {
    box_->hide();
    const QString find = FindText();
    const QString replace = box_->replace->text();
    if (find.isEmpty() || find == replace) {
        return;
    }
    if (box_->all->isChecked()) {
        const bool whole = box_->wholeword->isChecked();
        ReplaceAllInProject(QString::fromStdU16String(SearchPattern(View(find), whole)),
                            QString::fromStdU16String(SearchPattern(View(replace), whole)),
                            box_->matchcase->isChecked());
    } else {
        ReplaceAllInTopic();
    }
}

int SearchCommands::ReplaceAllInProject(const QString& pattern, const QString& replacement,
                                        bool caseSensitive) {
    if (host_.StoreBack && !host_.StoreBack()) {
        return -1;
    }
    // Every topic is read: in a big project that takes long enough to be
    // done away from the window.
    ReplacePlan plan;
    std::atomic<bool> stop = false;
    const std::string find = ToAnsi(pattern);
    const std::string with = ToAnsi(replacement);
    const bool finished = RunWhileWaiting(
        host_.Window, QStringLiteral("Looking for the occurrences in all topics..."),
        [&] { plan = PlanReplaceAll(*host_.Proj, find, with, caseSensitive, &stop); }, stop);
    if (!finished) {
        return 0;
    }
    const int total = plan.occurrences;
    if (total > 0 &&
        MessageBox::AskYesNo(host_.Window, FromAnsi(ReplaceQuestion(plan))) != QMessageBox::Yes) {
        return 0;
    }
    const bool editorModified = host_.Editor->document()->isModified();
    if (host_.ApplyReplace) {
        host_.ApplyReplace(QStringLiteral("Replace All"), plan);
    } else {
        ApplyReplacePlan(*host_.Proj, plan);
    }
    if (total > 0 && !host_.Proj->Topics.Empty() && host_.ShowTopic) {
        host_.ShowTopic();
    }
    host_.Editor->document()->setModified(editorModified);
    MessageBox::Inform(host_.Window,
                       QString::number(total) + QStringLiteral(" occurrences replaced."));
    return total;
}

}  // namespace scrivlet::app
