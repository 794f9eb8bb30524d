// The end of a turn and the end of the game.
#include <string>

#include "game.h"

namespace rolvex {

void Partie::DeselectionneTout() {
  for (int16_t c = 1; c <= etat_.NbColonnes; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) etat_.Cases(c, f).Selectionnable = false;
}

void Partie::DessineCases() {
  auto& e = etat_;
  affichage_.DessineCases();
  // Once drawn taken, a square is never drawn again this game (its inset is applied once).
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      CaseJeu& k = e.Cases(c, f);
      if (k.Visible && k.Prise) k.PriseDessinee = true;
    }
  affichage_.LegendeScoreTotal(std::to_string(e.ScoreTotal));
  if (e.NbJets != 0) affichage_.LegendeTotalDes(std::to_string(e.Analyse.TotalDes));
}

// A square has been written: prepare the next turn, or end the game after the last one.
void Partie::AppelFinTirage() {
  auto& e = etat_;
  InitLanceDes();
  for (int16_t c = 1; c <= e.NbColonnes; ++c) {
    bool complete = true;
    for (int16_t f = 1; f <= NbFigures; ++f) complete = complete && e.Cases(c, f).Prise;
    if (complete) e.ColonneFermee[c] = true;
  }
  DeselectionneTout();
  RendreVisibleCasesSelectionnables();
  CalculTotauxEtBonus();
  DessineCases();
  affichage_.LegendeTotalDes("");
  ++e.NumeroTour;
  affichage_.InfoDeroulement(Message::MsgNouveauTirage);
  // Every turn writes one square, so the turn after the last square never begins.
  const auto nbCases = static_cast<int16_t>(e.NbColonnes * NbFigures);
  if (e.NumeroTour == nbCases + 1) {
    e.NumeroTour = nbCases;
    AppelFinPartie();
  }
}

void Partie::AppelFinPartie() {
  auto& e = etat_;
  e.PartieTerminee = true;
  affichage_.AppelFinPartie();
  affichage_.PanelOkDeVisible(false);
}

}  // namespace rolvex
