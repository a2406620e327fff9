#include "app/markup/file_chooser.h"

#include <QFileDialog>

namespace scrivlet::app {
namespace {

OpenFileAnswer& Answer() {
    static OpenFileAnswer answer;
    return answer;
}

}  // namespace

void SetOpenFileAnswer(OpenFileAnswer answer) {
    Answer() = std::move(answer);
}

QString ChooseOpenFile(QWidget* parent, const OpenFileRequest& request) {
    if (Answer()) {
        return Answer()(request);
    }
    QString selected = request.SelectedFilter;
    return QFileDialog::getOpenFileName(parent, request.Title, request.Folder, request.Filter,
                                        &selected, QFileDialog::ReadOnly);
}

}  // namespace scrivlet::app
