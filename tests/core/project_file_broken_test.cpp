// A table of damaged project files from tests/data/projectfile: each gives a
// clean error that names the file and the line, or a defined project.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/projectfile/project_file.h"
#include "core/util/errors.h"

namespace scrivlet {
namespace {

std::string DataFile(const std::string& name) {
    return std::string(SCRIVLET_TEST_DATA) + "/projectfile/" + name;
}

enum class Outcome { kConvertError, kListIndexError, kNotAProject, kProject };

struct BrokenFile {
    const char* name;
    Outcome outcome;
    // For errors: the message after the quoted value and before the file
    // name, e.g. "'one' is not a valid integer value.", and the line.
    const char* message;
    int line;
    // For projects: the topics read and the text lines of the last one.
    std::size_t topics = 0;
    std::size_t lastTextLines = 0;
    int32_t lastTopicId = 0;
};

const BrokenFile kBrokenFiles[] = {
    {"bad_count.scw", Outcome::kConvertError, "'one' is not a valid integer value.", 18},
    {"bad_topic_number.scw", Outcome::kConvertError, "'2O' is not a valid integer value.", 40},
    {"bad_flag.scw", Outcome::kConvertError, "'yes' is not a valid integer value.", 10},
    {"overflow_count.scw", Outcome::kConvertError, "'99999999999' is not a valid integer value.",
     16},
    {"count_past_end.scw", Outcome::kListIndexError,
     "The list [BMPROOTS] counts 5 entries, but the header ends after 2", 21},
    {"huge_count.scw", Outcome::kListIndexError,
     "The list [WINDOWS] counts 2147483647 entries, but the header ends after 8", 16},
    {"missing_count.scw", Outcome::kListIndexError, "The list [FILES] has no count line", 23},
    // Defined results: the partial topic is kept; a file without topics gets
    // one new topic numbered 10 (the default numbering).
    {"truncated_topic.scw", Outcome::kProject, nullptr, 0, 2, 3, 20},
    {"truncated_fields.scw", Outcome::kProject, nullptr, 0, 2, 0, 20},
    {"noise_in_text.scw", Outcome::kProject, nullptr, 0, 2, 2, 20},
    {"header_only.scw", Outcome::kProject, nullptr, 0, 1, 0, 10},
    // Files whose first line is not "[PROJECT]" are no projects at all.
    {"empty.scw", Outcome::kNotAProject, nullptr, 0},
    {"ctrl_z_first.scw", Outcome::kNotAProject, nullptr, 0},
    {"lf_only.scw", Outcome::kNotAProject, nullptr, 0},
    {"binary_noise.scw", Outcome::kNotAProject, nullptr, 0},
    {"binary_noise_no_eof.scw", Outcome::kNotAProject, nullptr, 0},
    {"noise_topics.scw", Outcome::kProject, nullptr, 0, 1, 0, 0},
};

class BrokenProjectFile : public testing::TestWithParam<BrokenFile> {};

TEST_P(BrokenProjectFile, GivesACleanErrorOrTheDefinedResult) {
    const BrokenFile& c = GetParam();
    const std::string path = DataFile(c.name);
    std::optional<Project> project;
    std::string error;
    Outcome outcome = Outcome::kProject;
    try {
        project = ReadProjectFile(path);
    } catch (const ConvertError& e) {
        outcome = Outcome::kConvertError;
        error = e.what();
    } catch (const ListIndexError& e) {
        outcome = Outcome::kListIndexError;
        error = e.what();
    } catch (const NotAProjectError& e) {
        outcome = Outcome::kNotAProject;
        error = e.what();
    }
    ASSERT_EQ(outcome, c.outcome) << error;
    if (c.outcome == Outcome::kNotAProject) {
        EXPECT_EQ(error, NotAProjectMessage(path));
        return;
    }
    if (c.outcome != Outcome::kProject) {
        EXPECT_EQ(error,
                  std::string(c.message) + " (" + path + ", line " + std::to_string(c.line) + ")");
        return;
    }
    ASSERT_TRUE(project.has_value());
    EXPECT_EQ(project->ProjectFileName, path);
    EXPECT_FALSE(project->Modified());
    ASSERT_EQ(project->Topics.Count(), c.topics);
    EXPECT_EQ(project->Topics.Last().Text.size(), c.lastTextLines);
    EXPECT_EQ(project->Topics.Last().TopicID, c.lastTopicId);
    // What was read saves and reads back as it is.
    const std::string bytes = SerializeProject(*project);
    EXPECT_EQ(SerializeProject(ParseProject(bytes, path)), bytes);
}

INSTANTIATE_TEST_SUITE_P(Table, BrokenProjectFile, testing::ValuesIn(kBrokenFiles),
                         [](const testing::TestParamInfo<BrokenFile>& param) {
                             std::string name = param.param.name;
                             name = name.substr(0, name.find('.'));
                             return name;
                         });

TEST(BrokenProjectFile, TruncatedTopicKeepsTheTextThatWasThere) {
    const auto project = ReadProjectFile(DataFile("truncated_topic.scw"));
    ASSERT_TRUE(project.has_value());
    ASSERT_TRUE(project->CutOff);
    EXPECT_EQ(project->CutOff->topicsRead, 2u);
    const TTopic& cut = project->Topics[1];
    EXPECT_EQ(cut.Title, "Two");
    EXPECT_EQ(cut.Text.back(), "\\deflang1033\\pard\\plain\\f0\\fs22 Tw");
}

TEST(BrokenProjectFile, SettingsBeforeTheDamageAreNotHalfApplied) {
    // A failed read gives no project at all, so nothing of the broken file
    // can reach the open project.
    EXPECT_THROW(ReadProjectFile(DataFile("bad_topic_number.scw")), ConvertError);
}

}  // namespace
}  // namespace scrivlet
