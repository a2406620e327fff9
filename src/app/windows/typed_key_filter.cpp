#include "app/windows/typed_key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace scrivlet::app {

TypedKeyFilter::TypedKeyFilter(QLineEdit* edit, Rule rule)
    : QObject(edit), edit_(edit), rule_(std::move(rule)) {}

void TypedKeyFilter::Install(QLineEdit* edit, Rule rule) {
    edit->installEventFilter(new TypedKeyFilter(edit, std::move(rule)));
}

bool TypedKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_ || event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        return false;
    }
    return !rule_(text.at(0).unicode(), static_cast<int>(edit_->text().length()));
}

}  // namespace scrivlet::app
