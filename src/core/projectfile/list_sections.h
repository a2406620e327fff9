#pragma once

#include <string>
#include <vector>

#include "core/model/project.h"

namespace scrivlet {

// The four list sections of the project file header, in the order written.
struct ListSection {
    const char* name;
    std::vector<std::string> ProjectSettings::*list;
};

inline constexpr ListSection kListSections[] = {
    {"[WINDOWS]", &ProjectSettings::WindowDefs},
    {"[CONFIG]", &ProjectSettings::ConfigMacros},
    {"[BMPROOTS]", &ProjectSettings::BitmapRoots},
    {"[FILES]", &ProjectSettings::RtfFiles},
};

}  // namespace scrivlet
