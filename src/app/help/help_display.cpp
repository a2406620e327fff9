#include "app/help/help_display.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <optional>
#include <string>

#include "app/build/help_viewer.h"
#include "app/common/message_box.h"
#include "app/help/context_help_table.h"
#include "core/util/install_layout.h"

namespace scrivlet::app {

QString GuideFileIn(const QString& programFolder) {
    // When neither place has it, the message names where a build puts it.
    const auto found = FindUserGuide(programFolder.toStdString());
    return found ? QString::fromStdString(found->string()) : programFolder + "/scrivlet.hlp";
}

QString GuideFilePath() {
    return GuideFileIn(QCoreApplication::applicationDirPath());
}

GuideHelpDisplay::GuideHelpDisplay(QString guideFile, std::unique_ptr<HelpViewer> viewer)
    : guideFile_(std::move(guideFile)), viewer_(std::move(viewer)) {}

GuideHelpDisplay::~GuideHelpDisplay() = default;

void GuideHelpDisplay::ShowContents(QWidget* parent) {
    Open({}, parent);
}

void GuideHelpDisplay::ShowTopic(int mapNumber, QWidget* parent) {
    // The map number first; the guide's context string beside it for a
    // viewer that opens topics only by context string.
    HelpTopicRequest request;
    request.mapNumber = mapNumber;
    if (const ContextHelpEntry* entry = ContextHelpOfMapNumber(mapNumber)) {
        request.context = entry->context;
    }
    Open(request, parent);
}

void GuideHelpDisplay::Open(const HelpTopicRequest& request, QWidget* parent) {
    if (!QFileInfo(guideFile_).isFile()) {
        MessageBox::Error(parent, "The help file " + guideFile_ + " was not found.");
        return;
    }
    QString error;
    if (!viewer_->Show(guideFile_, request, error)) {
        // The adapter words its failures as error log lines.
        QString text = error.trimmed();
        if (text.startsWith("Error - ")) {
            text.remove(0, 8);
        }
        MessageBox::Error(parent, text);
    }
}

}  // namespace scrivlet::app
