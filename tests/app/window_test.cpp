// A main window opened through the start-up window, as the player opens it, with dice the test
// chooses. Beside it stands a twin session that read the same options, fed the command each
// gesture stands for: a gesture is right when both sessions then agree and the window showed
// the very boxes the twin asked for, whatever the rules and the texts made of them. And every
// widget must show what the window's own session last reported, through the functions that own
// each text, and stand where its layout puts it.
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <functional>

#include "app/controls.h"
#include "app/help_viewer.h"
#include "app/keyboard.h"
#include "app/main_window.h"
#include "app/params_dialog.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "app/statistics_window.h"
#include "history/history_db.h"
#include "tests/ui/qt_print.h"
#include "texts/accessible_texts.h"
#include "texts/coach_texts.h"
#include "texts/history_texts.h"
#include "texts/messages.h"
#include "ui/advice_frame.h"
#include "ui/dice_pictures.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/text.h"

namespace rolvex::app {

namespace {

QString Q(std::string_view texte) { return ui::EnQString(texte); }
std::filesystem::path Chemin(const QTemporaryDir& d) {
  return QFile::encodeName(d.path()).toStdString();
}

// A message box as "title|text|OK|Yes|No", a button it has not left empty.
QString Boite(const QString& titre, const QString& texte, const QString& ok, const QString& oui,
              const QString& non) {
  return QStringList{titre, ui::AvecSautsDeLigne(texte), ok, oui, non}.join('|');
}

// The twin's screen notes each box its session asks for as the window must show it, under the
// game's title with the run's buttons, and answers Yes to the first `oui` questions.
struct VueJumelle : VueSession {
  void AfficherMessage(std::string_view t) override {
    boites << Boite(Q(TitreApplication), Q(t), Q(b.Ok), "", "");
  }
  bool DemanderOuiNon(std::string_view t) override {
    boites << Boite(Q(TitreApplication), Q(t), "", Q(b.Oui), Q(b.Non));
    return oui-- > 0;
  }
  BoutonsMessage b;
  int oui = 0;
  QStringList boites;
};

// Answers every message box as the player would, OK, or Yes to the first `oui` questions and No
// after, and notes it as the twin does; `pendant` looks at the screen while the box is up.
struct RepondeurBoites {
  RepondeurBoites() {
    QObject::connect(&veille, &QTimer::timeout, [this] {
      auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!b || !b->isVisible()) return;
      auto texte = [&](auto bouton) { return b->button(bouton) ? b->button(bouton)->text() : ""; };
      boites << Boite(b->windowTitle(), b->text(), texte(QMessageBox::Ok), texte(QMessageBox::Yes),
                      texte(QMessageBox::No));
      parents.push_back(b->parentWidget());
      if (pendant) pendant();
      const auto reponse = !b->button(QMessageBox::Yes) ? QMessageBox::Ok
                           : oui-- > 0                  ? QMessageBox::Yes
                                                        : QMessageBox::No;
      QTest::mouseClick(b->button(reponse), Qt::LeftButton);
    });
    veille.start(5);
  }
  int oui = 0;
  std::function<void()> pendant;
  QStringList boites;
  std::vector<QWidget*> parents;
  QTimer veille;
};

// A data folder of the test's own, holding the options of a first run drawn from a fixed seed,
// and an end of the program that only counts.
struct EnvironnementDeTest {
  EnvironnementDeTest() {
    HasardUniforme tirage(1);
    SauverOptions(Dossier(), CreerOptionsParDefaut(tirage));
  }
  QTemporaryDir racine;
  int fins = 0;
  std::filesystem::path Dossier() const { return Chemin(racine); }
  Environnement Pour() {
    return {[this] { return DossiersDonnees{Dossier(), Dossier()}; }, [this] { ++fins; }};
  }
};

// What a screen reader says of the control.
void VerifierNom(const QWidget& w, const TexteAccessible& t) {
  EXPECT_EQ(w.accessibleName() + '|' + w.accessibleDescription(), Q(t.nom) + '|' + Q(t.description))
      << w.objectName().toStdString();
}

// A control stands at its layout's rectangle in the screen's pixels (a window takes only its
// width), in the layout's font size where it gives one, which the play area may only shrink to
// fit the control's place.
void VerifierPlace(const QWidget& w, const Rect& r, std::optional<float> police, bool ajustee) {
  const QRect attendu = ui::EchelleTwips::DeLEcranPrincipal().EnPixels(EnTwips(r));
  const std::string nom = w.objectName().toStdString();
  EXPECT_EQ(w.isWindow() ? QRect(QPoint(), QSize(w.width(), attendu.height())) : w.geometry(),
            attendu)
      << nom;
  if (!police) return;
  const double taille = std::max(1.0, double{*police});
  EXPECT_TRUE(ajustee ? w.font().pointSizeF() <= taille : w.font().pointSizeF() == taille) << nom;
  EXPECT_LE(QFontMetrics(w.font()).height(), ajustee ? w.height() : 1e6) << nom;
}

// The controls of a dialog stand where the dialog layout of the screen puts them; returns the
// dialogs' margin in pixels.
int VerifierDialogue(QWidget& fenetre) {
  const RatiosEcran r = Ratios(TailleEcranJeu().width(), TailleEcranJeu().height());
  const DispositionDialogues d = AdapterFenetresEcran(r.RatioLargeur, r.RatioHauteur);
  int places = 0;
  for (const ControleDialogue& c : ControlesDialogues(d))
    if (const auto* w = Trouver<QWidget>(fenetre, c.nom); w && ++places)
      VerifierPlace(*w, c.rect, c.police, false);
  EXPECT_GE(places, 6);
  return ui::EchelleTwips::DeLEcranPrincipal().PixelsY(d.m);
}

class FenetreDeJeu : public testing::Test {
 protected:
  // Through the start-up window: the button of the language, or the platform's close for
  // French.
  void Ouvrir(Langue langue = Langue::Francais, bool fermer = false) {
    demarrage = std::make_unique<Demarrage>(TailleEcranJeu(), environnement.Pour());
    demarrage->Lancer();
    FrmSplash& splash = demarrage->Splash();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    const char* bouton = langue == Langue::Francais ? "PanelStartFrench" : "PanelStartEnglish";
    if (fermer)
      splash.windowHandle()->close();
    else
      QTest::mouseClick(Trouver<QWidget>(splash, bouton), Qt::LeftButton);
    fenetre = demarrage->Principale();
    ASSERT_TRUE(fenetre && !splash.isVisible() && fenetre->langue() == langue);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre));
    EXPECT_TRUE(fenetre->isMaximized());
    vue.b = TextesBoutons(langue);
    const QSizeF ecran = TailleEcranJeu();
    jumeau = std::make_unique<Session>(vue, langue, ecran.width(), ecran.height());
    jumeau->ChargerOptions({environnement.Dossier(), Chemin(dossierJumeau)});
    fenetre->Jeu().FixerGraine(20240601);
    jumeau->FixerGraine(20240601);
  }

  // A control of the main window or of its dialog, by name.
  template <typename T = ui::Panneau>
  T& W(std::string_view nom) {
    T* w = Trouver<T>(*fenetre, nom);
    if (!w) w = Trouver<T>(fenetre->Params(), nom);
    if (!w) throw std::invalid_argument(std::string(nom));
    return *w;
  }
  void Cliquer(std::string_view nom, Qt::MouseButton bouton = Qt::LeftButton) {
    QTest::mouseClick(&W<QWidget>(nom), bouton);
  }
  // The mouse comes from the information line, which has no help of its own.
  void Survoler(std::string_view nom, QPoint ou = {}) {
    QTest::mouseMove(&W<QWidget>("PanelInfoDéroulement"), QPoint(1, 1));
    QTest::mouseMove(&W<QWidget>(nom), ou.isNull() ? W<QWidget>(nom).rect().center() : ou);
  }
  // The menus' keys need the window active, as it is again once a box has closed.
  void Touche(Qt::Key touche, Qt::KeyboardModifiers modificateurs = {}) {
    fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre));
    QTest::keyClick(fenetre, touche, modificateurs);
  }
  void Frappe(Qt::Key touche, Qt::KeyboardModifiers modificateurs = {}) {
    QTest::keyClick(fenetre, touche, modificateurs);
  }

  // The gesture on the window must do what `commande` does to the twin, and the widgets show it.
  void Geste(
      const std::function<void()>& geste,
      const std::function<void(Session&)>& commande = [](Session&) {}) {
    geste();
    commande(*jumeau);
    EXPECT_TRUE(fenetre->Etat() == jumeau->Etat());
    EXPECT_EQ(fenetre->Jeu().TexteInfo(), jumeau->TexteInfo());
    EXPECT_EQ(boites.boites, vue.boites);
    VerifierEcran();
  }
  // The next faces ("11234") of both sessions, thrown by `touche` or by the mouse.
  void Jeter(std::string_view des, Qt::Key touche = Qt::Key_unknown) {
    for (char f : des) fenetre->Jeu().FileDes().Ajouter(static_cast<int16_t>(f - '0'));
    for (char f : des) jumeau->FileDes().Ajouter(static_cast<int16_t>(f - '0'));
    Geste([&] { touche == Qt::Key_unknown ? Cliquer("PanelOkDé") : Frappe(touche); },
          [](Session& s) { s.PanelOkDe_Click(); });
  }
  void Ecrire(std::string_view des, int16_t colonne, int16_t figure) {
    Jeter(des);
    Geste([&] { Cliquer(NomCase(colonne, figure)); },
          [=](Session& s) { s.AppelCliqueCase(colonne, figure); });
  }
  // Through the dialog, as the player starts a game: mode 1..3.
  void NouvellePartie(int16_t mode, const QString& nom = QStringLiteral("Zoé")) {
    fenetre->AppelPreNouveau();
    auto& option = W<QRadioButton>(NomElement("SSOptionModeColonnes", mode));
    QTest::mouseClick(&option, Qt::LeftButton, {},
                      QPoint(option.height() / 2, option.height() / 2));
    W<QLineEdit>("TextName").setText(nom);
    Geste([&] { Cliquer("PanelOkParams"); },
          [&](Session& s) { s.PanelOkParams_Click(nom.toStdString(), mode); });
  }
  QTimer& Horloge() { return *fenetre->findChild<QTimer*>(QStringLiteral("TimerChrono")); }

  // Every widget the game writes shows what the session last reported. The squares' places are
  // the layout's, checked with every other control's.
  void VerifierEcran() {
    const Session& s = fenetre->Jeu();
    const EcranSession& e = s.Ecran();
    const EtatPartie& etat = s.Etat();
    const Langue l = s.langue();
    // The captions, from the first game on: the design's stand until then.
    const std::tuple<const char*, std::string, TexteAccessible> panneaux[] = {
        {"PanelInfoDéroulement", s.TexteInfo(), AccessibleInfo(s.TexteInfo(), l)},
        {"PanelOkDé", e.legendeOkDe, AccessibleOkDe(etat, l)},
        {"PanelFigureRéalisée", std::string(s.TexteFigure()), AccessibleFigureRealisee(etat, l)},
        {"PanelTotalDés", e.legendeTotalDes, AccessibleTotalDes(etat, l)},
        {"PanelScoreTotal", e.legendeScoreTotal, AccessibleScoreTotal(etat, l)}};
    for (const auto& [nom, legende, accessible] : panneaux) {
      EXPECT_TRUE((!e.partieCommencee && nom != std::get<0>(panneaux[0])) ||
                  W(nom).caption() == Q(legende))
          << nom;
      VerifierNom(W(nom), accessible);
    }
    // Dice area, menus, clock, sheet and high scores, in that order; the buttons of the next
    // game stand in the throw button's place.
    const bool commencee = e.partieCommencee, ok = e.okDeVisible || !commencee;
    EXPECT_EQ((std::vector<bool>{
                  W("SuperPanelDés").isVisible(), !W("PanelOkDé").isHidden(),
                  !W("PanelNewGame").isHidden(), !W("PanelNewMode").isHidden(),
                  W<QAction>("MenuVoirScores").isEnabled(), W<QAction>("MenuAnnuler").isEnabled(),
                  W<QAction>("MenuDésClassiques").isChecked(),
                  W<QAction>("MenuDésNumériques").isChecked(), Horloge().isActive(),
                  W("PictureAireJeu").isVisible(), W("SuperPanelScore").isVisible()}),
              (std::vector<bool>{commencee, ok, !ok, !ok, commencee, s.PeutAnnuler(),
                                 etat.TypeDes == 1, etat.TypeDes == 2, s.Horloge().EnMarche(),
                                 !e.scoresMontres, e.scoresMontres}));
    // The pictures the dice must show, painted at the size they now have.
    const int cote = std::min(W<QWidget>("ImageDé(1)").width(), W<QWidget>("ImageDé(1)").height());
    const ui::ImagesDes faces(cote, cote, fenetre->devicePixelRatioF());
    for (int16_t i = 1; i <= NbDes; ++i) {
      const auto& de = W<ui::Image>(NomElement("ImageDé", i));
      const int16_t m = e.imagesDes[i];
      EXPECT_EQ(de.picture().toImage(),
                (m == ImageDeFond ? faces.ImageDeFond() : faces.ModelesDes(m)).toImage());
      VerifierNom(de, AccessibleDe(etat, i, l));
    }
    for (int16_t c = 1; c <= NbColonnesMax; ++c) {
      for (int16_t f = 1; f <= NbFigures; ++f) {
        const ui::Panneau& k = W(NomCase(c, f));
        const CaseALEcran& attendue = e.cases[c][f];
        EXPECT_EQ(k.isHidden(), attendue.aspect == Aspect::Cachee) << NomCase(c, f);
        EXPECT_EQ(k.caption(), Q(attendue.legende)) << NomCase(c, f);
        EXPECT_EQ(k.mousePointer(), attendue.pointeur);
        if (const auto& a = s.Dessin(c, f).apparence) {
          EXPECT_EQ(std::pair(k.foreColor(), k.backColor()),
                    std::pair(a->CouleurTexte, a->CouleurFond))
              << NomCase(c, f);
        }
        VerifierNom(k, AccessibleCase(etat, c, f, l));
      }
      for (std::size_t i = 0; i < LignesTotaux.size(); ++i) {
        const ui::Panneau& total = W(NomTotal(LignesTotaux[i], c));
        EXPECT_EQ(total.caption(), Q(e.totaux[c][i])) << NomTotal(LignesTotaux[i], c);
        const int16_t ou = i < 2 ? bonus::Haut : bonus::Bas;
        VerifierNom(total,
                    i % 2 == 0 ? AccessibleTotal(etat, ou, c, l) : AccessibleBonus(etat, ou, c, l));
      }
    }
    if (!e.scoresMontres) return;
    EXPECT_EQ(W("PanelModeColonnes").caption(), Q(s.LegendeModeColonnes()));
    for (int16_t rang = 1; rang <= NbPlaces; ++rang)
      for (Famille famille : FamillesScores) {
        const ui::Panneau& k = W(Nom(CleElement{famille, rang}));
        EXPECT_EQ(k.caption(), Q(LegendeCelluleScore(famille, rang, (*e.tableScores)[rang])));
        EXPECT_EQ(k.foreColor(), rang == e.placeEnRouge ? RougeVif : Bleu) << rang;
        VerifierNom(k, {k.caption().toStdString(), AppelMovePanelScore(famille, rang, l)});
      }
  }

  EnvironnementDeTest environnement;
  QTemporaryDir dossierJumeau;
  RepondeurBoites boites;
  VueJumelle vue;
  std::unique_ptr<Demarrage> demarrage;
  FormRolvex* fenetre = nullptr;
  std::unique_ptr<Session> jumeau;
};

