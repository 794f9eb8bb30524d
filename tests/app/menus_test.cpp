#include "tests/app/window_fixture.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include "playarea/sheet_names.h"

namespace rolvex::app {
namespace {

// The menus and their keys: the quit that asks, says goodbye and saves, the help of the
// language, the About box.
class Menus : public FenetreDeJeu {
 protected:
  // A game under way: one throw made, the clock running.
  void EnJeu(Langue langue = Langue::Francais) {
    Ouvrir(langue);
    NouvellePartie(1);
    Jeter("12345");
  }
};

TEST_F(Menus, F9AnsweredNoLeavesTheGameAndItsClockRunning) {
  EnJeu();
  const ino_t inode = Inode(environnement.Options());
  RepondeurBoites boites({false});
  Touche(Qt::Key_F9);

  EXPECT_EQ(boites.Textes(), std::vector<QString>{Q("Voulez-vous vraiment arrêter ROLVEX ?")});
  EXPECT_TRUE(fenetre->isVisible());
  EXPECT_EQ(environnement.fins, 0);
  EXPECT_TRUE(Horloge().isActive());
  EXPECT_EQ(fenetre->Etat().NbJets, 1);
  EXPECT_EQ(DesMontres(), "12345");
  EXPECT_TRUE(W("CaseLibre(1)").isVisible());
  EXPECT_EQ(Inode(environnement.Options()), inode);

  // The game goes on where it was.
  Cliquer("CaseLibre(11)");
  EXPECT_TRUE(fenetre->Etat().Cases(colonne::Libre, 11).Prise);
}

TEST_F(Menus, F9AnsweredYesSaysGoodbyeThenSavesAndEndsTheProgramInTheRunsLanguage) {
  struct Echange {
    Langue langue;
    std::vector<QString> textes;
    QString ouiNon;
  };
  const Echange echanges[] = {
      {Langue::Francais,
       {Q("Voulez-vous vraiment arrêter ROLVEX ?"), Q("A bientôt !!!")},
       "Oui/Non"},
      {Langue::Anglais, {"Do you really want to quit ROLVEX ?", "See you !!!"}, "Yes/No"}};
  for (const auto& [langue, textes, ouiNon] : echanges) {
    SCOPED_TRACE(textes[1].toStdString());
    EnJeu(langue);
    environnement.fins = 0;
    // A choice only the quit will keep: the dice faces.
    W<QAction>("MenuDésNumériques").trigger();
    const ino_t inode = Inode(environnement.Options());
    struct {
      bool caseMontree = true, ligneMontree = true, fichiersReecrits = true;
    } vu;
    RepondeurBoites boites({true}, [&](const RepondeurBoites::Vue& v) {
      if (v.ok.isEmpty()) return;  // the question
      vu = {W("CaseLibre(1)").isVisible(), W("CaseInfoGauche(1)").isVisible(),
            Inode(environnement.Options()) != inode};
    });
    Touche(Qt::Key_F9);

    EXPECT_EQ(boites.Textes(), textes);
    ASSERT_FALSE(boites.Vues().empty());
    EXPECT_EQ(boites.Vues()[0].oui + "/" + boites.Vues()[0].non, ouiNon);
    EXPECT_EQ(boites.Vues()[0].titre, "ROLVEX");
    // The sheet is gone behind the farewell, and nothing is written before it is read.
    EXPECT_FALSE(vu.caseMontree);
    EXPECT_FALSE(vu.ligneMontree);
    EXPECT_FALSE(vu.fichiersReecrits);

    EXPECT_NE(Inode(environnement.Options()), inode);
    const DonneesOptions disque = LireFichiers();
    EXPECT_EQ(disque.TypeDes, 2);
    EXPECT_EQ(disque.ModeJeu, 1);
    EXPECT_EQ(disque.NomJoueur, "Zoé");
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_EQ(environnement.fins, 1);
  }
}

// The close box ends the run at once: no question, no farewell, nothing saved.
TEST_F(Menus, TheCloseBoxAsksNothingAndSavesNothing) {
  EnJeu();
  W<QAction>("MenuDésNumériques").trigger();
  const std::vector<std::uint8_t> options = Octets(environnement.Options());
  const ino_t inode = Inode(environnement.Options());
  RepondeurBoites boites;
  EXPECT_TRUE(fenetre->close());
  EXPECT_TRUE(boites.Vues().empty());
  EXPECT_FALSE(fenetre->isVisible());
  EXPECT_EQ(Inode(environnement.Options()), inode);
  EXPECT_EQ(Octets(environnement.Options()), options);
  EXPECT_EQ(LireFichiers().TypeDes, 1);
}

// The help of the language chosen at start-up, found beside the program.
QString FichierMontre(FormRolvex& fenetre) {
  auto* aide = fenetre.findChild<QWidget*>(QStringLiteral("FenetreAide"));
  if (!aide || !aide->isVisible()) return {};
  return aide->findChild<QTextBrowser*>()->document()->baseUrl().toLocalFile();
}

TEST_F(Menus, F1OpensTheHelpOfTheRunsLanguageFoundBesideTheProgram) {
  const std::pair<Langue, const char*> aides[] = {{Langue::Francais, "rolvexFr.hlp"},
                                                  {Langue::Anglais, "rolvexUs.hlp"}};
  for (const auto& [langue, nom] : aides) {
    Ouvrir(langue);
    Touche(Qt::Key_F1);
    const QFileInfo fichier(FichierMontre(*fenetre));
    EXPECT_EQ(fichier.fileName(), nom);
    EXPECT_EQ(fichier.absolutePath(),
              QFileInfo(QCoreApplication::applicationDirPath()).absoluteFilePath());
    EXPECT_TRUE(fichier.isFile());
  }
}

TEST_F(Menus, TheAboutBoxGivesTitleAndVersion) {
  for (Langue langue : {Langue::Francais, Langue::Anglais}) {
    Ouvrir(langue);
    RepondeurBoites boites;
    W<QAction>("MenuAbout").trigger();
    ASSERT_EQ(boites.Vues().size(), 1u);
    EXPECT_TRUE(boites.Vues()[0].texte.startsWith("ROLVEX - version 1.2"))
        << boites.Vues()[0].texte.toStdString();
    EXPECT_EQ(boites.Vues()[0].titre, "ROLVEX");
  }
}

}  // namespace
}  // namespace rolvex::app
