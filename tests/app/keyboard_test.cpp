#include "tests/app/window_fixture.h"

#include <array>

#include "app/keyboard.h"

namespace rolvex::app {
namespace {

using CaseClavier = ClavierJeu::Case;

// The arrows lead to the nearest place that way, keeping to the row or column while they can.
TEST(FlèchesSurLaGrille, KeepToTheColumnRatherThanJumpToAClosePlaceAcross) {
  const std::array places = {PlaceÉcran{1, 3}, PlaceÉcran{0, 2}, PlaceÉcran{2, 2}};
  EXPECT_EQ(PlaceSuivante({1, 5}, 0, -1, places), (PlaceÉcran{1, 3}));
}

TEST(FlèchesSurLaGrille, TakeTheNextColumnThatHasAPlaceEvenFarDown) {
  const std::array places = {PlaceÉcran{2, 15}, PlaceÉcran{1, 2}};
  EXPECT_EQ(PlaceSuivante({1, 1}, 1, 0, places), (PlaceÉcran{2, 15}));
  EXPECT_EQ(PlaceSuivante({2, 15}, -1, 0, places), (PlaceÉcran{1, 2}));
}

TEST(FlèchesSurLaGrille, FindNothingWhenNoPlaceLiesThatWay) {
  const std::array places = {PlaceÉcran{0, 1}, PlaceÉcran{1, 1}};
  EXPECT_EQ(PlaceSuivante({1, 1}, 1, 0, places), std::nullopt);
  EXPECT_EQ(PlaceSuivante({1, 1}, 0, -1, places), std::nullopt);
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
  ClavierJeu& Clavier() {
    auto* clavier = static_cast<ClavierJeu*>(
        fenêtre->findChild<QObject*>(QStringLiteral("ClavierJeu"), Qt::FindDirectChildrenOnly));
    EXPECT_NE(clavier, nullptr);
    return *clavier;
  }
  void Touche(Qt::Key touche, Qt::KeyboardModifiers modificateurs = {}) {
    QTest::keyClick(fenêtre.get(), touche, modificateurs);
  }
  void Touches(Qt::Key touche, int fois) {
    for (int i = 0; i < fois; ++i) Touche(touche);
  }
  void JeterAuClavier(std::string_view faces, Qt::Key touche = Qt::Key_Space) {
    for (char f : faces) dés.Ajouter(static_cast<int16_t>(f - '0'));
    Touche(touche);
  }
  std::optional<CaseClavier> Encadrée() { return Clavier().CaseEncadrée(); }
};

TEST_F(JeuAuClavier, DigitKeysKeepOrThrowTheirDieAsTheLeftButtonDoes) {
  Ouvrir();
  NouvellePartie(1);
  Jeter("12345");
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
}

TEST_F(JeuAuClavier, DigitKeysWithControlOrAltAreLeftToTheMenus) {
  Ouvrir();
  NouvellePartie(1);
  Jeter("12345");
  Touche(Qt::Key_3, Qt::ControlModifier);
  Touche(Qt::Key_4, Qt::AltModifier);
  EXPECT_EQ(DésMontrés(), "12345");
}

TEST_F(JeuAuClavier, SpaceAndEnterPressTheThrowButton) {
  Ouvrir();
  NouvellePartie(1);
  JeterAuClavier("12345");
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
  JeterAuClavier("12345");
  Touche(Qt::Key_Return);
  EXPECT_EQ(fenêtre->État().NbJets, 0);
  EXPECT_EQ(Légende("PanelOkDé"), "OK");
}

TEST_F(JeuAuClavier, ArrowsDoNothingBeforeTheFirstThrow) {
  Ouvrir();
  NouvellePartie(3);
  Touche(Qt::Key_Down);
  EXPECT_EQ(Encadrée(), std::nullopt);
  EXPECT_FALSE(Clavier().Cadre().isVisible());
}

TEST_F(JeuAuClavier, ArrowsMoveOverChoosableSquaresAndSkipHiddenOnes) {
  Ouvrir();
  NouvellePartie(2);
  Jeter("12345");
  // The first arrow frames the top left square that can be chosen.
  Touche(Qt::Key_Down);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Descente, figure::As}));
  // Below it, Descente's other squares are hidden until their turn: on to Libre.
  Touche(Qt::Key_Down);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::Deux}));
  Touche(Qt::Key_Up);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::As}));
  // Montée opens only its Yam: the arrow goes there, far down.
  Touche(Qt::Key_Right);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Montée, figure::Yam}));
  Touche(Qt::Key_Right);  // nothing further right in a three-column game
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Montée, figure::Yam}));
  Touche(Qt::Key_Left);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::Yam}));
}

TEST_F(JeuAuClavier, ArrowsPassOverTakenSquares) {
  Ouvrir();
  NouvellePartie(1);
  Jeter("12345");
  Cliquer("CaseLibre(2)");
  Jeter("12345");
  Touche(Qt::Key_Down);
  ASSERT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::As}));
  Touche(Qt::Key_Down);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::Trois}));
}

