#include "app/viewer/topic_renderer.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <algorithm>

#include "rtf/ansi_text.h"

namespace scrivlet::app {
namespace {

using help::Alignment;
using help::HotspotKind;
using help::Paragraph;
using help::ParagraphFormat;
using help::Run;
using help::RunKind;
using help::Topic;

QFont::StyleHint HintOf(const std::string& family) {
    if (family == "roman") {
        return QFont::Serif;
    }
    if (family == "modern") {
        return QFont::TypeWriter;
    }
    if (family == "script") {
        return QFont::Cursive;
    }
    if (family == "decor") {
        return QFont::Decorative;
    }
    return QFont::SansSerif;
}

QColor ColorOf(uint32_t rgb) {
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

Qt::Alignment AlignmentOf(Alignment alignment) {
    switch (alignment) {
        case Alignment::Center:
            return Qt::AlignHCenter;
        case Alignment::Right:
            return Qt::AlignRight;
        case Alignment::Justify:
            return Qt::AlignJustify;
        case Alignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

// The tab stops every half inch that RTF assumes when a paragraph sets none.
constexpr int kDefaultTab = 720;

QTextOption::TabType TabTypeOf(help::TabKind kind) {
    switch (kind) {
        case help::TabKind::Right:
            return QTextOption::RightTab;
        case help::TabKind::Center:
            return QTextOption::CenterTab;
        case help::TabKind::Decimal:
            return QTextOption::DelimiterTab;
        case help::TabKind::Left:
            break;
    }
    return QTextOption::LeftTab;
}

// Writes one topic's paragraphs into a document: plain paragraphs, rows of
// table cells, bordered groups and pictures.
class TopicWriter {
public:
    TopicWriter(const help::HelpDocument& document, const Topic& topic, double zoom,
                RenderedTopic& out)
        : document_(document), topic_(topic), zoom_(zoom), out_(out) {}

    std::unique_ptr<QTextDocument> Write(std::size_t first, std::size_t last) {
        auto doc = std::make_unique<QTextDocument>();
        doc->setDocumentMargin(8 * zoom_);
        QTextOption text = doc->defaultTextOption();
        text.setTabStopDistance(Px(kDefaultTab));
        doc->setDefaultTextOption(text);
        doc_ = doc.get();
        cursor_ = QTextCursor(doc_);
        fresh_ = true;
        std::size_t i = first;
        while (i < last) {
            const Paragraph& paragraph = topic_.paragraphs[i];
            if (paragraph.format.inTable) {
                i = WriteTable(i, last);
            } else if ((paragraph.format.borders & help::kBorderSides) != 0) {
                i = WriteBordered(i, last);
            } else {
                WriteParagraph(paragraph, cursor_);
                ++i;
            }
        }
        doc_ = nullptr;
        return doc;
    }

private:
    double Px(int twips) const { return TwipsToPixels(twips) * zoom_; }

    QTextBlockFormat BlockFormat(const ParagraphFormat& format) const {
        QTextBlockFormat block;
        block.setAlignment(AlignmentOf(format.alignment));
        block.setLeftMargin(Px(std::max(0, format.leftIndent)));
        block.setRightMargin(Px(std::max(0, format.rightIndent)));
        block.setTextIndent(Px(format.firstIndent));
        block.setTopMargin(Px(std::max(0, format.spaceBefore)));
        block.setBottomMargin(Px(std::max(0, format.spaceAfter)));
        if (format.lineSpacing > 0) {
            block.setLineHeight(Px(format.lineSpacing), QTextBlockFormat::MinimumHeight);
        } else if (format.lineSpacing < 0) {
            block.setLineHeight(Px(-format.lineSpacing), QTextBlockFormat::FixedHeight);
        }
        if (format.noWrap) {
            block.setNonBreakableLines(true);
        }
        QList<QTextOption::Tab> tabs;
        // A hanging indent stops the first tab at the left indent, as
        // bulleted and numbered lists rely on.
        if (format.firstIndent < 0 && format.leftIndent > 0 &&
            (format.tabs.empty() || format.tabs.front().position > format.leftIndent)) {
            tabs.append(QTextOption::Tab(Px(format.leftIndent), QTextOption::LeftTab));
        }
        for (const help::TabStop& stop : format.tabs) {
            QTextOption::Tab tab(Px(stop.position), TabTypeOf(stop.kind));
            if (stop.kind == help::TabKind::Decimal) {
                tab.delimiter = QLatin1Char('.');
            }
            tabs.append(tab);
        }
        block.setTabPositions(tabs);
        return block;
    }

    QTextCharFormat CharFormat(const Run& run) const {
        const help::CharFormat& f = run.format;
        QTextCharFormat format;
        if (f.font >= 0 && static_cast<std::size_t>(f.font) < document_.help.fonts.size()) {
            const help::Font& font = document_.help.fonts[static_cast<std::size_t>(f.font)];
            format.setFontFamilies({FromAnsi(font.name)});
            format.setFontStyleHint(HintOf(font.family));
        }
        format.setFontPointSize(std::max(1, f.halfPoints) / 2.0 * zoom_);
        if (f.color >= 0 && static_cast<std::size_t>(f.color) < document_.help.colors.size()) {
            format.setForeground(ColorOf(document_.help.colors[static_cast<std::size_t>(f.color)]));
        }
        format.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(f.italic);
        if (f.smallCaps) {
            format.setFontCapitalization(QFont::SmallCaps);
        }
        if (f.baseline > 0) {
            format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        } else if (f.baseline < 0) {
            format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        }
        if (run.hotspot >= 0 && static_cast<std::size_t>(run.hotspot) < topic_.hotspots.size()) {
            const help::Hotspot& hotspot = topic_.hotspots[static_cast<std::size_t>(run.hotspot)];
            format.setAnchor(true);
            format.setAnchorHref(QStringLiteral("hotspot:%1").arg(run.hotspot));
            if (!hotspot.noColor) {
                format.setForeground(QColor::fromRgba(kHotspotGreen));
                if (!hotspot.noUnderline) {
                    format.setUnderlineStyle(hotspot.kind == HotspotKind::Popup
                                                 ? QTextCharFormat::DotLine
                                                 : QTextCharFormat::SingleUnderline);
                }
            }
        } else {
            // In topic files strike-through and double underline only mark
            // hotspots; outside one they are shown as written.
            format.setFontUnderline(f.underline || f.doubleUnderline);
            format.setFontStrikeOut(f.strike);
        }
        return format;
    }

    void NewBlock(const ParagraphFormat& format, QTextCursor& cursor,
                  const QTextCharFormat& chars) {
        if (fresh_) {
            cursor.setBlockFormat(BlockFormat(format));
            cursor.setBlockCharFormat(chars);
            fresh_ = false;
        } else {
            cursor.insertBlock(BlockFormat(format), chars);
        }
    }

    void WriteParagraph(const Paragraph& paragraph, QTextCursor& cursor) {
        const QTextCharFormat first =
            paragraph.runs.empty() ? QTextCharFormat() : CharFormat(paragraph.runs.front());
        NewBlock(paragraph.format, cursor, first);
        for (const Run& run : paragraph.runs) {
            WriteRun(run, cursor);
        }
    }

    void WriteRun(const Run& run, QTextCursor& cursor) {
        const QTextCharFormat format = CharFormat(run);
        switch (run.kind) {
            case RunKind::Text:
                cursor.insertText(FromAnsi(run.text), format);
                break;
            case RunKind::Tab:
                cursor.insertText(QStringLiteral("\t"), format);
                break;
            case RunKind::LineBreak:
                cursor.insertText(QString(QChar::LineSeparator), format);
                break;
            case RunKind::Button: {
                QTextCharFormat button = format;
                button.setBackground(QColor(0xD4, 0xD0, 0xC8));
                button.setForeground(Qt::black);
                button.setFontUnderline(false);
                button.setAnchor(true);
                button.setAnchorHref(QStringLiteral("button:%1").arg(out_.buttonMacros.size()));
                out_.buttonMacros.push_back(run.macro);
                cursor.insertText(QStringLiteral(" %1 ").arg(FromAnsi(run.text)), button);
                break;
            }
            case RunKind::Bitmap:
                WriteBitmap(run, format, cursor);
                break;
        }
    }

    void WriteBitmap(const Run& run, const QTextCharFormat& chars, QTextCursor& cursor) {
        if (run.bitmap < 0 || static_cast<std::size_t>(run.bitmap) >= topic_.bitmaps.size()) {
            return;
        }
        const help::BitmapRef& ref = topic_.bitmaps[static_cast<std::size_t>(run.bitmap)];
        QString name;
        QImage image;
        if (ref.picture >= 0 && static_cast<std::size_t>(ref.picture) < document_.pictures.size()) {
            name = QStringLiteral("picture:%1").arg(ref.picture);
            image = PictureImage(document_.pictures[static_cast<std::size_t>(ref.picture)]);
        } else if (!ref.path.empty()) {
            name = QStringLiteral("file:") + QString::fromStdString(ref.path);
            image.load(QString::fromStdString(ref.path));
        }
        if (image.isNull()) {
            // A picture that cannot be shown keeps its name in the text.
            cursor.insertText(QStringLiteral("[%1]").arg(FromAnsi(ref.name)), chars);
            return;
        }
        doc_->addResource(QTextDocument::ImageResource, QUrl(name), image);
        QTextImageFormat format;
        format.merge(chars);
        format.setName(name);
        format.setWidth(image.width() * zoom_);
        format.setHeight(image.height() * zoom_);
        format.setFontUnderline(false);
        switch (ref.align) {
            case help::BitmapAlign::Left:
                cursor.insertImage(format, QTextFrameFormat::FloatLeft);
                break;
            case help::BitmapAlign::Right:
                cursor.insertImage(format, QTextFrameFormat::FloatRight);
                break;
            case help::BitmapAlign::Character:
                cursor.insertImage(format);
                break;
        }
    }

    // Paragraphs with the same borders go into one framed group; a box or a
    // side border frames it, a top or bottom border alone is a rule above
    // or below.
    std::size_t WriteBordered(std::size_t i, std::size_t last) {
        const unsigned borders = topic_.paragraphs[i].format.borders;
        std::size_t end = i;
        while (end < last && topic_.paragraphs[end].format.borders == borders &&
               !topic_.paragraphs[end].format.inTable) {
            ++end;
        }
        const double width =
            std::max(1.0, (borders & help::BorderThick) ? 2.0 * zoom_ : 1.0 * zoom_);
        const bool framed =
            (borders & (help::BorderBox | help::BorderLeft | help::BorderRight)) != 0;
        if (!framed) {
            if (borders & help::BorderTop) {
                Rule(width);
            }
            for (std::size_t p = i; p < end; ++p) {
                WriteParagraph(topic_.paragraphs[p], cursor_);
            }
            if (borders & help::BorderBottom) {
                Rule(width);
            }
            return end;
        }
        QTextFrameFormat frame;
        frame.setBorder(width);
        frame.setBorderBrush(Qt::black);
        frame.setBorderStyle((borders & help::BorderDouble) ? QTextFrameFormat::BorderStyle_Double
                                                            : QTextFrameFormat::BorderStyle_Solid);
        frame.setPadding(3 * zoom_);
        frame.setLeftMargin(Px(std::max(0, topic_.paragraphs[i].format.leftIndent)));
        frame.setRightMargin(Px(std::max(0, topic_.paragraphs[i].format.rightIndent)));
        QTextFrame* inserted = cursor_.insertFrame(frame);
        QTextCursor inner = inserted->firstCursorPosition();
        fresh_ = true;
        for (std::size_t p = i; p < end; ++p) {
            Paragraph inside = topic_.paragraphs[p];
            inside.format.leftIndent = 0;
            inside.format.rightIndent = 0;
            WriteParagraph(inside, inner);
        }
        Leave(inserted->lastPosition());
        return end;
    }

    void Rule(double width) {
        QTextBlockFormat rule;
        rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                         QTextLength(QTextLength::PercentageLength, 100));
        rule.setLineHeight(width, QTextBlockFormat::FixedHeight);
        if (fresh_) {
            cursor_.setBlockFormat(rule);
            fresh_ = false;
        } else {
            cursor_.insertBlock(rule);
        }
    }

    // After a frame or table, writing goes on in the empty block that
    // follows it.
    void Leave(int lastInside) {
        cursor_.setPosition(lastInside);
        cursor_.movePosition(QTextCursor::NextBlock);
        cursor_.movePosition(QTextCursor::EndOfBlock);
        fresh_ = true;
    }

    struct Row {
        std::vector<std::vector<const Paragraph*>> cells;
        const ParagraphFormat* format = nullptr;  // the paragraph that ends the row
    };

    std::size_t WriteTable(std::size_t i, std::size_t last) {
        std::vector<Row> rows;
        Row row;
        std::vector<const Paragraph*> cell;
        for (; i < last && topic_.paragraphs[i].format.inTable; ++i) {
            const Paragraph& paragraph = topic_.paragraphs[i];
            cell.push_back(&paragraph);
            if (paragraph.format.cellEnd || paragraph.format.rowEnd) {
                row.cells.push_back(std::move(cell));
                cell.clear();
            }
            if (paragraph.format.rowEnd) {
                row.format = &paragraph.format;
                rows.push_back(std::move(row));
                row = Row{};
            }
        }
        // Cells that no row end closed (a damaged file) still show.
        if (!cell.empty()) {
            row.cells.push_back(std::move(cell));
        }
        if (!row.cells.empty()) {
            rows.push_back(std::move(row));
        }
        std::size_t columns = 1;
        for (const Row& r : rows) {
            columns = std::max(columns, r.cells.size());
        }
        QTextTableFormat format;
        format.setBorder(0);
        format.setCellSpacing(0);
        const ParagraphFormat* shape = rows.front().format;
        format.setCellPadding(shape ? std::max(1.0, Px(shape->rowGap)) : 2.0);
        if (shape) {
            format.setLeftMargin(Px(std::max(0, shape->rowLeft)));
            QList<QTextLength> widths;
            int left = shape->rowLeft;
            for (const int edge : shape->cellEdges) {
                widths.append(QTextLength(QTextLength::FixedLength, Px(std::max(1, edge - left))));
                left = edge;
            }
            if (static_cast<std::size_t>(widths.size()) == columns) {
                format.setColumnWidthConstraints(widths);
            }
        }
        format.setAlignment(Qt::AlignLeft);
        if (!fresh_) {
            cursor_.insertBlock();
        }
        QTextTable* table =
            cursor_.insertTable(static_cast<int>(rows.size()), static_cast<int>(columns), format);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (std::size_t c = 0; c < rows[r].cells.size(); ++c) {
                QTextCursor inner =
                    table->cellAt(static_cast<int>(r), static_cast<int>(c)).firstCursorPosition();
                fresh_ = true;
                for (const Paragraph* paragraph : rows[r].cells[c]) {
                    WriteParagraph(*paragraph, inner);
                }
            }
        }
        Leave(table->lastPosition());
        return i;
    }

    const help::HelpDocument& document_;
    const Topic& topic_;
    double zoom_;
    RenderedTopic& out_;
    QTextDocument* doc_ = nullptr;
    QTextCursor cursor_;
    bool fresh_ = true;
};

}  // namespace

double TwipsToPixels(int twips) {
    return twips / 15.0;
}

QImage PictureImage(const help::Picture& picture) {
    const int width = std::clamp(picture.width, 1, 8192);
    const int height = std::clamp(picture.height, 1, 8192);
    const bool drawable = picture.width == width && picture.height == height &&
                          picture.pixels.size() == static_cast<std::size_t>(width) * height;
    if (!drawable) {
        QImage blank(width, height, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        return blank;
    }
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::copy_n(picture.pixels.data() + static_cast<std::size_t>(y) * width, width, line);
    }
    return image;
}

RenderedTopic RenderTopic(const help::HelpDocument& document, int topic,
                          const RenderOptions& options) {
    RenderedTopic out;
    if (topic < 0 || static_cast<std::size_t>(topic) >= document.help.topics.size()) {
        out.scrolling = std::make_unique<QTextDocument>();
        return out;
    }
    const Topic& source = document.help.topics[static_cast<std::size_t>(topic)];
    TopicWriter writer(document, source, options.zoom, out);
    std::size_t fixedEnd = 0;
    if (options.splitRegions) {
        while (fixedEnd < source.paragraphs.size() && source.paragraphs[fixedEnd].format.keepNext) {
            ++fixedEnd;
        }
    }
    if (fixedEnd > 0) {
        out.fixed = writer.Write(0, fixedEnd);
    }
    out.scrolling = writer.Write(fixedEnd, source.paragraphs.size());
    return out;
}

}  // namespace scrivlet::app
