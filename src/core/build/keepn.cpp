#include "core/build/keepn.h"

namespace scrivlet {

void ApplyKeepn(std::span<std::string> lines) {
    static constexpr std::string_view kMarker = "[keepn]";
    std::size_t deflangLine = lines.size();  // none yet
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string& line = lines[i];
        if (line.find("\\deflang") != std::string::npos) {
            deflangLine = i;
        }
        const std::size_t marker = line.find(kMarker);
        if (marker == std::string::npos) {
            continue;
        }
        line.erase(marker, kMarker.size());
        if (i + 1 < lines.size()) {
            std::string& next = lines[i + 1];
            const std::size_t par = next.find("\\par");
            if (par != std::string::npos) {
                next.insert(par + 4, "\\pard");
            } else {
                next.insert(0, "\\par \\pard");
            }
        }
        if (deflangLine < lines.size()) {
            std::string& first = lines[deflangLine];
            const std::size_t pard = first.find("\\pard");
            if (pard != std::string::npos) {
                first.insert(pard + 5, "\\keepn");
            }
        }
        return;
    }
}

}  // namespace scrivlet
