#pragma once

#include <QDialog>

namespace scrivlet::app {

// The about box: the program's name, its version and what it is. Created at
// start-up and kept for the life of the main window.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    static QString ProgramName() { return QStringLiteral("Scrivlet"); }
    static QString VersionText();
    static QString Description() {
        return QStringLiteral("32-bit Help file editor for Windows 95.");
    }
};

}  // namespace scrivlet::app
