#include "app/markup/markup_commands.h"

#include <QTextEdit>

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
    : QObject(parent), host_(std::move(host)) {}

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
