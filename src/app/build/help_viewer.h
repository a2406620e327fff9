#pragma once

#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/viewer/help_window.h"

namespace scrivlet::app {

// The topic to show a help file at: its map number, else its context
// string, else the contents topic.
struct HelpTopicRequest {
    std::optional<int32_t> mapNumber;
    std::optional<std::string> context;
};

// Shows a built help file at a topic: our own viewer, or Wine's help viewer
// when the options choose it.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // False with a reason in ERROR when nothing could show it.
    virtual bool Show(const QString& helpFile, const HelpTopicRequest& request, QString& error) = 0;
};

// Wine's winhlp32, started detached; it opens topics by context string only.
class WineHelpViewer : public HelpViewer {
public:
    bool Show(const QString& helpFile, const HelpTopicRequest& request, QString& error) override;
};

// Our own viewer window, read afresh each time (the file was just built).
class BuiltInHelpViewer : public HelpViewer {
public:
    bool Show(const QString& helpFile, const HelpTopicRequest& request, QString& error) override;
    HelpWindow* Window() const { return window_; }

private:
    QPointer<HelpWindow> window_;
};

// The viewer the options choose, asked at every Show.
class ChosenHelpViewer : public HelpViewer {
public:
    bool Show(const QString& helpFile, const HelpTopicRequest& request, QString& error) override;

private:
    WineHelpViewer wine_;
    BuiltInHelpViewer builtIn_;
};

// The setting "HelpViewer" in "Settings": "Wine" chooses Wine's viewer;
// anything else, or nothing, our own.
bool WineViewerChosen();
void ChooseWineViewer(bool wine);

std::unique_ptr<HelpViewer> CreateHelpViewer();

}  // namespace scrivlet::app
