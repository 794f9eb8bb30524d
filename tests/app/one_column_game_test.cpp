#include "tests/app/window_fixture.h"

#include "playarea/layout.h"

namespace rolvex::app {
namespace {

// The platform's pointer codes over a square that can be chosen, and one that cannot.
constexpr int FlècheHaut = 10;
constexpr int Interdit = 12;

constexpr const char* MsgBoutonsSouris =
    "Bouton gauche de la souris pour garder ou jeter un dé\r"
    "Bouton droit de la souris pour garder les mêmes dés";
constexpr const char* MsgNouveauTirage = "Cliquez sur le bouton OK pour effectuer un nouveau tirage...";
constexpr const char* MsgChoisirOuJeter = "Vous devez choisir une case ou jeter au moins un dé...";

// A whole game in one column, played with the mouse on the widgets: what the player sees at
// every step comes from the game, drawn on the right widget.
class PartieUneColonne : public FenêtreDeJeu {
 protected:
  void SetUp() override {
    Ouvrir();
    NouvellePartie(1);
  }

  std::string Case(int f) { return NomCase(colonne::Libre, static_cast<int16_t>(f)); }
  // The figure's square is written by a click after one throw of `faces`.
  void Écrire(std::string_view faces, int f) {
    Jeter(faces);
    Cliquer(Case(f));
  }
  QRect Cellule(int f) const {
    const AireJeu aire = DispositionAireJeu(TailleÉcranJeu().width(), TailleÉcranJeu().height(), 1,
                                            ui::ÉchelleTwips::DeLÉcranPrincipal().TwipsX(
                                                fenêtre->centralWidget()->width()));
    return EnPixels(aire[NomCase(colonne::Libre, static_cast<int16_t>(f))].rect);
  }
  QRect CelluleRetirée(int f) const {
    const AireJeu aire = DispositionAireJeu(TailleÉcranJeu().width(), TailleÉcranJeu().height(), 1,
                                            ui::ÉchelleTwips::DeLÉcranPrincipal().TwipsX(
                                                fenêtre->centralWidget()->width()));
    const Rect cellule = aire[NomCase(colonne::Libre, static_cast<int16_t>(f))].rect;
    return EnPixels(AppliquerRetraitPrise(cellule, aire.Tailles().RetraitPrise));
  }
  void AttendreLaPriseDe(int f, const QString& légende) {
    ui::Panneau& k = W(Case(f));
    EXPECT_EQ(k.caption(), légende) << Case(f);
    EXPECT_EQ(k.foreColor(), Blanc) << Case(f);
    EXPECT_EQ(k.backColor(), Noir) << Case(f);
    EXPECT_EQ(k.geometry(), CelluleRetirée(f)) << Case(f);
    EXPECT_EQ(k.mousePointer(), Interdit) << Case(f);
  }
};

TEST_F(PartieUneColonne, PlaysToTheLastSquareAsThePlayerSeesIt) {
  // A new game: only Libre, every square empty in its colour, nothing to choose yet.
  EXPECT_EQ(Légende("PanelOkDé"), "OK");
  EXPECT_EQ(Légende("PanelScoreTotal"), "0");
  EXPECT_EQ(Info(), Q(MsgNouveauTirage));
  EXPECT_FALSE(W("CaseNomDescente").isVisible());
  EXPECT_FALSE(W("CaseDescente(1)").isVisible());
  for (int f = 1; f <= NbFigures; ++f) {
    ui::Panneau& k = W(Case(f));
    EXPECT_TRUE(k.isVisible());
    EXPECT_EQ(k.caption(), "");
    EXPECT_EQ(k.backColor(), Colonnes[colonne::Libre].fondLibre);
    EXPECT_EQ(k.geometry(), Cellule(f));
    EXPECT_EQ(k.mousePointer(), Interdit);
    EXPECT_EQ(k.cursor().shape(), Qt::ForbiddenCursor);
  }
  EXPECT_EQ(DésMontrés(), "?????");

  // A click on a square before the first throw does nothing.
  Cliquer(Case(13));
  EXPECT_FALSE(fenêtre->État().Cases(colonne::Libre, 13).Prise);
  EXPECT_EQ(Légende(Case(13)), "");

  // First throw: all five dice, the potential scores, the choosable pointer.
  Jeter("11234");
  EXPECT_EQ(DésMontrés(), "11234");
  EXPECT_EQ(Légende("PanelOkDé"), "1");
  EXPECT_EQ(Légende("PanelTotalDés"), "11");
  EXPECT_EQ(Légende("PanelFigureRéalisée"), "");
  EXPECT_EQ(Info(), Q(MsgBoutonsSouris));
  EXPECT_EQ(Légende(Case(1)), "2");
  EXPECT_EQ(W(Case(1)).foreColor(), Noir);
  EXPECT_EQ(Légende(Case(6)), "0");
  EXPECT_EQ(Légende(Case(7)), "11");
  for (int f = 1; f <= NbFigures; ++f) {
    EXPECT_EQ(W(Case(f)).mousePointer(), FlècheHaut) << f;
    EXPECT_EQ(W(Case(f)).cursor().shape(), Qt::UpArrowCursor) << f;
  }

  // Keeping and throwing with both buttons, and bringing a die back by its place.
  Cliquer("ImageDé(1)", Qt::RightButton);
  EXPECT_EQ(DésMontrés(), "11???");
  Cliquer("ImageDé(1)", Qt::RightButton);
  EXPECT_EQ(DésMontrés(), "11234");
  Cliquer("ImageDé(3)");
  EXPECT_EQ(DésMontrés(), "11?34");
  Cliquer("PanelDé(3)");
  EXPECT_EQ(DésMontrés(), "11234");
  // All kept: the throw is refused with the mouse hints.
  Jeter("");
  EXPECT_EQ(Légende("PanelOkDé"), "1");
  EXPECT_EQ(Info(), Q(MsgBoutonsSouris));

  // The aces kept, the rest thrown again: a Yam.
  Cliquer("ImageDé(2)", Qt::RightButton);
  Jeter("111");
  EXPECT_EQ(DésMontrés(), "11111");
  EXPECT_EQ(Légende("PanelOkDé"), "2");
  EXPECT_EQ(Info(), Q(MsgChoisirOuJeter));
  EXPECT_EQ(Légende("PanelFigureRéalisée"), "YAM");
  EXPECT_EQ(Légende(Case(13)), "75");
  EXPECT_EQ(W(Case(13)).foreColor(), Rouge);
  EXPECT_EQ(Légende(Case(1)), "5");
  EXPECT_EQ(W(Case(1)).foreColor(), Bleu);

  // Writing it ends the turn.
  Cliquer(Case(13));
  AttendreLaPriseDe(13, "75");
  EXPECT_EQ(DésMontrés(), "?????");
  EXPECT_EQ(Légende("PanelOkDé"), "OK");
  EXPECT_EQ(Légende("PanelTotalDés"), "");
  EXPECT_EQ(Légende("PanelFigureRéalisée"), "");
  EXPECT_EQ(Info(), Q(MsgNouveauTirage));
  EXPECT_EQ(Légende("CaseTotalBasLibre"), "75");
  EXPECT_EQ(Légende("PanelScoreTotal"), "75");
  for (int f = 1; f <= NbFigures; ++f) EXPECT_EQ(W(Case(f)).mousePointer(), Interdit);
  EXPECT_EQ(Légende(Case(1)), "");

  // The upper part: the bonus grows with the total, a 0 is crossed out.
  Écrire("66664", 6);
  Écrire("55552", 5);
  EXPECT_EQ(Légende("CaseBonusHautLibre"), "");
  Écrire("44441", 4);
  EXPECT_EQ(Légende("CaseTotalHautLibre"), "60");
  EXPECT_EQ(Légende("CaseBonusHautLibre"), "+ 30");
  Écrire("33336", 3);
  EXPECT_EQ(Légende("CaseBonusHautLibre"), "+ 50");
  Écrire("22225", 2);
  EXPECT_EQ(Légende("CaseBonusHautLibre"), "+ 100");
  Écrire("23456", 1);
  AttendreLaPriseDe(1, "OOO");
  EXPECT_EQ(Légende("CaseTotalHautLibre"), "80");

  // The lower part, every figure made: the lower bonus and the Maxi-Mini bonus.
  Écrire("66655", 7);
  Écrire("11223", 8);
  Écrire("33322", 9);
  EXPECT_EQ(Légende("PanelFigureRéalisée"), "");
  Écrire("44445", 10);
  Écrire("12345", 11);
  EXPECT_TRUE(W("PanelOkDé").isVisible());

  // The last square ends the game: final totals, the place won in the high scores, and the two
  // buttons of the next game.
  BoîteVue place;
  FermerLaProchaineBoîte(place);
  Écrire("11123", 12);
  EXPECT_TRUE(place.vue);
  AttendreLaPriseDe(12, "60");
  EXPECT_EQ(Légende("CaseTotalBasLibre"), "296");
  EXPECT_EQ(Légende("CaseBonusBasLibre"), "+ 257");
  EXPECT_EQ(Légende("PanelScoreTotal"), "733");
  EXPECT_TRUE(fenêtre->État().PartieTerminée);
  EXPECT_FALSE(W("PanelOkDé").isVisible());
  EXPECT_TRUE(W("PanelNewGame").isVisible());
  EXPECT_TRUE(W("PanelNewMode").isVisible());
  EXPECT_EQ(Légende("PanelNewGame"), "REJOUER");
  EXPECT_EQ(Légende("PanelNewMode"), "CHANGER");

  // REJOUER: the same mode again, the sheet empty and at full size.
  Cliquer("PanelNewGame");
  EXPECT_TRUE(W("PanelOkDé").isVisible());
  EXPECT_FALSE(W("PanelNewGame").isVisible());
  EXPECT_EQ(Légende("PanelScoreTotal"), "0");
  EXPECT_EQ(Légende("CaseBonusBasLibre"), "");
  for (int f = 1; f <= NbFigures; ++f) {
    EXPECT_EQ(Légende(Case(f)), "");
    EXPECT_EQ(W(Case(f)).backColor(), Colonnes[colonne::Libre].fondLibre);
    EXPECT_EQ(W(Case(f)).geometry(), Cellule(f));
  }
}

// The panel buttons sink under the mouse and rise when it is released.
TEST_F(PartieUneColonne, ThrowButtonShowsItsPressLook) {
  ui::Panneau& ok = W("PanelOkDé");
  QTest::mousePress(&ok, Qt::LeftButton);
  EXPECT_EQ(ok.bevelOuter(), ui::Panneau::Enfoncé);
  QTest::mouseRelease(&ok, Qt::LeftButton);
  EXPECT_EQ(ok.bevelOuter(), ui::Panneau::EnRelief);
  EXPECT_EQ(Légende("PanelOkDé"), "1");
}

// CHANGER after a game goes back to the dialog.
TEST_F(PartieUneColonne, NewModeButtonOpensTheDialogAfterTheGame) {
  const char* séries[] = {"11111", "66664", "55552", "44441", "33336", "22225", "23456",
                          "66655", "11223", "33322", "44445", "12345", "11123"};
  const int cases[] = {13, 6, 5, 4, 3, 2, 1, 7, 8, 9, 10, 11, 12};
  for (int i = 0; i < NbFigures - 1; ++i) Écrire(séries[i], cases[i]);
  BoîteVue place;  // the game enters the tables of a first run
  FermerLaProchaineBoîte(place);
  Écrire(séries[NbFigures - 1], cases[NbFigures - 1]);
  ASSERT_TRUE(W("PanelNewMode").isVisible());
  Cliquer("PanelNewMode");
  EXPECT_TRUE(fenêtre->Params().isVisible());
  EXPECT_FALSE(fenêtre->isEnabled());
}

}  // namespace
}  // namespace rolvex::app
