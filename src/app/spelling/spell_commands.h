#pragma once

namespace scrivlet::app {

class TMainForm;
class TSpellCheck;
class TThesaurus;

// Creates Spell1 and Thesaurus1 as children of FORM and connects the Spell
// Check (menu and toolbar) and Thesaurus commands to them.
void InstallSpelling(TMainForm& form);

// The Spell Check command over FORM's editor and SPELL.
void SpellCheckCommand(TMainForm& form, TSpellCheck& spell);

}  // namespace scrivlet::app
