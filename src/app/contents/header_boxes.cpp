#include "app/contents/header_boxes.h"

#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/contents/contents_entry.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {

PairTexts IndexTexts() {
    return {"Index Files", "Files to be included in the combined index:", "Edit Help Index",
            "Help title:", "Help filename:"};
}

PairTexts TabTexts() {
    return {"Custom Tabs", "Display these custom tabs:", "Edit Tab", "Tab name:", "DLL filename:"};
}

TIndexBox::TIndexBox(std::vector<std::string> lines, QWidget* parent)
    : TPairListBox(IndexTexts(), std::move(lines), parent) {}

TIndexEdit::TIndexEdit(const QString& title, const QString& file, QWidget* parent)
    : TPairEdit(IndexTexts(), title, file, parent) {}

std::unique_ptr<TPairEdit> TIndexBox::MakeEdit(const QString& title, const QString& file) {
    return std::make_unique<TIndexEdit>(title, file, this);
}

TTabBox::TTabBox(std::vector<std::string> lines, QWidget* parent)
    : TPairListBox(TabTexts(), std::move(lines), parent) {}

TTabEdit::TTabEdit(const QString& title, const QString& file, QWidget* parent)
    : TPairEdit(TabTexts(), title, file, parent) {}

std::unique_ptr<TPairEdit> TTabBox::MakeEdit(const QString& title, const QString& file) {
    return std::make_unique<TTabEdit>(title, file, this);
}

TCLinkBox::TCLinkBox(std::vector<std::string> lines, const std::vector<std::string>& indexLines,
                     QWidget* parent)
    : TListBox("Help Link Files", "Files to include in link searches:", std::move(lines), parent) {
    auto* indexList = new QListWidget(this);
    indexList->setObjectName("IndexList");
    for (const auto& line : indexLines) {
        indexList->addItem(FromAnsi(line));
    }
    indexList->setSelectionMode(QAbstractItemView::NoSelection);
    Extras()->addWidget(new QLabel("Index files already included:", this));
    Extras()->addWidget(indexList);
}

std::optional<std::string> TCLinkBox::AskElement(const std::string& current, bool add) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(this, add ? "Add Link to Help File" : "Edit Link to Help File",
                              "Help filename:", QLineEdit::Normal,
                              add ? QString() : FromAnsi(StripComment(current)), &ok);
    if (!ok || answer.isEmpty()) {
        return std::nullopt;
    }
    return ToAnsi(answer);
}

}  // namespace scrivlet::app
