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
#include "app/records/end_of_game.h"
#include "app/records/file_store.h"
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

FormRolvex::FormRolvex(Langue langue, SourceDés& dés, QSizeF écranTwips, Environnement environnement)
    : langue_(langue),
      environnement_(std::move(environnement)),
      textes_(InitTextesLangue(langue)),
      partie_(*this, dés),
      aire_(écranTwips.width(), écranTwips.height()) {
  setObjectName(QStringLiteral("FormRolvex"));
  params_ = new FormParams(*this, écranTwips);
  TimerChrono_ = new QTimer(this);
  TimerChrono_->setObjectName(QStringLiteral("TimerChrono"));
  TimerChrono_->setInterval(UneSeconde);
  connect(TimerChrono_, &QTimer::timeout, this, [this] { TimerChrono_Timer(); });
  Form_Load();
}

FormRolvex::~FormRolvex() = default;

void FormRolvex::Form_Load() {
  CréerMenus();
  MettreMenusÀLÉchelle();
  Trouver<QAction>(*this, "MenuVoirScores")->setEnabled(false);

  // InitAireJeu
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ZoneClient"));
  setCentralWidget(client);
  écran_ = std::make_unique<ÉcranAireJeu>(*client, aire_, ui::ÉchelleTwips::DeLÉcranPrincipal(),
                                          langue_);
  for (std::string_view caché : {"SuperPanelDés", "SuperPanelScore", "PanelNewGame", "PanelNewMode"})
    (*écran_)[caché].hide();
  const QWidget& dé = (*écran_)[NomÉlément("ImageDé", 1)];
  const int côté = std::min(dé.width(), dé.height());
  imagesDés_ = std::make_unique<ui::ImagesDés>(côté, côté, devicePixelRatioF());
  new ui::SuiviRatioPixels(*this, imagesDés_->Ratio(), [this](qreal ratio) {
    std::array<ui::Image*, NbDés> dés{};
    for (int16_t i = 1; i <= NbDés; ++i) dés[i - 1] = &écran_->Image(NomÉlément("ImageDé", i));
    imagesDés_->Repeindre(ratio, dés);
  });
  ConnecterAireJeu();
  accessibilité_ = std::make_unique<AccessibilitéJeu>(*this);
  clavier_ = new ClavierJeu(*this);

  // InitTextesLangue
  AppliquerLégendes(*this, Fenêtre::FormRolvex, textes_.légendes);
  AppliquerLégendes(*params_, Fenêtre::FormParams, textes_.légendes);

  ChargerOptions();
  fichierAide_ = rolvex::FichierAide(langue_);
  for (int16_t i = 1; i <= NbDés; ++i) ImageDé(i, ImageDéFond);
  écran_->Panneau("PanelInfoDéroulement").show();
  InfoDéroulement(Message::MsgPourJouer);
}

