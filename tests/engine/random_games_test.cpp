// Whole games in each mode, played to the end by a random player, keep the invariants of the
// sheet after every move and end with totals that match the written scores.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "random_player.h"
#include "table.h"

namespace rolvex {
namespace {

// The totals of one column, recomputed from the written scores alone.
struct TotauxColonne {
  int32_t haut = 0, bonusHaut = 0, bas = 0, bonusBas = 0;
};

TotauxColonne Recompter(const ÉtatPartie& é, int c) {
  TotauxColonne t;
  int faites = 0;
  for (int f = 1; f <= NbFigures; ++f) {
    const CaseJeu& k = é.Cases(c, f);
    if (!k.Prise) continue;
    (f <= 6 ? t.haut : t.bas) += k.Score;
    if (f >= 7 && k.Score > 0) ++faites;
  }
  t.bonusHaut = t.haut >= 80 ? 100 : t.haut >= 70 ? 50 : t.haut >= 60 ? 30 : 0;
  if (faites == 7) t.bonusBas = t.haut >= 60 ? 200 : 100;
  const CaseJeu& maxi = é.Cases(c, 7);
  const CaseJeu& mini = é.Cases(c, 8);
  if (maxi.Prise && mini.Prise && maxi.Score > 0 && mini.Score > 0) {
    EXPECT_GT(maxi.Score, mini.Score) << "column " << c;
    t.bonusBas += 3 * (maxi.Score - mini.Score);
  }
  return t;
}

// Watches the game after every move and fails the test on the first broken invariant.
class Surveillant {
 public:
  Surveillant(const Partie& partie, const AffichageMémoire& écran)
      : partie_(partie), écran_(écran), avant_(partie.État()) {
    Vérifier();
  }

  void AprèsCoup() {
    Vérifier();
    avant_ = partie_.État();
  }

  int nbAnnonces = 0;
  int nbÉcritures = 0;
  int nbBarrées = 0;

 private:
  static int NbPrises(const ÉtatPartie& é) {
    int n = 0;
    for (int c = 1; c <= NbColonnesMax; ++c)
      for (int f = 1; f <= NbFigures; ++f) n += é.Cases(c, f).Prise ? 1 : 0;
    return n;
  }

  void Vérifier() {
    const ÉtatPartie& é = partie_.État();
    const ÉtatPartie& a = avant_;
    const int prises = NbPrises(é);
    const int prisesAvant = NbPrises(a);
    SCOPED_TRACE("turn " + std::to_string(é.NuméroTour) + ", throw " + std::to_string(é.NbJets));

    ASSERT_GE(é.NbJets, 0);
    ASSERT_LE(é.NbJets, NbJetsMax);
    ASSERT_EQ(écran_.légendeOkDé, é.NbJets == 0 ? std::string("OK") : std::to_string(é.NbJets));
    ASSERT_EQ(écran_.okDéVisible, !é.PartieTerminée);

    // A taken square keeps its score; only columns in play hold taken or shown squares.
    for (int c = 1; c <= NbColonnesMax; ++c)
      for (int f = 1; f <= NbFigures; ++f) {
        const CaseJeu& k = é.Cases(c, f);
        if (a.Cases(c, f).Prise) {
          ASSERT_TRUE(k.Prise) << c << "," << f;
          ASSERT_EQ(k.Score, a.Cases(c, f).Score) << c << "," << f;
        }
        if (c > é.NbColonnes) {
          ASSERT_FALSE(k.Prise || k.Visible || k.Sélectionnable) << c << "," << f;
        }
        if (k.Prise) {
          ASSERT_FALSE(k.Sélectionnable) << c << "," << f;
          ASSERT_TRUE(k.Visible) << c << "," << f;
          ASSERT_EQ(k.CouleurFond, Noir);
        }
        ASSERT_EQ(k.Sélectionnable, é.NbJets != 0 && c <= é.NbColonnes && !k.Prise) << c << "," << f;
      }

    // At most one square per move, and exactly one per turn.
    ASSERT_LE(prises - prisesAvant, 1);
    if (prises == prisesAvant + 1) {
      VérifierÉcriture();
      if (testing::Test::HasFailure()) return;
    } else if (!é.PartieTerminée) {
      ASSERT_EQ(é.NuméroTour, a.NuméroTour) << "the turn ended without a square";
    }
    if (é.NbJets == 0 && !é.PartieTerminée) {
      ASSERT_EQ(prises, é.NuméroTour - 1);
      ASSERT_EQ(é.FigureAnnoncée, -1);
      for (int i = 1; i <= NbDés; ++i) ASSERT_EQ(écran_.imagesDés[i], ImageDéFond);
    }
    if (é.NbJets > 0) {
      for (int16_t d : é.Dés) ASSERT_TRUE(d >= 1 && d <= 6) << d;
    }
    if (!é.PartieTerminée) VérifierCasesMontrées();
    if (é.FigureAnnoncée != -1 && a.FigureAnnoncée == -1) ++nbAnnonces;

    // Totals are exact at every moment, not only at the end.
    int32_t total = 0;
    int figures = 0;
    for (int c = 1; c <= é.NbColonnes; ++c) {
      const TotauxColonne t = Recompter(é, c);
      ASSERT_EQ(é.TotalHaut[c], t.haut) << c;
      ASSERT_EQ(é.BonusHaut[c], t.bonusHaut) << c;
      ASSERT_EQ(é.TotalBas[c], t.bas) << c;
      ASSERT_EQ(é.BonusBas[c], t.bonusBas) << c;
      total += t.haut + t.bonusHaut + t.bas + t.bonusBas;
      int colonne = 0;
      for (int f = 7; f <= NbFigures; ++f)
        colonne += é.Cases(c, f).Prise && é.Cases(c, f).Score > 0 ? 1 : 0;
      ASSERT_EQ(é.NbFiguresColonne[c], colonne) << c;
      figures += colonne;
    }
    ASSERT_EQ(é.ScoreTotal, total);
    ASSERT_EQ(écran_.légendeScoreTotal, std::to_string(total));
    ASSERT_EQ(é.NbFiguresRéalisées, figures);
  }

