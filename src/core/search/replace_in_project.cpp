#include "core/search/replace_in_project.h"

#include "core/model/project.h"
#include "core/search/replace_plan.h"

namespace scrivlet {

int ReplaceAllInProject(Project& project, std::string_view pattern, std::string_view replacement,
                        bool matchCase) {
    ReplacePlan plan = PlanReplaceAll(project, pattern, replacement, matchCase);
    ApplyReplacePlan(project, plan);
    return plan.occurrences;
}

}  // namespace scrivlet
