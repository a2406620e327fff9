#pragma once

#include <QWidget>

class QLabel;

namespace scrivlet::app {

// The start-up splash ("Welcome..."): borderless, on top, centred, 313 by
// 177 pixels, with the program name, a picture, the version and a status
// line that start-up updates.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    SplashWindow();
    void SetStatus(const QString& text);
    QString Status() const;

private:
    QLabel* status_ = nullptr;
};

}  // namespace scrivlet::app
