#include "tests/app/window_fixture.h"

#include "app/high_scores_panel.h"
#include "playarea/sheet_names.h"

namespace rolvex::app {
namespace {

namespace fs = std::filesystem;

// The data files give the window its options, tables and name, and take them back at every
// save; a file that cannot be read or written is told to the player, and the game goes on.
class FichiersFenetre : public FenetreDeJeu {
 protected:
  static DonneesOptions Donnees(int16_t mode, int16_t faces) {
    DonneesOptions d;
    HasardUniforme tirage(5);
    d.Scores = HighScoresParDefaut(tirage);
    d.ModeJeu = mode;
    d.TypeDes = faces;
    d.NomJoueur = "Ana";
    d.Scores[1][1].name = "Hortense";
    return d;
  }
  // Opens the window on these files; no message box may come up.
  void OuvrirSur(const std::vector<std::uint8_t>& options, const std::vector<std::uint8_t>& noms) {
    EcrireOctets(environnement.Options(), options);
    EcrireOctets(environnement.Noms(), noms);
    RepondeurBoites boites;
    Ouvrir();
    EXPECT_EQ(boites.Textes(), std::vector<QString>{});
  }
  bool Coche(int mode) {
    return W<QRadioButton>(NomControle("SSOptionModeColonnes", mode)).isChecked();
  }
  // A folder below a regular file: no one, not even root, can make it.
  fs::path Inutilisable() {
    const fs::path fichier = environnement.Racine() / "fichier";
    EcrireOctets(fichier, {1});
    return fichier / "données";
  }
};

TEST_F(FichiersFenetre, TheWindowStartsWithTheOptionsOnDiskAndDoesNotRewriteThem) {
  const DonneesOptions d = Donnees(2, 2);
  EcrireOctets(environnement.Options(), EncoderFichierOptions(d));
  const ino_t inode = Inode(environnement.Options());
  OuvrirSur(EncoderFichierOptions(d), EncoderFichierNoms(d));
  EXPECT_TRUE(Coche(2));
  EXPECT_EQ(fenetre->Etat().ModeJeu, 2);
  EXPECT_EQ(W<QLineEdit>("TextName").text(), "Ana");
  EXPECT_EQ(Q(fenetre->Jeu().NomJoueur()), "Ana");
  EXPECT_FALSE(W<QAction>("MenuDésClassiques").isChecked());
  EXPECT_TRUE(W<QAction>("MenuDésNumériques").isChecked());
  EXPECT_EQ(fenetre->Jeu().Scores()[1][1].name, "Hortense");
  EXPECT_EQ(Inode(environnement.Options()), inode);
}

TEST_F(FichiersFenetre, OkInTheDialogSavesModeAndNameBeforeTheGame) {
  Ouvrir();
  NouvellePartie(2, QStringLiteral("Léa"));
  const std::vector<std::uint8_t> options = Octets(environnement.Options());
  const std::vector<std::uint8_t> noms = Octets(environnement.Noms());
  EXPECT_EQ(options[0] | options[1] << 8, 2);
  // One byte a character: é is 0xE9.
  EXPECT_EQ(std::vector<std::uint8_t>(noms.begin(), noms.begin() + 5),
            (std::vector<std::uint8_t>{3, 0, 'L', 0xE9, 'a'}));
}

// Damaged files give what they still hold whole; the rest takes its default, silently.
TEST_F(FichiersFenetre, DamagedFilesLoadWithWhatCanBeKept) {
  const DonneesOptions d = Donnees(2, 2);
  std::vector<std::uint8_t> options = EncoderFichierOptions(d);
  options[0] = 7;  // no such mode
  options[2] = 9;  // no such faces
  std::vector<std::uint8_t> noms = EncoderFichierNoms(d);
  noms.resize(100);  // the player and places 1 to 5 of one column whole
  OuvrirSur(options, noms);
  EXPECT_TRUE(Coche(3));
  EXPECT_TRUE(W<QAction>("MenuDésClassiques").isChecked());
  EXPECT_EQ(W<QLineEdit>("TextName").text(), "Ana");
  const HighScores& scores = fenetre->Jeu().Scores();
  EXPECT_EQ(scores[1][1], d.Scores[1][1]);
  EXPECT_EQ(scores[1][5], d.Scores[1][5]);
  EXPECT_EQ(scores[1][6].name, "");
  EXPECT_EQ(scores[1][6].score, d.Scores[1][6].score);
  EXPECT_EQ(scores[3][10].score, d.Scores[3][10].score);
}

TEST_F(FichiersFenetre, AShortOptionsFileKeepsTheWholeRecords) {
  const DonneesOptions d = Donnees(1, 1);
  std::vector<std::uint8_t> options = EncoderFichierOptions(d);
  options.resize(4 + 6 * 12);  // the one-column table whole, two places of three columns
  OuvrirSur(options, EncoderFichierNoms(d));
  EXPECT_TRUE(Coche(1));
  EXPECT_EQ(fenetre->Jeu().Scores()[1], d.Scores[1]);
}

TEST_F(FichiersFenetre, AnOptionsFileThatCannotBeReadIsToldAndLeftAlone) {
  fs::create_directories(environnement.Options());  // a folder where the file should be
  RepondeurBoites boites;
  Ouvrir();
  ASSERT_EQ(boites.Vues().size(), 1u);
  EXPECT_TRUE(boites.Vues()[0].texte.startsWith(
      Q("Le fichier " + environnement.Options().string() + " n'a pas pu être lu (")))
      << boites.Vues()[0].texte.toStdString();
  EXPECT_EQ(boites.Vues()[0].titre, "ROLVEX");
  EXPECT_TRUE(fs::is_directory(environnement.Options()));
  // The defaults in memory, and a game to play.
  EXPECT_TRUE(Coche(3));
  EXPECT_EQ(fenetre->Jeu().Scores()[1][1].name, "Gustave");
  NouvellePartie(1);
  EXPECT_EQ(fenetre->Etat().NumeroTour, 1);
}

// No save stops the game: the player is told, and the next save tries again.
TEST_F(FichiersFenetre, AFolderThatCannotBeMadeIsToldAtEachSaveAndTheGameGoesOn) {
  environnement.ailleurs = Inutilisable();
  const QString echec = Q("Le fichier " + CheminFichierOptions(environnement.ailleurs).string() +
                          " n'a pas pu être enregistré (");
  {
    RepondeurBoites boites;
    Ouvrir();
    ASSERT_EQ(boites.Vues().size(), 1u);  // the defaults could not be written
    EXPECT_TRUE(boites.Vues()[0].texte.startsWith(echec)) << boites.Vues()[0].texte.toStdString();
    EXPECT_TRUE(boites.Vues()[0].texte.endsWith(
        Q("). Les scores restent en mémoire ; le prochain enregistrement essaiera de nouveau.")));
  }
  {
    RepondeurBoites boites;
    NouvellePartie(1);
    ASSERT_EQ(boites.Vues().size(), 1u);  // the dialog's OK
    EXPECT_TRUE(boites.Vues()[0].texte.startsWith(echec));
  }
  Jeter("12345");
  EXPECT_EQ(DesMontres(), "12345");

  // Once the folder can be made, the next save writes the files.
  fs::remove(environnement.Racine() / "fichier");
  {
    RepondeurBoites boites({true});
    Touche(Qt::Key_F9);
    EXPECT_EQ(boites.Vues().size(), 2u);  // the question and the farewell, nothing else
  }
  EXPECT_EQ(Octets(CheminFichierOptions(environnement.ailleurs)).size(), 184u);
  EXPECT_EQ(Octets(CheminFichierNoms(environnement.ailleurs)).size(), 496u);
}

TEST_F(FichiersFenetre, AFailingSaveAtTheEndOfAGameIsToldBeforeThePlace) {
  environnement.ailleurs = environnement.Racine() / "données";
  Ouvrir(Langue::Anglais);
  NouvellePartie(1);
  // The folder goes away under the game, and a file takes its name.
  fs::remove_all(environnement.Dossier());
  EcrireOctets(environnement.Dossier(), {1});
  RepondeurBoites boites;
  JouerUneColonne();

  ASSERT_EQ(boites.Vues().size(), 2u);
  EXPECT_TRUE(boites.Vues()[0].texte.startsWith("The file "))
      << boites.Vues()[0].texte.toStdString();
  EXPECT_TRUE(boites.Vues()[0].texte.contains(" could not be saved ("));
  EXPECT_EQ(boites.Vues()[1].texte, "Congratulations, you are the best (first position) !!!");
  EXPECT_EQ(Info(), "To start a new game, click on PLAY AGAIN or press F2.");
  EXPECT_EQ(fenetre->Jeu().Scores()[1][1].name, "Zoé");
  EXPECT_TRUE(W("PanelNewGame").isVisible());
}

}  // namespace
}  // namespace rolvex::app
