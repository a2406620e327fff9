#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace scrivlet {

// The one crossing between the 8-bit Windows-1252 text of the model and the
// QString of the widgets. Characters Windows-1252 cannot hold become "?".
QString FromAnsi(std::string_view bytes);
std::string ToAnsi(const QString& text);

}  // namespace scrivlet
