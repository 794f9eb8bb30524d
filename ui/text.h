// The game's texts are UTF-8 and join the lines of a multi-line text with character 13 alone;
// Qt wants QString and '\n'.
#pragma once

#include <QString>
#include <string_view>

namespace rolvex::ui {

QString EnQString(std::string_view utf8);

// Every '\r' (or "\r\n") becomes one '\n', so that a two-line caption shows as two lines.
QString AvecSautsDeLigne(const QString& texte);

}  // namespace rolvex::ui
