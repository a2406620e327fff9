#include "app/options/options_command.h"

#include <QHeaderView>

#include "app/build/help_viewer.h"
#include "app/common/message_box.h"
#include "app/mainform/tmainform.h"
#include "app/options/toptionsbox.h"
#include "app/topics/topic_grid_view.h"
#include "core/topics/preferences.h"
#include "core/util/convert.h"
#include "core/util/errors.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {

OptionsValues CurrentOptions(TMainForm& form) {
    const Preferences& prefs = form.Prefs();
    OptionsValues v;
    v.compiler = prefs.Compiler;
    v.wineViewer = WineViewerChosen();
    v.insColor = prefs.InsColor;
    v.delWarn = prefs.DelWarn;
    v.idCount = prefs.IDcount;
    v.idInc = prefs.IDinc;
    v.idAsk = prefs.IDask;
    const QFont font = form.TopicGrid()->font();
    v.gridFontName = font.family();
    v.gridFontSize = font.pointSize() > 0 ? font.pointSize() : prefs.gsize;
    v.col0Text = QString::number(form.TopicGrid()->columnWidth(0));
    v.tools = form.Tools();
    v.projectFileName = FromAnsi(form.GetProject().ProjectFileName);
    return v;
}

bool ApplyOptions(TMainForm& form, const OptionsValues& values) {
    Preferences& prefs = form.Prefs();
    prefs.Compiler = values.compiler;
    ChooseWineViewer(values.wineViewer);
    prefs.InsColor = static_cast<uint8_t>(values.insColor);
    prefs.DelWarn = values.delWarn;
    prefs.IDask = values.idAsk;
    prefs.IDinc = static_cast<uint8_t>(values.idInc);
    prefs.IDcount = static_cast<uint8_t>(values.idCount);

    form.ApplyGridFont(values.gridFontName, values.gridFontSize);
    prefs.gfont = ToAnsi(values.gridFontName);
    prefs.gsize = values.gridFontSize;

    const auto width = TryStrToInt(ToAnsi(values.col0Text));
    if (!width) {
        MessageBox::Error(&form, FromAnsi(InvalidIntegerMessage(ToAnsi(values.col0Text))));
        return false;
    }
    form.TopicGrid()->setColumnWidth(0, *width);
    prefs.Col0 = *width;

    form.Tools() = values.tools;
    form.BuildToolsMenu();
    form.SetOptionsConfirmed();
    return true;
}

void Options2Click(TMainForm& form) {
    TOptionsBox dialog(CurrentOptions(form), &form);
    if (dialog.exec() == QDialog::Accepted) {
        ApplyOptions(form, dialog.Values());
    }
}

}  // namespace scrivlet::app
