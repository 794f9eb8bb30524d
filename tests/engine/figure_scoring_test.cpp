// What five dice score in each figure, the colour the score is shown in and the name of the
// combination, for every one of the 7776 throws, against the rules written plainly from the
// sorted dice; with the bound a written Maxi or Mini sets on the other.
#include "engine/figure_scoring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <string>

namespace rolvex {
namespace {

TEST(FigureScoring, EveryThrowScoresShowsAndIsNamedAsTheRulesSay) {
  for (int n = 0; n < 7776; ++n) {
    Des5 des;
    std::string t;  // the dice sorted, e.g. "23336"
    for (int i = 1, k = n; i <= NbDes; ++i, k /= 6) {
      des[i] = static_cast<int16_t>(1 + k % 6);
      t += static_cast<char>('0' + des[i]);
    }
    std::sort(t.begin(), t.end());
    const int somme = std::accumulate(t.begin(), t.end(), -5 * '0');
    const bool yam = t[0] == t[4];
    const bool carre = t[0] == t[3] || t[1] == t[4];
    const bool full = yam || (t[0] == t[2] && t[3] == t[4]) || (t[0] == t[1] && t[2] == t[4]);
    const int suite = t == "12345" ? 45 : t == "23456" ? 50 : 0;
    const int petit = somme <= 8 ? std::array{75, 70, 65, 60}[somme - 5] : 0;
    const int bas[] = {somme, somme, full ? somme + 20 : 0, carre ? 4 * (t[1] - '0') + 30 : 0,
                       suite, petit, yam ? somme + 70 : 0};  // Maxi, Mini, Full… Yam
    auto regle = [&](int f) {
      return f <= 6 ? f * static_cast<int>(std::count(t.begin(), t.end(), '0' + f)) : bas[f - 7];
    };
    const TexteFigure nom = suite   ? TexteFigure::TexteSuite
                            : yam   ? TexteFigure::TexteYam
                            : full  ? TexteFigure::TexteFull
                            : carre ? TexteFigure::TexteCarre
                                    : TexteFigure::Aucun;

    const auto a = AnalyserDes(des);
    SCOPED_TRACE(t);
    ASSERT_EQ(a.TotalDes, somme);
    ASSERT_EQ(a.FigureNommee, nom);
    const CaseJeu libre{};
    for (int16_t f = 1; f <= NbFigures; ++f) {
      ASSERT_EQ(ScoreFigure(a, f, libre, libre), regle(f)) << "figure " << f;
      // Blue for three dice of an upper figure; red for a lower figure made, never Maxi or Mini.
      const bool marquee = f <= 6 ? regle(f) >= 3 * f : f >= figure::Full && regle(f) > 0;
      ASSERT_EQ(CouleurFigure(a, f), !marquee ? Noir : f <= 6 ? Bleu : Rouge) << "figure " << f;
    }
    // Maxi must stay strictly above a written Mini, and Mini strictly below a written Maxi; a
    // figure crossed out with 0, or a free square whatever its stale score, sets no bound.
    for (int16_t w : {0, 12, 20, 29}) {
      const CaseJeu ecrite{.Prise = true, .Score = w};
      const CaseJeu jamaisEcrite{.Score = w};
      ASSERT_EQ(ScoreFigure(a, figure::Maxi, libre, ecrite), w != 0 && w >= somme ? 0 : somme);
      ASSERT_EQ(ScoreFigure(a, figure::Mini, ecrite, libre), w != 0 && w <= somme ? 0 : somme);
      ASSERT_EQ(ScoreFigure(a, figure::Maxi, libre, jamaisEcrite), somme);
      ASSERT_EQ(ScoreFigure(a, figure::Mini, jamaisEcrite, libre), somme);
    }
  }
}

}  // namespace
}  // namespace rolvex
