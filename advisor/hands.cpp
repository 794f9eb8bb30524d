#include "advisor/hands.h"

#include <algorithm>

namespace rolvex::conseil {

const Mains& Mains::Toutes() {
  static const Mains mains;
  return mains;
}

int Mains::Cle(const Compte& compte) {
  int cle = 0;
  for (int face = 6; face >= 1; --face) cle = cle * 6 + compte[face];
  return cle;
}

int16_t Mains::Main(const Des5& des) const {
  Compte compte{};
  for (int16_t d : des) ++compte[d];
  return Main(compte);
}

Mains::Mains() : index_(6 * 6 * 6 * 6 * 6 * 6, -1) {
  // Every count of at most five dice, in the order of their sizes.
  std::vector<Compte> tous;
  Compte c{};
  for (c[1] = 0; c[1] <= 5; ++c[1])
    for (c[2] = 0; c[1] + c[2] <= 5; ++c[2])
      for (c[3] = 0; c[1] + c[2] + c[3] <= 5; ++c[3])
        for (c[4] = 0; c[1] + c[2] + c[3] + c[4] <= 5; ++c[4])
          for (c[5] = 0; c[1] + c[2] + c[3] + c[4] + c[5] <= 5; ++c[5])
            for (c[6] = 0; c[1] + c[2] + c[3] + c[4] + c[5] + c[6] <= 5; ++c[6]) tous.push_back(c);
  auto taille = [](const Compte& k) { return k[1] + k[2] + k[3] + k[4] + k[5] + k[6]; };
  std::stable_sort(tous.begin(), tous.end(),
                   [&](const Compte& a, const Compte& b) { return taille(a) > taille(b); });

  int16_t tirage = 0;
  for (int16_t m = 0; m < NbMains; ++m) {
    comptes_[m] = tous[m];
    tailles_[m] = static_cast<int8_t>(taille(tous[m]));
    index_[Cle(tous[m])] = m;
    parTaille_[tailles_[m]].push_back(m);
    tirageDe_[m] = -1;
    if (tailles_[m] == NbDes) {
      tirageDe_[m] = tirage;
      mainDe_[tirage] = m;
      ++tirage;
    }
  }
  for (int16_t m = 0; m < NbMains; ++m) {
    for (int face = 1; face <= 6; ++face) {
      Compte k = comptes_[m];
      ++k[face];
      plus_[m][face] = tailles_[m] < NbDes ? index_[Cle(k)] : int16_t{-1};
    }
  }
  // 5! / (n1! … n6!) orders of the 6^5 equally likely ones give each throw.
  const int factorielle[6] = {1, 1, 2, 6, 24, 120};
  for (int16_t t = 0; t < NbTirages; ++t) {
    const Compte& k = comptes_[mainDe_[t]];
    Des5 des;
    int rang = 1;
    int ordres = factorielle[5];
    for (int face = 1; face <= 6; ++face) {
      ordres /= factorielle[k[face]];
      for (int n = 0; n < k[face]; ++n) des[rang++] = static_cast<int16_t>(face);
    }
    analyses_[t] = AnalyserDes(des);
    probas_[t] = ordres / 7776.0;
    // Each sub-count once: the product of 0..n per face.
    std::vector<int16_t>& sous = sousMains_[t];
    Compte s{};
    for (s[1] = k[1]; s[1] >= 0; --s[1])
      for (s[2] = k[2]; s[2] >= 0; --s[2])
        for (s[3] = k[3]; s[3] >= 0; --s[3])
          for (s[4] = k[4]; s[4] >= 0; --s[4])
            for (s[5] = k[5]; s[5] >= 0; --s[5])
              for (s[6] = k[6]; s[6] >= 0; --s[6]) sous.push_back(index_[Cle(s)]);
  }
}

void Mains::Esperances(const std::array<double, NbTirages>& auTirage,
                       std::array<double, NbMains>& parMain) const {
  for (int16_t m : parTaille_[NbDes]) parMain[m] = auTirage[tirageDe_[m]];
  // A hand short of k dice: one more die thrown, then the k - 1 others.
  for (int taille = NbDes - 1; taille >= 0; --taille)
    for (int16_t m : parTaille_[taille]) {
      double somme = 0;
      for (int face = 1; face <= 6; ++face) somme += parMain[plus_[m][face]];
      parMain[m] = somme / 6;
    }
}

}  // namespace rolvex::conseil
