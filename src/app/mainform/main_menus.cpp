#include "app/mainform/main_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <tuple>

#include "app/mainform/action_registry.h"

namespace scrivlet::app {
namespace {

QKeySequence Keys(const char* text) {
    return QKeySequence(QString::fromLatin1(text));
}

}  // namespace

MainMenus BuildMainMenus(QMainWindow& window, ActionRegistry& a) {
    MainMenus m;
    QMenuBar* bar = window.menuBar();

    m.file = bar->addMenu("&File");
    m.file->setObjectName("FileMenu");
    m.file->addAction(a.Add("FileNew", "&New", Keys("Ctrl+N")));
    m.file->addAction(a.Add("FileOpen", "&Open...", Keys("Ctrl+O")));
    m.file->addAction(a.Add("FileSave", "&Save", Keys("Ctrl+S")));
    m.file->addAction(a.Add("FileSaveAs", "Save &As..."));
    m.file->addSeparator();
    m.file->addAction(a.Add("FileExit", "E&xit", Keys("Ctrl+Q")));

    m.edit = bar->addMenu("&Edit");
    m.edit->setObjectName("EditMenu");
    m.edit->addAction(
        a.Add("EditUndo", "&Undo", Keys("Ctrl+Z"), "Undo the last change to the project"));
    m.edit->addAction(
        a.Add("EditRedo", "&Redo", Keys("Ctrl+Shift+Z"), "Redo the last change undone"));
    m.edit->actions().constLast()->setShortcuts({Keys("Ctrl+Shift+Z"), Keys("Ctrl+Y")});
    for (auto [name, caption, hint, keys] :
         {std::tuple{"EditCut", "Cu&t", "Cut selected text to clipboard", QKeySequence::Cut},
          std::tuple{"EditCopy", "&Copy", "Copy selected text to clipboard", QKeySequence::Copy},
          std::tuple{"EditPaste", "&Paste", "Paste text from clipboard", QKeySequence::Paste}}) {
        QAction* item = a.Add(name, caption, {}, hint);
        item->setShortcuts(keys);
        m.edit->addAction(item);
    }
    m.edit->addAction(a.Add("EditSelectAll", "&Select All", {}, "Select All"));
    m.edit->addAction(a.Add("EditFind", "&Find...", Keys("Ctrl+Shift+F"), "Find text"));
    m.edit->addAction(a.Add("EditFindNext", "Find &Next", Keys("F3"), "Find Next"));
    m.edit->addAction(
        a.Add("EditReplace", "R&eplace && Find Next", Keys("F4"), "Replace and find next"));

    m.text = bar->addMenu("Te&xt");
    m.text->setObjectName("TextMenu");
    m.text->addAction(
        a.Add("TextFont", "&Font...", Keys("Ctrl+F"), "Edit font attributes of current selection"));
    m.text->addAction(a.Add("TextBold", "&Bold", Keys("Ctrl+B")));
    m.text->addAction(a.Add("TextItalic", "&Italic", Keys("Ctrl+I")));
    m.text->addAction(a.Add("TextUnderline", "&Underline", Keys("Ctrl+U")));
    m.text->addAction(a.Add("TextStrike", "&Strike Through", Keys("Ctrl+Shift+S")));
    m.text->addAction(a.Add("TextBullet", "Bu&llet", Keys("Ctrl+Shift+B")));
    auto* align = new QActionGroup(&window);
    for (auto [name, caption, hint] : {std::tuple{"TextLeft", "&Left", "Align Left"},
                                       std::tuple{"TextCenter", "&Center", "Align Center"},
                                       std::tuple{"TextRight", "&Right", "Align Right"}}) {
        QAction* item = a.Add(name, caption, {}, hint);
        item->setCheckable(true);
        align->addAction(item);
        m.text->addAction(item);
    }
    a.Get("TextLeft")->setChecked(true);

    m.tools = bar->addMenu("T&ools");
    m.tools->setObjectName("ToolsMenu");
    m.tools->addAction(a.Add("ToolsLink", "&Link...", Keys("Ctrl+L"), "Create a link"));
    m.tools->addAction(a.Add("ToolsImage", "&Image...", Keys("Ctrl+G"), "Insert an image"));
    m.tools->addAction(a.Add("ToolsButton", "&Button...", {}, "Insert a button"));
    m.tools->addAction(a.Add("ToolsKeepn", "&Keepn", Keys("Ctrl+K"),
                             "Apply keep next paragraph style to create non-scrolling region"));
    m.tools->addAction(a.Add("ToolsAnchor", "&Anchor...", {}, "Create an anchor"));
    m.tools->addSeparator();
    m.tools->addAction(a.Add("Spell1", "&Spell Check...", Keys("F7"), "Spell check"));
    m.tools->addAction(a.Add("Thesaurus1", "&Thesaurus...", Keys("F8"), "Thesaurus"));
    m.tools->addAction(
        a.Add("ContentsEditor1", "&Contents Editor...", Keys("F6"), "Contents File Editor"));

    m.project = bar->addMenu("&Project");
    m.project->setObjectName("ProjectMenu");
    m.project->addAction(a.Add("Compile1", "&Compile", Keys("F9"), "Compile current project"));
    m.project->addAction(a.Add("ShowHelpFile1", "&Show Help File", Keys("Ctrl+F9"),
                               "Display help file with WinHelp"));
    m.project->addAction(a.Add("Windows1", "&Windows...", Keys("Ctrl+W"), "Project Windows"));
    m.project->addAction(a.Add("Options1", "&Options...", Keys("Ctrl+P")));
    m.project->addAction(a.Add("Report1", "&Report...", {}, "Generate list of topics"));

    m.topic = bar->addMenu("&Topic");
    m.topic->setObjectName("TopicMenu");
    m.topic->addAction(a.Add("TopicAdd", "&Add", Keys("Ctrl+=")));
    m.topic->addAction(a.Add("TopicRemove", "&Remove", Keys("Ctrl+-")));
    m.sort = m.topic->addMenu("&Sort");
    m.sort->setObjectName("SortMenu");
    m.sort->addAction(a.Add("SortById", "by Topic &ID", Keys("Ctrl+1")));
    m.sort->addAction(a.Add("SortByTitle", "by &Title", Keys("Ctrl+2")));
    m.topic->addAction(a.Add("TopicProperties", "&Properties", Keys("Ctrl+T")));

    m.view = bar->addMenu("&View");
    m.view->setObjectName("ViewMenu");
    m.toolbars = m.view->addMenu("&Toolbars");
    m.toolbars->setObjectName("ToolbarsMenu");
    for (auto [name, caption, hint] :
         {std::tuple{"ViewMainTbar", "&Main", "Hide or show main toolbar"},
          std::tuple{"ViewProjectTbar", "&Project", "Hide or show project toolbar"},
          std::tuple{"ViewStyleTbar", "&Style", "Hide or show style toolbar"},
          std::tuple{"ViewTextTbar", "&Text", "Hide or show text toolbar"},
          std::tuple{"ViewFontTbar", "&Font", "Hide or show font toolbar"},
          std::tuple{"ViewHelpTbar", "&Help Tools", "Hide or show help tools toolbar"},
          std::tuple{"ViewTopicTbar", "T&opic", "Hide or show topic toolbar"},
          std::tuple{"ViewNavTbar", "&Navigation", "Hide or show navigation toolbar"}}) {
        QAction* item = a.Add(name, caption, {}, hint);
        item->setCheckable(true);
        item->setChecked(true);
        m.toolbars->addAction(item);
    }
    for (auto [name, caption, hint] :
         {std::tuple{"ViewRuler", "&Ruler", "Hide or show ruler"},
          std::tuple{"ViewStatusBar", "&Status Bar", "Hide or show the status bar"}}) {
        QAction* item = a.Add(name, caption, {}, hint);
        item->setCheckable(true);
        item->setChecked(true);
        m.view->addAction(item);
    }
    QAction* log = a.Add("ErrorLog1", "&Error Log", Keys("F12"), "Hide or show Error log");
    log->setCheckable(true);
    m.view->addAction(log);
    m.view->addAction(a.Add("Options2", "&Options...", {}, "Scrivlet Options"));

    m.help = bar->addMenu("&Help");
    m.help->setObjectName("HelpMenu");
    m.help->addAction(a.Add("HelpTopics", "&Help Topics"));
    m.help->addAction(a.Add("HelpAbout", "&About..."));
    return m;
}

}  // namespace scrivlet::app
