#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <vector>

#include "tests/ui/qt_print.h"
#include "ui/fonts.h"
#include "ui/panel.h"
#include "ui/picture.h"

namespace rolvex::ui {
namespace {

const QPoint Dehors(-5, -5);

// A panel shown in a window, as the game shows its buttons and squares.
class PanneauAffiche : public testing::Test {
 protected:
  void SetUp() override {
    fenetre_ = std::make_unique<QWidget>();
    fenetre_->resize(300, 120);
    panneau = new Panneau(fenetre_.get());
    panneau->setGeometry(10, 10, 120, 40);
    fenetre_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre_.get()));
  }

  QImage Rendu() const { return panneau->grab().toImage(); }

  Panneau* panneau = nullptr;

 private:
  std::unique_ptr<QWidget> fenetre_;
};

const QColor Lumiere(255, 255, 255);
const QColor Ombre(128, 128, 128);

// Panels used as buttons sink under any mouse button and rise on release, wherever it happens,
// and are raised again by the time they click (a click may open a modal box before the
// release returns) or when shown again; a panel that is no button keeps its bevel.
using PanelPressLook = PanneauAffiche;

TEST_F(PanelPressLook, SinksUnderEitherButtonAndRisesOnReleaseAnywhereOrOnClick) {
  panneau->setBevelOuter(Panneau::Enfonce);
  QTest::mouseClick(panneau, Qt::LeftButton);
  EXPECT_EQ(panneau->bevelOuter(), Panneau::Enfonce) << "no button, no press look";

  panneau->setPressLook(true);
  panneau->setBevelOuter(Panneau::EnRelief);
  QTest::mousePress(panneau, Qt::LeftButton);
  EXPECT_EQ(panneau->bevelOuter(), Panneau::Enfonce);
  EXPECT_EQ(Rendu().pixelColor(0, 0), Ombre);
  QTest::mouseRelease(panneau, Qt::LeftButton);
  EXPECT_EQ(panneau->bevelOuter(), Panneau::EnRelief);
  EXPECT_EQ(Rendu().pixelColor(0, 0), Lumiere);
  QTest::mousePress(panneau, Qt::RightButton);
  EXPECT_EQ(panneau->bevelOuter(), Panneau::Enfonce);
  QTest::mouseRelease(panneau, Qt::RightButton, {}, Dehors);
  EXPECT_EQ(panneau->bevelOuter(), Panneau::EnRelief);
  QTest::mousePress(panneau, Qt::LeftButton);
  panneau->hide();
  panneau->show();
  EXPECT_EQ(panneau->bevelOuter(), Panneau::EnRelief) << "hidden while pressed";

  int biseauAuClic = -1;
  QObject::connect(panneau, &Panneau::clicked, [&] { biseauAuClic = panneau->bevelOuter(); });
  QTest::mouseClick(panneau, Qt::LeftButton);
  EXPECT_EQ(biseauAuClic, Panneau::EnRelief);
}

// A click is the left button pressed and released on the panel; every button reports its press
// and release with the game's codes (1 left, 2 right, 4 middle).
using PanelClick = PanneauAffiche;

TEST_F(PanelClick, OnlyALeftPressAndReleaseInsideClicks) {
  QSignalSpy clics(panneau, &Panneau::clicked);
  QTest::mouseClick(panneau, Qt::RightButton);
  QTest::mousePress(panneau, Qt::LeftButton);
  QTest::mouseRelease(panneau, Qt::LeftButton, {}, Dehors);
  QTest::mouseRelease(panneau, Qt::LeftButton);
  EXPECT_EQ(clics.count(), 0) << "right button, release outside, release without press";
  QTest::mousePress(panneau, Qt::LeftButton);
  QTest::mouseClick(panneau, Qt::RightButton);
  QTest::mouseRelease(panneau, Qt::LeftButton);
  EXPECT_EQ(clics.count(), 1) << "a right press between spoils nothing";
}

TEST_F(PanelClick, MouseDownAndUpCarryTheGamesButtonCodes) {
  QSignalSpy appuis(panneau, &Panneau::mouseDown);
  QSignalSpy relaches(panneau, &Panneau::mouseUp);
  for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
    QTest::mouseClick(panneau, b);
  ASSERT_EQ(appuis.count(), 3);
  ASSERT_EQ(relaches.count(), 3);
  const std::vector<int> attendus{1, 2, 4};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(appuis.at(i).at(0).toInt(), attendus[static_cast<std::size_t>(i)]);
    EXPECT_EQ(relaches.at(i).at(0).toInt(), attendus[static_cast<std::size_t>(i)]);
  }
}

