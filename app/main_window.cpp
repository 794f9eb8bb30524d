#include "app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QThreadPool>
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
#include "app/review_dialog.h"
#include "app/statistics_window.h"
#include "texts/coach_texts.h"
#include "texts/messages.h"
#include "ui/advice_frame.h"
#include "ui/dice_pictures.h"
#include "ui/pixel_ratio.h"

namespace rolvex::app {

namespace {

constexpr int UneSeconde = 1000;

// Restored, the window keeps a tenth of the screen's free area on every side, room for its
// title bar above, unless its smallest size needs more.
QRect GeometrieRestauree(const QRect& libre, QSize minimum) {
  constexpr double Part = 0.8;
  QRect place(QPoint(), (libre.size() * Part).expandedTo(minimum).boundedTo(libre.size()));
  place.moveCenter(libre.center());
  return place;
}

}  // namespace

void Environnement::QuitterApplication() { QCoreApplication::quit(); }

FormRolvex::FormRolvex(Langue langue, QSizeF ecranTwips, Environnement environnement)
    : environnement_(std::move(environnement)),
      session_(*this, langue, ecranTwips.width(), ecranTwips.height()) {
  setObjectName(QStringLiteral("FormRolvex"));
  params_ = new FormParams(*this, ecranTwips);
  TimerChrono_ = new QTimer(this);
  TimerChrono_->setObjectName(QStringLiteral("TimerChrono"));
  TimerChrono_->setInterval(UneSeconde);
  connect(TimerChrono_, &QTimer::timeout, this, [this] { session_.Tic(); });
  Form_Load();
}

FormRolvex::~FormRolvex() = default;

void FormRolvex::Form_Load() {
  CreerMenus();
  MettreMenusALEchelle();
  Trouver<QAction>(*this, "MenuVoirScores")->setEnabled(false);
  Trouver<QAction>(*this, "MenuAnnuler")->setEnabled(false);

  // InitAireJeu
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ZoneClient"));
  setCentralWidget(client);
  ecran_ = std::make_unique<EcranAireJeu>(*client, session_.Aire(),
                                          ui::EchelleTwips::DeLEcranPrincipal(), langue());
  // The play area follows the client area's size, down to the smallest that keeps it readable.
  const TailleTwips minimum = ZoneClientMinimale();
  client->setMinimumSize(ecran_->Echelle().PixelsX(minimum.largeur),
                         ecran_->Echelle().PixelsY(minimum.hauteur));
  client->installEventFilter(this);
  for (Seul cache :
       {Seul::SuperPanelDes, Seul::SuperPanelScore, Seul::PanelNewGame, Seul::PanelNewMode})
    (*ecran_)[cache].hide();
  const QWidget& de = (*ecran_)[CleElement{Famille::ImageDe, 1}];
  const int cote = std::min(de.width(), de.height());
  imagesDes_ = std::make_unique<ui::ImagesDes>(cote, cote, devicePixelRatioF());
  new ui::SuiviRatioPixels(*this, imagesDes_->Ratio(), [this](qreal ratio) {
    std::array<ui::Image*, NbDes> des{};
    for (int16_t i = 1; i <= NbDes; ++i)
      des[i - 1] = &ecran_->Image(CleElement{Famille::ImageDe, i});
    imagesDes_->Repeindre(ratio, des);
  });
  ConnecterAireJeu();
  cadreCase_ = new ui::CadreConseil(&(*ecran_)[Seul::PictureAireJeu]);
  for (int16_t i = 1; i <= NbDes; ++i) cadresDes_[i] = new ui::CadreConseil(client);
  // The empty sheet of start-up offers nothing to choose.
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f)
      ecran_->Panneau(CleCase{c, f}).setMousePointer(session_.Ecran().cases[c][f].pointeur);
  accessibilite_ = std::make_unique<AccessibiliteJeu>(*this);
  clavier_ = new ClavierJeu(*this);

  // InitTextesLangue
  const TextesLangue textes = InitTextesLangue(langue());
  AppliquerLegendes(*this, Fenetre::FormRolvex, textes.legendes);
  AppliquerLegendes(*params_, Fenetre::FormParams, textes.legendes);

