#include "app/markup/insert_markup.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <optional>

#include "core/markup/markup_codes.h"
#include "core/markup/topic_lookup.h"
#include "core/model/topic_list.h"
#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

const QColor kHotspotGreen(0, 128, 0);

// The colour property of a format, or nothing when it has none (the text is
// then drawn in the editor's default colour).
std::optional<QBrush> ForegroundOf(const QTextCharFormat& format) {
    if (format.hasProperty(QTextFormat::ForegroundBrush)) {
        return format.foreground();
    }
    return std::nullopt;
}

void SetForeground(QTextCharFormat& format, const std::optional<QBrush>& brush) {
    if (brush) {
        format.setForeground(*brush);
    } else {
        format.clearForeground();
    }
}

// The character format of the selection as the author sees it: that of its
// first character, whichever way it was made; the typing format at a caret.
QTextCharFormat SelectionFormat(const QTextCursor& cursor) {
    if (!cursor.hasSelection()) {
        return cursor.charFormat();
    }
    QTextCursor first(cursor.document());
    first.setPosition(cursor.selectionStart() + 1);
    return first.charFormat();
}

// Moves the caret just after the selected text, which stays as it is.
void CollapseToEnd(QTextCursor& cursor) {
    if (cursor.hasSelection()) {
        cursor.setPosition(cursor.selectionEnd());
    }
}

// Inserts TEXT at the caret in the caret's format with the colour BRUSH, then
// leaves the caret's typing colour at SAVED.
void InsertColored(QTextCursor& cursor, const QString& text, const QBrush& brush,
                   const std::optional<QBrush>& saved) {
    QTextCharFormat format = cursor.charFormat();
    format.setForeground(brush);
    cursor.setCharFormat(format);
    cursor.insertText(text);
    QTextCharFormat after = cursor.charFormat();
    SetForeground(after, saved);
    cursor.setCharFormat(after);
}

void Finish(const MarkupTarget& target, QTextCursor& cursor) {
    cursor.endEditBlock();
    target.Editor->setTextCursor(cursor);
    if (target.SelectionChange) {
        target.SelectionChange();
    }
}

}  // namespace

QColor ToQColor(RgbColor color) {
    return QColor(color.Red, color.Green, color.Blue);
}

bool InsertLinkCode(const MarkupTarget& target, const TTopicList& topics, bool popup,
                    const QString& prefix, bool projectTopic, const QString& window,
                    const QString& linkTarget) {
    int topicIndex = -1;
    if (projectTopic) {
        topicIndex = IndexOfTopicID(topics, ToAnsi(linkTarget));
        if (topicIndex < 0) {
            return false;
        }
    }
    QTextCursor cursor = target.Editor->textCursor();
    cursor.beginEditBlock();
    const std::optional<QBrush> saved = ForegroundOf(SelectionFormat(cursor));

    QTextCharFormat hotspot;
    if (popup) {
        hotspot.setFontUnderline(true);
    } else {
        hotspot.setFontStrikeOut(true);
        hotspot.setFontUnderline(false);
    }
    if (prefix.isEmpty()) {
        hotspot.setForeground(kHotspotGreen);
    }
    cursor.mergeCharFormat(hotspot);

    if (cursor.hasSelection()) {
        CollapseToEnd(cursor);
    } else if (projectTopic) {
        const TTopic& topic = topics[static_cast<std::size_t>(topicIndex)];
        cursor.insertText(FromAnsi(topic.Title.str()));
    }

    // The code must not carry the hotspot style.
    QTextCharFormat plain = cursor.charFormat();
    if (popup) {
        plain.setFontUnderline(false);
    } else {
        plain.setFontStrikeOut(false);
    }
    cursor.setCharFormat(plain);

    const QString code =
        FromAnsi(BuildLinkCode(projectTopic, ToAnsi(prefix), ToAnsi(linkTarget), ToAnsi(window)));
    InsertColored(cursor, code, ToQColor(ColorOfIndex(target.InsColor)), saved);
    Finish(target, cursor);
    return true;
}

void InsertMarkupCode(const MarkupTarget& target, const QString& code) {
    QTextCursor cursor = target.Editor->textCursor();
    cursor.beginEditBlock();
    CollapseToEnd(cursor);
    const std::optional<QBrush> saved = ForegroundOf(cursor.charFormat());
    InsertColored(cursor, code, ToQColor(ColorOfIndex(target.InsColor)), saved);
    Finish(target, cursor);
}

namespace {

// The size in points of the text a format draws, also when it only names a
// pixel size or nothing (then the editor's font decides).
double PointSizeOf(const QTextCharFormat& format, const QFont& editorFont) {
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0) {
        return format.fontPointSize();
    }
    const QFont font = format.hasProperty(QTextFormat::FontPixelSize) ? format.font() : editorFont;
    if (font.pointSizeF() > 0) {
        return font.pointSizeF();
    }
    // A pixel size at the screen's 96 pixels per inch.
    return font.pixelSize() * 72.0 / 96.0;
}

void CopySizeProperty(QTextCharFormat& to, const QTextCharFormat& from, int property) {
    if (from.hasProperty(property)) {
        to.setProperty(property, from.property(property));
    } else {
        to.clearProperty(property);
    }
}

}  // namespace

void InsertKeepn(const MarkupTarget& target) {
    QTextCursor cursor = target.Editor->textCursor();
    cursor.beginEditBlock();
    CollapseToEnd(cursor);
    const QTextCharFormat saved = cursor.charFormat();
    const double size = PointSizeOf(saved, target.Editor->document()->defaultFont());
    const double keepnSize = KeepnFontSize(size);
    QTextCharFormat format = saved;
    if (keepnSize != size) {
        format.clearProperty(QTextFormat::FontPixelSize);
        format.setFontPointSize(keepnSize);
    }
    format.setForeground(ToQColor(ColorOfIndex(target.InsColor)));
    cursor.setCharFormat(format);
    cursor.insertText(QString::fromLatin1(kKeepnCode));
    QTextCharFormat after = cursor.charFormat();
    SetForeground(after, ForegroundOf(saved));
    CopySizeProperty(after, saved, QTextFormat::FontPointSize);
    CopySizeProperty(after, saved, QTextFormat::FontPixelSize);
    cursor.setCharFormat(after);
    Finish(target, cursor);
}

}  // namespace scrivlet::app
