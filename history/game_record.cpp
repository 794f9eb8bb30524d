#include "history/game_record.h"

#include <chrono>
#include <ctime>

namespace rolvex {

namespace {

// The mode of the game on the sheet: ModeJeu may already name the next game's.
int16_t ModeDesColonnes(int16_t nbColonnes) {
  for (int16_t m = 1; m <= 3; ++m)
    if (NbColonnesMode[m] == nbColonnes) return m;
  return 1;
}

}  // namespace

PartieJouee ReleverPartie(const EtatPartie& e, std::string nom, int32_t secondes,
                          std::string langue, bool conseil, std::string quand) {
  PartieJouee p{.quand = std::move(quand),
                .mode = ModeDesColonnes(e.NbColonnes),
                .nom = std::move(nom),
                .abandonnee = !e.PartieTerminee,
                .score = e.ScoreTotal,
                .figures = e.NbFiguresRealisees,
                .secondes = secondes,
                .langue = std::move(langue),
                .conseil = conseil,
                .totaux = {},
                .cases = {}};
  for (int16_t c = 1; c <= e.NbColonnes; ++c) {
    p.totaux[c] = {e.TotalHaut[c], e.BonusHaut[c], e.TotalBas[c], e.BonusBas[c]};
    for (int16_t f = 1; f <= NbFigures; ++f)
      if (e.Cases(c, f).Prise) p.cases[c][f] = e.Cases(c, f).Score;
  }
  return p;
}

std::string MaintenantLocal() {
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&t, &local);
  char texte[32];
  std::strftime(texte, sizeof texte, "%Y-%m-%d %H:%M:%S", &local);
  return texte;
}

}  // namespace rolvex