// Each gesture on the dice area, the sheet and the high scores is the session's command for
// that control, and each report of the session reaches its widget.
using Gestes = FenetreDeJeu;

TEST_F(Gestes, OnTheDiceAndTheSquaresAreTheSessionsCommands) {
  Ouvrir();
  NouvellePartie(3);
  Jeter("11234");
  const std::pair<int16_t, Qt::MouseButton> clics[] = {
      {1, Qt::RightButton}, {5, Qt::LeftButton}, {3, Qt::MiddleButton}};
  for (auto [de, bouton] : clics)
    Geste([&] { Cliquer(NomElement("ImageDé", de), bouton); },
          [&](Session& s) { s.ImageDe_MouseDown(de, int16_t(bouton)); });
  Geste([&] { Cliquer(NomElement("PanelDé", 5)); }, [&](Session& s) { s.PanelDe_Click(5); });

  // The help of every square on screen, of the panels, of the bonuses by their own gesture.
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f)
      if (W(NomCase(c, f)).isVisible())
        Geste([&] { Survoler(NomCase(c, f)); }, [&](Session& s) { s.SurvolerCase(c, f); });
  for (auto [nom, panneau] : {std::pair{"PanelFigureRéalisée", Seul::PanelFigureRealisee},
                              {"PanelScoreTotal", Seul::PanelScoreTotal}})
    Geste([&] { Survoler(nom); }, [&](Session& s) { s.SurvolerPanel(panneau); });
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t ou : {bonus::Haut, bonus::Bas}) {
      const std::string nom = NomTotal(ou == 1 ? LigneTotal::BonusHaut : LigneTotal::BonusBas, c);
      const bool clic = GesteAideBonus(ou, c) == GesteAide::Clic;
      Geste([&] { Survoler("PanelTotalDés"); },
            [](Session& s) { s.SurvolerPanel(Seul::PanelTotalDes); });
      Geste([&] { clic ? Cliquer(nom) : Survoler(nom); },
            [&](Session& s) { s.SurvolerBonus(ou, c); });
    }
  Geste([&] { Survoler("PictureAireJeu", {2, 2}); }, [](Session& s) { s.SurvolerAire(); });

  // A square of a column that writes at once and one announced first, and the faces' menu over dice
  // kept between two throws.
  Geste([&] { Cliquer("CaseDescente(1)"); }, [](Session& s) { s.AppelCliqueCase(2, 1); });
  Geste([&] { Touche(Qt::Key_Z, Qt::ControlModifier); }, [](Session& s) { s.Annuler(); });
  Geste([&] { Cliquer("CaseDescente(1)"); }, [](Session& s) { s.AppelCliqueCase(2, 1); });
  Ecrire("55552", colonne::Annonce, 5);
  Geste([&] { W<QAction>("MenuDésNumériques").trigger(); }, [](Session& s) { s.ChoisirFaces(2); });
  Geste([&] { Cliquer("CaseAnnonce(5)"); }, [](Session& s) { s.AppelCliqueCase(6, 5); });
  Geste([&] { W<QAction>("MenuDésClassiques").trigger(); }, [](Session& s) { s.ChoisirFaces(1); });
}

