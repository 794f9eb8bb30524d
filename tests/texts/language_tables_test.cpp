#include "texts/language_tables.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "deux_langues.h"

namespace rolvex {

void PrintTo(const Legende& l, std::ostream* os) {
  *os << (l.fenetre == Fenetre::FormParams ? "FormParams." : "") << l.controle << " = \"" << l.texte
      << '"';
}

namespace {

// Each control receives its caption once, in this order: the window's title, the row numbers,
// the texts of the language (the name dialog's from FrameModeColonnes on), and last the
// right-hand row labels, copies of the left-hand ones. PanelOkParams keeps its own caption.
TEST(InitTextesLangue, GivesEveryCaptionOnceInItsOrderAndLanguage) {
  const struct {
    std::string_view controle, fr, en;
  } legendes[] = {// clang-format off
      {"CaseInfoGauche(7)", "MAXI", "MAXI"},       {"CaseInfoGauche(8)", "MINI", "MINI"},
      {"CaseInfoGauche(9)", "FULL", "FULL"},       {"CaseInfoGauche(10)", "CARRE", "SQUARE"},
      {"CaseInfoGauche(11)", "SUITE", "SEQUENCE"}, {"CaseInfoGauche(12)", "<= 8", "<= 8"},
      {"CaseInfoGauche(13)", "YAM", "YAM"},        {"CaseNomDescente", "DESCENTE", "DOWN"},
      {"CaseNomLibre", "LIBRE", "FREE"},           {"CaseNomMontée", "MONTEE", "UP"},
      {"CaseNomSèche", "SECHE", "STRAIGHT"},       {"CaseNomDeux", "DEUX", "TWO"},
      {"CaseNomAnnonce", "ANNONCE", "ANNOUNCE"},   {"PanelStart", "JOUER !", "PLAY !"},
      {"PanelEffacerScores", "Cacher les scores", "Hide scores"},
      {"MenuJeu", "Yam", "Yam"},                   {"MenuNew", "Nouvelle partie", "New game"},
      {"MenuQuit", "Quitter", "Quit"},             {"MenuOptions", "Options", "Options"},
      {"MenuVoirScores", "Voir les scores", "See the scores"},
      {"MenuChoixDés", "Choix des dés", "Dices Type"},
      {"MenuDésClassiques", "Classiques", "Classical"},
      {"MenuDésNumériques", "Numériques", "Numerical"},
      {"MenuAide", "Aide", "Help"},                {"MenuContents", "Sommaire", "Contents"},
      {"MenuAbout", "A propos de ROLVEX", "About ROLVEX"},
      {"PanelNewGame", "REJOUER", "PLAY AGAIN"},   {"PanelNewMode", "CHANGER", "NEW MODE"},
      {"CaseInfoTotalHautGauche", "Total", "Total"}, {"CaseInfoTotalHautDroite", "Total", "Total"},
      {"CaseInfoTotalBasGauche", "Total", "Total"},  {"CaseInfoTotalBasDroite", "Total", "Total"},
      {"CaseInfoBonusHautGauche", "Bonus", "Bonus"}, {"CaseInfoBonusHautDroite", "Bonus", "Bonus"},
      {"CaseInfoBonusBasGauche", "Bonus", "Bonus"},  {"CaseInfoBonusBasDroite", "Bonus", "Bonus"},
      {"FrameModeColonnes", "MODE DE JEU ?", "GAME MODE ?"},
      {"SSOptionModeColonnes(1)", "COLONNE UNIQUE", "ONE COLUMN"},
      {"SSOptionModeColonnes(2)", "TROIS COLONNES", "THREE COLUMNS"},
      {"SSOptionModeColonnes(3)", "SIX COLONNES", "SIX COLUMNS"},
      {"TextName", "Votre nom...", "Your name..."}, {"PanelCancelParams", "ANNULER", "CANCEL"}};
  // clang-format on
  for (Langue langue : {Langue::Francais, Langue::Anglais}) {
    std::vector<Legende> attendu = {{Fenetre::FormRolvex, "FormRolvex", "ROLVEX"}};
    for (int i = 1; i <= 6; ++i)
      attendu.push_back(
          {Fenetre::FormRolvex, "CaseInfoGauche(" + std::to_string(i) + ")", std::to_string(i)});
    Fenetre fenetre = Fenetre::FormRolvex;
    for (const auto& [controle, fr, en] : legendes) {
      if (controle == "FrameModeColonnes") fenetre = Fenetre::FormParams;
      attendu.push_back(
          {fenetre, std::string(controle), std::string(langue == Langue::Francais ? fr : en)});
    }
    for (std::size_t i = 1; i <= NbFigures; ++i)
      attendu.push_back({Fenetre::FormRolvex, NomControle("CaseInfoDroite", static_cast<int>(i)),
                         attendu[i].texte});
    const TextesLangue textes = InitTextesLangue(langue);
    EXPECT_EQ(textes.legendes, attendu);
    EXPECT_EQ(textes.LegendeDe("MenuAide"), langue == Langue::Francais ? "Aide" : "Help");
    EXPECT_EQ(textes.LegendeDe("PanelOkParams"), std::nullopt);
  }
}

// The shared texts, with their quoted blanks and one carriage return between the two sentences
// of the mouse buttons; the messages and figures show the first nine of them. The quit question
// and the farewell are also written alone, before the others.
TEST(InitTextesLangue, FillsEverySharedText) {
  using T = TextesPartages;
  const std::pair<std::string T::*, Bilingue> partages[] = {
      {&T::MsgPourJouer,
       {"Pour jouer, sélectionnez le menu Yam->Nouvelle partie ou appuyez sur la touche F2.",
        "To start a new game, choose the menu Yam->New Game or Press F2."}},
      {&T::MsgChoisirCase, {"Veuillez sélectionner une case...", "You have to choose a square..."}},
      {&T::MsgBoutonsSouris,
       {"Bouton gauche de la souris pour garder ou jeter un dé\rBouton droit de la souris pour "
        "garder les mêmes dés",
        "To keep/throw a dice, use the left button of your mouse.\rTo keep identical dices, use "
        "the right button of your mouse."}},
      {&T::MsgNouveauTirage,
       {"Cliquez sur le bouton OK pour effectuer un nouveau tirage...",
        "Click on the button OK to go on th next drawing..."}},
      {&T::MsgChoisirOuJeter,
       {"Vous devez choisir une case ou jeter au moins un dé...",
        "Choose a square or throw at least one dice..."}},
      {&T::TexteSuite, {"SUITE", "SEQUENCE"}},
      {&T::TexteFull, {"FULL", "FULL"}},
      {&T::TexteCarre, {"CARRE", "SQUARE"}},
      {&T::TexteYam, {"YAM", "YAM"}},
      {&T::TexteColonnes, {" colonnes", " columns"}},
      {&T::MsgQuitter, {"Voulez-vous vraiment arrêter ", "Do you really want to quit "}},
      {&T::MsgAuRevoir, {"A bientôt !!!", "See you !!!"}}};
  TextesPartages communs;  // the quit question and the farewell alone
  InitTextesCommun(Langue::Anglais, communs);
  EXPECT_TRUE(communs.MsgQuitter == "Do you really want to quit " &&
              communs.MsgAuRevoir == "See you !!!" && communs.MsgPourJouer.empty());
  for (const auto& [variable, texte] : partages)
    EXPECT_EQ(FrEn([&](Langue l) { return InitTextesLangue(l).variables.*variable; }), FrEn(texte));
  using enum Message;
  using enum TexteFigure;
  const Message messages[] = {MsgPourJouer, MsgChoisirCase, MsgBoutonsSouris, MsgNouveauTirage,
                              MsgChoisirOuJeter};
  const TexteFigure figures[] = {TexteSuite, TexteFull, TexteCarre, TexteYam};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(FrEn([&](Langue l) { return Texte(messages[i], l); }), FrEn(partages[i].second));
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(FrEn([&](Langue l) { return Texte(figures[i], l); }), FrEn(partages[5 + i].second));
  EXPECT_EQ(FrEn([&](Langue l) { return Texte(Aucun, l); }), " | ");
}

}  // namespace
}  // namespace rolvex
