#include "texts/accessible_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

#include "deux_langues.h"
#include "texts/hover_help.h"

namespace rolvex {
namespace {

// What a screen reader says first, of texte(args..., langue) in both languages.
template <typename Texte, typename... Args>
std::string Noms(Texte texte, const Args&... args) {
  return FrEn([&](Langue l) { return texte(args..., l).nom; });
}

// The separator of a value, in French typography or in English.
std::string Sep(Langue l) { return l == Langue::Francais ? " : " : ": "; }

// A square says its column, its figure (as its row label names it) and its state; its
// description what a key or a click does now (one of three actions), then the column's name and
// its rule as the column's header gives it.
TEST(AccessibleCase, SaysColumnFigureAndStateThenWhatAClickDoes) {
  // The square's flags and score, the throws made, the figure announced (0: this square's), the
  // action (not allowed, write, announce in Annonce), the state said.
  const std::tuple<bool, bool, bool, int16_t, int16_t, int16_t, int, Bilingue> etats[] = {
      {false, false, false, 0, 1, -1, 0, {"fermée", "closed"}},
      {true, true, false, 0, 2, -1, 1, {"0 point possible", "0 points possible"}},
      {true, true, false, 1, 2, -1, 1, {"1 point possible", "1 point possible"}},
      {false, false, true, 0, 1, -1, 0, {"barrée", "crossed out"}},
      {false, false, true, 1, 1, -1, 0, {"1 point marqué", "scored 1"}},
      {false, false, true, 2, 1, -1, 0, {"2 points marqués", "scored 2"}},
      {true, false, false, 0, 2, 0, 0, {"à jouer", "open"}},
      {true, true, false, 2, 1, 0, 1, {"2 points possibles", "2 points possible"}},
      {true, true, false, 9, 1, -1, 2, {"9 points possibles", "9 points possible"}},
      {true, true, false, 9, 1, figure::As, 1, {"9 points possibles", "9 points possible"}}};
  std::map<std::string, int> actions;  // each action in each language has its own text
  for (const auto& [visible, selectionnable, prise, score, jets, annoncee, action, etat] : etats)
    for (int16_t c = 1; c <= NbColonnesMax; ++c)
      for (int16_t f = 1; f <= NbFigures; ++f)
        for (Langue l : {Langue::Francais, Langue::Anglais}) {
          EtatPartie e;
          CaseJeu& k = e.Cases(c, f);
          k.Visible = visible, k.Selectionnable = selectionnable, k.Prise = prise;
          k.Score = k.ScorePotentiel = score;
          e.NbJets = jets, e.FigureAnnoncee = annoncee == 0 ? f : annoncee;
          const bool annonce = c == colonne::Annonce,
                     dit = annonce && visible && e.FigureAnnoncee == f;
          const TexteAccessible t = AccessibleCase(e, c, f, l);
          EXPECT_EQ(t.nom, std::string(NomColonne(c, l)) + ", " + AccessibleEtiquette(f, l).nom + Sep(l) +
                               (dit ? l == Langue::Francais ? "annoncée, " : "announced, " : "") +
                               std::string(etat.pour(l)));
          const std::string regle =
              ' ' + std::string(NomColonne(c, l)) + Sep(l) + AccessibleEntete(c, l).description;
          ASSERT_TRUE(t.description.ends_with(regle)) << t.description;
          const int fait = (annonce ? action : std::min(action, 1)) * 2 + int(l);
          const std::string texte = t.description.substr(0, t.description.size() - regle.size());
          EXPECT_EQ(actions.try_emplace(texte, fait).first->second, fait) << texte;
        }
  EXPECT_EQ(actions.size(), 6u);
  EXPECT_EQ(Noms(AccessibleEntete, colonne::Seche), "Colonne Sèche | Straight column");
}

// The controls whose value changes say it in their name, following the game; where the hover
// help explains them, their description is the hover help's, else their row's.
TEST(Accessibles, TheNameOfAChangingControlFollowsTheGame) {
  EtatPartie avant, e;  // before the first throw, with what an earlier game left; after one
  e.NbJets = 1;
  e.Des[3] = 1, e.DesGardes[3] = false, e.Des[4] = 6;
  e.ScoreTotal = 123, e.Analyse.TotalDes = 17;
  avant.Des[4] = 5, avant.Analyse.TotalDes = 26,
  avant.Analyse.FigureNommee = TexteFigure::TexteCarre;
  const std::pair<std::string, const char*> noms[] = {
      {Noms(AccessibleDe, avant, 4), "Dé 4 : pas encore jeté | Die 4: not thrown yet"},
      {Noms(AccessibleDe, e, 3), "Dé 3 : 1, à relancer | Die 3: 1, to throw again"},
      {Noms(AccessibleDe, e, 4), "Dé 4 : 6, gardé | Die 4: 6, kept"},
      {Noms(AccessiblePlaceDe, 2), "Place du dé 2 | Place of die 2"},
      {Noms(AccessibleScoreTotal, e), "Score total : 123 | Total score: 123"},
      {Noms(AccessibleTotalDes, avant), "Somme des dés | Sum of the dice"},
      {Noms(AccessibleTotalDes, e), "Somme des dés : 17 | Sum of the dice: 17"},
      {Noms(AccessibleFigureRealisee, avant), "Figure réalisée : aucune | Figure made: none"}};
  for (const auto& [nom, attendu] : noms) EXPECT_EQ(nom, attendu);
  e.Analyse = avant.Analyse;
  EXPECT_EQ(Noms(AccessibleFigureRealisee, e), "Figure réalisée : CARRE | Figure made: SQUARE");
  EXPECT_EQ(AccessibleInfo("a\rb", Langue::Anglais).description, "a\nb");

  const int16_t H = bonus::Haut, B = bonus::Bas;
  e.TotalHaut[colonne::Libre] = 63, e.TotalBas[colonne::Descente] = 12;
  e.BonusHaut[colonne::Libre] = 30, e.BonusBas[colonne::Descente] = 0;
  EXPECT_EQ(Noms(AccessibleTotal, e, H, 1), "Libre, total du haut : 63 | Free, upper total: 63");
  EXPECT_EQ(Noms(AccessibleTotal, e, B, 2), "Descente, total du bas : 12 | Down, lower total: 12");
  EXPECT_EQ(Noms(AccessibleBonus, e, H, 1), "Libre, bonus du haut : 30 | Free, upper bonus: 30");
  EXPECT_EQ(Noms(AccessibleBonus, e, B, 2), "Descente, bonus du bas : 0 | Down, lower bonus: 0");
  const Langue l = Langue::Anglais;
  EXPECT_EQ(AccessibleBonus(e, B, 2, l).description, AppelMoveBonus(e, B, 2, l));
  e.PartieTerminee = true;  // the hover help is silent: the row's own description
  EXPECT_EQ(AccessibleBonus(e, H, 1, l).description, AccessibleEtiquetteBonus(H, l).description);
}

// The throw button says the faces thrown and counts the throws of the turn.
TEST(AccessibleOkDe, SaysTheThrowAndCountsTheThrowsOfTheTurn) {
  const char* descriptions[] = {
      "Aucun jet fait. Espace ou Entrée : jeter les dés. | No throw made yet. Space or Enter: "
      "throw the dice.",
      "Dés : 6, 1, 2, 6, 3. 1 jet sur 3. Espace ou Entrée : jeter les dés à relancer. | Dice: 6, "
      "1, 2, 6, 3. 1 of 3 throws made. Space or Enter: throw the dice again.",
      "Dés : 6, 1, 2, 6, 3. 2 jets sur 3. Espace ou Entrée : jeter les dés à relancer. | Dice: "
      "6, 1, 2, 6, 3. 2 of 3 throws made. Space or Enter: throw the dice again.",
      "Dés : 6, 1, 2, 6, 3. 3 jets sur 3 : choisissez une case. | Dice: 6, 1, 2, 6, 3. 3 of 3 "
      "throws made: choose a square."};
  EtatPartie e;
  for (int16_t i = 1; i <= NbDes; ++i) e.Des[i] = int16_t("61263"[i - 1] - '0');
  for (e.NbJets = 0; e.NbJets <= 3; ++e.NbJets)
    EXPECT_EQ(FrEn([&](Langue l) { return AccessibleOkDe(e, l).description; }),
              descriptions[e.NbJets]);
}

}  // namespace
}  // namespace rolvex
