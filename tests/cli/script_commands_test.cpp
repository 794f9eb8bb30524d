#include "tools/cli/script_commands.h"

#include <gtest/gtest.h>

namespace rolvex::cli {
namespace {

Commande Lu(std::string_view ligne) {
  const LigneLue l = LireLigne(ligne);
  if (const auto* r = std::get_if<Refus>(&l)) ADD_FAILURE() << ligne << ": " << r->raison;
  const auto* c = std::get_if<Commande>(&l);
  return c ? *c : Commande{AfficherEtat{}};
}

template <typename C>
C LuComme(std::string_view ligne) {
  const Commande c = Lu(ligne);
  EXPECT_TRUE(std::holds_alternative<C>(c)) << ligne;
  return std::holds_alternative<C>(c) ? std::get<C>(c) : C{};
}

// Blank lines and comments are no commands: they are skipped without a word.
TEST(LignesVides, BlankAndCommentLinesAreSkipped) {
  for (std::string_view ligne : {"", "   ", "\t", "\r", "# a comment", "#", "   # indented", "#ok"})
    EXPECT_TRUE(std::holds_alternative<LigneVide>(LireLigne(ligne))) << '"' << ligne << '"';
}

// Every command of the protocol is read with its arguments, whatever blanks, tabs and
// Windows line ends surround them.
TEST(LectureCommandes, ReadsEachCommandWithItsArguments) {
  EXPECT_EQ(LuComme<ChoixLangue>("lang fr").langue, Langue::Francais);
  EXPECT_EQ(LuComme<ChoixLangue>("lang en").langue, Langue::Anglais);
  EXPECT_EQ(LuComme<FixerGraine>("seed 18446744073709551615").graine, 18446744073709551615u);
  EXPECT_EQ(LuComme<NouvellePartie>("new 2").modeJeu, 2);
  EXPECT_EQ(LuComme<MettreDesEnFile>("dice 6 1 3").faces, (std::vector<int16_t>{6, 1, 3}));
  EXPECT_TRUE(std::holds_alternative<PresserOk>(Lu("ok")));
  const auto gauche = LuComme<BoutonSurDe>("left 2");
  EXPECT_EQ(std::pair(gauche.de, gauche.bouton), (std::pair<int16_t, int16_t>(2, 1)));
  const auto droit = LuComme<BoutonSurDe>("right 5");
  EXPECT_EQ(std::pair(droit.de, droit.bouton), (std::pair<int16_t, int16_t>(5, 2)));
  EXPECT_EQ(LuComme<CliquerPlaceDe>("place 4").de, 4);
  const auto clic = LuComme<CliquerCase>("  click\t6   13 \r");
  EXPECT_EQ(std::pair(clic.colonne, clic.figure), (std::pair<int16_t, int16_t>(6, 13)));
  EXPECT_EQ(LuComme<ChoisirFaces>("faces 2").typeDes, 2);
  EXPECT_EQ(LuComme<Tics>("tick").nombre, 1);
  EXPECT_EQ(LuComme<Tics>("tick 90").nombre, 90);
  EXPECT_TRUE(std::holds_alternative<AfficherEtat>(Lu("state")));
  const auto survol = LuComme<SurvolerCase>("hover 4 11");
  EXPECT_EQ(std::pair(survol.colonne, survol.figure), (std::pair<int16_t, int16_t>(4, 11)));
  const auto bonus = LuComme<SurvolerBonus>("bonus 2 6");
  EXPECT_EQ(std::pair(bonus.ou, bonus.colonne), (std::pair<int16_t, int16_t>(bonus::Bas, 6)));
  EXPECT_EQ(LuComme<SurvolerPanel>("panel PanelFigureRéalisée").panel, Seul::PanelFigureRealisee);
  const auto rang = LuComme<SurvolerPanelScore>("panel PanelScoreTemps 10");
  EXPECT_EQ(rang.panel, Famille::PanelScoreTemps);
  EXPECT_EQ(rang.rang, 10);
  EXPECT_TRUE(std::holds_alternative<SurvolerAire>(Lu("bare")));
  const auto disposition = LuComme<Disposer>("layout 15360 11520.5 3");
  EXPECT_EQ(disposition.largeur, 15360);
  EXPECT_EQ(disposition.hauteur, 11520.5);
  EXPECT_EQ(disposition.nbColonnes, 3);
  EXPECT_EQ(LuComme<ChoisirOptionMode>("mode 1").modeJeu, 1);
  EXPECT_EQ(LuComme<ChargerDossier>("data  /tmp/mes scores/ \r").dossier, "/tmp/mes scores/");
}

// A name is the rest of its line after one blank, so that blanks in it are kept as typed;
// its 12 characters are counted as characters, not bytes.
TEST(LectureCommandes, ANameKeepsItsBlanksAndMayBeEmpty) {
  for (auto [ligne, nom] : {std::pair{"name Zoé", "Zoé"},
                            {"name Jean Luc ", "Jean Luc "},
                            {"name    ", "   "},
                            {"name\t#1\r", "#1"},
                            {"name", ""},
                            {"name ", ""},
                            {"name Éléonore Zoé", "Éléonore Zoé"}})
    EXPECT_EQ(LuComme<ValiderNom>(ligne).nom, nom) << ligne;
}

// A line that is not a command, or whose arguments are out of range, is refused with a
// reason that names what is wrong.
struct CasRefus {
  std::string_view ligne;
  std::string_view motif;  // part of the reason
};
void PrintTo(const CasRefus& c, std::ostream* os) { *os << '\'' << c.ligne << '\''; }

class LignesRefusees : public ::testing::TestWithParam<CasRefus> {};

TEST_P(LignesRefusees, AreRefusedNamingTheFault) {
  const LigneLue l = LireLigne(GetParam().ligne);
  ASSERT_TRUE(std::holds_alternative<Refus>(l)) << GetParam().ligne;
  EXPECT_NE(std::get<Refus>(l).raison.find(GetParam().motif), std::string::npos)
      << std::get<Refus>(l).raison;
}

INSTANTIATE_TEST_SUITE_P(
    Protocole, LignesRefusees,
    ::testing::Values(
        CasRefus{"jump", "unknown command 'jump'"}, CasRefus{"OK", "unknown command 'OK'"},
        CasRefus{"ok # throw", "wrong number of arguments"},
        CasRefus{"click 7 1", "column must be a number from 1 to 6, not '7'"},
        CasRefus{"click 1 14", "figure must be a number from 1 to 13, not '14'"},
        CasRefus{"click 1", "expected: click COLUMN FIGURE"},
        CasRefus{"click 1 2 3", "wrong number of arguments (3)"},
        CasRefus{"dice", "wrong number of arguments (0)"},
        CasRefus{"dice 9", "die value must be a number from 1 to 6, not '9'"},
        CasRefus{"dice 1 2 x", "not 'x'"},
        CasRefus{"left 0", "die must be a number from 1 to 5, not '0'"},
        CasRefus{"right 6", "die must be"}, CasRefus{"place -1", "not '-1'"},
        CasRefus{"left +1", "not '+1'"}, CasRefus{"left 1.5", "not '1.5'"},
        CasRefus{"left 3x", "not '3x'"}, CasRefus{"new 4", "mode must be a number from 1 to 3"},
        CasRefus{"new", "expected: new MODE"},
        CasRefus{"lang de", "language must be 'fr' or 'en', not 'de'"},
        CasRefus{"lang FR", "language"}, CasRefus{"faces 3", "faces must be a number from 1 to 2"},
        CasRefus{"tick 0", "tick count"}, CasRefus{"tick 86401", "tick count"},
        CasRefus{"seed -1", "seed must be a whole number"},
        CasRefus{"seed 18446744073709551616", "seed"}, CasRefus{"seed", "expected: seed N"},
        CasRefus{"state now", "expected: state"},
        CasRefus{"hover 1 0", "figure must be a number from 1 to 13, not '0'"},
        CasRefus{"hover 1", "expected: hover COLUMN FIGURE"},
        CasRefus{"bonus 3 1", "bonus row must be a number from 1 to 2, not '3'"},
        CasRefus{"bonus 1 0", "column must be"},
        CasRefus{"panel PanelDé", "unknown panel 'PanelDé'"},
        CasRefus{"panel PanelFigureRealisee", "unknown panel"},
        CasRefus{"panel PanelTotalDés 2", "PanelTotalDés has no rows"},
        CasRefus{"panel PanelScoreNom", "expected: panel PanelScoreNom ROW"},
        CasRefus{"panel PanelScoreNom 11", "row must be a number from 1 to 10"},
        CasRefus{"panel", "expected: panel NAME [ROW]"}, CasRefus{"bare 1", "expected: bare"},
        CasRefus{"layout 0 9000 6", "screen must be a width and a height"},
        CasRefus{"layout 12000 -9000 6", "not '12000 -9000'"},
        CasRefus{"layout 2000000 9000 6", "from 1 to 1000000 twips"},
        CasRefus{"layout nan 9000 6", "screen"}, CasRefus{"layout inf 9000 6", "screen"},
        CasRefus{"layout 12000 9000 2", "columns must be 1, 3 or 6, not '2'"},
        CasRefus{"layout 12000 9000", "expected: layout WIDTH HEIGHT COLUMNS"},
        CasRefus{"mode 4", "mode must be a number from 1 to 3, not '4'"},
        CasRefus{"mode", "expected: mode MODE"},
        CasRefus{"name Maximiliennes", "at most 12 characters, not 13"},
        CasRefus{"name Éléonore Zoé!", "not 13"}, CasRefus{"data  \t ", "expected: data DIR"}));

// Only the commands that act on a game need one; set-up commands may come before it.
TEST(CommandesDeJeu, OnlyPlayCommandsNeedAGame) {
  for (std::string_view ligne : {"ok", "left 1", "right 1", "place 1", "click 1 1", "tick"})
    EXPECT_TRUE(EstCommandeDeJeu(Lu(ligne))) << ligne;
  for (std::string_view ligne :
       {"lang en", "seed 1", "new 1", "dice 1", "faces 2", "state", "hover 1 1", "bonus 1 1",
        "panel PanelScoreTotal", "panel PanelScoreNom 1", "bare", "layout 12000 9000 6",
        "data /tmp", "name Zoé", "mode 2"})
    EXPECT_FALSE(EstCommandeDeJeu(Lu(ligne))) << ligne;
}

}  // namespace
}  // namespace rolvex::cli
