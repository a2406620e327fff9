#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace scrivlet::app {

// The anchor prompt, "Anchor" / "Anchor name:": the name as typed (also
// empty), or nothing when cancelled.
std::optional<QString> AskAnchorName(QWidget* parent);

}  // namespace scrivlet::app
