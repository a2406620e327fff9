#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>

namespace scrivlet::app {

// Shows a built help file at a topic. On Windows this was WinHelp; here it
// is Wine's help viewer when Wine is installed, and a built-in viewer later.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Opens HELP_FILE at CONTEXT (its context string; nothing opens the
    // contents topic). False with a reason in ERROR when nothing could show it.
    virtual bool Show(const QString& helpFile, const std::optional<std::string>& context,
                      QString& error) = 0;
};

// Wine's winhlp32, started detached.
class WineHelpViewer : public HelpViewer {
public:
    bool Show(const QString& helpFile, const std::optional<std::string>& context,
              QString& error) override;
};

// The viewer this machine has.
std::unique_ptr<HelpViewer> CreateHelpViewer();

}  // namespace scrivlet::app
