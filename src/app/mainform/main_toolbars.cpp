#include "app/mainform/main_toolbars.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QFontDatabase>
#include <QMainWindow>
#include <QStyle>
#include <QToolBar>
#include <tuple>

#include "app/mainform/action_registry.h"
#include "app/mainform/drawn_icons.h"

namespace scrivlet::app {
namespace {

QIcon Std(QStyle::StandardPixmap pixmap) {
    return QApplication::style()->standardIcon(pixmap);
}

QToolBar* NewBar(QMainWindow& window, const char* name, const char* caption) {
    auto* bar = new QToolBar(caption, &window);
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    window.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

QAction* Button(QToolBar* bar, ActionRegistry& a, const char* name, const char* hint,
                const QIcon& icon) {
    QAction* action = a.Add(name, hint, {}, hint);
    action->setIcon(icon);
    bar->addAction(action);
    return action;
}

// The font colour box's sixteen colours, in table order.
constexpr int kColors[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
                                {192, 192, 192}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

}  // namespace

MainToolbars BuildMainToolbars(QMainWindow& window, ActionRegistry& a) {
    MainToolbars t;

    QToolBar* main = NewBar(window, "MainTbar", "Main");
    Button(main, a, "SaveBtn", "Save", Std(QStyle::SP_DialogSaveButton));
    Button(main, a, "NewBtn", "New", Std(QStyle::SP_FileIcon));
    Button(main, a, "FindBtn", "Find", GlyphIcon("?"));
    Button(main, a, "SpellBtn", "Spell Check", GlyphIcon("abc"));
    Button(main, a, "OpenBtn", "Open", Std(QStyle::SP_DialogOpenButton));

    QToolBar* project = NewBar(window, "ProjectTbar", "Project");
    Button(project, a, "ShowHelpBtn", "Show Help File", Std(QStyle::SP_DialogHelpButton));
    Button(project, a, "WindowsBtn", "Windows", Std(QStyle::SP_TitleBarNormalButton));
    Button(project, a, "ContentsBtn", "Contents Editor", Std(QStyle::SP_FileDialogListView));
    Button(project, a, "OptionsBtn", "Project Options", Std(QStyle::SP_FileDialogDetailedView));
    Button(project, a, "CompileBtn", "Compile", Std(QStyle::SP_MediaPlay));

    QToolBar* help = NewBar(window, "HelpTbar", "Help Tools");
    QAction* keepn = Button(help, a, "KeepnBtn", "Keepn", GlyphIcon("\u00b6"));
    keepn->setStatusTip("Apply keep next paragraph style to create non-scrolling region");
    Button(help, a, "LinkBtn", "Link", GlyphIcon("lnk"));
    Button(help, a, "AnchorBtn", "Anchor", GlyphIcon("#"));
    Button(help, a, "ImageBtn", "Image", GlyphIcon("img"));
    Button(help, a, "ButtonBtn", "Button", GlyphIcon("btn"));

    QToolBar* topic = NewBar(window, "TopicTbar", "Topic");
    Button(topic, a, "PropBtn", "Topic Properties", GlyphIcon("P"))->setCheckable(true);
    Button(topic, a, "AddBtn", "Add Topic", GlyphIcon("+"));
    Button(topic, a, "RemoveBtn", "Remove Topic", GlyphIcon("\u2212"));

    // Three rows fit the eight toolbars into the default window width.
    window.addToolBarBreak(Qt::TopToolBarArea);
    QToolBar* text = NewBar(window, "TextTbar", "Text");
    Button(text, a, "UndoBtn", "Undo", Std(QStyle::SP_ArrowBack));
    Button(text, a, "CopyBtn", "Copy", GlyphIcon("cp"));
    Button(text, a, "CutBtn", "Cut", GlyphIcon("ct"));
    Button(text, a, "PasteBtn", "Paste", GlyphIcon("ps"));

    QToolBar* nav = NewBar(window, "NavTbar", "Navigation");
    Button(nav, a, "FirstBtn", "First", Std(QStyle::SP_MediaSkipBackward));
    Button(nav, a, "PrevBtn", "Previous", Std(QStyle::SP_MediaSeekBackward));
    Button(nav, a, "NextBtn", "Next", Std(QStyle::SP_MediaSeekForward));
    Button(nav, a, "LastBtn", "Last", Std(QStyle::SP_MediaSkipForward));

    QToolBar* style = NewBar(window, "StyleTbar", "Style");
    Button(style, a, "BoldBtn", "Bold", GlyphIcon("B", GlyphStyle::Bold))->setCheckable(true);
    Button(style, a, "ItalicBtn", "Italic", GlyphIcon("I", GlyphStyle::Italic))->setCheckable(true);
    Button(style, a, "UnderlineBtn", "Underline", GlyphIcon("U", GlyphStyle::Underline))
        ->setCheckable(true);
    Button(style, a, "StrikeBtn", "Strike", GlyphIcon("S", GlyphStyle::Strike))->setCheckable(true);
    auto* align = new QActionGroup(&window);
    for (auto [name, hint, kind] : {std::tuple{"LeftBtn", "Left", LinesIcon::Left},
                                    std::tuple{"CenterBtn", "Center", LinesIcon::Center},
                                    std::tuple{"RightBtn", "Right", LinesIcon::Right}}) {
        QAction* button = Button(style, a, name, hint, LinesIconOf(kind));
        button->setCheckable(true);
        align->addAction(button);
    }
    a.Get("LeftBtn")->setChecked(true);
    Button(style, a, "BulletsBtn", "Bullets", LinesIconOf(LinesIcon::Bullets))->setCheckable(true);

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
    for (const auto& rgb : kColors) {
        t.color->addItem(ColorIcon(QColor(rgb[0], rgb[1], rgb[2])), QString());
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