  for (int16_t i = 1; i <= NbDes; ++i) ImageDe(i, ImageDeFond);
  // A game left in progress comes back here, on the controls made above.
  session_.ChargerOptions(environnement_.dossiersDonnees());
  fichierAide_ = rolvex::FichierAide(langue());
  ecran_->Panneau(Seul::PanelInfoDeroulement).show();
  Info(session_.TexteInfo());
  ActualiserCoach();
}

// The menu bar as data: each entry under its parent, with its key and its command; an entry
// without a command is a menu that opens the entries under it.
void FormRolvex::CreerMenus() {
  struct EntreeMenu {
    std::string_view nom;
    std::string_view parent;  // empty: the menu bar
    int touche;               // 0: none
    std::function<void()> commande;
  };
  Session& s = session_;
  const EntreeMenu entrees[] = {
      {"MenuJeu", "", 0, nullptr},
      {"MenuNew", "MenuJeu", Qt::Key_F2, [this] { AppelPreNouveau(); }},
      {"MenuAnnuler", "MenuJeu", (Qt::CTRL | Qt::Key_Z).toCombined(), [&s] { s.Annuler(); }},
      {"MenuConseil", "MenuJeu", Qt::Key_H, [&s] { s.DemanderConseil(); }},
      {"MenuChances", "MenuJeu", Qt::Key_O,
       [this] {
         session_.BasculerChances();
         ActualiserCoach();
       }},
      {"MenuRevue", "MenuJeu", Qt::Key_R, [&s] { s.DemanderRevue(); }},
      {"MenuQuit", "MenuJeu", Qt::Key_F9, [&s] { s.DemanderQuitter(); }},
      {"MenuOptions", "", 0, nullptr},
      {"MenuVoirScores", "MenuOptions", Qt::Key_F4,
       [&s] { s.Ecran().scoresMontres ? s.EffacerScores() : s.AfficherScores(); }},
      {"MenuStatistiques", "MenuOptions", Qt::Key_F5, [this] { OuvrirStatistiques(); }},
      {"MenuChoixDés", "MenuOptions", 0, nullptr},
      {"MenuDésClassiques", "MenuChoixDés", 0, [&s] { s.ChoisirFaces(faces::Classiques); }},
      {"MenuDésNumériques", "MenuChoixDés", 0, [&s] { s.ChoisirFaces(faces::Numeriques); }},
      {"MenuAide", "", 0, nullptr},
      {"MenuContents", "MenuAide", Qt::Key_F1, [this] { OuvrirAide(); }},
      {"MenuAbout", "MenuAide", 0, [&s] { s.APropos(); }},
  };
  std::map<std::string_view, QMenu*> menus;
  for (const EntreeMenu& e : entrees) {
    const QString nom = ui::EnQString(e.nom);
    if (!e.commande) {
      QMenu* menu =
          e.parent.empty() ? menuBar()->addMenu(QString()) : menus.at(e.parent)->addMenu(QString());
      menu->setObjectName(nom);
      menus[e.nom] = menu;
      continue;
    }
    QAction* action = menus.at(e.parent)->addAction(QString());
    action->setObjectName(nom);
    if (e.touche != 0) action->setShortcut(QKeySequence(e.touche));
    connect(action, &QAction::triggered, this, e.commande);
  }

  // The coach's items take their words from its texts; its odds are ticked while shown.
  const TextesCoach coach = TextesDuCoach(langue());
  Trouver<QAction>(*this, "MenuConseil")->setText(ui::EnQString(coach.menuConseil));
  Trouver<QAction>(*this, "MenuChances")->setText(ui::EnQString(coach.menuChances));
  Trouver<QAction>(*this, "MenuChances")->setCheckable(true);
  Trouver<QAction>(*this, "MenuRevue")->setText(ui::EnQString(coach.menuRevue));

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
  const RatiosEcran& r = session_.Aire().Ratios();
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

// The statistics of the mode played, for as long as the player reads them.
void FormRolvex::OuvrirStatistiques() {
  // It grows with the screen as the menus do.
  FenetreStatistiques fenetre(session_, Etat().ModeJeu, menuBar()->font(), this);
  fenetre.exec();
}

void FormRolvex::ConnecterAireJeu() {
  const EcranAireJeu& e = *ecran_;
  Session& s = session_;
  auto surClic = [&](const Cle& cle, auto action) {
    connect(&e.Panneau(cle), &ui::Panneau::clicked, this, action);
  };
  auto auSurvol = [&](const Cle& cle, auto action) {
    connect(&e.Panneau(cle), &ui::Panneau::mouseMoved, this, action);
  };

  surClic(Seul::PanelStart, [this] { AppelPreNouveau(); });
  surClic(Seul::PanelNewGame, [&s] { s.AppelNouveau(); });
  surClic(Seul::PanelNewMode, [this] { AppelPreNouveau(); });
  surClic(Seul::PanelOkDe, [&s] { s.PanelOkDe_Click(); });
  for (int16_t i = 1; i <= NbDes; ++i) {
    connect(&e.Image(CleElement{Famille::ImageDe, i}), &ui::Image::mouseDown, this,
            [&s, i](int bouton) { s.ImageDe_MouseDown(i, static_cast<int16_t>(bouton)); });
    surClic(CleElement{Famille::PanelDe, i}, [&s, i] { s.PanelDe_Click(i); });
  }

  // Every square answers with its column and figure.
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    for (int16_t f = 1; f <= NbFigures; ++f) {
      surClic(CleCase{c, f}, [&s, c, f] { s.AppelCliqueCase(c, f); });
      auSurvol(CleCase{c, f}, [&s, c, f] { s.SurvolerCase(c, f); });
    }
    for (int16_t ou : {bonus::Haut, bonus::Bas}) {
      const LigneTotal ligne = ou == bonus::Haut ? LigneTotal::BonusHaut : LigneTotal::BonusBas;
      const auto aide = [&s, ou, c] { s.SurvolerBonus(ou, c); };
      if (GesteAideBonus(ou, c) == GesteAide::Clic)
        surClic(CleTotal{ligne, c}, aide);
      else
        auSurvol(CleTotal{ligne, c}, aide);
    }
  }

  auSurvol(Seul::PanelFigureRealisee, [&s] { s.SurvolerPanel(Seul::PanelFigureRealisee); });
  auSurvol(Seul::PanelTotalDes, [&s] { s.SurvolerPanel(Seul::PanelTotalDes); });
  auSurvol(Seul::PanelScoreTotal, [&s] { s.SurvolerPanel(Seul::PanelScoreTotal); });
  auSurvol(Seul::PictureAireJeu, [&s] { s.SurvolerAire(); });
  const SuperPanelScore& scores = e.PanneauScores();
  connect(&scores, &SuperPanelScore::effacerScoresClicked, this, [&s] { s.EffacerScores(); });
  connect(&scores, &SuperPanelScore::panelScoreMouseMove, this, [&s](Famille famille, int rang) {
    s.SurvolerPanelScore(famille, static_cast<int16_t>(rang));
  });
}

