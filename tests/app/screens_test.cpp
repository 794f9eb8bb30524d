#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

#include "app/splash_window.h"
#include "tests/app/window_fixture.h"
#include "ui/fonts.h"

namespace rolvex::app {
namespace {

// Every widget stands at the rectangle the session's play area gives it, converted to pixels
// by the screen's twips, shown or hidden as the layout says, in its design's colours and fonts,
// which never grow beyond the design nor overflow their place. Each new game centres the sheet
// in the window as wide as it then is. Run again by CTest at QT_SCALE_FACTOR=2.
class Ecran : public FenetreDeJeu {
 protected:
  void VerifierDisposition(bool avantLaPartie) {
    for (const auto& [nom, c] : fenetre->Jeu().Aire().Controles()) {
      const QWidget& w = W<QWidget>(nom);
      EXPECT_EQ(fenetre->findChildren<QWidget*>(Q(nom)).size(), 1) << nom;  // none left unplaced
      EXPECT_EQ(w.geometry(), EnPixels(c.rect)) << nom;
      EXPECT_TRUE(!c.montre || *c.montre == !w.isHidden()) << nom;
      EXPECT_LE(w.font().pointSizeF(), std::max(1.0, double{c.police.value_or(1e6)})) << nom;
      EXPECT_LE(QFontMetrics(w.font()).height(), c.police ? w.height() : 1e6) << nom;
      const auto* p = qobject_cast<const ui::Panneau*>(&w);
      if (!p || !avantLaPartie) continue;
      EXPECT_EQ(p->backColor(), c.design.fond.value_or(p->backColor())) << nom;
      EXPECT_TRUE(c.design.police.empty() || p->font().family() == Q(c.design.police)) << nom;
      EXPECT_EQ(p->font().bold(), c.design.gras) << nom;
    }
  }
};

TEST_F(Ecran, EveryWidgetTakesItsPlaceAndDesignFromThePlayArea) {
  Ouvrir();
  VerifierDisposition(true);
  for (int16_t mode : {1, 2, 3}) {
    NouvellePartie(mode);
    VerifierDisposition(false);
  }
  fenetre->showNormal();
  fenetre->setGeometry(fenetre->geometry().adjusted(0, 0, -fenetre->width() / 4, 0));
  QTest::qWait(20);
  NouvellePartie(1);
  VerifierDisposition(false);
  EXPECT_NEAR(W<QWidget>("PictureAireJeu").geometry().center().x(),
              fenetre->centralWidget()->width() / 2, 1);
  // The sheet is flat; the panels the player presses sink under any button until released.
  EXPECT_EQ(std::pair(W("PictureAireJeu").bevelOuter(), W("CaseLibre(1)").bevelOuter()),
            std::pair(ui::Panneau::SansBiseau, ui::Panneau::EnRelief));
  for (const char* nom :
       {"PanelStart", "PanelOkDé", "PanelNewGame", "PanelNewMode", "PanelEffacerScores"}) {
    for (auto [type, bas, biseau] :
         {std::tuple{QEvent::MouseButtonPress, Qt::RightButton, ui::Panneau::Enfonce},
          {QEvent::MouseButtonRelease, Qt::NoButton, ui::Panneau::EnRelief}}) {
      QMouseEvent souris(type, QPointF(-1, -1), QPointF(-1, -1), Qt::RightButton, bas, {});
      QApplication::sendEvent(&W<QWidget>(nom), &souris);
      EXPECT_EQ(W(nom).bevelOuter(), biseau) << nom;
    }
  }
}

// The menus grow with the smaller ratio of the screen, never below the platform's size, and the
// window still fits a wide screen under its title bar. The throw button keeps its designed font
// on the design's screen and shrinks on a wide one to its flatter place; on a small screen the
// high-score cells of fixed shape still show their widest captions whole.
TEST(EcranLarge, MenusAndFontsFollowTheScreenAndTheWindowStillFits) {
  const double platforme = QMenuBar().font().pointSizeF();
  for (QSizeF ecran : {QSizeF(9600, 7200), QSizeF(12000, 9000), QSizeF(28800, 16200)}) {
    EnvironnementDeTest environnement;
    FormRolvex fenetre(Langue::Francais, ecran, environnement.Pour());
    const RatiosEcran r = Ratios(ecran.width(), ecran.height());
    const QFont police = fenetre.menuBar()->font();
    EXPECT_NEAR(police.pointSizeF(),
                platforme * std::max(1.0, std::min(r.RatioLargeur, r.RatioHauteur)), 0.01);
    for (const QMenu* menu : fenetre.menuBar()->findChildren<QMenu*>())
      EXPECT_EQ(menu->font(), police);
    const int barreTitre = 30;
    const int bas = Trouver<QWidget>(fenetre, "SuperPanelDés")->geometry().bottom() + 1;
    EXPECT_LE(fenetre.menuBar()->sizeHint().height() + bas + barreTitre,
              ui::EchelleTwips::DeLEcranPrincipal().PixelsY(ecran.height()));
    const double ok = Trouver<QWidget>(fenetre, "PanelOkDé")->font().pointSizeF();
    const bool large = ecran.width() > 12000;
    EXPECT_EQ(ok < *fenetre.Jeu().Aire()["PanelOkDé"].police, large) << ok;
    for (Famille famille : Familles)
      for (int rang = 1; rang <= NbPlaces && famille != Famille::PanelScoreNom; ++rang) {
        const ui::Panneau& k =
            *Trouver<SuperPanelScore>(fenetre, "SuperPanelScore")->Cellule(famille, rang);
        const QString texte = Q(LegendeCelluleScore(famille, NbPlaces, {"", 8888, 3599, 42}));
        EXPECT_LE(QFontMetrics(k.font()).horizontalAdvance(texte), k.width() - 2 * ui::MargeLegende)
            << k.objectName().toStdString() << " " << ecran.width();
      }
  }
}

// The controls of a dialog stand where the dialog layout of the screen puts them, its window
// as wide; returns the dialogs' margin in pixels.
int VerifierDialogue(QWidget& fenetre) {
  const RatiosEcran r = Ratios(TailleEcranJeu().width(), TailleEcranJeu().height());
  const DispositionDialogues d = AdapterFenetresEcran(r.RatioLargeur, r.RatioHauteur);
  const ui::EchelleTwips echelle = ui::EchelleTwips::DeLEcranPrincipal();
  int places = 0;
  for (const ControleDialogue& c : ControlesDialogues(d)) {
    const auto* w = Trouver<QWidget>(fenetre, c.nom);
    if (!w) continue;
    const QRect attendu = echelle.EnPixels(EnTwips(c.rect));
    EXPECT_EQ(w == &fenetre ? QRect(QPoint(), QSize(w->width(), attendu.height())) : w->geometry(),
              attendu)
        << c.nom;
    EXPECT_EQ(w->font().pointSizeF(),
              std::max(1.0, double{c.police.value_or(w->font().pointSizeF())}));
    ++places;
  }
  EXPECT_GE(places, 6);
  return echelle.PixelsY(d.m);
}

// What a control shows of the caption the language tables give it.
QString TexteDe(QObject& o) {
  if (auto* p = qobject_cast<ui::Panneau*>(&o)) return p->caption();
  if (auto* m = qobject_cast<QMenu*>(&o)) return m->title();
  if (auto* a = qobject_cast<QAction*>(&o)) return a->text();
  if (auto* g = qobject_cast<QGroupBox*>(&o)) return g->title();
  if (auto* b = qobject_cast<QAbstractButton*>(&o)) return b->text();
  return qobject_cast<QWidget*>(&o)->windowTitle();
}

// The start-up window has no frame but its own border, follows the dialog layout and names its
// controls in both languages; a language button, or the platform's close for French, opens the
// main window in that language, with every caption and fixed name of it.
TEST(EcranDeDemarrage, OpensTheMainWindowInTheLanguageChosen) {
  for (const auto& [bouton, langue] : {std::pair{"PanelStartEnglish", Langue::Anglais},
                                       {"PanelStartFrench", Langue::Francais},
                                       {"", Langue::Francais}}) {
    EnvironnementDeTest environnement;
    Demarrage demarrage(TailleEcranJeu(), environnement.Pour());
    demarrage.Lancer();
    FrmSplash& splash = demarrage.Splash();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    VerifierDialogue(splash);
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.grab().toImage().pixel(0, 0), splash.palette().color(QPalette::Shadow).rgb());
    const auto& logo = *Trouver<ui::Image>(splash, "imgLogo");
    const qreal ratio = splash.windowHandle()->devicePixelRatio();
    EXPECT_EQ(logo.picture().devicePixelRatio(), ratio);
    EXPECT_EQ(logo.picture().width(), qRound(std::min(logo.width(), logo.height()) * ratio));
    EXPECT_EQ(Trouver<QLabel>(splash, "lblCompanyProduct")->text(), Q(TitreApplication));
    EXPECT_TRUE(Trouver<QLabel>(splash, "lblVersion")->text().endsWith(Q(TexteVersion)));
    for (const AccessibleDemarrage& d : AccessiblesDemarrage())
      EXPECT_EQ(Trouver<QWidget>(splash, d.controle)->accessibleName(), Q(d.nom));

    if (*bouton) QTest::mouseClick(Trouver<QWidget>(splash, bouton), Qt::LeftButton);
    if (!*bouton) splash.windowHandle()->close();
    FormRolvex* principale = demarrage.Principale();
    ASSERT_NE(principale, nullptr);
    EXPECT_TRUE(!splash.isVisible() && principale->isMaximized() && principale->langue() == langue);
    auto dans = [&](Fenetre f) -> QWidget& {
      return f == Fenetre::FormParams ? principale->Params() : static_cast<QWidget&>(*principale);
    };
    for (const Legende& l : InitTextesLangue(langue).legendes) {
      QObject* controle = TrouverControle(dans(l.fenetre), l.controle);
      EXPECT_TRUE(!controle || l.controle == "TextName" || TexteDe(*controle) == Q(l.texte))
          << l.controle;
    }
    std::vector<std::pair<QWidget*, TexteAccessible>> fixes;
    for (const AccessibleFixe& f : AccessiblesFixes())
      fixes.push_back({Trouver<QWidget>(dans(f.fenetre), f.controle),
                       {std::string(f.nom.pour(langue)), std::string(f.description.pour(langue))}});
    for (int16_t i = 1; i <= NbFigures; ++i)
      for (Cote cote : {Cote::Gauche, Cote::Droite})
        fixes.push_back(
            {Trouver<QWidget>(*principale, NomEtiquette(cote, i)), AccessibleEtiquette(i, langue)});
    for (int16_t c = 1; c <= NbColonnesMax; ++c)
      fixes.push_back({Trouver<QWidget>(*principale, NomEntete(c)), AccessibleEntete(c, langue)});
    for (int16_t i = 1; i <= NbDes; ++i)
      fixes.push_back(
          {Trouver<QWidget>(*principale, NomElement("PanelDé", i)), AccessiblePlaceDe(i, langue)});
    for (const auto& [w, texte] : fixes)
      if (w) VerifierNom(*w, texte);
  }
}

// The name dialog opens centred over the main window, which answers nothing meanwhile, with
// the options on disk and the last name selected to be typed over; a click empties the box.
// OK and Enter are the session's command, a refused name is told over the dialog; cancel,
// Escape and the platform's close change nothing.
using DialogueNom = FenetreDeJeu;

TEST_F(DialogueNom, TakesTheOptionsOnDiskAndHandsTheSessionWhatItShows) {
  DonneesOptions donnees;
  donnees.ModeJeu = donnees.TypeDes = 2;
  donnees.NomJoueur = "Ana";
  ASSERT_TRUE(SauverOptions(environnement.Dossier(), donnees).Reussie());
  Ouvrir();
  jumeau->ChoisirMode(2);
  jumeau->ChoisirFaces(2);
  FormParams& dialogue = fenetre->Params();
  EXPECT_EQ(dialogue.height(),
            W("PanelOkParams").geometry().bottom() + 1 + VerifierDialogue(dialogue));
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
  {
    RepondeurBoites boites;
    Geste([&] { Cliquer("PanelOkParams"); }, [](Session& s) { s.PanelOkParams_Click("", 2); });
    ASSERT_EQ(boites.vues.size(), 1u);
    EXPECT_EQ(boites.vues[0].texte, Boite(MsgNomVide(Langue::Francais)));
    EXPECT_EQ(boites.vues[0].parent, &dialogue);
  }
  QTest::keyClicks(&nom, QStringLiteral("Lea"));
  Geste([&] { QTest::keyClick(&nom, Qt::Key_Return, Qt::ControlModifier); });
  for (const std::function<void()>& annuler : std::initializer_list<std::function<void()>>{
           [&] { QTest::keyClick(&nom, Qt::Key_Escape); }, [&] { dialogue.close(); },
           [&] { Cliquer("PanelCancelParams"); }}) {
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