// Moving over a panel is reported with or without a button held: it feeds the hover help.
TEST_F(PanneauAffiche, MovingOverThePanelIsReportedWithOrWithoutAButtonHeld) {
  QSignalSpy mouvements(panneau, &Panneau::mouseMoved);
  QTest::mouseMove(panneau, QPoint(20, 20));
  QTest::mouseMove(panneau, QPoint(30, 25));
  EXPECT_GE(mouvements.count(), 1);
  mouvements.clear();
  QTest::mousePress(panneau, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(panneau, QPoint(40, 20));
  QTest::mouseRelease(panneau, Qt::LeftButton, {}, QPoint(40, 20));
  EXPECT_EQ(mouvements.count(), 1);
}

// The pointer codes of the game: 10 over a square that can be chosen, 12 over one that cannot,
// 0 the parent's pointer, anything else the arrow.
TEST_F(PanneauAffiche, PointerCodesGiveTheirShapes) {
  panneau->parentWidget()->setCursor(Qt::CrossCursor);
  const std::pair<int, Qt::CursorShape> codes[] = {{10, Qt::UpArrowCursor},
                                                   {12, Qt::ForbiddenCursor},
                                                   {0, Qt::CrossCursor},
                                                   {12, Qt::ForbiddenCursor},
                                                   {99, Qt::ArrowCursor}};
  for (const auto& [code, forme] : codes) {
    panneau->setMousePointer(code);
    EXPECT_EQ(panneau->cursor().shape(), forme) << code;
    EXPECT_EQ(panneau->mousePointer(), code);
  }
}

// The panel paints its background, its bevel and its caption in the game's colours.
using PanelDrawing = PanneauAffiche;

// Near enough to the ink, letting the smoothing of the letters' edges pass.
bool Proche(const QColor& c, const QColor& encre) {
  return std::abs(c.red() - encre.red()) + std::abs(c.green() - encre.green()) +
             std::abs(c.blue() - encre.blue()) <
         160;
}

// The rows of the rendering that hold ink, gathered into bands of adjacent rows.
int BandesDEncre(const QImage& image, const QColor& encre) {
  int bandes = 0;
  bool dansUneBande = false;
  for (int y = 0; y < image.height(); ++y) {
    bool encree = false;
    for (int x = 0; x < image.width() && !encree; ++x)
      encree = Proche(image.pixelColor(x, y), encre);
    if (encree && !dansUneBande) ++bandes;
    dansUneBande = encree;
  }
  return bandes;
}

int PixelsDe(const QImage& image, const QColor& couleur) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == couleur;
  return n;
}

TEST_F(PanelDrawing, BackgroundTextAndBevelTakeTheGamesColours) {
  panneau->setBackColor(RGB(0, 0, 128));
  panneau->setForeColor(RGB(255, 255, 128));
  panneau->setCaption(QStringLiteral("HHH"));
  panneau->setFontSize(14);
  panneau->setBevelOuter(Panneau::EnRelief);
  const QImage relief = Rendu();
  EXPECT_EQ(relief.pixelColor(3, 20), QColor(0, 0, 128));
  EXPECT_GT(PixelsDe(relief, QColor(255, 255, 128)), 20);
  EXPECT_EQ(relief.pixelColor(0, 0), Lumiere);
  EXPECT_EQ(relief.pixelColor(119, 39), Ombre);
  panneau->setBevelOuter(Panneau::Enfonce);
  const QImage creux = Rendu();
  EXPECT_EQ(creux.pixelColor(0, 0), Ombre);
  EXPECT_EQ(creux.pixelColor(119, 39), Lumiere);
  panneau->setBevelOuter(Panneau::SansBiseau);
  EXPECT_EQ(Rendu().pixelColor(0, 0), QColor(0, 0, 128));
}

TEST_F(PanelDrawing, ACarriageReturnShowsTheCaptionOnTwoLines) {
  panneau->setGeometry(10, 10, 280, 80);
  panneau->setForeColor(RGB(255, 0, 0));
  panneau->setFontSize(12);
  panneau->setCaption(QStringLiteral("JOUR NUIT"));
  EXPECT_EQ(BandesDEncre(Rendu(), Qt::red), 1);
  panneau->setCaption(QStringLiteral("JOUR\rNUIT"));
  EXPECT_EQ(BandesDEncre(Rendu(), Qt::red), 2);
  EXPECT_EQ(panneau->caption(), QStringLiteral("JOUR\rNUIT"));
}

TEST_F(PanelDrawing, ChangingTheSizeKeepsTheRestOfTheFont) {
  panneau->setFontName(QStringLiteral("Times New Roman"));
  panneau->setFontBold(true);
  panneau->setFontUnderline(true);
  panneau->setFontSize(14.25);
  EXPECT_EQ(panneau->font().family(), QStringLiteral("Times New Roman"));
  EXPECT_TRUE(panneau->font().bold());
  EXPECT_TRUE(panneau->font().underline());
  EXPECT_DOUBLE_EQ(panneau->font().pointSizeF(), 14.25);
  panneau->setFontUnderline(false);
  EXPECT_FALSE(panneau->font().underline());
  EXPECT_TRUE(panneau->font().bold());
}

// A picture shows its picture over the whole widget and reports the mouse button pressed on
// it (for keeping and throwing the dice) and the moves over it.
TEST(Picture, ShowsItsPictureAndReportsButtonsAndMoves) {
  QWidget fenetre;
  fenetre.resize(100, 100);
  auto* image = new Image(&fenetre);
  image->setGeometry(0, 0, 53, 53);
  QPixmap vert(53, 53);
  vert.fill(QColor(0, 128, 0));
  image->setPicture(vert);
  fenetre.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
  const QImage rendu = image->grab().toImage();
  EXPECT_EQ(rendu.pixelColor(0, 0), QColor(0, 128, 0));
  EXPECT_EQ(rendu.pixelColor(52, 52), QColor(0, 128, 0));

  QSignalSpy appuis(image, &Image::mouseDown);
  QTest::mouseClick(image, Qt::LeftButton);
  QTest::mouseClick(image, Qt::RightButton);
  ASSERT_EQ(appuis.count(), 2);
  EXPECT_EQ(appuis.at(0).at(0).toInt(), 1);
  EXPECT_EQ(appuis.at(1).at(0).toInt(), 2);
  QSignalSpy mouvements(image, &Image::mouseMoved);
  QTest::mouseMove(image, QPoint(10, 10));
  QTest::mouseMove(image, QPoint(20, 30));
  EXPECT_GE(mouvements.count(), 1);
}

}  // namespace
}  // namespace rolvex::ui
