#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <array>

namespace rolvex::ui {
namespace {

struct Remplacement {
  const char* nommée;
  const char* remplaçante;
};

constexpr std::array Remplacements{
    Remplacement{"Times New Roman", "Liberation Serif"},
    Remplacement{"Comic Sans MS", "Comic Neue"},
};

constexpr double PlusPetitePolice = 1.0;

}  // namespace

void InstallerPolicesDeRemplacement() {
  for (const Remplacement& r : Remplacements) {
    const QString nommée = QString::fromUtf8(r.nommée);
    const QString remplaçante = QString::fromUtf8(r.remplaçante);
    if (QFontDatabase::hasFamily(nommée)) continue;
    // Qt keeps the names in lower case.
    if (!QFont::substitutes(nommée).contains(remplaçante, Qt::CaseInsensitive))
      QFont::insertSubstitution(nommée, remplaçante);
  }
}

void RéglerTaille(QFont& police, double points) {
  police.setPointSizeF(std::max(points, PlusPetitePolice));
}

QFont Police(const QString& nom, double points, bool gras, bool souligné) {
  QFont police(nom);
  RéglerTaille(police, points);
  police.setBold(gras);
  police.setUnderline(souligné);
  return police;
}

}  // namespace rolvex::ui
