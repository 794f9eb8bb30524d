#include "texts/language_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "deux_langues.h"

namespace rolvex {
namespace {

// Each control receives its caption once, in this order: the window's title, the row numbers,
// the texts of the language (the name dialog's from FrameModeColonnes on), and last the
// right-hand row labels, copies of the left-hand ones. PanelOkParams keeps its own caption.
TEST(InitTextesLangue, GivesEveryCaptionOnceInItsOrderAndLanguage) {
  std::vector<std::pair<std::string, std::string>> legendes = {{"FormRolvex", "ROLVEX | ROLVEX"}};
  for (int i = 1; i <= 6; ++i)
    legendes.push_back(
        {NomControle("CaseInfoGauche", i), std::to_string(i) + " | " + std::to_string(i)});
  // clang-format off
  legendes.insert(legendes.end(), {
      {"CaseInfoGauche(7)", "MAXI | MAXI"}, {"CaseInfoGauche(8)", "MINI | MINI"},
      {"CaseInfoGauche(9)", "FULL | FULL"}, {"CaseInfoGauche(10)", "CARRE | SQUARE"},
      {"CaseInfoGauche(11)", "SUITE | SEQUENCE"}, {"CaseInfoGauche(12)", "<= 8 | <= 8"},
      {"CaseInfoGauche(13)", "YAM | YAM"}, {"CaseNomDescente", "DESCENTE | DOWN"},
      {"CaseNomLibre", "LIBRE | FREE"}, {"CaseNomMontée", "MONTEE | UP"},
      {"CaseNomSèche", "SECHE | STRAIGHT"}, {"CaseNomDeux", "DEUX | TWO"},
      {"CaseNomAnnonce", "ANNONCE | ANNOUNCE"}, {"PanelStart", "JOUER ! | PLAY !"},
      {"PanelEffacerScores", "Cacher les scores | Hide scores"}, {"MenuJeu", "Yam | Yam"},
      {"MenuNew", "Nouvelle partie | New game"}, {"MenuQuit", "Quitter | Quit"},
      {"MenuOptions", "Options | Options"}, {"MenuVoirScores", "Voir les scores | See the scores"},
      {"MenuChoixDés", "Choix des dés | Dices Type"},
      {"MenuDésClassiques", "Classiques | Classical"},
      {"MenuDésNumériques", "Numériques | Numerical"}, {"MenuAide", "Aide | Help"},
      {"MenuContents", "Sommaire | Contents"}, {"MenuAbout", "A propos de ROLVEX | About ROLVEX"},
      {"PanelNewGame", "REJOUER | PLAY AGAIN"}, {"PanelNewMode", "CHANGER | NEW MODE"}});
  // clang-format on
  for (std::string ligne : {"Total", "Bonus"})
    for (std::string ou : {"HautGauche", "HautDroite", "BasGauche", "BasDroite"})
      legendes.push_back({"CaseInfo" + ligne + ou, ligne + " | " + ligne});
  const std::size_t params = legendes.size();
  legendes.insert(legendes.end(), {{"FrameModeColonnes", "MODE DE JEU ? | GAME MODE ?"},
                                   {"SSOptionModeColonnes(1)", "COLONNE UNIQUE | ONE COLUMN"},
                                   {"SSOptionModeColonnes(2)", "TROIS COLONNES | THREE COLUMNS"},
                                   {"SSOptionModeColonnes(3)", "SIX COLONNES | SIX COLUMNS"},
                                   {"TextName", "Votre nom... | Your name..."},
                                   {"PanelCancelParams", "ANNULER | CANCEL"}});
  for (int i = 1; i <= NbFigures; ++i)
    legendes.push_back({NomControle("CaseInfoDroite", i), legendes[std::size_t(i)].second});

  const TextesLangue fr = InitTextesLangue(Langue::Francais),
                     en = InitTextesLangue(Langue::Anglais);
  ASSERT_EQ(fr.legendes.size(), legendes.size());
  ASSERT_EQ(en.legendes.size(), legendes.size());
  for (std::size_t i = 0; i < legendes.size(); ++i) {
    const Fenetre fenetre =
        i >= params && i < params + 6 ? Fenetre::FormParams : Fenetre::FormRolvex;
    EXPECT_EQ(fr.legendes[i], (Legende{fenetre, legendes[i].first, fr.legendes[i].texte}));
    EXPECT_EQ(en.legendes[i], (Legende{fenetre, legendes[i].first, en.legendes[i].texte}));
    EXPECT_EQ(fr.legendes[i].texte + " | " + en.legendes[i].texte, legendes[i].second);
  }
  EXPECT_EQ(FrEn([&](Langue l) { return *InitTextesLangue(l).LegendeDe("MenuAide"); }),
            "Aide | Help");
  EXPECT_EQ(fr.LegendeDe("PanelOkParams"), std::nullopt);
}

// The shared texts, with their quoted blanks and one carriage return between the two sentences
// of the mouse buttons; each is also given alone, and the messages and figures show the first
// nine of them. The quit question and the farewell are also written alone, before the others.
TEST(InitTextesLangue, FillsEverySharedText) {
  using T = TextesPartages;
  const std::pair<std::string T::*, std::string> partages[] = {
      {&T::MsgPourJouer,
       "Pour jouer, sélectionnez le menu Yam->Nouvelle partie ou appuyez sur la touche F2. | To "
       "start a new game, choose the menu Yam->New Game or Press F2."},
      {&T::MsgChoisirCase, "Veuillez sélectionner une case... | You have to choose a square..."},
      {&T::MsgBoutonsSouris,
       "Bouton gauche de la souris pour garder ou jeter un dé\rBouton droit de la souris pour "
       "garder les mêmes dés | To keep/throw a dice, use the left button of your mouse.\rTo keep "
       "identical dices, use the right button of your mouse."},
      {&T::MsgNouveauTirage,
       "Cliquez sur le bouton OK pour effectuer un nouveau tirage... | Click on the button OK to "
       "go on th next drawing..."},
      {&T::MsgChoisirOuJeter,
       "Vous devez choisir une case ou jeter au moins un dé... | Choose a square or throw at "
       "least one dice..."},
      // clang-format off
      {&T::TexteSuite, "SUITE | SEQUENCE"}, {&T::TexteFull, "FULL | FULL"},
      {&T::TexteCarre, "CARRE | SQUARE"}, {&T::TexteYam, "YAM | YAM"},
      {&T::TexteColonnes, " colonnes |  columns"}, {&T::MsgAuRevoir, "A bientôt !!! | See you !!!"},
      {&T::MsgQuitter, "Voulez-vous vraiment arrêter  | Do you really want to quit "}};
  // clang-format on
  for (const auto& [variable, texte] : partages) {
    EXPECT_EQ(FrEn([&](Langue l) { return InitTextesLangue(l).variables.*variable; }), texte);
    EXPECT_EQ(FrEn([&](Langue l) { return Texte(variable, l); }), texte);
  }
  using enum Message;
  using enum TexteFigure;
  const Message messages[] = {MsgPourJouer, MsgChoisirCase, MsgBoutonsSouris, MsgNouveauTirage,
                              MsgChoisirOuJeter};
  const TexteFigure figures[] = {Aucun, TexteSuite, TexteFull, TexteCarre, TexteYam};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(FrEn([&](Langue l) { return Texte(messages[i], l); }), partages[i].second);
    EXPECT_EQ(FrEn([&](Langue l) { return Texte(figures[i], l); }),
              i == 0 ? " | " : partages[4 + i].second);
  }
  TextesPartages communs;
  InitTextesCommun(Langue::Anglais, communs);
  const T& tous = InitTextesLangue(Langue::Anglais).variables;
  EXPECT_TRUE(communs.MsgQuitter == tous.MsgQuitter && communs.MsgAuRevoir == tous.MsgAuRevoir &&
              communs.MsgPourJouer.empty());
}

}  // namespace
}  // namespace rolvex
