#include "texts/messages.h"

#include <gtest/gtest.h>

#include <string>

#include "deux_langues.h"

namespace rolvex {
namespace {

// The first place has a sentence of its own in each language, the second and third in English
// only; every other place is said with its number.
TEST(MessagePlace, FirstPlacesHaveTheirSentencesTheOthersSayTheirNumber) {
  const char* anglais[] = {"Congratulations, you are the best (first position) !!!",
                           "You reach the second position !", "You reach the third position !"};
  for (int16_t place = 1; place <= 10; ++place) {
    const std::string n = std::to_string(place);
    EXPECT_EQ(FrEn(MessagePlace, place),
              (place == 1 ? "Félicitations, vous êtes classé en première position !!!"
                          : "Bravo, vous arrivez en " + n + "ème position !") +
                  " | " +
                  (place <= 3 ? anglais[place - 1] : "You reach the " + n + "th position !"));
  }
}

// The texts of one moment each, as the game words them, typos included; the quit question,
// the farewell and the column mode are built on the shared texts, the About box on the version.
TEST(Messages, KeepTheirWordingInEachLanguage) {
  using T = TextesPartages;
  const auto partage = [](std::string T::*variable, std::string avant, std::string apres) {
    return FrEn([&](Langue l) { return avant + std::string(Texte(variable, l)) + apres; });
  };
  const std::string version = "ROLVEX - version " + std::string(TexteVersion) + "\r";
  const std::pair<std::string, std::string> messages[] = {
      {FrEn(MsgHorsClassement),
       "Malheureusement, vous ne rentrez pas dans les 10 meilleurs scores. Cliquez sur REJOUER ou "
       "touche F2 ! | You don't reach the TOP 10 ! Click on PLAY AGAIN or press F2."},
      {FrEn(MsgAutrePartie),
       "Pour une autre partie, cliquez sur REJOUER ou appuyez sur la touche F2 ! | To start a new "
       "game, click on PLAY AGAIN or press F2."},
      {FrEn(MsgNomVide), "Vous devez saisir votre nom... | Please enter you name..."},
      {FrEn(QuestionQuitter), partage(&T::MsgQuitter, "", "ROLVEX ?")},
      {FrEn(TexteAuRevoir), partage(&T::MsgAuRevoir, "", "")},
      {FrEn(LegendeModeColonnes, 6), partage(&T::TexteColonnes, "6", "")},
      {FrEn([](Langue l) { return TextesBoutons(l).Ok; }), "OK | OK"},
      {FrEn([](Langue l) { return TextesBoutons(l).Oui; }), "Oui | Yes"},
      {FrEn([](Langue l) { return TextesBoutons(l).Non; }), "Non | No"},
      {FrEn(TexteAPropos), version + "Un jeu de dés de la famille du Yam, pour un joueur. | " +
                               version + "A dice game of the Yam family, for one player."}};
  for (const auto& [texte, attendu] : messages) EXPECT_EQ(texte, attendu);
}

// A data file that failed: which one, why, and what the game does about it.
TEST(MessageEchecFichier, NamesTheFileTheReasonAndWhatHappensNext) {
  EchecFichier echec{FichierDonnees::Options, OperationFichier::Lecture, "/d/options12.dat",
                     std::make_error_code(std::errc::io_error)};
  const std::string raison = " (" + echec.erreur.message() + "). ";
  EXPECT_EQ(FrEn(MessageEchecFichier, echec),
            "Le fichier /d/options12.dat n'a pas pu être lu" + raison +
                "Le jeu continue sans lui. | The file /d/options12.dat could not be read" + raison +
                "The game goes on without it.");
  echec.operation = OperationFichier::Ecriture;
  EXPECT_EQ(FrEn(MessageEchecFichier, echec),
            "Le fichier /d/options12.dat n'a pas pu être enregistré" + raison +
                "Les scores restent en mémoire ; le prochain enregistrement essaiera de nouveau. | "
                "The file /d/options12.dat could not be saved" +
                raison + "The scores stay in memory; the next save will try again.");
}

// Each cell of a high-score row shows its own field of the place.
TEST(LegendeCelluleScore, EachColumnShowsItsFieldOfThePlace) {
  const HighScoreEntry e{"Zoé", 793, 75, 7};
  std::string cellules;
  for (Famille p : FamillesScores) cellules += LegendeCelluleScore(p, 4, e) + " ";
  EXPECT_EQ(cellules, "4 Zoé 793 01:15 7 ");
}

}  // namespace
}  // namespace rolvex
