#include "help/hlp/system_reader.h"

#include "help/hlp/byte_cursor.h"
#include "help/hlp/system_records.h"

namespace scrivlet::help::hlp {
namespace {

enum WindowField : unsigned {
    kHasCaption = 0x0004,
    kHasX = 0x0008,
    kHasY = 0x0010,
    kHasWidth = 0x0020,
    kHasHeight = 0x0040,
    kHasButtons = 0x0080,
    kHasScrollColor = 0x0100,
    kHasFixedColor = 0x0200,
    kOnTop = 0x0400,
};

int32_t Signed(unsigned word) {
    return static_cast<int16_t>(static_cast<uint16_t>(word));
}

WindowDefinition ReadWindow(std::string_view data) {
    ByteCursor in(data, "a window definition of |SYSTEM");
    WindowDefinition w;
    const unsigned flags = in.Word();
    in.FixedString(10);  // "main" or "secondary"
    w.name = in.FixedString(9);
    const std::string caption = in.FixedString(51);
    const int32_t x = Signed(in.Word());
    const int32_t y = Signed(in.Word());
    const int32_t width = Signed(in.Word());
    const int32_t height = Signed(in.Word());
    const unsigned buttons = in.Word();
    const uint32_t scroll = in.Dword();
    const uint32_t fixed = in.Dword();
    if (flags & kHasCaption)
        w.caption = caption;
    if (flags & kHasX)
        w.x = x;
    if (flags & kHasY)
        w.y = y;
    if (flags & kHasWidth)
        w.width = width;
    if (flags & kHasHeight)
        w.height = height;
    if (flags & kHasButtons)
        w.buttons = buttons;
    if (flags & kHasScrollColor)
        w.scrollColor = scroll & 0xFFFFFF;
    if (flags & kHasFixedColor)
        w.fixedColor = fixed & 0xFFFFFF;
    if (flags & kOnTop)
        w.onTop = 1;
    return w;
}

std::string Text(std::string_view data) {
    return std::string(data.substr(0, data.find('\0')));
}

}  // namespace

SystemInfo ReadSystem(std::string_view bytes) {
    ByteCursor in(bytes, "|SYSTEM");
    SystemInfo info;
    if (in.Word() != kSystemMagic) {
        Damaged("|SYSTEM does not begin as it should");
    }
    info.minor = in.Word();
    in.Word();  // major
    info.date = in.Dword();
    info.flags = in.Word();
    if (info.IsWinHelp30()) {
        info.title = std::string(in.CString());
        return info;
    }
    while (in.Left() >= 4) {
        const unsigned type = in.Word();
        const unsigned size = in.Word();
        const std::string_view data = in.Take(size);
        switch (type) {
            case kTitle:
                info.title = Text(data);
                break;
            case kCopyright:
                info.copyright = Text(data);
                break;
            case kContents:
                info.contents = ReadDword(data, 0);
                break;
            case kConfig:
                info.config.push_back(Text(data));
                break;
            case kIcon:
                info.icon = std::string(data);
                break;
            case kWindow:
                info.windows.push_back(ReadWindow(data));
                break;
            case kCitation:
                info.citation = Text(data);
                break;
            case kLcid: {
                ByteCursor lcid(data, "the locale of |SYSTEM");
                info.sortFlags = lcid.Word();
                info.sortFlags2 = lcid.Word();
                lcid.Dword();
                info.lcid = lcid.Word();
                info.hasLcid = true;
                break;
            }
            case kCnt:
                info.cnt = Text(data);
                break;
            case kCharset:
                info.charset = ByteCursor(data, "the character set of |SYSTEM").Byte();
                info.hasCharset = true;
                break;
            default:
                break;  // settings only the viewer's later versions use
        }
    }
    return info;
}

unsigned CharsetOfLanguage(unsigned lcid) {
    switch (lcid & 0x3FF) {  // the primary language
        case 0x02:           // Bulgarian
        case 0x19:           // Russian
        case 0x22:           // Ukrainian
        case 0x23:           // Belarusian
        case 0x2F:           // Macedonian
            return 204;
        case 0x05:  // Czech
        case 0x0E:  // Hungarian
        case 0x15:  // Polish
        case 0x18:  // Romanian
        case 0x1B:  // Slovak
        case 0x24:  // Slovenian
            return 238;
        case 0x08:
            return 161;  // Greek
        case 0x1F:
            return 162;  // Turkish
        case 0x0D:
            return 177;  // Hebrew
        case 0x01:
            return 178;  // Arabic
        case 0x25:       // Estonian
        case 0x26:       // Latvian
        case 0x27:       // Lithuanian
            return 186;
        case 0x1E:
            return 222;  // Thai
        case 0x11:
            return 128;  // Japanese
        case 0x12:
            return 129;  // Korean
        case 0x04:
            return (lcid & 0xFFFF) == 0x0804 || (lcid & 0xFFFF) == 0x1004 ? 134 : 136;
        default:
            return 0;
    }
}

}  // namespace scrivlet::help::hlp