// The menu bar as data: each entry under its parent, with its key and its command; an entry
// without a command is a menu that opens the entries under it.
void FormRolvex::CréerMenus() {
  struct EntréeMenu {
    std::string_view nom;
    std::string_view parent;  // empty: the menu bar
    int touche;               // 0: none
    void (FormRolvex::*commande)();
  };
  const EntréeMenu entrées[] = {
      {"MenuJeu", "", 0, nullptr},
      {"MenuNew", "MenuJeu", Qt::Key_F2, &FormRolvex::MenuNew_Click},
      {"MenuQuit", "MenuJeu", Qt::Key_F9, &FormRolvex::MenuQuit_Click},
      {"MenuOptions", "", 0, nullptr},
      {"MenuVoirScores", "MenuOptions", Qt::Key_F4, &FormRolvex::MenuVoirScores_Click},
      {"MenuChoixDés", "MenuOptions", 0, nullptr},
      {"MenuDésClassiques", "MenuChoixDés", 0, &FormRolvex::MenuDésClassiques_Click},
      {"MenuDésNumériques", "MenuChoixDés", 0, &FormRolvex::MenuDésNumériques_Click},
      {"MenuAide", "", 0, nullptr},
      {"MenuContents", "MenuAide", Qt::Key_F1, &FormRolvex::MenuContents_Click},
      {"MenuAbout", "MenuAide", 0, &FormRolvex::MenuAbout_Click},
  };
  std::map<std::string_view, QMenu*> menus;
  for (const EntréeMenu& e : entrées) {
    const QString nom = ui::EnQString(e.nom);
    if (e.commande == nullptr) {
      QMenu* menu = e.parent.empty() ? menuBar()->addMenu(QString())
                                     : menus.at(e.parent)->addMenu(QString());
      menu->setObjectName(nom);
      menus[e.nom] = menu;
      continue;
    }
    QAction* action = menus.at(e.parent)->addAction(QString());
    action->setObjectName(nom);
    if (e.touche != 0) action->setShortcut(QKeySequence(e.touche));
    connect(action, &QAction::triggered, this, [this, commande = e.commande] { (this->*commande)(); });
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
void FormRolvex::MettreMenusÀLÉchelle() {
  const RatiosÉcran& r = aire_.Ratios();
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
  const ÉcranAireJeu& é = *écran_;
  auto panneau = [&](std::string_view nom) { return &é.Panneau(nom); };
  using ui::Panneau;

  connect(panneau("PanelStart"), &Panneau::clicked, this, [this] { PanelStart_Click(); });
  connect(panneau("PanelNewGame"), &Panneau::clicked, this, [this] { PanelNewGame_Click(); });
  connect(panneau("PanelNewMode"), &Panneau::clicked, this, [this] { PanelNewMode_Click(); });
  connect(panneau("PanelOkDé"), &Panneau::clicked, this, [this] { PanelOkDé_Click(); });
  for (int16_t i = 1; i <= NbDés; ++i) {
    connect(&é.Image(NomÉlément("ImageDé", i)), &ui::Image::mouseDown, this,
            [this, i](int bouton) { ImageDé_MouseDown(i, static_cast<int16_t>(bouton)); });
    connect(panneau(NomÉlément("PanelDé", i)), &Panneau::clicked, this,
            [this, i] { PanelDé_Click(i); });
  }

  // Every square answers with its column and figure.
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    for (int16_t f = 1; f <= NbFigures; ++f) {
      Panneau* k = panneau(NomCase(c, f));
      connect(k, &Panneau::clicked, this, [this, c, f] { AppelCliqueCase(c, f); });
      connect(k, &Panneau::mouseMoved, this, [this, c, f] { AppelMoveCase(c, f); });
    }
    for (int16_t où : {bonus::Haut, bonus::Bas}) {
      const LigneTotal ligne = où == bonus::Haut ? LigneTotal::BonusHaut : LigneTotal::BonusBas;
      Panneau* k = panneau(NomTotal(ligne, c));
      if (GesteAideBonus(où, c) == GesteAide::Clic)
        connect(k, &Panneau::clicked, this, [this] { CaseBonusBasAnnonce_Click(); });
      else
        connect(k, &Panneau::mouseMoved, this, [this, où, c] { AppelMoveBonus(où, c); });
    }
  }

  connect(panneau("PanelFigureRéalisée"), &Panneau::mouseMoved, this,
          [this] { PanelFigureRéalisée_MouseMove(); });
  connect(panneau("PanelTotalDés"), &Panneau::mouseMoved, this,
          [this] { PanelTotalDés_MouseMove(); });
  connect(panneau("PanelScoreTotal"), &Panneau::mouseMoved, this,
          [this] { PanelScoreTotal_MouseMove(); });
  connect(panneau("PictureAireJeu"), &Panneau::mouseMoved, this,
          [this] { PictureAireJeu_MouseMove(); });
  const SuperPanelScore& scores = é.PanneauScores();
  connect(&scores, &SuperPanelScore::effacerScoresClicked, this, [this] { EffacerScores(); });
  connect(&scores, &SuperPanelScore::panelScoreMouseMove, this,
          [this](PanelScore famille, int rang) {
            InfoInterface(AppelMovePanelScore(famille, static_cast<int16_t>(rang), langue_));
          });
}

// Files that cannot be read leave the game with what could be kept, or with the defaults.
void FormRolvex::ChargerOptions() {
  dossiers_ = environnement_.dossiersDonnées();
  const DossierDeLecture lecture = RassemblerFichiersDonnées(dossiers_);
  if (lecture.échec) SignalerÉchec(*lecture.échec);
  HasardUniforme tirage;
  const ChargementDossier chargement = rolvex::ChargerOptions(lecture.dossier, tirage);
  const DonnéesOptions& d = chargement.chargement.données;
  partie_.ChoisirMode(d.ModeJeu);
  partie_.ChoisirFaces(d.TypeDés);
  nomJoueur_ = ui::EnQString(d.NomJoueur);
  scores_ = d.Scores;

  params_->SélectionnerMode(État().ModeJeu);
  params_->ÉcrireNom(nomJoueur_);
  CocherFaces();
  if (chargement.échec) SignalerÉchec(*chargement.échec);
}

void FormRolvex::CocherFaces() {
  Trouver<QAction>(*this, "MenuDésClassiques")->setChecked(État().TypeDés == 1);
  Trouver<QAction>(*this, "MenuDésNumériques")->setChecked(État().TypeDés == 2);
}

// The layout is made for a window covering the screen: without a window manager to maximise
// it, the window takes the screen's size itself.
void FormRolvex::AfficherPleinÉcran() {
  if (const QScreen* écran = QGuiApplication::primaryScreen())
    setGeometry(écran->availableGeometry());
  showMaximized();
}

ui::LégendesBoutons FormRolvex::LégendesBoutons() const {
  const BoutonsMessage b = TextesBoutons(langue_);
  return {ui::EnQString(b.Ok), ui::EnQString(b.Oui), ui::EnQString(b.Non)};
}

// The main window stays drawn but answers nothing while the dialog is open.
void FormRolvex::AppelPréNouveau() {
  écran_->Panneau("PanelStart").hide();
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
  const ÉtatPartie& é = État();
  const DonnéesOptions données{é.ModeJeu, é.TypeDés, nomJoueur_.toStdString(), scores_};
  const RésultatSauvegarde résultat = rolvex::SauverOptions(dossiers_.écriture, données);
  if (résultat.échec) SignalerÉchec(*résultat.échec);
}

void FormRolvex::ImageDé(int16_t dé, int16_t modèle) {
  écran_->Image(NomÉlément("ImageDé", dé))
      .setPicture(modèle == ImageDéFond ? imagesDés_->ImageDéFond()
                                        : imagesDés_->ModèlesDés(modèle));
  accessibilité_->ActualiserDés();
}

void FormRolvex::DessineCases() {
  const ÉtatPartie& é = État();
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) {
      const DessinCase dessin = DessinDeCase(é, aire_, c, f);
      ui::Panneau& k = écran_->Panneau(NomCase(c, f));
      if (dessin.aspect == Aspect::Cachée) {
        k.hide();
      } else if (!dessin.DéjàDessinée) {
        const ApparenceCase& a = *dessin.apparence;
        k.setForeColor(a.CouleurTexte);
        k.setBackColor(a.CouleurFond);
        k.setCaption(ui::EnQString(a.Légende));
        écran_->Échelle().Placer(k, EnTwips(a.rect));
        k.show();
      }
      k.setMousePointer(dessin.Pointeur);
    }
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (LigneTotal ligne : LignesTotaux)
      écran_->Panneau(NomTotal(ligne, c)).setCaption(ui::EnQString(LégendeLigneTotal(é, ligne, c)));
  if (feuilleEnRéfection_) {
    écran_->Panneau("PictureAireJeu").show();
    feuilleEnRéfection_ = false;
  }
  clavier_->Actualiser();
  accessibilité_->ActualiserFeuille();
}

