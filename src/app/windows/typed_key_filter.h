#pragma once

#include <QObject>
#include <functional>

class QLineEdit;

namespace scrivlet::app {

// Drops typed characters that a rule refuses. The rule gets the character
// code and the edit's current length; keys that type nothing printable
// (Backspace, Delete, arrows, Ctrl shortcuts such as paste) always pass, so
// pasted text is not limited here.
class TypedKeyFilter : public QObject {
public:
    using Rule = std::function<bool(int code, int length)>;

    // Installs a filter owned by EDIT.
    static void Install(QLineEdit* edit, Rule rule);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TypedKeyFilter(QLineEdit* edit, Rule rule);

    QLineEdit* edit_;
    Rule rule_;
};

}  // namespace scrivlet::app
