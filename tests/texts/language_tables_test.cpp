#include "texts/language_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "deux_langues.h"

namespace rolvex {
namespace {

// Each control receives one caption, not empty, in both languages and in the same order: first
// the window's title and the row numbers 1 to 6; the right-hand row labels are copies of the
// left-hand ones; the name dialog receives six, PanelOkParams none. Every shared text is
// written, distinct and not empty, the same as when given alone; the messages and the figures
// show the first nine, in the order of their enums.
TEST(InitTextesLangue, GivesEveryCaptionAndSharedTextOnceInBothLanguages) {
  const TextesLangue fr = InitTextesLangue(Langue::Francais),
                     en = InitTextesLangue(Langue::Anglais);
  ASSERT_EQ(fr.legendes.size(), en.legendes.size());
  std::set<std::string> distincts;
  int params = 0;
  for (std::size_t i = 0; i < fr.legendes.size(); ++i) {
    const Legende &f = fr.legendes[i], &e = en.legendes[i];
    params += f.fenetre == Fenetre::FormParams;
    EXPECT_TRUE(distincts.insert(f.controle).second && f.controle == e.controle &&
                f.fenetre == e.fenetre && !f.texte.empty() && !e.texte.empty())
        << f.controle;
  }
  EXPECT_EQ(params, 6);
  EXPECT_EQ(fr.legendes[0], (Legende{Fenetre::FormRolvex, "FormRolvex", "ROLVEX"}));
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(fr.legendes[std::size_t(i)].texte, std::to_string(i));
  for (int i = 1; i <= NbFigures; ++i)
    EXPECT_EQ(fr.LegendeDe(NomControle("CaseInfoDroite", i)),
              fr.LegendeDe(NomControle("CaseInfoGauche", i)).value_or("-"));
  EXPECT_EQ(FrEn([&](Langue l) { return InitTextesLangue(l).LegendeDe("MenuAbout").value_or(""); }),
            "A propos de ROLVEX | About ROLVEX");
  EXPECT_EQ(fr.LegendeDe("PanelOkParams"), std::nullopt);

  using T = TextesPartages;
  std::string T::*const variables[] = {
      &T::MsgPourJouer,      &T::MsgChoisirCase, &T::MsgBoutonsSouris, &T::MsgNouveauTirage,
      &T::MsgChoisirOuJeter, &T::TexteSuite,     &T::TexteFull,        &T::TexteCarre,
      &T::TexteYam,          &T::TexteColonnes,  &T::MsgAuRevoir,      &T::MsgQuitter};
  const auto seul = [&](auto texte) { return FrEn([&](Langue l) { return Texte(texte, l); }); };
  distincts.clear();
  for (int i = 0; i < 12; ++i) {
    const std::string ecrit = fr.variables.*variables[i] + " | " + en.variables.*variables[i];
    EXPECT_EQ(ecrit, seul(variables[i]));
    EXPECT_EQ(ecrit, i < 5 ? seul(Message(i)) : i < 9 ? seul(TexteFigure(i - 4)) : ecrit);
    EXPECT_TRUE(distincts.insert(ecrit).second && !ecrit.starts_with(" | ") &&
                !ecrit.ends_with(" | "))
        << ecrit;
  }
  EXPECT_EQ(seul(TexteFigure::Aucun), " | ");
  // One line break between the sentences of the mouse buttons; the blanks that join the texts.
  const std::string& souris = en.variables.MsgBoutonsSouris;
  EXPECT_EQ(std::count(souris.begin(), souris.end(), '\r'), 1);
  EXPECT_TRUE(en.variables.TexteColonnes.starts_with(' ') &&
              en.variables.MsgQuitter.ends_with(' '));
  // The quit question and the farewell are also written alone, before the others.
  TextesPartages communs;
  InitTextesCommun(Langue::Anglais, communs);
  EXPECT_TRUE(communs.MsgQuitter == en.variables.MsgQuitter &&
              communs.MsgAuRevoir == en.variables.MsgAuRevoir && communs.MsgPourJouer.empty());
}

}  // namespace
}  // namespace rolvex
