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

TotauxColonne Recompter(const EtatPartie& e, int c) {
  TotauxColonne t;
  int faites = 0;
  for (int f = 1; f <= NbFigures; ++f) {
    const CaseJeu& k = e.Cases(c, f);
    if (!k.Prise) continue;
    (f <= 6 ? t.haut : t.bas) += k.Score;
    if (f >= 7 && k.Score > 0) ++faites;
  }
  t.bonusHaut = t.haut >= 80 ? 100 : t.haut >= 70 ? 50 : t.haut >= 60 ? 30 : 0;
  if (faites == 7) t.bonusBas = t.haut >= 60 ? 200 : 100;
  const CaseJeu& maxi = e.Cases(c, 7);
  const CaseJeu& mini = e.Cases(c, 8);
  if (maxi.Prise && mini.Prise && maxi.Score > 0 && mini.Score > 0) {
    EXPECT_GT(maxi.Score, mini.Score) << "column " << c;
    t.bonusBas += 3 * (maxi.Score - mini.Score);
  }
  return t;
}

// Watches the game after every move and fails the test on the first broken invariant.
class Surveillant {
 public:
  Surveillant(const Partie& partie, const AffichageMemoire& ecran)
      : partie_(partie), ecran_(ecran), avant_(partie.Etat()) {
    Verifier();
  }

  void ApresCoup() {
    Verifier();
    avant_ = partie_.Etat();
  }

  int nbAnnonces = 0;
  int nbEcritures = 0;
  int nbBarrees = 0;

 private:
  static int NbPrises(const EtatPartie& e) {
    int n = 0;
    for (int c = 1; c <= NbColonnesMax; ++c)
      for (int f = 1; f <= NbFigures; ++f) n += e.Cases(c, f).Prise ? 1 : 0;
    return n;
  }

  void Verifier() {
    const EtatPartie& e = partie_.Etat();
    const EtatPartie& a = avant_;
    const int prises = NbPrises(e);
    const int prisesAvant = NbPrises(a);
    SCOPED_TRACE("turn " + std::to_string(e.NumeroTour) + ", throw " + std::to_string(e.NbJets));

    ASSERT_GE(e.NbJets, 0);
    ASSERT_LE(e.NbJets, NbJetsMax);
    ASSERT_EQ(ecran_.legendeOkDe, e.NbJets == 0 ? std::string("OK") : std::to_string(e.NbJets));
    ASSERT_EQ(ecran_.okDeVisible, !e.PartieTerminee);

    // A taken square keeps its score; only columns in play hold taken or shown squares.
    for (int c = 1; c <= NbColonnesMax; ++c)
      for (int f = 1; f <= NbFigures; ++f) {
        const CaseJeu& k = e.Cases(c, f);
        if (a.Cases(c, f).Prise) {
          ASSERT_TRUE(k.Prise) << c << "," << f;
          ASSERT_EQ(k.Score, a.Cases(c, f).Score) << c << "," << f;
        }
        if (c > e.NbColonnes) {
          ASSERT_FALSE(k.Prise || k.Visible || k.Selectionnable) << c << "," << f;
        }
        if (k.Prise) {
          ASSERT_FALSE(k.Selectionnable) << c << "," << f;
          ASSERT_TRUE(k.Visible) << c << "," << f;
          ASSERT_EQ(k.CouleurFond, Noir);
        }
        ASSERT_EQ(k.Selectionnable, e.NbJets != 0 && c <= e.NbColonnes && !k.Prise)
            << c << "," << f;
      }

    // At most one square per move, and exactly one per turn.
    ASSERT_LE(prises - prisesAvant, 1);
    if (prises == prisesAvant + 1) {
      VerifierEcriture();
      if (testing::Test::HasFailure()) return;
    } else if (!e.PartieTerminee) {
      ASSERT_EQ(e.NumeroTour, a.NumeroTour) << "the turn ended without a square";
    }
    if (e.NbJets == 0 && !e.PartieTerminee) {
      ASSERT_EQ(prises, e.NumeroTour - 1);
      ASSERT_EQ(e.FigureAnnoncee, -1);
      for (int i = 1; i <= NbDes; ++i) ASSERT_EQ(ecran_.imagesDes[i], ImageDeFond);
    }
    if (e.NbJets > 0) {
      for (int16_t d : e.Des) ASSERT_TRUE(d >= 1 && d <= 6) << d;
    }
    if (!e.PartieTerminee) VerifierCasesMontrees();
    if (e.FigureAnnoncee != -1 && a.FigureAnnoncee == -1) ++nbAnnonces;

    // Totals are exact at every moment, not only at the end.
    int32_t total = 0;
    int figures = 0;
    for (int c = 1; c <= e.NbColonnes; ++c) {
      const TotauxColonne t = Recompter(e, c);
      ASSERT_EQ(e.TotalHaut[c], t.haut) << c;
      ASSERT_EQ(e.BonusHaut[c], t.bonusHaut) << c;
      ASSERT_EQ(e.TotalBas[c], t.bas) << c;
      ASSERT_EQ(e.BonusBas[c], t.bonusBas) << c;
      total += t.haut + t.bonusHaut + t.bas + t.bonusBas;
      int colonne = 0;
      for (int f = 7; f <= NbFigures; ++f)
        colonne += e.Cases(c, f).Prise && e.Cases(c, f).Score > 0 ? 1 : 0;
      ASSERT_EQ(e.NbFiguresColonne[c], colonne) << c;
      figures += colonne;
    }
    ASSERT_EQ(e.ScoreTotal, total);
    ASSERT_EQ(ecran_.legendeScoreTotal, std::to_string(total));
    ASSERT_EQ(e.NbFiguresRealisees, figures);
  }

