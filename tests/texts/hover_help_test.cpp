#include "texts/hover_help.h"

#include <gtest/gtest.h>

#include <set>

#include "deux_langues.h"

namespace rolvex {
namespace {

// A square explains itself only while it may be written: its column's line, a line break, then
// its figure's text (which may take lines of its own). Every column and figure has its own.
TEST(AppelMoveCase, ExplainsASquareThatMayBeWrittenByItsColumnThenItsFigure) {
  EtatPartie e;
  for (Langue l : {Langue::Francais, Langue::Anglais}) {
    const auto aide = [&](int16_t c, int16_t f) { return AppelMoveCase(e, c, f, l).value_or(""); };
    const auto ligne = [&](int16_t c) { return aide(c, 1).substr(0, aide(c, 1).find('\r')); };
    const auto texte = [&](int16_t f) { return aide(1, f).substr(aide(1, f).find('\r') + 1); };
    std::set<std::string> lignes = {""};  // every column's line and figure's text, none empty
    for (int16_t c = 1; c <= NbColonnesMax; ++c)
      for (int16_t f = 1; f <= NbFigures; ++f) {
        e.Cases(c, f).Selectionnable = false;
        EXPECT_EQ(AppelMoveCase(e, c, f, l), std::nullopt) << c << " " << f;
        e.Cases(c, f).Selectionnable = true;
        EXPECT_EQ(AppelMoveCase(e, c, f, l), ligne(c) + '\r' + texte(f));
        lignes.insert(ligne(c)), lignes.insert(texte(f));
      }
    EXPECT_EQ(lignes.size(), std::size_t(1 + NbColonnesMax + NbFigures));
    // Every square may now be written, so that one off the sheet is told apart.
    for (auto [c, f] : {std::pair{0, 1}, {7, 1}, {2, 0}, {1, 14}})
      EXPECT_EQ(AppelMoveCase(e, int16_t(c), int16_t(f), l), std::nullopt) << c << " " << f;
  }
}

// The upper bonus square counts the points its column's upper total lacks to reach 60; from
// there on it names the bonus reached, changing only at 60, 70 and 80. The lower one asks for
// all seven lower figures until they are made, then names a bonus of 100 points or, with the
// upper bonus, of 200. Only the Annonce lower bonus asks for a click. Once the game is over,
// the end-of-game message stays: the bonus squares and the play area are silent, as is anything
// off the sheet.
TEST(AppelMoveBonus, CountsThePointsMissingOrNamesTheBonusReachedUntilTheEnd) {
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    EtatPartie e;
    const auto aide = [&](int16_t ou) {
      return FrEn([&](Langue l) { return AppelMoveBonus(e, ou, c, l).value_or(""); });
    };
    std::string avant;
    std::set<std::string> bas;
    for (int total = 0; total <= 100; avant = aide(bonus::Haut), ++total) {
      e.TotalHaut[c] = total, e.NbFiguresColonne[c] = static_cast<int16_t>((total + 3) % 8);
      const std::string haut = aide(bonus::Haut), b = aide(bonus::Bas),
                        r = std::to_string(60 - total);
      EXPECT_EQ(
          haut == "Il vous manque " + r +
                      " points pour obtenir le premier bonus de 30 points ! | You have to get " +
                      r + " points more for the first bonus of 30 points !",
          total < 60)
          << haut;
      EXPECT_EQ(haut != avant, total <= 60 || total == 70 || total == 80) << total;
      const char* prime = total < 70 ? "30 points" : total < 80 ? "50 points" : "100 points";
      EXPECT_NE(haut.find(prime), std::string::npos) << haut;
      prime = (total + 3) % 8 < NbFiguresBas ? "" : total < 60 ? "100 points" : "200 points";
      EXPECT_NE(b.find(prime), std::string::npos) << b;
      bas.insert(b);
    }
    EXPECT_EQ(bas.size(), 3u);
    e.PartieTerminee = true;
    EXPECT_TRUE(!AppelMoveBonus(e, bonus::Haut, c, Langue::Anglais) &&
                !AppelMoveBonus(e, bonus::Bas, c, Langue::Francais));
    EXPECT_TRUE(GesteAideBonus(bonus::Haut, c) == GesteAide::Survol &&
                (GesteAideBonus(bonus::Bas, c) == GesteAide::Clic) == (c == colonne::Annonce));
  }
  EtatPartie e;
  for (auto [ou, c] : {std::pair{3, 1}, {bonus::Haut, 0}, {bonus::Bas, 7}})
    EXPECT_EQ(AppelMoveBonus(e, int16_t(ou), int16_t(c), Langue::Francais), std::nullopt);
  EXPECT_EQ(PictureAireJeu_MouseMove(e), "");
  e.PartieTerminee = true;
  EXPECT_EQ(PictureAireJeu_MouseMove(e), std::nullopt);
}

// Each high-score cell says its row in decimal, the score out of ten; a panel of the dice area
// without help says nothing.
TEST(AppelMovePanel, EachHighScoreCellSaysItsRow) {
  for (Famille panel : FamillesScores)
    for (Langue l : {Langue::Francais, Langue::Anglais}) {
      const std::string un = AppelMovePanelScore(panel, 1, l);
      for (int16_t rang = 1; rang <= 10; ++rang)
        EXPECT_EQ(AppelMovePanelScore(panel, rang, l),
                  un.substr(0, un.find('1')) + std::to_string(rang) + un.substr(un.find('1') + 1));
      EXPECT_EQ(un.ends_with("1 / 10"), panel == Famille::PanelScoreScore) << un;
    }
  EXPECT_EQ(AppelMovePanel(Seul::PanelStart, Langue::Francais), "");
}

}  // namespace
}  // namespace rolvex
