#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/model/short_string.h"
#include "core/model/topic_list.h"

namespace scrivlet {

inline constexpr const char* kUntitled = "Untitled";

// Where a project file that ended before its end stops: how many topics
// were read (the last of them possibly incomplete) and the last line read.
struct CutOffRead {
    std::size_t topicsRead = 0;
    std::size_t lastLine = 0;

    friend bool operator==(const CutOffRead&, const CutOffRead&) = default;
};

// The project-wide settings and lists that the project file stores and the
// build reads.
struct ProjectSettings {
    ShortString HelpTitle;
    ShortString HelpFileName;
    ShortString ContentsFileName;
    ShortString Copyright;
    ShortString Citation;
    ShortString DefaultTopic;
    bool Compress = true;
    bool ShowErrorLog = true;
    bool ShowHelpAfterCompile = true;
    ShortString IncludeTag;
    ShortString ExcludeTag;
    ShortString TemplateFile;
    std::vector<std::string> WindowDefs;
    std::vector<std::string> ConfigMacros{"BrowseButtons()"};
    std::vector<std::string> BitmapRoots;
    std::vector<std::string> RtfFiles;

    friend bool operator==(const ProjectSettings&, const ProjectSettings&) = default;
};

// The one open project: settings, topics, file name and editing state.
// Copies carry the data but not the listeners of the modified flag.
class Project : public ProjectSettings {
public:
    using ModifiedListener = std::function<void(bool)>;

    Project() = default;
    Project(const Project& other);
    Project& operator=(const Project& other);
    Project(Project&& other) noexcept;
    Project& operator=(Project&& other) noexcept;

    TTopicList Topics;
    std::string ProjectFileName = kUntitled;
    int CurrentTopic = 0;
    bool TopicGridStale = false;
    // Set when the file this project was read from ended early: a save over
    // it would replace the longer original, so Save asks first.
    std::optional<CutOffRead> CutOff;

    bool Modified() const { return modified_; }
    // Sets the flag and tells every listener, whether or not it changed, so a
    // Save button can follow it exactly.
    void SetModified(bool value);
    void AddModifiedListener(ModifiedListener listener);

    bool IsUntitled() const { return ProjectFileName == kUntitled; }

    // Replaces the data with another project's and keeps this project's
    // listeners; tells them the new flag.
    void ReplaceWith(Project&& other);

    // The data half of "Reset project": frees all topics, empties every string
    // setting, sets ShowErrorLog and ShowHelpAfterCompile, clears the four
    // lists and sets CurrentTopic to -1. Compress is left as it is.
    void Reset();

private:
    bool modified_ = false;
    std::vector<ModifiedListener> listeners_;
};

// A topic with the defaults of a new topic (number 0, "[new topic]", "Editing").
TTopic CreateTopic();

// How new topic numbers are chosen (the preference "IDcount").
enum class NumberingMode : int { AddToLast = 0, CountTopics = 1 };

// The number for a topic about to be appended to TOPICS. IDcount 0 adds IDinc
// to the last topic's number (IDinc alone for an empty list); 1 multiplies the
// count plus one by IDinc; any other mode gives 0. Asking the user is the
// caller's part.
int32_t NewTopicNumber(const TTopicList& topics, int idCount, uint8_t idInc);

// "scrv" followed by the decimal number.
std::string DefaultContextString(int32_t topicId);

}  // namespace scrivlet
