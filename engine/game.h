// One game of ROLVEX: its whole state and every rule that changes it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "dice.h"
#include "display.h"
#include "figure_scoring.h"
#include "score_sheet.h"

namespace rolvex {

// Everything a game holds. The window, the hover help and the driver read it; only Partie
// writes it.
struct EtatPartie {
  int16_t ModeJeu = 3;  // column mode 1..3 of the next and current game
  int16_t TypeDes = faces::Classiques;
  int16_t NbColonnes = 0;

  GrilleCases Cases;
  ParColonne<bool> ColonneFermee;  // not in play, or all 13 squares taken
  int16_t ProchaineDescente = figure::As;
  int16_t ProchaineMontee = figure::Yam;
  ParColonne<int16_t> NbFiguresColonne;  // lower figures written with ≥ 1
  ParColonne<int32_t> TotalHaut, BonusHaut, TotalBas, BonusBas;

  Des5 Des;
  ParDe<bool> DesGardes;
  bool SelectionDroite = false;  // the last right-click kept the dice identical to one
  AnalyseDes Analyse;            // of the dice last thrown

  int16_t NbJets = 0;                      // throws made this turn, 0..3
  int16_t FigureAnnoncee = AucuneAnnonce;  // announced in Annonce this turn
  int16_t NumeroTour = 0;                  // 1.. NbCasesMode; 0 before the first game
  bool PartieTerminee = false;
  int32_t ScoreTotal = 0;
  int16_t NbFiguresRealisees = 0;

  EtatPartie() {
    ColonneFermee.fill(true);
    Des.fill(DeSansValeur);
    DesGardes.fill(true);
  }
  friend bool operator==(const EtatPartie&, const EtatPartie&) = default;
};

class Partie {
 public:
  Partie(Affichage& affichage, SourceDes& des) : affichage_(affichage), source_(des) {}
  Partie(const Partie&) = delete;
  Partie& operator=(const Partie&) = delete;

  const EtatPartie& Etat() const { return etat_; }

  // The player's choices kept with the options.
  void ChoisirMode(int16_t modeJeu);  // 1..3; takes effect at the next new game
  // faces::Classiques or faces::Numeriques; kept dice change at once after throw 1 or 2.
  void ChoisirFaces(int16_t typeDes);

  // New game (mode ModeJeu): resets everything and waits for the first throw.
  void AppelNouveau();

  // The throw button.
  void AppelOkDeClique();
  // A mouse button pressed on die `dé` (1..5): bouton::Gauche keeps or throws it, bouton::Droit
  // keeps the identical dice, or takes that back. Ignored unless one or two throws have been
  // made.
  void ImageDe_MouseDown(int16_t de, int16_t boutonSouris);
  // A click on the place of a thrown-away die brings it back.
  void PanelDe_Click(int16_t de);
  // A click on square (colonne 1..6, figure 1..13). A click on a hidden square, or before the
  // first throw of a turn, does nothing at all.
  void AppelCliqueCase(int16_t colonne, int16_t figure);

  // Takes back the last square written, with its totals and bonuses, and puts the dice and
  // the kept dice back as they were; possible until the next throw, never after the game's
  // end, and one square only. A throw is never taken back.
  bool PeutAnnuler() const { return avantEcriture_.has_value(); }
  void Annuler();
  // The state Annuler would bring back, if any.
  const std::optional<EtatPartie>& AvantEcriture() const { return avantEcriture_; }

  // A game saved in progress comes back as it was: the screen is set up for its columns and
  // drawn whole. The faces stay those chosen now.
  void Reprendre(const EtatPartie& etat, const std::optional<EtatPartie>& avantEcriture);

 private:
  // score_sheet
  void InitCases();
  // figure_scoring
  void CalculScoresPotentiels();
  // dice
  int16_t MyRandom(int16_t de, int16_t jet);
  void AfficherDe(int16_t de);
  void JeterDe(int16_t de);
  void InitLanceDes();
  bool AnnonceEnCours() const;
  bool DesAuChoix() const;
  void GarderDesDeValeur(int16_t valeur);
  // The steps of a press of OK.
  void PresserOk();
  bool RefuserJetInutile();
  bool RefuserJetSansDeLache();
  void JeterPremierJet();
  void RelancerDesLaches();
  void CacherColonnesFermeesParLeJet();
  void RendreSelectionnablesCasesLibres();
  // column_rules
  void RendreVisibleCasesSelectionnables();
  void TransformeEnCasePrise(int16_t colonne, int16_t figure, int16_t score);
  void PassageTroisZero();
  void CacherCasesLibres(int16_t colonne);
  // The steps of a click on a square.
  void CliquerCase(int16_t colonne, int16_t figure);
  void EcrireCase(int16_t colonne, int16_t figure, int16_t score);
  void OuvrirCaseSuivante(int16_t colonne, int16_t figure);
  void CliqueAnnonce(int16_t figure);
  void RelancerPourLaFigureAnnoncee();
  void Annoncer(int16_t figure);
  // totals
  void CalculTotauxEtBonus();
  // turn_flow
  void AppelFinTirage();
  void DeselectionneTout();
  void DessineCases();
  void AppelFinPartie();
  // take_back
  void RetenirPourAnnuler(const std::function<void()>& action);
  void ReafficherTout();

  Affichage& affichage_;
  SourceDes& source_;
  EtatPartie etat_;
  std::optional<EtatPartie> avantEcriture_;
  bool ecrit_ = false;  // a square was written since RetenirPourAnnuler began
  bool jete_ = false;   // a die was thrown since then
};

}  // namespace rolvex
