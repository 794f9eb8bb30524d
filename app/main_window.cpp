#include "app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <array>
#include <map>

#include "app/accessibility.h"
#include "app/controls.h"
#include "app/help_viewer.h"
#include "app/high_scores_panel.h"
#include "app/keyboard.h"
#include "app/params_dialog.h"
#include "app/play_area.h"
#include "session/end_of_game.h"
#include "records/file_store.h"
#include "playarea/square_drawing.h"
#include "texts/hover_help.h"
#include "texts/messages.h"
#include "ui/dice_pictures.h"
#include "ui/pixel_ratio.h"

namespace rolvex::app {

namespace {

constexpr int UneSeconde = 1000;

}  // namespace

void Environnement::QuitterApplication() { QCoreApplication::quit(); }

FormRolvex::FormRolvex(Langue langue, SourceDes& des, QSizeF ecranTwips,
                       Environnement environnement)
    : langue_(langue),
      environnement_(std::move(environnement)),
      textes_(InitTextesLangue(langue)),
      partie_(*this, des),
      aire_(ecranTwips.width(), ecranTwips.height()) {
  setObjectName(QStringLiteral("FormRolvex"));
  params_ = new FormParams(*this, ecranTwips);
  TimerChrono_ = new QTimer(this);
  TimerChrono_->setObjectName(QStringLiteral("TimerChrono"));
  TimerChrono_->setInterval(UneSeconde);
  connect(TimerChrono_, &QTimer::timeout, this, [this] { TimerChrono_Timer(); });
  Form_Load();
}

FormRolvex::~FormRolvex() = default;

void FormRolvex::Form_Load() {
  CreerMenus();
  MettreMenusALEchelle();
  Trouver<QAction>(*this, "MenuVoirScores")->setEnabled(false);

  // InitAireJeu
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ZoneClient"));
  setCentralWidget(client);
  ecran_ = std::make_unique<EcranAireJeu>(*client, aire_, ui::EchelleTwips::DeLEcranPrincipal(),
                                          langue_);
  for (std::string_view cache :
       {"SuperPanelDés", "SuperPanelScore", "PanelNewGame", "PanelNewMode"})
    (*ecran_)[cache].hide();
  const QWidget& de = (*ecran_)[NomElement("ImageDé", 1)];
  const int cote = std::min(de.width(), de.height());
  imagesDes_ = std::make_unique<ui::ImagesDes>(cote, cote, devicePixelRatioF());
  new ui::SuiviRatioPixels(*this, imagesDes_->Ratio(), [this](qreal ratio) {
    std::array<ui::Image*, NbDes> des{};
    for (int16_t i = 1; i <= NbDes; ++i) des[i - 1] = &ecran_->Image(NomElement("ImageDé", i));
    imagesDes_->Repeindre(ratio, des);
  });
  ConnecterAireJeu();
  accessibilite_ = std::make_unique<AccessibiliteJeu>(*this);
  clavier_ = new ClavierJeu(*this);

  // InitTextesLangue
  AppliquerLegendes(*this, Fenetre::FormRolvex, textes_.legendes);
  AppliquerLegendes(*params_, Fenetre::FormParams, textes_.legendes);

  ChargerOptions();
  fichierAide_ = rolvex::FichierAide(langue_);
  for (int16_t i = 1; i <= NbDes; ++i) ImageDe(i, ImageDeFond);
  ecran_->Panneau("PanelInfoDéroulement").show();
  InfoDeroulement(Message::MsgPourJouer);
}

// The menu bar as data: each entry under its parent, with its key and its command; an entry
// without a command is a menu that opens the entries under it.
void FormRolvex::CreerMenus() {
  struct EntreeMenu {
    std::string_view nom;
    std::string_view parent;  // empty: the menu bar
    int touche;               // 0: none
    void (FormRolvex::*commande)();
  };
  const EntreeMenu entrees[] = {
      {"MenuJeu", "", 0, nullptr},
      {"MenuNew", "MenuJeu", Qt::Key_F2, &FormRolvex::MenuNew_Click},
      {"MenuQuit", "MenuJeu", Qt::Key_F9, &FormRolvex::MenuQuit_Click},
      {"MenuOptions", "", 0, nullptr},
      {"MenuVoirScores", "MenuOptions", Qt::Key_F4, &FormRolvex::MenuVoirScores_Click},
      {"MenuChoixDés", "MenuOptions", 0, nullptr},
      {"MenuDésClassiques", "MenuChoixDés", 0, &FormRolvex::MenuDesClassiques_Click},
      {"MenuDésNumériques", "MenuChoixDés", 0, &FormRolvex::MenuDesNumeriques_Click},
      {"MenuAide", "", 0, nullptr},
      {"MenuContents", "MenuAide", Qt::Key_F1, &FormRolvex::MenuContents_Click},
      {"MenuAbout", "MenuAide", 0, &FormRolvex::MenuAbout_Click},
  };
  std::map<std::string_view, QMenu*> menus;
  for (const EntreeMenu& e : entrees) {
    const QString nom = ui::EnQString(e.nom);
    if (e.commande == nullptr) {
      QMenu* menu =
          e.parent.empty() ? menuBar()->addMenu(QString()) : menus.at(e.parent)->addMenu(QString());
      menu->setObjectName(nom);
      menus[e.nom] = menu;
      continue;
    }
    QAction* action = menus.at(e.parent)->addAction(QString());
    action->setObjectName(nom);
    if (e.touche != 0) action->setShortcut(QKeySequence(e.touche));
    connect(action, &QAction::triggered, this,
            [this, commande = e.commande] { (this->*commande)(); });
  }

  // One face style at a time, ticked.
  auto* faces = new QActionGroup(this);
  for (std::string_view nom : {"MenuDésClassiques", "MenuDésNumériques"}) {
    QAction* action = Trouver<QAction>(*this, nom);
    action->setCheckable(true);
    faces->addAction(action);
  }
}

// The menus are drawn in the platform's font on the reference screen and grow with the screen
// like every other caption of the window. The smaller of the two ratios keeps the menu bar
// within the room the layout leaves it above the sheet; a small screen keeps the platform's
// size, below which menus are hard to read.
void FormRolvex::MettreMenusALEchelle() {
  const RatiosEcran& r = aire_.Ratios();
  const double ratio = std::max(1.0, std::min(r.RatioLargeur, r.RatioHauteur));
  QFont police = menuBar()->font();
  if (police.pointSizeF() > 0)
    police.setPointSizeF(police.pointSizeF() * ratio);
  else
    police.setPixelSize(qRound(police.pixelSize() * ratio));
  menuBar()->setFont(police);
  // A menu opens in a window of its own, which takes no font from the bar.
  for (QMenu* menu : menuBar()->findChildren<QMenu*>()) menu->setFont(police);
}

void FormRolvex::ConnecterAireJeu() {
  const EcranAireJeu& e = *ecran_;
  auto panneau = [&](std::string_view nom) { return &e.Panneau(nom); };
  using ui::Panneau;

  connect(panneau("PanelStart"), &Panneau::clicked, this, [this] { PanelStart_Click(); });
  connect(panneau("PanelNewGame"), &Panneau::clicked, this, [this] { PanelNewGame_Click(); });
  connect(panneau("PanelNewMode"), &Panneau::clicked, this, [this] { PanelNewMode_Click(); });
  connect(panneau("PanelOkDé"), &Panneau::clicked, this, [this] { PanelOkDe_Click(); });
  for (int16_t i = 1; i <= NbDes; ++i) {
    connect(&e.Image(NomElement("ImageDé", i)), &ui::Image::mouseDown, this,
            [this, i](int bouton) { ImageDe_MouseDown(i, static_cast<int16_t>(bouton)); });
    connect(panneau(NomElement("PanelDé", i)), &Panneau::clicked, this,
            [this, i] { PanelDe_Click(i); });
  }

  // Every square answers with its column and figure.
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    for (int16_t f = 1; f <= NbFigures; ++f) {
      Panneau* k = panneau(NomCase(c, f));
      connect(k, &Panneau::clicked, this, [this, c, f] { AppelCliqueCase(c, f); });
      connect(k, &Panneau::mouseMoved, this, [this, c, f] { AppelMoveCase(c, f); });
    }
    for (int16_t ou : {bonus::Haut, bonus::Bas}) {
      const LigneTotal ligne = ou == bonus::Haut ? LigneTotal::BonusHaut : LigneTotal::BonusBas;
      Panneau* k = panneau(NomTotal(ligne, c));
      if (GesteAideBonus(ou, c) == GesteAide::Clic)
        connect(k, &Panneau::clicked, this, [this] { CaseBonusBasAnnonce_Click(); });
      else
        connect(k, &Panneau::mouseMoved, this, [this, ou, c] { AppelMoveBonus(ou, c); });
    }
  }

