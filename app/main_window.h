// The main window: the menus, the play area, the dice and the information line of one game,
// from the choice of the language to the end of the run.
#pragma once

#include <QMainWindow>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/data_location.h"
#include "records/high_scores.h"
#include "engine/game.h"
#include "playarea/layout.h"
#include "texts/language_tables.h"
#include "ui/messages.h"

class QTimer;

namespace rolvex::ui {
class ImagesDes;
}

namespace rolvex::app {

class AccessibiliteJeu;
class ClavierJeu;
class EcranAireJeu;
class FormParams;

// What the window takes from the computer it runs on; tests put in their own.
struct Environnement {
  // Where the data files are read and written, chosen once at the window's load.
  std::function<DossiersDonnees()> dossiersDonnees = DossiersDonneesDuJeu;
  // Ends the program once the main window has closed after the player confirmed quitting.
  std::function<void()> quitter = QuitterApplication;

  static void QuitterApplication();
};

class FormRolvex : public QMainWindow, public Affichage {
  Q_OBJECT

 public:
  // The language is the run's; the dice come from `dés` (the fair die, or dice a test chose).
  // ecranTwips: the screen the window covers, on which the whole layout is based.
  FormRolvex(Langue langue, SourceDes& des, QSizeF ecranTwips, Environnement environnement = {});
  ~FormRolvex() override;

  Langue langue() const { return langue_; }
  const EtatPartie& Etat() const { return partie_.Etat(); }
  const AireJeu& Aire() const { return aire_; }
  const QString& NomJoueur() const { return nomJoueur_; }
  const HighScores& Scores() const { return scores_; }
  FormParams& Params() { return *params_; }
  // The buttons of the message boxes, in the run's language.
  ui::LegendesBoutons LegendesBoutons() const;

  // Covers the screen, maximised where a window manager allows it.
  void AfficherPleinEcran();

  // The ways to a new game: through the name dialog, or straight on in the same mode.
  void AppelPreNouveau();
  void AppelNouveau();

  // What the name dialog records before a new game.
  void ChoisirMode(int16_t modeJeu);
  void ChoisirNom(const QString& nom);
  // Writes the options and the high scores to the data files. A failure is told to the player
  // and the game goes on with what it holds; the next save tries again.
  void SauverOptions();

  // Affichage: the engine tells what changed.
  void ImageDe(int16_t de, int16_t modele) override;
  void DessineCases() override;
  void InfoDeroulement(Message message) override;
  void InfoInterface(std::string_view texte) override;
  void LegendeOkDe(std::string_view legende) override;
  void LegendeFigureRealisee(TexteFigure figure) override;
  void LegendeTotalDes(std::string_view legende) override;
  void LegendeScoreTotal(std::string_view legende) override;
  void PanelOkDeVisible(bool visible) override;
  void PreparerNouvellePartie() override;
  void AppelFinPartie() override;

 protected:
  // The close box ends the program at once: no question, nothing saved.
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Load();
  void CreerMenus();
  void MettreMenusALEchelle();
  void ConnecterAireJeu();
  void ChargerOptions();
  void CocherFaces();
  void Aide(const std::optional<std::string>& texte);
  void AfficherMessage(std::string_view texte);
  void SignalerEchec(const EchecFichier& echec);

  // The high-score panel: its table is shown and hidden by the high-score code; a new game
  // hides it and takes the highlight of the last entry away.
  void RemettreScoresEnBleu();
  void EffacerScores();
  void AfficherScores();

  // The orderly end of the run, and the help.
  void DemanderQuitter();
  void DechargerTousControles();
  void OuvrirAide();

  // The game's events.
  void PanelStart_Click();
  void PanelNewGame_Click();
  void PanelNewMode_Click();
  void PanelOkDe_Click();
  void ImageDe_MouseDown(int16_t Index, int16_t Button);
  void PanelDe_Click(int16_t Index);
  void AppelCliqueCase(int16_t colonne, int16_t figure);
  void CaseBonusBasAnnonce_Click();
  void TimerChrono_Timer();

  // The hover help of the information line.
  void AppelMoveCase(int16_t colonne, int16_t figure);
  void AppelMoveBonus(int16_t ou, int16_t colonne);
  void PanelFigureRealisee_MouseMove();
  void PanelTotalDes_MouseMove();
  void PanelScoreTotal_MouseMove();
  void PictureAireJeu_MouseMove();

  // The menus.
  void MenuNew_Click();
  void MenuQuit_Click();
  void MenuVoirScores_Click();
  void MenuDesClassiques_Click();
  void MenuDesNumeriques_Click();
  void MenuContents_Click();
  void MenuAbout_Click();

  Langue langue_;
  Environnement environnement_;
  TextesLangue textes_;
  Partie partie_;
  AireJeu aire_;
  std::unique_ptr<EcranAireJeu> ecran_;
  std::unique_ptr<ui::ImagesDes> imagesDes_;
  FormParams* params_ = nullptr;
  QTimer* TimerChrono_ = nullptr;
  QString nomJoueur_;
  HighScores scores_;
  DossiersDonnees dossiers_;
  QString fichierAide_;
  bool feuilleEnRefection_ = false;  // hidden while laid out for a new game, until drawn
  std::unique_ptr<AccessibiliteJeu> accessibilite_;
  ClavierJeu* clavier_ = nullptr;
};

}  // namespace rolvex::app
