#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <array>
#include <string_view>

#include "tests/ui/qt_print.h"
#include "ui/dice_pictures.h"

namespace rolvex::ui {
namespace {

constexpr int Cote = 106;  // large enough to sample the shapes of a 53-pixel face

// The colours of the values 1 to 6 on the faces with pips.
const std::array<QColor, 7> Classiques{QColor(),
                                       QColor(8, 173, 99),     // green
                                       QColor(0, 189, 189),    // cyan
                                       QColor(140, 90, 132),   // purple
                                       QColor(165, 115, 16),   // ochre
                                       QColor(33, 115, 148),   // blue
                                       QColor(165, 165, 90)};  // olive

const QColor& Classique(int valeur) { return Classiques[static_cast<std::size_t>(valeur)]; }

QColor CouleurAttendue(int valeur, bool numerique) {
  if (numerique && valeur == 1) return QColor(24, 156, 99);
  return Classique(valeur);
}

int Entree(int valeur, bool numerique) { return valeur - 1 + (numerique ? 6 : 0); }

QImage Face(int valeur, bool numerique, int cote = Cote) {
  return ImageModeleDe(Entree(valeur, numerique), cote, 1).toImage();
}

// At a fraction of the picture's side.
QColor A(const QImage& image, double x, double y) {
  return image.pixelColor(static_cast<int>(x * image.width()),
                          static_cast<int>(y * image.height()));
}

bool EstNoir(const QColor& c) { return c.red() < 40 && c.green() < 40 && c.blue() < 40; }

// Grey to white, as the pips are shaded.
bool EstGris(const QColor& c) {
  const int plus = std::max({c.red(), c.green(), c.blue()});
  const int moins = std::min({c.red(), c.green(), c.blue()});
  return plus - moins < 24 && plus > 60;
}

// Every face is a square of its value's colour, framed in black a little inside its edge.
class FaceDeDe : public testing::TestWithParam<int> {};

TEST_P(FaceDeDe, IsASquareOfItsValuesColourWithABlackFrameInside) {
  const int entree = GetParam();
  const int valeur = entree % 6 + 1;
  const bool numerique = entree >= 6;
  const QImage face = Face(valeur, numerique);
  const QColor couleur = CouleurAttendue(valeur, numerique);
  EXPECT_EQ(face.pixelColor(0, 0), couleur);
  EXPECT_EQ(face.pixelColor(Cote - 1, Cote - 1), couleur);
  // Along the middle row from the left edge: the colour, then the frame, then the colour again.
  const int y = Cote / 2;
  int x = 0;
  while (x < Cote / 4 && face.pixelColor(x, y) == couleur) ++x;
  EXPECT_GE(x, Cote / 50) << "the frame lies a little inside the edge";
  EXPECT_LE(x, Cote / 8);
  EXPECT_TRUE(EstNoir(face.pixelColor(x + 1, y)));
  int epaisseur = 0;
  while (x < Cote / 4 && face.pixelColor(x, y) != couleur) ++x, ++epaisseur;
  EXPECT_LE(epaisseur, Cote / 20) << "the frame is thin";
  EXPECT_EQ(face.pixelColor(x + 2, y), couleur);
  EXPECT_EQ(face.pixelColor(Cote / 2, Cote - x - 2), couleur) << "inside the frame, below";
}

INSTANTIATE_TEST_SUITE_P(TwelveFaces, FaceDeDe, testing::Range(0, NbModelesDes));

// Pips stand in the usual layout; read here on a 3 × 3 grid at quarters of the face.
TEST(ClassicalFaces, ShowTheirPipsInTheUsualLayout) {
  constexpr std::array<std::string_view, 7> Dispositions{
      "",
      "... .o. ...",
      "..o ... o..",  // from the top right to the bottom left
      "..o .o. o..",
      "o.o ... o.o",
      "o.o .o. o.o",
      "o.o o.o o.o",
  };
  for (int valeur = 1; valeur <= 6; ++valeur) {
    const QImage face = Face(valeur, false);
    const std::string_view disposition = Dispositions[static_cast<std::size_t>(valeur)];
    for (int ligne = 0; ligne < 3; ++ligne)
      for (int colonne = 0; colonne < 3; ++colonne) {
        const QColor c = A(face, 0.25 + 0.25 * colonne, 0.25 + 0.25 * ligne);
        const bool point = disposition[static_cast<std::size_t>(ligne * 4 + colonne)] == 'o';
        if (point)
          EXPECT_TRUE(EstGris(c)) << valeur << " at row " << ligne << ", column " << colonne;
        else
          EXPECT_EQ(c, CouleurAttendue(valeur, false))
              << valeur << " at row " << ligne << ", column " << colonne;
      }
  }
}

TEST(ClassicalFaces, PipsAreShadedFromWhiteToGrey) {
  const QImage un = Face(1, false);
  int plusClair = 0;
  int plusSombre = 255;
  for (int x = Cote * 40 / 100; x < Cote * 60 / 100; ++x) {
    const QColor c = un.pixelColor(x, x);  // across the centre pip, top left to bottom right
    if (!EstGris(c)) continue;
    plusClair = std::max(plusClair, c.red());
    plusSombre = std::min(plusSombre, c.red());
  }
  EXPECT_GT(plusClair, 235);
  EXPECT_LT(plusSombre, 160);
}

// One black seven-segment digit in the middle of the face.
TEST(NumericalFaces, ShowTheirDigitInSevenSegments) {
  struct Segment {
    double x, y;
  };
  // a top, b top right, c bottom right, d bottom, e bottom left, f top left, g middle
  constexpr std::array<Segment, 7> Segments{{{0.5, 0.25},
                                             {0.64, 0.375},
                                             {0.64, 0.625},
                                             {0.5, 0.75},
                                             {0.36, 0.625},
                                             {0.36, 0.375},
                                             {0.5, 0.5}}};
  constexpr std::array<std::string_view, 7> Allumes{"",        "-bc----", "ab-de-g", "abcd--g",
                                                    "-bc--fg", "a-cd-fg", "a-cdefg"};
  for (int valeur = 1; valeur <= 6; ++valeur) {
    const QImage face = Face(valeur, true);
    for (std::size_t s = 0; s < Segments.size(); ++s) {
      const QColor c = A(face, Segments[s].x, Segments[s].y);
      if (Allumes[static_cast<std::size_t>(valeur)][s] != '-')
        EXPECT_TRUE(EstNoir(c)) << valeur << " segment " << s;
      else
        EXPECT_EQ(c, CouleurAttendue(valeur, true)) << valeur << " segment " << s;
    }
    EXPECT_EQ(A(face, 0.25, 0.25), CouleurAttendue(valeur, true)) << "no pip on a numeral";
  }
}

// The empty place: a black question mark on dark green.
TEST(EmptyPlace, IsABlackQuestionMarkOnDarkGreen) {
  const QImage vide = ImageDeVide(Cote, 1).toImage();
  const QColor vert(0, 128, 0);
  int noirsAuMilieu = 0;
  int autresAuBord = 0;
  for (int y = 0; y < Cote; ++y) {
    for (int x = 0; x < Cote; ++x) {
      const bool auBord = x < Cote / 6 || x >= Cote * 5 / 6 || y < Cote / 10 || y >= Cote * 9 / 10;
      const QColor c = vide.pixelColor(x, y);
      if (auBord)
        autresAuBord += c != vert;
      else
        noirsAuMilieu += EstNoir(c);
    }
  }
  EXPECT_EQ(vide.pixelColor(0, 0), vert);
  EXPECT_EQ(autresAuBord, 0);
  EXPECT_GT(noirsAuMilieu, Cote * Cote / 25);
  EXPECT_TRUE(EstNoir(A(vide, 0.5, 0.79))) << "the dot under the hook";
  EXPECT_EQ(A(vide, 0.5, 0.71), vert) << "the gap above the dot";
}

// Pictures are painted for the device pixels of the screen, not enlarged from smaller ones;
// a non-positive side gives no picture.
TEST(PixelRatio, TwoGivesTwiceThePixelsPaintedSharp) {
  const QPixmap double_ = ImageModeleDe(Entree(5, false), 53, 2);
  EXPECT_EQ(double_.size(), QSize(106, 106));
  EXPECT_DOUBLE_EQ(double_.devicePixelRatio(), 2);
  EXPECT_EQ(double_.deviceIndependentSize(), QSizeF(53, 53));
  QImage aDeux = double_.toImage();
  aDeux.setDevicePixelRatio(1);
  EXPECT_EQ(aDeux, ImageModeleDe(Entree(5, false), 106, 1).toImage());
  EXPECT_EQ(ImageDeVide(60, 2).size(), QSize(120, 120));
  EXPECT_EQ(ImageLogo(64, 1.5).size(), QSize(96, 96));
  EXPECT_TRUE(ImageModeleDe(0, 0, 1).isNull());
  EXPECT_TRUE(ImageDeVide(-4, 1).isNull());
}

// The table's pictures are painted once: showing an entry again hands back the same pixmap.
TEST(ImagesDesTable, HandsBackTheSamePixmapForAnEntry) {
  const ImagesDes images(53, 60, 1);
  EXPECT_EQ(images.ModelesDes(3).cacheKey(), images.ModelesDes(3).cacheKey());
  EXPECT_NE(images.ModelesDes(3).cacheKey(), images.ModelesDes(4).cacheKey());
  EXPECT_EQ(images.ImageDeFond().size(), QSize(60, 60));
  EXPECT_EQ(images.ModelesDes(9).toImage(), ImageModeleDe(9, 53, 1).toImage());
}

// The logo: a few dice in the colours of the faces, on a transparent ground.
TEST(Logo, ShowsDiceInTheFacesColours) {
  const QImage logo = ImageLogo(128, 1).toImage();
  EXPECT_EQ(logo.pixelColor(0, 0).alpha(), 0);
  int couleursVues = 0;
  for (int valeur = 1; valeur <= 6; ++valeur) {
    bool vue = false;
    for (int y = 0; y < logo.height() && !vue; ++y)
      for (int x = 0; x < logo.width() && !vue; ++x)
        vue = logo.pixelColor(x, y) == Classique(valeur);
    couleursVues += vue;
  }
  EXPECT_GE(couleursVues, 3);
  EXPECT_FALSE(IconeLogo().isNull());
}

}  // namespace
}  // namespace rolvex::ui
