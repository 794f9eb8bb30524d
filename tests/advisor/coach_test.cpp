#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <numeric>
#include <random>
#include <unordered_map>

#include "advisor/advisor.h"
#include "advisor/review.h"
#include "engine/headless_display.h"

namespace rolvex::conseil {
namespace {

// Games per mode; the sanitizer build plays fewer (ROLVEX_PARTIES_COACH), and checks two free
// squares against the brute force in one column only, which takes it minutes in six.
int NbParties() {
  const char* n = std::getenv("ROLVEX_PARTIES_COACH");
  return n ? std::atoi(n) : 10000;
}

// A new game of `mode`, its dice drawn from `graine`.
struct Jeu {
  AffichageMemoire ecran;
  DeEquitable de;
  Partie partie{ecran, de};
  Jeu(int16_t mode, std::uint64_t graine) : de(graine) {
    partie.ChoisirMode(mode);
    partie.AppelNouveau();
  }
};

// What the game does with choice `c` from state `e`: whether it accepts it as the choice says.
bool Accepte(const EtatPartie& e, const Choix& c) {
  AffichageMemoire ecran;
  DeEquitable de(1);
  Partie p(ecran, de);
  p.Reprendre(e, std::nullopt);
  Jouer(p, c);
  const EtatPartie& apres = p.Etat();
  switch (c.genre) {
    case Choix::Genre::Garder:
      for (int16_t d = 1; d <= NbDes; ++d)
        if (e.NbJets > 0 && c.garder[d] && apres.Des[d] != e.Des[d]) return false;
      return apres.NbJets == e.NbJets + 1;
    case Choix::Genre::Annoncer:
      return apres.FigureAnnoncee == c.figure && apres.NbJets == e.NbJets;
    case Choix::Genre::Ecrire:
      return !e.Cases(c.colonne, c.figure).Prise && apres.Cases(c.colonne, c.figure).Prise;
  }
  return false;
}

// Random games whose moves are drawn among the coach's choices: at every position the coach
// has a choice, its choices come best first, and the game accepts the best and another; in
// the first games, a square the game accepts is a choice, and a throw is one when it is taken.
TEST(Coach, EveryChoiceOfRandomGamesIsLegalAndNoLegalSquareIsMissing) {
  for (int16_t mode = 1; mode <= 3; ++mode) {
    std::mt19937 hasard(mode);
    for (int g = 0; g < NbParties(); ++g) {
      Jeu jeu(mode, static_cast<std::uint64_t>(g) * 3 + static_cast<std::uint64_t>(mode));
      Partie& partie = jeu.partie;
      Coach coach;
      while (!partie.Etat().PartieTerminee) {
        const EtatPartie e = partie.Etat();
        const auto choix = coach.Conseiller(e);
        ASSERT_FALSE(choix.empty()) << "mode " << mode << " game " << g;
        ASSERT_TRUE(std::is_sorted(choix.begin(), choix.end(),
                                   [](auto& a, auto& b) { return a.esperance > b.esperance; }));
        const Choix& autre = choix[hasard() % choix.size()];
        ASSERT_TRUE(Accepte(e, choix.front())) << "mode " << mode << " game " << g;
        ASSERT_TRUE(Accepte(e, autre)) << "mode " << mode << " game " << g;
        if (g < 20 && e.NbJets > 0) {
          for (int16_t c = 1; c <= e.NbColonnes; ++c)
            for (int16_t f = 1; f <= NbFigures; ++f) {
              const bool annonce = c == colonne::Annonce && e.FigureAnnoncee == AucuneAnnonce;
              const Choix clic{.genre = annonce ? Choix::Genre::Annoncer : Choix::Genre::Ecrire,
                               .colonne = c,
                               .figure = f};
              const bool listee = std::any_of(choix.begin(), choix.end(), [&](const Choix& x) {
                return x.genre != Choix::Genre::Garder && x.colonne == c && x.figure == f;
              });
              ASSERT_EQ(listee, Accepte(e, clic)) << c << "," << f << " throw " << e.NbJets;
            }
          Choix relance{.genre = Choix::Genre::Garder};
          relance.garder.fill(true);
          relance.garder[1] = e.FigureAnnoncee != AucuneAnnonce;
          const bool garde = std::any_of(choix.begin(), choix.end(), [](const Choix& x) {
            return x.genre == Choix::Genre::Garder;
          });
          ASSERT_EQ(garde, e.NbJets < NbJetsMax && Accepte(e, relance));
        }
        Jouer(partie, hasard() % 3 == 0 ? autre : choix.front());
      }
    }
  }
}

// Expectimax over the dice in their order, every subset of them kept, every legal square.
class ForceBrute {
 public:
  double Depart(const Feuille& s) {
    if (s.NbCasesLibres() == 0) return s.Total();
    auto [t, nouveau] = departs_.try_emplace(Cle(s), 0.0);
    if (!nouveau) return t->second;
    double somme = 0;
    ParcourirJets(Des5{}, 0, [&](const Des5& des, double p) {
      somme += p * Apres(s, PremierJet, des, AucuneAnnonce);
    });
    return departs_[Cle(s)] = somme;
  }
  // After throw `jet` with dice `des`.
  double Apres(const Feuille& s, int16_t jet, Des5 des, int16_t annonce) {
    std::sort(des.begin(), des.end());
    int cle = jet * 14 + annonce + 1;
    for (int16_t d : des) cle = cle * 7 + d;
    auto& memo = apres_[Cle(s)];
    if (auto t = memo.find(cle); t != memo.end()) return t->second;
    const AnalyseDes a = AnalyserDes(des);
    double meilleur = -std::numeric_limits<double>::infinity();
    for (int16_t c = 1; c <= s.nbColonnes; ++c)
      for (int16_t f = 1; f <= NbFigures; ++f) {
        const bool annoncee = c == colonne::Annonce && f == annonce && jet == NbJetsMax;
        if (annoncee || (annonce == AucuneAnnonce && Inscriptible(s, c, f, jet)))
          meilleur = std::max(meilleur, Depart(s.Apres(c, f, s.Score(a, c, f))));
        if (c == colonne::Annonce && Annoncable(s, f, jet, annonce))
          meilleur = std::max(meilleur, Apres(s, jet, des, f));
      }
    if (RelanceAutorisee(s, jet, annonce))
      for (int garde = 0; garde < 32; ++garde)
        if (garde != 31 || annonce != AucuneAnnonce)
          meilleur = std::max(meilleur, Relance(s, jet, des, garde, annonce));
    return apres_[Cle(s)][cle] = meilleur;
  }
  // Dice `garde` kept (bit d - 1 for die d), the others thrown.
  double Relance(const Feuille& s, int16_t jet, const Des5& des, int garde, int16_t annonce) {
    double somme = 0;
    ParcourirJets(des, garde, [&](const Des5& d, double p) {
      somme += p * Apres(s, static_cast<int16_t>(jet + 1), d, annonce);
    });
    return somme;
  }

