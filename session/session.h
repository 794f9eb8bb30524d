// One run of the game, whatever shows it: the game and its dice, the player's options, the
// high scores and their files, the end of a game, the help of the information line and the
// game clock. A front end (the window, the headless driver) turns the player's gestures into
// the commands below and shows what the session reports through VueSession; it decides no
// rule, no save and no text.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "advisor/review.h"
#include "engine/dice.h"
#include "engine/display.h"
#include "engine/game.h"
#include "history/statistics.h"
#include "playarea/layout.h"
#include "playarea/square_drawing.h"
#include "records/high_scores.h"
#include "session/clock.h"
#include "session/data_folder.h"
#include "texts/hover_help.h"
#include "texts/language_tables.h"
#include "texts/messages.h"

namespace rolvex {

// What a front end is told, as it happens. Each report says what changed; the whole of what
// the screen shows stays readable in Session::Ecran(). A report a front end has no use for
// does nothing.
class VueSession {
 public:
  virtual ~VueSession() = default;

  // ImageDe(de) shows entry `modele` (0..11) of the twelve face pictures, or ImageDeFond.
  virtual void ImageDe(int16_t /*de*/, int16_t /*modele*/) {}
  // The squares and the totals were drawn anew: Session::Dessin and EcranSession::totaux.
  virtual void DessineCases() {}
  // The information line's whole new text.
  virtual void Info(std::string_view /*texte*/) {}
  // The caption of PanelOkDe, PanelFigureRealisee, PanelTotalDes or PanelScoreTotal.
  virtual void Legende(Seul /*panneau*/, std::string_view /*texte*/) {}
  // The throw button; while it is hidden, PanelNewGame and PanelNewMode stand in its place.
  virtual void PanelOkDeVisible(bool /*visible*/) {}
  // A new game: the play area is laid out anew for its columns (Session::Aire()), the high
  // scores are hidden and their red row is blue again; the sheet is drawn after.
  virtual void PreparerNouvellePartie() {}
  // The high-score panel shows EcranSession::tableScores, row placeEnRouge in red, in place of
  // the sheet; or it goes and the sheet is back.
  virtual void Scores(bool /*montres*/) {}
  // The options were read: the name dialog's mode and name, the faces of the menus.
  virtual void OptionsChargees() {}
  virtual void FacesChoisies(int16_t /*typeDes*/) {}
  // The name dialog's OK was accepted: the dialog goes before the game starts.
  virtual void FermerDialogueNom() {}
  // A modal message box; returns once the player has closed it.
  virtual void AfficherMessage(std::string_view /*texte*/) {}
  // A Yes/No question; true only for Yes.
  virtual bool DemanderOuiNon(std::string_view /*texte*/) { return false; }
  // Whether Session::Annuler can take a square back now.
  virtual void Annulable(bool /*possible*/) {}
  // Work that may take a while: `travail` runs away from the thread of the screen and gives
  // what to do with its result, which runs on that thread (unless the front end is gone). By
  // default both run at once, here.
  virtual void Travailler(std::function<std::function<void()>()> travail) { travail()(); }
  // The coach's advice appeared or went: EcranSession::conseil.
  virtual void Conseil() {}
  // The review of the finished game is ready: Session::Revue().
  virtual void RevuePrete() {}
  // The game clock starts or stops: Session::Tic() once a second while it runs.
  virtual void Chrono(bool /*enMarche*/) {}
  // The player confirmed quitting: first the controls of the sheet go; after the farewell and
  // the save, the run ends.
  virtual void DechargerTousControles() {}
  virtual void Terminer() {}
};

// One square of the sheet as its control stands. Before the first game the empty sheet is on
// screen and nothing can be chosen on it; a hidden square keeps the caption it last showed.
struct CaseALEcran {
  std::string legende;
  Aspect aspect = Aspect::Libre;
  int16_t pointeur = PointeurInterdit;
};

// The coach's advice on screen: the dice to keep, or the square to write or announce in.
struct ConseilEcran {
  bool garder = false;
  ParDe<bool> des{};  // garder: the dice to keep, the others to throw
  int16_t colonne = 0, figure = 0;
  friend bool operator==(const ConseilEcran&, const ConseilEcran&) = default;
};

// Everything the main window shows, as the game last reported it.
struct EcranSession {
  ParDe<int16_t> imagesDes;  // face picture 0..11, or ImageDeFond
  ParCase<CaseALEcran> cases;
  // The caption of each total and bonus square, by column and LigneTotal.
  ParColonne<std::array<std::string, LignesTotaux.size()>> totaux;
  std::variant<Message, std::string> info = Message::MsgPourJouer;  // worded when read
  std::string legendeOkDe = "OK";
  TexteFigure figure = TexteFigure::Aucun;
  std::string legendeTotalDes;
  std::string legendeScoreTotal;
  bool okDeVisible = false;
  bool partieCommencee = false;               // the dice area is on screen from the first game on
  bool scoresMontres = false;                 // the high-score panel stands in the sheet's place
  std::optional<TableHighScore> tableScores;  // the table as it was when last shown
  int16_t placeEnRouge = 0;                   // the place the game just finished took, 0 for none
  std::optional<ConseilEcran> conseil;        // until the next gesture

