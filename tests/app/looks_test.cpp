// How the windows look at the sizes players have: dice, menus, the high-score cells and the
// name dialog's frame.
#include <QMenuBar>
#include <QPainter>

#include "playarea/layout.h"
#include "tests/app/window_fixture.h"
#include "ui/fonts.h"

namespace rolvex::app {
namespace {

// Screens in twips at 96 DPI: 640 × 480, 800 × 600, 1366 × 768, 1920 × 1080, 2560 × 1440.
const QSizeF Ecran640(9600, 7200);
const QSizeF Ecran800(12000, 9000);
const QSizeF Ecran1366(20490, 11520);
const QSizeF Ecran1920(28800, 16200);
const QSizeF Ecran2560(38400, 21600);

// A main window laid out for `écran`, whatever the screen the test runs on.
struct FenetrePour {
  EnvironnementDeTest environnement;
  std::unique_ptr<FormRolvex> fenetre;

  explicit FenetrePour(QSizeF ecran, const DonneesOptions* donnees = nullptr) {
    if (donnees) {
      EcrireOctets(environnement.Options(), EncoderFichierOptions(*donnees));
      EcrireOctets(environnement.Noms(), EncoderFichierNoms(*donnees));
    }
    fenetre = std::make_unique<FormRolvex>(Langue::Francais, ecran, environnement.Pour());
    fenetre->AfficherPleinEcran();
  }
  template <typename T = ui::Panneau>
  T& W(std::string_view nom) {
    return Controle<T>(*fenetre, nom);
  }
  void NouvellePartie() {
    fenetre->AppelPreNouveau();
    W<QLineEdit>("TextName").setText(QStringLiteral("Zoé"));
    QTest::mouseClick(&W<QWidget>("PanelOkParams"), Qt::LeftButton);
  }
};

// A die is drawn as a square centred in its place, whatever the shape of the place.

// What a picture shows, on a background no die has.
QImage Rendu(QWidget& widget) {
  const QColor Fond(255, 0, 255);
  QImage rendu(widget.size(), QImage::Format_ARGB32);
  rendu.fill(Fond);
  widget.render(&rendu, QPoint(), QRegion(), QWidget::DrawChildren);
  return rendu;
}
bool EstFond(QRgb pixel) { return pixel == qRgb(255, 0, 255); }

TEST(DeDansSaPlace, StaysSquareAndCentredInAPlaceWiderThanTall) {
  ui::Image place;
  place.resize(60, 40);
  place.setPicture(ui::ImageModeleDe(0, 40, 1));
  const QImage rendu = Rendu(place);
  int debut = -1;
  int largeur = 0;
  for (int x = 0; x < rendu.width(); ++x)
    if (!EstFond(rendu.pixel(x, 20))) {
      if (debut < 0) debut = x;
      ++largeur;
    }
  EXPECT_EQ(largeur, 40);
  EXPECT_EQ(debut, 10);
  // The die fills the height: the place's top and bottom rows are the die's.
  EXPECT_FALSE(EstFond(rendu.pixel(30, 0)));
  EXPECT_FALSE(EstFond(rendu.pixel(30, 39)));
}

TEST(DeDansSaPlace, StaysSquareAndCentredInAPlaceTallerThanWide) {
  ui::Image place;
  place.resize(40, 61);
  place.setPicture(ui::ImageDeVide(40, 1));
  const QImage rendu = Rendu(place);
  EXPECT_TRUE(EstFond(rendu.pixel(20, 9)));
  EXPECT_FALSE(EstFond(rendu.pixel(20, 11)));
  EXPECT_FALSE(EstFond(rendu.pixel(20, 49)));
  EXPECT_TRUE(EstFond(rendu.pixel(20, 52)));
}

TEST(DeDansSaPlace, FaceStandsInTheMiddleOfItsPanelOnWideScreens) {
  for (QSizeF ecran : {Ecran1366, Ecran1920, Ecran2560}) {
    const AireJeu aire(ecran.width(), ecran.height());
    for (int i = 1; i <= NbDes; ++i) {
      const Rect& panneau = aire[NomElement("PanelDé", i)].rect;
      const Rect& face = aire[NomElement("ImageDé", i)].rect;
      EXPECT_FLOAT_EQ(face.Left, (panneau.Width - face.Width) / 2) << ecran.width() << " " << i;
      EXPECT_FLOAT_EQ(face.Top, face.Left) << ecran.width() << " " << i;
    }
  }
}

TEST(DeDansSaPlace, FaceIsDrawnInTheMiddleOfItsPanelOnA1920By1080Screen) {
  FenetrePour f(Ecran1920);
  f.NouvellePartie();
  for (int i = 1; i <= NbDes; ++i) {
    const QWidget& face = f.W<QWidget>(NomElement("ImageDé", i));
    const QWidget& panneau = f.W<QWidget>(NomElement("PanelDé", i));
    const QRect g = face.geometry();
    EXPECT_LE(std::abs(g.left() - (panneau.width() - 1 - g.right())), 1) << i;
    EXPECT_LE(std::abs(g.top() - (panneau.height() - 1 - g.bottom())), 1) << i;
  }
}

// The menus grow with the screen like every other font, never below the platform's size.

double PointsParDefaut() { return QMenuBar().font().pointSizeF(); }

TEST(PoliceDesMenus, GrowsWithTheSmallerRatioOfTheScreen) {
  FenetrePour f(Ecran1920);  // ratios 2.4 and 1.8
  EXPECT_NEAR(f.fenetre->menuBar()->font().pointSizeF(), PointsParDefaut() * 1.8, 0.01);
}

TEST(PoliceDesMenus, OpenMenusTakeTheFontOfTheBar) {
  FenetrePour f(Ecran1366);
  const double barre = f.fenetre->menuBar()->font().pointSizeF();
  EXPECT_GT(barre, PointsParDefaut() * 1.2);
  for (std::string_view nom : {"MenuJeu", "MenuOptions", "MenuChoixDés", "MenuAide"})
    EXPECT_DOUBLE_EQ(f.W<QMenu>(nom).font().pointSizeF(), barre) << nom;
}

TEST(PoliceDesMenus, KeepsThePlatformsSizeOnSmallScreens) {
  for (QSizeF ecran : {Ecran800, Ecran640}) {
    FenetrePour f(ecran);
    EXPECT_DOUBLE_EQ(f.fenetre->menuBar()->font().pointSizeF(), PointsParDefaut()) << ecran.width();
  }
}

TEST(PoliceDesMenus, GrownMenuBarStillLeavesTheDiceAreaOnTheScreen) {
  const int barreTitre = 30;
  for (QSizeF ecran : {Ecran1366, Ecran1920, Ecran2560}) {
    FenetrePour f(ecran);
    const ui::EchelleTwips echelle = ui::EchelleTwips::DeLEcranPrincipal();
    const QWidget& zone = f.W<QWidget>("SuperPanelDés");
    const int bas = f.fenetre->menuBar()->sizeHint().height() + zone.geometry().bottom() + 1;
    EXPECT_LE(bas + barreTitre, echelle.PixelsY(ecran.height())) << ecran.width();
  }
}

// A high-score cell shows the whole of its text: a long name or a time shrinks to fit.

DonneesOptions ScoresLongs() {
  DonneesOptions d;
  d.ModeJeu = 3;
  d.NomJoueur = "Zoé";
  const char* noms[] = {"WWWWWWWWWWWW", "Marie Claire", "MMMMMMMMMMMM", "Jean-Baptist"};
  for (int mode = 1; mode <= NbModes; ++mode)
    for (int place = 1; place <= NbPlaces; ++place)
      d.Scores[mode][place] = {noms[place % 4], static_cast<int16_t>(3000 - 100 * place),
                               place % 2 ? 300 : 3599, static_cast<int16_t>(40 + place)};
  return d;
}

// Whether text of the cell's colour lies against the edge of its text, where a cut one would.
bool TexteAuBord(ui::Panneau& cellule) {
  const QImage rendu = cellule.grab().toImage().convertToFormat(QImage::Format_ARGB32);
  const qreal ratio = rendu.devicePixelRatio();
  const int bord = qRound(2 * ratio);  // the bevel and the caption's margin
  for (int y = bord; y < rendu.height() - bord; ++y)
    for (int x : {bord, rendu.width() - 1 - bord}) {
      const QColor c = rendu.pixelColor(x, y);
      if (c.blue() - c.red() > 80) return true;  // the blue of the scores, little blended
    }
  return false;
}

TEST(CellulesDesScores, ShowLongNamesAndTimesWholeAtEverySize) {
  const DonneesOptions donnees = ScoresLongs();
  for (QSizeF ecran : {Ecran640, Ecran800, Ecran1366, Ecran1920}) {
    FenetrePour f(ecran, &donnees);
    f.NouvellePartie();
    Trouver<QAction>(*f.fenetre, "MenuVoirScores")->trigger();
    ASSERT_TRUE(f.W<QWidget>("SuperPanelScore").isVisible());
    for (int rang = 1; rang <= NbPlaces; ++rang)
      for (const char* famille : {"PanelScoreNom", "PanelScoreTemps", "PanelScoreScore"}) {
        ui::Panneau& cellule = f.W(NomElement(famille, rang));
        ASSERT_FALSE(cellule.caption().isEmpty());
        EXPECT_FALSE(TexteAuBord(cellule))
            << ecran.width() << " " << famille << rang << " " << cellule.caption().toStdString();
        EXPECT_EQ(cellule.lignesAffichees().size(), 1) << famille << rang;
      }
  }
}

TEST(CellulesDesScores, ShortTextKeepsItsDesignedFont) {
  ui::Panneau cellule;
  cellule.resize(120, 26);
  cellule.setFontSize(10);
  cellule.setShrinkToFit(true);
  cellule.setCaption(QStringLiteral("Zoé"));
  EXPECT_DOUBLE_EQ(cellule.policeAffichee().pointSizeF(), 10);
  cellule.setCaption(QStringLiteral("WWWWWWWWWWWW"));
  const QFont petite = cellule.policeAffichee();
  EXPECT_LT(petite.pointSizeF(), 10);
  EXPECT_LE(QFontMetrics(petite).horizontalAdvance(cellule.caption()),
            cellule.width() - 2 * ui::MargeLegende);
  // The panel keeps its own font for the next, shorter text.
  EXPECT_DOUBLE_EQ(cellule.font().pointSizeF(), 10);
}

// The name dialog shows only its title: OK and cancel are its exits; a platform's close
// command still cancels.

class CadreDuDialogue : public FenetreDeJeu {};

TEST_F(CadreDuDialogue, HasATitleAndNoBoxAtAll) {
  Ouvrir();
  const Qt::WindowFlags drapeaux = fenetre->Params().windowFlags();
  EXPECT_EQ(drapeaux & Qt::WindowType_Mask, Qt::Dialog);
  EXPECT_TRUE(drapeaux.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(drapeaux.testFlag(Qt::CustomizeWindowHint));  // no box the platform would add
  EXPECT_FALSE(drapeaux.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(drapeaux.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(drapeaux.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(CadreDuDialogue, ThePlatformsCloseCancelsAndGivesTheMainWindowBack) {
  Ouvrir();
  NouvellePartie(1);
  Jeter("12345");
  fenetre->AppelPreNouveau();
  CocherMode(3);
  W<QLineEdit>("TextName").setText(QStringLiteral("Autre"));
  ASSERT_FALSE(fenetre->isEnabled());
  EXPECT_TRUE(fenetre->Params().close());
  EXPECT_FALSE(fenetre->Params().isVisible());
  EXPECT_TRUE(fenetre->isEnabled());
  EXPECT_EQ(fenetre->Etat().ModeJeu, 1);
  EXPECT_EQ(Q(fenetre->Jeu().NomJoueur()), QStringLiteral("Zoé"));
  EXPECT_EQ(fenetre->Etat().NbJets, 1);  // the game goes on where it was
}

}  // namespace
}  // namespace rolvex::app
