#include "playarea/layout.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "rect_printer.h"

namespace rolvex {
namespace {

using colonne::Annonce;
using colonne::Deux;
using colonne::Descente;
using colonne::Libre;
using colonne::Montée;
using colonne::Sèche;

constexpr std::array<int16_t, 6> ToutesColonnes = {Libre, Descente, Montée, Sèche, Deux, Annonce};

Rect R(const AireJeu& aire, std::string_view nom) { return aire[nom].rect; }

// The row of the sheet that holds figure f: the total and bonus rows 7 and 8 part the upper
// figures from the lower ones.
int LigneFigure(int f) { return f <= 6 ? f : f + 2; }

// The sizes of the sheet are whole twips, rounded to the nearest, halves to the even neighbour.
TEST(ArrondiPair, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(ArrondiPair(47.5), 48);
  EXPECT_EQ(ArrondiPair(190.5), 190);
  EXPECT_EQ(ArrondiPair(46.5), 46);
  EXPECT_EQ(ArrondiPair(0.5), 0);
  EXPECT_EQ(ArrondiPair(-1.5), -2);
  EXPECT_EQ(ArrondiPair(-0.5), 0);
}

TEST(ArrondiPair, RoundsEverythingElseToTheNearest) {
  EXPECT_EQ(ArrondiPair(310.3448), 310);
  EXPECT_EQ(ArrondiPair(47.4999), 47);
  EXPECT_EQ(ArrondiPair(24.8), 25);
  EXPECT_EQ(ArrondiPair(190.5001), 191);
  EXPECT_EQ(ArrondiPair(1200), 1200);
}

// The five sizes of the sheet and the panel margin follow the screen.
TEST(TaillesAire, OnTheReferenceScreen) {
  const TaillesAire t = CalculTailles(12000, 9000);
  EXPECT_EQ(t.HauteurCase, 310);
  EXPECT_EQ(t.LargeurCase, 1200);
  EXPECT_EQ(t.EcartVertical, 31);
  EXPECT_EQ(t.EcartHorizontal, 50);
  EXPECT_EQ(t.RetraitPrise, 25);
  EXPECT_EQ(t.MargePanneau, 60);
}

TEST(TaillesAire, OnA640By480Screen) {
  const TaillesAire t = CalculTailles(9600, 7200);
  EXPECT_EQ(t.HauteurCase, 248);
  EXPECT_EQ(t.LargeurCase, 960);
  EXPECT_EQ(t.EcartVertical, 25);
  EXPECT_EQ(t.EcartHorizontal, 40);
  EXPECT_EQ(t.RetraitPrise, 20);
  EXPECT_EQ(t.MargePanneau, 48);
}

TEST(TaillesAire, AHalfGapRoundsToTheEvenTwip) {
  const TaillesAire t = CalculTailles(11400, 9000);
  EXPECT_EQ(t.LargeurCase, 1140);
  EXPECT_EQ(t.EcartHorizontal, 48);
  EXPECT_EQ(t.RetraitPrise, 24);
}

TEST(DimensionsÉcran, RefuseWhatNoScreenMeasures) {
  EXPECT_TRUE(DimensionsÉcranValides(12000, 9000));
  EXPECT_FALSE(DimensionsÉcranValides(0, 9000));
  EXPECT_FALSE(DimensionsÉcranValides(12000, -1));
  EXPECT_FALSE(DimensionsÉcranValides(std::numeric_limits<double>::quiet_NaN(), 9000));
  EXPECT_FALSE(DimensionsÉcranValides(12000, std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(DimensionsÉcranValides(2e6, 9000));
}

// The sheet holds 18 rows with a gap above each and one below the last, and is as wide as the
// columns in play and the two label columns with their gaps, centred in the window.
TEST(PictureAireJeu, IsEighteenRowsHigh) {
  EXPECT_EQ(R(AireJeu(12000, 9000), "PictureAireJeu").Height, 6169);
  EXPECT_EQ(R(AireJeu(12000, 9000), "PictureAireJeu").Top, 50);
}

TEST(PictureAireJeu, WidthFollowsTheColumnsInPlay) {
  EXPECT_EQ(R(DispositionAireJeu(12000, 9000, 6, 12000), "PictureAireJeu").Width, 10050);
  EXPECT_EQ(R(DispositionAireJeu(12000, 9000, 3, 12000), "PictureAireJeu").Width, 6300);
  EXPECT_EQ(R(DispositionAireJeu(12000, 9000, 1, 12000), "PictureAireJeu").Width, 3800);
}

TEST(PictureAireJeu, IsCentredInTheWindow) {
  EXPECT_EQ(R(DispositionAireJeu(12000, 9000, 6, 12000), "PictureAireJeu").Left, 975);
  EXPECT_EQ(R(DispositionAireJeu(12000, 9000, 3, 12000), "PictureAireJeu").Left, 2850);
  EXPECT_EQ(R(DispositionAireJeu(12000, 9000, 1, 11001), "PictureAireJeu").Left, 3600.5);
}

TEST(PictureAireJeu, StandsForSixColumnsBeforeTheFirstGame) {
  const AireJeu aire(12000, 9000);
  EXPECT_EQ(aire.NbColonnes(), 0);
  EXPECT_EQ(R(aire, "PictureAireJeu").Width, 10050);
  EXPECT_EQ(R(aire, "PictureAireJeu").Left, 975);
  for (int16_t c : ToutesColonnes) EXPECT_EQ(aire[NomEntête(c)].montré, true);
}

// Every row of the sheet is one square and one gap below the previous one.
TEST(Lignes, AreEvenlySpacedOnTheReferenceScreen) {
  const AireJeu aire = DispositionAireJeu(12000, 9000, 6, 12000);
  auto haut = [](int ligne) { return static_cast<float>(31 + ligne * 341); };
  for (int16_t c : ToutesColonnes) {
    EXPECT_EQ(R(aire, NomEntête(c)).Top, haut(0));
    for (int16_t f = 1; f <= 13; ++f) EXPECT_EQ(R(aire, NomCase(c, f)).Top, haut(LigneFigure(f)));
    EXPECT_EQ(R(aire, NomTotal(LigneTotal::TotalHaut, c)).Top, haut(7));
    EXPECT_EQ(R(aire, NomTotal(LigneTotal::BonusHaut, c)).Top, haut(8));
    EXPECT_EQ(R(aire, NomTotal(LigneTotal::TotalBas, c)).Top, haut(16));
    EXPECT_EQ(R(aire, NomTotal(LigneTotal::BonusBas, c)).Top, haut(17));
  }
  for (Côté côté : {Côté::Gauche, Côté::Droite}) {
    for (int i = 0; i <= 13; ++i) EXPECT_EQ(R(aire, NomÉtiquette(côté, i)).Top, haut(LigneFigure(i)));
    EXPECT_EQ(R(aire, NomÉtiquetteTotal(LigneTotal::TotalHaut, côté)).Top, haut(7));
    EXPECT_EQ(R(aire, NomÉtiquetteTotal(LigneTotal::BonusHaut, côté)).Top, haut(8));
    EXPECT_EQ(R(aire, NomÉtiquetteTotal(LigneTotal::TotalBas, côté)).Top, haut(16));
    EXPECT_EQ(R(aire, NomÉtiquetteTotal(LigneTotal::BonusBas, côté)).Top, haut(17));
  }
}

TEST(Lignes, LeaveOneGapBelowTheLastRow) {
  for (auto [w, h, gap] : {std::tuple{12000, 9000, 31}, {9600, 7200, 25}}) {
    const AireJeu aire(w, h);
    const Rect bonusBas = R(aire, "CaseBonusBasAnnonce");
    EXPECT_EQ(R(aire, "PictureAireJeu").Height - (bonusBas.Top + bonusBas.Height), gap);
    EXPECT_EQ(R(aire, "CaseNomAnnonce").Top, gap);
  }
}

TEST(Lignes, AreEvenlySpacedOnASmallerScreen) {
  const AireJeu aire(9600, 7200);
  for (int i = 1; i <= 13; ++i) {
    const float écart = R(aire, NomÉtiquette(Côté::Gauche, i)).Top -
                        R(aire, NomÉtiquette(Côté::Gauche, i - 1)).Top;
    EXPECT_EQ(écart, i == 7 ? 3 * 273 : 273) << "row label " << i;
  }
  EXPECT_EQ(R(aire, "CaseLibre(13)").Top, 25 + 15 * 273);
}

// Every square, header, total and row label is one square wide and high.
TEST(Cases, AreAllOneSquareInSize) {
  const AireJeu aire = DispositionAireJeu(9600, 7200, 6, 9600);
  for (int16_t c : ToutesColonnes) {
    for (int16_t f = 1; f <= 13; ++f) EXPECT_EQ(R(aire, NomCase(c, f)).Width, 960);
    for (int16_t f = 1; f <= 13; ++f) EXPECT_EQ(R(aire, NomCase(c, f)).Height, 248);
    EXPECT_EQ(R(aire, NomEntête(c)).Width, 960);
    EXPECT_EQ(R(aire, NomTotal(LigneTotal::BonusBas, c)).Height, 248);
  }
  EXPECT_EQ(R(aire, "CaseInfoDroite(0)").Width, 960);
  EXPECT_EQ(R(aire, "CaseInfoTotalBasGauche").Height, 248);
}

// With six columns the slots run: left labels, Descente, Libre, Montée, Sèche, Deux, Annonce,
// right labels; the squares of a column stand under its header.
TEST(SixColonnes, PlacesTheColumnsInTheirScreenOrder) {
  const AireJeu aire = DispositionAireJeu(12000, 9000, 6, 12000);
  const std::array<std::pair<int16_t, float>, 6> gauches = {
      {{Descente, 1300}, {Libre, 2550}, {Montée, 3800}, {Sèche, 5050}, {Deux, 6300}, {Annonce, 7550}}};
  for (auto [c, gauche] : gauches) {
    EXPECT_EQ(R(aire, NomEntête(c)).Left, gauche);
    for (int16_t f = 1; f <= 13; ++f) EXPECT_EQ(R(aire, NomCase(c, f)).Left, gauche);
    for (LigneTotal ligne : LignesTotaux) EXPECT_EQ(R(aire, NomTotal(ligne, c)).Left, gauche);
    EXPECT_EQ(aire[NomEntête(c)].montré, true);
    EXPECT_EQ(aire[NomTotal(LigneTotal::BonusBas, c)].montré, true);
  }
  for (int i = 0; i <= 13; ++i) EXPECT_EQ(R(aire, NomÉtiquette(Côté::Gauche, i)).Left, 50);
  for (int i = 0; i <= 13; ++i) EXPECT_EQ(R(aire, NomÉtiquette(Côté::Droite, i)).Left, 8800);
  EXPECT_EQ(R(aire, "CaseInfoBonusHautDroite").Left, 8800);
  EXPECT_EQ(R(aire, "CaseInfoTotalBasGauche").Left, 50);
}

TEST(SixColonnes, TheRightLabelsEndOneGapInsideTheSheet) {
  const AireJeu aire = DispositionAireJeu(9600, 7200, 6, 9600);
  const Rect droite = R(aire, "CaseInfoDroite(5)");
  EXPECT_EQ(droite.Left, 8 * 40 + 7 * 960);
  EXPECT_EQ(droite.Left + droite.Width + 40, R(aire, "PictureAireJeu").Width);
}

TEST(TroisColonnes, ShowsDescenteLibreMontéeAndMovesTheRightLabels) {
  const AireJeu aire = DispositionAireJeu(12000, 9000, 3, 12000);
  for (int16_t c : {Descente, Libre, Montée}) EXPECT_EQ(aire[NomEntête(c)].montré, true);
  for (int16_t c : {Sèche, Deux, Annonce}) {
    EXPECT_EQ(aire[NomEntête(c)].montré, false);
    for (LigneTotal ligne : LignesTotaux) EXPECT_EQ(aire[NomTotal(ligne, c)].montré, false);
  }
  EXPECT_EQ(R(aire, "CaseNomLibre").Left, 2550);
  EXPECT_EQ(R(aire, "CaseInfoDroite(0)").Left, 5050);
  EXPECT_EQ(R(aire, "CaseInfoDroite(13)").Left, 5050);
  EXPECT_EQ(R(aire, "CaseInfoBonusBasDroite").Left, 5050);
  EXPECT_EQ(R(aire, "CaseInfoDroite(13)").Left + 1200 + 50, R(aire, "PictureAireJeu").Width);
}

TEST(UneColonne, PutsLibreRightAfterTheLeftLabels) {
  const AireJeu aire = DispositionAireJeu(12000, 9000, 1, 12000);
  EXPECT_EQ(aire[NomEntête(Libre)].montré, true);
  for (int16_t c : {Descente, Montée, Sèche, Deux, Annonce}) {
    EXPECT_EQ(aire[NomEntête(c)].montré, false);
    EXPECT_EQ(aire[NomTotal(LigneTotal::TotalHaut, c)].montré, false);
  }
  EXPECT_EQ(R(aire, "CaseInfoGauche(1)").Left, 50);
  EXPECT_EQ(R(aire, "CaseNomLibre").Left, 1300);
  for (int16_t f = 1; f <= 13; ++f) EXPECT_EQ(R(aire, NomCase(Libre, f)).Left, 1300);
  EXPECT_EQ(R(aire, "CaseTotalBasLibre").Left, 1300);
  EXPECT_EQ(R(aire, "CaseInfoDroite(0)").Left, 2550);
  EXPECT_EQ(R(aire, "CaseInfoDroite(7)").Left, 2550);
  EXPECT_EQ(R(aire, "CaseInfoTotalHautDroite").Left, 2550);
  EXPECT_EQ(R(aire, "CaseInfoDroite(7)").Left + 1200 + 50, R(aire, "PictureAireJeu").Width);
}

TEST(UneColonne, GoingBackToMoreColumnsRestoresLibre) {
  for (int retour : {3, 6}) {
    AireJeu aire(12000, 9000);
    aire.DispositionMode(1, 12000);
    aire.DispositionMode(retour, 12000);
    EXPECT_EQ(R(aire, "CaseNomLibre").Left, 2550);
    EXPECT_EQ(R(aire, "CaseLibre(1)").Left, 2550);
    EXPECT_EQ(R(aire, "CaseBonusBasLibre").Left, 2550);
    EXPECT_EQ(R(aire, "CaseNomDescente").Left, 1300);
    EXPECT_EQ(R(aire, "CaseInfoDroite(0)").Left, retour == 6 ? 8800 : 5050);
    EXPECT_EQ(aire[NomEntête(Descente)].montré, true);
  }
}

TEST(DispositionMode, RefusesANumberOfColumnsTheSheetHasNot) {
  AireJeu aire(12000, 9000);
  aire.DispositionMode(3, 12000);
  for (int n : {0, 7, -1}) {
    EXPECT_FALSE(aire.DispositionMode(n, 12000));
    EXPECT_EQ(aire.NbColonnes(), 3);
    EXPECT_EQ(R(aire, "PictureAireJeu").Width, 6300);
  }
}

// The dice area: three result panels stacked on the left, five dice in a row and the throw
// button under them, spaced by MargePanneau.
TEST(ZoneDés, OnTheReferenceScreen) {
  const AireJeu aire(12000, 9000);
  EXPECT_EQ(R(aire, "PanelScoreTotal"), (Rect{60, 60, 1590, 500}));
  EXPECT_EQ(R(aire, "PanelTotalDés"), (Rect{60, 620, 1590, 450}));
  EXPECT_EQ(R(aire, "PanelFigureRéalisée"), (Rect{60, 1130, 1590, 450}));
  EXPECT_EQ(R(aire, "PanelDé(1)"), (Rect{1710, 75, 945, 945}));
  EXPECT_EQ(R(aire, "PanelDé(3)"), (Rect{3720, 75, 945, 945}));
  EXPECT_EQ(R(aire, "PanelDé(5)"), (Rect{5730, 75, 945, 945}));
  EXPECT_EQ(R(aire, "ImageDé(4)"), (Rect{60, 60, 825, 825}));
  EXPECT_EQ(R(aire, "PanelOkDé"), (Rect{1710, 1080, 4965, 515}));
  EXPECT_EQ(R(aire, "PanelNewGame"), (Rect{1710, 1080, 2452.5, 515}));
  EXPECT_EQ(R(aire, "PanelNewMode"), (Rect{4222.5, 1080, 2452.5, 515}));
  EXPECT_EQ(R(aire, "SuperPanelDés"), (Rect{5140, 6312, 6735, 1640}));
  EXPECT_EQ(R(aire, "PanelInfoDéroulement"), (Rect{50, 6312, 5040, 1640}));
}

TEST(ZoneDés, ScalesWithTheScreen) {
  const AireJeu aire(9600, 7200);
  EXPECT_EQ(R(aire, "PanelScoreTotal"), (Rect{48, 48, 1272, 400}));
  EXPECT_EQ(R(aire, "PanelTotalDés"), (Rect{48, 496, 1272, 360}));
  EXPECT_EQ(R(aire, "PanelFigureRéalisée"), (Rect{48, 904, 1272, 360}));
  EXPECT_EQ(R(aire, "PanelDé(2)"), (Rect{2172, 75, 756, 756}));
  EXPECT_EQ(R(aire, "ImageDé(2)"), (Rect{60, 60, 660, 660}));
  EXPECT_EQ(R(aire, "PanelOkDé"), (Rect{1368, 879, 3972, 412}));
  EXPECT_EQ(R(aire, "PanelNewMode"), (Rect{3378, 879, 1962, 412}));
  EXPECT_EQ(R(aire, "SuperPanelDés"), (Rect{4132, 5064, 5388, 1312}));
  EXPECT_EQ(R(aire, "PanelInfoDéroulement"), (Rect{50, 5064, 4032, 1312}));
}

TEST(ZoneDés, TheLastDieEndsOneMarginInside) {
  const AireJeu aire(14400, 10800);
  const Rect dé5 = R(aire, "PanelDé(5)");
  const float marge = static_cast<float>(aire.Tailles().MargePanneau);
  EXPECT_FLOAT_EQ(dé5.Left + dé5.Width + marge, R(aire, "SuperPanelDés").Width);
  const Rect rejouer = R(aire, "PanelNewGame");
  const Rect mode = R(aire, "PanelNewMode");
  EXPECT_FLOAT_EQ(mode.Left + mode.Width, R(aire, "PanelOkDé").Left + R(aire, "PanelOkDé").Width);
  EXPECT_FLOAT_EQ(mode.Left - (rejouer.Left + rejouer.Width), marge);
}

TEST(PanelStart, StandsCentredAThirdDownTheScreen) {
  EXPECT_EQ(R(AireJeu(12000, 9000), "PanelStart"), (Rect{3735, 2550, 4530, 1350}));
  EXPECT_EQ(R(AireJeu(9600, 7200), "PanelStart"), (Rect{2988, 2040, 3624, 1080}));
}

// The high-score area: the mode title, the table of ten rows of five panels and the erase
// button, centred on the screen 100 twips from the top.
TEST(ZoneScores, OnTheReferenceScreen) {
  const AireJeu aire(12000, 9000);
  EXPECT_EQ(R(aire, "SuperPanelScore"), (Rect{3690, 100, 4620, 5625}));
  EXPECT_EQ(R(aire, "PanelModeColonnes"), (Rect{1185, 60, 2250, 495}));
  EXPECT_EQ(R(aire, "PanelScore"), (Rect{60, 615, 4500, 4395}));
  EXPECT_EQ(R(aire, "PanelEffacerScores"), (Rect{60, 5070, 4500, 495}));
  EXPECT_EQ(R(aire, "PanelScoreClassement(1)"), (Rect{45, 45, 390, 390}));
  EXPECT_EQ(R(aire, "PanelScoreNom(1)"), (Rect{435, 45, 1800, 390}));
  EXPECT_EQ(R(aire, "PanelScoreScore(1)"), (Rect{2235, 45, 990, 390}));
  EXPECT_EQ(R(aire, "PanelScoreTemps(1)"), (Rect{3225, 45, 690, 390}));
  EXPECT_EQ(R(aire, "PanelScoreNbFigures(1)"), (Rect{3915, 45, 540, 390}));
  EXPECT_EQ(R(aire, "PanelScoreClassement(10)"), (Rect{45, 3960, 390, 390}));
  EXPECT_EQ(R(aire, "PanelScoreNbFigures(10)"), (Rect{3915, 3960, 540, 390}));
}

TEST(ZoneScores, RowsScaleButKeepTheirFixedSpacing) {
  const AireJeu aire(9600, 7200);
  EXPECT_EQ(R(aire, "PanelScoreClassement(2)"), (Rect{45, 402, 312, 312}));
  EXPECT_EQ(R(aire, "PanelScoreNom(2)"), (Rect{357, 402, 1440, 312}));
  EXPECT_EQ(R(aire, "PanelScore"), (Rect{48, 492, 3618, 3615}));
  EXPECT_EQ(R(aire, "SuperPanelScore").Width, 3714);
}

// Font sizes follow the screen width; the squares' font is in whole points.
TEST(Polices, OnTheReferenceScreen) {
  const AireJeu aire(12000, 9000);
  const std::array<std::pair<std::string_view, float>, 14> tailles = {{
      {"PanelScoreTotal", 18}, {"PanelTotalDés", 18}, {"PanelFigureRéalisée", 12},
      {"PanelOkDé", 20}, {"PanelNewGame", 14.25F}, {"PanelNewMode", 14.25F},
      {"PanelStart", 28}, {"PanelInfoDéroulement", 12}, {"PanelModeColonnes", 12},
      {"PanelEffacerScores", 12}, {"PanelScoreClassement(3)", 15}, {"PanelScoreNom(3)", 10},
      {"PanelScoreTemps(3)", 12}, {"PanelScoreNbFigures(3)", 14}}};
  for (auto [nom, taille] : tailles) EXPECT_EQ(aire[nom].police, taille) << nom;
  EXPECT_EQ(aire["PanelScoreScore(9)"].police, 15);
  EXPECT_EQ(aire["CaseAnnonce(13)"].police, 10);
  EXPECT_EQ(aire["CaseNomDeux"].police, 10);
}

TEST(Polices, ScaleFractionallyButTheSquaresRound) {
  const AireJeu aire(15360, 11520);
  EXPECT_FLOAT_EQ(*aire["PanelScoreTotal"].police, 23.04F);
  EXPECT_FLOAT_EQ(*aire["PanelOkDé"].police, 25.6F);
  EXPECT_FLOAT_EQ(*aire["PanelStart"].police, 35.84F);
  EXPECT_FLOAT_EQ(*aire["PanelScoreNom(1)"].police, 12.8F);
  EXPECT_EQ(aire["PanelNewGame"].police, 14.25F);
  for (std::string_view nom : {"CaseLibre(1)", "CaseNomSèche", "CaseTotalHautMontée",
                               "CaseBonusBasAnnonce", "CaseInfoGauche(3)", "CaseInfoDroite(0)",
                               "CaseInfoBonusBasDroite"})
    EXPECT_EQ(aire[nom].police, 13) << nom;
}

TEST(Polices, TheSquaresRoundHalfAPointToEven) {
  EXPECT_EQ(AireJeu(15000, 11250)["CaseDeux(4)"].police, 12);
  EXPECT_EQ(AireJeu(9000, 6750)["CaseDeux(4)"].police, 8);
}

// Each control stands in its container: the sheet, the dice area, a die, the high scores.
TEST(Conteneurs, EachControlNamesWhereItStands) {
  const AireJeu aire(12000, 9000);
  EXPECT_EQ(aire["PictureAireJeu"].conteneur, "");
  EXPECT_EQ(aire["SuperPanelScore"].conteneur, "");
  EXPECT_EQ(aire["CaseMontée(13)"].conteneur, "PictureAireJeu");
  EXPECT_EQ(aire["CaseInfoBonusHautGauche"].conteneur, "PictureAireJeu");
  EXPECT_EQ(aire["PanelOkDé"].conteneur, "SuperPanelDés");
  EXPECT_EQ(aire["ImageDé(3)"].conteneur, "PanelDé(3)");
  EXPECT_EQ(aire["PanelScore"].conteneur, "SuperPanelScore");
  EXPECT_EQ(aire["PanelScoreTemps(10)"].conteneur, "PanelScore");
}

TEST(Conteneurs, NamesAreTheWindowsOwn) {
  const AireJeu aire(12000, 9000);
  EXPECT_NE(aire.Trouver("CaseSèche(7)"), nullptr);
  EXPECT_NE(aire.Trouver("CaseBonusBasMontée"), nullptr);
  EXPECT_NE(aire.Trouver("PanelDé(3)"), nullptr);
  EXPECT_EQ(aire.Trouver("CaseSeche(7)"), nullptr);
  EXPECT_EQ(aire.Trouver("CaseLibre(14)"), nullptr);
  EXPECT_EQ(aire.Trouver("PanelDé(6)"), nullptr);
  // 6 × (13 squares + header + 4 totals), 2 × (14 labels + 4), 5 × 10 score rows, the dice
  // area's 6 + 2 × 5, the high-score area's 3 and the window's 5.
  EXPECT_EQ(aire.Contrôles().size(), 108u + 36u + 50u + 16u + 3u + 5u);
}

// Only the models of the row labels are hidden; the high-score rows are shown.
TEST(Visibilité, TheModelsStayHidden) {
  const AireJeu aire(12000, 9000);
  EXPECT_EQ(aire["CaseInfoGauche(0)"].montré, false);
  EXPECT_EQ(aire["CaseInfoDroite(0)"].montré, false);
  EXPECT_EQ(aire["CaseInfoDroite(1)"].montré, true);
  EXPECT_EQ(aire["CaseInfoTotalBasGauche"].montré, true);
  EXPECT_EQ(aire["PanelScoreNom(10)"].montré, true);
  EXPECT_FALSE(aire["CaseLibre(1)"].montré.has_value());
}

// The row labels alternate two grey-greens from the darker on row 1, alike on both sides; the
// high-score rows alternate light and darker grey from row 1.
TEST(Couleurs, RowLabelsAlternateFromTheDarkerGreen) {
  const AireJeu aire(12000, 9000);
  for (int i = 1; i <= 13; ++i) {
    const Couleur attendue = i % 2 == 1 ? RGB(144, 159, 144) : RGB(192, 207, 192);
    EXPECT_EQ(aire[NomÉtiquette(Côté::Gauche, i)].design.fond, attendue) << i;
    EXPECT_EQ(aire[NomÉtiquette(Côté::Droite, i)].design.fond, attendue) << i;
    EXPECT_EQ(aire[NomÉtiquette(Côté::Droite, i)].design.police, "Comic Sans MS");
  }
}

TEST(Couleurs, HighScoreRowsAlternateFromTheLightGrey) {
  const AireJeu aire(12000, 9000);
  for (int i = 1; i <= 10; ++i)
    for (std::string_view famille : {"PanelScoreClassement", "PanelScoreNom", "PanelScoreScore",
                                     "PanelScoreTemps", "PanelScoreNbFigures"})
      EXPECT_EQ(aire[NomÉlément(famille, i)].design.fond,
                i % 2 == 1 ? RGB(224, 224, 224) : RGB(192, 192, 192))
          << famille << i;
}

TEST(Couleurs, SquaresTakeTheirColumnsColours) {
  const AireJeu aire(12000, 9000);
  EXPECT_EQ(aire["CaseLibre(5)"].design.fond, RGB(134, 210, 30));
  EXPECT_EQ(aire["CaseDescente(5)"].design.texte, RGB(0, 0, 0));
  EXPECT_FALSE(aire["CaseMontée(5)"].design.texte.has_value());
  EXPECT_EQ(aire["CaseAnnonce(9)"].design.fond, RGB(228, 169, 109));
  EXPECT_EQ(aire["CaseNomSèche"].design, (Design{RGB(255, 192, 192), RGB(128, 0, 0),
                                                  "Times New Roman", true}));
  EXPECT_EQ(aire["CaseTotalBasDeux"].design.fond, RGB(75, 141, 163));
  EXPECT_EQ(aire["CaseBonusHautDeux"].design.fond, RGB(82, 228, 145));
  EXPECT_EQ(aire["CaseInfoBonusBasGauche"].design.fond, RGB(82, 228, 145));
  EXPECT_EQ(aire["PanelStart"].design.gras, false);
  EXPECT_EQ(aire["PanelOkDé"].design.texte, RGB(128, 255, 128));
}

// One screen's whole layout, play area and dialogs, is found by the windows' own names.
TEST(Disposition, GathersThePlayAreaAndTheDialogs) {
  const DispositionÉcran d = Disposition(15360, 11520, 3);
  EXPECT_EQ(d.tailles.LargeurCase, 1536);
  EXPECT_EQ(d.m, 192);
  EXPECT_EQ(d.rects.at("PictureAireJeu").Width, 5 * 1536 + 6 * 64);
  EXPECT_EQ(d.rects.at("CaseInfoDroite(0)").Left, 5 * 64 + 4 * 1536);
  EXPECT_EQ(d.rects.at("FrameModeColonnes").Left, 192);
  EXPECT_FLOAT_EQ(d.polices.at("FrameModeColonnes"), 10.24F);
  EXPECT_EQ(d.polices.at("CaseSèche(7)"), 13);
  EXPECT_FALSE(d.polices.contains("PictureAireJeu"));
  EXPECT_EQ(d.rects.size(), 218u + 15u);
}

// A taken square shrinks by RetraitPrise on each side and stays centred in its cell.
TEST(RetraitPrise, KeepsTheSquareCentred) {
  EXPECT_EQ(AppliquerRetraitPrise(Rect{2550, 372, 1200, 310}, 25), (Rect{2575, 397, 1150, 260}));
  EXPECT_EQ(AppliquerRetraitPrise(Rect{1300, 31, 960, 248}, 20), (Rect{1320, 51, 920, 208}));
}

}  // namespace
}  // namespace rolvex
