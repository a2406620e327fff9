#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace scrivlet::app {

// Up and down arrows tied to an edit: each click reads the edit's number,
// steps it within MIN..MAX (no wrap) and writes it back. A text that is not a
// number steps from the last position.
class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(QLineEdit* buddy, int min, int max, int step, QWidget* parent = nullptr);

    int Position() const { return position_; }
    void SetPosition(int value);

signals:
    void positionChanged(int value);

private:
    void Step(int direction);

    QLineEdit* buddy_;
    int min_;
    int max_;
    int step_;
    int position_;
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace scrivlet::app
