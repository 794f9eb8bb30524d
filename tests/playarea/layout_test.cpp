#include "playarea/layout.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <tuple>

#include "rect_printer.h"

namespace rolvex {
namespace {

using colonne::Annonce;
using colonne::Descente;
using colonne::Deux;
using colonne::Libre;
using colonne::Montee;
using colonne::Seche;

constexpr std::array<int16_t, 6> ToutesColonnes = {Libre, Descente, Montee, Seche, Deux, Annonce};

Rect R(const AireJeu& aire, std::string_view nom) { return aire[nom].rect; }

// The row of the sheet that holds figure f: the total and bonus rows 7 and 8 part the upper
// figures from the lower ones.
int LigneFigure(int f) { return f <= 6 ? f : f + 2; }

// The sizes of the sheet are whole twips, rounded to the nearest, halves to the even neighbour.
TEST(ArrondiPair, RoundsToTheNearestAndHalvesToTheEvenNeighbour) {
  for (auto [x, attendu] : {std::pair{47.5, 48},
                            {190.5, 190},
                            {46.5, 46},
                            {0.5, 0},
                            {-1.5, -2},
                            {-0.5, 0},
                            {310.3448, 310},
                            {47.4999, 47},
                            {24.8, 25},
                            {190.5001, 191},
                            {1200.0, 1200}})
    EXPECT_EQ(ArrondiPair(x), attendu) << x;
}

// The five sizes of the sheet and the panel margin follow the screen.
TEST(TaillesAire, FollowTheScreen) {
  struct Cas {
    double largeur, hauteur;
    std::array<int, 6> tailles;  // HauteurCase … MargePanneau
  };
  for (const Cas& c :
       {Cas{12000, 9000, {310, 1200, 31, 50, 25, 60}}, Cas{9600, 7200, {248, 960, 25, 40, 20, 48}},
        Cas{11400, 9000, {310, 1140, 31, 48, 24, 57}}}) {  // a half gap rounds even
    const TaillesAire t = AireJeu(c.largeur, c.hauteur).Tailles();
    EXPECT_EQ((std::array{t.HauteurCase, t.LargeurCase, t.EcartVertical, t.EcartHorizontal,
                          t.RetraitPrise, t.MargePanneau}),
              c.tailles)
        << c.largeur << " × " << c.hauteur;
  }
}

TEST(DimensionsEcran, RefuseWhatNoScreenMeasures) {
  EXPECT_TRUE(DimensionsEcranValides(12000, 9000));
  EXPECT_FALSE(DimensionsEcranValides(0, 9000));
  EXPECT_FALSE(DimensionsEcranValides(12000, -1));
  EXPECT_FALSE(DimensionsEcranValides(std::numeric_limits<double>::quiet_NaN(), 9000));
  EXPECT_FALSE(DimensionsEcranValides(12000, std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(DimensionsEcranValides(2e6, 9000));
}

// The sheet holds 18 rows with a gap above each and one below the last, and is as wide as the
// columns in play and the two label columns with their gaps, centred in the window; it stands
// as for six columns before the first game.
TEST(PictureAireJeu, IsAsWideAsTheColumnsInPlayAndCentredInTheWindow) {
  for (auto [nb, fenetre, largeur, gauche] : {std::tuple{6, 12000, 10050, 975.0F},
                                              {3, 12000, 6300, 2850.0F},
                                              {1, 11001, 3800, 3600.5F}}) {
    const Rect r = R(DispositionAireJeu(12000, 9000, nb, fenetre), "PictureAireJeu");
    EXPECT_EQ(r, (Rect{gauche, 50, static_cast<float>(largeur), 6169})) << nb;
  }
  const AireJeu aire(12000, 9000);
  EXPECT_EQ(R(aire, "PictureAireJeu"), (Rect{975, 50, 10050, 6169}));
  for (int16_t c : ToutesColonnes) EXPECT_EQ(aire[NomEntete(c)].montre, true);
}

// Every row of the sheet is one square and one gap below the previous one.
TEST(Lignes, AreEvenlySpacedOnTheReferenceScreen) {
  const AireJeu aire = DispositionAireJeu(12000, 9000, 6, 12000);
  auto haut = [](int ligne) { return static_cast<float>(31 + ligne * 341); };
  for (int16_t c : ToutesColonnes) {
    EXPECT_EQ(R(aire, NomEntete(c)).Top, haut(0));
    for (int16_t f = 1; f <= 13; ++f) EXPECT_EQ(R(aire, NomCase(c, f)).Top, haut(LigneFigure(f)));
    for (auto [ligne, rang] : {std::pair{LigneTotal::TotalHaut, 7},
                               {LigneTotal::BonusHaut, 8},
                               {LigneTotal::TotalBas, 16},
                               {LigneTotal::BonusBas, 17}}) {
      EXPECT_EQ(R(aire, NomTotal(ligne, c)).Top, haut(rang));
      for (Cote cote : {Cote::Gauche, Cote::Droite})
        EXPECT_EQ(R(aire, NomEtiquetteTotal(ligne, cote)).Top, haut(rang));
    }
  }
  for (Cote cote : {Cote::Gauche, Cote::Droite})
    for (int i = 0; i <= 13; ++i)
      EXPECT_EQ(R(aire, NomEtiquette(cote, i)).Top, haut(LigneFigure(i)));
}

TEST(Lignes, ScaleWithTheScreenAndLeaveOneGapBelowTheLastRow) {
  for (auto [w, h, gap, pas] : {std::tuple{12000, 9000, 31, 341}, {9600, 7200, 25, 273}}) {
    const AireJeu aire(w, h);
    const Rect bonusBas = R(aire, "CaseBonusBasAnnonce");
    EXPECT_EQ(R(aire, "PictureAireJeu").Height - (bonusBas.Top + bonusBas.Height), gap);
    EXPECT_EQ(R(aire, "CaseNomAnnonce").Top, gap);
    EXPECT_EQ(R(aire, "CaseLibre(13)").Top, gap + 15 * pas);
    for (int i = 1; i <= 13; ++i)
      EXPECT_EQ(R(aire, NomEtiquette(Cote::Gauche, i)).Top -
                    R(aire, NomEtiquette(Cote::Gauche, i - 1)).Top,
                i == 7 ? 3 * pas : pas)
          << "row label " << i;
  }
}

// Every square, header, total and row label is one square wide and high.
TEST(Cases, AreAllOneSquareInSize) {
  const AireJeu aire = DispositionAireJeu(9600, 7200, 6, 9600);
  for (int16_t c : ToutesColonnes) {
    for (int16_t f = 1; f <= 13; ++f) {
      EXPECT_EQ(R(aire, NomCase(c, f)).Width, 960);
      EXPECT_EQ(R(aire, NomCase(c, f)).Height, 248);
    }
    EXPECT_EQ(R(aire, NomEntete(c)).Width, 960);
    EXPECT_EQ(R(aire, NomTotal(LigneTotal::BonusBas, c)).Height, 248);
  }
  EXPECT_EQ(R(aire, "CaseInfoDroite(0)").Width, 960);
  EXPECT_EQ(R(aire, "CaseInfoTotalBasGauche").Height, 248);
}

// The slots run: left labels, then the columns in play in their screen order (Descente, Libre,
// Montée, Sèche, Deux, Annonce; Libre alone right after the labels), then the right labels,
// which end one gap inside the sheet. Columns out of play are hidden with their totals.
TEST(ColumnModes, PlaceTheColumnsInPlayInTheirSlotsAndHideTheOthers) {
  struct Cas {
    int nb;
    std::map<int16_t, float> gauches;
    float droite;
  };
  for (const Cas& cas : {Cas{6,
                             {{Descente, 1300},
                              {Libre, 2550},
                              {Montee, 3800},
                              {Seche, 5050},
                              {Deux, 6300},
                              {Annonce, 7550}},
                             8800},
                         Cas{3, {{Descente, 1300}, {Libre, 2550}, {Montee, 3800}}, 5050},
                         Cas{1, {{Libre, 1300}}, 2550}}) {
    SCOPED_TRACE(cas.nb);
    const AireJeu aire = DispositionAireJeu(12000, 9000, cas.nb, 12000);
    for (int16_t c : ToutesColonnes) {
      const bool enJeu = cas.gauches.contains(c);
      EXPECT_EQ(aire[NomEntete(c)].montre, enJeu) << c;
      for (LigneTotal ligne : LignesTotaux) EXPECT_EQ(aire[NomTotal(ligne, c)].montre, enJeu) << c;
      if (!enJeu) continue;
      const float gauche = cas.gauches.at(c);
      EXPECT_EQ(R(aire, NomEntete(c)).Left, gauche);
      for (int16_t f = 1; f <= 13; ++f) EXPECT_EQ(R(aire, NomCase(c, f)).Left, gauche);
      for (LigneTotal ligne : LignesTotaux) EXPECT_EQ(R(aire, NomTotal(ligne, c)).Left, gauche);
    }
    for (int i = 0; i <= 13; ++i) {
      EXPECT_EQ(R(aire, NomEtiquette(Cote::Gauche, i)).Left, 50);
      EXPECT_EQ(R(aire, NomEtiquette(Cote::Droite, i)).Left, cas.droite);
    }
    EXPECT_EQ(R(aire, "CaseInfoTotalBasGauche").Left, 50);
    EXPECT_EQ(R(aire, "CaseInfoBonusHautDroite").Left, cas.droite);
    EXPECT_EQ(cas.droite + 1200 + 50, R(aire, "PictureAireJeu").Width);
  }
}

TEST(ColumnModes, GoingBackFromOneColumnRestoresLibreAndAnUnknownCountChangesNothing) {
  for (int retour : {3, 6}) {
    AireJeu aire(12000, 9000);
    aire.DispositionMode(1, 12000);
    aire.DispositionMode(retour, 12000);
    EXPECT_EQ(R(aire, "CaseNomLibre").Left, 2550);
    EXPECT_EQ(R(aire, "CaseLibre(1)").Left, 2550);
    EXPECT_EQ(R(aire, "CaseBonusBasLibre").Left, 2550);
    EXPECT_EQ(R(aire, "CaseNomDescente").Left, 1300);
    EXPECT_EQ(R(aire, "CaseInfoDroite(0)").Left, retour == 6 ? 8800 : 5050);
    EXPECT_EQ(aire[NomEntete(Descente)].montre, true);
  }
  AireJeu aire(12000, 9000);
  aire.DispositionMode(3, 12000);
  for (int n : {0, 7, -1}) {
    aire.DispositionMode(n, 12000);
    EXPECT_EQ(R(aire, "CaseInfoDroite(0)").Left, 5050);
    EXPECT_EQ(R(aire, "PictureAireJeu").Width, 6300);
  }
}

// The dice area: three result panels stacked on the left, five dice in a row and the throw
// button under them, spaced by MargePanneau.
TEST(ZoneDes, OnTheReferenceScreen) {
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
  EXPECT_EQ(R(aire, "PanelStart"), (Rect{3735, 2550, 4530, 1350}));
}

TEST(ZoneDes, ScalesWithTheScreenAndEndsOneMarginInside) {
  const AireJeu petit(9600, 7200);
  EXPECT_EQ(R(petit, "PanelFigureRéalisée"), (Rect{48, 904, 1272, 360}));
  EXPECT_EQ(R(petit, "PanelDé(2)"), (Rect{2172, 75, 756, 756}));
  EXPECT_EQ(R(petit, "SuperPanelDés"), (Rect{4132, 5064, 5388, 1312}));
  EXPECT_EQ(R(petit, "PanelStart"), (Rect{2988, 2040, 3624, 1080}));
  const AireJeu aire(14400, 10800);
  const Rect de5 = R(aire, "PanelDé(5)");
  const float marge = static_cast<float>(aire.Tailles().MargePanneau);
  EXPECT_FLOAT_EQ(de5.Left + de5.Width + marge, R(aire, "SuperPanelDés").Width);
  const Rect rejouer = R(aire, "PanelNewGame");
  const Rect mode = R(aire, "PanelNewMode");
  EXPECT_FLOAT_EQ(mode.Left + mode.Width, R(aire, "PanelOkDé").Left + R(aire, "PanelOkDé").Width);
  EXPECT_FLOAT_EQ(mode.Left - (rejouer.Left + rejouer.Width), marge);
}

// The high-score area: the mode title, the table of ten rows of five panels and the erase
// button, centred on the screen 100 twips from the top; the rows keep their fixed spacing.
TEST(ZoneScores, OnTheReferenceScreenAndScaled) {
  const AireJeu aire(12000, 9000);
  EXPECT_EQ(R(aire, "SuperPanelScore"), (Rect{3690, 100, 4620, 5625}));
  EXPECT_EQ(R(aire, "PanelModeColonnes"), (Rect{1185, 60, 2250, 495}));
  EXPECT_EQ(R(aire, "PanelScore"), (Rect{60, 615, 4500, 4395}));
  EXPECT_EQ(R(aire, "PanelEffacerScores"), (Rect{60, 5070, 4500, 495}));
  EXPECT_EQ(R(aire, "PanelScoreClassement(1)"), (Rect{45, 45, 390, 390}));
  EXPECT_EQ(R(aire, "PanelScoreNom(1)"), (Rect{435, 45, 1800, 390}));
  EXPECT_EQ(R(aire, "PanelScoreScore(1)"), (Rect{2235, 45, 990, 390}));
  EXPECT_EQ(R(aire, "PanelScoreTemps(1)"), (Rect{3225, 45, 690, 390}));
  EXPECT_EQ(R(aire, "PanelScoreNbFigures(10)"), (Rect{3915, 3960, 540, 390}));
  const AireJeu petit(9600, 7200);
  EXPECT_EQ(R(petit, "PanelScoreNom(2)"), (Rect{357, 402, 1440, 312}));
  EXPECT_EQ(R(petit, "PanelScore"), (Rect{48, 492, 3618, 3615}));
  EXPECT_EQ(R(petit, "SuperPanelScore").Width, 3714);
}

// Font sizes follow the screen width; the squares' font is in whole points, halves to even.
TEST(Polices, ScaleFractionallyButTheSquaresRoundHalvesToEven) {
  const AireJeu reference(12000, 9000);
  EXPECT_EQ(reference["PanelScoreTotal"].police, 18);
  EXPECT_EQ(reference["PanelNewGame"].police, 14.25F);
  EXPECT_EQ(reference["CaseAnnonce(13)"].police, 10);
  const AireJeu aire(15360, 11520);
  EXPECT_FLOAT_EQ(*aire["PanelScoreTotal"].police, 23.04F);
  EXPECT_FLOAT_EQ(*aire["PanelStart"].police, 35.84F);
  EXPECT_FLOAT_EQ(*aire["PanelScoreNom(1)"].police, 12.8F);
  EXPECT_EQ(aire["PanelNewGame"].police, 14.25F);
  for (std::string_view nom : {"CaseLibre(1)", "CaseNomSèche", "CaseTotalHautMontée",
                               "CaseInfoGauche(3)", "CaseInfoBonusBasDroite"})
    EXPECT_EQ(aire[nom].police, 13) << nom;
  EXPECT_EQ(AireJeu(15000, 11250)["CaseDeux(4)"].police, 12);
  EXPECT_EQ(AireJeu(9000, 6750)["CaseDeux(4)"].police, 8);
}

// Each control stands in its container under the window's own name; only the models of the
// row labels are hidden.
TEST(Conteneurs, EachControlNamesWhereItStands) {
  const AireJeu aire(12000, 9000);
  EXPECT_EQ(aire["PictureAireJeu"].conteneur, "");
  EXPECT_EQ(aire["CaseMontée(13)"].conteneur, "PictureAireJeu");
  EXPECT_EQ(aire["CaseInfoBonusHautGauche"].conteneur, "PictureAireJeu");
  EXPECT_EQ(aire["PanelOkDé"].conteneur, "SuperPanelDés");
  EXPECT_EQ(aire["ImageDé(3)"].conteneur, "PanelDé(3)");
  EXPECT_EQ(aire["PanelScoreTemps(10)"].conteneur, "PanelScore");
  for (std::string_view absent : {"CaseSeche(7)", "CaseLibre(14)", "PanelDé(6)"})
    EXPECT_EQ(aire.Trouver(absent), nullptr) << absent;
  // 6 × (13 squares + header + 4 totals), 2 × (14 labels + 4), 5 × 10 score rows, the dice
  // area's 6 + 2 × 5, the high-score area's 3 and the window's 5.
  EXPECT_EQ(aire.Controles().size(), 108u + 36u + 50u + 16u + 3u + 5u);
  EXPECT_EQ(aire["CaseInfoGauche(0)"].montre, false);
  EXPECT_EQ(aire["CaseInfoDroite(0)"].montre, false);
  EXPECT_EQ(aire["CaseInfoDroite(1)"].montre, true);
  EXPECT_EQ(aire["PanelScoreNom(10)"].montre, true);
  EXPECT_FALSE(aire["CaseLibre(1)"].montre.has_value());
}

// The row labels alternate two grey-greens from the darker on row 1, alike on both sides; the
// high-score rows alternate light and darker grey from row 1; squares take their column's.
TEST(Couleurs, RowsAlternateAndSquaresTakeTheirColumnsColours) {
  const AireJeu aire(12000, 9000);
  for (int i = 1; i <= 13; ++i)
    for (Cote cote : {Cote::Gauche, Cote::Droite})
      EXPECT_EQ(aire[NomEtiquette(cote, i)].design.fond,
                i % 2 == 1 ? RGB(144, 159, 144) : RGB(192, 207, 192))
          << i;
  for (int i = 1; i <= 10; ++i)
    for (std::string_view famille : {"PanelScoreClassement", "PanelScoreNom", "PanelScoreScore",
                                     "PanelScoreTemps", "PanelScoreNbFigures"})
      EXPECT_EQ(aire[NomElement(famille, i)].design.fond,
                i % 2 == 1 ? RGB(224, 224, 224) : RGB(192, 192, 192))
          << famille << i;
  for (int16_t c : ToutesColonnes)
    EXPECT_EQ(aire[NomCase(c, 5)].design.fond, Colonnes[c].fondLibre) << c;
}

// One screen's whole layout, play area and dialogs, is found by the windows' own names.
TEST(Disposition, GathersThePlayAreaAndTheDialogs) {
  const DispositionEcran d = Disposition(15360, 11520, 3);
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
