#include "engine/figure_scoring.h"

#include <gtest/gtest.h>

namespace rolvex {
namespace {

Dés5 D(const char* s) {
  Dés5 d;
  for (int i = 1; i <= 5; ++i) d[i] = static_cast<int16_t>(s[i - 1] - '0');
  return d;
}

TEST(Scoring, Smoke) {
  auto a = AnalyserDés(D("66666"));
  CaseJeu libre;
  EXPECT_EQ(ScoreFigure(a, figure::Yam, libre, libre), 100);
}

}  // namespace
}  // namespace rolvex
