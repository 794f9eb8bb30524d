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

constexpr Langue LesDeuxLangues[] = {Langue::Francais, Langue::Anglais};
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
class PartieJouee : public ::testing::Test {
 protected:
  AffichageMemoire affichage;
  DeEquitable hasard{7};
  DesEnFile des{hasard};
  Partie partie{affichage, des};

  const EtatPartie& etat() const { return partie.Etat(); }

  void Nouvelle(int16_t mode) {
    partie.ChoisirMode(mode);
    partie.AppelNouveau();
  }
  void Jeter(std::string_view faces) {
    for (char c : faces) des.Ajouter(static_cast<int16_t>(c - '0'));
    partie.AppelOkDeClique();
  }
  // One turn: a single throw, then the square written.
  void Ecrire(int16_t c, int16_t f, std::string_view faces) {
    Jeter(faces);
    partie.AppelCliqueCase(c, f);
  }
  void EcrireLibre(std::initializer_list<std::pair<int16_t, std::string_view>> tours) {
    for (const auto& [f, faces] : tours) Ecrire(colonne::Libre, f, faces);
  }
  // Every lower figure of Libre made, with the first `combien` of them only.
  void FiguresBasLibre(int combien) {
    const std::pair<int16_t, std::string_view> figures[] = {
        {figure::Maxi, "66665"},  {figure::Mini, "11112"},  {figure::Full, "33322"},
        {figure::Carre, "44441"}, {figure::Suite, "12345"}, {figure::PetitTotal, "11123"},
        {figure::Yam, "22222"}};
    for (int i = 0; i < combien; ++i) Ecrire(colonne::Libre, figures[i].first, figures[i].second);
  }
  std::string Haut(int16_t c, Langue langue) {
    return AppelMoveBonus(etat(), bonus::Haut, c, langue).value_or("<silent>");
  }
  std::string Bas(int16_t c, Langue langue) {
    return AppelMoveBonus(etat(), bonus::Bas, c, langue).value_or("<silent>");
  }
  std::optional<std::string> Case(int16_t c, int16_t f, Langue langue = Langue::Francais) {
    return AppelMoveCase(etat(), c, f, langue);
  }
};

// A square explains itself only while it may be written; otherwise the line keeps its text.
using AideCase = PartieJouee;

TEST_F(AideCase, ExplainsAFreeSquareAfterAThrowOnlyInAColumnInPlay) {
  Nouvelle(UneColonne);
  for (Langue langue : LesDeuxLangues)
    EXPECT_EQ(Case(colonne::Libre, figure::As, langue), std::nullopt) << "before the first throw";
  Jeter("12345");
  EXPECT_EQ(Case(colonne::Libre, figure::Cinq, Langue::Anglais),
            "The Free column (always available)\rFive");
  EXPECT_EQ(Case(colonne::Descente, figure::As), std::nullopt) << "a column not in play";
  EXPECT_EQ(Case(colonne::Annonce, figure::Yam, Langue::Anglais), std::nullopt);
  partie.AppelCliqueCase(colonne::Libre, figure::Six);
  Jeter("12345");
  EXPECT_EQ(Case(colonne::Libre, figure::Six), std::nullopt) << "a taken square";
  EXPECT_EQ(Case(colonne::Libre, figure::Cinq), "La Libre (toujours disponible)\rCinq");
}

TEST_F(AideCase, SilentOutsideTheSheetRatherThanFailing) {
  Nouvelle(SixColonnes);
  Jeter("12345");
  for (auto [c, f] : {std::pair{0, 1}, {7, 1}, {1, 0}, {1, 14}, {-1, -1}})
    EXPECT_EQ(Case(static_cast<int16_t>(c), static_cast<int16_t>(f)), std::nullopt);
}

TEST_F(AideCase, FirstLineNamesTheColumnAndDiffersForEachColumn) {
  Nouvelle(SixColonnes);
  Jeter("12345");
  for (Langue langue : LesDeuxLangues) {
    std::set<std::string> colonnes;
    for (int16_t c = 1; c <= NbColonnesMax; ++c) {
      const auto aide = Case(c, figure::Full, langue);
      ASSERT_TRUE(aide.has_value()) << c;
      colonnes.insert(Lignes(*aide).front());
    }
    EXPECT_EQ(colonnes.size(), 6u);
  }
  // The quoted blanks at the end of two French column texts are kept.
  EXPECT_EQ(Lignes(*Case(colonne::Deux, figure::As)).front(), "La Deux (2 jets maximum) ");
  EXPECT_EQ(Lignes(*Case(colonne::Annonce, figure::As)).front(), "L'Annonce (annonce au 1er jet) ");
  EXPECT_EQ(Lignes(*Case(colonne::Seche, figure::As, Langue::Anglais)).front(),
            "The Straight column");
}

