// A new game in the current column mode.
#include "game.h"

namespace rolvex {

void Partie::ChoisirMode(int16_t modeJeu) {
  if (ModeValide(modeJeu)) état_.ModeJeu = modeJeu;
}

// Resets every field of the game and leaves it waiting for the first throw. A game in
// progress is simply abandoned.
void Partie::AppelNouveau() {
  auto& é = état_;
  source_.NouvellePartie();
  é.NbColonnes = NbColonnesMode[é.ModeJeu];
  é.NbFiguresColonne.fill(0);
  é.SecondesChrono = é.MinutesChrono = é.SecondesPartie = 0;
  é.ChronoEnMarche = true;
  affichage_.PréparerNouvellePartie();
  for (int16_t i = 1; i <= NbDés; ++i) affichage_.ImageDé(i, ImageDéFond);
  affichage_.PanelOkDéVisible(true);
  é.SélectionDroite = false;

  // All six columns, so that no total of an earlier game in more columns survives.
  é.TotalHaut.fill(0);
  é.BonusHaut.fill(0);
  é.TotalBas.fill(0);
  é.BonusBas.fill(0);
  é.ScoreTotal = 0;
  é.Analyse = AnalyseDés{};
  affichage_.LégendeScoreTotal("");
  affichage_.LégendeTotalDés("");
  affichage_.LégendeFigureRéalisée(TexteFigure::Aucun);
  é.NbFiguresRéalisées = 0;

  é.ColonneFermée.fill(true);
  for (int16_t c = 1; c <= é.NbColonnes; ++c) é.ColonneFermée[c] = false;
  é.ProchaineDescente = 1;
  é.ProchaineMontée = NbFigures;

  é.Dés.fill(-1);
  é.DésGardés.fill(true);
  é.NbJets = 0;
  é.PartieTerminée = false;
  é.NuméroTour = 1;
  affichage_.LégendeOkDé("OK");
  é.FigureAnnoncée = -1;

  InitCases();
  DessineCases();
  affichage_.InfoInterface("");
  affichage_.InfoDéroulement(Message::MsgNouveauTirage);
}

}  // namespace rolvex
