#pragma once

#include <QString>
#include <memory>

#include "app/viewer/help_library.h"
#include "help/help_document.h"

namespace scrivlet::test {

// A small help, built by hand as a help-file reader would give it:
//   0 "Contents" (context "contents", map 10): a non-scrolling title, then a
//     jump to "second", a pop-up of "note", a macro hotspot, a bitmap;
//   1 "Second topic" (context "second", map 20, keyword "start"), browse
//     neighbour of 0;
//   2 "Note" (context "note", map 30, keyword "start"): the pop-up's text.
// [CONFIG] runs BrowseButtons(); window "note" is a secondary window.
help::HelpDocument ViewerDocument();

// A library that reads DOCUMENTS by file name (in any folder) instead of
// from disk; any other name fails as an unreadable file.
std::shared_ptr<app::HelpLibrary> LibraryOf(
    std::initializer_list<std::pair<QString, help::HelpDocument>> documents);

}  // namespace scrivlet::test
