// The thin layer between Qt and the game: panels, pictures, captions, fonts, twips and boxes.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>
#include <functional>

#include "tests/ui/qt_print.h"
#include "ui/dice_pictures.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/text.h"
#include "ui/twips.h"

namespace rolvex::ui {
namespace {

const QPoint Dehors(-5, -5);
const QColor Lumiere(255, 255, 255), Ombre(128, 128, 128);

class Panneaux : public testing::Test {
 protected:
  void SetUp() override {
    fenetre.resize(300, 120);
    panneau->setGeometry(10, 10, 120, 40);
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
  }
  QImage Rendu() const { return panneau->grab().toImage(); }
  QWidget fenetre;
  Panneau* panneau = new Panneau(&fenetre);
};

// A panel used as a button sinks under any mouse button and rises on its release, wherever it
// happens, before it clicks (a click may open a modal box) and when hidden while pressed. A
// click is a left press and release inside; every button reports the game's codes 1, 2, 4.
// The pointer is the platform's code.
TEST_F(Panneaux, AButtonSinksWhilePressedAndClicksOnlyOnALeftPressAndReleaseInside) {
  QSignalSpy clics(panneau, &Panneau::clicked), appuis(panneau, &Panneau::mouseDown);
  panneau->setBevelOuter(Panneau::Enfonce);
  QTest::mouseClick(panneau, Qt::LeftButton);
  EXPECT_EQ(panneau->bevelOuter(), Panneau::Enfonce) << "no button, no press look";
  panneau->setPressLook(true);
  int biseauAuClic = -1;
  QObject::connect(panneau, &Panneau::clicked, [&] { biseauAuClic = panneau->bevelOuter(); });
  for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    QTest::mousePress(panneau, b);
    EXPECT_EQ(panneau->bevelOuter(), Panneau::Enfonce);
    QTest::mouseRelease(panneau, b, {}, Dehors);
    EXPECT_EQ(panneau->bevelOuter(), Panneau::EnRelief);
    EXPECT_EQ(appuis.back().at(0).toInt(), int(b));  // Qt's codes are the game's
  }
  QTest::mouseRelease(panneau, Qt::LeftButton);  // no press since the last release: no click
  QTest::mousePress(panneau, Qt::LeftButton);
  panneau->hide();
  panneau->show();
  EXPECT_EQ(panneau->bevelOuter(), Panneau::EnRelief);
  QTest::mouseRelease(panneau, Qt::LeftButton);
  EXPECT_EQ(clics.count(), 1) << "the first click above only";
  QTest::mousePress(panneau, Qt::LeftButton);
  QTest::mouseClick(panneau, Qt::RightButton);
  QTest::mouseRelease(panneau, Qt::LeftButton);
  EXPECT_EQ(std::pair(int(clics.count()), biseauAuClic), std::pair(2, int(Panneau::EnRelief)));
  const std::pair<int, Qt::CursorShape> formes[] = {{10, Qt::UpArrowCursor},
                                                    {12, Qt::ForbiddenCursor},
                                                    {99, Qt::ArrowCursor},
                                                    {0, Qt::CrossCursor}};
  for (auto [code, forme] : formes) {
    fenetre.setCursor(Qt::CrossCursor);
    panneau->setMousePointer(code);
    EXPECT_EQ(panneau->cursor().shape(), forme) << code;
  }
}

// The background, the bevel (light above and left when raised, shade there when inset, as
// wide as set, none at all) and the caption in the text colour; '\r' starts a line.
TEST_F(Panneaux, PaintsItsColoursBevelsAndLines) {
  panneau->setBackColor(RGB(0, 0, 128));
  panneau->setForeColor(RGB(255, 0, 0));
  panneau->setCaption(QStringLiteral("HHH"));
  const QColor fond(0, 0, 128);
  auto pixels = [&](std::initializer_list<QPoint> points) {
    std::vector<QColor> vus;
    for (QPoint p : points) vus.push_back(Rendu().pixelColor(p));
    return vus;
  };
  EXPECT_EQ(pixels({{3, 20}, {0, 0}, {119, 39}, {1, 1}}),
            (std::vector<QColor>{fond, Lumiere, Ombre, fond}));
  panneau->setBevelWidth(2);
  panneau->setBevelOuter(Panneau::Enfonce);
  EXPECT_EQ(pixels({{1, 1}, {118, 38}}), (std::vector<QColor>{Ombre, Lumiere}));
  panneau->setBevelOuter(Panneau::SansBiseau);
  EXPECT_EQ(pixels({{0, 0}}), std::vector<QColor>{fond});
  auto bandes = [&] {  // rows holding red ink, gathered into bands of adjacent rows
    const QImage image = Rendu();
    int n = 0;
    for (int y = 0, avant = 0; y < image.height(); ++y) {
      int encre = 0;
      for (int x = 0; x < image.width(); ++x) encre |= image.pixelColor(x, y).red() > 128;
      n += encre && !avant;
      avant = encre;
    }
    return n;
  };
  panneau->setGeometry(10, 10, 280, 80);
  EXPECT_EQ(bandes(), 1);
  panneau->setCaption(QStringLiteral("JOUR\rNUIT"));
  EXPECT_EQ(bandes(), 2);
}

// A caption breaks at its line breaks and at blanks only (never after the hyphen of
// "Yam->New"), filling each line; a word wider than the line stands alone. On random texts.
TEST(Legendes, BreakAtBlanksOnlyFillingEachLine) {
  const QFontMetrics mesure(Police(QStringLiteral("Times New Roman"), 12, true));
  const QStringList mots = {"Yam->New", "Game", "or", "F2.", "", "12345", "Sequence", "à"};
  QRandomGenerator hasard(7);
  for (int essai = 0; essai < 500; ++essai) {
    QStringList texte;
    for (int i = hasard.bounded(1, 12); i > 0; --i) texte << mots[hasard.bounded(mots.size())];
    const int largeur = hasard.bounded(1, 200);
    const QStringList lignes = LignesCoupeesAuxBlancs(texte.join(' '), mesure, largeur);
    EXPECT_EQ(lignes.join(' '), texte.join(' '));
    for (const QString& ligne : lignes)
      EXPECT_TRUE(!ligne.trimmed().contains(' ') || mesure.horizontalAdvance(ligne) <= largeur);
    for (qsizetype i = 1; i < lignes.size(); ++i)  // the next word would not have fitted
      EXPECT_GT(mesure.horizontalAdvance(lignes[i - 1] + ' ' + lignes[i].split(' ').front()),
                largeur);
  }
  EXPECT_EQ(LignesCoupeesAuxBlancs(QStringLiteral("As\r\nDeux\rTrois"), mesure, 1000),
            QStringList({"As", "Deux", "Trois"}));
}

// A panel that shrinks its caption draws one too long for it smaller, whole within its
// margins, and keeps its own font for the next caption; another panel keeps its font whatever
// its caption.
TEST(Legendes, ShrinkToFitTheirPanelWhereAsked) {
  Panneau cellule;
  cellule.resize(120, 26);
  cellule.setFontSize(10);
  cellule.setCaption(QStringLiteral("WWWWWWWWWWWW"));
  EXPECT_DOUBLE_EQ(cellule.policeAffichee().pointSizeF(), 10);
  cellule.setShrinkToFit(true);
  EXPECT_LE(QFontMetrics(cellule.policeAffichee()).horizontalAdvance(cellule.caption()),
            cellule.width() - 2 * MargeLegende);
  EXPECT_DOUBLE_EQ(cellule.font().pointSizeF(), 10);
  EXPECT_EQ(cellule.lignesAffichees(), QStringList{cellule.caption()});
}

// A font the game names but the desktop lacks is drawn with its metric-compatible stand-in.
// Sizes keep their fraction from one point up; a caption
// keeps its size where it fits, else takes the size at which its widest line fits the width
// within the margins and its lines the height.
TEST(Polices, StandInsAndSizesThatFit) {
  for (auto [nommee, remplacante] :
       {std::pair{"Times New Roman", "Liberation Serif"}, {"Comic Sans MS", "Comic Neue"}}) {
    if (QFontDatabase::hasFamily(nommee)) continue;
    EXPECT_EQ(QFontInfo(Police(nommee, 12)).family(), remplacante);
  }
  const QFont police = Police(QStringLiteral("Times New Roman"), 14.25, true, true);
  EXPECT_TRUE(police.bold() && police.underline() && police.pointSizeF() == 14.25);
  EXPECT_DOUBLE_EQ(Police(QStringLiteral("Comic Sans MS"), -3).pointSizeF(), 1);
  EXPECT_DOUBLE_EQ(TailleQuiTient(police, 14.25, QSize(400, 40), QStringLiteral("Zoé")), 14.25);
  for (auto [texte, place] : {std::pair{"WWWWWWWWWWWW", QSize(90, 40)},
                              {"A\rB\rC", QSize(400, 30)},
                              {"", QSize(400, 8)}}) {
    QFont petite = police;
    ReglerTaille(petite, TailleQuiTient(police, 14.25, place, QString(texte)));
    const QStringList lignes = QString(texte).split('\r');
    EXPECT_LT(petite.pointSizeF(), 14.25) << texte;
    EXPECT_LE(lignes.size() * QFontMetrics(petite).height(), place.height()) << texte;
    for (const QString& ligne : lignes)
      EXPECT_LE(QFontMetrics(petite).horizontalAdvance(ligne), place.width() - 2 * MargeLegende);
  }
}

// A pixel is 1440 / logical DPI twips on each axis. Edges
// are rounded, not sizes, halves upwards on both sides of zero: rectangles that touch in twips
// touch in pixels, a layout shifted by whole pixels keeps its sizes, a negative size is empty.
TEST(Twips, Are1440OverTheDpiAndRectanglesThatTouchStillTouch) {
  const EchelleTwips echelle(96, 72);
  EXPECT_EQ(echelle.PixelsX(1440) + echelle.PixelsY(1440), 96 + 72);
  const QScreen& ecran = *QGuiApplication::primaryScreen();
  EXPECT_DOUBLE_EQ(EchelleTwips::DeLEcran(ecran).TwipsParPixelX(),
                   1440 / ecran.logicalDotsPerInchX());
  QRandomGenerator hasard(7);
  for (int essai = 0; essai < 1000; ++essai) {
    const double x = hasard.bounded(6000.0) - 3000, y = hasard.bounded(6000.0) - 3000;
    const double l = hasard.bounded(3000.0), h = hasard.bounded(3000.0);
    const QRect r = echelle.EnPixels({x, y, l, h});
    const QRect voisin = echelle.EnPixels({x + l, y + h, l, h});
    EXPECT_EQ(QPoint(r.right(), r.bottom()) + QPoint(1, 1), voisin.topLeft());
    EXPECT_EQ(echelle.EnPixels({x + 15 * 7, y - 20 * 3, l, h}), r.translated(7, -3));
  }
  EXPECT_EQ(echelle.PixelsX(-22.5), -1);
  EXPECT_EQ(echelle.EnPixels({150, 150, -300, -300}).size(), QSize(0, 0));
}

// The game's boxes: modal over their parent, no icon, the title given, plain text (a player's
// name may hold '<') with '\r' as line breaks, the buttons in the game's words or else the
// platform's. The question is Yes for Enter, its default, only; Escape and closing are No. (The
// window's tests click its buttons.)
TEST(Boites, ShowPlainTextAndAnswerYesOnlyForYesOrEnter) {
  QWidget fenetre;
  fenetre.show();
  using Reponse = std::function<void(QMessageBox&)>;
  auto repondre = [&](QString attendu, Reponse reponse) {
    QTimer::singleShot(5, [&fenetre, attendu, reponse] {
      auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_TRUE(b && b->isModal());
      EXPECT_EQ(std::tuple(b->parentWidget(), b->icon(), b->windowTitle(), b->textFormat()),
                std::tuple(&fenetre, QMessageBox::NoIcon, QString("ROLVEX"), Qt::PlainText));
      QString vu = b->text();
      for (QAbstractButton* bouton : b->buttons()) vu += "|" + bouton->text();
      EXPECT_EQ(vu, attendu);
      reponse(*b);
    });
  };
  repondre("<b>Léa</b> !\n1er|D'accord", [](QMessageBox& b) { b.buttons()[0]->click(); });
  AfficherMessage(&fenetre, "<b>Léa</b> !\r1er", "ROLVEX", {"D'accord", {}, {}});
  const LegendesBoutons francais{"OK", "Oui", "Non"};
  for (auto [reponse, oui] : std::initializer_list<std::pair<Reponse, bool>>{
           {[](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Return); }, true},
           {[](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }, false},
           {[](QMessageBox& b) { b.close(); }, false}}) {
    repondre(oui ? "?|Oui|Non" : "?|&Yes|&No", reponse);
    EXPECT_EQ(DemanderOuiNon(&fenetre, "?", "ROLVEX", oui ? francais : LegendesBoutons{}), oui);
  }
}