TEST_F(JeuAuClavier, FrameSurroundsItsSquareAndLeavesTheMouseToIt) {
  Ouvrir();
  NouvellePartie(1);
  Jeter("12345");
  Touche(Qt::Key_Down);
  const QWidget& cadre = Clavier().Cadre();
  ASSERT_TRUE(cadre.isVisible());
  const QRect carré = W("CaseLibre(1)").geometry();
  EXPECT_TRUE(cadre.geometry().contains(carré));
  EXPECT_EQ(cadre.parentWidget(), W("CaseLibre(1)").parentWidget());
  EXPECT_TRUE(cadre.testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(JeuAuClavier, InformationLineExplainsTheFramedSquare) {
  Ouvrir();
  NouvellePartie(2);
  Jeter("12345");
  Touche(Qt::Key_Down);
  EXPECT_EQ(Info(), Q("La Descente (de haut en bas)\rAs"));
  Touche(Qt::Key_Right);
  EXPECT_EQ(Info(), Q("La Libre (toujours disponible)\rAs"));
}

TEST_F(JeuAuClavier, EnterWritesTheFramedSquareAndTheFrameGoesWithTheTurn) {
  Ouvrir();
  NouvellePartie(1);
  Jeter("33322");
  Touche(Qt::Key_Down);
  Touches(Qt::Key_Down, 8);  // Deux … Six, then Maxi, Mini, Full
  ASSERT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::Full}));
  Touche(Qt::Key_Return);
  const CaseJeu& full = fenêtre->État().Cases(colonne::Libre, figure::Full);
  EXPECT_TRUE(full.Prise);
  EXPECT_EQ(full.Score, 20 + 13);
  EXPECT_EQ(Légende("CaseLibre(9)"), "33");
  EXPECT_EQ(Encadrée(), std::nullopt);
  EXPECT_FALSE(Clavier().Cadre().isVisible());
  EXPECT_EQ(Légende("PanelOkDé"), "OK");
}

TEST_F(JeuAuClavier, FrameLeavesItsSquareWhenTheMouseEndsTheTurn) {
  Ouvrir();
  NouvellePartie(1);
  Jeter("12345");
  Touche(Qt::Key_Down);
  ASSERT_TRUE(Clavier().Cadre().isVisible());
  Cliquer("CaseLibre(5)");
  EXPECT_EQ(Encadrée(), std::nullopt);
  EXPECT_FALSE(Clavier().Cadre().isVisible());
  // The next turn's first arrow comes back near where the frame stood.
  Jeter("12345");
  Touche(Qt::Key_Up);
  EXPECT_EQ(Encadrée(), (CaseClavier{colonne::Libre, figure::As}));
}

TEST_F(JeuAuClavier, EscapeTakesTheFrameAwayAndEnterThenThrows) {
  Ouvrir();
  NouvellePartie(1);
  Jeter("12345");
  Touche(Qt::Key_Down);
  Touche(Qt::Key_Escape);
  EXPECT_EQ(Encadrée(), std::nullopt);
  Touche(Qt::Key_1);
  JeterAuClavier("6", Qt::Key_Return);
  EXPECT_EQ(Légende("PanelOkDé"), "2");
  EXPECT_FALSE(fenêtre->État().Cases(colonne::Libre, figure::As).Prise);
}

TEST_F(JeuAuClavier, EnterOnAnAnnonceSquareAfterTheFirstThrowAnnouncesIt) {
  Ouvrir();
  NouvellePartie(3);
  Jeter("33322");
  Touche(Qt::Key_Down);
  ASSERT_EQ(Encadrée(), (CaseClavier{colonne::Descente, figure::As}));
  Touches(Qt::Key_Right, 4);  // Libre, Sèche, Deux, Annonce on the As row
  ASSERT_EQ(Encadrée(), (CaseClavier{colonne::Annonce, figure::As}));
  Touches(Qt::Key_Down, 8);
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

// The name dialog answers Enter and Escape, wherever its keyboard focus is.
class DialogueAuClavier : public FenêtreDeJeu {};

TEST_F(DialogueAuClavier, EscapeCancelsTheDialog) {
  Ouvrir();
  fenêtre->AppelPréNouveau();
  QLineEdit& nom = W<QLineEdit>("TextName");
  nom.setText(QStringLiteral("Zoé"));
  QTest::keyClick(&nom, Qt::Key_Escape);
  EXPECT_FALSE(fenêtre->Params().isVisible());
  EXPECT_TRUE(fenêtre->isEnabled());
  EXPECT_EQ(fenêtre->État().NuméroTour, 0);
}

TEST_F(DialogueAuClavier, EnterStartsTheGameAsOkDoes) {
  Ouvrir();
  fenêtre->AppelPréNouveau();
  QLineEdit& nom = W<QLineEdit>("TextName");
  nom.setText(QStringLiteral("Zoé"));
  CocherMode(1);
  QTest::keyClick(&nom, Qt::Key_Return);
  EXPECT_FALSE(fenêtre->Params().isVisible());
  EXPECT_TRUE(fenêtre->isEnabled());
  EXPECT_EQ(fenêtre->État().NuméroTour, 1);
  EXPECT_EQ(fenêtre->État().NbColonnes, 1);
  EXPECT_EQ(fenêtre->NomJoueur(), "Zoé");
}

}  // namespace
}  // namespace rolvex::app
