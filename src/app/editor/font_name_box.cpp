#include "app/editor/font_name_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFont>

namespace scrivlet::app {
namespace {

void SetItalic(QComboBox& box, bool italic) {
    QFont font = box.font();
    if (font.italic() != italic) {
        font.setItalic(italic);
        box.setFont(font);
    }
}

}  // namespace

void ShowFontName(QComboBox& box, const QString& name) {
    if (!box.view()->testAttribute(Qt::WA_SetFont)) {
        // The first time: the list keeps upright names while the box is
        // italic, and a name chosen from the list stands upright at once.
        QFont upright = box.font();
        upright.setItalic(false);  // marked as set, so the box's italic does not reach it
        box.view()->setFont(upright);
        QObject::connect(&box, &QComboBox::currentIndexChanged, &box, [&box](int index) {
            if (index >= 0) {
                SetItalic(box, false);
            }
        });
    }
    const int index = box.findText(name, Qt::MatchFixedString);
    box.setCurrentIndex(index);
    box.setPlaceholderText(index < 0 ? name : QString());
    SetItalic(box, index < 0);
}

}  // namespace scrivlet::app