bool FormRolvex::eventFilter(QObject* objet, QEvent* event) {
  if (objet == centralWidget() && event->type() == QEvent::Resize) Redisposer();
  return QMainWindow::eventFilter(objet, event);
}

void FormRolvex::Redisposer() {
  // Nothing is laid out before the window has made its play area.
  const QSize taille = centralWidget()->size();
  if (taille.isEmpty() || clavier_ == nullptr) return;
  const ui::EchelleTwips& echelle = ecran_->Echelle();
  session_.DisposerZoneClient(echelle.TwipsX(taille.width()), echelle.TwipsY(taille.height()));
  ecran_->AppliquerDisposition(session_.Aire());
  // The squares already drawn stand where the session now puts them, a taken one inset.
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f)
      if (const auto& a = session_.Dessin(c, f).apparence)
        echelle.Placer(ecran_->Panneau(CleCase{c, f}), EnTwips(a->rect));
  // The faces are painted again at their new size, to stay sharp.
  const QWidget& de = (*ecran_)[CleElement{Famille::ImageDe, 1}];
  const int cote = std::min(de.width(), de.height());
  if (cote == imagesDes_->CoteFace()) return;
  imagesDes_ = std::make_unique<ui::ImagesDes>(cote, cote, imagesDes_->Ratio());
  for (int16_t i = 1; i <= NbDes; ++i) ImageDe(i, session_.Ecran().imagesDes[i]);
}

// Maximised, the window covers the screen; without a window manager to maximise it, it stands
// where it would when restored, the play area laid out in it all the same.
void FormRolvex::AfficherPleinEcran() {
  if (const QScreen* ecran = QGuiApplication::primaryScreen())
    setGeometry(GeometrieRestauree(ecran->availableGeometry(), minimumSizeHint()));
  showMaximized();
}

