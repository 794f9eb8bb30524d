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

// The rows of the sheet read the same on both sides, and the upper rows carry their numbers.
TEST(RowLabels, RightSideRepeatsLeftSideForEveryRowInBothLanguages) {
  for (Langue langue : LesDeuxLangues) {
    const TextesLangue textes = InitTextesLangue(langue);
    for (int i = 1; i <= NbFigures; ++i) {
      const auto gauche = textes.LégendeDe(NomContrôle("CaseInfoGauche", i));
      ASSERT_TRUE(gauche.has_value()) << i;
      EXPECT_EQ(textes.LégendeDe(NomContrôle("CaseInfoDroite", i)), gauche) << i;
    }
  }
}

TEST(RowLabels, RightSideIsWrittenOnlyAfterTheWholeLeftSide) {
  for (Langue langue : LesDeuxLangues) {
    const TextesLangue textes = InitTextesLangue(langue);
    long dernierGauche = -1;
    long premierDroit = static_cast<long>(textes.légendes.size());
    for (int i = 1; i <= NbFigures; ++i) {
      dernierGauche = std::max(dernierGauche, Position(textes, NomContrôle("CaseInfoGauche", i)));
      premierDroit = std::min(premierDroit, Position(textes, NomContrôle("CaseInfoDroite", i)));
    }
    EXPECT_LT(dernierGauche, premierDroit);
    EXPECT_EQ(premierDroit, static_cast<long>(textes.légendes.size()) - NbFigures)
        << "the right-hand labels are the last captions written";
  }
}

TEST(RowLabels, UpperRowsAreLabelledWithTheirDigits) {
  for (Langue langue : LesDeuxLangues)
    for (int i = 1; i <= 6; ++i)
      EXPECT_EQ(Légende(langue, NomContrôle("CaseInfoGauche", i)), std::to_string(i));
}

TEST(RowLabels, ArrayElementsAreNamedWithTheirIndex) {
  EXPECT_EQ(NomContrôle("CaseInfoGauche", 7), "CaseInfoGauche(7)");
  EXPECT_EQ(NomContrôle("SSOptionModeColonnes", 3), "SSOptionModeColonnes(3)");
}

// Some words are the game's own and read the same in French and English.
TEST(SharedWords, AreIdenticalInBothLanguages) {
  const std::pair<std::string_view, std::string_view> mêmes[] = {
      {"CaseInfoGauche(7)", "MAXI"},        {"CaseInfoGauche(8)", "MINI"},
      {"CaseInfoGauche(9)", "FULL"},        {"CaseInfoGauche(12)", "<= 8"},
      {"CaseInfoGauche(13)", "YAM"},        {"MenuJeu", "Yam"},
      {"MenuOptions", "Options"},           {"CaseInfoTotalHautGauche", "Total"},
      {"CaseInfoTotalHautDroite", "Total"}, {"CaseInfoTotalBasGauche", "Total"},
      {"CaseInfoTotalBasDroite", "Total"},  {"CaseInfoBonusHautGauche", "Bonus"},
      {"CaseInfoBonusHautDroite", "Bonus"}, {"CaseInfoBonusBasGauche", "Bonus"},
      {"CaseInfoBonusBasDroite", "Bonus"},
  };
  for (const auto& [contrôle, texte] : mêmes) {
    EXPECT_EQ(Légende(Langue::Français, contrôle), texte) << contrôle;
    EXPECT_EQ(Légende(Langue::Anglais, contrôle), texte) << contrôle;
  }
  for (Langue langue : LesDeuxLangues) {
    EXPECT_EQ(Texte(TexteFigure::TexteFull, langue), "FULL");
    EXPECT_EQ(Texte(TexteFigure::TexteYam, langue), "YAM");
  }
}

TEST(SharedWords, TranslatedCaptionsDifferBetweenLanguages) {
  const TextesLangue fr = InitTextesLangue(Langue::Français);
  const TextesLangue en = InitTextesLangue(Langue::Anglais);
  const std::set<std::string_view> mêmesMots = {"MAXI", "MINI",  "FULL",  "<= 8", "YAM",
                                                "Yam",  "Options", "Total", "Bonus"};
  int traduites = 0;
  for (std::size_t i = 0; i < fr.légendes.size(); ++i) {
    const std::string& texte = fr.légendes[i].texte;
    const bool chiffre = texte.size() == 1 && std::isdigit(static_cast<unsigned char>(texte[0]));
    if (texte == TitreApplication || chiffre || mêmesMots.contains(texte)) continue;
    EXPECT_NE(texte, en.légendes[i].texte) << fr.légendes[i].contrôle;
    ++traduites;
  }
  EXPECT_GT(traduites, 25);
}

// Both languages give every control its caption, each control once, in the same order.
TEST(CaptionOrder, BothLanguagesWriteTheSameControlsInTheSameOrder) {
  EXPECT_EQ(Contrôles(InitTextesLangue(Langue::Français)),
            Contrôles(InitTextesLangue(Langue::Anglais)));
}

TEST(CaptionOrder, EachControlIsWrittenOnce) {
  const auto noms = Contrôles(InitTextesLangue(Langue::Anglais));
  EXPECT_EQ(std::set<std::string>(noms.begin(), noms.end()).size(), noms.size());
}

