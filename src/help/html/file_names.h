#pragma once

#include <set>
#include <string>
#include <string_view>

namespace scrivlet::help::html {

// Hands out the site's file names: each made of letters, digits, "-" and
// "_" only (so that it is the same on every file system and needs no
// escaping in a URL), never one of the site's own files, and unique without
// regard to letter case, so that a site copied to a case-insensitive disk
// keeps every page.
class FileNames {
public:
    FileNames();

    // A name for STEM (a context string, a picture name) with EXTENSION
    // (".html"); "page" stands in for a stem with nothing usable, and "-2",
    // "-3" ... set apart a name already given.
    std::string Take(std::string_view stem, std::string_view extension);

private:
    std::set<std::string> taken_;  // lower case
};

// STEM with every character outside a-z, A-Z, 0-9, "-" and "_" replaced by
// "_", runs of them by one; at most 64 characters.
std::string SafeStem(std::string_view stem);

}  // namespace scrivlet::help::html
