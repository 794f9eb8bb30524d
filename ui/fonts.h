// The game names Windows fonts; a Debian desktop has metric-compatible ones under other names.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace rolvex::ui {

// Once, before the first window: a named font that is absent is drawn with its stand-in
// (Times New Roman → Liberation Serif, Comic Sans MS → Comic Neue). Calling it again changes
// nothing.
void InstallerPolicesDeRemplacement();

// Sizes of the game's fonts are fractional points (18 × RatioLargeur); a size below one point
// (a zero-sized screen) is taken as one point rather than refused.
void ReglerTaille(QFont& police, double points);
QFont Police(const QString& nom, double points, bool gras = false, bool souligne = false);

// A caption is drawn this far inside the edges of its panel (bevel and margin).
inline constexpr int MargeLegende = 3;

// `points`, unless `police` at that size would not fit `texte` in `place`: then the size at
// which its widest line fits the width less MargeLegende on each side, and its lines (one per
// '\n' or '\r') the height. An empty text only asks one line to fit the height.
double TailleQuiTient(const QFont& police, double points, QSize place, const QString& texte);

}  // namespace rolvex::ui
