#include "app/mainform/main_toolbars.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QMainWindow>
#include <QToolBar>
#include <utility>

#include "app/mainform/action_registry.h"

namespace scrivlet::app {
namespace {

QToolBar* NewBar(QMainWindow& window, const char* name, const char* caption) {
    auto* bar = new QToolBar(caption, &window);
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    window.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

// The buttons get their pictures from ApplyActionIcons.
QAction* Button(QToolBar* bar, ActionRegistry& a, const char* name, const char* hint) {
    QAction* action = a.Add(name, hint, {}, hint);
    bar->addAction(action);
    return action;
}

}  // namespace

MainToolbars BuildMainToolbars(QMainWindow& window, ActionRegistry& a) {
    MainToolbars t;

    QToolBar* main = NewBar(window, "MainTbar", "Main");
    Button(main, a, "SaveBtn", "Save");
    Button(main, a, "NewBtn", "New");
    Button(main, a, "FindBtn", "Find");
    Button(main, a, "SpellBtn", "Spell Check");
    Button(main, a, "OpenBtn", "Open");

    QToolBar* project = NewBar(window, "ProjectTbar", "Project");
    Button(project, a, "ShowHelpBtn", "Show Help File");
    Button(project, a, "WindowsBtn", "Windows");
    Button(project, a, "ContentsBtn", "Contents Editor");
    Button(project, a, "OptionsBtn", "Project Options");
    Button(project, a, "CompileBtn", "Compile");

    QToolBar* help = NewBar(window, "HelpTbar", "Help Tools");
    QAction* keepn = Button(help, a, "KeepnBtn", "Keepn");
    keepn->setStatusTip("Apply keep next paragraph style to create non-scrolling region");
    Button(help, a, "LinkBtn", "Link");
    Button(help, a, "AnchorBtn", "Anchor");
    Button(help, a, "ImageBtn", "Image");
    Button(help, a, "ButtonBtn", "Button");

    QToolBar* topic = NewBar(window, "TopicTbar", "Topic");
    Button(topic, a, "PropBtn", "Topic Properties")->setCheckable(true);
    Button(topic, a, "AddBtn", "Add Topic");
    Button(topic, a, "RemoveBtn", "Remove Topic");

    // Three rows fit the eight toolbars into the default window width.
    window.addToolBarBreak(Qt::TopToolBarArea);
    QToolBar* text = NewBar(window, "TextTbar", "Text");
    Button(text, a, "UndoBtn", "Undo");
    Button(text, a, "CopyBtn", "Copy");
    Button(text, a, "CutBtn", "Cut");
    Button(text, a, "PasteBtn", "Paste");

    QToolBar* nav = NewBar(window, "NavTbar", "Navigation");
    Button(nav, a, "FirstBtn", "First");
    Button(nav, a, "PrevBtn", "Previous");
    Button(nav, a, "NextBtn", "Next");
    Button(nav, a, "LastBtn", "Last");

    QToolBar* style = NewBar(window, "StyleTbar", "Style");
    Button(style, a, "BoldBtn", "Bold")->setCheckable(true);
    Button(style, a, "ItalicBtn", "Italic")->setCheckable(true);
    Button(style, a, "UnderlineBtn", "Underline")->setCheckable(true);
    Button(style, a, "StrikeBtn", "Strike")->setCheckable(true);
    auto* align = new QActionGroup(&window);
    for (auto [name, hint] : {std::pair{"LeftBtn", "Left"}, std::pair{"CenterBtn", "Center"},
                              std::pair{"RightBtn", "Right"}}) {
        QAction* button = Button(style, a, name, hint);
        button->setCheckable(true);
        align->addAction(button);
    }
    a.Get("LeftBtn")->setChecked(true);
    Button(style, a, "BulletsBtn", "Bullets")->setCheckable(true);

    window.addToolBarBreak(Qt::TopToolBarArea);
    QToolBar* font = NewBar(window, "FontTbar", "Font");
    t.fontName = new QComboBox(font);
    t.fontName->setObjectName("FontName");
    t.fontName->setToolTip("Font Name");
    t.fontName->setStatusTip("Font Name");
    t.fontName->setMaxVisibleItems(18);
    QStringList families = QFontDatabase::families();
    families.sort();
    t.fontName->addItems(families);
    t.fontName->setMinimumContentsLength(14);
    t.color = new QComboBox(font);
    t.color->setObjectName("cbcolor");
    t.color->setToolTip("Font Color");
    t.color->setStatusTip("Font Color");
    t.color->setMaxVisibleItems(16);
    for (int i = 0; i < 16; ++i) {
        t.color->addItem(QString());  // MakeColorBox draws the swatches
    }
    t.fontSize = new QComboBox(font);
    t.fontSize->setObjectName("FontSize");
    t.fontSize->setToolTip("Font Size");
    t.fontSize->setStatusTip("Font Size");
    t.fontSize->setMaxVisibleItems(18);
    t.fontSize->addItems({"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26",
                          "28", "36", "48", "72"});
    font->addWidget(t.fontName);
    font->addWidget(t.color);
    font->addWidget(t.fontSize);

    t.all = {main, project, style, text, font, help, topic, nav};
    return t;
}

}  // namespace scrivlet::app
