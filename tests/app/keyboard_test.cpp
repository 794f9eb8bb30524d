#include "tests/app/window_fixture.h"

#include "app/keyboard.h"

namespace rolvex::app {
namespace {

using CaseClavier = ClavierJeu::Case;

// The arrows lead to the nearest place that way, keeping to the row or column while they can.
TEST(FlèchesSurLaGrille, LeadToTheNearestPlaceThatWayKeepingToTheirLine) {
  struct Cas {
    const char* quoi;
    PlaceÉcran depuis;
    int dx, dy;
    std::vector<PlaceÉcran> places;
    std::optional<PlaceÉcran> attendue;
  };
  const Cas cas[] = {
      {"the column rather than a close place across", {1, 5}, 0, -1, {{1, 3}, {0, 2}, {2, 2}}, {{1, 3}}},
      {"the next column, even far down", {1, 1}, 1, 0, {{2, 15}, {1, 2}}, {{2, 15}}},
      {"the previous column, even far up", {2, 15}, -1, 0, {{2, 15}, {1, 2}}, {{1, 2}}},
      {"nothing to the right", {1, 1}, 1, 0, {{0, 1}, {1, 1}}, std::nullopt},
      {"nothing above", {1, 1}, 0, -1, {{0, 1}, {1, 1}}, std::nullopt}};
  for (const Cas& c : cas) EXPECT_EQ(PlaceSuivante(c.depuis, c.dx, c.dy, c.places), c.attendue) << c.quoi;
}

TEST(FlèchesSurLaGrille, LowerFiguresStandBelowTheTotalAndBonusRows) {
  EXPECT_EQ(PlaceDeCase(colonne::Descente, figure::As), (PlaceÉcran{0, 1}));
  EXPECT_EQ(PlaceDeCase(colonne::Libre, figure::Six), (PlaceÉcran{1, 6}));
  EXPECT_EQ(PlaceDeCase(colonne::Libre, figure::Maxi), (PlaceÉcran{1, 9}));
  EXPECT_EQ(PlaceDeCase(colonne::Annonce, figure::Yam), (PlaceÉcran{5, 15}));
}

// Keyboard play in the main window does what the mouse does on the same controls.
class JeuAuClavier : public FenêtreDeJeu {
 protected:
  // A game in `mode`, and its first throw when `faces` are given.
  void Commencer(int mode, std::string_view faces = {}) {
    Ouvrir();
    NouvellePartie(mode);
    if (!faces.empty()) Jeter(faces);
  }
  ClavierJeu& Clavier() {
    auto* clavier = static_cast<ClavierJeu*>(
        fenêtre->findChild<QObject*>(QStringLiteral("ClavierJeu"), Qt::FindDirectChildrenOnly));
    EXPECT_NE(clavier, nullptr);
    return *clavier;
  }
  void Touche(Qt::Key touche, int fois = 1, Qt::KeyboardModifiers modificateurs = {}) {
    for (int i = 0; i < fois; ++i) QTest::keyClick(fenêtre.get(), touche, modificateurs);
  }
  void JeterAuClavier(std::string_view faces, Qt::Key touche) {
    for (char f : faces) dés.Ajouter(static_cast<int16_t>(f - '0'));
    Touche(touche);
  }
  std::optional<CaseClavier> Encadrée() { return Clavier().CaseEncadrée(); }
};

TEST_F(JeuAuClavier, DigitKeysKeepOrThrowTheirDieAsTheLeftButtonDoes) {
  Commencer(1, "12345");
  Touche(Qt::Key_2);
  EXPECT_EQ(DésMontrés(), "1?345");
  EXPECT_FALSE(fenêtre->État().DésGardés[2]);
  Touche(Qt::Key_5);
  Touche(Qt::Key_2);
  EXPECT_EQ(DésMontrés(), "1234?");
  // The keys of the digits on a French keyboard, unshifted.
  Touche(Qt::Key_Ampersand);
  Touche(Qt::Key_ParenLeft);
  EXPECT_EQ(DésMontrés(), "?2345");
  // With Control or Alt, they are the menus'.
  Touche(Qt::Key_3, 1, Qt::ControlModifier);
  Touche(Qt::Key_4, 1, Qt::AltModifier);
  EXPECT_EQ(DésMontrés(), "?2345");
}

TEST_F(JeuAuClavier, SpaceAndBothEnterKeysPressTheThrowButton) {
  Commencer(1);
  JeterAuClavier("12345", Qt::Key_Space);
  EXPECT_EQ(Légende("PanelOkDé"), "1");
  EXPECT_EQ(DésMontrés(), "12345");
  Touche(Qt::Key_1);
  JeterAuClavier("6", Qt::Key_Return);
  EXPECT_EQ(Légende("PanelOkDé"), "2");
  EXPECT_EQ(DésMontrés(), "62345");
  Touche(Qt::Key_1);
  JeterAuClavier("4", Qt::Key_Enter);
  EXPECT_EQ(Légende("PanelOkDé"), "3");
  EXPECT_EQ(DésMontrés(), "42345");
}

TEST_F(JeuAuClavier, ThrowKeysDoNothingWhileTheButtonIsHiddenOrTheDialogIsOpen) {
  Ouvrir();
  Touche(Qt::Key_Space);  // before the first game: no throw button
  EXPECT_EQ(fenêtre->État().NbJets, 0);
  NouvellePartie(1);
  fenêtre->AppelPréNouveau();
  ASSERT_FALSE(fenêtre->isEnabled());
  JeterAuClavier("12345", Qt::Key_Space);
  Touche(Qt::Key_Return);
  EXPECT_EQ(fenêtre->État().NbJets, 0);
  EXPECT_EQ(Légende("PanelOkDé"), "OK");
}

TEST_F(JeuAuClavier, ArrowsMoveOverChoosableSquaresOnlyAndTheLineExplainsThem) {
  Commencer(2);
  Touche(Qt::Key_Down);  // before the first throw, nothing can be chosen
  EXPECT_EQ(Encadrée(), std::nullopt);
  EXPECT_FALSE(Clavier().Cadre().isVisible());
  Jeter("12345");
  // The first arrow frames the top left square that can be chosen.
  Touche(Qt::Key_Down);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Descente, figure::As}));
  EXPECT_EQ(Info(), Q("La Descente (de haut en bas)\rAs"));
  // Below it, Descente's other squares are hidden until their turn: on to Libre.
  Touche(Qt::Key_Down);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::Deux}));
  Touche(Qt::Key_Up);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::As}));
  EXPECT_EQ(Info(), Q("La Libre (toujours disponible)\rAs"));
  // Montée opens only its Yam: the arrow goes there, far down.
  Touche(Qt::Key_Right);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Montée, figure::Yam}));
  Touche(Qt::Key_Right);  // nothing further right in a three-column game
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Montée, figure::Yam}));
  Touche(Qt::Key_Left);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::Yam}));
}

