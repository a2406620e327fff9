#pragma once

#include <QObject>

class QMenu;
class QTextCharFormat;

namespace scrivlet::app {

class TMainForm;
class TRuler;
class TSRichEdit;

// The editor's commands on the main window: character and paragraph
// formatting from the Style and Font toolbars and the Text menu, the font
// dialog, the ruler drops, the clipboard and undo commands, the editor popup,
// and the refresh of all those controls when the selection moves.
class EditorCommands : public QObject {
    Q_OBJECT

public:
    explicit EditorCommands(TMainForm& form);

    // True while SelectionChange sets the controls; the handlers the
    // controls fire then do nothing.
    bool Updating() const { return updating_; }

    // Refreshes the ruler markers, the style buttons, the font boxes, the
    // alignment buttons, the caret position and the Cut/Copy buttons.
    void SelectionChange();

    // Applies a ruler drop (see TRuler::markerDropped).
    void RulerDrop(int marker, int left, int dragOffset);

    // The Edit menu's requests, sent to whichever control has the focus.
    enum class EditRequest { Undo, Cut, Copy, Paste };
    void SendToFocused(EditRequest request);

    QMenu* EditorPopup() const { return popup_; }

private:
    void Connect();
    void BuildPopup();
    void CharStyle(const QString& which, bool on);
    void AlignParagraphs(int tag);
    void BulletParagraphs(bool on);
    void FontDialog();
    void TextChanged();
    void SetTextMenuChecks();
    void UpdatePasteButton();
    bool SelectionStyle(const QString& which) const;

    TMainForm& form_;
    TSRichEdit* edit_;
    TRuler* ruler_;
    QMenu* popup_ = nullptr;
    bool updating_ = false;
};

// Creates the editor's commands as a child of FORM and connects them.
EditorCommands* InstallEditorCommands(TMainForm& form);

}  // namespace scrivlet::app