void FormRolvex::InfoDéroulement(Message message) { InfoInterface(Texte(message, langue_)); }

void FormRolvex::InfoInterface(std::string_view texte) {
  écran_->Panneau("PanelInfoDéroulement").setCaption(ui::EnQString(texte));
  accessibilité_->ActualiserInfo();
}

void FormRolvex::LégendeOkDé(std::string_view légende) {
  écran_->Panneau("PanelOkDé").setCaption(ui::EnQString(légende));
}

void FormRolvex::LégendeFigureRéalisée(TexteFigure figure) {
  écran_->Panneau("PanelFigureRéalisée").setCaption(ui::EnQString(Texte(figure, langue_)));
}

void FormRolvex::LégendeTotalDés(std::string_view légende) {
  écran_->Panneau("PanelTotalDés").setCaption(ui::EnQString(légende));
}

void FormRolvex::LégendeScoreTotal(std::string_view légende) {
  écran_->Panneau("PanelScoreTotal").setCaption(ui::EnQString(légende));
}

// After a game, the two buttons of the next game stand in the throw button's place.
void FormRolvex::PanelOkDéVisible(bool visible) {
  écran_->Panneau("PanelOkDé").setVisible(visible);
  écran_->Panneau("PanelNewGame").setVisible(!visible);
  écran_->Panneau("PanelNewMode").setVisible(!visible);
}