ui::LegendesBoutons FormRolvex::LegendesBoutons() const {
  const BoutonsMessage b = TextesBoutons(langue());
  return {ui::EnQString(b.Ok), ui::EnQString(b.Oui), ui::EnQString(b.Non)};
}

// The main window stays drawn but answers nothing while the dialog is open.
void FormRolvex::AppelPreNouveau() {
  ecran_->Panneau(Seul::PanelStart).hide();
  setEnabled(false);
  params_->setEnabled(true);  // a child window follows its parent unless told otherwise
  params_->show();
  // Centred by its frame, which the platform adds once the dialog is shown.
  QRect place = params_->frameGeometry();
  place.moveCenter(frameGeometry().center());
  params_->move(place.topLeft());
  params_->raise();
  params_->activateWindow();
}

void FormRolvex::RendreLaMain() {
  setEnabled(true);
  show();
  raise();
  activateWindow();
}

void FormRolvex::ImageDe(int16_t de, int16_t modele) {
  ecran_->Image(CleElement{Famille::ImageDe, de})
      .setPicture(modele == ImageDeFond ? imagesDes_->ImageDeFond()
                                        : imagesDes_->ModelesDes(modele));
  accessibilite_->ActualiserDes();
}

void FormRolvex::DessineCases() {
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    for (int16_t f = 1; f <= NbFigures; ++f) {
      const DessinCase& dessin = session_.Dessin(c, f);
      ui::Panneau& k = ecran_->Panneau(CleCase{c, f});
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
    for (std::size_t i = 0; i < LignesTotaux.size(); ++i)
      ecran_->Panneau(CleTotal{LignesTotaux[i], c})
          .setCaption(ui::EnQString(session_.Ecran().totaux[c][i]));
  }
  if (feuilleEnRefection_) {
    ecran_->Panneau(Seul::PictureAireJeu).show();
    feuilleEnRefection_ = false;
  }
  clavier_->Actualiser();
  accessibilite_->ActualiserFeuille();
}

void FormRolvex::Annulable(bool possible) {
  Trouver<QAction>(*this, "MenuAnnuler")->setEnabled(possible);
  ActualiserCoach();
}

// Told after each gesture and at each new game, as the undo is.
void FormRolvex::ActualiserCoach() {
  Trouver<QAction>(*this, "MenuRevue")->setEnabled(session_.RevuePossible());
  Trouver<QAction>(*this, "MenuChances")->setChecked(session_.ChancesMontrees());
}

// The coach works on a thread of the pool while the window answers; its result is shown on
// the window's thread, unless the window has gone meanwhile. The application waits for the
// pool's threads before it ends.
void FormRolvex::Travailler(std::function<std::function<void()>()> travail) {
  QThreadPool::globalInstance()->start(
      [fenetre = QPointer<FormRolvex>(this), travail = std::move(travail)] {
        std::function<void()> suite = travail();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [fenetre, suite = std::move(suite)] {
              if (fenetre) suite();
            },
            Qt::QueuedConnection);
      });
}

void FormRolvex::Conseil() {
  const std::optional<ConseilEcran>& k = session_.Ecran().conseil;
  cadreCase_->Marquer(k && !k->garder ? &ecran_->Panneau(CleCase{k->colonne, k->figure}) : nullptr);
  for (int16_t i = 1; i <= NbDes; ++i)
    cadresDes_[i]->Marquer(
        k && k->garder && k->des[i] ? &ecran_->Image(CleElement{Famille::ImageDe, i}) : nullptr);
  // The marks carry the hint's sentence, which the information line says as well.
  const QString nom = ui::EnQString(TextesDuCoach(langue()).menuConseil).remove('&');
  const QString phrase = k ? ui::EnQString(session_.TexteInfo()) : QString();
  for (ui::CadreConseil* cadre : cadresDes_) {
    cadre->setAccessibleName(nom);
    cadre->setAccessibleDescription(phrase);
  }
  cadreCase_->setAccessibleName(nom);
  cadreCase_->setAccessibleDescription(phrase);
}

void FormRolvex::RevuePrete() {
  if (auto* ancienne = findChild<QDialog*>(QStringLiteral("FenetreRevue"))) ancienne->close();
  auto* revue = new FenetreRevue(*this, session_, menuBar()->font());
  revue->setWindowModality(Qt::WindowModal);
  revue->show();
  QRect place = revue->frameGeometry();
  place.moveCenter(frameGeometry().center());
  revue->move(place.topLeft());
}

