// The game names Windows fonts; a Debian desktop has metric-compatible ones under other names.
#pragma once

#include <QFont>
#include <QString>

namespace rolvex::ui {

// Once, before the first window: a named font that is absent is drawn with its stand-in
// (Times New Roman → Liberation Serif, Comic Sans MS → Comic Neue). Calling it again changes
// nothing.
void InstallerPolicesDeRemplacement();

// Sizes of the game's fonts are fractional points (18 × RatioLargeur); a size below one point
// (a zero-sized screen) is taken as one point rather than refused.
void RéglerTaille(QFont& police, double points);
QFont Police(const QString& nom, double points, bool gras = false, bool souligné = false);

}  // namespace rolvex::ui
