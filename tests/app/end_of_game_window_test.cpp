#include "tests/app/window_fixture.h"

#include "app/high_scores_panel.h"
#include "playarea/sheet_names.h"

namespace rolvex::app {
namespace {

// A one-column table whose scores fall by `pas` from `premier`, all in 100 seconds.
TableHighScore TableDescendante(int premier, int pas) {
  TableHighScore table;
  for (int place = 1; place <= NbPlaces; ++place)
    table[place] = {"Place" + std::to_string(place),
                    static_cast<int16_t>(premier - (place - 1) * pas), 100, 3};
  return table;
}

const char* const AutrePartie[] = {
    "", "Pour une autre partie, cliquez sur REJOUER ou appuyez sur la touche F2 !",
    "To start a new game, click on PLAY AGAIN or press F2."};

// The end of a game offers it to the table of its mode: an entry is shown in red, saved, then
// announced, and the line tells how to go on; a game that does not enter changes nothing.
class FinDePartieFenetre : public FenetreDeJeu {
 protected:
  // Files whose one-column table is `table`, then the window and a one-column game of Zoé.
  void Commencer(const TableHighScore& table, Langue langue) {
    DonneesOptions donnees;
    HasardUniforme tirage(3);
    donnees.Scores = HighScoresParDefaut(tirage);
    donnees.Scores[1] = table;
    PoserFichiers(donnees);
    tableAvant = table;
    Ouvrir(langue);
    GelerHorloge();
    NouvellePartie(1);
    inodeAvant = Inode(environnement.Options());
  }

  ui::Panneau& CelluleScore(PanelScore famille, int rang) {
    ui::Panneau* cellule = W<SuperPanelScore>("SuperPanelScore").Cellule(famille, rang);
    EXPECT_NE(cellule, nullptr);
    return *cellule;
  }
  std::vector<QString> Ligne(int rang) {
    std::vector<QString> textes;
    for (PanelScore f : Familles) textes.push_back(CelluleScore(f, rang).caption());
    return textes;
  }
  // The colour of the five cells of a row, or 0 when they differ.
  Couleur CouleurLigne(int rang) {
    const Couleur c = CelluleScore(PanelScore::PanelScoreClassement, rang).foreColor();
    for (PanelScore f : Familles)
      if (CelluleScore(f, rang).foreColor() != c) return 0;
    return c;
  }
  // Every row blue but `rouge`.
  void VerifierCouleurs(int rouge) {
    for (int rang = 1; rang <= NbPlaces; ++rang)
      EXPECT_EQ(CouleurLigne(rang), rang == rouge ? RougeVif : Bleu) << rang;
  }
  void VerifierFinDePartie() {
    EXPECT_FALSE(Horloge().isActive());
    EXPECT_FALSE(W("PanelOkDé").isVisible());
    EXPECT_TRUE(W("PanelNewGame").isVisible());
    EXPECT_TRUE(W("PanelNewMode").isVisible());
  }

  static constexpr std::array<PanelScore, 5> Familles = {
      PanelScore::PanelScoreClassement, PanelScore::PanelScoreNom, PanelScore::PanelScoreTemps,
      PanelScore::PanelScoreNbFigures, PanelScore::PanelScoreScore};

