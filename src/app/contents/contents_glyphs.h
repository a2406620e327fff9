#pragma once

#include <QIcon>
#include <QPixmap>

namespace scrivlet::app {

// The 16 by 16 pictures of the contents lists: a closed book for headings, a
// page for topic and macro entries, a plus for include lines.
QPixmap BookGlyph();
QPixmap PageGlyph();
QPixmap PlusGlyph();

// Toolbar pictures of the contents editor that the style does not offer.
QIcon AddItemIcon();
QIcon DeleteItemIcon();
QIcon EditItemIcon();

}  // namespace scrivlet::app
