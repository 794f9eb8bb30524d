#include "app/high_scores_panel.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <array>
#include <memory>
#include <string>

#include "playarea/sheet_names.h"
#include "tests/ui/qt_print.h"
#include "ui/colours.h"

namespace rolvex {
namespace {

using ui::Panneau;

constexpr std::array<PanelScore, 5> Familles = {
    PanelScore::PanelScoreClassement, PanelScore::PanelScoreNom, PanelScore::PanelScoreTemps,
    PanelScore::PanelScoreNbFigures, PanelScore::PanelScoreScore};

// The high-score area of an 800 × 600 screen at 120 DPI, in a window covering that screen:
// the twips are not the usual 15 per pixel, so a layout that ignored the scale would show.
class PanneauScores : public testing::Test {
 protected:
  explicit PanneauScores(Langue langue = Langue::Francais) : langue_(langue) {}

  void SetUp() override {
    HasardUniforme tirage(7);
    scores = HighScoresParDefaut(tirage);
    fenetre_ = std::make_unique<QWidget>();
    fenetre_->resize(echelle.PixelsX(12000), echelle.PixelsY(9000));
    panneau = new SuperPanelScore(aire, echelle, langue_, fenetre_.get());
    fenetre_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre_.get()));
  }

  Panneau* Enfant(const QString& nom) const { return panneau->findChild<Panneau*>(nom); }
  Panneau* Cellule(PanelScore famille, int rang) const { return panneau->Cellule(famille, rang); }
  QString Texte(PanelScore famille, int rang) const { return Cellule(famille, rang)->caption(); }

  const AireJeu aire{12000, 9000};
  const ui::EchelleTwips echelle{120, 120};
  HighScores scores;
  SuperPanelScore* panneau = nullptr;

 private:
  Langue langue_;
  std::unique_ptr<QWidget> fenetre_;
};

class PanneauScoresAnglais : public PanneauScores {
 protected:
  PanneauScoresAnglais() : PanneauScores(Langue::Anglais) {}
};

// The panel shows the table it is given, one place per row in decimal and whole times, and
// stays out of sight otherwise, above its siblings when shown; hidden, it keeps its rows.
using HighScoresPanelShows = PanneauScores;

TEST_F(HighScoresPanelShows, TheRowsOfTheTableInItsOrder) {
  EXPECT_FALSE(panneau->isVisible()) << "nothing until asked";
  TableHighScore table = scores[1];
  table[2] = {"Zoé", 1000, 6000, 12};
  table[3] = {"Léa", -5, 3599, 0};
  panneau->AfficherScores(table);
  const std::array<const char*, 11> noms = {"",        "Gustave", "Zoé",     "Léa",
                                            "Rosalie", "Rosalie", "Rosalie", "Rosalie",
                                            "Rosalie", "Odilon",  "Odilon"};
  for (int rang = 1; rang <= NbPlaces; ++rang) {
    SCOPED_TRACE(rang);
    EXPECT_EQ(Texte(PanelScore::PanelScoreClassement, rang), QString::number(rang));
    EXPECT_EQ(Texte(PanelScore::PanelScoreNom, rang), noms[static_cast<std::size_t>(rang)]);
    EXPECT_EQ(Texte(PanelScore::PanelScoreScore, rang), QString::number(table[rang].score));
  }
  EXPECT_EQ(Texte(PanelScore::PanelScoreScore, 1), "354");
  EXPECT_EQ(Texte(PanelScore::PanelScoreTemps, 1), "01:26");
  EXPECT_EQ(Texte(PanelScore::PanelScoreNbFigures, 1), "6");
  EXPECT_EQ(Texte(PanelScore::PanelScoreScore, 3), "-5");
  EXPECT_EQ(Texte(PanelScore::PanelScoreTemps, 2), "100:00");
  EXPECT_EQ(Texte(PanelScore::PanelScoreTemps, 3), "59:59");
  EXPECT_EQ(Texte(PanelScore::PanelScoreNbFigures, 2), "12");
  panneau->EffacerScores();
  EXPECT_FALSE(panneau->isVisible());
  EXPECT_EQ(Texte(PanelScore::PanelScoreNom, 1), "Gustave");
}

