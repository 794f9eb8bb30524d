#include "tests/app/window_fixture.h"

#include <QAccessible>

namespace rolvex::app {
namespace {

// What the accessibility layer (a screen reader) reads of a widget.
QString Lu(QWidget& widget, QAccessible::Text quoi = QAccessible::Name) {
  QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(&widget);
  return interface ? interface->text(quoi) : QStringLiteral("<none>");
}

// Every control the player uses says what it is and what it shows, in the language of the run,
// and says it again when the game changes it.
class LectureAVoixHaute : public FenetreDeJeu {
 protected:
  QString Nom(std::string_view controle) { return Lu(W<QWidget>(controle)); }
  QString Description(std::string_view controle) {
    return Lu(W<QWidget>(controle), QAccessible::Description);
  }
};

TEST_F(LectureAVoixHaute, SquaresSayColumnFigureAndWhatTheyHoldInFrench) {
  Ouvrir();
  NouvellePartie(3);
  EXPECT_EQ(Nom("CaseLibre(9)"), Q("Libre, Full : à jouer"));
  EXPECT_EQ(Description("CaseLibre(9)"),
            Q("Ne peut pas être choisie maintenant. Libre : toute case, à chaque jet."));
  Jeter("33322");
  EXPECT_EQ(Nom("CaseLibre(9)"), Q("Libre, Full : 33 points possibles"));
  EXPECT_EQ(Nom("CaseLibre(10)"), Q("Libre, Carré : 0 point possible"));
  EXPECT_EQ(Description("CaseLibre(9)"),
            Q("Entrée ou clic : écrire ce score. Libre : toute case, à chaque jet."));
  Cliquer("CaseLibre(9)");
  EXPECT_EQ(Nom("CaseLibre(9)"), Q("Libre, Full : 33 points marqués"));
  EXPECT_EQ(Nom("CaseLibre(10)"), Q("Libre, Carré : à jouer"));
  Jeter("12345");
  Cliquer("CaseLibre(13)");
  EXPECT_EQ(Nom("CaseLibre(13)"), Q("Libre, Yam : barrée"));

  Jeter("33322");
  EXPECT_TRUE(
      Description("CaseAnnonce(9)").startsWith(Q("Entrée ou clic : annoncer cette figure.")));
  Cliquer("CaseAnnonce(9)");
  EXPECT_EQ(Nom("CaseAnnonce(9)"), Q("Annonce, Full : annoncée, 33 points possibles"));
  EXPECT_TRUE(Description("CaseAnnonce(9)").startsWith(Q("Entrée ou clic : écrire ce score.")));
  EXPECT_EQ(Nom("CaseLibre(10)"), Q("Libre, Carré : fermée"));
}

TEST_F(LectureAVoixHaute, DiceAndResultPanelsSayTheirValuesInFrench) {
  Ouvrir();
  NouvellePartie(1);
  EXPECT_EQ(Nom("ImageDé(2)"), Q("Dé 2 : pas encore jeté"));
  Jeter("33522");
  EXPECT_EQ(Nom("PanelTotalDés"), Q("Somme des dés : 15"));
  EXPECT_EQ(Description("PanelTotalDés"), Q("Somme des 5 dés actuellement tirés."));
  EXPECT_EQ(Nom("PanelFigureRéalisée"), Q("Figure réalisée : aucune"));
  EXPECT_EQ(Nom("ImageDé(3)"), Q("Dé 3 : 5, gardé"));
  Cliquer("ImageDé(3)");
  EXPECT_EQ(Nom("ImageDé(3)"), Q("Dé 3 : 5, à relancer"));
  EXPECT_EQ(Nom("ImageDé(2)"), Q("Dé 2 : 3, gardé"));
  EXPECT_TRUE(Description("ImageDé(3)").startsWith(Q("Touche 3 ou clic gauche")));
  Jeter("3");
  EXPECT_EQ(Nom("PanelFigureRéalisée"), Q("Figure réalisée : FULL"));
  Cliquer("CaseLibre(9)");
  EXPECT_EQ(Nom("ImageDé(2)"), Q("Dé 2 : pas encore jeté"));
  EXPECT_EQ(Nom("PanelScoreTotal"), Q("Score total : 33"));
  EXPECT_EQ(Nom("PanelTotalDés"), Q("Somme des dés"));
  EXPECT_EQ(Nom("CaseTotalBasLibre"), Q("Libre, total du bas : 33"));
  EXPECT_EQ(Nom("CaseBonusHautLibre"), Q("Libre, bonus du haut : 0"));
  EXPECT_EQ(Description("CaseBonusHautLibre"),
            Q("Il vous manque 60 points pour obtenir le premier bonus de 30 points !"));
}

TEST_F(LectureAVoixHaute, AnEnglishGameIsReadInEnglish) {
  Ouvrir(Langue::Anglais);
  NouvellePartie(2);
  EXPECT_EQ(Nom("CaseDescente(2)"), "Down, Two: closed");
  EXPECT_EQ(Nom("PanelOkDé"), "Throw the dice");
  EXPECT_EQ(Description("PanelOkDé"), "No throw made yet. Space or Enter: throw the dice.");
  Jeter("33322");
  EXPECT_EQ(Nom("CaseLibre(9)"), "Free, Full: 33 points possible");
  EXPECT_EQ(Nom("CaseDescente(1)"), "Down, Ace: 0 points possible");
  EXPECT_EQ(
      Description("CaseMontée(13)"),
      "Enter or click: write this score. Up: from bottom to top, one square after the other.");
  EXPECT_EQ(Description("PanelOkDé"), "1 of 3 throws made. Space or Enter: throw the dice again.");
  EXPECT_EQ(Description("PanelInfoDéroulement"),
            "To keep/throw a dice, use the left button of your mouse.\n"
            "To keep identical dices, use the right button of your mouse.");
  Cliquer("ImageDé(4)");
  EXPECT_EQ(Nom("ImageDé(1)"), "Die 1: 3, kept");
  EXPECT_EQ(Nom("ImageDé(4)"), "Die 4: 2, to throw again");
  Jeter("2");
  Cliquer("ImageDé(4)");
  Jeter("2");
  EXPECT_EQ(Description("PanelOkDé"), "3 of 3 throws made: choose a square.");
  Cliquer("CaseLibre(9)");
  EXPECT_EQ(Nom("CaseLibre(9)"), "Free, Full: scored 33");
  EXPECT_EQ(Description("CaseLibre(9)"),
            "Cannot be chosen now. Free: any square, after any throw.");
}

TEST_F(LectureAVoixHaute, LabelsButtonsAndTheInformationLineAreNamedInEnglish) {
  Ouvrir(Langue::Anglais);
  const std::pair<const char*, const char*> noms[] = {{"CaseNomSèche", "Straight column"},
                                                      {"CaseInfoDroite(12)", "8 or less"},
                                                      {"CaseInfoBonusBasGauche", "Lower bonus"},
                                                      {"PanelStart", "Play"},
                                                      {"PanelNewGame", "Play again"},
                                                      {"PanelDé(3)", "Place of die 3"},
                                                      {"PictureAireJeu", "Score sheet"},
                                                      {"PanelInfoDéroulement", "Information line"}};
  for (const auto& [controle, nom] : noms) EXPECT_EQ(Nom(controle), nom) << controle;
  EXPECT_EQ(Description("CaseNomSèche"), "after the first throw only.");
  EXPECT_FALSE(Description("PanelStart").isEmpty());
  // The information line reads its text, whatever wrote it.
  EXPECT_EQ(Description("PanelInfoDéroulement"),
            "To start a new game, choose the menu Yam->New Game or Press F2.");
  NouvellePartie(1);
  Jeter("12345");
  Survoler("CaseLibre(1)");
  EXPECT_EQ(Description("PanelInfoDéroulement"), "The Free column (always available)\nAce");
}

TEST_F(LectureAVoixHaute, NameDialogControlsAreNamedInFrench) {
  Ouvrir();
  EXPECT_EQ(Nom("TextName"), Q("Votre nom"));
  EXPECT_EQ(Description("TextName"), Q("12 caractères au plus."));
  EXPECT_EQ(Nom("PanelOkParams"), "OK");
  EXPECT_EQ(Description("PanelCancelParams"), Q("Fermer sans commencer de partie (Échap)."));
  EXPECT_EQ(Nom("SSOptionModeColonnes(2)"), Q("Trois colonnes"));
  EXPECT_EQ(Nom("FrameModeColonnes"), Q("Mode de jeu"));
  EXPECT_EQ(Lu(fenetre->Params()), "Options");
}

TEST_F(LectureAVoixHaute, HighScoreRowsReadWhatTheyShowOnceTheTableAppears) {
  Ouvrir(Langue::Anglais);
  W("PanelScoreNom(3)").setCaption(QStringLiteral("Zoé"));
  W("SuperPanelScore").show();
  EXPECT_EQ(Nom("PanelScoreNom(3)"), Q("Zoé"));
  EXPECT_EQ(Description("PanelScoreNom(3)"), " Name of the player at position 3");
}

// The start-up window speaks both languages, none being chosen yet.
using LectureDuDemarrage = FenetreDeDemarrage;

TEST_F(LectureDuDemarrage, LanguageButtonsAndLogoAreNamed) {
  EXPECT_EQ(Lu(S<QWidget>("PanelStartFrench")), Q("Version française"));
  EXPECT_EQ(Lu(S<QWidget>("PanelStartEnglish")), "English version");
  EXPECT_EQ(Lu(S<QWidget>("PanelStartEnglish"), QAccessible::Description), "Play in English.");
  EXPECT_EQ(Lu(S<QWidget>("imgLogo")), "ROLVEX");
}

}  // namespace
}  // namespace rolvex::app
