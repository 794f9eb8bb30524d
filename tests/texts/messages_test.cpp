#include "texts/messages.h"

#include <gtest/gtest.h>

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

// The quit question, the farewell and the column mode are built on the shared texts, the About
// box on the version.
TEST(Messages, AreBuiltOnTheSharedTextsAndTheVersion) {
  using T = TextesPartages;
  for (Langue l : {Langue::Francais, Langue::Anglais}) {
    EXPECT_EQ(QuestionQuitter(l), std::string(Texte(&T::MsgQuitter, l)) + "ROLVEX ?");
    EXPECT_EQ(TexteAuRevoir(l), Texte(&T::MsgAuRevoir, l));
    EXPECT_EQ(LegendeModeColonnes(6, l), '6' + std::string(Texte(&T::TexteColonnes, l)));
    EXPECT_TRUE(
        TexteAPropos(l).starts_with(std::string("ROLVEX - version ").append(TexteVersion) + '\r'));
  }
}

// A data file that failed: which one, why, and what the game does about it. A failed save
// says first what is not on disk, then which file and why, in the game's words when the game
// itself refused the file.
TEST(MessageEchecFichier, NamesWhatIsLostTheFileTheReasonAndWhatHappensNext) {
  EchecFichier echec{FichierDonnees::Options, OperationFichier::Lecture, "/d/options12.dat",
                     std::make_error_code(std::errc::io_error)};
  const std::string raison = echec.erreur.message();
  EXPECT_EQ(FrEn(MessageEchecFichier, echec),
            "Le fichier /d/options12.dat n'a pas pu être lu (" + raison +
                "). Le jeu continue sans lui. | The file /d/options12.dat could not be read (" +
                raison + "). The game goes on without it.");
  EXPECT_EQ(FrEn(MessageEchecSauvegarde, echec, ObjetSauvegarde{}),
            FrEn(MessageEchecFichier, echec));
  // A failed save: what is lost, then the file and the reason, then what comes next.
  echec.operation = OperationFichier::Ecriture;
  using enum ObjetSauvegarde::Quoi;
  EXPECT_EQ(
      FrEn(MessageEchecSauvegarde, echec, ObjetSauvegarde{.quoi = Score, .score = 245, .place = 3}),
      "Votre score de 245 (place 3) n'est pas enregistré : le fichier /d/options12.dat n'a "
      "pas pu être écrit (" +
          raison +
          "). Les scores restent en mémoire ; le prochain "
          "enregistrement essaiera de nouveau. | Your score of 245 (place 3) is not saved: the "
          "file /d/options12.dat could not be written (" +
          raison +
          "). The scores stay in "
          "memory; the next save will try again.");
  const std::string ecrit = ": the file /d/options12.dat could not be written (" + raison + "). ";
  std::set<std::string> pertes, suites;
  for (auto quoi : {Score, Nom, TablesDefaut, CopieUtilisateur, Options, PartieEnCours}) {
    const std::string m =
        MessageEchecSauvegarde(echec, {.quoi = quoi, .nom = "/Zoé"}, Langue::Anglais);
    pertes.insert(m.substr(0, m.find(ecrit)));
    suites.insert(m.substr(m.find(ecrit) + ecrit.size()));
    EXPECT_EQ(m.find("/Zoé") < m.find(ecrit), quoi == Nom || quoi == CopieUtilisateur) << m;
  }
  // Six losses; the copy, the quit and the game in progress say what follows in their own way.
  EXPECT_EQ(std::pair(pertes.size(), suites.size()), std::pair(std::size_t{6}, std::size_t{4}));
  // A file the game itself refused is told in its words, each its own.
  std::set<std::string> raisons;
  for (RefusFichier refus :
       {RefusFichier::Aucun, RefusFichier::LectureSeule, RefusFichier::Illisible})
    for (Langue l : {Langue::Francais, Langue::Anglais})
      raisons.insert(MessageEchecSauvegarde((echec.refus = refus, echec), {}, l));
  EXPECT_EQ(raisons.size(), 6u);
  // The last in order is the English one of a read-only file.
  EXPECT_NE(raisons.rbegin()->find("(it is read-only, and the game does not replace"),
            std::string::npos);
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