  EcranSession() { imagesDes.fill(ImageDeFond); }
};

// The statistics of one mode over the history of the data folder, and why the history could
// not be read, worded (the statistics are then those of no game).
struct BilanHistorique {
  Statistiques stats;
  std::optional<std::string> echec;
};

class Session : private Affichage {
 public:
  // A run in `langue` on a screen of largeurEcran × hauteurEcran twips (DimensionsEcranValides).
  // The high-score tables of a first run are drawn from `graineTables` (a fresh one each run
  // without it); until ChargerOptions they are in memory only.
  Session(VueSession& vue, Langue langue, double largeurEcran, double hauteurEcran,
          std::optional<std::uint64_t> graineTables = std::nullopt);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  const EtatPartie& Etat() const { return partie_.Etat(); }
  const EcranSession& Ecran() const { return ecran_; }
  const AireJeu& Aire() const { return aire_; }
  // The square of column 1..6 and figure 1..13 as last drawn.
  const DessinCase& Dessin(int16_t colonne, int16_t figure) const {
    return dessins_[colonne][figure];
  }
  const HighScores& Scores() const { return scores_; }
  const std::string& NomJoueur() const { return nomJoueur_; }
  const Chrono& Horloge() const { return chrono_; }
  Langue langue() const { return langue_; }

  // The texts of the screen in the run's language.
  std::string TexteInfo() const;
  std::string_view TexteFigure() const { return Texte(ecran_.figure, langue_); }
  std::string LegendeModeColonnes() const;  // empty before the first game

  // The dice: chosen faces are thrown first (tests, replays), then the fair die, seeded at
  // each new game from `graine` when one is set.
  DesEnFile& FileDes() { return file_; }
  void FixerGraine(std::optional<std::uint64_t> graine) { de_.FixerGraine(graine); }
  // The language of the run; a front end that prints its texts may change it.
  void ChoisirLangue(Langue langue) { langue_ = langue; }
  // The window's client area is now largeur × hauteur twips (DimensionsEcranValides): the play
  // area is laid out again in it, for the game in progress, with the places of the squares
  // drawn; each new game is laid out in it from then on.
  void DisposerZoneClient(double largeur, double hauteur);

  // Reads the options and the high scores from `dossiers`, and saves there from then on;
  // then a game left in progress there comes back as it was, clock and dice included. Without
  // it the session reads and writes no file. A failure is told in a message box.
  void ChargerOptions(const DossiersDonnees& dossiers);
  // The game on screen came back from its file, and no new game has begun since.
  bool PartieReprise() const { return partieReprise_; }
  // The coach was asked during the game on screen: it cannot enter the high-score tables.
  bool ConseilDemande() const { return conseilDemande_; }
  // Tests watch each call by which the files are changed.
  void ObserverFichiers(TemoinAppels temoin) { temoin_ = std::move(temoin); }
  // Writes the options and the high scores; a failure is told, the game goes on with what it
  // holds, and the next save tries again; its message says what `objet` was.
  void SauverOptions(const ObjetSauvegarde& objet = {});

  // Every game that ends, and every game given up by a new game after its first throw, is
  // added to the history of the data folder; a failure is told once, until a game is recorded
  // again, and the game goes on. Without a folder there is no history.
  // The statistics of mode 1..3.
  BilanHistorique StatistiquesHistorique(int16_t mode) const;
  // Writes the whole history to `fichier` as CSV; the message of a failure, if any.
  std::optional<std::string> ExporterHistorique(const std::filesystem::path& fichier) const;

  // The name dialog's OK: an empty name is refused with a message; otherwise the mode (1..3;
  // another value keeps the mode) and the name are taken and saved, and a new game starts.
  void PanelOkParams_Click(std::string_view nom, int16_t modeJeu);
  // A new game in the mode and with the name the session holds (PanelNewGame). The game in
  // progress, if any, is given up.
  void AppelNouveau();
  // The mode (1..3) of the next new game.
  void ChoisirMode(int16_t modeJeu) { partie_.ChoisirMode(modeJeu); }

  // The player's gestures on the dice area and the sheet; each is ignored where the window
  // would not deliver it (a hidden control).
  // After each, the game in progress is saved.
  void PanelOkDe_Click();
  void ImageDe_MouseDown(int16_t de, int16_t bouton);
  void PanelDe_Click(int16_t de);
  void AppelCliqueCase(int16_t colonne, int16_t figure);
  // Takes back the last square written, until the next throw (Partie::Annuler).
  bool PeutAnnuler() const { return partie_.PeutAnnuler(); }
  void Annuler();
  void ChoisirFaces(int16_t typeDes);