  // The one square written this move: shown and allowed by its column before the move, and
  // written with the score it showed.
  void VérifierÉcriture() {
    const ÉtatPartie& é = partie_.État();
    const ÉtatPartie& a = avant_;
    int c = 0, f = 0;
    for (int cc = 1; cc <= NbColonnesMax; ++cc)
      for (int ff = 1; ff <= NbFigures; ++ff)
        if (é.Cases(cc, ff).Prise && !a.Cases(cc, ff).Prise) c = cc, f = ff;
    SCOPED_TRACE("square " + std::to_string(c) + "," + std::to_string(f));
    ++nbÉcritures;
    if (é.Cases(c, f).Score == 0) ++nbBarrées;
    ASSERT_GE(a.NbJets, 1);
    ASSERT_TRUE(a.Cases(c, f).Visible);
    ASSERT_EQ(é.Cases(c, f).Score, a.Cases(c, f).ScorePotentiel);
    switch (c) {
      case colonne::Descente: ASSERT_EQ(f, a.ProchaineDescente); break;
      case colonne::Montée: ASSERT_EQ(f, a.ProchaineMontée); break;
      case colonne::Sèche: ASSERT_EQ(a.NbJets, 1); break;
      case colonne::Deux: ASSERT_LE(a.NbJets, 2); break;
      case colonne::Annonce:
        ASSERT_EQ(a.NbJets, 3);
        ASSERT_EQ(f, a.FigureAnnoncée);
        break;
      default: break;
    }
    if (a.FigureAnnoncée != -1) {
      ASSERT_EQ(c, colonne::Annonce);
    }
    ASSERT_EQ(é.NbJets, 0) << "a written square ends the turn";
    const int nbCases = é.NbColonnes * NbFigures;
    if (é.PartieTerminée) {
      ASSERT_EQ(é.NuméroTour, nbCases);
      ASSERT_EQ(a.NuméroTour, nbCases);
    } else {
      ASSERT_EQ(é.NuméroTour, a.NuméroTour + 1);
    }
  }

