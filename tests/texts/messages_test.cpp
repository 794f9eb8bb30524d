#include "texts/messages.h"

#include <gtest/gtest.h>

#include <string>

namespace rolvex {
namespace {

constexpr Langue LesDeuxLangues[] = {Langue::Francais, Langue::Anglais};

// The place message: the first three places have their own English sentences, the first its own
// French one; every other place is said with its number in decimal.
TEST(MessagePlace, FirstPlacesHaveTheirSentencesTheOthersSayTheirNumber) {
  EXPECT_EQ(MessagePlace(1, Langue::Francais),
            "Félicitations, vous êtes classé en première position !!!");
  EXPECT_EQ(MessagePlace(1, Langue::Anglais),
            "Congratulations, you are the best (first position) !!!");
  EXPECT_EQ(MessagePlace(2, Langue::Anglais), "You reach the second position !");
  EXPECT_EQ(MessagePlace(3, Langue::Anglais), "You reach the third position !");
  for (int16_t place = 2; place <= 10; ++place) {
    EXPECT_EQ(MessagePlace(place, Langue::Francais),
              "Bravo, vous arrivez en " + std::to_string(place) + "ème position !");
    if (place >= 4) {
      EXPECT_EQ(MessagePlace(place, Langue::Anglais),
                "You reach the " + std::to_string(place) + "th position !");
    }
  }
}

// The other texts of the end of a game, of the name dialog and of quitting, as the game words
// them (typos included); the farewell is the shared one.
TEST(MessagesUniques, KeepTheirWordingInEachLanguage) {
  const struct {
    std::string_view (*texte)(Langue);
    const char* fr;
    const char* en;
  } messages[] = {
      {MsgHorsClassement,
       "Malheureusement, vous ne rentrez pas dans les 10 meilleurs scores. Cliquez sur REJOUER ou "
       "touche F2 !",
       "You don't reach the TOP 10 ! Click on PLAY AGAIN or press F2."},
      {MsgAutrePartie, "Pour une autre partie, cliquez sur REJOUER ou appuyez sur la touche F2 !",
       "To start a new game, click on PLAY AGAIN or press F2."},
      {MsgNomVide, "Vous devez saisir votre nom...", "Please enter you name..."},
      {TexteAuRevoir, "A bientôt !!!", "See you !!!"},
  };
  for (const auto& m : messages) {
    EXPECT_EQ(m.texte(Langue::Francais), m.fr);
    EXPECT_EQ(m.texte(Langue::Anglais), m.en);
  }
  EXPECT_EQ(QuestionQuitter(Langue::Francais), "Voulez-vous vraiment arrêter ROLVEX ?");
  EXPECT_EQ(QuestionQuitter(Langue::Anglais), "Do you really want to quit ROLVEX ?");
  for (Langue langue : LesDeuxLangues)
    EXPECT_EQ(TexteAuRevoir(langue), InitTextesLangue(langue).variables.MsgAuRevoir);
}

TEST(MessagesUniques, AboutBeginsWithTitleAndVersionThenACreditLine) {
  for (Langue langue : LesDeuxLangues) {
    const std::string texte = TexteAPropos(langue);
    EXPECT_TRUE(texte.starts_with("ROLVEX - version 1.2\r")) << texte;
    EXPECT_GT(texte.size(), std::string("ROLVEX - version 1.2\r").size());
    EXPECT_EQ(texte.find('\n'), std::string::npos);
  }
  EXPECT_NE(TexteAPropos(Langue::Francais), TexteAPropos(Langue::Anglais));
}

// A message box answers in the game's language: a French game shows no English button.
TEST(BoutonsMessage, FrenchGameSaysOuiAndNonEnglishYesAndNo) {
  const BoutonsMessage fr = TextesBoutons(Langue::Francais);
  const BoutonsMessage en = TextesBoutons(Langue::Anglais);
  EXPECT_EQ(fr.Ok, "OK");
  EXPECT_EQ(fr.Oui, "Oui");
  EXPECT_EQ(fr.Non, "Non");
  EXPECT_EQ(en.Ok, "OK");
  EXPECT_EQ(en.Oui, "Yes");
  EXPECT_EQ(en.Non, "No");
}

// PanelModeColonnes: the number of columns followed by the plural, even for one column.
TEST(ModeColonnes, NumberFollowedByThePluralInEveryMode) {
  EXPECT_EQ(LegendeModeColonnes(1, Langue::Francais), "1 colonnes");
  EXPECT_EQ(LegendeModeColonnes(1, Langue::Anglais), "1 columns");
  EXPECT_EQ(LegendeModeColonnes(6, Langue::Anglais), "6 columns");
}

// The player is told which file failed and that the game goes on.
TEST(MessageEchecFichier, NamesTheFileAndWhatHappensNextInTheLanguage) {
  const EchecFichier ecriture{FichierDonnees::Noms, OperationFichier::Ecriture, "/data/names12.dat",
                              std::make_error_code(std::errc::io_error)};
  const std::string fr = MessageEchecFichier(ecriture, Langue::Francais);
  EXPECT_EQ(fr.rfind("Le fichier /data/names12.dat n'a pas pu être enregistré (", 0), 0u) << fr;
  EXPECT_NE(fr.find("le prochain enregistrement essaiera de nouveau."), std::string::npos);
  const std::string en = MessageEchecFichier(ecriture, Langue::Anglais);
  EXPECT_EQ(en.rfind("The file /data/names12.dat could not be saved (", 0), 0u) << en;

  const EchecFichier lecture{FichierDonnees::Options, OperationFichier::Lecture,
                             "/data/options12.dat", std::make_error_code(std::errc::io_error)};
  EXPECT_NE(MessageEchecFichier(lecture, Langue::Anglais).find("could not be read"),
            std::string::npos);
  EXPECT_NE(MessageEchecFichier(lecture, Langue::Francais).find("n'a pas pu être lu"),
            std::string::npos);
}

// Each cell of a high-score row shows its own field of the place.
TEST(LegendeCelluleScore, EachFamilyShowsItsFieldOfThePlace) {
  const HighScoreEntry e{"Zoé", 793, 75, 7};
  EXPECT_EQ(LegendeCelluleScore(Famille::PanelScoreClassement, 4, e), "4");
  EXPECT_EQ(LegendeCelluleScore(Famille::PanelScoreNom, 4, e), "Zoé");
  EXPECT_EQ(LegendeCelluleScore(Famille::PanelScoreTemps, 4, e), "01:15");
  EXPECT_EQ(LegendeCelluleScore(Famille::PanelScoreNbFigures, 4, e), "7");
  EXPECT_EQ(LegendeCelluleScore(Famille::PanelScoreScore, 4, e), "793");
}

}  // namespace
}  // namespace rolvex
