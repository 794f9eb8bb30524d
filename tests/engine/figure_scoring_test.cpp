// What five dice score in each figure, the colour the score is shown in, and the name of the
// combination in PanelFigureRéalisée.
#include "engine/figure_scoring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "table.h"

namespace rolvex {
namespace {

using essai::D;
using essai::Table;

const CaseJeu libre{};

CaseJeu Ecrite(int16_t score) {
  CaseJeu k;
  k.Prise = true;
  k.Score = score;
  return k;
}

// The examples of play, each a rule of one figure: score and colour on a free sheet.
struct Exemple {
  const char* des;
  int16_t figure;
  int16_t score;
  Couleur couleur;
};

TEST(FigureScoring, TheExamplesOfPlayScoreAndShowAsTheRulesSay) {
  const Exemple exemples[] = {
      {"35142", figure::Suite, 45, Rouge},      {"62534", figure::Suite, 50, Rouge},
      {"13456", figure::Suite, 0, Noir},        {"66666", figure::Yam, 100, Rouge},
      {"66666", figure::Full, 50, Rouge},       {"66666", figure::Carre, 54, Rouge},
      {"33322", figure::Full, 33, Rouge},       {"33322", figure::Trois, 9, Bleu},
      {"33322", figure::Deux, 4, Noir},         {"44414", figure::Carre, 46, Rouge},
      {"11111", figure::PetitTotal, 75, Rouge}, {"11114", figure::PetitTotal, 60, Rouge},
      {"11115", figure::PetitTotal, 0, Noir},   {"55221", figure::Maxi, 15, Noir},
  };
  for (const Exemple& e : exemples) {
    const auto a = AnalyserDes(D(e.des));
    EXPECT_EQ(ScoreFigure(a, e.figure, libre, libre), e.score) << e.des << " figure " << e.figure;
    EXPECT_EQ(CouleurFigure(a, e.figure), e.couleur) << e.des << " figure " << e.figure;
  }
  // One name at most: a Yam is not named as the Full and Carré it also makes.
  EXPECT_EQ(AnalyserDes(D("66666")).FigureNommee, TexteFigure::TexteYam);
  EXPECT_EQ(AnalyserDes(D("35142")).FigureNommee, TexteFigure::TexteSuite);
  EXPECT_EQ(AnalyserDes(D("33322")).FigureNommee, TexteFigure::TexteFull);
  EXPECT_EQ(AnalyserDes(D("44414")).FigureNommee, TexteFigure::TexteCarre);
  EXPECT_EQ(AnalyserDes(D("55221")).FigureNommee, TexteFigure::Aucun);
}

// Every one of the 7776 throws, against the rules written plainly from the sorted dice.
struct Regles {
  std::string tries;  // e.g. "23336"
  int somme = 0;
  int compte(int face) const {
    return static_cast<int>(std::count(tries.begin(), tries.end(), '0' + face));
  }
  bool yam() const { return tries[0] == tries[4]; }
  bool full() const {
    const bool brelanPuisPaire =
        tries[0] == tries[2] && tries[3] == tries[4] && tries[2] != tries[3];
    const bool pairePuisBrelan =
        tries[0] == tries[1] && tries[2] == tries[4] && tries[1] != tries[2];
    return yam() || brelanPuisPaire || pairePuisBrelan;
  }
  bool carre() const { return tries[0] == tries[3] || tries[1] == tries[4]; }
  bool suite() const { return tries == "12345" || tries == "23456"; }
  int score(int f) const {
    static const std::map<int, int> petitTotal{{5, 75}, {6, 70}, {7, 65}, {8, 60}};
    switch (f) {
      case figure::Maxi:
      case figure::Mini: return somme;
      case figure::Full: return full() ? somme + 20 : 0;
      case figure::Carre: return carre() ? 4 * (tries[1] - '0') + 30 : 0;
      case figure::Suite: return tries == "12345" ? 45 : tries == "23456" ? 50 : 0;
      case figure::PetitTotal: return petitTotal.contains(somme) ? petitTotal.at(somme) : 0;
      case figure::Yam: return yam() ? somme + 70 : 0;
      default: return compte(f) * f;
    }
  }
  bool faite(int f) const {
    switch (f) {
      case figure::Full: return full();
      case figure::Carre: return carre();
      case figure::Suite: return suite();
      case figure::PetitTotal: return somme <= 8;
      case figure::Yam: return yam();
      default: return false;  // Maxi and Mini are never shown in red
    }
  }
  TexteFigure nom() const {
    if (suite()) return TexteFigure::TexteSuite;
    if (yam()) return TexteFigure::TexteYam;
    if (full()) return TexteFigure::TexteFull;
    if (carre()) return TexteFigure::TexteCarre;
    return TexteFigure::Aucun;
  }
};

TEST(FigureScoring, EveryThrowScoresAsTheRulesSay) {
  for (int n = 0; n < 7776; ++n) {
    std::string faces;
    for (int i = 0, k = n; i < NbDes; ++i, k /= 6) faces += static_cast<char>('1' + k % 6);
    Regles r;
    r.tries = faces;
    std::sort(r.tries.begin(), r.tries.end());
    for (char c : faces) r.somme += c - '0';

    const auto a = AnalyserDes(D(faces));
    ASSERT_EQ(essai::EnTexte(a.DesTries), r.tries) << faces;
    ASSERT_EQ(a.TotalDes, r.somme) << faces;
    ASSERT_EQ(a.FigureNommee, r.nom()) << faces;
    for (int16_t f = 1; f <= NbFigures; ++f) {
      ASSERT_EQ(ScoreFigure(a, f, libre, libre), r.score(f)) << faces << " figure " << f;
      const Couleur attendue =
          EstFigureHaute(f) ? (r.compte(f) >= 3 ? Bleu : Noir) : (r.faite(f) ? Rouge : Noir);
      ASSERT_EQ(CouleurFigure(a, f), attendue) << faces << " figure " << f;
    }
  }
}

// Maxi must stay strictly above a written Mini, and Mini strictly below a written Maxi; a
// figure crossed out with 0, or a free square whatever its stale score, sets no bound.
TEST(MaxiMiniBound, HoldsStrictlyAgainstAWrittenNonZeroScoreOnly) {
  CaseJeu jamaisEcrite;
  jamaisEcrite.Score = 29;  // left over, but not Prise
  struct Cas {
    const char* des;
    int16_t figure;
    CaseJeu maxi, mini;
    int16_t attendu;
  };
  const Cas cas[] = {
      {"66521", figure::Maxi, libre, Ecrite(20), 0},
      {"66621", figure::Maxi, libre, Ecrite(20), 21},
      {"66521", figure::Mini, Ecrite(20), libre, 0},
      {"66511", figure::Mini, Ecrite(20), libre, 19},
      {"11111", figure::Maxi, libre, Ecrite(0), 5},
      {"66666", figure::Mini, Ecrite(0), libre, 30},
      {"66665", figure::Maxi, libre, jamaisEcrite, 29},
      {"66665", figure::Mini, jamaisEcrite, libre, 29},
  };
  for (const Cas& c : cas)
    EXPECT_EQ(ScoreFigure(AnalyserDes(D(c.des)), c.figure, c.maxi, c.mini), c.attendu)
        << c.des << " figure " << c.figure;
}

// In the game, potential scores go only to the squares that can be written now.
TEST(PotentialScores, AfterAThrowEveryFreeSquareInPlayShowsWhatTheDiceGive) {
  Table t(2);
  t.Ok("33322");
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(t.Case(c, figure::Full).ScorePotentiel, 33) << c;
    EXPECT_EQ(t.Case(c, figure::Full).CouleurPotentiel, Rouge) << c;
    EXPECT_EQ(t.Case(c, figure::Trois).CouleurPotentiel, Bleu) << c;
  }
  for (int c = colonne::Seche; c <= colonne::Annonce; ++c) {
    EXPECT_EQ(t.Case(c, figure::Full).ScorePotentiel, 0) << c;
    EXPECT_EQ(t.Case(c, figure::Full).CouleurPotentiel, Noir) << c;
  }
  EXPECT_EQ(t.ecran.figureRealisee, TexteFigure::TexteFull);
}

TEST(PotentialScores, ATakenSquareScoresNothingButAFormedLowerFigureStillShowsRed) {
  Table t(1);
  t.Ecrire(colonne::Libre, figure::Full, "22233");
  t.Ecrire(colonne::Libre, figure::Trois, "33355");
  t.Ok("33322");
  const CaseJeu& full = t.Case(colonne::Libre, figure::Full);
  EXPECT_EQ(full.ScorePotentiel, 0);
  EXPECT_EQ(full.CouleurPotentiel, Rouge);
  EXPECT_EQ(full.Score, 32);
  const CaseJeu& trois = t.Case(colonne::Libre, figure::Trois);
  EXPECT_EQ(trois.ScorePotentiel, 0);
  EXPECT_EQ(trois.CouleurPotentiel, Noir);  // blue only where the figure can be written
  EXPECT_EQ(trois.Score, 9);
}

TEST(PotentialScores, MaxiAndMiniAreBoundByTheWrittenOneOfTheSameColumnOnly) {
  Table t(2);
  t.Ecrire(colonne::Libre, figure::Mini, "66521");  // Mini 20 in Libre
  t.Ok("66521");
  EXPECT_EQ(t.Case(colonne::Libre, figure::Maxi).ScorePotentiel, 0);
  EXPECT_EQ(t.Case(colonne::Descente, figure::Maxi).ScorePotentiel, 20);
  t.Clic(colonne::Libre, figure::Maxi);  // crossed out: a sum equal to Mini is worth nothing
  EXPECT_TRUE(t.Case(colonne::Libre, figure::Maxi).Prise);
  EXPECT_EQ(t.Case(colonne::Libre, figure::Maxi).Score, 0);
}

TEST(PotentialScores, TheNameOfTheCombinationFollowsEachThrow) {
  Table t(1);
  t.Ok("44441");
  EXPECT_EQ(t.ecran.figureRealisee, TexteFigure::TexteCarre);
  t.Relancer("5", "4");
  EXPECT_EQ(t.ecran.figureRealisee, TexteFigure::TexteYam);
  t.Relancer("12", "12");
  EXPECT_EQ(t.ecran.figureRealisee, TexteFigure::Aucun);
}

}  // namespace
}  // namespace rolvex
