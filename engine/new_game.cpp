// A new game in the current column mode.
#include "game.h"

namespace rolvex {

void Partie::ChoisirMode(int16_t modeJeu) {
  if (ModeValide(modeJeu)) etat_.ModeJeu = modeJeu;
}

// Resets every field of the game and leaves it waiting for the first throw. A game in
// progress is simply abandoned.
void Partie::AppelNouveau() {
  auto& e = etat_;
  avantEcriture_.reset();
  source_.NouvellePartie();
  e.NbColonnes = NbColonnesMode[e.ModeJeu];
  e.NbFiguresColonne.fill(0);
  affichage_.PreparerNouvellePartie();
  for (int16_t i = 1; i <= NbDes; ++i) affichage_.ImageDe(i, ImageDeFond);
  affichage_.PanelOkDeVisible(true);
  e.SelectionDroite = false;

  // All six columns, so that no total of an earlier game in more columns survives.
  e.TotalHaut.fill(0);
  e.BonusHaut.fill(0);
  e.TotalBas.fill(0);
  e.BonusBas.fill(0);
  e.ScoreTotal = 0;
  e.Analyse = AnalyseDes{};
  affichage_.LegendeScoreTotal("");
  affichage_.LegendeTotalDes("");
  affichage_.LegendeFigureRealisee(TexteFigure::Aucun);
  e.NbFiguresRealisees = 0;

  e.ColonneFermee.fill(true);
  for (int16_t c = 1; c <= e.NbColonnes; ++c) e.ColonneFermee[c] = false;
  e.ProchaineDescente = figure::As;
  e.ProchaineMontee = figure::Yam;

  e.Des.fill(DeSansValeur);
  e.DesGardes.fill(true);
  e.NbJets = 0;
  e.PartieTerminee = false;
  e.NumeroTour = 1;
  affichage_.LegendeOkDe("OK");
  e.FigureAnnoncee = AucuneAnnonce;

  InitCases();
  DessineCases();
  affichage_.InfoInterface("");
  affichage_.InfoDeroulement(Message::MsgNouveauTirage);
}

}  // namespace rolvex
