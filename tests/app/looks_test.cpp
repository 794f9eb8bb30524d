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
const QSizeF Écran640(9600, 7200);
const QSizeF Écran800(12000, 9000);
const QSizeF Écran1366(20490, 11520);
const QSizeF Écran1920(28800, 16200);
const QSizeF Écran2560(38400, 21600);

// A main window laid out for `écran`, whatever the screen the test runs on.
struct FenêtrePour {
  DéÉquitable dé{11};
  EnvironnementDeTest environnement;
  std::unique_ptr<FormRolvex> fenêtre;

  explicit FenêtrePour(QSizeF écran, const DonnéesOptions* données = nullptr) {
    if (données) {
      ÉcrireOctets(environnement.Options(), EncoderFichierOptions(*données));
      ÉcrireOctets(environnement.Noms(), EncoderFichierNoms(*données));
    }
    fenêtre = std::make_unique<FormRolvex>(Langue::Français, dé, écran, environnement.Pour());
    fenêtre->AfficherPleinÉcran();
  }
  template <typename T = ui::Panneau>
  T& W(std::string_view nom) {
    return Contrôle<T>(*fenêtre, nom);
  }
  void NouvellePartie() {
    fenêtre->AppelPréNouveau();
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

TEST(DéDansSaPlace, StaysSquareAndCentredInAPlaceWiderThanTall) {
  ui::Image place;
  place.resize(60, 40);
  place.setPicture(ui::ImageModèleDé(0, 40, 1));
  const QImage rendu = Rendu(place);
  int début = -1;
  int largeur = 0;
  for (int x = 0; x < rendu.width(); ++x)
    if (!EstFond(rendu.pixel(x, 20))) {
      if (début < 0) début = x;
      ++largeur;
    }
  EXPECT_EQ(largeur, 40);
  EXPECT_EQ(début, 10);
  // The die fills the height: the place's top and bottom rows are the die's.
  EXPECT_FALSE(EstFond(rendu.pixel(30, 0)));
  EXPECT_FALSE(EstFond(rendu.pixel(30, 39)));
}

TEST(DéDansSaPlace, StaysSquareAndCentredInAPlaceTallerThanWide) {
  ui::Image place;
  place.resize(40, 61);
  place.setPicture(ui::ImageDéVide(40, 1));
  const QImage rendu = Rendu(place);
  EXPECT_TRUE(EstFond(rendu.pixel(20, 9)));
  EXPECT_FALSE(EstFond(rendu.pixel(20, 11)));
  EXPECT_FALSE(EstFond(rendu.pixel(20, 49)));
  EXPECT_TRUE(EstFond(rendu.pixel(20, 52)));
}

TEST(DéDansSaPlace, FaceStandsInTheMiddleOfItsPanelOnWideScreens) {
  for (QSizeF écran : {Écran1366, Écran1920, Écran2560}) {
    const AireJeu aire(écran.width(), écran.height());
    for (int i = 1; i <= NbDés; ++i) {
      const Rect& panneau = aire[NomÉlément("PanelDé", i)].rect;
      const Rect& face = aire[NomÉlément("ImageDé", i)].rect;
      EXPECT_FLOAT_EQ(face.Left, (panneau.Width - face.Width) / 2) << écran.width() << " " << i;
      EXPECT_FLOAT_EQ(face.Top, face.Left) << écran.width() << " " << i;
    }
  }
}

TEST(DéDansSaPlace, FaceIsDrawnInTheMiddleOfItsPanelOnA1920By1080Screen) {
  FenêtrePour f(Écran1920);
  f.NouvellePartie();
  for (int i = 1; i <= NbDés; ++i) {
    const QWidget& face = f.W<QWidget>(NomÉlément("ImageDé", i));
    const QWidget& panneau = f.W<QWidget>(NomÉlément("PanelDé", i));
    const QRect g = face.geometry();
    EXPECT_LE(std::abs(g.left() - (panneau.width() - 1 - g.right())), 1) << i;
    EXPECT_LE(std::abs(g.top() - (panneau.height() - 1 - g.bottom())), 1) << i;
  }
}

// The menus grow with the screen like every other font, never below the platform's size.

double PointsParDéfaut() { return QMenuBar().font().pointSizeF(); }

TEST(PoliceDesMenus, GrowsWithTheSmallerRatioOfTheScreen) {
  FenêtrePour f(Écran1920);  // ratios 2.4 and 1.8
  EXPECT_NEAR(f.fenêtre->menuBar()->font().pointSizeF(), PointsParDéfaut() * 1.8, 0.01);
}

TEST(PoliceDesMenus, OpenMenusTakeTheFontOfTheBar) {
  FenêtrePour f(Écran1366);
  const double barre = f.fenêtre->menuBar()->font().pointSizeF();
  EXPECT_GT(barre, PointsParDéfaut() * 1.2);
  for (std::string_view nom : {"MenuJeu", "MenuOptions", "MenuChoixDés", "MenuAide"})
    EXPECT_DOUBLE_EQ(f.W<QMenu>(nom).font().pointSizeF(), barre) << nom;
}

TEST(PoliceDesMenus, KeepsThePlatformsSizeOnSmallScreens) {
  for (QSizeF écran : {Écran800, Écran640}) {
    FenêtrePour f(écran);
    EXPECT_DOUBLE_EQ(f.fenêtre->menuBar()->font().pointSizeF(), PointsParDéfaut()) << écran.width();
  }
}

TEST(PoliceDesMenus, GrownMenuBarStillLeavesTheDiceAreaOnTheScreen) {
  const int barreTitre = 30;
  for (QSizeF écran : {Écran1366, Écran1920, Écran2560}) {
    FenêtrePour f(écran);
    const ui::ÉchelleTwips échelle = ui::ÉchelleTwips::DeLÉcranPrincipal();
    const QWidget& zone = f.W<QWidget>("SuperPanelDés");
    const int bas = f.fenêtre->menuBar()->sizeHint().height() + zone.geometry().bottom() + 1;
    EXPECT_LE(bas + barreTitre, échelle.PixelsY(écran.height())) << écran.width();
  }
}

// A high-score cell shows the whole of its text: a long name or a time shrinks to fit.

DonnéesOptions ScoresLongs() {
  DonnéesOptions d;
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
  const DonnéesOptions données = ScoresLongs();
  for (QSizeF écran : {Écran640, Écran800, Écran1366, Écran1920}) {
    FenêtrePour f(écran, &données);
    f.NouvellePartie();
    Trouver<QAction>(*f.fenêtre, "MenuVoirScores")->trigger();
    ASSERT_TRUE(f.W<QWidget>("SuperPanelScore").isVisible());
    for (int rang = 1; rang <= NbPlaces; ++rang)
      for (const char* famille : {"PanelScoreNom", "PanelScoreTemps", "PanelScoreScore"}) {
        ui::Panneau& cellule = f.W(NomÉlément(famille, rang));
        ASSERT_FALSE(cellule.caption().isEmpty());
        EXPECT_FALSE(TexteAuBord(cellule))
            << écran.width() << " " << famille << rang << " " << cellule.caption().toStdString();
        EXPECT_EQ(cellule.lignesAffichées().size(), 1) << famille << rang;
      }
  }
}

TEST(CellulesDesScores, ShortTextKeepsItsDesignedFont) {
  ui::Panneau cellule;
  cellule.resize(120, 26);
  cellule.setFontSize(10);
  cellule.setShrinkToFit(true);
  cellule.setCaption(QStringLiteral("Zoé"));
  EXPECT_DOUBLE_EQ(cellule.policeAffichée().pointSizeF(), 10);
  cellule.setCaption(QStringLiteral("WWWWWWWWWWWW"));
  const QFont petite = cellule.policeAffichée();
  EXPECT_LT(petite.pointSizeF(), 10);
  EXPECT_LE(QFontMetrics(petite).horizontalAdvance(cellule.caption()),
            cellule.width() - 2 * ui::MargeLégende);
  // The panel keeps its own font for the next, shorter text.
  EXPECT_DOUBLE_EQ(cellule.font().pointSizeF(), 10);
}

// The name dialog shows only its title: OK and cancel are its exits; a platform's close
// command still cancels.

class CadreDuDialogue : public FenêtreDeJeu {};

TEST_F(CadreDuDialogue, HasATitleAndNoBoxAtAll) {
  Ouvrir();
  const Qt::WindowFlags drapeaux = fenêtre->Params().windowFlags();
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
  fenêtre->AppelPréNouveau();
  CocherMode(3);
  W<QLineEdit>("TextName").setText(QStringLiteral("Autre"));
  ASSERT_FALSE(fenêtre->isEnabled());
  EXPECT_TRUE(fenêtre->Params().close());
  EXPECT_FALSE(fenêtre->Params().isVisible());
  EXPECT_TRUE(fenêtre->isEnabled());
  EXPECT_EQ(fenêtre->État().ModeJeu, 1);
  EXPECT_EQ(fenêtre->NomJoueur(), QStringLiteral("Zoé"));
  EXPECT_EQ(fenêtre->État().NbJets, 1);  // the game goes on where it was
}

}  // namespace
}  // namespace rolvex::app
