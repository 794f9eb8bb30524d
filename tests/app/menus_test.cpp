#include "tests/app/window_fixture.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include "playarea/sheet_names.h"

namespace rolvex::app {
namespace {

// The menus and their keys: the quit that asks, says goodbye and saves, the help of the
// language, the About box.
class Menus : public FenêtreDeJeu {
 protected:
  // A game under way: one throw made, the clock running.
  void EnJeu(Langue langue = Langue::Français) {
    Ouvrir(langue);
    NouvellePartie(1);
    Jeter("12345");
  }
};

TEST_F(Menus, F9AnsweredNoLeavesTheGameAndItsClockRunning) {
  EnJeu();
  const ino_t inode = Inode(environnement.Options());
  RépondeurBoîtes boîtes({false});
  Touche(Qt::Key_F9);

  EXPECT_EQ(boîtes.Textes(), std::vector<QString>{Q("Voulez-vous vraiment arrêter ROLVEX ?")});
  EXPECT_TRUE(fenêtre->isVisible());
  EXPECT_EQ(environnement.fins, 0);
  EXPECT_TRUE(Horloge().isActive());
  EXPECT_EQ(fenêtre->État().NbJets, 1);
  EXPECT_EQ(DésMontrés(), "12345");
  EXPECT_TRUE(W("CaseLibre(1)").isVisible());
  EXPECT_EQ(Inode(environnement.Options()), inode);

  // The game goes on where it was.
  Cliquer("CaseLibre(11)");
  EXPECT_TRUE(fenêtre->État().Cases(colonne::Libre, 11).Prise);
}

TEST_F(Menus, F9AnsweredYesSaysGoodbyeThenSavesAndEndsTheProgramInTheRunsLanguage) {
  struct Échange {
    Langue langue;
    std::vector<QString> textes;
    QString ouiNon;
  };
  const Échange échanges[] = {
      {Langue::Français, {Q("Voulez-vous vraiment arrêter ROLVEX ?"), Q("A bientôt !!!")}, "Oui/Non"},
      {Langue::Anglais, {"Do you really want to quit ROLVEX ?", "See you !!!"}, "Yes/No"}};
  for (const auto& [langue, textes, ouiNon] : échanges) {
    SCOPED_TRACE(textes[1].toStdString());
    EnJeu(langue);
    environnement.fins = 0;
    // A choice only the quit will keep: the dice faces.
    W<QAction>("MenuDésNumériques").trigger();
    const ino_t inode = Inode(environnement.Options());
    struct {
      bool caseMontrée = true, ligneMontrée = true, fichiersRéécrits = true;
    } vu;
    RépondeurBoîtes boîtes({true}, [&](const RépondeurBoîtes::Vue& v) {
      if (v.ok.isEmpty()) return;  // the question
      vu = {W("CaseLibre(1)").isVisible(), W("CaseInfoGauche(1)").isVisible(),
            Inode(environnement.Options()) != inode};
    });
    Touche(Qt::Key_F9);

    EXPECT_EQ(boîtes.Textes(), textes);
    ASSERT_FALSE(boîtes.Vues().empty());
    EXPECT_EQ(boîtes.Vues()[0].oui + "/" + boîtes.Vues()[0].non, ouiNon);
    EXPECT_EQ(boîtes.Vues()[0].titre, "ROLVEX");
    // The sheet is gone behind the farewell, and nothing is written before it is read.
    EXPECT_FALSE(vu.caseMontrée);
    EXPECT_FALSE(vu.ligneMontrée);
    EXPECT_FALSE(vu.fichiersRéécrits);

    EXPECT_NE(Inode(environnement.Options()), inode);
    const DonnéesOptions disque = LireFichiers();
    EXPECT_EQ(disque.TypeDés, 2);
    EXPECT_EQ(disque.ModeJeu, 1);
    EXPECT_EQ(disque.NomJoueur, "Zoé");
    EXPECT_FALSE(fenêtre->isVisible());
    EXPECT_EQ(environnement.fins, 1);
  }
}

// The close box ends the run at once: no question, no farewell, nothing saved.
TEST_F(Menus, TheCloseBoxAsksNothingAndSavesNothing) {
  EnJeu();
  W<QAction>("MenuDésNumériques").trigger();
  const std::vector<std::uint8_t> options = Octets(environnement.Options());
  const ino_t inode = Inode(environnement.Options());
  RépondeurBoîtes boîtes;
  EXPECT_TRUE(fenêtre->close());
  EXPECT_TRUE(boîtes.Vues().empty());
  EXPECT_FALSE(fenêtre->isVisible());
  EXPECT_EQ(Inode(environnement.Options()), inode);
  EXPECT_EQ(Octets(environnement.Options()), options);
  EXPECT_EQ(LireFichiers().TypeDés, 1);
}

// The help of the language chosen at start-up, found beside the program.
QString FichierMontré(FormRolvex& fenêtre) {
  auto* aide = fenêtre.findChild<QWidget*>(QStringLiteral("FenetreAide"));
  if (!aide || !aide->isVisible()) return {};
  return aide->findChild<QTextBrowser*>()->document()->baseUrl().toLocalFile();
}

TEST_F(Menus, F1OpensTheHelpOfTheRunsLanguageFoundBesideTheProgram) {
  const std::pair<Langue, const char*> aides[] = {{Langue::Français, "rolvexFr.hlp"},
                                                  {Langue::Anglais, "rolvexUs.hlp"}};
  for (const auto& [langue, nom] : aides) {
    Ouvrir(langue);
    Touche(Qt::Key_F1);
    const QFileInfo fichier(FichierMontré(*fenêtre));
    EXPECT_EQ(fichier.fileName(), nom);
    EXPECT_EQ(fichier.absolutePath(),
              QFileInfo(QCoreApplication::applicationDirPath()).absoluteFilePath());
    EXPECT_TRUE(fichier.isFile());
  }
}

TEST_F(Menus, TheAboutBoxGivesTitleAndVersion) {
  for (Langue langue : {Langue::Français, Langue::Anglais}) {
    Ouvrir(langue);
    RépondeurBoîtes boîtes;
    W<QAction>("MenuAbout").trigger();
    ASSERT_EQ(boîtes.Vues().size(), 1u);
    EXPECT_TRUE(boîtes.Vues()[0].texte.startsWith("ROLVEX - version 1.2")) << boîtes.Vues()[0].texte.toStdString();
    EXPECT_EQ(boîtes.Vues()[0].titre, "ROLVEX");
  }
}

}  // namespace
}  // namespace rolvex::app
