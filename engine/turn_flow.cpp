// The end of a turn, the end of the game, and the game clock.
#include <algorithm>
#include <string>

#include "game.h"

namespace rolvex {

void Partie::DesélectionneTout() {
  for (int16_t c = 1; c <= état_.NbColonnes; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) état_.Cases(c, f).Sélectionnable = false;
}

void Partie::DessineCases() {
  auto& é = état_;
  affichage_.DessineCases();
  // Once drawn taken, a square is never drawn again this game (its inset is applied once).
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      CaseJeu& k = é.Cases(c, f);
      if (k.Visible && k.Prise) k.PriseDessinée = true;
    }
  affichage_.LégendeScoreTotal(std::to_string(é.ScoreTotal));
  if (é.NbJets != 0) affichage_.LégendeTotalDés(std::to_string(é.Analyse.TotalDés));
}

// A square has been written: prepare the next turn, or end the game after the last one.
void Partie::AppelFinTirage() {
  auto& é = état_;
  InitLancéDés();
  for (int16_t c = 1; c <= é.NbColonnes; ++c) {
    bool complète = true;
    for (int16_t f = 1; f <= NbFigures; ++f) complète = complète && é.Cases(c, f).Prise;
    if (complète) é.ColonneFermée[c] = true;
  }
  DesélectionneTout();
  RendreVisibleCasesSélectionnables();
  CalculTotauxEtBonus();
  DessineCases();
  affichage_.LégendeTotalDés("");
  ++é.NuméroTour;
  affichage_.InfoDéroulement(Message::MsgNouveauTirage);
  // Every turn writes one square, so the turn after the last square never begins.
  const auto nbCases = static_cast<int16_t>(é.NbColonnes * NbFigures);
  if (é.NuméroTour == nbCases + 1) {
    é.NuméroTour = nbCases;
    AppelFinPartie();
  }
}

void Partie::AppelFinPartie() {
  auto& é = état_;
  é.PartieTerminée = true;
  affichage_.AppelFinPartie();  // the high scores read the time before the clock stops
  é.ChronoEnMarche = false;
  affichage_.PanelOkDéVisible(false);
}

void Partie::TimerChrono_Timer() {
  auto& é = état_;
  if (!é.ChronoEnMarche) return;
  if (++é.SecondesChrono == 60) {
    ++é.MinutesChrono;
    é.SecondesChrono = 0;
  }
  const int64_t secondes = int64_t{é.MinutesChrono} * 60 + é.SecondesChrono;
  é.SecondesPartie = static_cast<int32_t>(std::min<int64_t>(secondes, 3599));
}

}  // namespace rolvex
