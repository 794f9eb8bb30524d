#include "history/statistics.h"

#include <algorithm>
#include <numeric>

namespace rolvex {

namespace {

bool Faite(const std::optional<int16_t>& c) { return c && *c > 0; }

void CompterColonne(const PartieJouee& p, int16_t c, Statistiques& s, ParFigure<int64_t>& sommes) {
  for (int16_t f = 1; f <= NbFigures; ++f) {
    const std::optional<int16_t>& k = p.cases[c][f];
    if (!k) continue;
    StatFigure& sf = s.figures[c][f];
    if (*k > 0) {
      ++sf.faites;
      sommes[f] += *k;
    } else {
      ++sf.barrees;
    }
  }
  StatBonus& b = s.bonus[c];
  if (p.totaux[c].bonusHaut > 0) ++b.haut;
  bool basComplet = true;
  for (int16_t f = figure::Maxi; f <= figure::Yam; ++f)
    basComplet = basComplet && Faite(p.cases[c][f]);
  if (basComplet) ++b.bas;
  if (Faite(p.cases[c][figure::Maxi]) && Faite(p.cases[c][figure::Mini])) ++b.maxiMini;
}

// Floor division: a class starts at a multiple of its width, below the scores as above.
int32_t Plancher(int32_t a, int32_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

}  // namespace

Statistiques CalculerStatistiques(std::span<const PartieJouee> parties, int16_t mode) {
  Statistiques s;
  s.mode = mode;
  const int16_t nbColonnes = ModeValide(mode) ? NbColonnesMode[mode] : 0;
  ParColonne<ParFigure<int64_t>> sommes{};
  for (const PartieJouee& p : parties) {
    if (p.mode != mode) continue;
    if (p.abandonnee) {
      ++s.abandonnees;
      continue;
    }
    s.scores.push_back(p.score);
    for (int16_t c = 1; c <= nbColonnes; ++c) CompterColonne(p, c, s, sommes[c]);
  }
  s.parties = static_cast<int32_t>(s.scores.size());
  for (int16_t c = 1; c <= nbColonnes; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f)
      if (StatFigure& sf = s.figures[c][f]; sf.faites > 0)
        sf.moyenne = static_cast<double>(sommes[c][f]) / sf.faites;
  if (s.scores.empty()) return s;

  std::vector<int32_t> tries = s.scores;
  std::sort(tries.begin(), tries.end());
  const std::size_t n = tries.size();
  s.moyenne = static_cast<double>(std::accumulate(tries.begin(), tries.end(), int64_t{0})) /
              static_cast<double>(n);
  s.mediane = n % 2 == 1 ? tries[n / 2] : (tries[n / 2 - 1] + tries[n / 2]) / 2.0;
  s.pire = tries.front();
  s.meilleur = tries.back();
  return s;
}

std::vector<double> MoyenneGlissante(std::span<const int32_t> scores, std::size_t fenetre) {
  std::vector<double> moyennes;
  moyennes.reserve(scores.size());
  int64_t somme = 0;
  for (std::size_t i = 0; i < scores.size(); ++i) {
    somme += scores[i];
    if (i >= fenetre) somme -= scores[i - fenetre];
    moyennes.push_back(static_cast<double>(somme) / static_cast<double>(std::min(i + 1, fenetre)));
  }
  return moyennes;
}

Histogramme CompterScores(std::span<const int32_t> scores, int classesMax) {
  Histogramme h;
  if (scores.empty() || classesMax < 1) return h;
  const auto [bas, haut] = std::minmax_element(scores.begin(), scores.end());
  // Widths of 1, 2 and 5 times a power of ten, the first that fits.
  for (int32_t puissance = 1;; puissance *= 10) {
    for (int32_t facteur : {1, 2, 5}) {
      const int32_t largeur = facteur * puissance;
      const int32_t premiere = Plancher(*bas, largeur);
      const int32_t nombre = Plancher(*haut, largeur) - premiere + 1;
      if (nombre > classesMax) continue;
      h.debut = premiere * largeur;
      h.largeur = largeur;
      h.comptes.assign(static_cast<std::size_t>(nombre), 0);
      for (int32_t s : scores)
        ++h.comptes[static_cast<std::size_t>(Plancher(s, largeur) - premiere)];
      return h;
    }
  }
}

}  // namespace rolvex
