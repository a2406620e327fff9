#include <gtest/gtest.h>

#include "hc/hc_log.h"

namespace scrivlet::hc {
namespace {

TEST(HcLog, FormatsEachKindOfPlace) {
    EXPECT_EQ(FormatFinding({Code::UndefinedJump,
                             Severity::Warning,
                             {"help.rtf", 0, 3, "Printing"},
                             "Jump to undefined context string \"prt\"."}),
              "HC4001: Warning: help.rtf, topic #3 \"Printing\": Jump to undefined context string "
              "\"prt\".");
    EXPECT_EQ(
        FormatFinding(
            {Code::NoTitle, Severity::Warning, {"help.rtf", 0, 2, ""}, "The topic has no title."}),
        "HC4006: Warning: help.rtf, topic #2 (no title): The topic has no title.");
    EXPECT_EQ(FormatFinding({Code::UnknownOption, Severity::Warning, {"a.hpj", 7, 0, ""}, "M."}),
              "HC1004: Warning: a.hpj, line 7: M.");
    EXPECT_EQ(FormatFinding({Code::NoTopicFiles, Severity::Fatal, {"a.hpj", 0, 0, ""}, "M."}),
              "HC1014: Fatal Error: a.hpj: M.");
    EXPECT_EQ(FormatFinding({Code::ProjectNotFound, Severity::Fatal, {}, "M."}),
              "HC1001: Fatal Error: M.");
}

TEST(HcLog, CountsBySeverity) {
    Log log;
    log.Report(Code::HashCollision, {}, "a");
    log.Report(Code::NoTitle, {}, "b");
    log.Report(Code::UndefinedJump, {}, "c");
    log.Report(Code::MapUndefined, {}, "d");
    log.Report(Code::TopicFileNotFound, {}, "e");
    EXPECT_EQ(log.Errors(), 2);
    EXPECT_EQ(log.Fatal(), 1);
    EXPECT_EQ(log.Warnings(), 2);
    EXPECT_EQ(log.Notes(), 1);
    EXPECT_FALSE(log.Dropped());
    EXPECT_EQ(FormatFinding(log.Findings()[3]), "HC4004: Note: d");
    EXPECT_EQ(FormatFinding(log.Findings()[4]), "HC1013: Fatal Error: e");
}

// Authors build help files that have loose ends; the compiler writes the
// help file in spite of all but what leaves nothing to build.
TEST(HcLog, EveryCodeHasTheSeverityOfTheTable) {
    using enum Code;
    const std::vector<std::pair<Code, Severity>> table{
        {ProjectNotFound, Severity::Fatal},
        {UnknownSection, Severity::Warning},
        {OptionNotSupported, Severity::Warning},
        {UnknownOption, Severity::Warning},
        {LineOutsideSection, Severity::Warning},
        {BadOptionValue, Severity::Warning},
        {BadMapLine, Severity::Warning},
        {MapContextTwice, Severity::Warning},
        {MapNumberTwice, Severity::Warning},
        {BadAliasLine, Severity::Warning},
        {BadWindowLine, Severity::Warning},
        {WindowDefinedTwice, Severity::Warning},
        {TopicFileNotFound, Severity::Fatal},
        {NoTopicFiles, Severity::Fatal},
        {BadBuildExpression, Severity::Error},
        {WindowNameTooLong, Severity::Warning},
        {IncludeNotFound, Severity::Error},
        {OptionTwice, Severity::Note},
        {SectionNotSupported, Severity::Warning},
        {AliasTwice, Severity::Warning},
        {FolderNotFound, Severity::Warning},
        {NotRtf, Severity::Fatal},
        {UnexpectedEnd, Severity::Warning},
        {TextAfterEnd, Severity::Warning},
        {UnknownFootnote, Severity::Warning},
        {HotspotWithoutTarget, Severity::Warning},
        {HiddenTextWithoutHotspot, Severity::Warning},
        {NestedTooDeep, Severity::Warning},
        {UnknownFont, Severity::Warning},
        {BadBitmapReference, Severity::Warning},
        {BadHotspotTarget, Severity::Error},
        {FootnoteTooLong, Severity::Warning},
        {UnsupportedCommand, Severity::Warning},
        {TitleTwice, Severity::Warning},
        {RtfFault, Severity::Warning},
        {EmbeddedPicture, Severity::Warning},
        {UndefinedJump, Severity::Warning},
        {UndefinedPopup, Severity::Warning},
        {ContextTwice, Severity::Warning},
        {MapUndefined, Severity::Note},
        {ContentsUndefined, Severity::Warning},
        {NoTitle, Severity::Warning},
        {BitmapNotFound, Severity::Error},
        {EmptyKeyword, Severity::Warning},
        {UnknownMacro, Severity::Warning},
        {HashCollision, Severity::Error},
        {UndefinedWindow, Severity::Warning},
        {JumpToExcluded, Severity::Warning},
        {BadContextString, Severity::Warning},
        {AliasUndefined, Severity::Warning},
        {MapExcluded, Severity::Warning},
        {BadMacro, Severity::Warning},
        {ContentsExcluded, Severity::Warning},
        {Unreachable, Severity::Note},
        {KeepnNotAtStart, Severity::Warning},
        {ContextNotPortable, Severity::Warning},
        {NoTopics, Severity::Fatal},
        {HelpFileNotWritten, Severity::Fatal},
        {BadBitmapFile, Severity::Error},
        {IconNotUsable, Severity::Warning},
        {NotAHelpFile, Severity::Fatal},
    };
    for (const auto& [code, severity] : table) {
        EXPECT_EQ(SeverityOf(code), severity) << "HC" << static_cast<int>(code);
    }
}

TEST(HcLog, TotalsAndTheHelpFileAlwaysClose) {
    Log log;
    log.Report(Code::HashCollision, {}, "First.");
    const CompileCounts counts{12, 30, 1, 25, 2};
    EXPECT_EQ(LogLines(log, counts, "Created a.hlp, 1,234 bytes."),
              (std::vector<std::string>{"HC4010: Error: First.",
                                        "12 topics, 30 jumps, 1 pop-up, 25 keywords, 2 bitmaps "
                                        "compiled.",
                                        "1 error, 0 warnings.", "Created a.hlp, 1,234 bytes."}));
    log.Report(Code::Unreachable, {}, "N.");
    EXPECT_EQ(LogLines(log, CompileCounts{1, 1, 0, 1, 1}, ""),
              (std::vector<std::string>{"HC4010: Error: First.", "HC4019: Note: N.",
                                        "1 topic, 1 jump, 0 pop-ups, 1 keyword, 1 bitmap "
                                        "compiled.",
                                        "1 error, 0 warnings, 1 note."}));
}

TEST(HcLog, KeepsAtMostTheLimitAndSaysHowManyMore) {
    Log log;
    for (std::size_t i = 0; i < Log::kMaxKept + 3; ++i) {
        log.Report(Code::NoTitle, {}, "w");
    }
    EXPECT_EQ(log.Findings().size(), Log::kMaxKept);
    EXPECT_EQ(log.Warnings(), static_cast<int>(Log::kMaxKept) + 3);
    EXPECT_TRUE(log.Dropped());
    const auto lines = LogLines(log, {}, "");
    ASSERT_EQ(lines.size(), Log::kMaxKept + 3);
    EXPECT_EQ(lines[Log::kMaxKept], "3 further findings not listed.");
}

}  // namespace
}  // namespace scrivlet::hc
