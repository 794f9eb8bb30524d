// The coach's sentences: choices worded from the dice they keep, numbers in each language's
// notation, the second choice after the first, percentages to the precision they deserve.
#include "texts/coach_texts.h"

#include <gtest/gtest.h>

namespace rolvex {
namespace {

using conseil::Choix;

TEST(TextesCoach, WordTheChoicesAndTheirNumbersInEachLanguage) {
  const Des5 des = [] {
    Des5 d;
    for (int16_t i = 1; i <= NbDes; ++i) d[i] = static_cast<int16_t>(i == 5 ? 2 : 6 - (i > 3));
    return d;
  }();  // 6 6 6 5 2
  Choix garder{.genre = Choix::Genre::Garder, .esperance = 243.14};
  garder.garder[1] = garder.garder[3] = garder.garder[4] = true;
  const Choix ecrire{.genre = Choix::Genre::Ecrire,
                     .colonne = colonne::Libre,
                     .figure = figure::Full,
                     .esperance = 238.66};
  const Choix annoncer{.genre = Choix::Genre::Annoncer,
                       .colonne = colonne::Annonce,
                       .figure = figure::Carre,
                       .esperance = 1.05};
  EXPECT_EQ(PhraseConseil({garder, ecrire}, des, 1, 1, Langue::Anglais),
            "Keep 6 6 5: 243.1 expected; write Full: 238.7.");
  EXPECT_EQ(PhraseConseil({ecrire, annoncer}, des, 1, 6, Langue::Francais),
            "Inscrire Full en Libre : 238,7 points espérés ; annoncer Carré : 1,1.");
  EXPECT_EQ(PhraseConseil({Choix{.esperance = 10}}, des, 0, 3, Langue::Anglais),
            "Throw the dice: 10.0 expected, the only choice.");
  Choix tout{.genre = Choix::Genre::Garder};
  tout.garder.fill(true);
  EXPECT_EQ(TexteChoix(tout, des, 2, 1, Langue::Francais), "Garder les cinq dés");
  EXPECT_EQ(TexteChoix(Choix{}, des, 2, 1, Langue::Anglais), "Throw all five dice again");

  EXPECT_EQ(PhraseChancesAnnonces({{figure::Yam, 0.046}, {figure::Six, 0.355}}, Langue::Anglais),
            "Odds in two throws (upper: 3 dice or more): Six 36 %, Yam 4.6 %.");
  EXPECT_EQ(MsgRevuePrete(5, 12.34, Langue::Francais),
            "Revue de la partie : les 5 décisions les plus coûteuses ont perdu 12,3 points "
            "espérés en tout.");
  EXPECT_EQ(PhraseChanceAnnoncee(figure::Full, 0.25, 0.306, 1, Langue::Francais),
            "Full annoncé : 25 % avec les dés gardés, 31 % au mieux, 1 jet(s) restant(s).");
}

}  // namespace
}  // namespace rolvex
