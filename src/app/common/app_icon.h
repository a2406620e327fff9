#pragma once

#include <QIcon>
#include <QString>

class QPalette;

namespace scrivlet::app {

// The icon NAME, made once and kept. A freedesktop name ("edit-cut") comes
// from the desktop's icon theme when the theme has it; otherwise, and for our
// own pictures (names starting "scrivlet-"), from the drawing bundled in the
// resources, its lines in the palette's text colour so that it reads on light
// and dark windows alike. Null only for a name nothing draws.
QIcon AppIcon(const QString& name);

// A plain X session names no icon theme (Qt reports "hicolor", which holds
// no action icons): pick an installed one that suits PALETTE, its dark
// variant for a dark window. A theme the desktop chose is kept.
void ChooseIconTheme(const QPalette& palette);

}  // namespace scrivlet::app
