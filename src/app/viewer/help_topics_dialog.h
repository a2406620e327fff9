#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/viewer/help_library.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTreeWidget;

namespace scrivlet::app {

// "Help Topics": the Contents tab (the .cnt beside the help file, with its
// included files; a list of the titled topics when there is none), the
// Index tab (the K keywords of the help file and of the files its contents
// file links, with type-ahead) and the Find tab (full-text search, best
// topics first).
class HelpTopicsDialog : public QDialog {
    Q_OBJECT

public:
    enum Tab { ContentsTab = 0, IndexTab = 1, FindTab = 2 };

    HelpTopicsDialog(HelpLibrary& library, std::shared_ptr<OpenHelpFile> file,
                     QWidget* parent = nullptr);

    // What Display chose: a topic of an open file, a context string of a
    // named file (a contents page), or a macro (a contents macro page).
    struct Choice {
        std::shared_ptr<OpenHelpFile> file;
        int topic = -1;
        std::string fileName;
        std::string context;
        std::string window;
        std::string macro;
    };
    const Choice& Chosen() const { return chosen_; }

    // Takes the current entry of the current tab; the dialog closes when it
    // leads to a topic or a macro (a book opens or closes instead).
    void Display();

    QTabWidget* Tabs() const { return tabs_; }
    QTreeWidget* ContentsList() const { return contents_; }
    QLineEdit* IndexText() const { return indexText_; }
    QListWidget* IndexList() const { return indexList_; }
    QLineEdit* FindText() const { return findText_; }
    QListWidget* FindList() const { return findList_; }
    QLabel* FindCount() const { return findCount_; }

    static QString FoundMessage(std::size_t count);

private:
    QWidget* BuildContentsTab();
    QWidget* BuildIndexTab();
    QWidget* BuildFindTab();
    void FillContents();
    void FillIndex();
    void TypeAhead(const QString& text);
    void RunFind();
    bool DisplayContents();
    bool DisplayIndex();
    bool DisplayFind();

    // One line of the Index: its keyword and the topics, possibly in
    // several files.
    struct IndexLine {
        std::string keyword;
        std::vector<std::pair<std::shared_ptr<OpenHelpFile>, int>> topics;
    };

    HelpLibrary& library_;
    std::shared_ptr<OpenHelpFile> file_;
    std::vector<std::string> links_;
    std::vector<IndexLine> index_;
    Choice chosen_;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* indexText_ = nullptr;
    QListWidget* indexList_ = nullptr;
    QLineEdit* findText_ = nullptr;
    QListWidget* findList_ = nullptr;
    QLabel* findCount_ = nullptr;
};

}  // namespace scrivlet::app
