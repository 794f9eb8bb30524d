#include "texts/hover_help.h"

#include <gtest/gtest.h>

#include <string>

#include "deux_langues.h"

namespace rolvex {
namespace {

// A square explains itself only while it may be written: its column on the first line, then
// its figure, whose text may take lines of its own.
TEST(AppelMoveCase, ExplainsASquareThatMayBeWrittenByItsColumnThenItsFigure) {
  const Bilingue colonnes[] = {
      {"La Libre (toujours disponible)", "The Free column (always available)"},
      {"La Descente (de haut en bas)", "The Down column"},
      {"La Montée (de bas en haut)", "The Up column"},
      {"La Sèche (au premier jet)", "The Straight column"},
      {"La Deux (2 jets maximum) ", "The Two column"},
      {"L'Annonce (annonce au 1er jet) ", "The Announce column"}};
  const Bilingue figures[] = {
      // clang-format off
      {"As", "Ace"}, {"Deux", "Two"}, {"Trois", "Three"}, {"Quatre", "Four"}, {"Cinq", "Five"},
      {"Six", "Six"},
      // clang-format on
      {"Maxi : Total des 5 dés. Ce total doit être strictement supérieur au Mini. Un BONUS = "
       "(MAXI-MINI)x3 est accordé si vous faites le MAXI et le MINI !!!",
       "Maxi : Sum of the 5 dices. This sum has to be strictly superior to Mini. Extra BONUS = "
       "(MAXI-MINI)x3 !!!"},
      {"Mini : Total des 5 dés. Ce total doit être strictement inférieur au Maxi. Un BONUS = "
       "(MAXI-MINI)x3 est accordé si vous faites le MAXI et le MINI !!!",
       "Mini : Sum of the 5 dices. This sum has to be strictly less than Maxi. Extra BONUS = "
       "(MAXI-MINI)x3 !!!"},
      {"Full : 3 dés identiques + 2 dés identiques donnent  : 20 + le total des 5 dés",
       "Full : 3 identical dices + 2 identical dices equals : 20 + sum of the 5 dices"},
      {"Carré : 4 dés identiques donnent 30 + le total des dés du carré",
       "Square : 4 identical dices equals 30 + sum of dices of the square"},
      {"Petite Suite : 12345 donnent 45\rou\rGrande Suite : 23456 donnent 50",
       "Sequence 12345 equals 45\ror\rSequence 23456 equals 50"},
      {"Total des dés inférieur ou égal à 8\r8=60 points , 7=65 points, 6=70 points and 5= 75 "
       "points",
       "Sum of 5 dices less thant 8\r8=60 points , 7=65 points, 6=70 points and 5= 75 points"},
      {" Yam : 5 dés identiques donnent 70 + le total des 5 dés",
       " Yam : 5 identical dices equals 70 + sum of the 5 dices"}};
  EtatPartie e;  // every square may be written, so that one off the sheet is told apart
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) e.Cases(c, f).Selectionnable = true;
  for (int16_t c = 0; c <= NbColonnesMax + 1; ++c) {
    for (int16_t f = 0; f <= NbFigures + 1; ++f) {
      const auto aide = [&] {
        return FrEn([&](Langue l) { return AppelMoveCase(e, c, f, l).value_or("-"); });
      };
      if (c < 1 || c > NbColonnesMax || f < 1 || f > NbFigures) {
        EXPECT_EQ(aide(), "- | -") << c << " " << f;
        continue;
      }
      const Bilingue &colonne = colonnes[c - 1], &figure = figures[f - 1];
      EXPECT_EQ(aide(), std::string(colonne.fr) + "\r" + std::string(figure.fr) + " | " +
                            std::string(colonne.en) + "\r" + std::string(figure.en));
      e.Cases(c, f).Selectionnable = false;
      EXPECT_EQ(aide(), "- | -") << c << " " << f;
      e.Cases(c, f).Selectionnable = true;
    }
  }
}

// The upper bonus square says how far its column's upper total is from 60, or which bonus it
// has reached: 30 points from 60, 50 from 70, 100 from 80. The lower one asks for all seven
// lower figures until they are made, then says whether the bonus is 100 points or, with the
// upper bonus, 200. Only the Annonce lower bonus asks for a click.
TEST(AppelMoveBonus, SaysThePointsMissingOrTheBonusReached) {
  const Bilingue atteints[] = {
      {"Bravo, vous obtenez le bonus de 30 points pour avoir réalisé plus de 60 points en haut !",
       "Congratulations, you get the 30 points bonus !"},
      {"Félicitations, vous avez pour cette colonne un bonus de 50 points pour votre score "
       "supérieur à 70 points en haut !",
       "Congratulations, you get the 50 points bonus !"},
      {"Exceptionnel, vous obtenez le bonus de 100 points pour avoir dépassé 80 points dans la "
       "partie haute de cette colonne !",
       "Congratulations, you get the 100 points bonus !"}};
  const Bilingue bas[] = {
      {"Pour obtenir le bonus du bas, vous devez réaliser toutes les figures de la colonne.",
       "To get the down bonus of this column, you just have to complete all figures of this "
       "column."},
      {"Vous obtenez le bonus de 100 points pour avoir réalisé toutes les figures de la colonne.",
       "You get the 100 points bonus because you got all the figures of the column."},
      {"Vous avez réalisé toutes les figures de la colonne avec le bonus du haut, vous obtenez "
       "donc un bonus exceptionnel de 200 points !",
       "You get a bonus of 200 points because you got all the figures and the up bonus"}};
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    EtatPartie e;
    for (int total = 0; total <= 100; ++total) {
      e.TotalHaut[c] = total;
      const std::string r = std::to_string(60 - total);
      EXPECT_EQ(FrEn([&](Langue l) { return *AppelMoveBonus(e, bonus::Haut, c, l); }),
                total >= 60 ? FrEn(atteints[(std::min(total, 80) - 60) / 10])
                            : "Il vous manque " + r +
                                  " points pour obtenir le premier bonus de 30 points ! | "
                                  "You have to get " +
                                  r + " points more for the first bonus of 30 points !");
      e.NbFiguresColonne[c] = static_cast<int16_t>(total % 8);
      EXPECT_EQ(FrEn([&](Langue l) { return *AppelMoveBonus(e, bonus::Bas, c, l); }),
                FrEn(bas[total % 8 < 7 ? 0
                         : total < 60  ? 1
                                       : 2]));
    }
    EXPECT_EQ(GesteAideBonus(bonus::Haut, c), GesteAide::Survol);
    EXPECT_EQ(GesteAideBonus(bonus::Bas, c),
              c == colonne::Annonce ? GesteAide::Clic : GesteAide::Survol);
  }
}

