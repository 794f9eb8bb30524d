#include "texts/language_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace rolvex {
namespace {

constexpr Langue LesDeuxLangues[] = {Langue::Français, Langue::Anglais};

std::string Légende(Langue langue, std::string_view contrôle) {
  return InitTextesLangue(langue).LégendeDe(contrôle).value_or("<not written>");
}

std::vector<std::string> Contrôles(const TextesLangue& textes) {
  std::vector<std::string> noms;
  for (const auto& l : textes.légendes) noms.push_back(l.contrôle);
  return noms;
}

// Where `contrôle` is written among the captions; -1 when it is not.
long Position(const TextesLangue& textes, std::string_view contrôle) {
  const auto noms = Contrôles(textes);
  const auto it = std::find(noms.begin(), noms.end(), contrôle);
  return it == noms.end() ? -1 : it - noms.begin();
}

// The rows of the sheet read the same on both sides, the upper rows carry their digits, and
// the right-hand labels are the last captions written.
TEST(RowLabels, RightSideRepeatsTheLeftAfterItAndUpperRowsAreDigits) {
  EXPECT_EQ(NomContrôle("CaseInfoGauche", 7), "CaseInfoGauche(7)");
  for (Langue langue : LesDeuxLangues) {
    const TextesLangue textes = InitTextesLangue(langue);
    const long premierDroit = static_cast<long>(textes.légendes.size()) - NbFigures;
    for (int i = 1; i <= NbFigures; ++i) {
      const auto gauche = textes.LégendeDe(NomContrôle("CaseInfoGauche", i));
      ASSERT_TRUE(gauche.has_value()) << i;
      EXPECT_EQ(textes.LégendeDe(NomContrôle("CaseInfoDroite", i)), gauche) << i;
      EXPECT_LT(Position(textes, NomContrôle("CaseInfoGauche", i)), premierDroit) << i;
      EXPECT_EQ(Position(textes, NomContrôle("CaseInfoDroite", i)), premierDroit + i - 1) << i;
      if (i <= 6) {
        EXPECT_EQ(*gauche, std::to_string(i));
      }
    }
  }
}

// Some words are the game's own and read the same in French and English; every other caption
// is translated, so the two languages cannot be swapped or one left untranslated.
TEST(SharedWords, AreIdenticalInBothLanguagesAndEveryOtherCaptionIsTranslated) {
  const std::pair<std::string_view, std::string_view> mêmes[] = {
      {"CaseInfoGauche(7)", "MAXI"}, {"CaseInfoGauche(12)", "<= 8"}, {"MenuJeu", "Yam"},
      {"CaseInfoTotalBasDroite", "Total"}, {"CaseInfoBonusHautGauche", "Bonus"}};
  for (const auto& [contrôle, texte] : mêmes) {
    EXPECT_EQ(Légende(Langue::Français, contrôle), texte) << contrôle;
    EXPECT_EQ(Légende(Langue::Anglais, contrôle), texte) << contrôle;
  }
  const TextesLangue fr = InitTextesLangue(Langue::Français);
  const TextesLangue en = InitTextesLangue(Langue::Anglais);
  EXPECT_EQ(Contrôles(fr), Contrôles(en)) << "the same controls in the same order";
  const std::set<std::string_view> mêmesMots = {"MAXI", "MINI",  "FULL",  "<= 8", "YAM",
                                                "Yam",  "Options", "Total", "Bonus"};
  int traduites = 0;
  for (std::size_t i = 0; i < fr.légendes.size(); ++i) {
    const std::string& texte = fr.légendes[i].texte;
    const bool chiffre = texte.size() == 1 && std::isdigit(static_cast<unsigned char>(texte[0]));
    if (texte == TitreApplication || chiffre || mêmesMots.contains(texte)) {
      EXPECT_EQ(texte, en.légendes[i].texte) << fr.légendes[i].contrôle;
      continue;
    }
    EXPECT_NE(texte, en.légendes[i].texte) << fr.légendes[i].contrôle;
    ++traduites;
  }
  EXPECT_GT(traduites, 25);
  EXPECT_EQ(Légende(Langue::Français, "MenuAbout"), "A propos de ROLVEX");
  EXPECT_EQ(Légende(Langue::Anglais, "MenuAbout"), "About ROLVEX");
}

// Every control gets its caption once, the window title first, then the rows' numbers and the
// texts in their order; no caption breaks its line.
TEST(CaptionOrder, EachControlOnceWindowTitleFirstThenTheTextsInTheirOrder) {
  const TextesLangue textes = InitTextesLangue(Langue::Français);
  const auto noms = Contrôles(textes);
  EXPECT_EQ(std::set<std::string>(noms.begin(), noms.end()).size(), noms.size());
  ASSERT_FALSE(textes.légendes.empty());
  EXPECT_EQ(textes.légendes.front(), (rolvex::Légende{Fenêtre::FormRolvex, "FormRolvex", "ROLVEX"}));
  const std::string_view ordre[] = {
      "FormRolvex",         "CaseInfoGauche(1)",       "CaseInfoGauche(6)",
      "CaseInfoGauche(7)",  "CaseInfoGauche(13)",      "CaseNomDescente",
      "CaseNomAnnonce",     "PanelStart",              "PanelEffacerScores",
      "MenuJeu",            "MenuAbout",               "PanelNewGame",
      "PanelNewMode",       "CaseInfoTotalHautGauche", "CaseInfoTotalBasDroite",
      "CaseInfoBonusHautGauche", "CaseInfoBonusBasDroite", "FrameModeColonnes",
      "SSOptionModeColonnes(1)", "SSOptionModeColonnes(3)", "TextName",
      "PanelCancelParams",  "CaseInfoDroite(1)",       "CaseInfoDroite(13)"};
  long précédente = -1;
  for (std::string_view contrôle : ordre) {
    const long position = Position(textes, contrôle);
    EXPECT_GT(position, précédente) << contrôle;
    précédente = position;
  }
  for (Langue langue : LesDeuxLangues)
    for (const auto& l : InitTextesLangue(langue).légendes)
      EXPECT_EQ(l.texte.find_first_of("\r\n"), std::string::npos) << l.contrôle;
}

TEST(CaptionOrder, NameDialogTextsGoToFormParamsAndItsOkKeepsItsDesign) {
  const TextesLangue textes = InitTextesLangue(Langue::Anglais);
  for (const auto& l : textes.légendes) {
    const bool duDialogue = l.contrôle == "FrameModeColonnes" ||
                            l.contrôle.starts_with("SSOptionModeColonnes(") ||
                            l.contrôle == "TextName" || l.contrôle == "PanelCancelParams";
    EXPECT_EQ(l.fenêtre == Fenêtre::FormParams, duDialogue) << l.contrôle;
  }
  EXPECT_FALSE(textes.LégendeDe("PanelOkParams").has_value());
  EXPECT_EQ(Légende(Langue::Français, "TextName"), "Votre nom...");
  EXPECT_EQ(Légende(Langue::Anglais, "SSOptionModeColonnes(2)"), "THREE COLUMNS");
}

// The texts whose odd spelling or blank is the game's own are kept as they stand.
TEST(Captions, QuotedSpellingsAreKept) {
  EXPECT_EQ(Légende(Langue::Anglais, "MenuChoixDés"), "Dices Type");
  EXPECT_EQ(Légende(Langue::Français, "MenuDésNumériques"), "Numériques");
  EXPECT_EQ(Légende(Langue::Français, "CaseNomMontée"), "MONTEE");
  EXPECT_EQ(Légende(Langue::Anglais, "CaseNomSèche"), "STRAIGHT");
  EXPECT_EQ(Texte(Message::MsgNouveauTirage, Langue::Anglais),
            "Click on the button OK to go on th next drawing...");
  EXPECT_EQ(Texte(Message::MsgPourJouer, Langue::Anglais),
            "To start a new game, choose the menu Yam->New Game or Press F2.");
  for (Langue langue : LesDeuxLangues) {
    const TextesPartagés v = InitTextesLangue(langue).variables;
    EXPECT_EQ(v.TexteColonnes.front(), ' ');
    EXPECT_EQ(v.MsgQuitter.back(), ' ');
  }
}

// The shared messages: filled once for the language, and the same wherever they are read.
TEST(SharedTexts, MouseButtonsMessageIsTwoSentencesJoinedByOneCarriageReturn) {
  EXPECT_EQ(InitTextesLangue(Langue::Français).variables.MsgBoutonsSouris,
            "Bouton gauche de la souris pour garder ou jeter un dé\r"
            "Bouton droit de la souris pour garder les mêmes dés");
  EXPECT_EQ(InitTextesLangue(Langue::Anglais).variables.MsgBoutonsSouris,
            "To keep/throw a dice, use the left button of your mouse.\r"
            "To keep identical dices, use the right button of your mouse.");
}

TEST(SharedTexts, EveryVariableIsFilledAndAgreesWithTheNamedMessagesAndRowLabels) {
  for (Langue langue : LesDeuxLangues) {
    const TextesPartagés v = InitTextesLangue(langue).variables;
    for (auto variable :
         {&TextesPartagés::MsgPourJouer, &TextesPartagés::MsgChoisirCase,
          &TextesPartagés::MsgBoutonsSouris, &TextesPartagés::MsgNouveauTirage,
          &TextesPartagés::MsgChoisirOuJeter, &TextesPartagés::TexteSuite,
          &TextesPartagés::TexteFull, &TextesPartagés::TexteCarré, &TextesPartagés::TexteYam,
          &TextesPartagés::TexteColonnes, &TextesPartagés::MsgQuitter,
          &TextesPartagés::MsgAuRevoir}) {
      EXPECT_FALSE((v.*variable).empty());
      EXPECT_EQ(Texte(variable, langue), v.*variable);
    }
    const std::pair<Message, const std::string*> messages[] = {
        {Message::MsgPourJouer, &v.MsgPourJouer}, {Message::MsgChoisirCase, &v.MsgChoisirCase},
        {Message::MsgBoutonsSouris, &v.MsgBoutonsSouris},
        {Message::MsgNouveauTirage, &v.MsgNouveauTirage},
        {Message::MsgChoisirOuJeter, &v.MsgChoisirOuJeter}};
    for (const auto& [message, texte] : messages) EXPECT_EQ(Texte(message, langue), *texte);
    EXPECT_EQ(Texte(TexteFigure::Aucun, langue), "");
    EXPECT_EQ(Texte(TexteFigure::TexteFull, langue), "FULL");
    EXPECT_EQ(Texte(TexteFigure::TexteYam, langue), "YAM");
    EXPECT_EQ(Texte(TexteFigure::TexteCarré, langue), Légende(langue, "CaseInfoGauche(10)"));
    EXPECT_EQ(Texte(TexteFigure::TexteSuite, langue), Légende(langue, "CaseInfoGauche(11)"));
  }
  EXPECT_EQ(Texte(TexteFigure::TexteSuite, Langue::Anglais), "SEQUENCE");
  EXPECT_EQ(Texte(TexteFigure::TexteCarré, Langue::Français), "CARRE");
}

TEST(SharedTexts, CommonTextsAloneGiveOnlyTheQuitQuestionAndFarewell) {
  TextesPartagés v;
  InitTextesCommun(Langue::Anglais, v);
  EXPECT_EQ(v.MsgQuitter, "Do you really want to quit ");
  EXPECT_EQ(v.MsgAuRevoir, "See you !!!");
  EXPECT_TRUE(v.MsgPourJouer.empty());
  EXPECT_TRUE(v.TexteColonnes.empty());
  InitTextesCommun(Langue::Français, v);
  EXPECT_EQ(v.MsgAuRevoir, "A bientôt !!!");
}

}  // namespace
}  // namespace rolvex
