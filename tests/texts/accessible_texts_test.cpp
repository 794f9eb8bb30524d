#include "texts/accessible_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "deux_langues.h"
#include "texts/hover_help.h"

namespace rolvex {
namespace {

// What a screen reader says first, and then, of texte(args..., langue) in both languages.
template <typename Texte, typename... Args>
std::string Noms(Texte texte, const Args&... args) {
  return FrEn([&](Langue l) { return texte(args..., l).nom; });
}
template <typename Texte, typename... Args>
std::string Descriptions(Texte texte, const Args&... args) {
  return FrEn([&](Langue l) { return texte(args..., l).description; });
}

// A square says its column, its figure and its state; its description what a key or a click
// does now, then the rule of its column as the column's header gives it.
TEST(AccessibleCase, SaysColumnFigureAndStateThenWhatAClickDoes) {
  const Bilingue colonnes[] = {{"Libre", "Free"}, {"Descente", "Down"},
                               {"Montée", "Up"},  {"Sèche", "Straight"},
                               {"Deux", "Two"},   {"Annonce", "Announce"}};
  const Bilingue non = {"Ne peut pas être choisie maintenant.", "Cannot be chosen now."};
  const Bilingue ecrire = {"Entrée ou clic : écrire ce score.",
                           "Enter or click: write this score."};
  const Bilingue annoncer = {"Entrée ou clic : annoncer cette figure.",
                             "Enter or click: announce this figure."};
  // The square's flags and score, the throws made, the figure announced (0: this square's).
  const struct {
    bool visible, selectionnable, prise;
    int16_t score, jets, annoncee;
    Bilingue etat;
  } etats[] = {{false, false, false, 0, 1, -1, {"fermée", "closed"}},
               {true, false, false, 0, 1, -1, {"à jouer", "open"}},
               {true, true, false, 0, 2, -1, {"0 point possible", "0 points possible"}},
               {true, true, false, 1, 2, -1, {"1 point possible", "1 point possible"}},
               {true, true, false, 2, 2, -1, {"2 points possibles", "2 points possible"}},
               {false, false, true, 0, 1, -1, {"barrée", "crossed out"}},
               {false, false, true, 1, 1, -1, {"1 point marqué", "scored 1"}},
               {false, false, true, 2, 1, -1, {"2 points marqués", "scored 2"}},
               {true, false, false, 0, 2, 0, {"à jouer", "open"}},
               {true, true, false, 9, 1, 0, {"9 points possibles", "9 points possible"}},
               {true, true, false, 9, 1, -1, {"9 points possibles", "9 points possible"}},
               {true, true, false, 9, 1, figure::As, {"9 points possibles", "9 points possible"}}};
  for (const auto& x : etats) {
    for (int16_t c = 1; c <= NbColonnesMax; ++c) {
      EtatPartie e;
      CaseJeu& k = e.Cases(c, figure::Yam);
      k.Visible = x.visible, k.Selectionnable = x.selectionnable, k.Prise = x.prise;
      k.Score = k.ScorePotentiel = x.score;
      e.NbJets = x.jets;
      e.FigureAnnoncee = x.annoncee == 0 ? figure::Yam : x.annoncee;
      const bool annonce = c == colonne::Annonce, annoncee = annonce && x.annoncee == 0;
      const Bilingue& action = !x.selectionnable                            ? non
                               : annonce && x.jets == 1 && x.annoncee == -1 ? annoncer
                                                                            : ecrire;
      const Bilingue& colonne = colonnes[c - 1];
      EXPECT_EQ(Noms(AccessibleCase, e, c, figure::Yam),
                std::string(colonne.fr) + ", Yam : " + (annoncee ? "annoncée, " : "") +
                    std::string(x.etat.fr) + " | " + std::string(colonne.en) +
                    ", Yam: " + (annoncee ? "announced, " : "") + std::string(x.etat.en));
      EXPECT_EQ(Descriptions(AccessibleCase, e, c, figure::Yam), FrEn([&](Langue l) {
                  return std::string(action.pour(l)) + " " + std::string(colonne.pour(l)) +
                         (l == Langue::Francais ? " : " : ": ") +
                         AccessibleEntete(c, l).description;
                }));
    }
  }
  std::string figures;
  for (int16_t f = 1; f <= NbFigures; ++f) figures += Noms(AccessibleEtiquette, f) + ", ";
  EXPECT_EQ(
      figures,
      "As | Ace, Deux | Two, Trois | Three, Quatre | Four, Cinq | Five, Six | Six, Maxi | Maxi, "
      "Mini | Mini, Full | Full, Carré | Square, Suite | Sequence, 8 ou moins | 8 or less, "
      "Yam | Yam, ");
  EXPECT_EQ(Noms(AccessibleEntete, colonne::Seche), "Colonne Sèche | Straight column");
}

// The controls whose value changes say it in their name, following the game; where the hover
// help explains them, their description is the hover help's.
TEST(Accessibles, TheNameOfAChangingControlFollowsTheGame) {
  EtatPartie avant, e;  // before the first throw, with what an earlier game left; after one
  e.NbJets = 1;
  e.Des[3] = 1, e.DesGardes[3] = false, e.Des[4] = 6;
  e.ScoreTotal = 123, e.Analyse.TotalDes = 17;
  e.TotalHaut[colonne::Libre] = 63, e.TotalBas[colonne::Descente] = 12;
  e.BonusHaut[colonne::Libre] = 30, e.BonusBas[colonne::Descente] = 0;
  avant.Des[4] = 5, avant.Analyse.TotalDes = 26,
  avant.Analyse.FigureNommee = TexteFigure::TexteCarre;
  const int16_t H = bonus::Haut, B = bonus::Bas;
  const std::pair<std::string, const char*> noms[] = {
      {Noms(AccessibleDe, avant, 4), "Dé 4 : pas encore jeté | Die 4: not thrown yet"},
      {Noms(AccessibleDe, e, 3), "Dé 3 : 1, à relancer | Die 3: 1, to throw again"},
      {Noms(AccessibleDe, e, 4), "Dé 4 : 6, gardé | Die 4: 6, kept"},
      {Noms(AccessiblePlaceDe, 2), "Place du dé 2 | Place of die 2"},
      {Noms(AccessibleScoreTotal, e), "Score total : 123 | Total score: 123"},
      {Noms(AccessibleTotalDes, avant), "Somme des dés | Sum of the dice"},
      {Noms(AccessibleTotalDes, e), "Somme des dés : 17 | Sum of the dice: 17"},
      {Noms(AccessibleFigureRealisee, avant), "Figure réalisée : aucune | Figure made: none"},
      {Noms(AccessibleTotal, e, H, 1), "Libre, total du haut : 63 | Free, upper total: 63"},
      {Noms(AccessibleTotal, e, B, 2), "Descente, total du bas : 12 | Down, lower total: 12"},
      {Noms(AccessibleBonus, e, H, 1), "Libre, bonus du haut : 30 | Free, upper bonus: 30"},
      {Noms(AccessibleBonus, e, B, 2), "Descente, bonus du bas : 0 | Down, lower bonus: 0"},
      {Noms(AccessibleInfo, ""), "Ligne d'information | Information line"}};
  for (const auto& [nom, attendu] : noms) EXPECT_EQ(nom, attendu);
  e.Analyse = avant.Analyse;
  EXPECT_EQ(Noms(AccessibleFigureRealisee, e), "Figure réalisée : CARRE | Figure made: SQUARE");
  EXPECT_EQ(AccessibleInfo("a\rb", Langue::Anglais).description, "a\nb");

  for (Langue l : {Langue::Francais, Langue::Anglais}) {
    EXPECT_EQ(AccessibleTotalDes(e, l).description, AppelMovePanel(Seul::PanelTotalDes, l));
    for (int16_t ou : {H, B}) {
      EXPECT_EQ(AccessibleBonus(e, ou, 2, l).description, AppelMoveBonus(e, ou, 2, l));
      e.PartieTerminee = true;  // the hover help is silent: the row's own description
      EXPECT_EQ(AccessibleBonus(e, ou, 2, l).description,
                AccessibleEtiquetteBonus(ou, l).description);
      e.PartieTerminee = false;
    }
  }
}

// The throw button counts the throws of the turn.
TEST(AccessibleOkDe, CountsTheThrowsOfTheTurn) {
  const Bilingue descriptions[] = {
      {"Aucun jet fait. Espace ou Entrée : jeter les dés.",
       "No throw made yet. Space or Enter: throw the dice."},
      {"1 jet sur 3. Espace ou Entrée : jeter les dés à relancer.",
       "1 of 3 throws made. Space or Enter: throw the dice again."},
      {"2 jets sur 3. Espace ou Entrée : jeter les dés à relancer.",
       "2 of 3 throws made. Space or Enter: throw the dice again."},
      {"3 jets sur 3 : choisissez une case.", "3 of 3 throws made: choose a square."}};
  EtatPartie e;
  for (e.NbJets = 0; e.NbJets <= 3; ++e.NbJets) {
    EXPECT_EQ(Noms(AccessibleOkDe, e), "Lancer les dés | Throw the dice");
    EXPECT_EQ(Descriptions(AccessibleOkDe, e), FrEn(descriptions[e.NbJets]));
  }
}

}  // namespace
}  // namespace rolvex