TEST_F(AideCase, EveryFigureTakesTwoLinesExceptSuiteFourAndLowTotalThree) {
  Nouvelle(TroisColonnes);
  Jeter("23456");
  for (Langue langue : LesDeuxLangues) {
    for (int16_t f = 1; f <= NbFigures; ++f) {
      const auto aide = Case(colonne::Libre, f, langue);
      ASSERT_TRUE(aide.has_value()) << f;
      EXPECT_EQ(aide->find('\n'), std::string::npos) << f;
      const std::size_t attendu = f == figure::Suite ? 4 : f == figure::PetitTotal ? 3 : 2;
      EXPECT_EQ(Lignes(*aide).size(), attendu) << f;
    }
  }
  EXPECT_EQ(Lignes(*Case(colonne::Montee, figure::Suite, Langue::Anglais)),
            (std::vector<std::string>{"The Up column", "Sequence 12345 equals 45", "or",
                                      "Sequence 23456 equals 50"}));
}

// The figure texts keep their quoted blanks; the low total's scale is one English line.
TEST_F(AideCase, QuotedBlanksOfFigureTextsAndTheEnglishLowTotalScaleAreKept) {
  Nouvelle(UneColonne);
  Jeter("33322");
  EXPECT_EQ(Lignes(*Case(colonne::Libre, figure::Yam, Langue::Anglais))[1],
            " Yam : 5 identical dices equals 70 + sum of the 5 dices");
  EXPECT_EQ(Lignes(*Case(colonne::Libre, figure::Full))[1],
            "Full : 3 dés identiques + 2 dés identiques donnent  : 20 + le total des 5 dés");
  const auto fr = Lignes(*Case(colonne::Libre, figure::PetitTotal));
  const auto en = Lignes(*Case(colonne::Libre, figure::PetitTotal, Langue::Anglais));
  EXPECT_EQ(fr[2], "8=60 points , 7=65 points, 6=70 points and 5= 75 points");
  EXPECT_EQ(en[2], fr[2]);
  EXPECT_EQ(en[1], "Sum of 5 dices less thant 8");
  EXPECT_NE(fr[1], en[1]);
}

// The upper bonus square says how far the column is from 60, or which bonus it has reached:
// 30 points from 60, 50 from 70, 100 from 80. Each column reads its own total.
using AideBonusHaut = PartieJouee;

TEST_F(AideBonusHaut, SaysThePointsMissingOrTheBonusReachedAtEachThreshold) {
  const std::string Bonus30 = "Congratulations, you get the 30 points bonus !";
  const std::string Bonus50 = "Congratulations, you get the 50 points bonus !";
  const struct {
    std::initializer_list<std::pair<int16_t, std::string_view>> tours;
    int total;
    std::string en;
    const char* fr;  // nullptr: not checked again
  } paliers[] = {
      {{},
       0,
       "You have to get 60 points more for the first bonus of 30 points !",
       "Il vous manque 60 points pour obtenir le premier bonus de 30 points !"},
      {{{figure::Six, "66666"}, {figure::Cinq, "55555"}, {figure::Quatre, "41111"}},
       59,
       "You have to get 1 points more for the first bonus of 30 points !",
       "Il vous manque 1 points pour obtenir le premier bonus de 30 points !"},
      {{{figure::Six, "66666"}, {figure::Cinq, "55555"}, {figure::As, "11111"}},
       60,
       Bonus30,
       "Bravo, vous obtenez le bonus de 30 points pour avoir réalisé plus de 60 points en haut !"},
      {{{figure::Six, "66666"},
        {figure::Cinq, "55555"},
        {figure::Quatre, "44412"},
        {figure::Deux, "21111"}},
       69,
       Bonus30,
       nullptr},
      {{{figure::Six, "66666"},
        {figure::Cinq, "55555"},
        {figure::Quatre, "44412"},
        {figure::Trois, "31111"}},
       70,
       Bonus50,
       "Félicitations, vous avez pour cette colonne un bonus de 50 points pour votre score "
       "supérieur à 70 points en haut !"},
      {{{figure::Six, "66666"},
        {figure::Cinq, "55555"},
        {figure::Quatre, "44444"},
        {figure::Deux, "22111"}},
       79,
       Bonus50,
       nullptr},
      {{{figure::Six, "66666"},
        {figure::Cinq, "55555"},
        {figure::Quatre, "44444"},
        {figure::As, "11111"}},
       80,
       "Congratulations, you get the 100 points bonus !",
       "Exceptionnel, vous obtenez le bonus de 100 points pour avoir dépassé 80 points dans la "
       "partie haute de cette colonne !"},
  };
  for (const auto& p : paliers) {
    Nouvelle(TroisColonnes);
    EcrireLibre(p.tours);
    ASSERT_EQ(etat().TotalHaut[colonne::Libre], p.total);
    EXPECT_EQ(Haut(colonne::Libre, Langue::Anglais), p.en) << p.total;
    if (p.fr) {
      EXPECT_EQ(Haut(colonne::Libre, Langue::Francais), p.fr) << p.total;
    }
    EXPECT_EQ(Haut(colonne::Montee, Langue::Anglais), paliers[0].en) << p.total;
  }
}