// The clock ticks the session once a second while the session runs it. The end of a game shows
// the table with its new row in red while the place is announced; the next game turns it blue.
TEST_F(Gestes, TheEndOfAGameAndTheHighScoresShowWhatTheSessionReports) {
  Ouvrir(Langue::Anglais);
  NouvellePartie(1);
  EXPECT_EQ(Horloge().interval(), 1000);
  Horloge().setInterval(24 * 3600 * 1000);  // the test ticks the clock itself
  const int32_t avant = fenetre->Jeu().Horloge().SecondesPartie();
  QTimerEvent tic(Horloge().timerId());
  QCoreApplication::sendEvent(&Horloge(), &tic);
  jumeau->Tic();
  EXPECT_EQ(fenetre->Jeu().Horloge().SecondesPartie(), avant + 1);
  boites.pendant = [&] { VerifierEcran(); };
  // A whole game in Libre, one throw a turn ("faces figure").
  for (const char* tour :
       {"11111 13", "66664 6", "55552 5", "44441 4", "33336 3", "22225 2", "23456 1", "66655 7",
        "11223 8", "33322 9", "44445 10", "12345 11", "11123 12"})
    Ecrire(std::string_view(tour, 5), colonne::Libre, static_cast<int16_t>(atoi(tour + 6)));
  boites.pendant = nullptr;
  ASSERT_GT(fenetre->Jeu().Ecran().placeEnRouge, 0);
  Geste([&] { Cliquer("PanelEffacerScores"); }, [](Session& s) { s.EffacerScores(); });
  Geste([&] { Touche(Qt::Key_F4); }, [](Session& s) { s.AfficherScores(); });
  for (int16_t rang = 1; Famille famille : FamillesScores) {  // a cell a column, a row each
    const std::string cellule = Nom(CleElement{famille, rang});
    Geste([&] { Survoler(cellule); }, [&](Session& s) { s.SurvolerPanelScore(famille, rang); });
    ++rang;
  }
  Geste([&] { Cliquer("PanelNewMode"); });
  EXPECT_TRUE(fenetre->Params().isVisible());
  Geste([&] { Cliquer("PanelCancelParams"); });
  Geste([&] { Cliquer("PanelNewGame"); }, [](Session& s) { s.AppelNouveau(); });
  Geste([&] { Touche(Qt::Key_F4); }, [](Session& s) { s.AfficherScores(); });
}

