#include "tests/app/window_fixture.h"

#include "app/high_scores_panel.h"
#include "playarea/sheet_names.h"

namespace rolvex::app {
namespace {

namespace fs = std::filesystem;

// The data files give the window its options, tables and name, and take them back at every
// save; a file that cannot be read or written is told to the player, and the game goes on.
class FichiersFenêtre : public FenêtreDeJeu {
 protected:
  static DonnéesOptions Données(int16_t mode, int16_t faces) {
    DonnéesOptions d;
    HasardUniforme tirage(5);
    d.Scores = HighScoresParDéfaut(tirage);
    d.ModeJeu = mode;
    d.TypeDés = faces;
    d.NomJoueur = "Ana";
    d.Scores[1][1].name = "Hortense";
    return d;
  }
  // Opens the window on these files; no message box may come up.
  void OuvrirSur(const std::vector<std::uint8_t>& options, const std::vector<std::uint8_t>& noms) {
    ÉcrireOctets(environnement.Options(), options);
    ÉcrireOctets(environnement.Noms(), noms);
    RépondeurBoîtes boîtes;
    Ouvrir();
    EXPECT_EQ(boîtes.Textes(), std::vector<QString>{});
  }
  bool Coché(int mode) { return W<QRadioButton>(NomContrôle("SSOptionModeColonnes", mode)).isChecked(); }
  // A folder below a regular file: no one, not even root, can make it.
  fs::path Inutilisable() {
    const fs::path fichier = environnement.Racine() / "fichier";
    ÉcrireOctets(fichier, {1});
    return fichier / "données";
  }
};

TEST_F(FichiersFenêtre, TheWindowStartsWithTheOptionsOnDiskAndDoesNotRewriteThem) {
  const DonnéesOptions d = Données(2, 2);
  ÉcrireOctets(environnement.Options(), EncoderFichierOptions(d));
  const ino_t inode = Inode(environnement.Options());
  OuvrirSur(EncoderFichierOptions(d), EncoderFichierNoms(d));
  EXPECT_TRUE(Coché(2));
  EXPECT_EQ(fenêtre->État().ModeJeu, 2);
  EXPECT_EQ(W<QLineEdit>("TextName").text(), "Ana");
  EXPECT_EQ(fenêtre->NomJoueur(), "Ana");
  EXPECT_FALSE(W<QAction>("MenuDésClassiques").isChecked());
  EXPECT_TRUE(W<QAction>("MenuDésNumériques").isChecked());
  EXPECT_EQ(fenêtre->Scores()[1][1].name, "Hortense");
  EXPECT_EQ(Inode(environnement.Options()), inode);
}

TEST_F(FichiersFenêtre, OkInTheDialogSavesModeAndNameBeforeTheGame) {
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
TEST_F(FichiersFenêtre, DamagedFilesLoadWithWhatCanBeKept) {
  const DonnéesOptions d = Données(2, 2);
  std::vector<std::uint8_t> options = EncoderFichierOptions(d);
  options[0] = 7;  // no such mode
  options[2] = 9;  // no such faces
  std::vector<std::uint8_t> noms = EncoderFichierNoms(d);
  noms.resize(100);  // the player and places 1 to 5 of one column whole
  OuvrirSur(options, noms);
  EXPECT_TRUE(Coché(3));
  EXPECT_TRUE(W<QAction>("MenuDésClassiques").isChecked());
  EXPECT_EQ(W<QLineEdit>("TextName").text(), "Ana");
  const HighScores& scores = fenêtre->Scores();
  EXPECT_EQ(scores[1][1], d.Scores[1][1]);
  EXPECT_EQ(scores[1][5], d.Scores[1][5]);
  EXPECT_EQ(scores[1][6].name, "");
  EXPECT_EQ(scores[1][6].score, d.Scores[1][6].score);
  EXPECT_EQ(scores[3][10].score, d.Scores[3][10].score);
}

TEST_F(FichiersFenêtre, AShortOptionsFileKeepsTheWholeRecords) {
  const DonnéesOptions d = Données(1, 1);
  std::vector<std::uint8_t> options = EncoderFichierOptions(d);
  options.resize(4 + 6 * 12);  // the one-column table whole, two places of three columns
  OuvrirSur(options, EncoderFichierNoms(d));
  EXPECT_TRUE(Coché(1));
  EXPECT_EQ(fenêtre->Scores()[1], d.Scores[1]);
}

TEST_F(FichiersFenêtre, AnOptionsFileThatCannotBeReadIsToldAndLeftAlone) {
  fs::create_directories(environnement.Options());  // a folder where the file should be
  RépondeurBoîtes boîtes;
  Ouvrir();
  ASSERT_EQ(boîtes.Vues().size(), 1u);
  EXPECT_TRUE(boîtes.Vues()[0].texte.startsWith(
      Q("Le fichier " + environnement.Options().string() + " n'a pas pu être lu (")))
      << boîtes.Vues()[0].texte.toStdString();
  EXPECT_EQ(boîtes.Vues()[0].titre, "ROLVEX");
  EXPECT_TRUE(fs::is_directory(environnement.Options()));
  // The defaults in memory, and a game to play.
  EXPECT_TRUE(Coché(3));
  EXPECT_EQ(fenêtre->Scores()[1][1].name, "Gustave");
  NouvellePartie(1);
  EXPECT_EQ(fenêtre->État().NuméroTour, 1);
}

// No save stops the game: the player is told, and the next save tries again.
TEST_F(FichiersFenêtre, AFolderThatCannotBeMadeIsToldAtEachSaveAndTheGameGoesOn) {
  environnement.ailleurs = Inutilisable();
  const QString échec =
      Q("Le fichier " + CheminFichierOptions(environnement.ailleurs).string() +
        " n'a pas pu être enregistré (");
  {
    RépondeurBoîtes boîtes;
    Ouvrir();
    ASSERT_EQ(boîtes.Vues().size(), 1u);  // the defaults could not be written
    EXPECT_TRUE(boîtes.Vues()[0].texte.startsWith(échec)) << boîtes.Vues()[0].texte.toStdString();
    EXPECT_TRUE(boîtes.Vues()[0].texte.endsWith(
        Q("). Les scores restent en mémoire ; le prochain enregistrement essaiera de nouveau.")));
  }
  {
    RépondeurBoîtes boîtes;
    NouvellePartie(1);
    ASSERT_EQ(boîtes.Vues().size(), 1u);  // the dialog's OK
    EXPECT_TRUE(boîtes.Vues()[0].texte.startsWith(échec));
  }
  Jeter("12345");
  EXPECT_EQ(DésMontrés(), "12345");

  // Once the folder can be made, the next save writes the files.
  fs::remove(environnement.Racine() / "fichier");
  {
    RépondeurBoîtes boîtes({true});
    Touche(Qt::Key_F9);
    EXPECT_EQ(boîtes.Vues().size(), 2u);  // the question and the farewell, nothing else
  }
  EXPECT_EQ(Octets(CheminFichierOptions(environnement.ailleurs)).size(), 184u);
  EXPECT_EQ(Octets(CheminFichierNoms(environnement.ailleurs)).size(), 496u);
}

TEST_F(FichiersFenêtre, AFailingSaveAtTheEndOfAGameIsToldBeforeThePlace) {
  environnement.ailleurs = environnement.Racine() / "données";
  Ouvrir(Langue::Anglais);
  NouvellePartie(1);
  // The folder goes away under the game, and a file takes its name.
  fs::remove_all(environnement.Dossier());
  ÉcrireOctets(environnement.Dossier(), {1});
  RépondeurBoîtes boîtes;
  JouerUneColonne();

  ASSERT_EQ(boîtes.Vues().size(), 2u);
  EXPECT_TRUE(boîtes.Vues()[0].texte.startsWith("The file ")) << boîtes.Vues()[0].texte.toStdString();
  EXPECT_TRUE(boîtes.Vues()[0].texte.contains(" could not be saved ("));
  EXPECT_EQ(boîtes.Vues()[1].texte, "Congratulations, you are the best (first position) !!!");
  EXPECT_EQ(Info(), "To start a new game, click on PLAY AGAIN or press F2.");
  EXPECT_EQ(fenêtre->Scores()[1][1].name, "Zoé");
  EXPECT_TRUE(W("PanelNewGame").isVisible());
}

}  // namespace
}  // namespace rolvex::app
