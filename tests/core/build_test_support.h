#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/build/build_sinks.h"

namespace scrivlet::testing {

inline std::filesystem::path BuildData(std::string_view name) {
    return std::filesystem::path(SCRIVLET_TEST_DATA) / "build" / name;
}

// Lines joined as the build writes them: each ended by CR LF.
inline std::string CrLfText(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

// Records every status text in order.
class RecordingProgress : public ProgressSink {
public:
    void BuildStarted() override { events.emplace_back("<started>"); }
    void ShowStatus(std::string_view text) override { events.emplace_back(text); }
    void BuildEnded() override { events.emplace_back("<ended>"); }
    bool Cancelled() override { return cancelWhen && cancelWhen(); }
    std::vector<std::string> events;
    std::function<bool()> cancelWhen;
};

}  // namespace scrivlet::testing