// Keys act through the very commands the mouse gives on the same controls: 1 to 5 (and the
// French keyboard's & é " ' () the left button on a die, with Shift (also ! to % of an English
// keyboard, or the digits' row told by the key's place) its right button, Space and both Enter
// keys the throw button; never with Control or Alt, never repeated, never while the dialog is
// open.
TEST_F(Gestes, DigitsAndThrowKeysAreTheMousesCommands) {
  Ouvrir();
  NouvellePartie(1);
  Jeter("12345", Qt::Key_Space);
  const Qt::KeyboardModifiers maj = Qt::ShiftModifier;
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, int16_t> touches[] = {
      {Qt::Key_1, {}, 1},         {Qt::Key_5, {}, 5},        {Qt::Key_Ampersand, {}, 1},
      {Qt::Key_Eacute, {}, 2},    {Qt::Key_QuoteDbl, {}, 3}, {Qt::Key_Apostrophe, {}, 4},
      {Qt::Key_ParenLeft, {}, 5}, {Qt::Key_Exclam, maj, 1},  {Qt::Key_4, maj, 4},
      {Qt::Key_Percent, maj, 5},  {Qt::Key_2, {}, 2}};
  for (auto [touche, m, de] : touches) {
    Geste([&] { Frappe(touche, m); }, [&](Session& s) { s.ImageDe_MouseDown(de, m ? 2 : 1); });
    // The focus on the die, a check box a screen reader says kept or not.
    const QAccessibleInterface* i = QAccessible::queryAccessibleInterface(qApp->focusWidget());
    EXPECT_TRUE(qApp->focusWidget() == &W<QWidget>(NomElement("ImageDé", de)) &&
                i->role() == QAccessible::CheckBox && i->state().checkable &&
                i->state().checked == fenetre->Etat().DesGardes[de]);
  }
  EXPECT_EQ(W<ui::Image>("ImageDé(3)").marque(), "3");  // the keys, while they are used
  QKeyEvent place(QEvent::KeyPress, Qt::Key_QuoteDbl, maj, 11, 0, 0, QStringLiteral("\""));
  Geste([&] { QApplication::sendEvent(fenetre, &place); },
        [](Session& s) { s.ImageDe_MouseDown(2, 2); });
  Geste([&] { Frappe(Qt::Key_Exclam); });
  Geste([&] { Frappe(Qt::Key_3, Qt::ControlModifier); });
  Geste([&] { Frappe(Qt::Key_4, Qt::AltModifier); });
  QKeyEvent repetee(QEvent::KeyPress, Qt::Key_3, {}, QStringLiteral("3"), true);
  Geste([&] { QApplication::sendEvent(fenetre, &repetee); });
  Jeter("6", Qt::Key_Enter);
  fenetre->AppelPreNouveau();
  Geste([&] { Frappe(Qt::Key_Space); });  // with the dialog open, nothing is thrown
}

// The arrows frame the squares that can be chosen, explained as under the mouse, and Enter
// writes the framed one, a held Enter once; a key that acts elsewhere takes the frame there.
// With nothing framed, after Escape or a square written, any of them starts from the first square
// of the leftmost column; Home and End go to the ends of the column, Page Up and Page Down to the
// first and last rows.
TEST_F(Gestes, ArrowsFrameTheSquaresThatCanBeChosenAndEnterWritesIt) {
  Ouvrir();
  NouvellePartie(2);
  auto encadree = [&] {
    return static_cast<ClavierJeu*>(fenetre->findChild<QObject*>("ClavierJeu"))->CaseEncadree();
  };
  auto fleche = [&](Qt::Key touche, int16_t colonne, int16_t figure) {
    Geste([&] { Frappe(touche); }, [=](Session& s) { s.SurvolerCase(colonne, figure); });
    EXPECT_EQ(encadree(), (ClavierJeu::Case{colonne, figure}));
  };
  Geste([&] { Frappe(Qt::Key_Down); });
  EXPECT_EQ(encadree(), std::nullopt);
  Jeter("33322");
  fleche(Qt::Key_Down, colonne::Descente, figure::As);
  fleche(Qt::Key_Down, colonne::Libre, figure::Deux);
  fleche(Qt::Key_Up, colonne::Libre, figure::As);
  fleche(Qt::Key_Left, colonne::Descente, figure::As);
  fleche(Qt::Key_Right, colonne::Libre, figure::As);
  fleche(Qt::Key_Right, colonne::Montee, figure::Yam);
  Geste([&] { Frappe(Qt::Key_Right); });
  for (int16_t f : {figure::PetitTotal, figure::Suite, figure::Carre, figure::Full})
    fleche(Qt::Key_Up, colonne::Libre, f);
  QWidget& cadre = *fenetre->findChild<QWidget*>("CadreFocus");
  EXPECT_TRUE(cadre.isVisible() && cadre.testAttribute(Qt::WA_TransparentForMouseEvents));
  EXPECT_TRUE(cadre.geometry().contains(W("CaseLibre(9)").geometry().adjusted(-1, -1, 1, 1)));
  Geste([&] { Frappe(Qt::Key_Return); }, [](Session& s) { s.AppelCliqueCase(1, figure::Full); });
  QKeyEvent repetee(QEvent::KeyPress, Qt::Key_Return, {}, QString(), true);
  Geste([&] { QApplication::sendEvent(fenetre, &repetee); });
  EXPECT_EQ(QApplication::focusWidget(), &W("PanelOkDé"));
  Jeter("12345");
  fleche(Qt::Key_Up, colonne::Descente, figure::As);
  fleche(Qt::Key_PageDown, colonne::Libre, figure::Yam);
  fleche(Qt::Key_Home, colonne::Libre, figure::As);
  fleche(Qt::Key_End, colonne::Libre, figure::Yam);
  fleche(Qt::Key_PageUp, colonne::Libre, figure::As);
  Geste([&] { Frappe(Qt::Key_Escape); });
  EXPECT_EQ(encadree(), std::nullopt);
  fleche(Qt::Key_Left, colonne::Descente, figure::As);
  Geste([&] { Frappe(Qt::Key_1); }, [](Session& s) { s.ImageDe_MouseDown(1, 1); });
  Jeter("6", Qt::Key_Return);
  fleche(Qt::Key_Down, colonne::Descente, figure::As);
  Jeter("", Qt::Key_Space);  // the frame goes to the throw button: Enter would not write
  EXPECT_EQ(encadree(), std::nullopt);
  Geste([&] { Cliquer("CaseLibre(5)"); }, [](Session& s) { s.AppelCliqueCase(1, 5); });
  EXPECT_TRUE(!encadree() && !cadre.isVisible());
}