// The lower bonus square promises the bonus until all seven lower figures are made (a figure
// crossed out never is), then says whether it is 100 or, with the upper bonus, 200 points.
using AideBonusBas = PartieJouee;

TEST_F(AideBonusBas, AsksForAllFiguresUntilMadeThenSays100Or200Points) {
  const std::string ToutesEn =
      "To get the down bonus of this column, you just have to complete all figures of this "
      "column.";
  const std::string ToutesFr =
      "Pour obtenir le bonus du bas, vous devez réaliser toutes les figures de la colonne.";
  Nouvelle(TroisColonnes);
  FiguresBasLibre(6);
  EXPECT_EQ(Bas(colonne::Libre, Langue::Francais), ToutesFr);
  EXPECT_EQ(Bas(colonne::Libre, Langue::Anglais), ToutesEn);
  Ecrire(colonne::Libre, figure::Yam, "22222");
  ASSERT_EQ(etat().NbFiguresColonne[colonne::Libre], 7);
  EXPECT_EQ(Bas(colonne::Libre, Langue::Anglais),
            "You get the 100 points bonus because you got all the figures of the column.");
  EXPECT_EQ(Bas(colonne::Libre, Langue::Francais),
            "Vous obtenez le bonus de 100 points pour avoir réalisé toutes les figures de la "
            "colonne.");
  EXPECT_EQ(Bas(colonne::Descente, Langue::Anglais), ToutesEn);
  EcrireLibre({{figure::Six, "66666"}, {figure::Cinq, "55555"}, {figure::As, "11111"}});
  ASSERT_EQ(etat().TotalHaut[colonne::Libre], 60);
  EXPECT_EQ(Bas(colonne::Libre, Langue::Anglais),
            "You get a bonus of 200 points because you got all the figures and the up bonus");
  EXPECT_EQ(Bas(colonne::Libre, Langue::Francais),
            "Vous avez réalisé toutes les figures de la colonne avec le bonus du haut, vous "
            "obtenez donc un bonus exceptionnel de 200 points !");

  Nouvelle(TroisColonnes);
  FiguresBasLibre(6);
  Ecrire(colonne::Libre, figure::Yam, "12346");  // no Yam: written as 0
  ASSERT_TRUE(etat().Cases(colonne::Libre, figure::Yam).Prise);
  EXPECT_EQ(Bas(colonne::Libre, Langue::Francais), ToutesFr);
}

