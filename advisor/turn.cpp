#include "advisor/turn.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rolvex::conseil {

namespace {
constexpr double Impossible = -std::numeric_limits<double>::infinity();
}

Tour::Tour(const Feuille& feuille, const ValeurApres& valeurApres) : feuille_(feuille) {
  const Mains& mains = Mains::Toutes();
  // Every square a turn may write, each valued once per score.
  for (int16_t c = 1; c <= feuille.nbColonnes; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      const bool parAnnonce =
          c == colonne::Annonce && Annoncable(feuille, f, PremierJet, AucuneAnnonce);
      if (!parAnnonce && !Inscriptible(feuille, c, f, PremierJet)) continue;
      CaseJouable k{c, f, {}};
      std::array<double, 101> parScore;
      parScore.fill(std::nan(""));
      for (int16_t t = 0; t < NbTirages; ++t) {
        const int16_t score = feuille.Score(mains.Analyse(t), c, f);
        if (std::isnan(parScore[score])) parScore[score] = valeurApres(c, f, score);
        k.valeur[t] = parScore[score];
      }
      cases_.push_back(k);
    }
  for (std::size_t i = 0; i < cases_.size(); ++i)
    if (cases_[i].colonne == colonne::Annonce) {
      annonces_[cases_[i].figure].possible = true;
      annonces_[cases_[i].figure].ecrire = static_cast<int>(i);
    }
  Resoudre();
}

double Tour::MeilleurGarde(int16_t tirage, const ParMain& k, bool garderTout) const {
  const auto& sous = Mains::Toutes().SousMains(tirage);
  double meilleur = Impossible;
  // The first hand is the whole throw: kept whole, only under an announcement.
  for (std::size_t i = garderTout ? 0 : 1; i < sous.size(); ++i)
    meilleur = std::max(meilleur, k[sous[i]]);
  return meilleur;
}

void Tour::Resoudre() {
  const Mains& mains = Mains::Toutes();
  for (Annonce& a : annonces_) {
    if (!a.possible) continue;
    a.w[NbJetsMax] = cases_[a.ecrire].valeur;
    for (int16_t j = DeuxiemeJet; j >= PremierJet; --j) {
      mains.Esperances(a.w[j + 1], a.k[j]);
      for (int16_t t = 0; t < NbTirages; ++t) a.w[j][t] = MeilleurGarde(t, a.k[j], true);
    }
  }
  for (int16_t j = NbJetsMax; j >= PremierJet; --j) {
    ParTirage& w = w_[j];
    w.fill(Impossible);
    for (const CaseJouable& k : cases_)
      if (Inscriptible(feuille_, k.colonne, k.figure, j))
        for (int16_t t = 0; t < NbTirages; ++t) w[t] = std::max(w[t], k.valeur[t]);
    if (j == PremierJet)
      for (const Annonce& a : annonces_)
        if (a.possible)
          for (int16_t t = 0; t < NbTirages; ++t) w[t] = std::max(w[t], a.w[PremierJet][t]);
    if (RelanceAutorisee(feuille_, j, AucuneAnnonce))
      for (int16_t t = 0; t < NbTirages; ++t) w[t] = std::max(w[t], MeilleurGarde(t, k_[j], false));
    mains.Esperances(w, k_[j - 1]);
  }
  depart_ = k_[0][mains.Main(Compte{})];
}

double Tour::ValeurGarde(int16_t jet, int16_t annonce, int16_t main) const {
  return annonce == AucuneAnnonce ? k_[jet][main] : annonces_[annonce].k[jet][main];
}

std::vector<Choix> Tour::Choix_(const Situation& s) const {
  std::vector<Choix> choix;
  const Mains& mains = Mains::Toutes();
  auto garder = [&](int16_t main, double esperance) {
    // The dice kept: those already kept first, so that the fewest clicks follow the advice.
    Compte reste = mains.CompteDe(main);
    Choix c{.genre = Choix::Genre::Garder, .esperance = esperance};
    for (bool dejaGarde : {true, false})
      for (int16_t d = 1; d <= NbDes; ++d)
        if (s.gardes[d] == dejaGarde && !c.garder[d] && reste[s.des[d]] > 0) {
          --reste[s.des[d]];
          c.garder[d] = true;
        }
    choix.push_back(c);
  };
  if (s.jet == 0) {  // no dice on the table yet: all five are thrown
    choix.push_back({.genre = Choix::Genre::Garder, .esperance = depart_});
    return choix;
  }
  const int16_t tirage = mains.Tirage(mains.Main(s.des));
  if (s.annonce != AucuneAnnonce) {
    const Annonce& a = annonces_[s.annonce];
    if (!a.possible) return choix;
    if (s.jet == NbJetsMax) {
      choix.push_back({.genre = Choix::Genre::Ecrire,
                       .colonne = colonne::Annonce,
                       .figure = s.annonce,
                       .esperance = cases_[a.ecrire].valeur[tirage]});
      return choix;
    }
    for (int16_t m : mains.SousMains(tirage)) garder(m, a.k[s.jet][m]);
  } else {
    for (const CaseJouable& k : cases_) {
      if (k.colonne == colonne::Annonce) {
        if (Annoncable(feuille_, k.figure, s.jet, s.annonce))
          choix.push_back({.genre = Choix::Genre::Annoncer,
                           .colonne = k.colonne,
                           .figure = k.figure,
                           .esperance = annonces_[k.figure].w[PremierJet][tirage]});
      } else if (Inscriptible(feuille_, k.colonne, k.figure, s.jet)) {
        choix.push_back({.genre = Choix::Genre::Ecrire,
                         .colonne = k.colonne,
                         .figure = k.figure,
                         .esperance = k.valeur[tirage]});
      }
    }
    if (RelanceAutorisee(feuille_, s.jet, s.annonce)) {
      const auto& sous = mains.SousMains(tirage);
      for (std::size_t i = 1; i < sous.size(); ++i) garder(sous[i], k_[s.jet][sous[i]]);
    }
  }
  std::stable_sort(choix.begin(), choix.end(),
                   [](const Choix& a, const Choix& b) { return a.esperance > b.esperance; });
  return choix;
}

}  // namespace rolvex::conseil