  // The mouse over the play area: the information line explains what lies under it.
  void SurvolerCase(int16_t colonne, int16_t figure);
  void SurvolerBonus(int16_t ou, int16_t colonne);  // bonus::Haut or bonus::Bas
  void SurvolerPanel(Seul panel);
  void SurvolerPanelScore(Famille panel, int16_t rang);
  void SurvolerAire();

  // The high-score panel of the current mode (after the first game), and its hiding.
  void AfficherScores();
  void EffacerScores();

  // `nombre` seconds of the game clock.
  void Tic(int32_t nombre = 1);

  // Asks before quitting; on Yes says goodbye, saves and ends the run.
  void DemanderQuitter();
  void APropos();

  // The coach. The first time in a game, the player confirms that the game will then enter no
  // high-score table. Its work runs through VueSession::Travailler.
  // The best choice now: EcranSession::conseil and a sentence on the information line.
  void DemanderConseil();
  // Every choice of the last advice shown, best first; none once the game moved on.
  const std::vector<conseil::Choix>& Conseils() const { return conseils_; }
  // The odds of the announcements on the information line after each gesture, or no more; a
  // new game stops them.
  void BasculerChances();
  bool ChancesMontrees() const { return chancesMontrees_; }
  // After a game: the decisions that cost the most expected points (VueSession::RevuePrete).
  bool RevuePossible() const;
  void DemanderRevue();
  const std::vector<conseil::Erreur>& Revue() const { return revue_; }
  // The player's decisions in the game on screen, since it began or came back.
  const std::vector<conseil::Decision>& Decisions() const { return decisions_; }
  // Decision `i` of the review in a sentence.
  std::string TexteRevue(std::size_t i) const;
  // The information line once the review is ready: how many decisions it lists and what they
  // lost, or that no decision lost a point.
  std::string TexteResumeRevue() const;

 private:
  // Affichage: what the game tells its screen.
  void ImageDe(int16_t de, int16_t modele) override;
  void DessineCases() override;
  void InfoDeroulement(Message message) override;
  void InfoInterface(std::string_view texte) override;
  void LegendeOkDe(std::string_view legende) override;
  void LegendeFigureRealisee(rolvex::TexteFigure figure) override;
  void LegendeTotalDes(std::string_view legende) override;
  void LegendeScoreTotal(std::string_view legende) override;
  void PanelOkDeVisible(bool visible) override;
  void PreparerNouvellePartie() override;
  void AppelFinPartie() override;

  void Aide(const AideSurvol& aide);
  void MontrerScores(int16_t placeEnRouge);
  void Signaler(const EchecFichier& echec, const ObjetSauvegarde& objet);
  bool FeuilleMontree() const { return !ecran_.scoresMontres; }
  // The game in progress and its file.
  void ReprendrePartie();
  void SauverPartie();
  void RetirerPartie();
  // Adds the game on the sheet to the history; the message of a failure not told yet.
  std::optional<std::string> EnregistrerPartie();
  void AbandonnerPartie();
  void NouvellePartie();
  // A gesture on the game: then the game is saved, and whether it can be undone is told.
  // The coach's part of a gesture: the decision it was, the advice that no longer holds, the
  // odds of the dice as they are now.
  template <typename Geste>
  void Jouer(Geste&& geste, bool clicAnnonce = false) {
    const EtatPartie avant = Etat();
    geste();
    ApresGeste(avant, clicAnnonce);
    SauverPartie();
    vue_.Annulable(partie_.PeutAnnuler());
  }
  void ApresGeste(const EtatPartie& avant, bool clicAnnonce);
  void NoterDecision(const EtatPartie& avant, bool clicAnnonce);
  bool ConsulterCoach();
  void MontrerChances();

  VueSession& vue_;
  Langue langue_;
  std::optional<std::uint64_t> graineTables_;
  DeEquitable de_;
  DesEnFile file_{de_};
  Partie partie_{*this, file_};
  AireJeu aire_;
  double largeurFenetre_;
  EcranSession ecran_;
  ParCase<DessinCase> dessins_;
  HighScores scores_;
  std::string nomJoueur_;
  std::optional<std::filesystem::path> dossierEcriture_;  // none: no file is written
  Chrono chrono_;
  bool partieReprise_ = false;
  bool conseilDemande_ = false;
  bool chancesMontrees_ = false;
  std::uint64_t coup_ = 0;  // gestures made: advice worked out before the last one is stale
  std::vector<conseil::Decision> decisions_;  // of the game on screen, since it began here
  std::vector<conseil::Erreur> revue_;
  std::vector<conseil::Choix> conseils_;
  bool echecPartieSignale_ = false;      // told once, until a save of the game succeeds again
  bool echecHistoriqueSignale_ = false;  // told once, until a game is recorded again
  TemoinAppels temoin_;
};

}  // namespace rolvex
