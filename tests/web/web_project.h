#pragma once

#include "core/model/project.h"

namespace scrivlet::web {

// A project of COUNT topics as the editor saves them: a heading kept as a
// non-scrolling region, jumps to the next and previous topics, a pop-up to
// a glossary topic, keywords and one browse sequence; topic 1 is the
// contents topic and the glossary topic is the last.
Project GeneratedProject(int count);

}  // namespace scrivlet::web
