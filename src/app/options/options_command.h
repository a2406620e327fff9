#pragma once

namespace scrivlet::app {

class TMainForm;
struct OptionsValues;

// What the options dialog starts from: the preferences, the topic list's
// font and first-column width, and the tool list.
OptionsValues CurrentOptions(TMainForm& form);

// The OK sequence: the preferences, then the grid font, then the first
// column's width, then the tool list and the Tools menu, then the confirmed
// flag. A width that is not a whole number stops the sequence after the grid
// font with the standard conversion error; returns false then.
bool ApplyOptions(TMainForm& form, const OptionsValues& values);

// View "&Options...": the options dialog over FORM.
void Options2Click(TMainForm& form);

}  // namespace scrivlet::app
