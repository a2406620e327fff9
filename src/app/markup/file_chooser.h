#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace scrivlet::app {

// One file-open dialog that requires an existing file.
struct OpenFileRequest {
    QString Title;
    QString Folder;          // where the dialog starts; empty for the default
    QString Filter;          // Qt form: "Desc (*.ext);;Other (*.x *.y)"
    QString SelectedFilter;  // one entry of Filter
};

// The chosen file's full path, or an empty string when cancelled.
QString ChooseOpenFile(QWidget* parent, const OpenFileRequest& request);

// For tests: answers every following request instead of showing a dialog;
// an empty function shows dialogs again.
using OpenFileAnswer = std::function<QString(const OpenFileRequest&)>;
void SetOpenFileAnswer(OpenFileAnswer answer);

}  // namespace scrivlet::app