  connect(panneau("PanelFigureRéalisée"), &Panneau::mouseMoved, this,
          [this] { PanelFigureRealisee_MouseMove(); });
  connect(panneau("PanelTotalDés"), &Panneau::mouseMoved, this,
          [this] { PanelTotalDes_MouseMove(); });
  connect(panneau("PanelScoreTotal"), &Panneau::mouseMoved, this,
          [this] { PanelScoreTotal_MouseMove(); });
  connect(panneau("PictureAireJeu"), &Panneau::mouseMoved, this,
          [this] { PictureAireJeu_MouseMove(); });
  const SuperPanelScore& scores = e.PanneauScores();
  connect(&scores, &SuperPanelScore::effacerScoresClicked, this, [this] { EffacerScores(); });
  connect(&scores, &SuperPanelScore::panelScoreMouseMove, this,
          [this](PanelScore famille, int rang) {
            InfoInterface(AppelMovePanelScore(famille, static_cast<int16_t>(rang), langue_));
          });
}

// Files that cannot be read leave the game with what could be kept, or with the defaults.
void FormRolvex::ChargerOptions() {
  dossiers_ = environnement_.dossiersDonnees();
  const DossierDeLecture lecture = RassemblerFichiersDonnees(dossiers_);
  if (lecture.echec) SignalerEchec(*lecture.echec);
  HasardUniforme tirage;
  const ChargementDossier chargement = rolvex::ChargerOptions(lecture.dossier, tirage);
  const DonneesOptions& d = chargement.chargement.donnees;
  partie_.ChoisirMode(d.ModeJeu);
  partie_.ChoisirFaces(d.TypeDes);
  nomJoueur_ = ui::EnQString(d.NomJoueur);
  scores_ = d.Scores;

  params_->SelectionnerMode(Etat().ModeJeu);
  params_->EcrireNom(nomJoueur_);
  CocherFaces();
  if (chargement.echec) SignalerEchec(*chargement.echec);
}