 private:
  static std::vector<int16_t> Cle(const Feuille& s) {
    std::vector<int16_t> cle{s.prochaineDescente, s.prochaineMontee};
    for (const ScoresColonne& k : s.colonnes)
      for (int16_t f = 1; f <= NbFigures; ++f) cle.push_back(k.ecrit[f] ? k.score[f] : int16_t{-1});
    return cle;
  }
  // Every throw of the dice not in `garde` (bit d - 1 for die d) with its chance: the faces
  // thrown in ascending order, each drawn in k! / (n1! … n6!) of the 6^k orders.
  template <typename F>
  static void ParcourirJets(Des5 des, int garde, F&& f) {
    std::vector<int16_t> lances;
    for (int16_t d = 1; d <= NbDes; ++d)
      if (!(garde >> (d - 1) & 1)) lances.push_back(d);
    std::array<int, 7> nb{};
    auto suite = [&](auto& self, std::size_t i, int16_t depuis, double ordres) -> void {
      if (i == lances.size()) return f(des, ordres / std::pow(6.0, static_cast<double>(i)));
      for (int16_t face = depuis; face <= 6; ++face) {
        des[lances[i]] = face;
        ++nb[face];
        self(self, i + 1, face, ordres * static_cast<double>(i + 1) / nb[face]);
        --nb[face];
      }
    };
    suite(suite, 0, 1, 1.0);
  }
  std::map<std::vector<int16_t>, double> departs_;
  std::map<std::vector<int16_t>, std::unordered_map<int, double>> apres_;
};

// Coach games stopped with two squares left, then one: every choice of the turn's first throws
// is worth what the brute force finds.
TEST(Coach, WithOneOrTwoSquaresLeftTheExpectationsAreExact) {
  for (int16_t mode : {1, 2, 3}) {
    Jeu jeu(mode, static_cast<std::uint64_t>(mode) + 40);
    Partie& partie = jeu.partie;
    Coach coach;
    ForceBrute brute;
    for (int libres : {2, 1}) {
      if (libres == 2 && mode > 1 && NbParties() < 10000) continue;
      while (Feuille::De(partie.Etat()).NbCasesLibres() > libres || partie.Etat().NbJets != 1)
        Jouer(partie, coach.Conseiller(partie.Etat()).front());
      const Feuille s = Feuille::De(partie.Etat());
      EXPECT_NEAR(coach.TourDe(s).ValeurDepart(), brute.Depart(s), 1e-6);
      const Situation st = SituationDe(partie.Etat());
      for (const Choix& c : coach.Conseiller(s, st)) {
        double attendu;
        if (c.genre == Choix::Genre::Ecrire) {
          const int16_t score = s.Score(AnalyserDes(st.des), c.colonne, c.figure);
          attendu = brute.Depart(s.Apres(c.colonne, c.figure, score));
        } else if (c.genre == Choix::Genre::Annoncer) {
          attendu = brute.Apres(s, PremierJet, st.des, c.figure);
        } else {
          int garde = 0;
          for (int16_t d = 1; d <= NbDes; ++d) garde |= c.garder[d] << (d - 1);
          attendu = brute.Relance(s, PremierJet, st.des, garde, AucuneAnnonce);
        }
        EXPECT_NEAR(c.esperance, attendu, 1e-6) << "mode " << mode << ", " << libres << " left";
      }
    }
  }
}

}  // namespace
}  // namespace rolvex::conseil

