#pragma once

#include <string>

#include "hc/compile.h"

namespace scrivlet::hc::hlp {

// What |SYSTEM says beyond the project's own texts: the locale, the
// character set of the text, and the icon file's bytes.
struct SystemExtras {
    unsigned lcid = 0x409;
    unsigned sortFlags = 0;  // the LCID option's second and third numbers
    unsigned sortFlags2 = 0;
    unsigned charset = 0;
    std::string icon;  // empty for none
};

// From the LCID and ICON options and the fonts. An icon that cannot be used
// is a warning of LOG, and the file has none.
SystemExtras FindSystemExtras(const CompileResult& result, Log* log);

// The |CF<n> files: the macros of each [CONFIG-name] section, n being the
// number of the window in [WINDOWS]; one NUL-terminated macro after another.
std::vector<std::pair<std::string, std::string>> WindowConfigFiles(const HelpProject& project);

}  // namespace scrivlet::hc::hlp
