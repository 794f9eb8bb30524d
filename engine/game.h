// One game of ROLVEX: its whole state and every rule that changes it.
#pragma once

#include <cstdint>

#include "dice.h"
#include "display.h"
#include "figure_scoring.h"
#include "score_sheet.h"

namespace rolvex {

// Everything a game holds. The window, the hover help and the driver read it; only Partie
// writes it.
struct ÉtatPartie {
  int16_t ModeJeu = 3;   // column mode 1..3 of the next and current game
  int16_t TypeDés = 1;   // 1 pips, 2 numerals
  int16_t NbColonnes = 0;

  GrilleCases Cases;
  Tableau<bool, 1, NbColonnesMax> ColonneFermée;  // not in play, or all 13 squares taken
  int16_t ProchaineDescente = 1;
  int16_t ProchaineMontée = 13;
  Tableau<int16_t, 1, NbColonnesMax> NbFiguresColonne;  // lower figures written with ≥ 1
  Tableau<int32_t, 1, NbColonnesMax> TotalHaut, BonusHaut, TotalBas, BonusBas;

  Dés5 Dés;                        // -1: no value yet
  Tableau<bool, 1, NbDés> DésGardés;
  bool SélectionDroite = false;    // the last right-click kept the dice identical to one
  AnalyseDés Analyse;              // of the dice last thrown

  int16_t NbJets = 0;              // throws made this turn, 0..3
  int16_t FigureAnnoncée = -1;     // announced in Annonce this turn, or -1
  int16_t NuméroTour = 0;          // 1.. NbCasesMode; 0 before the first game
  bool PartieTerminée = false;
  int32_t ScoreTotal = 0;
  int16_t NbFiguresRéalisées = 0;

  // The game clock: it runs from a new game to its end.
  bool ChronoEnMarche = false;
  int32_t SecondesChrono = 0;      // 0..59
  int32_t MinutesChrono = 0;       // not limited
  int32_t SecondesPartie = 0;      // capped at 3599, the time the high scores keep

  ÉtatPartie() {
    ColonneFermée.fill(true);
    Dés.fill(-1);
    DésGardés.fill(true);
  }
};

class Partie {
 public:
  Partie(Affichage& affichage, SourceDés& dés) : affichage_(affichage), source_(dés) {}
  Partie(const Partie&) = delete;
  Partie& operator=(const Partie&) = delete;

  const ÉtatPartie& État() const { return état_; }

  // The player's choices kept with the options.
  void ChoisirMode(int16_t modeJeu);  // 1..3; takes effect at the next new game
  void ChoisirFaces(int16_t typeDés);  // 1 or 2; kept dice change at once after throw 1 or 2

  // New game (mode ModeJeu): resets everything and waits for the first throw.
  void AppelNouveau();

  // The throw button.
  void AppelOkDéClique();
  // A mouse button pressed on die `dé` (1..5): 1 left (keep or throw), 2 right (keep the
  // identical dice, or take that back). Ignored unless one or two throws have been made.
  void ImageDé_MouseDown(int16_t dé, int16_t bouton);
  // A click on the place of a thrown-away die brings it back.
  void PanelDé_Click(int16_t dé);
  // A click on square (colonne 1..6, figure 1..13). A click on a hidden square, or before the
  // first throw of a turn, does nothing at all.
  void AppelCliqueCase(int16_t colonne, int16_t figure);

  // One second of the game clock, while it runs.
  void TimerChrono_Timer();

 private:
  // score_sheet
  void InitCases();
  // figure_scoring
  void CalculScoresPotentiels();
  // dice
  int16_t MyRandom(int16_t dé, int16_t jet);
  void AfficherDé(int16_t dé);
  void JeterDé(int16_t dé);
  void InitLancéDés();
  // column_rules
  void RendreVisibleCasesSélectionnables();
  void TransformeEnCasePrise(int16_t colonne, int16_t figure, int16_t score);
  void PassageTroisZéro();
  void CacherCasesLibres(int16_t colonne);
  // totals
  void CalculTotauxEtBonus();
  // turn_flow
  void AppelFinTirage();
  void DesélectionneTout();
  void DessineCases();
  void AppelFinPartie();

  Affichage& affichage_;
  SourceDés& source_;
  ÉtatPartie état_;
};

}  // namespace rolvex
