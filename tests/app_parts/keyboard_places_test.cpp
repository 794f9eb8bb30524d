#include <gtest/gtest.h>

#include <QWidget>  // keyboard.h reads its frame through a QPointer<QWidget>

#include <cstdlib>
#include <random>
#include <tuple>
#include <vector>

#include "app/keyboard.h"

namespace rolvex::app {

void PrintTo(const PlaceEcran& p, std::ostream* os) { *os << p.colonne << "," << p.ligne; }

namespace {

// A square's place is its column's slot on screen and its row, the lower figures standing
// below the two rows of the upper total and bonus.
TEST(PlacesDuClavier, KeepTheColumnsInTheirScreenOrderAndTheTotalsBetweenTheParts) {
  EXPECT_EQ(PlaceDeCase(colonne::Descente, figure::As), (PlaceEcran{0, 1}));
  EXPECT_EQ(PlaceDeCase(colonne::Libre, figure::Six), (PlaceEcran{1, 6}));
  EXPECT_EQ(PlaceDeCase(colonne::Annonce, figure::Maxi), (PlaceEcran{5, 9}));
}

// An arrow leads to the nearest place strictly that way, a step across the arrow counting twice
// a step along it, ties going to the upper row then the left column; the nearest place to a
// point counts a column as two rows, the point itself included. Checked on random grids.
TEST(PlacesDuClavier, AreTheNearestThatWayOnAnyGrid) {
  std::mt19937 hasard(7);
  const std::pair<int, int> fleches[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  for (int essai = 0; essai < 3000; ++essai) {
    auto place = [&] { return PlaceEcran{int(hasard() % 6), int(hasard() % 15) + 1}; };
    std::vector<PlaceEcran> places(hasard() % 9);
    for (PlaceEcran& p : places) p = place();
    const PlaceEcran depuis = place();
    const auto [dx, dy] = fleches[hasard() % 4];

    std::optional<PlaceEcran> suivante, proche;
    std::tuple<int, int, int> ecartSuivante, ecartProche;
    for (PlaceEcran p : places) {
      const int ddx = p.colonne - depuis.colonne, ddy = p.ligne - depuis.ligne;
      const int leLong = ddx * dx + ddy * dy, enTravers = std::abs(ddx * dy + ddy * dx);
      const auto versLa = std::tuple(leLong + 2 * enTravers, p.ligne, p.colonne);
      if (leLong > 0 && (!suivante || versLa < ecartSuivante)) {
        suivante = p;
        ecartSuivante = versLa;
      }
      const auto pres = std::tuple(2 * std::abs(ddx) + std::abs(ddy), p.ligne, p.colonne);
      if (!proche || pres < ecartProche) {
        proche = p;
        ecartProche = pres;
      }
    }
    EXPECT_EQ(PlaceSuivante(depuis, dx, dy, places), suivante) << essai;
    EXPECT_EQ(PlaceLaPlusProche(depuis, places), proche) << essai;
  }
}

}  // namespace
}  // namespace rolvex::app
