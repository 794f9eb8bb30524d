#include <QFontMetrics>

#include "tests/app/window_fixture.h"
#include "ui/fonts.h"
#include "ui/text.h"

namespace rolvex::app {
namespace {

// A caption breaks only at its blanks and at its own line breaks, never after a hyphen.
class CoupureAuxBlancs : public testing::Test {
 protected:
  QFont police = ui::Police(QStringLiteral("Times New Roman"), 12, true);
  QFontMetrics mesure{police};

  QStringList Lignes(const QString& texte, int largeur) {
    return ui::LignesCoupeesAuxBlancs(texte, mesure, largeur);
  }
};

const QString DebutAnglais =
    QStringLiteral("To start a new game, choose the menu Yam->New Game or Press F2.");

TEST_F(CoupureAuxBlancs, TheMenuPathStaysWholeWhereItsHyphenWouldFitTheLine) {
  // Room for "…menu Yam-" but not for "…menu Yam->New": a break after the hyphen would fit.
  const int largeur =
      mesure.horizontalAdvance(QStringLiteral("To start a new game, choose the menu Yam-"));
  EXPECT_EQ(Lignes(DebutAnglais, largeur),
            QStringList({"To start a new game, choose the menu", "Yam->New Game or Press F2."}));
}

TEST_F(CoupureAuxBlancs, LinesFillTheWidthAndDropOnlyTheBlankOfTheBreak) {
  const int largeur = mesure.horizontalAdvance(QStringLiteral("To start a new game,"));
  const QStringList lignes = Lignes(DebutAnglais, largeur);
  ASSERT_GT(lignes.size(), 2);
  EXPECT_EQ(lignes.join(' '), DebutAnglais);
  for (const QString& ligne : lignes) {
    EXPECT_LE(mesure.horizontalAdvance(ligne), largeur) << ligne.toStdString();
    EXPECT_FALSE(ligne.startsWith(' ') || ligne.endsWith(' ')) << ligne.toStdString();
  }
}

TEST_F(CoupureAuxBlancs, CarriageReturnsStartNewLinesWhateverTheRoom) {
  EXPECT_EQ(Lignes(QStringLiteral("The Free column (always available)\rAce"), 10000),
            QStringList({"The Free column (always available)", "Ace"}));
}

TEST_F(CoupureAuxBlancs, AWordWiderThanThePanelStandsAloneRatherThanBeingCut) {
  EXPECT_EQ(Lignes(QStringLiteral("Sequence 12345 equals 45"), 3),
            QStringList({"Sequence", "12345", "equals", "45"}));
}

TEST_F(CoupureAuxBlancs, DoubleAndLeadingBlanksOfATextAreKept) {
  EXPECT_EQ(Lignes(QStringLiteral(" Yam : 5 dés identiques donnent  : 20"), 10000),
            QStringList({" Yam : 5 dés identiques donnent  : 20"}));
}

// The information line of the window follows the rule on the screen it is laid out for.
class LigneInfoCoupee : public FenetreDeJeu {};

TEST_F(LigneInfoCoupee, EnglishStartMessageBreaksBetweenWordsOnly) {
  Ouvrir(Langue::Anglais);
  const QStringList lignes = W("PanelInfoDéroulement").lignesAffichees();
  ASSERT_FALSE(lignes.isEmpty());
  EXPECT_EQ(lignes.join(' '), DebutAnglais);
  for (const QString& ligne : lignes) EXPECT_FALSE(ligne.endsWith('-')) << ligne.toStdString();
  EXPECT_TRUE(lignes.join(' ').contains(QStringLiteral("Yam->New")));
}

TEST_F(LigneInfoCoupee, HoverHelpKeepsItsOwnLineBreaks) {
  Ouvrir(Langue::Anglais);
  NouvellePartie(1);
  Jeter("12345");
  Survoler("CaseLibre(11)");
  const QStringList lignes = W("PanelInfoDéroulement").lignesAffichees();
  EXPECT_EQ(lignes.mid(lignes.size() - 3),
            QStringList({"Sequence 12345 equals 45", "or", "Sequence 23456 equals 50"}));
}

}  // namespace
}  // namespace rolvex::app
