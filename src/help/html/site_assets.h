#pragma once

namespace scrivlet::help::html {

// The site's style sheet (help.css): small, with every rule the pages rely
// on, so an author can replace it with their own.
extern const char* const kStyleSheet;

// The pages' script (help.js): pop-up panels, the Back macro, and the search
// page over the prebuilt index. Every page works without it.
extern const char* const kScript;

}  // namespace scrivlet::help::html
