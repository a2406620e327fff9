#include "core/build/build_defaults.h"

#include "core/build/help_project.h"

namespace scrivlet {

void FillBuildDefaults(Project& project) {
    for (std::size_t i = 0; i < project.Topics.Count(); ++i) {
        TTopic& topic = project.Topics[i];
        if (topic.ContextString.empty()) {
            topic.ContextString = DefaultContextString(topic.TopicID);
        }
    }
    if (project.HelpFileName.empty()) {
        project.HelpFileName = DefaultHelpFileName(project.ProjectFileName);
    }
}

}  // namespace scrivlet
