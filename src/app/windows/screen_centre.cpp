#include "app/windows/screen_centre.h"

#include <QScreen>
#include <QWidget>

namespace scrivlet::app {

void CentreOnScreen(QWidget* dialog) {
    dialog->adjustSize();
    const QScreen* screen = dialog->screen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog->move(frame.topLeft());
}

}  // namespace scrivlet::app
