#include "core/model/project.h"

namespace scrivlet {

Project::Project(const Project& other)
    : ProjectSettings(other),
      Topics(other.Topics),
      ProjectFileName(other.ProjectFileName),
      CurrentTopic(other.CurrentTopic),
      TopicGridStale(other.TopicGridStale),
      CutOff(other.CutOff),
      modified_(other.modified_) {}

Project& Project::operator=(const Project& other) {
    if (this != &other) {
        ProjectSettings::operator=(other);
        Topics = other.Topics;
        ProjectFileName = other.ProjectFileName;
        CurrentTopic = other.CurrentTopic;
        TopicGridStale = other.TopicGridStale;
        CutOff = other.CutOff;
        modified_ = other.modified_;
    }
    return *this;
}

Project::Project(Project&& other) noexcept
    : ProjectSettings(std::move(other)),
      Topics(std::move(other.Topics)),
      ProjectFileName(std::move(other.ProjectFileName)),
      CurrentTopic(other.CurrentTopic),
      TopicGridStale(other.TopicGridStale),
      CutOff(other.CutOff),
      modified_(other.modified_) {}

Project& Project::operator=(Project&& other) noexcept {
    if (this != &other) {
        ProjectSettings::operator=(std::move(other));
        Topics = std::move(other.Topics);
        ProjectFileName = std::move(other.ProjectFileName);
        CurrentTopic = other.CurrentTopic;
        TopicGridStale = other.TopicGridStale;
        CutOff = other.CutOff;
        modified_ = other.modified_;
    }
    return *this;
}

void Project::SetModified(bool value) {
    modified_ = value;
    for (const auto& listener : listeners_) {
        listener(value);
    }
}

void Project::AddModifiedListener(ModifiedListener listener) {
    listeners_.push_back(std::move(listener));
}

void Project::ReplaceWith(Project&& other) {
    const bool modified = other.modified_;
    *this = std::move(other);
    SetModified(modified);
}

void Project::Reset() {
    Topics.Clear();
    HelpTitle = "";
    HelpFileName = "";
    ContentsFileName = "";
    Copyright = "";
    Citation = "";
    DefaultTopic = "";
    IncludeTag = "";
    ExcludeTag = "";
    TemplateFile = "";
    ShowErrorLog = true;
    ShowHelpAfterCompile = true;
    WindowDefs.clear();
    ConfigMacros.clear();
    BitmapRoots.clear();
    RtfFiles.clear();
    CurrentTopic = -1;
    CutOff.reset();
}

TTopic CreateTopic() {
    return TTopic{};
}

int32_t NewTopicNumber(const TTopicList& topics, int idCount, uint8_t idInc) {
    // The arithmetic wraps like the 32-bit integers the numbers are.
    switch (idCount) {
        case static_cast<int>(NumberingMode::AddToLast):
            if (topics.Empty()) {
                return idInc;
            }
            return static_cast<int32_t>(static_cast<uint32_t>(topics.Last().TopicID) + idInc);
        case static_cast<int>(NumberingMode::CountTopics):
            return static_cast<int32_t>(static_cast<uint32_t>(topics.Count() + 1) * idInc);
        default:
            return 0;
    }
}

std::string DefaultContextString(int32_t topicId) {
    return "scrv" + std::to_string(topicId);
}

}  // namespace scrivlet
