#include "tests/app/window_fixture.h"

#include "playarea/layout.h"

namespace rolvex::app {
namespace {

// The platform's pointer codes over a square that can be chosen, and one that cannot.
constexpr int FlecheHaut = 10;
constexpr int Interdit = 12;

constexpr const char* MsgBoutonsSouris =
    "Bouton gauche de la souris pour garder ou jeter un dé\r"
    "Bouton droit de la souris pour garder les mêmes dés";
constexpr const char* MsgNouveauTirage =
    "Cliquez sur le bouton OK pour effectuer un nouveau tirage...";
constexpr const char* MsgChoisirOuJeter = "Vous devez choisir une case ou jeter au moins un dé...";

// A whole game in one column, played with the mouse on the widgets: what the player sees at
// every step comes from the game, drawn on the right widget.
class PartieUneColonne : public FenetreDeJeu {
 protected:
  void SetUp() override {
    Ouvrir();
    NouvellePartie(1);
  }

  std::string Case(int f) { return NomCase(colonne::Libre, static_cast<int16_t>(f)); }
  // The figure's square is written by a click after one throw of `faces`.
  void Ecrire(std::string_view faces, int f) {
    Jeter(faces);
    Cliquer(Case(f));
  }
  // Where the layout of a one-column game puts the square, less the margin of a taken one.
  QRect Cellule(int f, bool prise = false) const {
    const AireJeu aire = DispositionAireJeu(
        TailleEcranJeu().width(), TailleEcranJeu().height(), 1,
        ui::EchelleTwips::DeLEcranPrincipal().TwipsX(fenetre->centralWidget()->width()));
    const Rect cellule = aire[NomCase(colonne::Libre, static_cast<int16_t>(f))].rect;
    return EnPixels(prise ? AppliquerRetraitPrise(cellule, aire.Tailles().RetraitPrise) : cellule);
  }
  void AttendreLaPriseDe(int f, const QString& legende) {
    ui::Panneau& k = W(Case(f));
    EXPECT_EQ(k.caption(), legende) << Case(f);
    EXPECT_EQ(k.foreColor(), Blanc) << Case(f);
    EXPECT_EQ(k.backColor(), Noir) << Case(f);
    EXPECT_EQ(k.geometry(), Cellule(f, true)) << Case(f);
    EXPECT_EQ(k.mousePointer(), Interdit) << Case(f);
  }
  // Every square of the column empty, in its colour, at full size.
  void VerifierColonneVide() {
    for (int f = 1; f <= NbFigures; ++f) {
      ui::Panneau& k = W(Case(f));
      EXPECT_TRUE(k.isVisible()) << f;
      EXPECT_EQ(k.caption(), "") << f;
      EXPECT_EQ(k.backColor(), Colonnes[colonne::Libre].fondLibre) << f;
      EXPECT_EQ(k.geometry(), Cellule(f)) << f;
    }
  }
  void VerifierPointeurs(int code) {
    for (int f = 1; f <= NbFigures; ++f) EXPECT_EQ(W(Case(f)).mousePointer(), code) << f;
  }
};

TEST_F(PartieUneColonne, PlaysToTheLastSquareAsThePlayerSeesIt) {
  // A new game: only Libre, every square empty in its colour, nothing to choose yet.
  EXPECT_EQ(Legende("PanelOkDé"), "OK");
  EXPECT_EQ(Legende("PanelScoreTotal"), "0");
  EXPECT_EQ(Info(), Q(MsgNouveauTirage));
  EXPECT_FALSE(W("CaseNomDescente").isVisible());
  EXPECT_FALSE(W("CaseDescente(1)").isVisible());
  VerifierColonneVide();
  VerifierPointeurs(Interdit);
  EXPECT_EQ(DesMontres(), "?????");

  // A click on a square before the first throw does nothing.
  Cliquer(Case(13));
  EXPECT_FALSE(fenetre->Etat().Cases(colonne::Libre, 13).Prise);
  EXPECT_EQ(Legende(Case(13)), "");

  // First throw: all five dice, the potential scores, the choosable pointer.
  Jeter("11234");
  EXPECT_EQ(DesMontres(), "11234");
  EXPECT_EQ(Legende("PanelOkDé"), "1");
  EXPECT_EQ(Legende("PanelTotalDés"), "11");
  EXPECT_EQ(Legende("PanelFigureRéalisée"), "");
  EXPECT_EQ(Info(), Q(MsgBoutonsSouris));
  EXPECT_EQ(Legende(Case(1)), "2");
  EXPECT_EQ(W(Case(1)).foreColor(), Noir);
  EXPECT_EQ(Legende(Case(6)), "0");
  EXPECT_EQ(Legende(Case(7)), "11");
  VerifierPointeurs(FlecheHaut);

  // Keeping and throwing with both buttons, and bringing a die back by its place.
  Cliquer("ImageDé(1)", Qt::RightButton);
  EXPECT_EQ(DesMontres(), "11???");
  Cliquer("ImageDé(1)", Qt::RightButton);
  EXPECT_EQ(DesMontres(), "11234");
  Cliquer("ImageDé(3)");
  EXPECT_EQ(DesMontres(), "11?34");
  Cliquer("PanelDé(3)");
  EXPECT_EQ(DesMontres(), "11234");
  // All kept: the throw is refused with the mouse hints.
  Jeter("");
  EXPECT_EQ(Legende("PanelOkDé"), "1");
  EXPECT_EQ(Info(), Q(MsgBoutonsSouris));

  // The aces kept, the rest thrown again: a Yam.
  Cliquer("ImageDé(2)", Qt::RightButton);
  Jeter("111");
  EXPECT_EQ(DesMontres(), "11111");
  EXPECT_EQ(Legende("PanelOkDé"), "2");
  EXPECT_EQ(Info(), Q(MsgChoisirOuJeter));
  EXPECT_EQ(Legende("PanelFigureRéalisée"), "YAM");
  EXPECT_EQ(Legende(Case(13)), "75");
  EXPECT_EQ(W(Case(13)).foreColor(), Rouge);
  EXPECT_EQ(Legende(Case(1)), "5");
  EXPECT_EQ(W(Case(1)).foreColor(), Bleu);

  // Writing it ends the turn.
  Cliquer(Case(13));
  AttendreLaPriseDe(13, "75");
  EXPECT_EQ(DesMontres(), "?????");
  EXPECT_EQ(Legende("PanelOkDé"), "OK");
  EXPECT_EQ(Legende("PanelTotalDés"), "");
  EXPECT_EQ(Legende("PanelFigureRéalisée"), "");
  EXPECT_EQ(Info(), Q(MsgNouveauTirage));
  EXPECT_EQ(Legende("CaseTotalBasLibre"), "75");
  EXPECT_EQ(Legende("PanelScoreTotal"), "75");
  VerifierPointeurs(Interdit);
  EXPECT_EQ(Legende(Case(1)), "");

  // The upper part: the bonus grows with the total, a 0 is crossed out.
  Ecrire("66664", 6);
  Ecrire("55552", 5);
  EXPECT_EQ(Legende("CaseBonusHautLibre"), "");
  Ecrire("44441", 4);
  EXPECT_EQ(Legende("CaseTotalHautLibre"), "60");
  EXPECT_EQ(Legende("CaseBonusHautLibre"), "+ 30");
  Ecrire("33336", 3);
  Ecrire("22225", 2);
  EXPECT_EQ(Legende("CaseBonusHautLibre"), "+ 100");
  Ecrire("23456", 1);
  AttendreLaPriseDe(1, "OOO");
  EXPECT_EQ(Legende("CaseTotalHautLibre"), "80");

  // The lower part, every figure made: the lower bonus and the Maxi-Mini bonus.
  Ecrire("66655", 7);
  Ecrire("11223", 8);
  Ecrire("33322", 9);
  EXPECT_EQ(Legende("PanelFigureRéalisée"), "");
  Ecrire("44445", 10);
  Ecrire("12345", 11);
  EXPECT_TRUE(W("PanelOkDé").isVisible());

  // The last square ends the game: final totals, the place won in the high scores, and the two
  // buttons of the next game.
  {
    RepondeurBoites place;
    Ecrire("11123", 12);
    EXPECT_EQ(place.Vues().size(), 1u);
  }
  AttendreLaPriseDe(12, "60");
  EXPECT_EQ(Legende("CaseTotalBasLibre"), "296");
  EXPECT_EQ(Legende("CaseBonusBasLibre"), "+ 257");
  EXPECT_EQ(Legende("PanelScoreTotal"), "733");
  EXPECT_TRUE(fenetre->Etat().PartieTerminee);
  EXPECT_FALSE(W("PanelOkDé").isVisible());
  EXPECT_TRUE(W("PanelNewGame").isVisible());
  EXPECT_TRUE(W("PanelNewMode").isVisible());
  EXPECT_EQ(Legende("PanelNewGame"), "REJOUER");
  EXPECT_EQ(Legende("PanelNewMode"), "CHANGER");

  // REJOUER: the same mode again, the sheet empty and at full size.
  Cliquer("PanelNewGame");
  EXPECT_TRUE(W("PanelOkDé").isVisible());
  EXPECT_FALSE(W("PanelNewGame").isVisible());
  EXPECT_EQ(Legende("PanelScoreTotal"), "0");
  EXPECT_EQ(Legende("CaseBonusBasLibre"), "");
  VerifierColonneVide();
}

// CHANGER after a game goes back to the dialog.
TEST_F(PartieUneColonne, NewModeButtonOpensTheDialogAfterTheGame) {
  {
    RepondeurBoites place;  // the game enters the tables of a first run
    JouerUneColonne();
  }
  ASSERT_TRUE(W("PanelNewMode").isVisible());
  Cliquer("PanelNewMode");
  EXPECT_TRUE(fenetre->Params().isVisible());
  EXPECT_FALSE(fenetre->isEnabled());
}

}  // namespace
}  // namespace rolvex::app