TEST_F(AideBonusBas, OnlyTheAnnonceLowerBonusAsksForAClickAndUnknownSquaresAreSilent) {
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    EXPECT_EQ(GesteAideBonus(bonus::Haut, c), GesteAide::Survol) << c;
    EXPECT_EQ(GesteAideBonus(bonus::Bas, c),
              c == colonne::Annonce ? GesteAide::Clic : GesteAide::Survol)
        << c;
  }
  Nouvelle(SixColonnes);
  EXPECT_NE(Bas(colonne::Annonce, Langue::Anglais), "<silent>");
  EXPECT_EQ(AppelMoveBonus(etat(), 3, colonne::Libre, Langue::Francais), std::nullopt);
  EXPECT_EQ(AppelMoveBonus(etat(), bonus::Haut, 0, Langue::Francais), std::nullopt);
  EXPECT_EQ(AppelMoveBonus(etat(), bonus::Bas, 7, Langue::Francais), std::nullopt);
}

// Once the game is over the end-of-game message stays: only the panels still explain themselves.
using AideFinDePartie = PartieJouee;

TEST_F(AideFinDePartie, AfterTheEndOnlyThePanelsTalkUntilANewGame) {
  EXPECT_EQ(PictureAireJeu_MouseMove(etat()), "") << "before the first game";
  Nouvelle(UneColonne);
  EXPECT_EQ(PictureAireJeu_MouseMove(etat()), "");
  FiguresBasLibre(7);
  for (int16_t f = figure::As; f <= figure::Six; ++f) Ecrire(colonne::Libre, f, "66666");
  ASSERT_TRUE(etat().PartieTerminee);
  EXPECT_EQ(PictureAireJeu_MouseMove(etat()), std::nullopt);
  for (Langue langue : LesDeuxLangues) {
    EXPECT_EQ(AppelMoveBonus(etat(), bonus::Haut, colonne::Libre, langue), std::nullopt);
    EXPECT_EQ(AppelMoveBonus(etat(), bonus::Bas, colonne::Libre, langue), std::nullopt);
    for (int16_t f = 1; f <= NbFigures; ++f)
      EXPECT_EQ(Case(colonne::Libre, f, langue), std::nullopt) << f;
    EXPECT_FALSE(AppelMovePanel(Seul::PanelScoreTotal, langue).empty());
    EXPECT_FALSE(AppelMovePanelScore(Famille::PanelScoreNom, 1, langue).empty());
  }
  Nouvelle(UneColonne);
  EXPECT_EQ(PictureAireJeu_MouseMove(etat()), "");
  EXPECT_NE(Haut(colonne::Libre, Langue::Anglais), "<silent>");
}

// The panels of the dice and of the high scores explain themselves, the latter with their row.
TEST(AidePanels, DicePanelsHaveTheirOwnTextInEachLanguage) {
  EXPECT_EQ(AppelMovePanel(Seul::PanelFigureRealisee, Langue::Anglais), "Current figure.");
  EXPECT_EQ(AppelMovePanel(Seul::PanelTotalDes, Langue::Francais),
            "Somme des 5 dés actuellement tirés.");
  std::set<std::string> textes;
  for (Langue langue : LesDeuxLangues)
    for (Seul p : {Seul::PanelFigureRealisee, Seul::PanelTotalDes, Seul::PanelScoreTotal})
      textes.insert(AppelMovePanel(p, langue));
  EXPECT_EQ(textes.size(), 6u);
}

TEST(AidePanels, EveryRowOfEveryColumnSaysSomethingOfItsOwnWithItsRowInDecimal) {
  EXPECT_EQ(AppelMovePanelScore(Famille::PanelScoreNom, 4, Langue::Anglais),
            " Name of the player at position 4");
  EXPECT_EQ(AppelMovePanelScore(Famille::PanelScoreScore, 10, Langue::Francais),
            "Meilleur score N° 10 / 10");
  EXPECT_EQ(AppelMovePanelScore(Famille::PanelScoreTemps, 10, Langue::Anglais),
            "Time elapsed at position 10");
  EXPECT_EQ(AppelMovePanelScore(Famille::PanelScoreNbFigures, 7, Langue::Francais),
            "Nombre de figures réalisées pour le score N° 7");
  for (Langue langue : LesDeuxLangues) {
    std::set<std::string> textes;
    for (Famille p :
         {Famille::PanelScoreClassement, Famille::PanelScoreNom, Famille::PanelScoreTemps,
          Famille::PanelScoreNbFigures, Famille::PanelScoreScore})
      for (int16_t rang = 1; rang <= 10; ++rang)
        textes.insert(AppelMovePanelScore(p, rang, langue));
    EXPECT_EQ(textes.size(), 50u);
  }
}

}  // namespace
}  // namespace rolvex
