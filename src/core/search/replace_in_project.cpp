#include "core/search/replace_in_project.h"

#include "core/model/project.h"
#include "core/search/replace_in_rtf.h"

namespace scrivlet {

int ReplaceAllInProject(Project& project, std::string_view pattern, std::string_view replacement,
                        bool matchCase) {
    int total = 0;
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        total += ReplaceInTopicText(project.Topics[i].Text, pattern, replacement, matchCase);
    }
    if (total > 0) {
        project.SetModified(true);
    }
    return total;
}

}  // namespace scrivlet