namespace rolvex::conseil {
namespace {

// The odds of a figure against known numbers: a Yam in three throws kept for the most common
// face is 4.60 %, three sixes or more kept as they come 35.485 %; the best odds are those of
// the best dice kept.
TEST(Chances, AreTheKnownOnesAndTheBestAreThoseOfTheBestKeep) {
  const Mains& mains = Mains::Toutes();
  Feuille feuille;
  feuille.nbColonnes = NbColonnesMax;
  double yam = 0, six = 0;
  for (int16_t t = 0; t < NbTirages; ++t) {
    Des5 des = mains.Analyse(t).DesTries;
    ParDe<bool> gardes{};
    const Chances c = ChancesDeFigure(feuille, colonne::Annonce, figure::Yam, des, gardes, 1);
    yam += mains.Proba(t) * c.auMieux;
    six += mains.Proba(t) *
           ChancesDeFigure(feuille, colonne::Annonce, figure::Six, des, gardes, 1).auMieux;
    double meilleure = 0;
    for (int garde = 0; garde < 32; ++garde) {
      for (int16_t d = 1; d <= NbDes; ++d) gardes[d] = garde >> (d - 1) & 1;
      meilleure = std::max(
          meilleure,
          ChancesDeFigure(feuille, colonne::Annonce, figure::Yam, des, gardes, 1).avecGardes);
    }
    ASSERT_DOUBLE_EQ(c.auMieux, meilleure);
  }
  EXPECT_NEAR(yam, 0.04603, 5e-6);
  EXPECT_NEAR(six, 0.35485, 5e-6);
}

// Before the first throw of a game, the coach expects what its own games score on average.
TEST(Coach, ExpectsAtAGamesStartWhatItsGamesScore) {
  for (int16_t mode : {1, 2}) {
    constexpr int NbJeux = 300;
    double somme = 0, attendue = 0;
    for (int g = 0; g < NbJeux; ++g) {
      Jeu jeu(mode, static_cast<std::uint64_t>(g) + 5000);
      Partie& partie = jeu.partie;
      Coach coach;
      attendue = coach.Conseiller(partie.Etat()).front().esperance;
      while (!partie.Etat().PartieTerminee) Jouer(partie, coach.Conseiller(partie.Etat()).front());
      somme += partie.Etat().ScoreTotal;
    }
    // Three standard errors of the mean: the games' spread is about 110 and 190 points.
    EXPECT_NEAR(somme / NbJeux, attendue, 3 * (mode == 1 ? 110 : 190) / std::sqrt(NbJeux)) << mode;
  }
}

// The review keeps the five decisions that cost the most, in the order they were made.
TEST(Revue, KeepsTheCostliestDecisionsInTheirOrder) {
  Jeu jeu(2, 7);
  Partie& partie = jeu.partie;
  Coach coach;
  std::mt19937 hasard(7);
  std::vector<Decision> decisions;
  std::vector<double> couts;
  while (!partie.Etat().PartieTerminee) {
    const auto choix = coach.Conseiller(partie.Etat());
    const Choix& fait = choix[hasard() % std::min<std::size_t>(choix.size(), 3)];
    if (partie.Etat().NbJets > 0) {
      decisions.push_back(
          {partie.Etat().NumeroTour, Feuille::De(partie.Etat()), SituationDe(partie.Etat()), fait});
      couts.push_back(choix.front().esperance - fait.esperance);
    }
    Jouer(partie, fait);
  }
  std::vector<std::size_t> rangs(couts.size());
  std::iota(rangs.begin(), rangs.end(), 0);
  std::stable_sort(rangs.begin(), rangs.end(), [&](auto a, auto b) { return couts[a] > couts[b]; });
  rangs.resize(5);
  std::sort(rangs.begin(), rangs.end());
  const auto revue = Revoir(decisions);
  ASSERT_EQ(revue.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(revue[i].numero, rangs[i]);
    EXPECT_NEAR(revue[i].cout, couts[rangs[i]], 1e-9);
    EXPECT_TRUE(MemeChoix(revue[i].decision.fait, decisions[rangs[i]].fait,
                          decisions[rangs[i]].situation.des));
  }
}

}  // namespace
}  // namespace rolvex::conseil