void FormRolvex::Info(std::string_view texte) {
  ecran_->Panneau(Seul::PanelInfoDeroulement).setCaption(ui::EnQString(texte));
  accessibilite_->ActualiserInfo();
}

void FormRolvex::Legende(Seul panneau, std::string_view texte) {
  ecran_->Panneau(panneau).setCaption(ui::EnQString(texte));
}

// After a game, the two buttons of the next game stand in the throw button's place.
void FormRolvex::PanelOkDeVisible(bool visible) {
  // The buttons that come are shown before those that go hide, so that the keyboard's focus
  // passes from one to the other and never through a die.
  if (visible) ecran_->Panneau(Seul::PanelOkDe).show();
  ecran_->Panneau(Seul::PanelNewGame).setVisible(!visible);
  ecran_->Panneau(Seul::PanelNewMode).setVisible(!visible);
  if (!visible) ecran_->Panneau(Seul::PanelOkDe).hide();
}

void FormRolvex::PreparerNouvellePartie() {
  // A game resumed at start-up comes without the name dialog, which takes the button away.
  ecran_->Panneau(Seul::PanelStart).hide();
  SuperPanelScore& scores = ecran_->PanneauScores();
  scores.RemettreEnBleu();
  Trouver<QAction>(*this, "MenuVoirScores")->setEnabled(true);
  ecran_->Panneau(Seul::PanelInfoDeroulement).show();
  ecran_->Panneau(Seul::SuperPanelDes).show();
  scores.SetModeColonnes(ui::EnQString(session_.LegendeModeColonnes()));
  scores.EffacerScores();

  // The sheet is rearranged out of sight, and shown again once drawn.
  ecran_->Panneau(Seul::PictureAireJeu).hide();
  feuilleEnRefection_ = true;
  ecran_->AppliquerDisposition(session_.Aire());
  Conseil();
  ActualiserCoach();
}

void FormRolvex::Scores(bool montres) {
  SuperPanelScore& scores = ecran_->PanneauScores();
  ecran_->Panneau(Seul::PictureAireJeu).setVisible(!montres);
  if (!montres) {
    scores.EffacerScores();
    return;
  }
  const EcranSession& e = session_.Ecran();
  scores.AfficherScores(*e.tableScores);
  scores.MarquerLigne(e.placeEnRouge);
}

void FormRolvex::OptionsChargees() {
  params_->SelectionnerMode(Etat().ModeJeu);
  params_->EcrireNom(ui::EnQString(session_.NomJoueur()));
}

void FormRolvex::FacesChoisies(int16_t typeDes) {
  Trouver<QAction>(*this, "MenuDésClassiques")->setChecked(typeDes == faces::Classiques);
  Trouver<QAction>(*this, "MenuDésNumériques")->setChecked(typeDes == faces::Numeriques);
}

void FormRolvex::FermerDialogueNom() {
  params_->hide();
  RendreLaMain();
}

// A box over the name dialog while it is open, since the main window then answers nothing.
void FormRolvex::AfficherMessage(std::string_view texte) {
  QWidget* parent = params_->isVisible() ? static_cast<QWidget*>(params_) : this;
  ui::AfficherMessage(parent, ui::EnQString(texte), ui::EnQString(TitreApplication),
                      LegendesBoutons());
}

bool FormRolvex::DemanderOuiNon(std::string_view texte) {
  return ui::DemanderOuiNon(this, ui::EnQString(texte), ui::EnQString(TitreApplication),
                            LegendesBoutons());
}

void FormRolvex::Chrono(bool enMarche) {
  if (enMarche)
    TimerChrono_->start();
  else
    TimerChrono_->stop();
}

void FormRolvex::DechargerTousControles() { ecran_->DechargerTousControles(); }

void FormRolvex::Terminer() {
  close();
  environnement_.quitter();
}

void FormRolvex::closeEvent(QCloseEvent* event) {
  params_->hide();
  for (QWidget* fenetre : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (fenetre->isWindow() && fenetre != params_) fenetre->close();  // the help
  event->accept();
}

void FormRolvex::OuvrirAide() { rolvex::OuvrirAide(this, fichierAide_, langue()); }

}  // namespace rolvex::app
