#pragma once

#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <utility>
#include <vector>

#include "rtf/rtf_reader_state.h"

class QTextDocument;
class QTextList;

namespace scrivlet::rtfread {

// Fills a QTextDocument paragraph by paragraph as the reader meets text and
// "\par". Text is gathered into runs of one character state and inserted a
// run at a time; a paragraph break is held back until more content follows,
// so that the "\par" ending the last paragraph adds no empty one.
class DocumentBuilder {
public:
    DocumentBuilder(QTextDocument& doc, const FontTable& fonts, const ColourTable& colours);
    ~DocumentBuilder();
    DocumentBuilder(const DocumentBuilder&) = delete;
    DocumentBuilder& operator=(const DocumentBuilder&) = delete;

    void AppendText(const QString& text, const CharState& chars);
    void AppendChar(QChar c, const CharState& chars);
    // Ends the current paragraph with the paragraph and character state in
    // force at its "\par".
    void EndParagraph(const ParaState& para, const CharState& chars);
    // Ends the document: a paragraph with content but no "\par" is kept.
    void Finish(const ParaState& para, const CharState& chars);

    void SetDefaultFont(int number) { defaultFont_ = number; }

private:
    void StartRun(const CharState& chars);
    void FlushRun();
    void OpenPendingBlock();
    QTextCharFormat FormatFor(const CharState& chars);

    QTextDocument& doc_;
    const FontTable& fonts_;
    const ColourTable& colours_;
    QTextCursor cursor_;
    int defaultFont_ = 0;
    QString run_;
    CharState runState_;
    bool blockHasContent_ = false;
    bool pendingBlock_ = false;
    QTextList* list_ = nullptr;
    bool previousBullet_ = false;
    std::vector<std::pair<CharState, QTextCharFormat>> formatCache_;
};

}  // namespace scrivlet::rtfread
