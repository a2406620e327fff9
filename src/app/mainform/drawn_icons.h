#pragma once

#include <QIcon>
#include <QString>

namespace scrivlet::app {

// Small toolbar icons of our own: a glyph drawn in a 16 by 16 pixmap, with
// an optional style (bold, italic, underline, strike through).
enum class GlyphStyle { Plain, Bold, Italic, Underline, Strike };
QIcon GlyphIcon(const QString& glyph, GlyphStyle style = GlyphStyle::Plain);

// Three lines aligned left, centred or right; a bulleted list.
enum class LinesIcon { Left, Center, Right, Bullets };
QIcon LinesIconOf(LinesIcon kind);

// A filled square of a colour, for the colour box.
QIcon ColorIcon(const QColor& color);

}  // namespace scrivlet::app
