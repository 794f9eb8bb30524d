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

CaseJeu Écrite(int16_t score) {
  CaseJeu k;
  k.Prise = true;
  k.Score = score;
  return k;
}

int16_t Score(std::string_view dés, int16_t f, const CaseJeu& maxi = libre, const CaseJeu& mini = libre) {
  return ScoreFigure(AnalyserDés(D(dés)), f, maxi, mini);
}

// The rules of each figure, as the examples of play state them.
TEST(FigureScoring, SmallSuiteInAnyOrderScores45AndNothingElseIsMade) {
  const auto a = AnalyserDés(D("35142"));
  EXPECT_EQ(ScoreFigure(a, figure::Suite, libre, libre), 45);
  EXPECT_EQ(ScoreFigure(a, figure::Maxi, libre, libre), 15);
  EXPECT_EQ(ScoreFigure(a, figure::Mini, libre, libre), 15);
  for (int16_t f = figure::As; f <= figure::Cinq; ++f) EXPECT_EQ(ScoreFigure(a, f, libre, libre), f);
  EXPECT_EQ(ScoreFigure(a, figure::Six, libre, libre), 0);
  for (int16_t f : {figure::Full, figure::Carré, figure::PetitTotal, figure::Yam})
    EXPECT_EQ(ScoreFigure(a, f, libre, libre), 0) << f;
  EXPECT_EQ(a.FigureNommée, TexteFigure::TexteSuite);
}

TEST(FigureScoring, LargeSuiteScores50) {
  EXPECT_EQ(Score("62534", figure::Suite), 50);
  EXPECT_EQ(AnalyserDés(D("62534")).FigureNommée, TexteFigure::TexteSuite);
}

TEST(FigureScoring, FiveDifferentFacesWithAGapAreNoSuite) {
  EXPECT_EQ(Score("12346", figure::Suite), 0);
  EXPECT_EQ(Score("13456", figure::Suite), 0);
  EXPECT_EQ(AnalyserDés(D("12346")).FigureNommée, TexteFigure::Aucun);
}

TEST(FigureScoring, YamOfSixesAlsoMakesFullAndCarreButIsNamedYamOnly) {
  const auto a = AnalyserDés(D("66666"));
  EXPECT_EQ(ScoreFigure(a, figure::Yam, libre, libre), 100);
  EXPECT_EQ(ScoreFigure(a, figure::Full, libre, libre), 50);
  EXPECT_EQ(ScoreFigure(a, figure::Carré, libre, libre), 54);
  EXPECT_EQ(ScoreFigure(a, figure::Six, libre, libre), 30);
  EXPECT_EQ(CouleurFigure(a, figure::Six), Bleu);
  EXPECT_EQ(ScoreFigure(a, figure::Maxi, libre, libre), 30);
  EXPECT_EQ(ScoreFigure(a, figure::Mini, libre, libre), 30);
  EXPECT_EQ(ScoreFigure(a, figure::PetitTotal, libre, libre), 0);
  EXPECT_EQ(a.FigureNommée, TexteFigure::TexteYam);
}

TEST(FigureScoring, YamOfOnesMakesEveryFigureItCan) {
  const auto a = AnalyserDés(D("11111"));
  EXPECT_EQ(ScoreFigure(a, figure::Yam, libre, libre), 75);
  EXPECT_EQ(ScoreFigure(a, figure::PetitTotal, libre, libre), 75);
  EXPECT_EQ(ScoreFigure(a, figure::Carré, libre, libre), 34);
  EXPECT_EQ(ScoreFigure(a, figure::Full, libre, libre), 25);
  EXPECT_EQ(ScoreFigure(a, figure::As, libre, libre), 5);
  EXPECT_EQ(CouleurFigure(a, figure::As), Bleu);
  for (int16_t f : {figure::Full, figure::Carré, figure::PetitTotal, figure::Yam})
    EXPECT_EQ(CouleurFigure(a, f), Rouge) << f;
}

TEST(FigureScoring, FullAddsAllFiveDiceAndShowsRed) {
  const auto a = AnalyserDés(D("33322"));
  EXPECT_EQ(ScoreFigure(a, figure::Full, libre, libre), 33);
  EXPECT_EQ(CouleurFigure(a, figure::Full), Rouge);
  EXPECT_EQ(ScoreFigure(a, figure::Trois, libre, libre), 9);
  EXPECT_EQ(CouleurFigure(a, figure::Trois), Bleu);
  EXPECT_EQ(ScoreFigure(a, figure::Deux, libre, libre), 4);
  EXPECT_EQ(CouleurFigure(a, figure::Deux), Noir);
  EXPECT_EQ(a.FigureNommée, TexteFigure::TexteFull);
}

TEST(FigureScoring, CarreCountsOnlyItsFourDice) {
  const auto a = AnalyserDés(D("44414"));
  EXPECT_EQ(ScoreFigure(a, figure::Carré, libre, libre), 46);
  EXPECT_EQ(ScoreFigure(a, figure::Full, libre, libre), 0);
  EXPECT_EQ(ScoreFigure(a, figure::Quatre, libre, libre), 16);
  EXPECT_EQ(CouleurFigure(a, figure::Quatre), Bleu);
  EXPECT_EQ(a.FigureNommée, TexteFigure::TexteCarré);
}

