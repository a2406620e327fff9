#include "app/markup/markup_commands.h"

#include <QAction>
#include <QMenu>
#include <QTextEdit>
#include <QToolBar>

#include "app/common/message_box.h"
#include "app/markup/anchor_prompt.h"
#include "app/markup/button_box.h"
#include "app/markup/image_box.h"
#include "app/markup/insert_markup.h"
#include "app/markup/link_box.h"
#include "core/markup/markup_codes.h"
#include "core/model/project.h"
#include "core/util/errors.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {

MarkupCommands::MarkupCommands(MarkupHost host, QObject* parent)
    : QObject(parent), host_(std::move(host)) {
    LinkAction = MakeAction(QStringLiteral("&Link..."), QStringLiteral("Create a link"));
    LinkAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    LinkAction->setIconText(QStringLiteral("Link"));
    ImageAction = MakeAction(QStringLiteral("&Image..."), QStringLiteral("Insert an image"));
    ImageAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    ImageAction->setIconText(QStringLiteral("Image"));
    ButtonAction = MakeAction(QStringLiteral("&Button..."), QStringLiteral("Insert a button"));
    ButtonAction->setIconText(QStringLiteral("Button"));
    KeepnAction = MakeAction(
        QStringLiteral("&Keepn"),
        QStringLiteral("Apply keep next paragraph style to create non-scrolling region"));
    KeepnAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    KeepnAction->setIconText(QStringLiteral("Keepn"));
    KeepnAction->setToolTip(QStringLiteral("Keepn"));
    AnchorAction = MakeAction(QStringLiteral("&Anchor..."), QStringLiteral("Create an anchor"));
    AnchorAction->setIconText(QStringLiteral("Anchor"));

    StandardLinkAction = MakeAction(QStringLiteral("&Link"), QStringLiteral("Standard Link"));
    PopupLinkAction =
        MakeAction(QStringLiteral("Pop&up Link"), QStringLiteral("Standard Popup Link"));
    SpecialLinkAction =
        MakeAction(QStringLiteral("&Special Link..."), QStringLiteral("Special Link"));

    connect(LinkAction, &QAction::triggered, this, &MarkupCommands::LinkBtnClick);
    connect(SpecialLinkAction, &QAction::triggered, this, &MarkupCommands::LinkBtnClick);
    connect(StandardLinkAction, &QAction::triggered, this, [this] { LinkClick(false); });
    connect(PopupLinkAction, &QAction::triggered, this, [this] { LinkClick(true); });
    connect(ImageAction, &QAction::triggered, this, &MarkupCommands::ImgBtnClick);
    connect(ButtonAction, &QAction::triggered, this, &MarkupCommands::ButtonBtnClick);
    connect(KeepnAction, &QAction::triggered, this, &MarkupCommands::KeepBtnClick);
    connect(AnchorAction, &QAction::triggered, this, &MarkupCommands::AnchBtnClick);
}

QAction* MarkupCommands::MakeAction(const QString& text, const QString& hint) {
    auto* action = new QAction(text, this);
    action->setStatusTip(hint);
    action->setToolTip(hint);
    return action;
}

void MarkupCommands::AddToToolsMenu(QMenu* menu) const {
    menu->addAction(LinkAction);
    menu->addAction(ImageAction);
    menu->addAction(ButtonAction);
    menu->addAction(KeepnAction);
    menu->addAction(AnchorAction);
}

void MarkupCommands::AddToToolBar(QToolBar* bar) const {
    bar->addAction(LinkAction);
    bar->addAction(ImageAction);
    bar->addAction(ButtonAction);
    bar->addAction(KeepnAction);
    bar->addAction(AnchorAction);
}

void MarkupCommands::AddToTopicPopup(QMenu* menu) const {
    menu->addAction(StandardLinkAction);
    menu->addAction(PopupLinkAction);
    menu->addAction(SpecialLinkAction);
}

namespace {

MarkupTarget TargetOf(const MarkupHost& host) {
    return MarkupTarget{host.Editor, host.InsColor ? host.InsColor() : 9, host.SelectionChange};
}

int SelectedRow(const MarkupHost& host) {
    return host.SelectedTopicRow ? host.SelectedTopicRow() : -1;
}

}  // namespace

void MarkupCommands::LinkBtnClick() {
    TLinkBox box(host_.Window);
    box.Fill(*host_.Proj, SelectedRow(host_));
    if (box.exec() != QDialog::Accepted) {
        return;
    }
    const auto request = LinkRequestFrom(box.Values());
    if (!request) {
        return;
    }
    try {
        InsertLinkCode(TargetOf(host_), host_.Proj->Topics, request->Popup,
                       FromAnsi(request->Prefix), request->ProjectTopic, FromAnsi(request->Window),
                       FromAnsi(request->Target));
    } catch (const ScrivletError& error) {
        MessageBox::Error(host_.Window, QString::fromStdString(error.what()));
    }
}

void MarkupCommands::LinkClick(bool popup) {
    if (host_.FocusEditorNotebook) {
        host_.FocusEditorNotebook();
    }
    const int row = SelectedRow(host_);
    if (row < 0 || static_cast<std::size_t>(row) >= host_.Proj->Topics.Count()) {
        return;
    }
    const int32_t id = host_.Proj->Topics[static_cast<std::size_t>(row)].TopicID;
    InsertLinkCode(TargetOf(host_), host_.Proj->Topics, popup, QString(), true, QString(),
                   QString::number(id));
}

void MarkupCommands::ImgBtnClick() {
    TImageBox box(*host_.Proj, host_.Window);
    if (box.exec() != QDialog::Accepted) {
        return;
    }
    InsertMarkupCode(TargetOf(host_), FromAnsi(box.ImageCode()));
}

void MarkupCommands::ButtonBtnClick() {
    TButtonBox box(host_.Window);
    if (box.exec() != QDialog::Accepted) {
        return;
    }
    InsertMarkupCode(TargetOf(host_), FromAnsi(box.ButtonCode()));
}

void MarkupCommands::AnchBtnClick() {
    const auto name = AskAnchorName(host_.Window);
    if (!name) {
        return;
    }
    InsertMarkupCode(TargetOf(host_), FromAnsi(BuildAnchorCode(ToAnsi(*name))));
}

void MarkupCommands::KeepBtnClick() {
    InsertKeepn(TargetOf(host_));
}

}  // namespace scrivlet::app
