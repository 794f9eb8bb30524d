// What the random games cannot judge alone: which dice a throw takes, what each click on the
// dice keeps, and the throw for an announced upper figure.
#include <gtest/gtest.h>

#include "table.h"

namespace rolvex {
namespace {

using essai::Table;

std::string Gardes(const Table& t) {
  std::string s;
  for (bool g : t.e().DesGardes) s += g ? 'G' : '-';
  return s;
}

// The first press throws all five dice although all are kept; the next ones the released only.
TEST(Throw, TheFirstPressThrowsAllFiveDiceAndLaterOnesOnlyTheReleasedDice) {
  Table t;
  t.Ok("52614");
  t.Relancer("24", "33");
  EXPECT_EQ(t.DesSurTable(), "53634");
  t.Relancer("1", "6");
  EXPECT_EQ(t.DesSurTable(), "63634");
}

// Left button: keep or throw one die; right button: keep the dice identical to one, or take
// that back; a click on the place of a released die brings it back.
TEST(MouseOnDice, EachSequenceOfClicksKeepsTheDiceItShould) {
  struct Gestes {
    const char* gestes;  // "D1G3P2": right on die 1, left on die 3, place of die 2
    const char* gardes;
  };
  const Gestes cas[] = {
      {"G3", "GG-GG"},     {"G3G3", "GGGGG"},   {"G1G5", "-GGG-"}, {"G1P1G5P5", "GGGGG"},
      {"D1", "G-G-G"},     {"D4", "---G-"},      // a face alone keeps that die alone
      {"D4D1", "GGGGG"},   {"D4D1D2", "-G---"},  // the second right click takes the first back
      {"D1G2", "GGG-G"},   {"D1G2D1", "G-G-G"},  // keeping a die cancels the right click
      {"D1G3", "G---G"},   {"D1G3D1", "GGGGG"},  // releasing one leaves it standing
      {"D1P2", "GGG-G"},   {"D1P2D1", "G-G-G"},  // bringing one back cancels it
      {"D1P1D1", "GGGGG"},                       // the place of a kept die does nothing
  };
  for (const Gestes& g : cas) {
    Table t;
    t.Ok("25262");
    for (const char* p = g.gestes; *p; p += 2) {
      const int de = p[1] - '0';
      if (p[0] == 'G') t.Gauche(de);
      if (p[0] == 'D') t.Droit(de);
      if (p[0] == 'P') t.Place(de);
    }
    EXPECT_EQ(Gardes(t), g.gardes) << g.gestes;
  }
}

// While throws remain, a click on an announced upper figure keeps the dice of its face and
// throws the others at once; after the third throw it writes the square.
TEST(Annonce, ClickingAnAnnouncedUpperFigureKeepsItsDiceAndThrowsTheOthers) {
  Table t;
  t.Ok("55231");
  t.Clic(colonne::Annonce, figure::Cinq);
  t.Gauche(1);
  t.Prevoir("654");
  t.Clic(colonne::Annonce, figure::Cinq);
  EXPECT_EQ(t.DesSurTable(), "55654");
  t.Prevoir("11");
  t.Clic(colonne::Annonce, figure::Cinq);
  EXPECT_EQ(t.DesSurTable(), "55151");
  EXPECT_EQ(t.des.NbEnAttente(), 0u);
  t.Clic(colonne::Annonce, figure::Cinq);
  EXPECT_EQ(t.e().Cases(colonne::Annonce, figure::Cinq).Score, 15);
}

}  // namespace
}  // namespace rolvex
