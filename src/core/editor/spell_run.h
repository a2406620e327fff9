#pragma once

#include <string>

namespace scrivlet {

// What the Spell Check command drives: the editor's selection and the spell
// checker with its flags. The window implements it over the real editor and
// checker; tests implement it with a script.
class SpellCheckHost {
public:
    enum class Position { AvoidControl, Ignore };

    virtual ~SpellCheckHost() = default;

    // The editor.
    virtual int SelectionStart() const = 0;
    virtual int SelectionLength() const = 0;
    virtual int TextLength() const = 0;
    virtual void SetSelection(int start, int length) = 0;
    // The Yes/No question after a checked selection; true for Yes.
    virtual bool AskCheckRemainder(const std::string& text) = 0;

    // The checker.
    virtual bool Busy() const = 0;
    virtual bool Stopped() const = 0;
    virtual void CheckSelection() = 0;
    virtual void CheckRange(int start, int end) = 0;
    virtual void CloseCheckDialog() = 0;
    virtual void SetMoreToFollow(bool value) = 0;
    virtual void SetResetCount(bool value) = 0;
    virtual void SetAlwaysActive(bool value) = 0;
    virtual void SetInitialPosition(Position value) = 0;
};

// The question asked after a checked selection.
inline constexpr const char* kCheckRemainderQuestion =
    "The selected text has been checked.\r\n\r\nCheck the remainder of the document?";

// The Spell Check command: the selection first (when there is one), then
// from just past it to the end, then from the start to where the selection
// began, one dialog for the whole run; the selection comes back at the end.
// Does nothing while a check is running.
void RunSpellCheck(SpellCheckHost& host);

}  // namespace scrivlet
