#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "help/help_project.h"

namespace scrivlet::help::hlp {

// What |SYSTEM says: the version, how the topic text is stored, and the
// project's settings.
struct SystemInfo {
    unsigned minor = 0;  // 15 WinHelp 3.0, 21 WinHelp 3.1, 27 and 33 WinHelp 4
    unsigned flags = 0;  // 4 or 8: LZ77-packed topic blocks (8: of 2 KB)
    uint32_t date = 0;
    std::string title;
    std::string copyright;
    std::string citation;
    std::string cnt;
    uint32_t contents = 0xFFFFFFFF;  // TOPICOFFSET; none in WinHelp 3.0 files
    std::vector<std::string> config;
    std::vector<WindowDefinition> windows;
    bool hasLcid = false;
    unsigned lcid = 0;
    unsigned sortFlags = 0;
    unsigned sortFlags2 = 0;
    unsigned charset = 0;
    std::string icon;

    bool IsWinHelp30() const { return minor <= 16; }
    bool Lz77Topics() const { return !IsWinHelp30() && (flags & 0x0C) != 0; }
    // The size of a topic block on disk.
    std::size_t TopicBlockSize() const { return IsWinHelp30() || flags == 8 ? 2048 : 4096; }
};

SystemInfo ReadSystem(std::string_view bytes);

}  // namespace scrivlet::help::hlp
