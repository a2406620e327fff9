#pragma once

#include <string_view>

namespace scrivlet::rtf {

// The RTF family control word for a font name ("\fswiss" for "Arial",
// "\fmodern" for "Courier New"), guessed from well-known names and name parts
// ("mono", "serif", "script"...), letter case ignored. Empty when the name
// says nothing; callers then fall back to "\fnil" or better knowledge.
// Every font group the system writes carries a family word because the build
// takes the family word and the name as the font's identity.
std::string_view FamilyWordForFontName(std::string_view name);

}  // namespace scrivlet::rtf