TEST_F(HighScoresPanelShows, ItselfAboveItsSiblingsUnderTheColumnModeTitle) {
  // The play area is hidden by the window, but nothing else may cover the table.
  auto* autre = new QWidget(panneau->parentWidget());
  autre->setGeometry(panneau->geometry());
  autre->show();
  panneau->AfficherScores(scores[1]);
  EXPECT_TRUE(panneau->isVisible());
  const QWidget* dessus = panneau->parentWidget()->childAt(panneau->geometry().center());
  EXPECT_TRUE(dessus == panneau || panneau->isAncestorOf(dessus));
  panneau->SetModeColonnes("6 colonnes");
  EXPECT_EQ(Enfant("PanelModeColonnes")->caption(), "6 colonnes");
}

// Every cell is reachable by the name the play area gives it, inside PanelScore.
TEST_F(HighScoresPanelShows, FiftyCellsNamedByFamilyAndRow) {
  const Panneau* table = Enfant("PanelScore");
  ASSERT_NE(table, nullptr);
  for (const char* famille : {"PanelScoreClassement", "PanelScoreNom", "PanelScoreScore",
                              "PanelScoreTemps", "PanelScoreNbFigures"})
    for (int rang = 1; rang <= NbPlaces; ++rang) {
      const QString nom = QString::fromStdString(NomElement(famille, rang));
      const Panneau* cellule = Enfant(nom);
      ASSERT_NE(cellule, nullptr) << nom.toStdString();
      EXPECT_EQ(cellule->parentWidget(), table) << nom.toStdString();
    }
  EXPECT_EQ(Enfant("PanelScoreNom(3)"), Cellule(PanelScore::PanelScoreNom, 3));
  EXPECT_EQ(Enfant("PanelScoreNbFigures(10)"), Cellule(PanelScore::PanelScoreNbFigures, 10));
  EXPECT_EQ(Cellule(PanelScore::PanelScoreNom, 0), nullptr);
  EXPECT_EQ(Cellule(PanelScore::PanelScoreNom, 11), nullptr);
}

// Rows alternate two greys from a light first row; the text is blue, red on the row of a game
// that just entered, blue again at the next game.
using HighScoresPanelColours = PanneauScores;

TEST_F(HighScoresPanelColours, RowsAlternateLightAndDarkerGreyFromALightFirstRow) {
  for (int rang = 1; rang <= NbPlaces; ++rang)
    for (PanelScore famille : Familles) {
      SCOPED_TRACE(rang);
      EXPECT_EQ(Cellule(famille, rang)->backColor(),
                rang % 2 == 1 ? RGB(224, 224, 224) : RGB(192, 192, 192));
    }
}

TEST_F(HighScoresPanelColours, TheAreaAndTheTableAreDarkBlue) {
  EXPECT_EQ(panneau->backColor(), RGB(0, 0, 64));
  EXPECT_EQ(Enfant("PanelScore")->backColor(), RGB(0, 0, 128));
  EXPECT_EQ(Enfant("PanelModeColonnes")->backColor(), RGB(0, 192, 0));
  EXPECT_EQ(Enfant("PanelEffacerScores")->backColor(), RGB(192, 192, 255));
}

TEST_F(HighScoresPanelColours, OnlyTheMarkedRowIsRedUntilRemettreEnBleu) {
  auto Rouges = [&] {
    std::string rouges;
    for (int rang = 1; rang <= NbPlaces; ++rang)
      for (PanelScore famille : Familles)
        if (Cellule(famille, rang)->foreColor() != Bleu) rouges += std::to_string(rang) + " ";
    return rouges;
  };
  EXPECT_EQ(Rouges(), "");
  panneau->MarquerLigne(0);
  panneau->MarquerLigne(11);
  EXPECT_EQ(Rouges(), "") << "a place outside the table marks nothing";
  panneau->MarquerLigne(4);
  EXPECT_EQ(Rouges(), "4 4 4 4 4 ");
  EXPECT_EQ(Cellule(PanelScore::PanelScoreScore, 4)->foreColor(), Couleur{255});
  // Opening the table again from the menu still shows the new row in red.
  panneau->AfficherScores(scores[1]);
  EXPECT_EQ(Rouges(), "4 4 4 4 4 ");
  panneau->MarquerLigne(10);
  EXPECT_EQ(Rouges(), "4 4 4 4 4 10 10 10 10 10 ");
  panneau->RemettreEnBleu();
  EXPECT_EQ(Rouges(), "");
}