TEST(CaptionOrder, WindowTitleFirstThenRowNumbersThenTheLanguageTextsInTheirOrder) {
  const TextesLangue textes = InitTextesLangue(Langue::Français);
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

// Captions built from the title, and the texts whose odd spelling is the game's own.
TEST(Captions, AboutMenuIsThePrefixFollowedDirectlyByTheTitle) {
  EXPECT_EQ(Légende(Langue::Français, "MenuAbout"), "A propos de ROLVEX");
  EXPECT_EQ(Légende(Langue::Anglais, "MenuAbout"), "About ROLVEX");
  for (Langue langue : LesDeuxLangues) EXPECT_EQ(Légende(langue, "FormRolvex"), "ROLVEX");
}

TEST(Captions, QuotedSpellingsAreKept) {
  EXPECT_EQ(Légende(Langue::Anglais, "MenuChoixDés"), "Dices Type");
  EXPECT_EQ(Légende(Langue::Français, "MenuDésNumériques"), "Numériques");
  EXPECT_EQ(Légende(Langue::Français, "CaseNomMontée"), "MONTEE");
  EXPECT_EQ(Légende(Langue::Anglais, "CaseNomSèche"), "STRAIGHT");
  EXPECT_EQ(Texte(Message::MsgNouveauTirage, Langue::Anglais),
            "Click on the button OK to go on th next drawing...");
  EXPECT_EQ(Texte(Message::MsgPourJouer, Langue::Anglais),
            "To start a new game, choose the menu Yam->New Game or Press F2.");
}

// The shared messages: filled once for the language, and the same wherever they are read.
TEST(SharedTexts, MouseButtonsMessageIsTwoSentencesJoinedByOneCarriageReturn) {
  const std::pair<Langue, std::string_view> lignes[] = {
      {Langue::Français, "Bouton gauche de la souris pour garder ou jeter un dé\r"
                         "Bouton droit de la souris pour garder les mêmes dés"},
      {Langue::Anglais, "To keep/throw a dice, use the left button of your mouse.\r"
                        "To keep identical dices, use the right button of your mouse."}};
  for (const auto& [langue, attendu] : lignes) {
    const std::string texte = InitTextesLangue(langue).variables.MsgBoutonsSouris;
    EXPECT_EQ(std::count(texte.begin(), texte.end(), '\r'), 1);
    EXPECT_EQ(texte.find('\n'), std::string::npos);
    EXPECT_EQ(texte, attendu);
  }
}

TEST(SharedTexts, NoOtherSharedTextBreaksItsLine) {
  for (Langue langue : LesDeuxLangues) {
    const TextesLangue textes = InitTextesLangue(langue);
    for (const auto& l : textes.légendes)
      EXPECT_EQ(l.texte.find_first_of("\r\n"), std::string::npos) << l.contrôle;
  }
}

TEST(SharedTexts, EveryVariableIsFilledAndAgreesWithTheMessagesTheEngineNames) {
  for (Langue langue : LesDeuxLangues) {
    const TextesPartagés v = InitTextesLangue(langue).variables;
    for (const std::string* texte :
         {&v.MsgPourJouer, &v.MsgChoisirCase, &v.MsgBoutonsSouris, &v.MsgNouveauTirage,
          &v.MsgChoisirOuJeter, &v.TexteSuite, &v.TexteFull, &v.TexteCarré, &v.TexteYam,
          &v.TexteColonnes, &v.MsgQuitter, &v.MsgAuRevoir})
      EXPECT_FALSE(texte->empty());
    EXPECT_EQ(Texte(Message::MsgPourJouer, langue), v.MsgPourJouer);
    EXPECT_EQ(Texte(Message::MsgChoisirCase, langue), v.MsgChoisirCase);
    EXPECT_EQ(Texte(Message::MsgBoutonsSouris, langue), v.MsgBoutonsSouris);
    EXPECT_EQ(Texte(Message::MsgNouveauTirage, langue), v.MsgNouveauTirage);
    EXPECT_EQ(Texte(Message::MsgChoisirOuJeter, langue), v.MsgChoisirOuJeter);
    EXPECT_EQ(Texte(TexteFigure::TexteSuite, langue), v.TexteSuite);
    EXPECT_EQ(Texte(TexteFigure::TexteCarré, langue), v.TexteCarré);
    EXPECT_EQ(Texte(TexteFigure::Aucun, langue), "");
  }
}

TEST(SharedTexts, CombinationNamesMatchTheRowLabelsOfTheirFigures) {
  for (Langue langue : LesDeuxLangues) {
    EXPECT_EQ(Texte(TexteFigure::TexteCarré, langue), Légende(langue, "CaseInfoGauche(10)"));
    EXPECT_EQ(Texte(TexteFigure::TexteSuite, langue), Légende(langue, "CaseInfoGauche(11)"));
  }
  EXPECT_EQ(Texte(TexteFigure::TexteSuite, Langue::Anglais), "SEQUENCE");
  EXPECT_EQ(Texte(TexteFigure::TexteCarré, Langue::Français), "CARRE");
}

TEST(SharedTexts, PiecesThatJoinOtherTextsKeepTheirBlanks) {
  for (Langue langue : LesDeuxLangues) {
    const TextesPartagés v = InitTextesLangue(langue).variables;
    EXPECT_EQ(v.TexteColonnes.front(), ' ');
    EXPECT_EQ(v.MsgQuitter.back(), ' ');
  }
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