  // Descente and Montée show their next square and the taken ones; between turns every other
  // column in play shows all its squares; during a turn the free squares that the throws made
  // so far have closed are hidden, and an announcement leaves only its own square open.
  void VérifierCasesMontrées() {
    const ÉtatPartie& é = partie_.État();
    for (int c = 1; c <= é.NbColonnes; ++c)
      for (int f = 1; f <= NbFigures; ++f) {
        const CaseJeu& k = é.Cases(c, f);
        bool attendu = true;
        if (c == colonne::Descente) attendu = f == é.ProchaineDescente;
        if (c == colonne::Montée) attendu = f == é.ProchaineMontée;
        if (é.NbJets > 0 && (c == colonne::Sèche || c == colonne::Annonce)) attendu = é.NbJets == 1;
        if (c == colonne::Deux) attendu = é.NbJets <= 2;
        if (é.FigureAnnoncée != -1) attendu = c == colonne::Annonce && f == é.FigureAnnoncée;
        ASSERT_EQ(k.Visible, k.Prise || attendu) << c << "," << f;
      }
  }

  const Partie& partie_;
  const AffichageMémoire& écran_;
  ÉtatPartie avant_;
};

// Random games in each mode keep every invariant of the sheet and end with exact totals.
class RandomGame : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(RandomGame, KeepsTheInvariantsAfterEveryMoveAndEndsWithExactTotals) {
  const auto [mode, graine] = GetParam();
  essai::Table t(static_cast<int16_t>(mode), static_cast<std::uint64_t>(graine));
  essai::JoueurHasard joueur(static_cast<std::uint64_t>(graine) * 7919 + 1);
  Surveillant surveillant(t.partie, t.écran);
  int secondes = 0;
  const int coups = joueur.JouerPartie(t.partie, [&] {
    surveillant.AprèsCoup();
    if (++secondes % 3 == 0) t.partie.TimerChrono_Timer();
    return !testing::Test::HasFailure();
  });
  ASSERT_FALSE(HasFailure());

  const ÉtatPartie& é = t.é();
  const int nbCases = NbCasesMode[mode];
  ASSERT_TRUE(é.PartieTerminée) << "not over after " << coups << " moves";
  EXPECT_EQ(é.NuméroTour, nbCases);
  EXPECT_EQ(t.NbPrises(), nbCases);
  EXPECT_EQ(surveillant.nbÉcritures, nbCases);
  EXPECT_FALSE(t.écran.okDéVisible);
  EXPECT_EQ(t.écran.nbFinsPartie, 1);
  EXPECT_FALSE(é.ChronoEnMarche);
  EXPECT_GT(é.SecondesPartie, 0);
  int32_t total = 0;
  for (int c = 1; c <= é.NbColonnes; ++c) {
    EXPECT_TRUE(é.ColonneFermée[c]) << c;
    const TotauxColonne tc = Recompter(é, c);
    total += tc.haut + tc.bonusHaut + tc.bas + tc.bonusBas;
  }
  EXPECT_EQ(é.ScoreTotal, total);
  // The player did play: some squares crossed out, and in the six-column game some announced.
  EXPECT_GT(surveillant.nbBarrées, 0);
  if (mode == 3) {
    EXPECT_GT(surveillant.nbAnnonces, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(OneColumn, RandomGame,
                         testing::Combine(testing::Values(1), testing::Range(1, 13)));
INSTANTIATE_TEST_SUITE_P(ThreeColumns, RandomGame,
                         testing::Combine(testing::Values(2), testing::Range(1, 9)));
INSTANTIATE_TEST_SUITE_P(SixColumns, RandomGame,
                         testing::Combine(testing::Values(3), testing::Range(1, 9)));

// Games played one after another on the same table, in changing modes, start clean each time.
TEST(RandomGames, FollowOneAnotherInChangingModes) {
  essai::Table t(3, 11);
  essai::JoueurHasard joueur(12);
  for (int16_t mode : {3, 1, 2, 1, 3}) {
    t.Nouvelle(mode);
    Surveillant surveillant(t.partie, t.écran);
    t.écran.Oublier();
    joueur.JouerPartie(t.partie, [&] {
      surveillant.AprèsCoup();
      return !testing::Test::HasFailure();
    });
    ASSERT_TRUE(t.é().PartieTerminée) << "mode " << mode;
    EXPECT_EQ(t.NbPrises(), NbCasesMode[mode]);
    EXPECT_EQ(t.écran.nbFinsPartie, 1);
  }
}

}  // namespace
}  // namespace rolvex
