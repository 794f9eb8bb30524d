#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <string>
#include <string_view>
#include <utility>

#include "tests/ui/qt_print.h"
#include "ui/fonts.h"
#include "ui/text.h"

namespace rolvex::ui {
namespace {

using NommeeEtRemplacante = std::pair<std::string_view, std::string_view>;

// A font the game names but the desktop lacks is drawn with its metric-compatible stand-in.
class PolicesDeRemplacement : public testing::TestWithParam<NommeeEtRemplacante> {
 protected:
  void SetUp() override {
    if (QFontDatabase::hasFamily(nommee)) GTEST_SKIP() << "the font itself is installed";
  }
  const QString nommee = EnQString(GetParam().first);
  const QString remplacante = EnQString(GetParam().second);
};

TEST_P(PolicesDeRemplacement, AnAbsentFontIsDrawnWithItsStandInNamedOnce) {
  InstallerPolicesDeRemplacement();
  InstallerPolicesDeRemplacement();
  EXPECT_EQ(QFont::substitute(nommee).toLower(), remplacante.toLower());
  EXPECT_EQ(QFontInfo(Police(nommee, 12)).family(), remplacante);
  EXPECT_EQ(QFont::substitutes(nommee).count(remplacante.toLower()), 1);  // Qt keeps lower case
}

INSTANTIATE_TEST_SUITE_P(FontsOfTheGame, PolicesDeRemplacement,
                         testing::Values(NommeeEtRemplacante{"Times New Roman", "Liberation Serif"},
                                         NommeeEtRemplacante{"Comic Sans MS", "Comic Neue"}),
                         [](const auto& info) {
                           std::string nom;
                           for (char c : info.param.first)
                             if (c != ' ') nom += c;
                           return nom;
                         });

// Font sizes are fractional points of at least one, shown at the screen's logical DPI.
TEST(FontSizes, KeepTheirFractionFromOnePointUp) {
  const QFont police = Police(QStringLiteral("Times New Roman"), 14.25, true);
  EXPECT_DOUBLE_EQ(police.pointSizeF(), 14.25);
  EXPECT_TRUE(police.bold());
  EXPECT_FALSE(police.underline());
  EXPECT_EQ(QFontInfo(police).pixelSize(), 19);  // 14.25 points at 96 DPI
  EXPECT_DOUBLE_EQ(Police(QStringLiteral("Comic Sans MS"), 0).pointSizeF(), 1);
  EXPECT_DOUBLE_EQ(Police(QStringLiteral("Comic Sans MS"), -3).pointSizeF(), 1);
}

}  // namespace
}  // namespace rolvex::ui