namespace rolvex::conseil {
namespace {

// The turns spent on one figure, and what a column's last upper square is worth: with the
// sixes kept as they come, k sixes out of five after n throws follow a known chain; the
// upper bonus then comes from 50 + 6k, and the lower bonus, won, doubles at 60.
TEST(Estimation, AgreesWithTheChainOfSixesKept) {
  for (int jets = 1; jets <= NbJetsMax; ++jets) {
    std::array<double, NbDes + 1> k{1, 0, 0, 0, 0, 0};
    for (int j = 0; j < jets; ++j) {
      std::array<double, NbDes + 1> suite{};
      for (int a = 0; a <= NbDes; ++a)
        for (int b = 0; b <= NbDes - a; ++b) {
          double p = k[a];
          for (int i = 0; i < NbDes - a; ++i) p *= (i < b ? 1.0 / 6 : 5.0 / 6);
          for (int i = 1; i <= b; ++i) p *= static_cast<double>(NbDes - a - b + i) / i;
          suite[a + b] += p;
        }
      k = suite;
    }
    const Loi& loi = LoiFigure(jets, figure::Six);
    for (int n = 0; n <= NbDes; ++n) EXPECT_NEAR(loi[6 * n], k[n], 1e-12) << jets;

    Feuille feuille;
    ScoresColonne& col = feuille.colonnes[colonne::Deux];
    feuille.nbColonnes = NbColonnesMax;
    col.ecrit.fill(true);
    col.ecrit[figure::Six] = false;
    const int16_t scores[] = {0, 5, 10, 15, 20, 0, 0, 25, 8, 30, 40, 45, 60, 80};
    for (int16_t f = 1; f <= NbFigures; ++f) col.score[f] = scores[f];
    double attendu = CalculerTotaux(col).Somme();
    for (int n = 0; n <= NbDes; ++n) {
      const int haut = 50 + 6 * n;
      attendu +=
          k[n] * (6 * n + BonusDuHaut(haut) + (haut >= 60 ? BonusBasDouble - BonusBasSimple : 0));
    }
    if (jets == JetsDeColonne(colonne::Deux)) {
      EXPECT_NEAR(Estimation::Partagee().Colonne(feuille, colonne::Deux), attendu, 1e-9);
    }
  }
  // Maxi or Mini left alone: the other bounds it; crossed out, it bounds nothing and the lower
  // bonus is lost. Upper total 75: the lower bonus is doubled.
  const Loi& mini = LoiFigure(NbJetsMax, figure::Mini);
  const Loi& maxi = LoiFigure(NbJetsMax, figure::Maxi);
  for (const auto& [figureLibre, autre] :
       {std::pair{figure::Mini, 20}, {figure::Maxi, 12}, {figure::Mini, 0}, {figure::Maxi, 0}}) {
    Feuille feuille;
    ScoresColonne& col = feuille.colonnes[colonne::Libre];
    const int16_t scores[] = {0, 5, 10, 15, 20, 25, 0, 0, 0, 30, 40, 45, 60, 80};
    for (int16_t f = 1; f <= NbFigures; ++f) col.score[f] = scores[f];
    col.ecrit.fill(true);
    col.ecrit[figureLibre] = false;
    col.score[figureLibre == figure::Mini ? figure::Maxi : figure::Mini] =
        static_cast<int16_t>(autre);
    double attendu = CalculerTotaux(col).Somme();
    for (int v = 0; v <= 100; ++v) {
      const bool borne = figureLibre == figure::Mini ? v < autre : v > autre;
      const double p = figureLibre == figure::Mini ? mini[v] : maxi[v];
      if (autre == 0) attendu += p * v;
      if (autre != 0 && borne) attendu += p * (v + 3 * std::abs(v - autre) + BonusBasDouble);
    }
    EXPECT_NEAR(Estimation::Partagee().Colonne(feuille, colonne::Libre), attendu, 1e-9) << autre;
    // Both written, one crossed out: the Yam left has no bonus to win.
    col.ecrit[figureLibre] = true;
    col.score[figureLibre] = 15;
    col.ecrit[figure::Yam] = false;
    attendu = CalculerTotaux(col).Somme();
    for (int v = 0; v <= 100; ++v) attendu += v * LoiFigure(NbJetsMax, figure::Yam)[v];
    if (autre == 0) {
      EXPECT_NEAR(Estimation::Partagee().Colonne(feuille, colonne::Libre), attendu, 1e-9);
    }
  }
}

}  // namespace
}  // namespace rolvex::conseil
