#include <gtest/gtest.h>

#include "hc/hc_log.h"

namespace scrivlet::hc {
namespace {

TEST(HcLog, FormatsEachKindOfPlace) {
    EXPECT_EQ(FormatFinding({Code::UndefinedJump,
                             Severity::Error,
                             {"help.rtf", 0, 3, "Printing"},
                             "Jump to undefined context string \"prt\"."}),
              "HC4001: Error: help.rtf, topic #3 \"Printing\": Jump to undefined context string "
              "\"prt\".");
    EXPECT_EQ(
        FormatFinding(
            {Code::NoTitle, Severity::Warning, {"help.rtf", 0, 2, ""}, "The topic has no title."}),
        "HC4006: Warning: help.rtf, topic #2 (no title): The topic has no title.");
    EXPECT_EQ(FormatFinding({Code::UnknownOption, Severity::Warning, {"a.hpj", 7, 0, ""}, "M."}),
              "HC1004: Warning: a.hpj, line 7: M.");
    EXPECT_EQ(FormatFinding({Code::NoTopicFiles, Severity::Error, {"a.hpj", 0, 0, ""}, "M."}),
              "HC1014: Error: a.hpj: M.");
    EXPECT_EQ(FormatFinding({Code::ProjectNotFound, Severity::Error, {}, "M."}),
              "HC1001: Error: M.");
}

TEST(HcLog, CountsBySeverity) {
    Log log;
    log.Error(Code::UndefinedJump, {}, "a");
    log.Warning(Code::NoTitle, {}, "b");
    log.Warning(Code::NoTitle, {}, "c");
    EXPECT_EQ(log.Errors(), 1);
    EXPECT_EQ(log.Warnings(), 2);
    EXPECT_FALSE(log.Dropped());
}

TEST(HcLog, SummaryOnlyWithReport) {
    Log log;
    log.Error(Code::UndefinedJump, {}, "First.");
    const CompileCounts counts{12, 30, 1, 25, 2};
    EXPECT_EQ(LogLines(log, false, counts), (std::vector<std::string>{"HC4001: Error: First."}));
    EXPECT_EQ(LogLines(log, true, counts),
              (std::vector<std::string>{"HC4001: Error: First.",
                                        "12 topics, 30 jumps, 1 pop-up, 25 keywords, 2 bitmaps "
                                        "compiled.",
                                        "1 error, 0 warnings."}));
    EXPECT_EQ(LogLines(Log{}, true, CompileCounts{1, 1, 0, 1, 1}),
              (std::vector<std::string>{"1 topic, 1 jump, 0 pop-ups, 1 keyword, 1 bitmap "
                                        "compiled.",
                                        "0 errors, 0 warnings."}));
}

TEST(HcLog, KeepsAtMostTheLimitAndSaysHowManyMore) {
    Log log;
    for (std::size_t i = 0; i < Log::kMaxKept + 3; ++i) {
        log.Warning(Code::NoTitle, {}, "w");
    }
    EXPECT_EQ(log.Findings().size(), Log::kMaxKept);
    EXPECT_EQ(log.Warnings(), static_cast<int>(Log::kMaxKept) + 3);
    EXPECT_TRUE(log.Dropped());
    const auto lines = LogLines(log, false, {});
    ASSERT_EQ(lines.size(), Log::kMaxKept + 1);
    EXPECT_EQ(lines.back(), "3 further findings not listed.");
}

}  // namespace
}  // namespace scrivlet::hc
