#include "core/editor/spell_run.h"

namespace scrivlet {

void RunSpellCheck(SpellCheckHost& host) {
    if (host.Busy()) {
        return;
    }
    const int start = host.SelectionStart();
    const int length = host.SelectionLength();
    host.SetInitialPosition(SpellCheckHost::Position::AvoidControl);
    host.SetAlwaysActive(true);
    host.SetMoreToFollow(true);

    bool proceed = true;
    const bool hadSelection = length > 0;
    if (hadSelection) {
        host.CheckSelection();
        host.SetResetCount(false);
        host.SetInitialPosition(SpellCheckHost::Position::Ignore);
        proceed = !host.Stopped() && host.AskCheckRemainder(kCheckRemainderQuestion);
    }
    if (proceed) {
        host.CheckRange(host.SelectionStart() + host.SelectionLength() + 1, host.TextLength());
        if (!hadSelection) {
            host.SetResetCount(false);
            host.SetInitialPosition(SpellCheckHost::Position::Ignore);
        }
        host.SetMoreToFollow(false);
        if (host.Stopped()) {
            host.CloseCheckDialog();
        } else {
            host.CheckRange(0, start);
        }
    } else {
        host.SetMoreToFollow(false);
        host.CloseCheckDialog();
    }
    host.SetAlwaysActive(false);
    host.SetResetCount(true);
    host.SetSelection(start, length);
}

}  // namespace scrivlet