// A player who cannot see plays a game with keys alone, from the start-up window to the high
// scores: at each step the focus is on the control the key acted on, with the role, states and
// actions a screen reader needs, its description opening with the information line.
TEST_F(Gestes, AScreenReaderFollowsAGamePlayedWithKeysAlone) {
  auto entendu = [](QWidget* attendu, QAccessible::Role role) {
    QCoreApplication::processEvents();  // the focus of a window that comes to the front
    QWidget* focus = QApplication::focusWidget();
    EXPECT_EQ(focus, attendu) << attendu->objectName().toStdString();
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(focus);
    EXPECT_TRUE(i && i->role() == role && i->state().focused &&
                !i->text(QAccessible::Name).isEmpty());
    return i;
  };
  auto presser = [](QAccessibleInterface* i) {
    QAccessibleActionInterface* a = i ? i->actionInterface() : nullptr;
    ASSERT_TRUE(a && a->actionNames().contains(QAccessibleActionInterface::pressAction()));
    a->doAction(QAccessibleActionInterface::pressAction());
  };
  DonneesOptions options = CreerOptionsParDefaut(*std::make_unique<HasardUniforme>(1));
  options.ModeJeu = 1;
  options.NomJoueur = "Ana";
  ASSERT_TRUE(SauverOptions(environnement.Dossier(), options).Reussie());
  for (Langue langue : {Langue::Francais, Langue::Anglais}) {
    if (langue == Langue::Anglais) {  // a game below the table, that no box interrupts
      for (int p = 1; p <= NbPlaces; ++p) options.Scores[1][p].score = 30000;
      ASSERT_TRUE(SauverOptions(environnement.Dossier(), options).Reussie());
    }
    demarrage = std::make_unique<Demarrage>(TailleEcranJeu(), environnement.Pour());
    demarrage->Lancer();
    FrmSplash& splash = demarrage->Splash();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&splash));
    QWidget* anglais = Trouver<QWidget>(splash, "PanelStartEnglish");
    entendu(Trouver<QWidget>(splash, "PanelStartFrench"), QAccessible::Button);
    QTest::keyClick(&splash, Qt::Key_Right);
    entendu(anglais, QAccessible::Button);
    QTest::keyClick(&splash, langue == Langue::Francais ? Qt::Key_F : Qt::Key_Return);
    fenetre = demarrage->Principale();
    ASSERT_TRUE(fenetre && fenetre->langue() == langue && QTest::qWaitForWindowActive(fenetre));
    QTest::keyClick(fenetre, Qt::Key_Return);
    ASSERT_TRUE(fenetre->Params().isVisible());
    QTest::keyClick(&W<QLineEdit>("TextName"), Qt::Key_Return);
    ASSERT_TRUE(fenetre->isEnabled() && QTest::qWaitForWindowActive(fenetre));
    // A whole game in Libre, figure after figure, one throw a turn, by Space or the press action.
    const char* des[] = {"23456", "22225", "33336", "44441", "55552", "66664", "66655",
                         "11223", "33322", "44445", "12345", "11123", "11111"};
    QObject suivi;  // where the focus went, to the end of the game
    QWidgetList focus;
    QObject::connect(qApp, &QApplication::focusChanged, &suivi,
                     [&](auto, QWidget* w) { focus << w; });
    for (int16_t f = 1; const char* jet : des) {
      for (const char* d = jet; *d; ++d) fenetre->Jeu().FileDes().Ajouter(int16_t(*d - '0'));
      QAccessibleInterface* ok = entendu(&W("PanelOkDé"), QAccessible::Button);
      f % 2 ? QTest::keyClick(fenetre, Qt::Key_Space) : presser(ok);
      QTest::keyClick(fenetre, Qt::Key_Home);
      QAccessibleInterface* k = entendu(&W(NomCase(colonne::Libre, f)), QAccessible::Cell);
      ASSERT_TRUE(k && k->tableCellInterface());
      EXPECT_TRUE(k->state().selectable && k->state().focusable);
      EXPECT_EQ(k->tableCellInterface()->table()->tableInterface()->rowDescription(f - 1),
                Q(AccessibleEtiquette(f, langue).nom));
      EXPECT_TRUE(k->text(QAccessible::Description)
                      .startsWith(W("PanelInfoDéroulement").accessibleDescription()));
      QTest::keyClick(fenetre, Qt::Key_Return);
      EXPECT_TRUE(fenetre->Etat().Cases(colonne::Libre, f++).Prise);
    }
    const int16_t place = fenetre->Jeu().Ecran().placeEnRouge;
    if (place == 0) {
      // No box between: from the last square the focus goes to Play again, never by a die.
      for (QWidget* w : focus.mid(focus.lastIndexOf(&W(NomCase(colonne::Libre, NbFigures)))))
        EXPECT_FALSE(w && w->objectName().startsWith("ImageD")) << w->objectName().toStdString();
      entendu(&W("PanelNewGame"), QAccessible::Button);
      continue;
    }
    fenetre->activateWindow();  // the offscreen platform gives it back no window after a box
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre));
    QAccessibleInterface* table = entendu(&W("PanelScore"), QAccessible::Table);
    ASSERT_TRUE(table && table->tableInterface());
    for (int k = 0; k < int(FamillesScores.size()); ++k) {
      EXPECT_EQ(table->tableInterface()->columnDescription(k),
                Q(AccessibleEnteteScores(k, langue)));
      EXPECT_EQ(table->tableInterface()->cellAt(place - 1, k)->text(QAccessible::Name),
                W(Nom(CleElement{FamillesScores[size_t(k)], place})).caption());
    }
    QTest::keyClick(fenetre, Qt::Key_Escape);
    EXPECT_FALSE(W("SuperPanelScore").isVisible());
    // The mouse used, the keys' marks go.
    const QWidget& cadre = *fenetre->findChild<QWidget*>("CadreFocus");
    EXPECT_TRUE(cadre.isVisible());
    QTest::mouseClick(&W<QWidget>("PanelInfoDéroulement"), Qt::LeftButton);
    EXPECT_TRUE(W<ui::Image>("ImageDé(3)").marque().isEmpty() && !cadre.isVisible());
    presser(entendu(&W("PanelNewGame"), QAccessible::Button));
    entendu(&W("PanelOkDé"), QAccessible::Button);
    QTest::keyClick(fenetre, Qt::Key_F4);
    entendu(&W("PanelScore"), QAccessible::Table);
  }
}

// The menus in the run's language: F1 shows the help of the language; the About box and the
// quit question are the session's; No keeps the game, Yes unloads the sheet before the
// farewell, then ends the run. The close box ends the run at once: no question, and
// the windows it owns go; the game in progress comes back at the next start.
TEST_F(Gestes, MenusSpeakTheRunsLanguageAndOnlyYesEndsTheRun) {
  for (Langue l : {Langue::Francais, Langue::Anglais}) {
    Ouvrir(l);
    Touche(Qt::Key_F1);
    auto* aide = fenetre->findChild<QTextBrowser*>();
    ASSERT_TRUE(aide && aide->isVisible());
    EXPECT_EQ(aide->document()->baseUrl().toLocalFile(),
              QFileInfo(FichierAide(l)).absoluteFilePath());
    Geste([&] { W<QAction>("MenuAbout").trigger(); }, [](Session& s) { s.APropos(); });
    Geste([&] { Touche(Qt::Key_F9); }, [](Session& s) { s.DemanderQuitter(); });
    EXPECT_TRUE(fenetre->isVisible() && environnement.fins == 0);
    if (l == Langue::Anglais) {
      NouvellePartie(3);
      Ecrire("11234", colonne::Libre, 1);
      Jeter("55552");
      const EtatPartie etat = fenetre->Etat();
      Touche(Qt::Key_F2);
      const qsizetype vues = boites.boites.size();
      EXPECT_TRUE(fenetre->close());
      QTest::qWait(20);
      EXPECT_TRUE(boites.boites.size() == vues && environnement.fins == 0);
      for (const QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible());
      Ouvrir(l);  // the close box lost nothing: the game in progress comes back as it was
      EXPECT_TRUE(fenetre->Jeu().PartieReprise() && W("PanelStart").isHidden());
      EXPECT_EQ(fenetre->Etat(), etat);
      VerifierEcran();
      continue;
    }
    bool decharge = false;
    boites.pendant = [&] {
      decharge = true;
      for (int16_t f = 1; f <= NbFigures; ++f)
        decharge &= W(NomCase(6, f)).isHidden() && W(NomEtiquette(Cote::Droite, f)).isHidden() &&
                    W(NomElement("PanelScoreNom", std::min<int>(f, NbPlaces))).isHidden();
    };
    boites.oui = vue.oui = 1;
    Touche(Qt::Key_F9);
    jumeau->DemanderQuitter();
    boites.pendant = nullptr;
    EXPECT_EQ(boites.boites, vue.boites);
    EXPECT_TRUE(decharge && !fenetre->isVisible() && environnement.fins == 1);
    environnement.fins = 0;
  }
}