TEST(FigureScoring, TwoPairsMakeNoLowerFigureButMaxiAndMini) {
  const auto a = AnalyserDés(D("55221"));
  for (int16_t f : {figure::Full, figure::Carré, figure::Suite, figure::PetitTotal, figure::Yam}) {
    EXPECT_EQ(ScoreFigure(a, f, libre, libre), 0) << f;
    EXPECT_EQ(CouleurFigure(a, f), Noir) << f;
  }
  EXPECT_EQ(ScoreFigure(a, figure::Maxi, libre, libre), 15);
  EXPECT_EQ(ScoreFigure(a, figure::Mini, libre, libre), 15);
  EXPECT_EQ(a.FigureNommée, TexteFigure::Aucun);
}

TEST(FigureScoring, MaxiAndMiniAreNeverShownInRed) {
  for (auto dés : {"11111", "12345", "11112", "66666"}) {
    const auto a = AnalyserDés(D(dés));
    EXPECT_EQ(CouleurFigure(a, figure::Maxi), Noir) << dés;
    EXPECT_EQ(CouleurFigure(a, figure::Mini), Noir) << dés;
  }
}

TEST(FigureScoring, SmallTotalScoresByStepsOfFiveDownFrom75) {
  EXPECT_EQ(Score("11111", figure::PetitTotal), 75);
  EXPECT_EQ(Score("11112", figure::PetitTotal), 70);
  EXPECT_EQ(Score("11113", figure::PetitTotal), 65);
  EXPECT_EQ(Score("11114", figure::PetitTotal), 60);
  EXPECT_EQ(Score("11222", figure::PetitTotal), 60);
  EXPECT_EQ(Score("11115", figure::PetitTotal), 0);
  EXPECT_EQ(CouleurFigure(AnalyserDés(D("11222")), figure::PetitTotal), Rouge);
  EXPECT_EQ(CouleurFigure(AnalyserDés(D("11115")), figure::PetitTotal), Noir);
}

// Maxi must stay strictly above a written Mini, and Mini strictly below a written Maxi.
TEST(MaxiMiniBound, MaxiNeedsASumAboveTheWrittenMini) {
  EXPECT_EQ(Score("66521", figure::Maxi, libre, Écrite(20)), 0);   // 20
  EXPECT_EQ(Score("66621", figure::Maxi, libre, Écrite(20)), 21);  // 21
}

TEST(MaxiMiniBound, MiniNeedsASumBelowTheWrittenMaxi) {
  EXPECT_EQ(Score("66521", figure::Mini, Écrite(20), libre), 0);   // 20
  EXPECT_EQ(Score("66511", figure::Mini, Écrite(20), libre), 19);  // 19
}

TEST(MaxiMiniBound, AFigureCrossedOutWithZeroSetsNoBound) {
  EXPECT_EQ(Score("11111", figure::Maxi, libre, Écrite(0)), 5);
  EXPECT_EQ(Score("66666", figure::Mini, Écrite(0), libre), 30);
}

TEST(MaxiMiniBound, AFreeSquareSetsNoBoundWhateverItsStaleScore) {
  CaseJeu jamaisÉcrite;
  jamaisÉcrite.Score = 29;  // left over, but not Prise
  EXPECT_EQ(Score("66665", figure::Maxi, libre, jamaisÉcrite), 29);
  EXPECT_EQ(Score("66665", figure::Mini, jamaisÉcrite, libre), 29);
}

// Every one of the 7776 throws, against the rules written plainly from the sorted dice.
struct Règles {
  std::string triés;  // e.g. "23336"
  int somme = 0;
  int compte(int face) const {
    return static_cast<int>(std::count(triés.begin(), triés.end(), '0' + face));
  }
  bool yam() const { return triés[0] == triés[4]; }
  bool full() const {
    const bool brelanPuisPaire = triés[0] == triés[2] && triés[3] == triés[4] && triés[2] != triés[3];
    const bool pairePuisBrelan = triés[0] == triés[1] && triés[2] == triés[4] && triés[1] != triés[2];
    return yam() || brelanPuisPaire || pairePuisBrelan;
  }
  bool carré() const { return triés[0] == triés[3] || triés[1] == triés[4]; }
  int score(int f) const {
    static const std::map<int, int> petitTotal{{5, 75}, {6, 70}, {7, 65}, {8, 60}};
    switch (f) {
      case figure::Maxi:
      case figure::Mini: return somme;
      case figure::Full: return full() ? somme + 20 : 0;
      case figure::Carré: return carré() ? 4 * (triés[1] - '0') + 30 : 0;
      case figure::Suite: return triés == "12345" ? 45 : triés == "23456" ? 50 : 0;
      case figure::PetitTotal: return petitTotal.contains(somme) ? petitTotal.at(somme) : 0;
      case figure::Yam: return yam() ? somme + 70 : 0;
      default: return compte(f) * f;
    }
  }
  bool faite(int f) const {
    switch (f) {
      case figure::Full: return full();
      case figure::Carré: return carré();
      case figure::Suite: return score(f) != 0;
      case figure::PetitTotal: return somme <= 8;
      case figure::Yam: return yam();
      default: return false;
    }
  }
  TexteFigure nom() const {
    if (triés == "12345" || triés == "23456") return TexteFigure::TexteSuite;
    if (yam()) return TexteFigure::TexteYam;
    if (full()) return TexteFigure::TexteFull;
    if (carré()) return TexteFigure::TexteCarré;
    return TexteFigure::Aucun;
  }
};