void FormRolvex::CocherFaces() {
  Trouver<QAction>(*this, "MenuDésClassiques")->setChecked(Etat().TypeDes == 1);
  Trouver<QAction>(*this, "MenuDésNumériques")->setChecked(Etat().TypeDes == 2);
}

// The layout is made for a window covering the screen: without a window manager to maximise
// it, the window takes the screen's size itself.
void FormRolvex::AfficherPleinEcran() {
  if (const QScreen* ecran = QGuiApplication::primaryScreen())
    setGeometry(ecran->availableGeometry());
  showMaximized();
}

ui::LegendesBoutons FormRolvex::LegendesBoutons() const {
  const BoutonsMessage b = TextesBoutons(langue_);
  return {ui::EnQString(b.Ok), ui::EnQString(b.Oui), ui::EnQString(b.Non)};
}

// The main window stays drawn but answers nothing while the dialog is open.
void FormRolvex::AppelPreNouveau() {
  ecran_->Panneau("PanelStart").hide();
  setEnabled(false);
  params_->setEnabled(true);  // a child window follows its parent unless told otherwise
  QRect place(QPoint(), params_->size());
  place.moveCenter(frameGeometry().center());
  params_->move(place.topLeft());
  params_->show();
  params_->raise();
  params_->activateWindow();
}

void FormRolvex::AppelNouveau() { partie_.AppelNouveau(); }

void FormRolvex::ChoisirMode(int16_t modeJeu) { partie_.ChoisirMode(modeJeu); }

void FormRolvex::ChoisirNom(const QString& nom) { nomJoueur_ = nom; }

void FormRolvex::SauverOptions() {
  const EtatPartie& e = Etat();
  const DonneesOptions donnees{e.ModeJeu, e.TypeDes, nomJoueur_.toStdString(), scores_};
  const ResultatSauvegarde resultat = rolvex::SauverOptions(dossiers_.ecriture, donnees);
  if (resultat.echec) SignalerEchec(*resultat.echec);
}

void FormRolvex::ImageDe(int16_t de, int16_t modele) {
  ecran_->Image(NomElement("ImageDé", de))
      .setPicture(modele == ImageDeFond ? imagesDes_->ImageDeFond()
                                        : imagesDes_->ModelesDes(modele));
  accessibilite_->ActualiserDes();
}

