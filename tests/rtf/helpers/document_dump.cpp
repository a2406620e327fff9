#include "helpers/document_dump.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include "rtf/paragraph_format.h"

namespace scrivlet::testing {

namespace {

QString DumpFormat(const QTextCharFormat& format, const QFont& fallback) {
    QFont font = format.font().resolve(fallback);
    double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    QString colour = format.foreground().style() == Qt::NoBrush
                         ? QStringLiteral("default")
                         : format.foreground().color().name();
    if (colour == QStringLiteral("#000000")) {
        colour = QStringLiteral("default");
    }
    return QStringLiteral("%1 %2%3%4%5%6 %7")
        .arg(font.family())
        .arg(points)
        .arg(font.bold() ? " bold" : "")
        .arg(font.italic() ? " italic" : "")
        .arg(font.underline() ? " underline" : "")
        .arg(font.strikeOut() ? " strike" : "")
        .arg(colour);
}

}  // namespace

QString DumpDocument(const QTextDocument& doc) {
    QString out;
    const QFont fallback = doc.defaultFont();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
        const char* alignName = (align & Qt::AlignRight)     ? "right"
                                : (align & Qt::AlignHCenter) ? "centre"
                                : (align & Qt::AlignJustify) ? "justify"
                                                             : "left";
        out += QStringLiteral("paragraph %1 fi=%2 li=%3 ri=%4%5\n")
                   .arg(alignName)
                   .arg(PixelsToTwips(format.textIndent()))
                   .arg(PixelsToTwips(format.leftMargin()))
                   .arg(PixelsToTwips(format.rightMargin()))
                   .arg(HasBullet(block) ? " bullet" : "");
        QString runFormat;
        QString runText;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            QString current = DumpFormat(it.fragment().charFormat(), fallback);
            if (current != runFormat && !runText.isEmpty()) {
                out += QStringLiteral("  [%1] %2\n").arg(runFormat, runText);
                runText.clear();
            }
            runFormat = current;
            runText += it.fragment().text();
        }
        if (!runText.isEmpty()) {
            out += QStringLiteral("  [%1] %2\n").arg(runFormat, runText);
        } else if (block.length() <= 1) {
            // An empty paragraph still has the format typing would start with.
            out += QStringLiteral("  (empty) [%1]\n").arg(DumpFormat(block.charFormat(), fallback));
        }
    }
    return out;
}

QString JoinLines(const std::vector<std::string>& lines) {
    QString out;
    for (const std::string& line : lines) {
        out += QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
        out += QLatin1Char('\n');
    }
    return out;
}

void UseEditorFont(QTextDocument& doc) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    doc.setDefaultFont(font);
}

std::string ReadDataFile(const QString& name) {
    QFile file(QStringLiteral(SCRIVLET_TEST_DATA "/rtf/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace scrivlet::testing