  // The one square written this move: shown and allowed by its column before the move, and
  // written with the score it showed.
  void VerifierEcriture() {
    const EtatPartie& e = partie_.Etat();
    const EtatPartie& a = avant_;
    int c = 0, f = 0;
    for (int cc = 1; cc <= NbColonnesMax; ++cc)
      for (int ff = 1; ff <= NbFigures; ++ff)
        if (e.Cases(cc, ff).Prise && !a.Cases(cc, ff).Prise) c = cc, f = ff;
    SCOPED_TRACE("square " + std::to_string(c) + "," + std::to_string(f));
    ++nbEcritures;
    if (e.Cases(c, f).Score == 0) ++nbBarrees;
    ASSERT_GE(a.NbJets, 1);
    ASSERT_TRUE(a.Cases(c, f).Visible);
    ASSERT_EQ(e.Cases(c, f).Score, a.Cases(c, f).ScorePotentiel);
    switch (c) {
      case colonne::Descente: ASSERT_EQ(f, a.ProchaineDescente); break;
      case colonne::Montee: ASSERT_EQ(f, a.ProchaineMontee); break;
      case colonne::Seche: ASSERT_EQ(a.NbJets, 1); break;
      case colonne::Deux: ASSERT_LE(a.NbJets, 2); break;
      case colonne::Annonce:
        ASSERT_EQ(a.NbJets, 3);
        ASSERT_EQ(f, a.FigureAnnoncee);
        break;
      default: break;
    }
    if (a.FigureAnnoncee != -1) {
      ASSERT_EQ(c, colonne::Annonce);
    }
    ASSERT_EQ(e.NbJets, 0) << "a written square ends the turn";
    const int nbCases = e.NbColonnes * NbFigures;
    if (e.PartieTerminee) {
      ASSERT_EQ(e.NumeroTour, nbCases);
      ASSERT_EQ(a.NumeroTour, nbCases);
    } else {
      ASSERT_EQ(e.NumeroTour, a.NumeroTour + 1);
    }
  }

  // Descente and Montée show their next square and the taken ones; between turns every other
  // column in play shows all its squares; during a turn the free squares that the throws made
  // so far have closed are hidden, and an announcement leaves only its own square open.
  void VerifierCasesMontrees() {
    const EtatPartie& e = partie_.Etat();
    for (int c = 1; c <= e.NbColonnes; ++c)
      for (int f = 1; f <= NbFigures; ++f) {
        const CaseJeu& k = e.Cases(c, f);
        bool attendu = true;
        if (c == colonne::Descente) attendu = f == e.ProchaineDescente;
        if (c == colonne::Montee) attendu = f == e.ProchaineMontee;
        if (e.NbJets > 0 && (c == colonne::Seche || c == colonne::Annonce)) attendu = e.NbJets == 1;
        if (c == colonne::Deux) attendu = e.NbJets <= 2;
        if (e.FigureAnnoncee != -1) attendu = c == colonne::Annonce && f == e.FigureAnnoncee;
        ASSERT_EQ(k.Visible, k.Prise || attendu) << c << "," << f;
      }
  }

  const Partie& partie_;
  const AffichageMemoire& ecran_;
  EtatPartie avant_;
};

// Random games in each mode keep every invariant of the sheet and end with exact totals.
class RandomGame : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(RandomGame, KeepsTheInvariantsAfterEveryMoveAndEndsWithExactTotals) {
  const auto [mode, graine] = GetParam();
  essai::Table t(static_cast<int16_t>(mode), static_cast<std::uint64_t>(graine));
  essai::JoueurHasard joueur(static_cast<std::uint64_t>(graine) * 7919 + 1);
  Surveillant surveillant(t.partie, t.ecran);
  const int coups = joueur.JouerPartie(t.partie, [&] {
    surveillant.ApresCoup();
    return !testing::Test::HasFailure();
  });
  ASSERT_FALSE(HasFailure());

  const EtatPartie& e = t.e();
  const int nbCases = NbCasesMode[mode];
  ASSERT_TRUE(e.PartieTerminee) << "not over after " << coups << " moves";
  EXPECT_EQ(e.NumeroTour, nbCases);
  EXPECT_EQ(t.NbPrises(), nbCases);
  EXPECT_EQ(surveillant.nbEcritures, nbCases);
  EXPECT_FALSE(t.ecran.okDeVisible);
  EXPECT_EQ(t.ecran.nbFinsPartie, 1);
  int32_t total = 0;
  for (int c = 1; c <= e.NbColonnes; ++c) {
    EXPECT_TRUE(e.ColonneFermee[c]) << c;
    const TotauxColonne tc = Recompter(e, c);
    total += tc.haut + tc.bonusHaut + tc.bas + tc.bonusBas;
  }
  EXPECT_EQ(e.ScoreTotal, total);
  // The player did play: some squares crossed out, and in the six-column game some announced.
  EXPECT_GT(surveillant.nbBarrees, 0);
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
    Surveillant surveillant(t.partie, t.ecran);
    t.ecran.Oublier();
    joueur.JouerPartie(t.partie, [&] {
      surveillant.ApresCoup();
      return !testing::Test::HasFailure();
    });
    ASSERT_TRUE(t.e().PartieTerminee) << "mode " << mode;
    EXPECT_EQ(t.NbPrises(), NbCasesMode[mode]);
    EXPECT_EQ(t.ecran.nbFinsPartie, 1);
  }
}

}  // namespace
}  // namespace rolvex