// PanelEffacerScores is a button: pressed look, its caption, and a click the window hears.
using HighScoresPanelButton = PanneauScores;

TEST_F(HighScoresPanelButton, SinksWhilePressedAndReportsOneClick) {
  EXPECT_EQ(Enfant("PanelEffacerScores")->caption(), "Cacher les scores");
  panneau->AfficherScores(scores[1]);
  QSignalSpy clics(panneau, &SuperPanelScore::effacerScoresClicked);
  Panneau* bouton = Enfant("PanelEffacerScores");
  QTest::mousePress(bouton, Qt::LeftButton);
  EXPECT_EQ(bouton->bevelOuter(), Panneau::Enfonce);
  QTest::mouseRelease(bouton, Qt::LeftButton);
  EXPECT_EQ(bouton->bevelOuter(), Panneau::EnRelief);
  EXPECT_EQ(clics.count(), 1);
}

using HighScoresPanelButtonEnglish = PanneauScoresAnglais;

TEST_F(HighScoresPanelButtonEnglish, SaysHideScoresInEnglish) {
  EXPECT_EQ(Enfant("PanelEffacerScores")->caption(), "Hide scores");
}

// The mouse over a cell tells the window which family and row it is over, for the help line.
using HighScoresPanelHover = PanneauScores;

TEST_F(HighScoresPanelHover, EachFamilyAndRowIsReportedAsItself) {
  panneau->AfficherScores(scores[1]);
  for (PanelScore famille : Familles)
    for (int rang : {1, 2, 10}) {
      QSignalSpy survols(panneau, &SuperPanelScore::panelScoreMouseMove);
      QTest::mouseMove(Cellule(famille, rang), QPoint(4, 4));
      QTest::mouseMove(Cellule(famille, rang), QPoint(5, 6));
      ASSERT_FALSE(survols.isEmpty());
      EXPECT_EQ(survols.last().at(0).value<PanelScore>(), famille);
      EXPECT_EQ(survols.last().at(1).toInt(), rang);
    }
}

// The area stands where the play area's layout puts it, converted to pixels in one way.
using HighScoresPanelLayout = PanneauScores;

TEST_F(HighScoresPanelLayout, EveryControlTakesItsRectangleInPixels) {
  int verifies = 0;
  for (const auto& [nom, controle] : aire.Controles()) {
    const bool dedans = nom == "SuperPanelScore" || controle.conteneur == "SuperPanelScore" ||
                        controle.conteneur == "PanelScore";
    if (!dedans) continue;
    const QString qnom = QString::fromStdString(nom);
    const QWidget* widget = nom == "SuperPanelScore" ? panneau : Enfant(qnom);
    ASSERT_NE(widget, nullptr) << nom;
    const Rect& r = controle.rect;
    EXPECT_EQ(widget->geometry(), echelle.EnPixels({r.Left, r.Top, r.Width, r.Height})) << nom;
    ++verifies;
  }
  EXPECT_EQ(verifies, 1 + 3 + 50);
}

TEST_F(HighScoresPanelLayout, FontsHaveTheSizesOfTheLayout) {
  for (const char* nom : {"PanelScoreClassement(1)", "PanelScoreNom(5)", "PanelScoreTemps(9)",
                          "PanelModeColonnes", "PanelEffacerScores"}) {
    const Controle& c = aire[nom];
    ASSERT_TRUE(c.police.has_value()) << nom;
    EXPECT_DOUBLE_EQ(Enfant(nom)->font().pointSizeF(), double{*c.police}) << nom;
  }
}

}  // namespace
}  // namespace rolvex