// F5 opens the statistics of the mode played; for each mode chosen in it, the numbers, the tabs
// of the columns and their tables show what the session reports, every part is reached with
// Tab and named for a screen reader, and Escape closes it.
TEST_F(Gestes, TheStatisticsWindowShowsWhatTheSessionReports) {
  std::vector<PartieJouee> parties(5);
  for (int i = 0; i < 5; ++i) {
    parties[i].mode = i < 3 ? 1 : 2;
    parties[i].score = 100 * (i + 1);
    parties[i].abandonnee = i == 4;
    parties[i].cases[1][1] = static_cast<int16_t>(i);
  }
  ASSERT_FALSE(EnregistrerParties(environnement.Dossier(), parties));
  for (Langue l : {Langue::Francais, Langue::Anglais}) {
    Ouvrir(l);
    bool vue = false;
    QTimer::singleShot(0, [&] {
      auto* f = qobject_cast<FenetreStatistiques*>(QApplication::activeModalWidget());
      ASSERT_TRUE(f);
      auto* mode = f->findChild<QComboBox*>("ModeStatistiques");
      EXPECT_EQ(mode->currentIndex() + 1, fenetre->Etat().ModeJeu);
      for (int16_t m : {2, 1}) {
        mode->setFocus();
        while (mode->currentIndex() + 1 != m) QTest::keyClick(mode, Qt::Key_Up);
        const Statistiques s = fenetre->Jeu().StatistiquesHistorique(m).stats;
        EXPECT_EQ(f->findChild<QLabel*>("ResumeStatistiques")->text(), Q(ResumeStatistiques(s, l)));
        auto* onglets = f->findChild<QTabWidget*>("FiguresStatistiques");
        ASSERT_EQ(onglets->count(), NbColonnesMode[m]);
        EXPECT_EQ(onglets->tabText(m - 1), Q(NomColonneFeuille(static_cast<int16_t>(m), l)));
        auto* table = qobject_cast<QTableWidget*>(onglets->widget(0));
        EXPECT_EQ(table->item(0, 0)->text().toInt(), s.figures[1][1].faites);
        EXPECT_EQ(table->item(0, 2)->text().toInt(), s.figures[1][1].barrees);
      }
      QSet<QWidget*> atteints;
      for (QWidget* w = mode; !atteints.contains(w); w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus && w->isVisible()) atteints.insert(w);
      for (auto* w : f->findChildren<QWidget*>()) {
        const bool partie = qobject_cast<GraphiqueScores*>(w) || qobject_cast<QTableWidget*>(w) ||
                            w->objectName() == "ResumeStatistiques" ||
                            w->objectName() == "ExporterCsv";
        EXPECT_TRUE(!partie ||
                    ((atteints.contains(w) || !w->isVisible()) && !w->accessibleName().isEmpty()))
            << w->metaObject()->className();
      }
      vue = true;
      QTest::keyClick(f, Qt::Key_Escape);
    });
    Touche(Qt::Key_F5);
    EXPECT_TRUE(vue);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  }
}

// H, O and R are the session's commands, from the keyboard's frame too. The coach's rings
// stand on exactly the square or dice of the advice the session shows, until the next gesture;
// the review is enabled once the game is over and lists the session's sentences, each with the
// sheet of its moment; a new game unticks the odds.
TEST_F(Gestes, TheCoachsMarksAndReviewShowWhatTheSessionReports) {
  Ouvrir(Langue::Anglais);
  NouvellePartie(1);
  const Session& s = fenetre->Jeu();
  auto marques = [&] {
    QStringList noms;
    for (QWidget* w : fenetre->findChildren<QWidget*>("CadreConseil"))
      if (auto* c = static_cast<ui::CadreConseil*>(w); c->isVisible())
        noms << c->Cible()->objectName() + (c->geometry() == c->Cible()->geometry() ? "" : "?");
    noms.sort();
    return noms;
  };
  auto conseilles = [&] {
    QStringList noms;
    const std::optional<ConseilEcran>& k = s.Ecran().conseil;
    for (int16_t i = 1; k && k->garder && i <= NbDes; ++i)
      if (k->des[i]) noms << Q(NomElement("ImageDé", i));
    if (k && !k->garder) noms << Q(NomCase(k->colonne, k->figure));
    noms.sort();
    return noms;
  };
  auto conseil = [&] {
    boites.oui = vue.oui = 1;
    Geste(
        [&] {
          Touche(Qt::Key_H);
          ASSERT_TRUE(QTest::qWaitFor([&] { return s.Ecran().conseil.has_value(); }, 30000));
        },
        [](Session& j) { j.DemanderConseil(); });
    EXPECT_TRUE(!marques().isEmpty() && marques() == conseilles());
  };
  Jeter("11234");
  conseil();
  for (const char* des : {"5", "6"}) {
    Geste([&] { Cliquer("ImageDé(5)"); }, [](Session& j) { j.ImageDe_MouseDown(5, 1); });
    EXPECT_TRUE(marques().isEmpty() && !W<QAction>("MenuRevue").isEnabled());
    Jeter(des);
  }
  Geste([&] { Frappe(Qt::Key_Down); }, [](Session& j) { j.SurvolerCase(1, 1); });
  conseil();
  for (int16_t f = 1; f <= NbFigures; ++f)
    if (!s.Etat().Cases(colonne::Libre, f).Prise) {
      EXPECT_FALSE(W<QAction>("MenuRevue").isEnabled());
      s.Etat().NbJets
          ? Geste([&] { Cliquer(NomCase(1, f)); }, [&](Session& j) { j.AppelCliqueCase(1, f); })
          : Ecrire("13456", colonne::Libre, f);
      EXPECT_TRUE(marques().isEmpty());
    }
  ASSERT_TRUE(s.RevuePossible() && W<QAction>("MenuRevue").isEnabled());
  Touche(Qt::Key_R);
  QDialog* revue = nullptr;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return (revue = fenetre->findChild<QDialog*>("FenetreRevue")) != nullptr; }, 30000));
  auto& liste = *revue->findChild<QListWidget*>();
  const auto& feuille = *revue->findChild<QTableWidget*>();
  ASSERT_TRUE(!s.Revue().empty() && liste.count() == int(s.Revue().size()));
  for (int i = 0; i < liste.count(); ++i) {
    EXPECT_EQ(liste.item(i)->text(), Q(s.TexteRevue(size_t(i))));
    EXPECT_EQ(liste.currentRow(), i);
    const conseil::Decision& d = s.Revue()[size_t(i)].decision;
    const ScoresColonne& libre = d.feuille.colonnes[colonne::Libre];
    EXPECT_EQ(feuille.horizontalHeaderItem(0)->text(), Q(NomColonne(colonne::Libre, s.langue())));
    for (int16_t f = 1; f <= NbFigures; ++f)
      EXPECT_EQ(feuille.verticalHeaderItem(f - 1)->text() + feuille.item(f - 1, 0)->text(),
                Q(NomFigure(f, s.langue())) +
                    (libre.ecrit[f] ? QString::number(libre.score[f]) : QString()));
    // The dice as they were, named as on the table; a die thrown again is faded.
    EtatPartie etat;
    std::tie(etat.Des, etat.DesGardes, etat.NbJets) =
        std::tuple(d.situation.des, d.situation.gardes, d.situation.jet);
    for (int16_t k = 1; k <= NbDes; ++k) {
      const QPixmap& de = revue->findChild<QLabel*>(Q(NomElement("DéRevue", k)))->pixmap();
      EXPECT_EQ(de.toImage() == ui::ImageModeleDe(etat.Des[k] - 1 + (s.Etat().TypeDes - 1) * 6,
                                                  de.deviceIndependentSize().toSize().width(),
                                                  de.devicePixelRatio())
                                    .toImage(),
                etat.DesGardes[k]);
      EXPECT_EQ(revue->findChild<QLabel*>(Q(NomElement("DéRevue", k)))->accessibleName(),
                Q(AccessibleDe(etat, k, s.langue()).nom));
    }
    QTest::keyClick(&liste, Qt::Key_Down);
  }
  QTest::keyClick(&liste, Qt::Key_Escape);
  EXPECT_FALSE(revue->isVisible());

  NouvellePartie(3);
  EXPECT_FALSE(W<QAction>("MenuChances").isChecked() || W<QAction>("MenuRevue").isEnabled());
  Jeter("11234");
  boites.oui = vue.oui = 1;
  for (bool coche : {true, false}) {
    Geste([&] { Touche(Qt::Key_O); }, [](Session& j) { j.BasculerChances(); });
    EXPECT_EQ(W<QAction>("MenuChances").isChecked(), coche);
  }
}

