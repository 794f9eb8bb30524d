#include "ui/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <array>

#include "ui/text.h"

namespace rolvex::ui {
namespace {

struct Remplacement {
  const char* nommee;
  const char* remplacante;
};

constexpr std::array Remplacements{
    Remplacement{"Times New Roman", "Liberation Serif"},
    Remplacement{"Comic Sans MS", "Comic Neue"},
};

constexpr double PlusPetitePolice = 1.0;

}  // namespace

void InstallerPolicesDeRemplacement() {
  for (const Remplacement& r : Remplacements) {
    const QString nommee = QString::fromUtf8(r.nommee);
    const QString remplacante = QString::fromUtf8(r.remplacante);
    if (QFontDatabase::hasFamily(nommee)) continue;
    // Qt keeps the names in lower case.
    if (!QFont::substitutes(nommee).contains(remplacante, Qt::CaseInsensitive))
      QFont::insertSubstitution(nommee, remplacante);
  }
}

void ReglerTaille(QFont& police, double points) {
  police.setPointSizeF(std::max(points, PlusPetitePolice));
}

QFont Police(const QString& nom, double points, bool gras, bool souligne) {
  QFont police(nom);
  ReglerTaille(police, points);
  police.setBold(gras);
  police.setUnderline(souligne);
  return police;
}

namespace {

// How much `lignes` in `police` must shrink to fit `place`: 1 when they fit as they are.
double FacteurQuiTient(const QFont& police, QSize place, const QStringList& lignes) {
  const QFontMetrics mesure(police);
  double facteur = 1;
  const qsizetype hauteur = lignes.size() * mesure.height();
  if (hauteur > place.height() && hauteur > 0) facteur = double(place.height()) / hauteur;
  int largeur = 0;
  for (const QString& ligne : lignes) largeur = std::max(largeur, mesure.horizontalAdvance(ligne));
  const int disponible = place.width() - 2 * MargeLegende;
  if (largeur > disponible && disponible > 0)
    facteur = std::min(facteur, double(disponible) / largeur);
  return facteur;
}

}  // namespace

// Glyphs do not shrink in exact proportion to their size: a size scaled down once is checked
// again, a little smaller each time, until the text fits.
double TailleQuiTient(const QFont& police, double points, QSize place, const QString& texte) {
  const QStringList lignes = AvecSautsDeLigne(texte).split(QLatin1Char('\n'));
  QFont essai = police;
  constexpr int Essais = 8;
  constexpr double Marge = 0.97;
  double taille = points;
  for (int i = 0; i < Essais && taille > PlusPetitePolice; ++i) {
    ReglerTaille(essai, taille);
    const double facteur = FacteurQuiTient(essai, place, lignes);
    if (facteur >= 1) break;
    taille *= std::min(facteur, Marge);
  }
  return std::max(taille, PlusPetitePolice);
}

}  // namespace rolvex::ui
