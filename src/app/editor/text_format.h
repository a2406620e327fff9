#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <functional>

#include "core/editor/colors.h"

class QTextBlock;
class QTextCursor;
class QTextEdit;

namespace scrivlet::app {

// How the editor reads and sets the character and paragraph attributes the
// formatting controls show.

// Alignment tags: left 0, right 1, centre 2.
int AlignmentTag(Qt::Alignment alignment);
Qt::Alignment AlignmentOfTag(int tag);

// The text colour of FORMAT; black when the text has none of its own.
RgbColor RgbOfFormat(const QTextCharFormat& format);
// The size in points as decimal text ("12", "11.5").
QString SizeText(const QTextCharFormat& format);
// The font family of FORMAT, or of FALLBACK when it names none.
QString FontNameOf(const QTextCharFormat& format, const QFont& fallback);

void SetSelectionFontName(QTextEdit& edit, const QString& name);
void SetSelectionFontSize(QTextEdit& edit, int points);
void SetSelectionColor(QTextEdit& edit, const QColor& color);

// Runs CHANGE over every paragraph the selection touches, with a copy of its
// format, and stores the changed format back.
void ForEachSelectedBlock(QTextCursor& cursor,
                          const std::function<void(const QTextBlock&, QTextBlockFormat&)>& change);

}  // namespace scrivlet::app