// A file that cannot be read is said so in the help window, naming it; once there, the file
// shows in that same window under its own title, read again at its top.
TEST(Aide, ShowsTheFileInOneWindowOrSaysWhyItCannot) {
  QTemporaryDir dossier;
  QWidget fenetre;
  const QString chemin = dossier.filePath(QStringLiteral("<i>aide.hlp"));
  QWidget* aide = OuvrirAide(&fenetre, chemin, Langue::Francais);
  auto* texte = aide->findChild<QTextBrowser*>();
  EXPECT_TRUE(texte->toPlainText().contains(QDir::toNativeSeparators(chemin)));

  QFile fichier(chemin);
  ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
  fichier.write("<html><head><title>Aide</title></head><body>");
  for (int i = 0; i < 200; ++i) fichier.write("<p>Sommaire</p>");
  fichier.close();
  aide->resize(300, 200);
  texte->verticalScrollBar()->setValue(texte->verticalScrollBar()->maximum());
  EXPECT_EQ(OuvrirAide(&fenetre, chemin, Langue::Francais), aide);
  EXPECT_TRUE(aide->windowTitle() == "Aide" && texte->toPlainText().startsWith("Sommaire"));
  EXPECT_TRUE(texte->verticalScrollBar()->maximum() > 0 &&
              texte->verticalScrollBar()->value() == 0);
}

// Every window stands where its layout puts it. Run again by CTest at QT_SCALE_FACTOR=2.
using Ecran = FenetreDeJeu;

// The start-up window has no frame but its own border, follows the dialog layout and names its
// controls in both languages; a language button, or the platform's close for French, opens the
// main window in that language, with every caption and fixed name of it. (The French button
// opens every other window test.)
TEST_F(Ecran, TheStartUpOpensTheWindowInTheLanguageChosenWithItsWords) {
  for (auto [langue, fermer] : {std::pair{Langue::Anglais, false}, {Langue::Francais, true}}) {
    Ouvrir(langue, fermer);
    FrmSplash& splash = demarrage->Splash();
    VerifierDialogue(splash);
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.grab().toImage().pixel(0, 0), splash.palette().color(QPalette::Shadow).rgb());
    EXPECT_EQ(Trouver<QLabel>(splash, "lblCompanyProduct")->text(), Q(TitreApplication));
    EXPECT_TRUE(Trouver<QLabel>(splash, "lblVersion")->text().endsWith(Q(TexteVersion)));
    for (const AccessibleDemarrage& d : AccessiblesDemarrage())
      VerifierNom(*Trouver<QWidget>(splash, d.controle),
                  {std::string(d.nom), std::string(d.description)});

    auto dans = [&](Fenetre f) -> QWidget& {
      return f == Fenetre::FormParams ? fenetre->Params() : static_cast<QWidget&>(*fenetre);
    };
    for (const rolvex::Legende& l : InitTextesLangue(langue).legendes) {
      QObject* o = TrouverControle(dans(l.fenetre), l.controle);
      if (!o || l.controle == "TextName") continue;
      QString vu = qobject_cast<QWidget*>(o) ? qobject_cast<QWidget*>(o)->windowTitle() : "";
      if (auto* p = qobject_cast<ui::Panneau*>(o)) vu = p->caption();
      if (auto* m = qobject_cast<QMenu*>(o)) vu = m->title();
      if (auto* a = qobject_cast<QAction*>(o)) vu = a->text();
      if (auto* g = qobject_cast<QGroupBox*>(o)) vu = g->title();
      if (auto* b = qobject_cast<QAbstractButton*>(o)) vu = b->text();
      EXPECT_EQ(vu, Q(l.texte)) << l.controle;
    }
    for (const AccessibleFixe& f : AccessiblesFixes())
      if (auto* w = Trouver<QWidget>(dans(f.fenetre), f.controle))
        VerifierNom(*w, {std::string(f.nom.pour(langue)), std::string(f.description.pour(langue))});
    for (Cote cote : {Cote::Gauche, Cote::Droite}) {
      for (int16_t i = 1; i <= NbFigures; ++i)
        VerifierNom(W<QWidget>(NomEtiquette(cote, i)), AccessibleEtiquette(i, langue));
      for (std::size_t i = 0; i < LignesTotaux.size(); ++i) {
        const int16_t ou = i < 2 ? bonus::Haut : bonus::Bas;
        VerifierNom(W<QWidget>(NomEtiquetteTotal(LignesTotaux[i], cote)),
                    i % 2 == 0 ? AccessibleEtiquetteTotal(ou, langue)
                               : AccessibleEtiquetteBonus(ou, langue));
      }
    }
    for (int16_t c = 1; c <= NbColonnesMax; ++c)
      VerifierNom(W<QWidget>(NomEntete(c)), AccessibleEntete(c, langue));
    for (int16_t i = 1; i <= NbDes; ++i)
      VerifierNom(W<QWidget>(NomElement("PanelDé", i)), AccessiblePlaceDe(i, langue));
  }
}