// Once the game is over the end-of-game message stays: the play area and the bonus squares are
// silent, as is anything off the sheet.
TEST(AppelMoveBonus, SilentOnceTheGameIsOverAndOffTheSheet) {
  EtatPartie e;
  EXPECT_EQ(PictureAireJeu_MouseMove(e), "");
  for (auto [ou, c] : {std::pair{3, 1}, {bonus::Haut, 0}, {bonus::Bas, 7}})
    EXPECT_EQ(AppelMoveBonus(e, int16_t(ou), int16_t(c), Langue::Francais), std::nullopt);
  e.PartieTerminee = true;
  EXPECT_EQ(PictureAireJeu_MouseMove(e), std::nullopt);
  for (int16_t ou : {bonus::Haut, bonus::Bas})
    for (int16_t c = 1; c <= NbColonnesMax; ++c)
      EXPECT_EQ(AppelMoveBonus(e, ou, c, Langue::Anglais), std::nullopt);
}

// The panels explain themselves whatever the state of the game, the high-score cells with
// their row in decimal.
TEST(AppelMovePanel, EachPanelHasItsTextAndEachHighScoreCellItsRow) {
  using enum Seul;
  using enum Famille;
  const std::pair<Seul, Bilingue> panels[] = {
      {PanelFigureRealisee, {"Figure actuellement réalisée.", "Current figure."}},
      {PanelTotalDes, {"Somme des 5 dés actuellement tirés.", "Total of the current 5 dices."}},
      {PanelScoreTotal,
       {"Score total (correspondant à la somme des scores de chaque colonne).",
        "This is the score (sum of column scores)."}}};
  const std::pair<Famille, Bilingue> cellules[] = {
      {PanelScoreClassement, {"Joueur classé en position ", "Player position "}},
      {PanelScoreNom, {"Nom du joueur classé en position N° ", " Name of the player at position "}},
      {PanelScoreTemps, {"Temps réalisé de la position N° ", "Time elapsed at position "}},
      {PanelScoreNbFigures,
       {"Nombre de figures réalisées pour le score N° ", "Number of figures of the score "}},
      {PanelScoreScore, {"Meilleur score N° ", "High score "}}};
  for (const auto& [panel, texte] : panels) EXPECT_EQ(FrEn(AppelMovePanel, panel), FrEn(texte));
  for (const auto& [panel, avant] : cellules) {
    for (int16_t rang = 1; rang <= 10; ++rang) {
      const std::string n = std::to_string(rang) + (panel == PanelScoreScore ? " / 10" : "");
      EXPECT_EQ(FrEn(AppelMovePanelScore, panel, rang),
                std::string(avant.fr) + n + " | " + std::string(avant.en) + n);
    }
  }
}

}  // namespace
}  // namespace rolvex