void FormRolvex::PréparerNouvellePartie() {
  RemettreScoresEnBleu();
  Trouver<QAction>(*this, "MenuVoirScores")->setEnabled(true);
  écran_->Panneau("PanelInfoDéroulement").show();
  TimerChrono_->start();
  écran_->Panneau("SuperPanelDés").show();
  écran_->PanneauScores().SetModeColonnes(
      ui::EnQString(LégendeModeColonnes(État().NbColonnes, langue_)));
  EffacerScores();

  // The sheet is rearranged out of sight, and shown again once drawn.
  écran_->Panneau("PictureAireJeu").hide();
  feuilleEnRéfection_ = true;
  aire_.DispositionMode(État().NbColonnes, écran_->Échelle().TwipsX(centralWidget()->width()));
  écran_->AppliquerDisposition(aire_);
}

// The engine has written the last square; the clock still holds the game's time, and stops
// once the player has read the outcome.
void FormRolvex::AppelFinPartie() {
  const ÉtatPartie& é = État();
  const PartieFinie partie{nomJoueur_.toStdString(), é.ScoreTotal, é.SecondesPartie,
                           é.NbFiguresRéalisées};
  const FinDePartie fin = rolvex::AppelFinPartie(scores_, é.ModeJeu, partie, langue_);
  if (fin.afficherScores) {
    AfficherScores();
    écran_->PanneauScores().MarquerLigne(fin.place);
  }
  if (fin.sauver) SauverOptions();
  if (fin.message) AfficherMessage(*fin.message);
  InfoInterface(fin.info);
  TimerChrono_->stop();
}