// The play area's controls, each made once, take their places, fonts and visibility from the
// layout, and their design's colours and fonts until the first game (a new game lays the play
// area out again through the same call, which the window's sizes check). The sheet is flat; the
// panels the player presses sink under any button. The name dialog follows the dialog layout,
// its margin below its buttons as on its other sides.
TEST_F(Ecran, EveryWidgetTakesItsPlaceAndDesignFromItsLayout) {
  Ouvrir();
  for (const auto& [nom, c] : fenetre->Jeu().Aire().Controles()) {
    const QWidget& w = W<QWidget>(nom);
    EXPECT_EQ(fenetre->findChildren<QWidget*>(Q(nom)).size(), 1) << nom;
    VerifierPlace(w, c.rect, c.police, true);
    EXPECT_TRUE(!c.montre || *c.montre == !w.isHidden()) << nom;
    const auto* p = qobject_cast<const ui::Panneau*>(&w);
    if (!p) continue;
    EXPECT_EQ(p->backColor(), c.design.fond.value_or(p->backColor())) << nom;
    EXPECT_TRUE(c.design.police.empty() || p->font().family() == Q(c.design.police)) << nom;
    EXPECT_EQ(p->font().bold(), c.design.gras) << nom;
  }
  FormParams& dialogue = fenetre->Params();
  EXPECT_EQ(dialogue.height(),
            W("PanelOkParams").geometry().bottom() + 1 + VerifierDialogue(dialogue));
  EXPECT_EQ(std::pair(W("PictureAireJeu").bevelOuter(), W("CaseLibre(1)").bevelOuter()),
            std::pair(ui::Panneau::SansBiseau, ui::Panneau::EnRelief));
  for (const char* nom :
       {"PanelStart", "PanelOkDé", "PanelNewGame", "PanelNewMode", "PanelEffacerScores"}) {
    QMouseEvent appui(QEvent::MouseButtonPress, QPointF(), QPointF(), Qt::RightButton,
                      Qt::RightButton, {});
    QApplication::sendEvent(&W<QWidget>(nom), &appui);
    EXPECT_EQ(W(nom).bevelOuter(), ui::Panneau::Enfonce) << nom;
  }
}

// Each size of the window lays its play area out again, mid-game and for the next game: every
// control stands where the layout of its client area puts it, the square written where its
// drawing in that layout does, all inside the client area, never below its smallest size.
TEST_F(Ecran, EachSizeOfTheWindowLaysThePlayAreaOutInItsClientArea) {
  Ouvrir();
  NouvellePartie(3);
  Ecrire("11123", colonne::Libre, figure::As);
  Jeter("12345", Qt::Key_Space);  // the keyboard's frame goes to the throw button, and stays
  const QWidget& cadre = *fenetre->findChild<QWidget*>("CadreFocus");
  fenetre->showNormal();
  const ui::EchelleTwips e = ui::EchelleTwips::DeLEcranPrincipal();
  const QWidget& client = *fenetre->centralWidget();
  for (QSize taille : {QSize(1000, 650), QSize(300, 200), QSize(1300, 500)}) {
    fenetre->resize(taille);
    if (taille.height() == 500) NouvellePartie(1);  // in the window as it now is
    ASSERT_EQ(fenetre->size(), taille.expandedTo(fenetre->minimumSize()));
    const AireJeu aire = DispositionZoneClient(e.TwipsX(client.width()), e.TwipsY(client.height()),
                                               fenetre->Etat().NbColonnes);
    const auto prise = DessinDeCase(fenetre->Etat(), aire, colonne::Libre, figure::As).apparence;
    for (const auto& [nom, c] : aire.Controles()) {
      const QWidget& w = W<QWidget>(nom);
      // Taken, the square is inset in its cell and keeps the font fitted to the cell.
      const bool k = nom == NomCase(colonne::Libre, figure::As);
      VerifierPlace(w, k ? prise->rect : c.rect, k ? std::nullopt : c.police, true);
      EXPECT_TRUE(!w.isVisibleTo(&client) ||
                  client.rect().contains(QRect(w.mapTo(&client, QPoint()), w.size())))
          << nom;
    }
    EXPECT_GE(e.TwipsY(client.height()), ZoneClientMinimale().hauteur);
    // The frame follows its control, until the mouse starts the new game.
    EXPECT_TRUE(taille.height() == 500 ||
                (cadre.isVisible() && cadre.geometry().contains(W("PanelOkDé").geometry())));
    VerifierEcran();
  }
}

// The name dialog opens centred over the main window, which answers nothing meanwhile, with
// the options on disk and the last name selected to be typed over; a click empties the box.
// OK and Enter are the session's command, a refused name is told over the dialog; cancel and
// Escape (the dialog's rejection, as is the platform's close) change nothing.
TEST_F(Gestes, TheNameDialogTakesTheOptionsOnDiskAndHandsTheSessionWhatItShows) {
  DonneesOptions donnees;
  donnees.ModeJeu = donnees.TypeDes = 2;
  donnees.NomJoueur = "Ana";
  ASSERT_TRUE(SauverOptions(environnement.Dossier(), donnees).Reussie());
  Ouvrir();
  FormParams& dialogue = fenetre->Params();
  // A title only: OK and cancel are its exits.
  EXPECT_FALSE(dialogue.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint));
  EXPECT_EQ(dialogue.Nom(), Q(fenetre->Jeu().NomJoueur()));
  EXPECT_EQ(dialogue.ModeSelectionne(), fenetre->Etat().ModeJeu);
  Geste([&] { Cliquer("PanelStart"); });
  EXPECT_TRUE(dialogue.isVisible() && dialogue.isEnabled());
  EXPECT_FALSE(fenetre->isEnabled() || W("PanelStart").isVisible());
  // Centred by the frame the platform draws around the dialog; odd sizes round by a pixel.
  EXPECT_LE(
      (dialogue.frameGeometry().center() - fenetre->frameGeometry().center()).manhattanLength(), 1);
  auto& nom = W<QLineEdit>("TextName");
  EXPECT_EQ(dialogue.focusWidget(), &nom);
  EXPECT_EQ(nom.selectedText(), Q("Ana"));
  QTest::keyClicks(&nom, QStringLiteral("Bartholomew-Anatole"));
  EXPECT_EQ(nom.text(), QStringLiteral("Bartholomew-"));
  QTest::mouseClick(&nom, Qt::LeftButton);
  EXPECT_EQ(nom.text(), "");
  Geste([&] { Cliquer("PanelOkParams"); }, [](Session& s) { s.PanelOkParams_Click("", 2); });
  EXPECT_EQ(boites.parents, std::vector<QWidget*>{&dialogue});
  QTest::keyClicks(&nom, QStringLiteral("Lea"));
  Geste([&] { QTest::keyClick(&nom, Qt::Key_Return, Qt::ControlModifier); });
  for (const std::function<void()>& annuler : std::initializer_list<std::function<void()>>{
           [&] { QTest::keyClick(&nom, Qt::Key_Escape); }, [&] { Cliquer("PanelCancelParams"); }}) {
    Geste(annuler);
    EXPECT_TRUE(!dialogue.isVisible() && fenetre->isEnabled());
    Touche(Qt::Key_F2);
    EXPECT_EQ(nom.text(), QStringLiteral("Lea"));
  }
  Geste([&] { QTest::keyClick(&nom, Qt::Key_Return); },
        [](Session& s) { s.PanelOkParams_Click("Lea", 2); });
  EXPECT_TRUE(!dialogue.isVisible() && fenetre->isEnabled());
}

}  // namespace
}  // namespace rolvex::app