// The frame shows round its square without taking the mouse's clicks; Escape or a square
// written with the mouse takes it away.
TEST_F(JeuAuClavier, TheFrameSurroundsItsSquareAndGoesWithEscapeOrTheMouse) {
  Commencer(1, "12345");
  Touche(Qt::Key_Down);
  const QWidget& cadre = Clavier().Cadre();
  ASSERT_TRUE(cadre.isVisible());
  EXPECT_TRUE(cadre.geometry().contains(W("CaseLibre(1)").geometry()));
  EXPECT_EQ(cadre.parentWidget(), W("CaseLibre(1)").parentWidget());
  EXPECT_TRUE(cadre.testAttribute(Qt::WA_TransparentForMouseEvents));

  // Without a frame, Enter throws.
  Touche(Qt::Key_Escape);
  EXPECT_EQ(Encadrée(), std::nullopt);
  Touche(Qt::Key_1);
  JeterAuClavier("6", Qt::Key_Return);
  EXPECT_EQ(Légende("PanelOkDé"), "2");
  EXPECT_FALSE(fenêtre->État().Cases(colonne::Libre, figure::As).Prise);

  Touche(Qt::Key_Down);
  ASSERT_TRUE(cadre.isVisible());
  Cliquer("CaseLibre(5)");
  EXPECT_EQ(Encadrée(), std::nullopt);
  EXPECT_FALSE(cadre.isVisible());
  // The next turn's first arrow comes back near where the frame stood.
  Jeter("12345");
  Touche(Qt::Key_Up);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::As}));
}

TEST_F(JeuAuClavier, EnterWritesTheFramedSquareThenTheFrameGoesAndTheArrowsPassOverIt) {
  Commencer(1, "33322");
  Touche(Qt::Key_Down, 9);  // As … Six, then Maxi, Mini, Full
  ASSERT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::Full}));
  Touche(Qt::Key_Return);
  const CaseJeu& full = fenêtre->État().Cases(colonne::Libre, figure::Full);
  EXPECT_TRUE(full.Prise);
  EXPECT_EQ(full.Score, 20 + 13);
  EXPECT_EQ(Légende("CaseLibre(9)"), "33");
  EXPECT_EQ(Encadrée(), std::nullopt);
  EXPECT_FALSE(Clavier().Cadre().isVisible());
  EXPECT_EQ(Légende("PanelOkDé"), "OK");
  // The arrows pass over a taken square.
  Jeter("12345");
  Touche(Qt::Key_Up, NbFigures);
  ASSERT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::As}));
  Touche(Qt::Key_Down, 7);
  ASSERT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::Mini}));
  Touche(Qt::Key_Down);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::Carré}));
}

TEST_F(JeuAuClavier, EnterOnAnAnnonceSquareAfterTheFirstThrowAnnouncesIt) {
  Commencer(3, "33322");
  Touche(Qt::Key_Down);
  ASSERT_EQ(Encadrée(), (CaseClavier{colonne::Descente, figure::As}));
  Touche(Qt::Key_Right, 4);  // Libre, Sèche, Deux, Annonce on the As row
  ASSERT_EQ(Encadrée(), (CaseClavier{colonne::Annonce, figure::As}));
  Touche(Qt::Key_Down, 8);
  ASSERT_EQ(Encadrée(), (CaseClavier{colonne::Annonce, figure::Full}));
  Touche(Qt::Key_Return);
  const ÉtatPartie& é = fenêtre->État();
  EXPECT_EQ(é.FigureAnnoncée, figure::Full);
  EXPECT_FALSE(é.Cases(colonne::Annonce, figure::Full).Prise);
  EXPECT_FALSE(é.Cases(colonne::Libre, figure::Full).Visible);
  // The announced square is the only one left, and keeps the frame.
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Annonce, figure::Full}));
  Touche(Qt::Key_Left);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Annonce, figure::Full}));
}

}  // namespace
}  // namespace rolvex::app
