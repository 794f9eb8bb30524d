#include "playarea/square_drawing.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "rect_printer.h"

namespace rolvex {
namespace {

using colonne::Deux;
using colonne::Seche;

// A square shows its state alone: hidden, it gives no look and keeps its last one; free, its
// potential score once the dice are thrown, in its cell; taken, its score or "OOO" for 0,
// inset by RetraitPrise on every side. The pointer says whether it can be chosen now.
TEST(DessinDeCase, ShowsTheSquaresStateInItsCell) {
  const AireJeu aire = DispositionAireJeu(9600, 7200, 6, 9600);
  const Rect c = aire[CleCase{Seche, figure::Full}].rect;
  const Couleur fond = Colonnes[Seche].fondLibre;
  EtatPartie e;
  CaseJeu& k = e.Cases(Seche, figure::Full);
  auto dessin = [&] { return DessinDeCase(e, aire, Seche, figure::Full); };
  k.Selectionnable = true;
  EXPECT_EQ(std::make_tuple(dessin().aspect, dessin().apparence.has_value(), dessin().Pointeur),
            std::make_tuple(Aspect::Cachee, false, PointeurFlecheHaut));

  k = {.Visible = true, .Selectionnable = true, .CouleurPotentiel = Rouge, .CouleurFond = fond};
  ASSERT_EQ(dessin().aspect, Aspect::Libre);
  EXPECT_EQ(dessin().apparence->Legende, "") << "before the first throw";
  e.NbJets = 1;
  const ApparenceCase libre = *dessin().apparence;
  EXPECT_EQ(std::tie(libre.Legende, libre.CouleurTexte, libre.CouleurFond, libre.rect),
            std::make_tuple("0", Rouge, fond, c));

  k = {.Prise = true, .Visible = true, .Score = 0, .CouleurPrise = Blanc, .CouleurFond = Noir};
  ASSERT_EQ(dessin().aspect, Aspect::Prise);
  const ApparenceCase prise = *dessin().apparence;
  const Rect retiree{c.Left + 20, c.Top + 20, c.Width - 40, c.Height - 40};  // a gap of 40
  EXPECT_EQ(std::tie(prise.Legende, prise.CouleurTexte, prise.CouleurFond, prise.rect),
            std::make_tuple("OOO", Blanc, Noir, retiree));
  EXPECT_EQ(std::make_pair(dessin().Pointeur, dessin().DejaDessinee),
            std::make_pair(PointeurInterdit, false));
  k.Score = 25;
  k.PriseDessinee = true;
  EXPECT_EQ(std::make_pair(dessin().apparence->Legende, dessin().DejaDessinee),
            std::make_pair(std::string("25"), true))
      << "the window leaves it as it stands";
}

// A total of 0 leaves its square empty; a bonus reads "+ 30"; each column shows its own.
TEST(LegendeLigneTotal, ShowsNothingForZeroAndABonusWithItsSign) {
  EtatPartie e;
  e.TotalHaut[Deux] = 63;
  e.BonusHaut[Deux] = 30;
  e.TotalBas[Deux] = 7;
  e.BonusBas[Deux] = 100;
  std::vector<std::string> legendes;
  for (int16_t c : {Deux, Seche})
    for (LigneTotal ligne : LignesTotaux) legendes.push_back(LegendeLigneTotal(e, ligne, c));
  EXPECT_EQ(legendes, (std::vector<std::string>{"63", "+ 30", "7", "+ 100", "", "", "", ""}));
}

}  // namespace
}  // namespace rolvex
