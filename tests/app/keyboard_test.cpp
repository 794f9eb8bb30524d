#include "tests/app/window_fixture.h"

#include "app/keyboard.h"

namespace rolvex::app {
namespace {

using CaseClavier = ClavierJeu::Case;

// The arrows lead to the nearest place that way, keeping to the row or column while they can.
TEST(FlechesSurLaGrille, LeadToTheNearestPlaceThatWayKeepingToTheirLine) {
  struct Cas {
    const char* quoi;
    PlaceEcran depuis;
    int dx, dy;
    std::vector<PlaceEcran> places;
    std::optional<PlaceEcran> attendue;
  };
  const Cas cas[] = {
      {"the column rather than a close place across",
       {1, 5},
       0,
       -1,
       {{1, 3}, {0, 2}, {2, 2}},
       {{1, 3}}},
      {"the next column, even far down", {1, 1}, 1, 0, {{2, 15}, {1, 2}}, {{2, 15}}},
      {"the previous column, even far up", {2, 15}, -1, 0, {{2, 15}, {1, 2}}, {{1, 2}}},
      {"nothing to the right", {1, 1}, 1, 0, {{0, 1}, {1, 1}}, std::nullopt},
      {"nothing above", {1, 1}, 0, -1, {{0, 1}, {1, 1}}, std::nullopt}};
  for (const Cas& c : cas)
    EXPECT_EQ(PlaceSuivante(c.depuis, c.dx, c.dy, c.places), c.attendue) << c.quoi;
}

TEST(FlechesSurLaGrille, LowerFiguresStandBelowTheTotalAndBonusRows) {
  EXPECT_EQ(PlaceDeCase(colonne::Descente, figure::As), (PlaceEcran{0, 1}));
  EXPECT_EQ(PlaceDeCase(colonne::Libre, figure::Six), (PlaceEcran{1, 6}));
  EXPECT_EQ(PlaceDeCase(colonne::Libre, figure::Maxi), (PlaceEcran{1, 9}));
  EXPECT_EQ(PlaceDeCase(colonne::Annonce, figure::Yam), (PlaceEcran{5, 15}));
}

// Keyboard play in the main window does what the mouse does on the same controls.
class JeuAuClavier : public FenetreDeJeu {
 protected:
  // A game in `mode`, and its first throw when `faces` are given.
  void Commencer(int mode, std::string_view faces = {}) {
    Ouvrir();
    NouvellePartie(mode);
    if (!faces.empty()) Jeter(faces);
  }
  ClavierJeu& Clavier() {
    auto* clavier = static_cast<ClavierJeu*>(
        fenetre->findChild<QObject*>(QStringLiteral("ClavierJeu"), Qt::FindDirectChildrenOnly));
    EXPECT_NE(clavier, nullptr);
    return *clavier;
  }
  void Touche(Qt::Key touche, int fois = 1, Qt::KeyboardModifiers modificateurs = {}) {
    for (int i = 0; i < fois; ++i) QTest::keyClick(fenetre.get(), touche, modificateurs);
  }
  void JeterAuClavier(std::string_view faces, Qt::Key touche) {
    for (char f : faces) fenetre->Jeu().FileDes().Ajouter(static_cast<int16_t>(f - '0'));
    Touche(touche);
  }
  std::optional<CaseClavier> Encadree() { return Clavier().CaseEncadree(); }
};

TEST_F(JeuAuClavier, DigitKeysKeepOrThrowTheirDieAsTheLeftButtonDoes) {
  Commencer(1, "12345");
  Touche(Qt::Key_2);
  EXPECT_EQ(DesMontres(), "1?345");
  EXPECT_FALSE(fenetre->Etat().DesGardes[2]);
  Touche(Qt::Key_5);
  Touche(Qt::Key_2);
  EXPECT_EQ(DesMontres(), "1234?");
  // The keys of the digits on a French keyboard, unshifted.
  Touche(Qt::Key_Ampersand);
  Touche(Qt::Key_ParenLeft);
  EXPECT_EQ(DesMontres(), "?2345");
  // With Control or Alt, they are the menus'.
  Touche(Qt::Key_3, 1, Qt::ControlModifier);
  Touche(Qt::Key_4, 1, Qt::AltModifier);
  EXPECT_EQ(DesMontres(), "?2345");
}

TEST_F(JeuAuClavier, SpaceAndBothEnterKeysPressTheThrowButton) {
  Commencer(1);
  JeterAuClavier("12345", Qt::Key_Space);
  EXPECT_EQ(Legende("PanelOkDé"), "1");
  EXPECT_EQ(DesMontres(), "12345");
  Touche(Qt::Key_1);
  JeterAuClavier("6", Qt::Key_Return);
  EXPECT_EQ(Legende("PanelOkDé"), "2");
  EXPECT_EQ(DesMontres(), "62345");
  Touche(Qt::Key_1);
  JeterAuClavier("4", Qt::Key_Enter);
  EXPECT_EQ(Legende("PanelOkDé"), "3");
  EXPECT_EQ(DesMontres(), "42345");
}

TEST_F(JeuAuClavier, ThrowKeysDoNothingWhileTheButtonIsHiddenOrTheDialogIsOpen) {
  Ouvrir();
  Touche(Qt::Key_Space);  // before the first game: no throw button
  EXPECT_EQ(fenetre->Etat().NbJets, 0);
  NouvellePartie(1);
  fenetre->AppelPreNouveau();
  ASSERT_FALSE(fenetre->isEnabled());
  JeterAuClavier("12345", Qt::Key_Space);
  Touche(Qt::Key_Return);
  EXPECT_EQ(fenetre->Etat().NbJets, 0);
  EXPECT_EQ(Legende("PanelOkDé"), "OK");
}

TEST_F(JeuAuClavier, ArrowsMoveOverChoosableSquaresOnlyAndTheLineExplainsThem) {
  Commencer(2);
  Touche(Qt::Key_Down);  // before the first throw, nothing can be chosen
  EXPECT_EQ(Encadree(), std::nullopt);
  EXPECT_FALSE(Clavier().Cadre().isVisible());
  Jeter("12345");
  // The first arrow frames the top left square that can be chosen.
  Touche(Qt::Key_Down);
  EXPECT_EQ(Encadree(), (CaseClavier{colonne::Descente, figure::As}));
  EXPECT_EQ(Info(), Q("La Descente (de haut en bas)\rAs"));
  // Below it, Descente's other squares are hidden until their turn: on to Libre.
  Touche(Qt::Key_Down);
  EXPECT_EQ(Encadree(), (CaseClavier{colonne::Libre, figure::Deux}));
  Touche(Qt::Key_Up);
  EXPECT_EQ(Encadree(), (CaseClavier{colonne::Libre, figure::As}));
  EXPECT_EQ(Info(), Q("La Libre (toujours disponible)\rAs"));
  // Montée opens only its Yam: the arrow goes there, far down.
  Touche(Qt::Key_Right);
  EXPECT_EQ(Encadree(), (CaseClavier{colonne::Montee, figure::Yam}));
  Touche(Qt::Key_Right);  // nothing further right in a three-column game
  EXPECT_EQ(Encadree(), (CaseClavier{colonne::Montee, figure::Yam}));
  Touche(Qt::Key_Left);
  EXPECT_EQ(Encadree(), (CaseClavier{colonne::Libre, figure::Yam}));
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
  EXPECT_EQ(Encadree(), std::nullopt);
  Touche(Qt::Key_1);
  JeterAuClavier("6", Qt::Key_Return);
  EXPECT_EQ(Legende("PanelOkDé"), "2");
  EXPECT_FALSE(fenetre->Etat().Cases(colonne::Libre, figure::As).Prise);

  Touche(Qt::Key_Down);
  ASSERT_TRUE(cadre.isVisible());
  Cliquer("CaseLibre(5)");
  EXPECT_EQ(Encadree(), std::nullopt);
  EXPECT_FALSE(cadre.isVisible());
  // The next turn's first arrow comes back near where the frame stood.
  Jeter("12345");
  Touche(Qt::Key_Up);
  EXPECT_EQ(Encadree(), (CaseClavier{colonne::Libre, figure::As}));
}

TEST_F(JeuAuClavier, EnterWritesTheFramedSquareThenTheFrameGoesAndTheArrowsPassOverIt) {
  Commencer(1, "33322");
  Touche(Qt::Key_Down, 9);  // As … Six, then Maxi, Mini, Full
  ASSERT_EQ(Encadree(), (CaseClavier{colonne::Libre, figure::Full}));
  Touche(Qt::Key_Return);
  const CaseJeu& full = fenetre->Etat().Cases(colonne::Libre, figure::Full);
  EXPECT_TRUE(full.Prise);
  EXPECT_EQ(full.Score, 20 + 13);
  EXPECT_EQ(Legende("CaseLibre(9)"), "33");
  EXPECT_EQ(Encadree(), std::nullopt);
  EXPECT_FALSE(Clavier().Cadre().isVisible());
  EXPECT_EQ(Legende("PanelOkDé"), "OK");
  // The arrows pass over a taken square.
  Jeter("12345");
  Touche(Qt::Key_Up, NbFigures);
  ASSERT_EQ(Encadree(), (CaseClavier{colonne::Libre, figure::As}));
  Touche(Qt::Key_Down, 7);
  ASSERT_EQ(Encadree(), (CaseClavier{colonne::Libre, figure::Mini}));
  Touche(Qt::Key_Down);
  EXPECT_EQ(Encadree(), (CaseClavier{colonne::Libre, figure::Carre}));
}

TEST_F(JeuAuClavier, EnterOnAnAnnonceSquareAfterTheFirstThrowAnnouncesIt) {
  Commencer(3, "33322");
  Touche(Qt::Key_Down);
  ASSERT_EQ(Encadree(), (CaseClavier{colonne::Descente, figure::As}));
  Touche(Qt::Key_Right, 4);  // Libre, Sèche, Deux, Annonce on the As row
  ASSERT_EQ(Encadree(), (CaseClavier{colonne::Annonce, figure::As}));
  Touche(Qt::Key_Down, 8);
  ASSERT_EQ(Encadree(), (CaseClavier{colonne::Annonce, figure::Full}));
  Touche(Qt::Key_Return);
  const EtatPartie& e = fenetre->Etat();
  EXPECT_EQ(e.FigureAnnoncee, figure::Full);
  EXPECT_FALSE(e.Cases(colonne::Annonce, figure::Full).Prise);
  EXPECT_FALSE(e.Cases(colonne::Libre, figure::Full).Visible);
  // The announced square is the only one left, and keeps the frame.
  EXPECT_EQ(Encadree(), (CaseClavier{colonne::Annonce, figure::Full}));
  Touche(Qt::Key_Left);
  EXPECT_EQ(Encadree(), (CaseClavier{colonne::Annonce, figure::Full}));
}

}  // namespace
}  // namespace rolvex::app