void FormRolvex::closeEvent(QCloseEvent* event) {
  params_->hide();
  for (QWidget* fenêtre : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (fenêtre->isWindow() && fenêtre != params_) fenêtre->close();  // the help
  event->accept();
}

void FormRolvex::Aide(const std::optional<std::string>& texte) {
  if (texte) InfoInterface(*texte);
}

void FormRolvex::AfficherMessage(std::string_view texte) {
  ui::AfficherMessage(this, ui::EnQString(texte), ui::EnQString(TitreApplication),
                      LégendesBoutons());
}

void FormRolvex::SignalerÉchec(const ÉchecFichier& échec) {
  AfficherMessage(MessageÉchecFichier(échec, langue_));
}

void FormRolvex::RemettreScoresEnBleu() { écran_->PanneauScores().RemettreEnBleu(); }

void FormRolvex::EffacerScores() {
  écran_->Panneau("PictureAireJeu").show();
  écran_->PanneauScores().EffacerScores();
}

void FormRolvex::AfficherScores() {
  écran_->Panneau("PictureAireJeu").hide();
  écran_->PanneauScores().AfficherScores(scores_[État().ModeJeu]);
}

// Only the menu leads here; the close box ends the run without a word and without saving.
void FormRolvex::DemanderQuitter() {
  if (!ui::DemanderOuiNon(this, ui::EnQString(QuestionQuitter(langue_)),
                          ui::EnQString(TitreApplication), LégendesBoutons()))
    return;
  DéchargerTousContrôles();
  AfficherMessage(TexteAuRevoir(langue_));
  SauverOptions();
  close();
  environnement_.quitter();
}

void FormRolvex::DéchargerTousContrôles() { écran_->DéchargerTousContrôles(); }

void FormRolvex::OuvrirAide() { rolvex::OuvrirAide(this, fichierAide_, langue_); }

void FormRolvex::PanelStart_Click() { AppelPréNouveau(); }
void FormRolvex::PanelNewGame_Click() { AppelNouveau(); }
void FormRolvex::PanelNewMode_Click() { AppelPréNouveau(); }
void FormRolvex::PanelOkDé_Click() { partie_.AppelOkDéClique(); }
void FormRolvex::ImageDé_MouseDown(int16_t Index, int16_t Button) {
  partie_.ImageDé_MouseDown(Index, Button);
}
void FormRolvex::PanelDé_Click(int16_t Index) { partie_.PanelDé_Click(Index); }

void FormRolvex::AppelCliqueCase(int16_t colonne, int16_t figure) {
  partie_.AppelCliqueCase(colonne, figure);
}
void FormRolvex::CaseBonusBasAnnonce_Click() { AppelMoveBonus(bonus::Bas, colonne::Annonce); }
void FormRolvex::TimerChrono_Timer() { partie_.TimerChrono_Timer(); }

void FormRolvex::AppelMoveCase(int16_t colonne, int16_t figure) {
  Aide(rolvex::AppelMoveCase(État(), colonne, figure, langue_));
}
void FormRolvex::AppelMoveBonus(int16_t où, int16_t colonne) {
  Aide(rolvex::AppelMoveBonus(État(), où, colonne, langue_));
}
void FormRolvex::PanelFigureRéalisée_MouseMove() {
  InfoInterface(AppelMovePanel(PanelAide::PanelFigureRéalisée, langue_));
}
void FormRolvex::PanelTotalDés_MouseMove() {
  InfoInterface(AppelMovePanel(PanelAide::PanelTotalDés, langue_));
}
void FormRolvex::PanelScoreTotal_MouseMove() {
  InfoInterface(AppelMovePanel(PanelAide::PanelScoreTotal, langue_));
}
void FormRolvex::PictureAireJeu_MouseMove() { Aide(rolvex::PictureAireJeu_MouseMove(État())); }

void FormRolvex::MenuNew_Click() { AppelPréNouveau(); }
void FormRolvex::MenuQuit_Click() { DemanderQuitter(); }
void FormRolvex::MenuVoirScores_Click() { AfficherScores(); }
void FormRolvex::MenuDésClassiques_Click() {
  partie_.ChoisirFaces(1);
  CocherFaces();
}
void FormRolvex::MenuDésNumériques_Click() {
  partie_.ChoisirFaces(2);
  CocherFaces();
}
void FormRolvex::MenuContents_Click() { OuvrirAide(); }
void FormRolvex::MenuAbout_Click() { AfficherMessage(TexteAPropos(langue_)); }

}  // namespace rolvex::app
