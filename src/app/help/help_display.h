#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace scrivlet::app {

class HelpViewer;
struct HelpTopicRequest;

// Shows the program's own help: the user guide, at its contents or at a
// topic by map number. Tests put a recording display in its place.
class HelpDisplay {
public:
    virtual ~HelpDisplay() = default;
    virtual void ShowContents(QWidget* parent) = 0;
    virtual void ShowTopic(int mapNumber, QWidget* parent) = 0;
};

// Where the guide is for a program in PROGRAM_FOLDER: beside it, as the
// build puts it, or in "../share/scrivlet/", as an installation does. The
// first when neither is there, so the message names where it was looked for.
QString GuideFileIn(const QString& programFolder);

// The guide of this program.
QString GuideFilePath();

// Opens the guide through the help viewer adapter. A guide that is not
// there, or a viewer that cannot show it, is reported in the standard error
// box.
class GuideHelpDisplay : public HelpDisplay {
public:
    GuideHelpDisplay(QString guideFile, std::unique_ptr<HelpViewer> viewer);
    ~GuideHelpDisplay() override;

    void ShowContents(QWidget* parent) override;
    void ShowTopic(int mapNumber, QWidget* parent) override;

private:
    void Open(const HelpTopicRequest& request, QWidget* parent);

    QString guideFile_;
    std::unique_ptr<HelpViewer> viewer_;
};

}  // namespace scrivlet::app