  TableHighScore tableAvant;
  ino_t inodeAvant = 0;
};

struct Entree {
  const char* nom;
  int premier, pas;  // the table before the game of 733 points
  Langue langue;
  int place;
  const char* annonce;
  const char* titre;
};
void PrintTo(const Entree& e, std::ostream* os) { *os << e.nom; }

class EntreeAuTableau : public FinDePartieFenetre, public testing::WithParamInterface<Entree> {};

TEST_P(EntreeAuTableau, IsShownInRedSavedThenAnnouncedAndTheOldPlacesGoOneLower) {
  const Entree& e = GetParam();
  Commencer(TableDescendante(e.premier, e.pas), e.langue);
  Tics(65);
  // While the place is announced, the table is on screen with its red row, and on disk.
  struct {
    bool tableMontree = false, feuilleCachee = false, fichiersReecrits = false;
    Couleur couleur = 0;
    QString info;
  } vu;
  RepondeurBoites boites({}, [&](const RepondeurBoites::Vue&) {
    vu = {W("SuperPanelScore").isVisible(), !W("PictureAireJeu").isVisible(),
          Inode(environnement.Options()) != inodeAvant, CouleurLigne(e.place), Info()};
  });
  JouerUneColonne();

  ASSERT_EQ(boites.Vues().size(), 1u);
  EXPECT_EQ(boites.Vues()[0].texte, Q(e.annonce));
  EXPECT_EQ(boites.Vues()[0].titre, "ROLVEX");
  EXPECT_EQ(boites.Vues()[0].ok, "OK");
  EXPECT_TRUE(vu.tableMontree);
  EXPECT_TRUE(vu.feuilleCachee);
  EXPECT_EQ(vu.couleur, RougeVif);
  EXPECT_TRUE(vu.fichiersReecrits);
  const QString autrePartie = Q(AutrePartie[static_cast<int>(e.langue)]);
  EXPECT_NE(vu.info, autrePartie);

  EXPECT_EQ(Info(), autrePartie);
  EXPECT_EQ(Legende("PanelModeColonnes"), e.titre);
  EXPECT_EQ(Ligne(e.place),
            (std::vector<QString>{QString::number(e.place), Q("Zoé"), "01:05", "7", "733"}));
  const int voisine = e.place == 1 ? 2 : 9;  // the old first one lower, or the ninth kept
  const HighScoreEntry& ancienne = tableAvant[e.place == 1 ? 1 : 9];
  EXPECT_EQ(Ligne(voisine), (std::vector<QString>{QString::number(voisine), Q(ancienne.name),
                                                  "01:40", "3", QString::number(ancienne.score)}));
  VerifierCouleurs(e.place);

  // On disk, and kept for the next run: the places above as they were, those below one lower.
  const DonneesOptions disque = LireFichiers();
  EXPECT_EQ(disque.Scores, fenetre->Jeu().Scores());
  for (int place = 1; place <= NbPlaces; ++place) {
    const HighScoreEntry attendue = place < e.place    ? tableAvant[place]
                                    : place == e.place ? HighScoreEntry{"Zoé", 733, 65, 7}
                                                       : tableAvant[place - 1];
    EXPECT_EQ(disque.Scores[1][place], attendue) << place;
  }
  VerifierFinDePartie();
}

INSTANTIATE_TEST_SUITE_P(
    PremiereEtDixiemePlaces, EntreeAuTableau,
    testing::Values(Entree{"FirstInFrench", 700, 10, Langue::Francais, 1,
                           "Félicitations, vous êtes classé en première position !!!",
                           "1 colonnes"},
                    Entree{"FirstInEnglish", 700, 10, Langue::Anglais, 1,
                           "Congratulations, you are the best (first position) !!!", "1 columns"},
                    // Place 9: 800, place 10: 700.
                    Entree{"TenthInFrench", 1600, 100, Langue::Francais, 10,
                           "Bravo, vous arrivez en 10ème position !", "1 colonnes"},
                    Entree{"TenthInEnglish", 1600, 100, Langue::Anglais, 10,
                           "You reach the 10th position !", "1 columns"}),
    [](const testing::TestParamInfo<Entree>& info) { return std::string(info.param.nom); });

// Below the tenth place: no box, no table, the files untouched, the line says so.
class HorsDuTableau : public FinDePartieFenetre, public testing::WithParamInterface<Langue> {};

TEST_P(HorsDuTableau, ShowsNoBoxNoTableAndWritesNothing) {
  Commencer(TableDescendante(1640, 100), GetParam());  // place 10: 740
  const std::vector<std::uint8_t> options = Octets(environnement.Options());
  const std::vector<std::uint8_t> noms = Octets(environnement.Noms());
  const ino_t inodeNoms = Inode(environnement.Noms());
  RepondeurBoites boites;
  JouerUneColonne();

  EXPECT_TRUE(boites.Vues().empty());
  EXPECT_EQ(Info(), GetParam() == Langue::Francais
                        ? Q("Malheureusement, vous ne rentrez pas dans les 10 meilleurs scores. "
                            "Cliquez sur REJOUER ou touche F2 !")
                        : "You don't reach the TOP 10 ! Click on PLAY AGAIN or press F2.");
  EXPECT_FALSE(W("SuperPanelScore").isVisible());
  EXPECT_TRUE(W("PictureAireJeu").isVisible());
  EXPECT_EQ(Inode(environnement.Options()), inodeAvant);
  EXPECT_EQ(Inode(environnement.Noms()), inodeNoms);
  EXPECT_EQ(Octets(environnement.Options()), options);
  EXPECT_EQ(Octets(environnement.Noms()), noms);
  EXPECT_EQ(fenetre->Jeu().Scores()[1], tableAvant);
  VerifierFinDePartie();
}

INSTANTIATE_TEST_SUITE_P(DeuxLangues, HorsDuTableau,
                         testing::Values(Langue::Francais, Langue::Anglais),
                         [](const testing::TestParamInfo<Langue>& info) {
                           return info.param == Langue::Francais ? "French" : "English";
                         });

// The red row stays until the next game, which shows every row blue again and hides the table.
TEST_F(FinDePartieFenetre, TheRedRowLastsUntilTheNextGame) {
  Commencer(TableDescendante(700, 10), Langue::Francais);
  {
    RepondeurBoites boites;
    JouerUneColonne();
  }
  Cliquer("PanelEffacerScores");
  EXPECT_FALSE(W("SuperPanelScore").isVisible());
  Touche(Qt::Key_F4);
  EXPECT_TRUE(W("SuperPanelScore").isVisible());
  EXPECT_EQ(CouleurLigne(1), RougeVif);

  Cliquer("PanelNewGame");
  EXPECT_FALSE(W("SuperPanelScore").isVisible());
  VerifierCouleurs(0);
  Touche(Qt::Key_F4);
  EXPECT_EQ(Ligne(1)[1], Q("Zoé"));
  EXPECT_EQ(CouleurLigne(1), Bleu);
}

// The clock counts the game's seconds from the new game on, one a second.
TEST_F(FinDePartieFenetre, TheClockTicksEverySecondFromTheNewGameOn) {
  Ouvrir();
  EXPECT_FALSE(Horloge().isActive());
  EXPECT_EQ(Horloge().interval(), 1000);
  NouvellePartie(1);
  EXPECT_TRUE(Horloge().isActive());
  GelerHorloge();
  Tics(59);
  EXPECT_EQ(fenetre->Jeu().Horloge().SecondesPartie(), 59);
  EXPECT_EQ(fenetre->Jeu().Horloge().MinutesChrono(), 0);
  Tics(1);
  EXPECT_EQ(fenetre->Jeu().Horloge().MinutesChrono(), 1);
  EXPECT_EQ(fenetre->Jeu().Horloge().SecondesChrono(), 0);
  EXPECT_EQ(fenetre->Jeu().Horloge().SecondesPartie(), 60);
}

}  // namespace
}  // namespace rolvex::app
