#pragma once

class QComboBox;
class QString;

namespace scrivlet::app {

// Shows NAME in the Font toolbar's name box: the item of that name, ignoring
// letter case, when the box lists it; otherwise no item, with the name
// itself shown in italics, so that a font this machine does not have (a
// topic written elsewhere in "Tahoma") still reads in the box.
void ShowFontName(QComboBox& box, const QString& name);

}  // namespace scrivlet::app