void FormRolvex::DessineCases() {
  const EtatPartie& e = Etat();
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      const DessinCase dessin = DessinDeCase(e, aire_, c, f);
      ui::Panneau& k = ecran_->Panneau(NomCase(c, f));
      if (dessin.aspect == Aspect::Cachee) {
        k.hide();
      } else if (!dessin.DejaDessinee) {
        const ApparenceCase& a = *dessin.apparence;
        k.setForeColor(a.CouleurTexte);
        k.setBackColor(a.CouleurFond);
        k.setCaption(ui::EnQString(a.Legende));
        ecran_->Echelle().Placer(k, EnTwips(a.rect));
        k.show();
      }
      k.setMousePointer(dessin.Pointeur);
    }
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (LigneTotal ligne : LignesTotaux)
      ecran_->Panneau(NomTotal(ligne, c)).setCaption(ui::EnQString(LegendeLigneTotal(e, ligne, c)));
  if (feuilleEnRefection_) {
    ecran_->Panneau("PictureAireJeu").show();
    feuilleEnRefection_ = false;
  }
  clavier_->Actualiser();
  accessibilite_->ActualiserFeuille();
}

void FormRolvex::InfoDeroulement(Message message) { InfoInterface(Texte(message, langue_)); }

void FormRolvex::InfoInterface(std::string_view texte) {
  ecran_->Panneau("PanelInfoDéroulement").setCaption(ui::EnQString(texte));
  accessibilite_->ActualiserInfo();
}

void FormRolvex::LegendeOkDe(std::string_view legende) {
  ecran_->Panneau("PanelOkDé").setCaption(ui::EnQString(legende));
}

void FormRolvex::LegendeFigureRealisee(TexteFigure figure) {
  ecran_->Panneau("PanelFigureRéalisée").setCaption(ui::EnQString(Texte(figure, langue_)));
}

void FormRolvex::LegendeTotalDes(std::string_view legende) {
  ecran_->Panneau("PanelTotalDés").setCaption(ui::EnQString(legende));
}

void FormRolvex::LegendeScoreTotal(std::string_view legende) {
  ecran_->Panneau("PanelScoreTotal").setCaption(ui::EnQString(legende));
}

// After a game, the two buttons of the next game stand in the throw button's place.
void FormRolvex::PanelOkDeVisible(bool visible) {
  ecran_->Panneau("PanelOkDé").setVisible(visible);
  ecran_->Panneau("PanelNewGame").setVisible(!visible);
  ecran_->Panneau("PanelNewMode").setVisible(!visible);
}

void FormRolvex::PreparerNouvellePartie() {
  RemettreScoresEnBleu();
  Trouver<QAction>(*this, "MenuVoirScores")->setEnabled(true);
  ecran_->Panneau("PanelInfoDéroulement").show();
  TimerChrono_->start();
  ecran_->Panneau("SuperPanelDés").show();
  ecran_->PanneauScores().SetModeColonnes(
      ui::EnQString(LegendeModeColonnes(Etat().NbColonnes, langue_)));
  EffacerScores();

  // The sheet is rearranged out of sight, and shown again once drawn.
  ecran_->Panneau("PictureAireJeu").hide();
  feuilleEnRefection_ = true;
  aire_.DispositionMode(Etat().NbColonnes, ecran_->Echelle().TwipsX(centralWidget()->width()));
  ecran_->AppliquerDisposition(aire_);
}

// The engine has written the last square; the clock still holds the game's time, and stops
// once the player has read the outcome.
void FormRolvex::AppelFinPartie() {
  const EtatPartie& e = Etat();
  const PartieFinie partie{nomJoueur_.toStdString(), e.ScoreTotal, e.SecondesPartie,
                           e.NbFiguresRealisees};
  const FinDePartie fin = rolvex::AppelFinPartie(scores_, e.ModeJeu, partie, langue_);
  if (fin.afficherScores) {
    AfficherScores();
    ecran_->PanneauScores().MarquerLigne(fin.place);
  }
  if (fin.sauver) SauverOptions();
  if (fin.message) AfficherMessage(*fin.message);
  InfoInterface(fin.info);
  TimerChrono_->stop();
}

