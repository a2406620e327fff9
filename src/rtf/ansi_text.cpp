#include "rtf/ansi_text.h"

#include "core/util/cp1252.h"

namespace scrivlet {

QString FromAnsi(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char b : bytes) {
        out += QChar(static_cast<char16_t>(Cp1252ToUnicode(b)));
    }
    return out;
}

std::string ToAnsi(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t cp = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        unsigned char byte;
        out += UnicodeToCp1252(cp, byte) ? static_cast<char>(byte) : '?';
    }
    return out;
}

}  // namespace scrivlet
