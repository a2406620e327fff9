#include "hc/hc_log.h"

namespace scrivlet::hc {

// Authors expect a help file whenever one can be made: what is wrong in one
// place is reported and the rest is built. Only what leaves nothing to build
// (no project, no topic, an unreadable topic file) or no file to build into
// is fatal; a [MAP] entry without a topic is usual in projects that share a
// header of help IDs with the program, so it is only a note.
Severity SeverityOf(Code code) {
    switch (code) {
        case Code::ProjectNotFound:
        case Code::TopicFileNotFound:
        case Code::NoTopicFiles:
        case Code::NotRtf:
        case Code::NoTopics:
        case Code::HelpFileNotWritten:
        case Code::NotAHelpFile:
            return Severity::Fatal;

        case Code::BadBuildExpression:
        case Code::IncludeNotFound:
        case Code::BadHotspotTarget:
        case Code::BitmapNotFound:
        case Code::HashCollision:
        case Code::BadBitmapFile:
            return Severity::Error;

        case Code::OptionTwice:
        case Code::MapUndefined:
        case Code::Unreachable:
            return Severity::Note;

        case Code::UnknownSection:
        case Code::OptionNotSupported:
        case Code::UnknownOption:
        case Code::LineOutsideSection:
        case Code::BadOptionValue:
        case Code::BadMapLine:
        case Code::MapContextTwice:
        case Code::MapNumberTwice:
        case Code::BadAliasLine:
        case Code::BadWindowLine:
        case Code::WindowDefinedTwice:
        case Code::WindowNameTooLong:
        case Code::SectionNotSupported:
        case Code::AliasTwice:
        case Code::FolderNotFound:
        case Code::UnexpectedEnd:
        case Code::TextAfterEnd:
        case Code::UnknownFootnote:
        case Code::HotspotWithoutTarget:
        case Code::HiddenTextWithoutHotspot:
        case Code::NestedTooDeep:
        case Code::UnknownFont:
        case Code::BadBitmapReference:
        case Code::FootnoteTooLong:
        case Code::UnsupportedCommand:
        case Code::TitleTwice:
        case Code::RtfFault:
        case Code::EmbeddedPicture:
        case Code::UndefinedJump:
        case Code::UndefinedPopup:
        case Code::ContextTwice:
        case Code::ContentsUndefined:
        case Code::NoTitle:
        case Code::EmptyKeyword:
        case Code::UnknownMacro:
        case Code::UndefinedWindow:
        case Code::JumpToExcluded:
        case Code::BadContextString:
        case Code::AliasUndefined:
        case Code::MapExcluded:
        case Code::BadMacro:
        case Code::ContentsExcluded:
        case Code::KeepnNotAtStart:
        case Code::ContextNotPortable:
        case Code::IconNotUsable:
            return Severity::Warning;
    }
    return Severity::Error;
}

}  // namespace scrivlet::hc