void FormRolvex::closeEvent(QCloseEvent* event) {
  params_->hide();
  for (QWidget* fenetre : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (fenetre->isWindow() && fenetre != params_) fenetre->close();  // the help
  event->accept();
}

void FormRolvex::Aide(const std::optional<std::string>& texte) {
  if (texte) InfoInterface(*texte);
}

void FormRolvex::AfficherMessage(std::string_view texte) {
  ui::AfficherMessage(this, ui::EnQString(texte), ui::EnQString(TitreApplication),
                      LegendesBoutons());
}

void FormRolvex::SignalerEchec(const EchecFichier& echec) {
  AfficherMessage(MessageEchecFichier(echec, langue_));
}

void FormRolvex::RemettreScoresEnBleu() { ecran_->PanneauScores().RemettreEnBleu(); }

void FormRolvex::EffacerScores() {
  ecran_->Panneau("PictureAireJeu").show();
  ecran_->PanneauScores().EffacerScores();
}

void FormRolvex::AfficherScores() {
  ecran_->Panneau("PictureAireJeu").hide();
  ecran_->PanneauScores().AfficherScores(scores_[Etat().ModeJeu]);
}

// Only the menu leads here; the close box ends the run without a word and without saving.
void FormRolvex::DemanderQuitter() {
  if (!ui::DemanderOuiNon(this, ui::EnQString(QuestionQuitter(langue_)),
                          ui::EnQString(TitreApplication), LegendesBoutons()))
    return;
  DechargerTousControles();
  AfficherMessage(TexteAuRevoir(langue_));
  SauverOptions();
  close();
  environnement_.quitter();
}

void FormRolvex::DechargerTousControles() { ecran_->DechargerTousControles(); }

void FormRolvex::OuvrirAide() { rolvex::OuvrirAide(this, fichierAide_, langue_); }

void FormRolvex::PanelStart_Click() { AppelPreNouveau(); }
void FormRolvex::PanelNewGame_Click() { AppelNouveau(); }
void FormRolvex::PanelNewMode_Click() { AppelPreNouveau(); }
void FormRolvex::PanelOkDe_Click() { partie_.AppelOkDeClique(); }
void FormRolvex::ImageDe_MouseDown(int16_t Index, int16_t Button) {
  partie_.ImageDe_MouseDown(Index, Button);
}
void FormRolvex::PanelDe_Click(int16_t Index) { partie_.PanelDe_Click(Index); }

void FormRolvex::AppelCliqueCase(int16_t colonne, int16_t figure) {
  partie_.AppelCliqueCase(colonne, figure);
}
void FormRolvex::CaseBonusBasAnnonce_Click() { AppelMoveBonus(bonus::Bas, colonne::Annonce); }
void FormRolvex::TimerChrono_Timer() { partie_.TimerChrono_Timer(); }

void FormRolvex::AppelMoveCase(int16_t colonne, int16_t figure) {
  Aide(rolvex::AppelMoveCase(Etat(), colonne, figure, langue_));
}
void FormRolvex::AppelMoveBonus(int16_t ou, int16_t colonne) {
  Aide(rolvex::AppelMoveBonus(Etat(), ou, colonne, langue_));
}
void FormRolvex::PanelFigureRealisee_MouseMove() {
  InfoInterface(AppelMovePanel(PanelAide::PanelFigureRealisee, langue_));
}
void FormRolvex::PanelTotalDes_MouseMove() {
  InfoInterface(AppelMovePanel(PanelAide::PanelTotalDes, langue_));
}
void FormRolvex::PanelScoreTotal_MouseMove() {
  InfoInterface(AppelMovePanel(PanelAide::PanelScoreTotal, langue_));
}
void FormRolvex::PictureAireJeu_MouseMove() { Aide(rolvex::PictureAireJeu_MouseMove(Etat())); }

void FormRolvex::MenuNew_Click() { AppelPreNouveau(); }
void FormRolvex::MenuQuit_Click() { DemanderQuitter(); }
void FormRolvex::MenuVoirScores_Click() { AfficherScores(); }
void FormRolvex::MenuDesClassiques_Click() {
  partie_.ChoisirFaces(1);
  CocherFaces();
}
void FormRolvex::MenuDesNumeriques_Click() {
  partie_.ChoisirFaces(2);
  CocherFaces();
}
void FormRolvex::MenuContents_Click() { OuvrirAide(); }
void FormRolvex::MenuAbout_Click() { AfficherMessage(TexteAPropos(langue_)); }

}  // namespace rolvex::app
