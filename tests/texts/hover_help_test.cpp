#include "texts/hover_help.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/headless_display.h"

namespace rolvex {
namespace {

constexpr Langue LesDeuxLangues[] = {Langue::Français, Langue::Anglais};
constexpr int16_t UneColonne = 1, TroisColonnes = 2, SixColonnes = 3;

std::vector<std::string> Lignes(const std::string& texte) {
  std::vector<std::string> lignes(1);
  for (char c : texte) {
    if (c == '\r') {
      lignes.emplace_back();
    } else {
      lignes.back() += c;
    }
  }
  return lignes;
}

// A real game, with the dice chosen by the test: "33322" throws three 3s and two 2s.
class PartieJouée : public ::testing::Test {
 protected:
  AffichageMémoire affichage;
  DéÉquitable hasard{7};
  DésEnFile dés{hasard};
  Partie partie{affichage, dés};

  const ÉtatPartie& état() const { return partie.État(); }

  void Nouvelle(int16_t mode) {
    partie.ChoisirMode(mode);
    partie.AppelNouveau();
  }
  void Jeter(std::string_view faces) {
    for (char c : faces) dés.Ajouter(static_cast<int16_t>(c - '0'));
    partie.AppelOkDéClique();
  }
  // One turn: a single throw, then the square written.
  void Écrire(int16_t c, int16_t f, std::string_view faces) {
    Jeter(faces);
    partie.AppelCliqueCase(c, f);
  }
  void ÉcrireLibre(std::initializer_list<std::pair<int16_t, std::string_view>> tours) {
    for (const auto& [f, faces] : tours) Écrire(colonne::Libre, f, faces);
  }
  // Every lower figure of Libre made, with the first `combien` of them only.
  void FiguresBasLibre(int combien) {
    const std::pair<int16_t, std::string_view> figures[] = {
        {figure::Maxi, "66665"},  {figure::Mini, "11112"},       {figure::Full, "33322"},
        {figure::Carré, "44441"}, {figure::Suite, "12345"},      {figure::PetitTotal, "11123"},
        {figure::Yam, "22222"}};
    for (int i = 0; i < combien; ++i) Écrire(colonne::Libre, figures[i].first, figures[i].second);
  }
  std::string Haut(int16_t c, Langue langue) {
    return AppelMoveBonus(état(), bonus::Haut, c, langue).value_or("<silent>");
  }
  std::string Bas(int16_t c, Langue langue) {
    return AppelMoveBonus(état(), bonus::Bas, c, langue).value_or("<silent>");
  }
};

// A square explains itself only while it may be written; otherwise the line keeps its text.
using AideCase = PartieJouée;

TEST_F(AideCase, SilentBeforeTheFirstThrowOfATurn) {
  Nouvelle(UneColonne);
  for (Langue langue : LesDeuxLangues)
    EXPECT_EQ(AppelMoveCase(état(), colonne::Libre, figure::As, langue), std::nullopt);
}

TEST_F(AideCase, ExplainsAFreeSquareAfterAThrow) {
  Nouvelle(UneColonne);
  Jeter("12345");
  const auto aide = AppelMoveCase(état(), colonne::Libre, figure::Cinq, Langue::Anglais);
  ASSERT_TRUE(aide.has_value());
  EXPECT_EQ(*aide, "The Free column (always available)\rFive");
}

TEST_F(AideCase, SilentOverATakenSquareWhileItsNeighbourTalks) {
  Nouvelle(UneColonne);
  Écrire(colonne::Libre, figure::Six, "66612");
  Jeter("12345");
  EXPECT_EQ(AppelMoveCase(état(), colonne::Libre, figure::Six, Langue::Français), std::nullopt);
  EXPECT_EQ(AppelMoveCase(état(), colonne::Libre, figure::Cinq, Langue::Français),
            "La Libre (toujours disponible)\rCinq");
}

TEST_F(AideCase, SilentOverAColumnNotInPlay) {
  Nouvelle(UneColonne);
  Jeter("12345");
  EXPECT_EQ(AppelMoveCase(état(), colonne::Descente, figure::As, Langue::Français), std::nullopt);
  EXPECT_EQ(AppelMoveCase(état(), colonne::Annonce, figure::Yam, Langue::Anglais), std::nullopt);
}

TEST_F(AideCase, SilentOutsideTheSheetRatherThanFailing) {
  Nouvelle(SixColonnes);
  Jeter("12345");
  for (auto [c, f] : {std::pair{0, 1}, {7, 1}, {1, 0}, {1, 14}, {-1, -1}})
    EXPECT_EQ(AppelMoveCase(état(), static_cast<int16_t>(c), static_cast<int16_t>(f),
                            Langue::Français),
              std::nullopt);
}

TEST_F(AideCase, FirstLineNamesTheColumnAndDiffersForEachColumn) {
  Nouvelle(SixColonnes);
  Jeter("12345");
  for (Langue langue : LesDeuxLangues) {
    std::set<std::string> colonnes;
    for (int16_t c = 1; c <= NbColonnesMax; ++c) {
      const auto aide = AppelMoveCase(état(), c, figure::Full, langue);
      ASSERT_TRUE(aide.has_value()) << c;
      colonnes.insert(Lignes(*aide).front());
    }
    EXPECT_EQ(colonnes.size(), 6u);
  }
  // The quoted blanks at the end of two French column texts are kept.
  EXPECT_EQ(Lignes(*AppelMoveCase(état(), colonne::Deux, figure::As, Langue::Français)).front(),
            "La Deux (2 jets maximum) ");
  EXPECT_EQ(Lignes(*AppelMoveCase(état(), colonne::Annonce, figure::As, Langue::Français)).front(),
            "L'Annonce (annonce au 1er jet) ");
  EXPECT_EQ(Lignes(*AppelMoveCase(état(), colonne::Sèche, figure::As, Langue::Anglais)).front(),
            "The Straight column");
}

TEST_F(AideCase, EveryFigureTakesTwoLinesExceptSuiteFourAndLowTotalThree) {
  Nouvelle(UneColonne);
  Jeter("12345");
  for (Langue langue : LesDeuxLangues) {
    for (int16_t f = 1; f <= NbFigures; ++f) {
      const auto aide = AppelMoveCase(état(), colonne::Libre, f, langue);
      ASSERT_TRUE(aide.has_value()) << f;
      EXPECT_EQ(aide->find('\n'), std::string::npos) << f;
      const std::size_t attendu = f == figure::Suite ? 4 : f == figure::PetitTotal ? 3 : 2;
      EXPECT_EQ(Lignes(*aide).size(), attendu) << f;
    }
  }
}

TEST_F(AideCase, EnglishSuiteHelpReadsItsFourLines) {
  Nouvelle(TroisColonnes);
  Jeter("23456");
  const auto aide = AppelMoveCase(état(), colonne::Montée, figure::Suite, Langue::Anglais);
  ASSERT_TRUE(aide.has_value());
  EXPECT_EQ(Lignes(*aide), (std::vector<std::string>{"The Up column", "Sequence 12345 equals 45",
                                                      "or", "Sequence 23456 equals 50"}));
}

TEST_F(AideCase, LowTotalScaleIsTheSameEnglishLineInBothLanguages) {
  Nouvelle(UneColonne);
  Jeter("11111");
  const auto fr = Lignes(*AppelMoveCase(état(), colonne::Libre, figure::PetitTotal, Langue::Français));
  const auto en = Lignes(*AppelMoveCase(état(), colonne::Libre, figure::PetitTotal, Langue::Anglais));
  ASSERT_EQ(fr.size(), 3u);
  ASSERT_EQ(en.size(), 3u);
  EXPECT_EQ(fr[2], en[2]);
  EXPECT_EQ(fr[2], "8=60 points , 7=65 points, 6=70 points and 5= 75 points");
  EXPECT_NE(fr[1], en[1]);
  EXPECT_EQ(en[1], "Sum of 5 dices less thant 8");
}

TEST_F(AideCase, QuotedBlanksOfFigureTextsAreKept) {
  Nouvelle(UneColonne);
  Jeter("33322");
  EXPECT_EQ(Lignes(*AppelMoveCase(état(), colonne::Libre, figure::Yam, Langue::Anglais))[1],
            " Yam : 5 identical dices equals 70 + sum of the 5 dices");
  EXPECT_EQ(Lignes(*AppelMoveCase(état(), colonne::Libre, figure::Full, Langue::Français))[1],
            "Full : 3 dés identiques + 2 dés identiques donnent  : 20 + le total des 5 dés");
}

// The upper bonus square says how far the column is from 60, or which bonus it has reached.
using AideBonusHaut = PartieJouée;

TEST_F(AideBonusHaut, NothingWrittenAboveMisses60Points) {
  Nouvelle(TroisColonnes);
  EXPECT_EQ(Haut(colonne::Libre, Langue::Français),
            "Il vous manque 60 points pour obtenir le premier bonus de 30 points !");
  EXPECT_EQ(Haut(colonne::Montée, Langue::Anglais),
            "You have to get 60 points more for the first bonus of 30 points !");
}

TEST_F(AideBonusHaut, At59OnePointIsMissing) {
  Nouvelle(TroisColonnes);
  ÉcrireLibre({{figure::Six, "66666"}, {figure::Cinq, "55555"}, {figure::Quatre, "41111"}});
  ASSERT_EQ(état().TotalHaut[colonne::Libre], 59);
  EXPECT_EQ(Haut(colonne::Libre, Langue::Français),
            "Il vous manque 1 points pour obtenir le premier bonus de 30 points !");
  EXPECT_EQ(Haut(colonne::Libre, Langue::Anglais),
            "You have to get 1 points more for the first bonus of 30 points !");
  // The other columns read their own totals.
  EXPECT_EQ(Haut(colonne::Descente, Langue::Anglais),
            "You have to get 60 points more for the first bonus of 30 points !");
}

TEST_F(AideBonusHaut, From60To69The30PointsBonus) {
  Nouvelle(TroisColonnes);
  ÉcrireLibre({{figure::Six, "66666"}, {figure::Cinq, "55555"}, {figure::As, "11111"}});
  ASSERT_EQ(état().TotalHaut[colonne::Libre], 60);
  EXPECT_EQ(Haut(colonne::Libre, Langue::Anglais), "Congratulations, you get the 30 points bonus !");
  EXPECT_EQ(Haut(colonne::Libre, Langue::Français),
            "Bravo, vous obtenez le bonus de 30 points pour avoir réalisé plus de 60 points en "
            "haut !");

  Nouvelle(TroisColonnes);
  ÉcrireLibre({{figure::Six, "66666"}, {figure::Cinq, "55555"}, {figure::Quatre, "44412"},
               {figure::Deux, "21111"}});
  ASSERT_EQ(état().TotalHaut[colonne::Libre], 69);
  EXPECT_EQ(Haut(colonne::Libre, Langue::Anglais), "Congratulations, you get the 30 points bonus !");
}

TEST_F(AideBonusHaut, From70To79The50PointsBonus) {
  Nouvelle(TroisColonnes);
  ÉcrireLibre({{figure::Six, "66666"}, {figure::Cinq, "55555"}, {figure::Quatre, "44412"},
               {figure::Trois, "31111"}});
  ASSERT_EQ(état().TotalHaut[colonne::Libre], 70);
  EXPECT_EQ(Haut(colonne::Libre, Langue::Anglais), "Congratulations, you get the 50 points bonus !");
  EXPECT_EQ(Haut(colonne::Libre, Langue::Français),
            "Félicitations, vous avez pour cette colonne un bonus de 50 points pour votre score "
            "supérieur à 70 points en haut !");

  Nouvelle(TroisColonnes);
  ÉcrireLibre({{figure::Six, "66666"}, {figure::Cinq, "55555"}, {figure::Quatre, "44444"},
               {figure::Deux, "22111"}});
  ASSERT_EQ(état().TotalHaut[colonne::Libre], 79);
  EXPECT_EQ(Haut(colonne::Libre, Langue::Anglais), "Congratulations, you get the 50 points bonus !");
}

TEST_F(AideBonusHaut, From80The100PointsBonusBeforeTheColumnIsFull) {
  Nouvelle(TroisColonnes);
  ÉcrireLibre({{figure::Six, "66666"}, {figure::Cinq, "55555"}, {figure::Quatre, "44444"},
               {figure::As, "11111"}});
  ASSERT_EQ(état().TotalHaut[colonne::Libre], 80);
  EXPECT_EQ(Haut(colonne::Libre, Langue::Anglais),
            "Congratulations, you get the 100 points bonus !");
  EXPECT_EQ(Haut(colonne::Libre, Langue::Français),
            "Exceptionnel, vous obtenez le bonus de 100 points pour avoir dépassé 80 points dans "
            "la partie haute de cette colonne !");
}

// The lower bonus square promises the bonus until all seven lower figures are made, then says
// whether it is 100 or, with the upper bonus, 200 points.
using AideBonusBas = PartieJouée;

TEST_F(AideBonusBas, SixFiguresMadeStillAskForAllOfThem) {
  Nouvelle(TroisColonnes);
  FiguresBasLibre(6);
  ASSERT_EQ(état().NbFiguresColonne[colonne::Libre], 6);
  EXPECT_EQ(Bas(colonne::Libre, Langue::Français),
            "Pour obtenir le bonus du bas, vous devez réaliser toutes les figures de la colonne.");
  EXPECT_EQ(Bas(colonne::Libre, Langue::Anglais),
            "To get the down bonus of this column, you just have to complete all figures of this "
            "column.");
}

TEST_F(AideBonusBas, SevenFiguresBelow60Above100Points) {
  Nouvelle(TroisColonnes);
  FiguresBasLibre(7);
  ASSERT_EQ(état().NbFiguresColonne[colonne::Libre], 7);
  ASSERT_LT(état().TotalHaut[colonne::Libre], 60);
  EXPECT_EQ(Bas(colonne::Libre, Langue::Anglais),
            "You get the 100 points bonus because you got all the figures of the column.");
  EXPECT_EQ(Bas(colonne::Libre, Langue::Français),
            "Vous obtenez le bonus de 100 points pour avoir réalisé toutes les figures de la "
            "colonne.");
  // A column without its figures keeps asking for them.
  EXPECT_EQ(Bas(colonne::Descente, Langue::Anglais),
            "To get the down bonus of this column, you just have to complete all figures of this "
            "column.");
}

TEST_F(AideBonusBas, SevenFiguresWith60AboveGive200Points) {
  Nouvelle(TroisColonnes);
  FiguresBasLibre(7);
  ÉcrireLibre({{figure::Six, "66666"}, {figure::Cinq, "55555"}, {figure::As, "11111"}});
  ASSERT_EQ(état().TotalHaut[colonne::Libre], 60);
  EXPECT_EQ(Bas(colonne::Libre, Langue::Anglais),
            "You get a bonus of 200 points because you got all the figures and the up bonus");
  EXPECT_EQ(Bas(colonne::Libre, Langue::Français),
            "Vous avez réalisé toutes les figures de la colonne avec le bonus du haut, vous "
            "obtenez donc un bonus exceptionnel de 200 points !");
}

TEST_F(AideBonusBas, AFigureCrossedOutKeepsAskingForGood) {
  Nouvelle(TroisColonnes);
  FiguresBasLibre(6);
  Écrire(colonne::Libre, figure::Yam, "12346");  // no Yam: written as 0
  ASSERT_TRUE(état().Cases(colonne::Libre, figure::Yam).Prise);
  EXPECT_EQ(Bas(colonne::Libre, Langue::Français),
            "Pour obtenir le bonus du bas, vous devez réaliser toutes les figures de la colonne.");
}

TEST_F(AideBonusBas, OnlyTheAnnonceLowerBonusAsksForAClick) {
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    EXPECT_EQ(GesteAideBonus(bonus::Haut, c), GesteAide::Survol) << c;
    EXPECT_EQ(GesteAideBonus(bonus::Bas, c),
              c == colonne::Annonce ? GesteAide::Clic : GesteAide::Survol)
        << c;
  }
  Nouvelle(SixColonnes);
  EXPECT_EQ(Bas(colonne::Annonce, Langue::Anglais),
            "To get the down bonus of this column, you just have to complete all figures of this "
            "column.");
}

TEST_F(AideBonusBas, SilentForAnUnknownSquare) {
  Nouvelle(TroisColonnes);
  EXPECT_EQ(AppelMoveBonus(état(), 3, colonne::Libre, Langue::Français), std::nullopt);
  EXPECT_EQ(AppelMoveBonus(état(), bonus::Haut, 0, Langue::Français), std::nullopt);
  EXPECT_EQ(AppelMoveBonus(état(), bonus::Bas, 7, Langue::Français), std::nullopt);
}

// Once the game is over the end-of-game message stays: only the panels still explain themselves.
using AideFinDePartie = PartieJouée;

TEST_F(AideFinDePartie, BareAreaClearsTheLineOnlyWhileAGameRuns) {
  EXPECT_EQ(PictureAireJeu_MouseMove(état()), "") << "before the first game";
  Nouvelle(UneColonne);
  EXPECT_EQ(PictureAireJeu_MouseMove(état()), "");
  FiguresBasLibre(7);
  for (int16_t f = figure::As; f <= figure::Six; ++f) Écrire(colonne::Libre, f, "66666");
  ASSERT_TRUE(état().PartieTerminée);
  EXPECT_EQ(PictureAireJeu_MouseMove(état()), std::nullopt);
  Nouvelle(UneColonne);
  EXPECT_EQ(PictureAireJeu_MouseMove(état()), "");
}

TEST_F(AideFinDePartie, BonusesAndSquaresFallSilentButPanelsStillTalk) {
  Nouvelle(UneColonne);
  FiguresBasLibre(7);
  for (int16_t f = figure::As; f <= figure::Six; ++f) Écrire(colonne::Libre, f, "66666");
  ASSERT_TRUE(état().PartieTerminée);
  for (Langue langue : LesDeuxLangues) {
    EXPECT_EQ(AppelMoveBonus(état(), bonus::Haut, colonne::Libre, langue), std::nullopt);
    EXPECT_EQ(AppelMoveBonus(état(), bonus::Bas, colonne::Libre, langue), std::nullopt);
    for (int16_t f = 1; f <= NbFigures; ++f)
      EXPECT_EQ(AppelMoveCase(état(), colonne::Libre, f, langue), std::nullopt) << f;
    EXPECT_FALSE(AppelMovePanel(PanelAide::PanelScoreTotal, langue).empty());
    EXPECT_FALSE(AppelMovePanelScore(PanelScore::PanelScoreNom, 1, langue).empty());
  }
  Nouvelle(UneColonne);
  EXPECT_EQ(Haut(colonne::Libre, Langue::Anglais),
            "You have to get 60 points more for the first bonus of 30 points !");
}

// The panels of the dice and of the high scores explain themselves, the latter with their row.
TEST(AidePanels, DicePanelsHaveTheirOwnTextInEachLanguage) {
  EXPECT_EQ(AppelMovePanel(PanelAide::PanelFigureRéalisée, Langue::Anglais), "Current figure.");
  EXPECT_EQ(AppelMovePanel(PanelAide::PanelTotalDés, Langue::Français),
            "Somme des 5 dés actuellement tirés.");
  EXPECT_EQ(AppelMovePanel(PanelAide::PanelScoreTotal, Langue::Anglais),
            "This is the score (sum of column scores).");
  std::set<std::string> textes;
  for (Langue langue : LesDeuxLangues)
    for (PanelAide p : {PanelAide::PanelFigureRéalisée, PanelAide::PanelTotalDés,
                        PanelAide::PanelScoreTotal})
      textes.insert(AppelMovePanel(p, langue));
  EXPECT_EQ(textes.size(), 6u);
}

TEST(AidePanels, EnglishNameHelpBeginsWithABlank) {
  EXPECT_EQ(AppelMovePanelScore(PanelScore::PanelScoreNom, 4, Langue::Anglais),
            " Name of the player at position 4");
  EXPECT_EQ(AppelMovePanelScore(PanelScore::PanelScoreNom, 4, Langue::Français),
            "Nom du joueur classé en position N° 4");
}

TEST(AidePanels, RowIsWrittenInDecimalAndScoreSaysOutOfTen) {
  EXPECT_EQ(AppelMovePanelScore(PanelScore::PanelScoreScore, 10, Langue::Français),
            "Meilleur score N° 10 / 10");
  EXPECT_EQ(AppelMovePanelScore(PanelScore::PanelScoreScore, 3, Langue::Anglais),
            "High score 3 / 10");
  EXPECT_EQ(AppelMovePanelScore(PanelScore::PanelScoreClassement, 1, Langue::Anglais),
            "Player position 1");
  EXPECT_EQ(AppelMovePanelScore(PanelScore::PanelScoreTemps, 10, Langue::Anglais),
            "Time elapsed at position 10");
  EXPECT_EQ(AppelMovePanelScore(PanelScore::PanelScoreNbFigures, 7, Langue::Français),
            "Nombre de figures réalisées pour le score N° 7");
}

TEST(AidePanels, EveryRowOfEveryColumnSaysSomethingOfItsOwn) {
  for (Langue langue : LesDeuxLangues) {
    std::set<std::string> textes;
    for (PanelScore p : {PanelScore::PanelScoreClassement, PanelScore::PanelScoreNom,
                         PanelScore::PanelScoreTemps, PanelScore::PanelScoreNbFigures,
                         PanelScore::PanelScoreScore})
      for (int16_t rang = 1; rang <= 10; ++rang) textes.insert(AppelMovePanelScore(p, rang, langue));
    EXPECT_EQ(textes.size(), 50u);
  }
}

}  // namespace
}  // namespace rolvex