// The twelve faces, six with pips and six with numerals, and the empty place are all different
// pictures.
TEST(Des, TwelveDifferentFacesAndTheEmptyPlace) {
  std::vector<QImage> vues{ImageDeVide(106, 1).toImage()};
  for (int entree = 0; entree < NbModelesDes; ++entree) {
    const QImage face = ImageModeleDe(entree, 106, 1).toImage();
    for (const QImage& autre : vues) EXPECT_NE(face, autre) << entree;
    vues.push_back(face);
  }
}

// Pictures are painted for the device pixels of the screen, never enlarged from smaller ones;
// a side that is not positive gives none. The table hands out one pixmap per picture, and
// painted again for another ratio, each picture shown shows its own new one.
TEST(Des, ArePaintedSharpForThePixelRatio) {
  QImage double_ = ImageModeleDe(4, 53, 2).toImage();
  EXPECT_EQ(double_.devicePixelRatio(), 2);
  double_.setDevicePixelRatio(1);
  EXPECT_EQ(double_, ImageModeleDe(4, 106, 1).toImage());
  EXPECT_EQ(ImageDeVide(60, 2).size(), QSize(120, 120));
  EXPECT_TRUE(ImageModeleDe(0, 0, 1).isNull() && ImageDeVide(-4, 1).isNull());

  QWidget table;
  std::array<Image*, 3> images{new Image(&table), new Image(&table), new Image(&table)};
  ImagesDes des(40, 40, 1);
  images[0]->setPicture(des.ModelesDes(4));
  images[1]->setPicture(des.ImageDeFond());
  images[2]->setPicture(des.ModelesDes(11));
  des.Repeindre(2, images);
  EXPECT_EQ(images[0]->picture().toImage(), ImageModeleDe(4, 40, 2).toImage());
  EXPECT_EQ(images[1]->picture().toImage(), ImageDeVide(40, 2).toImage());
  EXPECT_EQ(images[2]->picture().cacheKey(), des.ModelesDes(11).cacheKey());
}

}  // namespace
}  // namespace rolvex::ui
