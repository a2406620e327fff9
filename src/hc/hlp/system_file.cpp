#include "hc/hlp/system_file.h"

#include <algorithm>

#include "hc/hlp/bytes.h"
#include "help/hlp/system_records.h"

namespace scrivlet::hc::hlp {
namespace {

using help::hlp::kSystemMagic;
using enum help::hlp::SystemRecord;

void PutRecord(std::string& out, unsigned type, const std::string& data) {
    PutWord(out, type);
    PutWord(out, static_cast<unsigned>(data.size()));
    out += data;
}

void PutStringRecord(std::string& out, unsigned type, const std::string& text) {
    std::string data = text.substr(0, 0xFFF0);
    data.push_back('\0');
    PutRecord(out, type, data);
}

void PutFixed(std::string& out, const std::string& text, std::size_t size) {
    std::string field = text.substr(0, size - 1);
    field.resize(size, '\0');
    out += field;
}

std::string WindowRecord(const WindowDefinition& w, bool main) {
    unsigned flags = 0x0001 | 0x0002;
    if (!w.caption.empty())
        flags |= 0x0004;
    if (w.x)
        flags |= 0x0008;
    if (w.y)
        flags |= 0x0010;
    if (w.width)
        flags |= 0x0020;
    if (w.height)
        flags |= 0x0040;
    if (w.buttons)
        flags |= 0x0080;
    if (w.scrollColor)
        flags |= 0x0100;
    if (w.fixedColor)
        flags |= 0x0200;
    if (w.onTop.value_or(0) != 0)
        flags |= 0x0400;
    std::string data;
    PutWord(data, flags);
    PutFixed(data, main ? "main" : "secondary", 10);
    PutFixed(data, w.name, 9);
    PutFixed(data, w.caption, 51);
    PutWord(data, static_cast<unsigned>(w.x.value_or(0)));
    PutWord(data, static_cast<unsigned>(w.y.value_or(0)));
    PutWord(data, static_cast<unsigned>(w.width.value_or(0)));
    PutWord(data, static_cast<unsigned>(w.height.value_or(0)));
    PutWord(data, w.buttons.value_or(0));
    PutDword(data, w.scrollColor.value_or(0xFFFFFF));
    PutDword(data, w.fixedColor.value_or(0xFFFFFF));
    return data;
}

}  // namespace

std::string BuildSystemFile(const HelpProject& project, uint32_t contents, unsigned flags,
                            uint32_t date, const SystemExtras& extras) {
    std::string out;
    PutWord(out, kSystemMagic);
    PutWord(out, 33);  // minor version: WinHelp 4
    PutWord(out, 1);
    PutDword(out, date);
    PutWord(out, flags);
    PutStringRecord(out, kTitle, project.title.text);
    if (!project.copyright.text.empty()) {
        PutStringRecord(out, kCopyright, project.copyright.text);
    }
    std::string value;
    PutDword(value, contents);
    PutRecord(out, kContents, value);
    for (const ConfigMacro& macro : project.config) {
        if (macro.window.empty()) {
            PutStringRecord(out, kConfig, macro.macro);
        }
    }
    for (const WindowDefinition& window : project.windows) {
        PutRecord(out, kWindow, WindowRecord(window, window.name == "main"));
    }
    if (!project.citation.text.empty()) {
        PutStringRecord(out, kCitation, project.citation.text);
    }
    if (!project.cnt.text.empty()) {
        PutStringRecord(out, kCnt, project.cnt.text);
    }
    std::string locale;
    PutWord(locale, extras.sortFlags);
    PutWord(locale, extras.sortFlags2);
    PutDword(locale, 0);
    PutWord(locale, extras.lcid);
    PutRecord(out, kLcid, locale);
    std::string charset;
    PutWord(charset, extras.charset);
    PutRecord(out, kCharset, charset);
    if (!extras.icon.empty()) {
        PutRecord(out, kIcon, extras.icon);
    }
    return out;
}

}  // namespace scrivlet::hc::hlp
