#include "advisor/estimate.h"

#include "advisor/calibration.h"

#include <algorithm>
#include <limits>

namespace rolvex::conseil {

namespace {

// The score a figure writes on a throw, the Maxi and Mini rule aside, and what the turn spent
// on it seeks: the score itself, or for Mini the lowest total.
int16_t ScoreLibre(const AnalyseDes& a, int16_t f) {
  const CaseJeu libre;
  return ScoreFigure(a, f, libre, libre);
}

double But(const AnalyseDes& a, int16_t f) {
  return f == figure::Mini ? -a.TotalDes : ScoreLibre(a, f);
}

Loi CalculerLoi(int jets, int16_t f) {
  const Mains& mains = Mains::Toutes();
  // Backwards: the value of each throw with j throws made, and the hand kept from it.
  std::array<std::array<double, NbTirages>, NbJetsMax + 1> valeur{};
  std::array<std::array<int16_t, NbTirages>, NbJetsMax + 1> garde{};
  for (int16_t t = 0; t < NbTirages; ++t) valeur[jets][t] = But(mains.Analyse(t), f);
  std::array<double, NbMains> parMain;
  for (int j = jets - 1; j >= 1; --j) {
    mains.Esperances(valeur[j + 1], parMain);
    for (int16_t t = 0; t < NbTirages; ++t) {
      double meilleur = -std::numeric_limits<double>::infinity();
      for (int16_t m : mains.SousMains(t))
        if (parMain[m] > meilleur) {
          meilleur = parMain[m];
          garde[j][t] = m;
        }
      valeur[j][t] = meilleur;
    }
  }
  // Forwards: the chance of each throw after each throw, the hand kept and the dice thrown.
  std::array<double, NbTirages> chance;
  for (int16_t t = 0; t < NbTirages; ++t) chance[t] = mains.Proba(t);
  for (int j = 1; j < jets; ++j) {
    std::array<double, NbMains> masse{};
    for (int16_t t = 0; t < NbTirages; ++t) masse[garde[j][t]] += chance[t];
    for (int taille = 0; taille < NbDes; ++taille)
      for (int16_t m : mains.MainsDeTaille(taille))
        for (int face = 1; face <= 6; ++face) masse[mains.Plus(m, face)] += masse[m] / 6;
    for (int16_t m : mains.MainsDeTaille(NbDes)) chance[mains.Tirage(m)] = masse[m];
  }
  Loi loi{};
  for (int16_t t = 0; t < NbTirages; ++t) loi[ScoreLibre(mains.Analyse(t), f)] += chance[t];
  return loi;
}

double Moyenne(const Loi& loi) {
  double m = 0;
  for (int s = 0; s < static_cast<int>(loi.size()); ++s) m += s * loi[s];
  return m;
}

}  // namespace

const Loi& LoiFigure(int jets, int16_t f) {
  static const auto lois = [] {
    std::array<ParFigure<Loi>, NbJetsMax + 1> t{};
    for (int j = 1; j <= NbJetsMax; ++j)
      for (int16_t f = 1; f <= NbFigures; ++f) t[j][f] = CalculerLoi(j, f);
    return t;
  }();
  return lois[jets][f];
}

int JetsDeColonne(int16_t c) {
  switch (c) {
    case colonne::Seche: return 1;
    case colonne::Deux: return 2;
    default: return NbJetsMax;
  }
}

const Estimation& Estimation::Partagee() {
  static const Estimation estimation;
  return estimation;
}

Estimation::Estimation() {
  for (int jets = 1; jets <= NbJetsMax; ++jets) {
    paireLibre_[jets] = CalculerPaire(jets);
    auto& h = haut_[jets];
    for (int total = 0; total <= Plafond; ++total)
      h[0][total] = {static_cast<double>(BonusDuHaut(total)), total >= SeuilBonusHaut ? 1.0 : 0.0};
    // A set of faces from the one without its lowest face.
    for (int faces = 1; faces < 64; ++faces) {
      const int bas = __builtin_ctz(static_cast<unsigned>(faces));
      const auto face = static_cast<int16_t>(bas + 1);
      const Loi& loi = LoiFigure(jets, face);
      const auto& reste = h[faces & (faces - 1)];
      for (int total = 0; total <= Plafond; ++total) {
        Haut v;
        for (int n = 0; n <= NbDes; ++n) {
          const int score = n * face;
          const double p = loi[score];
          if (p == 0) continue;
          const Haut& apres = reste[std::min(total + score, Plafond)];
          v.points += p * (score + apres.points);
          v.chance60 += p * apres.chance60;
        }
        h[faces][total] = v;
      }
    }
  }
}

Estimation::Paire Estimation::CalculerPaire(int jets) {
  // Maxi first, then Mini below it, or crossed out when it cannot be.
  const Loi& loiMaxi = LoiFigure(jets, figure::Maxi);
  const Loi& loiMini = LoiFigure(jets, figure::Mini);
  Paire paire;
  for (int s = 0; s < static_cast<int>(loiMaxi.size()); ++s)
    for (int m = 0; m < static_cast<int>(loiMini.size()); ++m) {
      const double p = loiMaxi[s] * loiMini[m];
      if (m < s) {
        paire.points += p * (s + m + CoefBonusMaxiMini * (s - m));
        paire.chance += p;
      } else {
        paire.points += p * s;
      }
    }
  return paire;
}

double Estimation::Colonne(const Feuille& feuille, int16_t c) const {
  return CalculerTotaux(feuille.colonnes[c]).Somme() + AVenirBrut(feuille, c);
}

double Estimation::Decalage(const Feuille& feuille) const {
  double decalage = 0;
  for (int16_t c = 1; c <= feuille.nbColonnes; ++c)
    decalage += (Facteur(feuille, c) - 1) * AVenirBrut(feuille, c);
  return decalage;
}

double Facteur(const Feuille& feuille, int16_t c) {
  int libres = 0;
  for (bool ecrit : feuille.colonnes[c].ecrit) libres += ecrit ? 0 : 1;
  return Etalonnages[RangEtalonnage(feuille.nbColonnes, c)][libres];
}

double Estimation::AVenir(const Feuille& feuille, int16_t c) const {
  return Facteur(feuille, c) * AVenirBrut(feuille, c);
}

double Estimation::AVenirBrut(const Feuille& feuille, int16_t c) const {
  const ScoresColonne& k = feuille.colonnes[c];
  const int jets = JetsDeColonne(c);
  const TotauxColonne ecrit = CalculerTotaux(k);
  double valeur = 0;

  int facesLibres = 0;
  for (int16_t f = figure::As; f <= figure::Six; ++f)
    if (!k.ecrit[f]) facesLibres |= 1 << (f - 1);
  const Haut& h = haut_[jets][facesLibres][std::min<int32_t>(ecrit.haut, Plafond)];
  valeur += h.points - ecrit.bonusHaut;

  // The lower figures but Maxi and Mini: their expectations, and the chance of making all.
  bool bonusPossible = true;
  double chanceTout = 1;
  for (int16_t f = figure::Full; f <= figure::Yam; ++f) {
    if (k.ecrit[f]) {
      bonusPossible = bonusPossible && k.score[f] > 0;
      continue;
    }
    const Loi& loi = LoiFigure(jets, f);
    valeur += Moyenne(loi);
    chanceTout *= 1 - loi[0];
  }
  // Maxi and Mini go together: the one written bounds the other and their gap earns a bonus.
  const bool maxiEcrit = k.ecrit[figure::Maxi], miniEcrit = k.ecrit[figure::Mini];
  const int16_t maxi = k.score[figure::Maxi], mini = k.score[figure::Mini];
  const Loi& loiMaxi = LoiFigure(jets, figure::Maxi);
  const Loi& loiMini = LoiFigure(jets, figure::Mini);
  double chancePaire = 0;
  if (maxiEcrit && miniEcrit) {
    chancePaire = maxi > 0 && mini > 0 ? 1 : 0;
  } else if (maxiEcrit) {
    for (int m = 0; m < static_cast<int>(loiMini.size()); ++m) {
      const double p = loiMini[m];
      if (maxi == 0) {
        valeur += p * m;  // crossed out: no bound, no bonus
      } else if (m < maxi) {
        valeur += p * (m + CoefBonusMaxiMini * (maxi - m));
        chancePaire += p;
      }
    }
  } else if (miniEcrit) {
    for (int s = 0; s < static_cast<int>(loiMaxi.size()); ++s) {
      const double p = loiMaxi[s];
      if (mini == 0) {
        valeur += p * s;
      } else if (s > mini) {
        valeur += p * (s + CoefBonusMaxiMini * (s - mini));
        chancePaire += p;
      }
    }
  } else {
    valeur += paireLibre_[jets].points;
    chancePaire = paireLibre_[jets].chance;
  }
  // The lower bonus, won or still to win, is doubled if the upper total reaches its bonus.
  const double double_ = (BonusBasDouble - BonusBasSimple) * h.chance60;
  bool basComplet = maxiEcrit && miniEcrit;
  for (int16_t f = figure::Full; f <= figure::Yam; ++f) basComplet = basComplet && k.ecrit[f];
  if (bonusPossible && basComplet && chancePaire == 1) {
    if (ecrit.haut < SeuilBonusHaut) valeur += double_;
  } else if (bonusPossible && !basComplet) {
    valeur += chanceTout * chancePaire * (BonusBasSimple + double_);
  }
  return valeur;
}

double Estimation::Feuille_(const Feuille& feuille) const {
  double v = 0;
  for (int16_t c = 1; c <= feuille.nbColonnes; ++c) v += Colonne(feuille, c);
  return v;
}

}  // namespace rolvex::conseil
