#include "app/markup/link_box.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/markup/file_chooser.h"
#include "core/markup/markup_codes.h"
#include "core/model/project.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {

QString WindowNameOf(const std::string& windowDef) {
    return FromAnsi(windowDef.substr(0, windowDef.find('=')));
}

namespace {

// The width of the topic and window lists, in characters.
constexpr int kListCharacters = 40;

}  // namespace

TLinkBox::TLinkBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Special Link"));
    setObjectName(QStringLiteral("TLinkBox"));

    appear = new QComboBox(this);
    appear->addItems({QStringLiteral("Default green + underline"), QStringLiteral("Underline only"),
                      QStringLiteral("No color or underline")});
    loc = new QComboBox(this);
    loc->addItems({QStringLiteral("Topic in this help file"),
                   QStringLiteral("Anchor in this help file"), QStringLiteral("Another help file"),
                   QStringLiteral("WinHelp macro")});
    pop = new QCheckBox(QStringLiteral("Popup Link"), this);
    TopicLabel = new QLabel(QStringLiteral("Topic:"), this);
    atopic = new QComboBox(this);
    atopic->setMaxVisibleItems(16);
    topicedit = new QLineEdit(this);
    WindowLabel = new QLabel(QStringLiteral("Window:"), this);
    awindow = new QComboBox(this);
    awindow->setEditable(true);
    awindow->setInsertPolicy(QComboBox::NoInsert);
    // A list as wide as its longest title would push OK and Cancel off the
    // screen: long titles are elided, and shown whole as tooltips.
    for (QComboBox* list : {atopic, awindow}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(kListCharacters);
        list->view()->setTextElideMode(Qt::ElideRight);
    }
    FilenameLabel = new QLabel(QStringLiteral("Filename:"), this);
    filename = new QLineEdit(this);
    BrowseBtn = new QPushButton(QStringLiteral("..."), this);
    BrowseBtn->setToolTip(QStringLiteral("Browse"));
    BrowseBtn->setFixedWidth(BrowseBtn->fontMetrics().horizontalAdvance(QStringLiteral("...")) +
                             16);
    medit = new QPlainTextEdit(this);
    medit->setLineWrapMode(QPlainTextEdit::NoWrap);
    medit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    medit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* buttons = new QDialogButtonBox(this);
    OKBtn = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    CancelBtn = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    OKBtn->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Link appearance:"), this), 0, 0);
    grid->addWidget(appear, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Target location:"), this), 1, 0);
    grid->addWidget(loc, 1, 1, 1, 2);
    grid->addWidget(pop, 2, 1, 1, 2);
    grid->addWidget(TopicLabel, 3, 0);
    // The topic list and the topic edit share the "Topic:" row; only one of
    // them shows at a time.
    grid->addWidget(atopic, 3, 1, 1, 2);
    grid->addWidget(topicedit, 3, 1, 1, 2);
    grid->addWidget(WindowLabel, 4, 0);
    grid->addWidget(awindow, 4, 1, 1, 2);
    grid->addWidget(FilenameLabel, 5, 0);
    grid->addWidget(filename, 5, 1);
    grid->addWidget(BrowseBtn, 5, 2);
    grid->addWidget(medit, 6, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(buttons);
    resize(420, 300);

    connect(loc, &QComboBox::currentIndexChanged, this, &TLinkBox::locChange);
    connect(BrowseBtn, &QPushButton::clicked, this, &TLinkBox::BrowseBtnClick);
    locChange();
}

void TLinkBox::Fill(const Project& project, int selectedRow) {
    atopic->clear();
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        const TTopic& topic = project.Topics[i];
        const QString text = FromAnsi(TopicItemText(topic.TopicID, topic.Title.str()));
        atopic->addItem(text);
        atopic->setItemData(atopic->count() - 1, text, Qt::ToolTipRole);
    }
    atopic->setCurrentIndex(selectedRow >= 0 && selectedRow < atopic->count() ? selectedRow : -1);
    awindow->clear();
    for (const auto& def : project.WindowDefs) {
        awindow->addItem(WindowNameOf(def));
    }
    awindow->setCurrentIndex(-1);
    awindow->setEditText(QString());
}

void TLinkBox::locChange() {
    const LinkBoxLayout layout = LayoutForLocation(loc->currentIndex());
    pop->setEnabled(layout.PopupEnabled);
    TopicLabel->setVisible(layout.TopicLabel);
    atopic->setVisible(layout.TopicList);
    topicedit->setVisible(layout.TopicEdit);
    WindowLabel->setVisible(layout.Window);
    awindow->setVisible(layout.Window);
    FilenameLabel->setVisible(layout.FileName);
    filename->setVisible(layout.FileName);
    BrowseBtn->setVisible(layout.FileName);
    medit->setVisible(layout.Macro);
}

void TLinkBox::BrowseBtnClick() {
    OpenFileRequest request;
    request.Title = QStringLiteral("Find Help File");
    request.Filter = QStringLiteral("Help Files (*.hlp)");
    request.SelectedFilter = request.Filter;
    if (!filename->text().isEmpty()) {
        request.Folder = QFileInfo(filename->text()).absolutePath();
    }
    const QString chosen = ChooseOpenFile(this, request);
    if (!chosen.isEmpty()) {
        filename->setText(QFileInfo(chosen).absoluteFilePath());
    }
}

LinkBoxValues TLinkBox::Values() const {
    LinkBoxValues values;
    values.Appearance = appear->currentIndex();
    values.Location = loc->currentIndex();
    values.Popup = pop->isChecked();
    values.TopicItem = ToAnsi(atopic->currentText());
    values.TopicEdit = ToAnsi(topicedit->text());
    values.Window = ToAnsi(awindow->currentText());
    values.FileName = ToAnsi(filename->text());
    values.MacroLines = SplitEditLines(ToAnsi(medit->toPlainText()));
    return values;
}

}  // namespace scrivlet::app
