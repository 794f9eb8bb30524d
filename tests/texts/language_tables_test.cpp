#include "texts/language_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace rolvex {
namespace {

constexpr Langue LesDeuxLangues[] = {Langue::Francais, Langue::Anglais};

std::string Legende(Langue langue, std::string_view controle) {
  return InitTextesLangue(langue).LegendeDe(controle).value_or("<not written>");
}

std::vector<std::string> Controles(const TextesLangue& textes) {
  std::vector<std::string> noms;
  for (const auto& l : textes.legendes) noms.push_back(l.controle);
  return noms;
}

// Where `contrôle` is written among the captions; -1 when it is not.
long Position(const TextesLangue& textes, std::string_view controle) {
  const auto noms = Controles(textes);
  const auto it = std::find(noms.begin(), noms.end(), controle);
  return it == noms.end() ? -1 : it - noms.begin();
}

// The rows of the sheet read the same on both sides, the upper rows carry their digits, and
// the right-hand labels are the last captions written.
TEST(RowLabels, RightSideRepeatsTheLeftAfterItAndUpperRowsAreDigits) {
  EXPECT_EQ(NomControle("CaseInfoGauche", 7), "CaseInfoGauche(7)");
  for (Langue langue : LesDeuxLangues) {
    const TextesLangue textes = InitTextesLangue(langue);
    const long premierDroit = static_cast<long>(textes.legendes.size()) - NbFigures;
    for (int i = 1; i <= NbFigures; ++i) {
      const auto gauche = textes.LegendeDe(NomControle("CaseInfoGauche", i));
      ASSERT_TRUE(gauche.has_value()) << i;
      EXPECT_EQ(textes.LegendeDe(NomControle("CaseInfoDroite", i)), gauche) << i;
      EXPECT_LT(Position(textes, NomControle("CaseInfoGauche", i)), premierDroit) << i;
      EXPECT_EQ(Position(textes, NomControle("CaseInfoDroite", i)), premierDroit + i - 1) << i;
      if (i <= 6) {
        EXPECT_EQ(*gauche, std::to_string(i));
      }
    }
  }
}

// Some words are the game's own and read the same in French and English; every other caption
// is translated, so the two languages cannot be swapped or one left untranslated.
TEST(SharedWords, AreIdenticalInBothLanguagesAndEveryOtherCaptionIsTranslated) {
  const std::pair<std::string_view, std::string_view> memes[] = {
      {"CaseInfoGauche(7)", "MAXI"},
      {"CaseInfoGauche(12)", "<= 8"},
      {"MenuJeu", "Yam"},
      {"CaseInfoTotalBasDroite", "Total"},
      {"CaseInfoBonusHautGauche", "Bonus"}};
  for (const auto& [controle, texte] : memes) {
    EXPECT_EQ(Legende(Langue::Francais, controle), texte) << controle;
    EXPECT_EQ(Legende(Langue::Anglais, controle), texte) << controle;
  }
  const TextesLangue fr = InitTextesLangue(Langue::Francais);
  const TextesLangue en = InitTextesLangue(Langue::Anglais);
  EXPECT_EQ(Controles(fr), Controles(en)) << "the same controls in the same order";
  const std::set<std::string_view> memesMots = {"MAXI", "MINI",    "FULL",  "<= 8", "YAM",
                                                "Yam",  "Options", "Total", "Bonus"};
  int traduites = 0;
  for (std::size_t i = 0; i < fr.legendes.size(); ++i) {
    const std::string& texte = fr.legendes[i].texte;
    const bool chiffre = texte.size() == 1 && std::isdigit(static_cast<unsigned char>(texte[0]));
    if (texte == TitreApplication || chiffre || memesMots.contains(texte)) {
      EXPECT_EQ(texte, en.legendes[i].texte) << fr.legendes[i].controle;
      continue;
    }
    EXPECT_NE(texte, en.legendes[i].texte) << fr.legendes[i].controle;
    ++traduites;
  }
  EXPECT_GT(traduites, 25);
  EXPECT_EQ(Legende(Langue::Francais, "MenuAbout"), "A propos de ROLVEX");
  EXPECT_EQ(Legende(Langue::Anglais, "MenuAbout"), "About ROLVEX");
}

// Every control gets its caption once, the window title first, then the rows' numbers and the
// texts in their order; no caption breaks its line.
TEST(CaptionOrder, EachControlOnceWindowTitleFirstThenTheTextsInTheirOrder) {
  const TextesLangue textes = InitTextesLangue(Langue::Francais);
  const auto noms = Controles(textes);
  EXPECT_EQ(std::set<std::string>(noms.begin(), noms.end()).size(), noms.size());
  ASSERT_FALSE(textes.legendes.empty());
  EXPECT_EQ(textes.legendes.front(),
            (rolvex::Legende{Fenetre::FormRolvex, "FormRolvex", "ROLVEX"}));
  const std::string_view ordre[] = {"FormRolvex",
                                    "CaseInfoGauche(1)",
                                    "CaseInfoGauche(6)",
                                    "CaseInfoGauche(7)",
                                    "CaseInfoGauche(13)",
                                    "CaseNomDescente",
                                    "CaseNomAnnonce",
                                    "PanelStart",
                                    "PanelEffacerScores",
                                    "MenuJeu",
                                    "MenuAbout",
                                    "PanelNewGame",
                                    "PanelNewMode",
                                    "CaseInfoTotalHautGauche",
                                    "CaseInfoTotalBasDroite",
                                    "CaseInfoBonusHautGauche",
                                    "CaseInfoBonusBasDroite",
                                    "FrameModeColonnes",
                                    "SSOptionModeColonnes(1)",
                                    "SSOptionModeColonnes(3)",
                                    "TextName",
                                    "PanelCancelParams",
                                    "CaseInfoDroite(1)",
                                    "CaseInfoDroite(13)"};
  long precedente = -1;
  for (std::string_view controle : ordre) {
    const long position = Position(textes, controle);
    EXPECT_GT(position, precedente) << controle;
    precedente = position;
  }
  for (Langue langue : LesDeuxLangues)
    for (const auto& l : InitTextesLangue(langue).legendes)
      EXPECT_EQ(l.texte.find_first_of("\r\n"), std::string::npos) << l.controle;
}

TEST(CaptionOrder, NameDialogTextsGoToFormParamsAndItsOkKeepsItsDesign) {
  const TextesLangue textes = InitTextesLangue(Langue::Anglais);
  for (const auto& l : textes.legendes) {
    const bool duDialogue = l.controle == "FrameModeColonnes" ||
                            l.controle.starts_with("SSOptionModeColonnes(") ||
                            l.controle == "TextName" || l.controle == "PanelCancelParams";
    EXPECT_EQ(l.fenetre == Fenetre::FormParams, duDialogue) << l.controle;
  }
  EXPECT_FALSE(textes.LegendeDe("PanelOkParams").has_value());
  EXPECT_EQ(Legende(Langue::Francais, "TextName"), "Votre nom...");
  EXPECT_EQ(Legende(Langue::Anglais, "SSOptionModeColonnes(2)"), "THREE COLUMNS");
}

// The texts whose odd spelling or blank is the game's own are kept as they stand.
TEST(Captions, QuotedSpellingsAreKept) {
  EXPECT_EQ(Legende(Langue::Anglais, "MenuChoixDés"), "Dices Type");
  EXPECT_EQ(Legende(Langue::Francais, "MenuDésNumériques"), "Numériques");
  EXPECT_EQ(Legende(Langue::Francais, "CaseNomMontée"), "MONTEE");
  EXPECT_EQ(Legende(Langue::Anglais, "CaseNomSèche"), "STRAIGHT");
  EXPECT_EQ(Texte(Message::MsgNouveauTirage, Langue::Anglais),
            "Click on the button OK to go on th next drawing...");
  EXPECT_EQ(Texte(Message::MsgPourJouer, Langue::Anglais),
            "To start a new game, choose the menu Yam->New Game or Press F2.");
  for (Langue langue : LesDeuxLangues) {
    const TextesPartages v = InitTextesLangue(langue).variables;
    EXPECT_EQ(v.TexteColonnes.front(), ' ');
    EXPECT_EQ(v.MsgQuitter.back(), ' ');
  }
}

// The shared messages: filled once for the language, and the same wherever they are read.
TEST(SharedTexts, MouseButtonsMessageIsTwoSentencesJoinedByOneCarriageReturn) {
  EXPECT_EQ(InitTextesLangue(Langue::Francais).variables.MsgBoutonsSouris,
            "Bouton gauche de la souris pour garder ou jeter un dé\r"
            "Bouton droit de la souris pour garder les mêmes dés");
  EXPECT_EQ(InitTextesLangue(Langue::Anglais).variables.MsgBoutonsSouris,
            "To keep/throw a dice, use the left button of your mouse.\r"
            "To keep identical dices, use the right button of your mouse.");
}

TEST(SharedTexts, EveryVariableIsFilledAndAgreesWithTheNamedMessagesAndRowLabels) {
  for (Langue langue : LesDeuxLangues) {
    const TextesPartages v = InitTextesLangue(langue).variables;
    for (auto variable : {&TextesPartages::MsgPourJouer, &TextesPartages::MsgChoisirCase,
                          &TextesPartages::MsgBoutonsSouris, &TextesPartages::MsgNouveauTirage,
                          &TextesPartages::MsgChoisirOuJeter, &TextesPartages::TexteSuite,
                          &TextesPartages::TexteFull, &TextesPartages::TexteCarre,
                          &TextesPartages::TexteYam, &TextesPartages::TexteColonnes,
                          &TextesPartages::MsgQuitter, &TextesPartages::MsgAuRevoir}) {
      EXPECT_FALSE((v.*variable).empty());
      EXPECT_EQ(Texte(variable, langue), v.*variable);
    }
    const std::pair<Message, const std::string*> messages[] = {
        {Message::MsgPourJouer, &v.MsgPourJouer},
        {Message::MsgChoisirCase, &v.MsgChoisirCase},
        {Message::MsgBoutonsSouris, &v.MsgBoutonsSouris},
        {Message::MsgNouveauTirage, &v.MsgNouveauTirage},
        {Message::MsgChoisirOuJeter, &v.MsgChoisirOuJeter}};
    for (const auto& [message, texte] : messages) EXPECT_EQ(Texte(message, langue), *texte);
    EXPECT_EQ(Texte(TexteFigure::Aucun, langue), "");
    EXPECT_EQ(Texte(TexteFigure::TexteFull, langue), "FULL");
    EXPECT_EQ(Texte(TexteFigure::TexteYam, langue), "YAM");
    EXPECT_EQ(Texte(TexteFigure::TexteCarre, langue), Legende(langue, "CaseInfoGauche(10)"));
    EXPECT_EQ(Texte(TexteFigure::TexteSuite, langue), Legende(langue, "CaseInfoGauche(11)"));
  }
  EXPECT_EQ(Texte(TexteFigure::TexteSuite, Langue::Anglais), "SEQUENCE");
  EXPECT_EQ(Texte(TexteFigure::TexteCarre, Langue::Francais), "CARRE");
}

TEST(SharedTexts, CommonTextsAloneGiveOnlyTheQuitQuestionAndFarewell) {
  TextesPartages v;
  InitTextesCommun(Langue::Anglais, v);
  EXPECT_EQ(v.MsgQuitter, "Do you really want to quit ");
  EXPECT_EQ(v.MsgAuRevoir, "See you !!!");
  EXPECT_TRUE(v.MsgPourJouer.empty());
  EXPECT_TRUE(v.TexteColonnes.empty());
  InitTextesCommun(Langue::Francais, v);
  EXPECT_EQ(v.MsgAuRevoir, "A bientôt !!!");
}

}  // namespace
}  // namespace rolvex
