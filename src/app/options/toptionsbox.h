#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "core/tools/tool_list.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace scrivlet::app {

class ColorList;
class UpDown;

// What the options dialog edits, as it fills and hands back its controls.
struct OptionsValues {
    std::string compiler;
    // Show Help File opens Wine's winhlp32 instead of our own viewer.
    bool wineViewer = false;
    int insColor = 9;
    bool delWarn = true;
    int idCount = 0;
    int idInc = 10;
    bool idAsk = false;
    QString gridFontName;
    int gridFontSize = 8;
    // The first column's width as the author typed it: it is converted only
    // when the dialog's values are applied.
    QString col0Text;
    std::vector<std::string> tools;
    // Where the compiler browse starts when the compiler field is empty.
    QString projectFileName;
};

// "Options": pages "General", "Tools" and "Grid".
class TOptionsBox : public QDialog {
    Q_OBJECT

public:
    TOptionsBox(const OptionsValues& values, QWidget* parent = nullptr);

    // The controls' values; valid after OK.
    OptionsValues Values() const;

    QTabWidget* Pages() const { return pages_; }
    QLineEdit* CompilerEdit() const { return compiler_; }
    QCheckBox* WineViewer() const { return wineViewer_; }
    ColorList* InsColorList() const { return inscolor_; }
    QCheckBox* Warn() const { return warn_; }
    QComboBox* Choose() const { return choose_; }
    QCheckBox* Ask() const { return ask_; }
    UpDown* IncUpDown() const { return incUD_; }
    QListWidget* ToolList() const { return lbTool_; }
    const ToolListEditor& Tools() const { return tools_; }
    QComboBox* GridFontName() const { return gfname_; }
    UpDown* GridFontSize() const { return upDown1_; }
    QLineEdit* Col1() const { return col1_; }
    QLabel* Sample() const { return sample_; }

    // The tool buttons' handlers; each refills the list. EDIT_DIALOG answers
    // the tool dialog (tests replace it); by default it runs TToolEdit.
    using ToolDialog = std::function<bool(QString& title, QString& fileName)>;
    void SetToolDialog(ToolDialog dialog) { toolDialog_ = std::move(dialog); }
    void AddTool();
    void EditTool();
    void DeleteTool();
    void MoveToolUp();
    void MoveToolDown();

private:
    QWidget* BuildGeneralPage(const OptionsValues& values);
    QWidget* BuildToolsPage();
    QWidget* BuildGridPage(const OptionsValues& values);
    void FillToolList();
    void UpdateSample();
    void BrowseCompiler();

    QString projectFileName_;
    ToolListEditor tools_;
    ToolDialog toolDialog_;
    QTabWidget* pages_ = nullptr;
    QLineEdit* compiler_ = nullptr;
    QCheckBox* wineViewer_ = nullptr;
    ColorList* inscolor_ = nullptr;
    QCheckBox* warn_ = nullptr;
    QComboBox* choose_ = nullptr;
    QCheckBox* ask_ = nullptr;
    QLineEdit* inc_ = nullptr;
    UpDown* incUD_ = nullptr;
    QListWidget* lbTool_ = nullptr;
    QComboBox* gfname_ = nullptr;
    QLineEdit* gfsize_ = nullptr;
    UpDown* upDown1_ = nullptr;
    QLineEdit* col1_ = nullptr;
    UpDown* upDown2_ = nullptr;
    QLabel* sample_ = nullptr;
};

}  // namespace scrivlet::app