TEST(FigureScoring, EveryThrowScoresAsTheRulesSay) {
  int vus = 0;
  for (int n = 0; n < 7776; ++n) {
    std::string faces;
    for (int i = 0, k = n; i < NbDés; ++i, k /= 6) faces += static_cast<char>('1' + k % 6);
    Règles r;
    r.triés = faces;
    std::sort(r.triés.begin(), r.triés.end());
    for (char c : faces) r.somme += c - '0';

    const auto a = AnalyserDés(D(faces));
    ASSERT_EQ(essai::EnTexte(a.DésTriés), r.triés) << faces;
    ASSERT_EQ(a.TotalDés, r.somme) << faces;
    ASSERT_EQ(a.FigureNommée, r.nom()) << faces;
    for (int16_t f = 1; f <= NbFigures; ++f) {
      ASSERT_EQ(ScoreFigure(a, f, libre, libre), r.score(f)) << faces << " figure " << f;
      const Couleur attendue = EstFigureHaute(f) ? (r.compte(f) >= 3 ? Bleu : Noir)
                                                 : (r.faite(f) ? Rouge : Noir);
      ASSERT_EQ(CouleurFigure(a, f), attendue) << faces << " figure " << f;
    }
    ++vus;
  }
  EXPECT_EQ(vus, 7776);
}

// In the game, potential scores go only to the squares that can be written now.
TEST(PotentialScores, AfterAThrowEveryFreeSquareInPlayShowsWhatTheDiceGive) {
  Table t(3);
  t.Ok("33322");
  for (int c = 1; c <= 6; ++c) {
    EXPECT_EQ(t.Case(c, figure::Full).ScorePotentiel, 33) << c;
    EXPECT_EQ(t.Case(c, figure::Full).CouleurPotentiel, Rouge) << c;
    EXPECT_EQ(t.Case(c, figure::Trois).ScorePotentiel, 9) << c;
    EXPECT_EQ(t.Case(c, figure::Trois).CouleurPotentiel, Bleu) << c;
    EXPECT_EQ(t.Case(c, figure::Deux).CouleurPotentiel, Noir) << c;
    EXPECT_EQ(t.Case(c, figure::Yam).ScorePotentiel, 0) << c;
  }
  EXPECT_EQ(t.écran.figureRéalisée, TexteFigure::TexteFull);
}

TEST(PotentialScores, ColumnsOutOfPlayGetNoPotentialScore) {
  Table t(2);
  t.Ok("66666");
  EXPECT_EQ(t.Case(colonne::Montée, figure::Yam).ScorePotentiel, 100);
  for (int c = colonne::Sèche; c <= colonne::Annonce; ++c) {
    EXPECT_EQ(t.Case(c, figure::Yam).ScorePotentiel, 0) << c;
    EXPECT_EQ(t.Case(c, figure::Yam).CouleurPotentiel, Noir) << c;
  }
}

TEST(PotentialScores, ATakenSquareScoresNothingButAFormedLowerFigureStillShowsRed) {
  Table t(1);
  t.Écrire(colonne::Libre, figure::Full, "22233");
  t.Écrire(colonne::Libre, figure::Trois, "33355");
  t.Ok("33322");
  const CaseJeu& full = t.Case(colonne::Libre, figure::Full);
  EXPECT_EQ(full.ScorePotentiel, 0);
  EXPECT_EQ(full.CouleurPotentiel, Rouge);
  const CaseJeu& trois = t.Case(colonne::Libre, figure::Trois);
  EXPECT_EQ(trois.ScorePotentiel, 0);
  EXPECT_EQ(trois.CouleurPotentiel, Noir);  // blue only where the figure can be written
  EXPECT_EQ(trois.Score, 9);
  EXPECT_EQ(full.Score, 32);
}

TEST(PotentialScores, MaxiAndMiniAreBoundByTheWrittenOneOfTheSameColumnOnly) {
  Table t(2);
  t.Écrire(colonne::Libre, figure::Mini, "66521");  // Mini 20 in Libre
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
  EXPECT_EQ(t.écran.figureRéalisée, TexteFigure::TexteCarré);
  t.Relancer("5", "4");
  EXPECT_EQ(t.écran.figureRéalisée, TexteFigure::TexteYam);
  t.Relancer("12", "12");
  EXPECT_EQ(t.écran.figureRéalisée, TexteFigure::Aucun);
}

}  // namespace
}  // namespace rolvex
