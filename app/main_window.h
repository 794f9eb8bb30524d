// The main window: the menus, the play area, the dice and the information line of one run of
// the game. It shows what its session reports and hands the player's gestures to it.
#pragma once

#include <QMainWindow>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>

#include "session/session.h"
#include "ui/messages.h"

class QTimer;

namespace rolvex::ui {
class CadreConseil;
class ImagesDes;
}  // namespace rolvex::ui

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

class FormRolvex : public QMainWindow, private VueSession {
  Q_OBJECT

 public:
  // The language is the run's. ecranTwips: the screen the window covers, on which the whole
  // layout is based.
  FormRolvex(Langue langue, QSizeF ecranTwips, Environnement environnement = {});
  ~FormRolvex() override;

  Session& Jeu() { return session_; }
  const Session& Jeu() const { return session_; }
  Langue langue() const { return session_.langue(); }
  const EtatPartie& Etat() const { return session_.Etat(); }
  FormParams& Params() { return *params_; }
  // The buttons of the message boxes, in the run's language.
  ui::LegendesBoutons LegendesBoutons() const;

  // Covers the screen, maximised where a window manager allows it; restored, it stands within
  // the screen's free area, its title bar included.
  void AfficherPleinEcran();
  // Opens the name dialog; the main window answers nothing while it is open.
  void AppelPreNouveau();
  // The dialog goes: the main window answers again and comes to the front.
  void RendreLaMain();

 protected:
  // The close box ends the program at once: no question, nothing saved.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  void Form_Load();
  void CreerMenus();
  void MettreMenusALEchelle();
  void ConnecterAireJeu();
  // The client area changed size: the play area is laid out again in it.
  void Redisposer();
  void OuvrirAide();
  void OuvrirStatistiques();
  // The coach's menu items as the session allows them now.
  void ActualiserCoach();

  // VueSession: what the session tells the window.
  void ImageDe(int16_t de, int16_t modele) override;
  void DessineCases() override;
  void Info(std::string_view texte) override;
  void Legende(Seul panneau, std::string_view texte) override;
  void PanelOkDeVisible(bool visible) override;
  void PreparerNouvellePartie() override;
  void Scores(bool montres) override;
  void OptionsChargees() override;
  void FacesChoisies(int16_t typeDes) override;
  void FermerDialogueNom() override;
  void AfficherMessage(std::string_view texte) override;
  bool DemanderOuiNon(std::string_view texte) override;
  void Annulable(bool possible) override;
  void Travailler(std::function<std::function<void()>()> travail) override;
  void Conseil() override;
  void RevuePrete() override;
  void Chrono(bool enMarche) override;
  void DechargerTousControles() override;
  void Terminer() override;

  Environnement environnement_;
  Session session_;
  std::unique_ptr<EcranAireJeu> ecran_;
  std::unique_ptr<ui::ImagesDes> imagesDes_;
  FormParams* params_ = nullptr;
  QTimer* TimerChrono_ = nullptr;
  QString fichierAide_;
  bool feuilleEnRefection_ = false;  // hidden while laid out for a new game, until drawn
  std::unique_ptr<AccessibiliteJeu> accessibilite_;
  ClavierJeu* clavier_ = nullptr;
  // The coach's marks: the square to write or announce, and the dice to keep.
  ui::CadreConseil* cadreCase_ = nullptr;
  ParDe<ui::CadreConseil*> cadresDes_{};
};

}  // namespace rolvex::app
