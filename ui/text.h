// The game's texts are UTF-8 and join the lines of a multi-line text with character 13 alone;
// Qt wants QString and '\n'.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

class QFontMetrics;

namespace rolvex::ui {

QString EnQString(std::string_view utf8);

// Every '\r' (or "\r\n") becomes one '\n', so that a two-line caption shows as two lines.
QString AvecSautsDeLigne(const QString& texte);

// The lines a caption shows in `largeur` pixels: one at each line break, and a line too long
// broken at its blanks only, so that "Yam->New Game" never splits after its hyphen. The blank
// at a break is dropped; a word wider than the width stands alone on its line.
QStringList LignesCoupeesAuxBlancs(const QString& texte, const QFontMetrics& mesure, int largeur);

}  // namespace rolvex::ui
