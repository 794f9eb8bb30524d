#include "tests/app/window_fixture.h"

namespace rolvex::app {
namespace {

// The name dialog: OK records the name and mode and starts the game, cancel changes nothing,
// and either way the main window answers again.
class DialogueNom : public FenetreDeJeu {
 protected:
  void SetUp() override {
    Ouvrir();
    Cliquer("PanelStart");
  }
  FormParams& Dialogue() { return fenetre->Params(); }
  QLineEdit& Nom() { return W<QLineEdit>("TextName"); }
  QRadioButton& Option(int mode) {
    return W<QRadioButton>(NomControle("SSOptionModeColonnes", mode));
  }
};

TEST_F(DialogueNom, OpensOverADisabledMainWindowWithItsTexts) {
  EXPECT_TRUE(Dialogue().isVisible());
  EXPECT_FALSE(fenetre->isEnabled());
  EXPECT_FALSE(W("PanelStart").isVisible());
  EXPECT_EQ(Dialogue().windowTitle(), "OPTIONS");
  EXPECT_FALSE(Dialogue().windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(Nom().text(), "");  // the last player's name, none on a first run
  EXPECT_EQ(Nom().maxLength(), 12);
  EXPECT_EQ(Nom().alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
  EXPECT_TRUE(Option(3).isChecked());
  EXPECT_EQ(Option(1).text(), "COLONNE UNIQUE");
  EXPECT_EQ(W<QGroupBox>("FrameModeColonnes").title(), "MODE DE JEU ?");
  EXPECT_EQ(Legende("PanelCancelParams"), "ANNULER");
}

TEST_F(DialogueNom, AClickInTheNameBoxEmptiesIt) {
  Nom().setText(QStringLiteral("Ana"));
  QTest::mouseClick(&Nom(), Qt::LeftButton);
  EXPECT_EQ(Nom().text(), "");
  QTest::keyClicks(&Nom(), QStringLiteral("Bartholomew-Anatole"));
  EXPECT_EQ(Nom().text(), QStringLiteral("Bartholomew-"));
}

TEST_F(DialogueNom, EmptyNameIsRefusedWithAMessageAndTheDialogStays) {
  QTest::mouseClick(&Nom(), Qt::LeftButton);
  RepondeurBoites boites;
  Cliquer("PanelOkParams");
  ASSERT_EQ(boites.Vues().size(), 1u);
  EXPECT_EQ(boites.Vues()[0].texte, "Vous devez saisir votre nom...");
  EXPECT_EQ(boites.Vues()[0].ok, "OK");
  EXPECT_TRUE(Dialogue().isVisible());
  EXPECT_FALSE(fenetre->isEnabled());
  EXPECT_EQ(fenetre->Etat().NumeroTour, 0);
}

TEST_F(DialogueNom, OkRecordsNameAndModeAndStartsTheGame) {
  CocherMode(2);
  QTest::mouseClick(&Nom(), Qt::LeftButton);
  QTest::keyClicks(&Nom(), QStringLiteral("  "));
  Cliquer("PanelOkParams");
  EXPECT_FALSE(Dialogue().isVisible());
  EXPECT_TRUE(fenetre->isEnabled());
  EXPECT_EQ(Q(fenetre->Jeu().NomJoueur()), "  ");
  EXPECT_EQ(fenetre->Etat().ModeJeu, 2);
  EXPECT_EQ(fenetre->Etat().NbColonnes, 3);
  EXPECT_EQ(fenetre->Etat().NumeroTour, 1);
  EXPECT_TRUE(W("SuperPanelDés").isVisible());
  EXPECT_EQ(Legende("PanelModeColonnes"), "3 colonnes");
  EXPECT_TRUE(W<QAction>("MenuVoirScores").isEnabled());
  EXPECT_TRUE(W("CaseNomMontée").isVisible());
  EXPECT_FALSE(W("CaseNomSèche").isVisible());
}

TEST_F(DialogueNom, CancelChangesNothingButTheDialogKeepsWhatWasTyped) {
  CocherMode(1);
  Nom().setText(QStringLiteral("Léa"));
  Cliquer("PanelCancelParams");
  EXPECT_FALSE(Dialogue().isVisible());
  EXPECT_TRUE(fenetre->isEnabled());
  EXPECT_EQ(fenetre->Etat().ModeJeu, 3);
  EXPECT_EQ(Q(fenetre->Jeu().NomJoueur()), "");
  EXPECT_EQ(fenetre->Etat().NumeroTour, 0);
  EXPECT_FALSE(W("PanelStart").isVisible());

  // F2 opens it again as it was left; its OK takes what it shows.
  QTest::keyClick(fenetre.get(), Qt::Key_F2);
  ASSERT_TRUE(Dialogue().isVisible());
  EXPECT_TRUE(Option(1).isChecked());
  EXPECT_EQ(Nom().text(), Q("Léa"));
  Cliquer("PanelOkParams");
  EXPECT_EQ(fenetre->Etat().NbColonnes, 1);
  EXPECT_EQ(Q(fenetre->Jeu().NomJoueur()), Q("Léa"));
}

// The keyboard starts in the name box with the last name selected: typing replaces it.
TEST_F(DialogueNom, TypingAtOnceReplacesTheLastName) {
  Nom().setText(QStringLiteral("Zoé"));
  Cliquer("PanelOkParams");
  QTest::keyClick(fenetre.get(), Qt::Key_F2);
  ASSERT_TRUE(Dialogue().isVisible());
  EXPECT_EQ(Dialogue().focusWidget(), &Nom());
  QTest::keyClicks(Dialogue().focusWidget(), QStringLiteral("Noah"));
  QTest::keyClick(Dialogue().focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Q(fenetre->Jeu().NomJoueur()), QStringLiteral("Noah"));
}

// Enter and Escape answer wherever the dialog's keyboard focus is, as OK and cancel do.
TEST_F(DialogueNom, EnterInTheNameBoxStartsTheGame) {
  CocherMode(1);
  Nom().setText(QStringLiteral("Zoé"));
  QTest::keyClick(&Nom(), Qt::Key_Return);
  EXPECT_FALSE(Dialogue().isVisible());
  EXPECT_TRUE(fenetre->isEnabled());
  EXPECT_EQ(fenetre->Etat().NumeroTour, 1);
  EXPECT_EQ(fenetre->Etat().NbColonnes, 1);
  EXPECT_EQ(Q(fenetre->Jeu().NomJoueur()), Q("Zoé"));
}

TEST_F(DialogueNom, EscapeInTheNameBoxOrThePlatformsCloseLeaveAsCancelDoes) {
  Nom().setText(QStringLiteral("Zoé"));
  QTest::keyClick(&Nom(), Qt::Key_Escape);
  EXPECT_FALSE(Dialogue().isVisible());
  EXPECT_TRUE(fenetre->isEnabled());
  EXPECT_EQ(fenetre->Etat().NumeroTour, 0);

  QTest::keyClick(fenetre.get(), Qt::Key_F2);
  ASSERT_TRUE(Dialogue().isVisible());
  EXPECT_TRUE(Dialogue().close());
  EXPECT_FALSE(Dialogue().isVisible());
  EXPECT_TRUE(fenetre->isEnabled());
  EXPECT_EQ(fenetre->Etat().NumeroTour, 0);
}

// F2 during a game: OK abandons it for a new one, cancel goes back to it untouched.
TEST_F(DialogueNom, F2DuringAGameThenCancelLeavesTheGameAsItWas) {
  Nom().setText(QStringLiteral("Zoé"));
  Cliquer("PanelOkParams");
  Jeter("66666");
  QTest::keyClick(fenetre.get(), Qt::Key_F2);
  ASSERT_TRUE(Dialogue().isVisible());
  // The disabled main window ignores the player meanwhile.
  Cliquer("CaseLibre(13)");
  EXPECT_FALSE(fenetre->Etat().Cases(colonne::Libre, 13).Prise);
  Cliquer("PanelCancelParams");
  EXPECT_EQ(Legende("PanelOkDé"), "1");
  EXPECT_EQ(Legende("CaseLibre(13)"), "100");
  Cliquer("CaseLibre(13)");
  EXPECT_TRUE(fenetre->Etat().Cases(colonne::Libre, 13).Prise);
}

// The close box ends the run at once: no question, and the dialog goes with the window.
TEST_F(DialogueNom, ClosingTheMainWindowAsksNothing) {
  RepondeurBoites boites;
  EXPECT_TRUE(fenetre->close());
  QTest::qWait(10);
  EXPECT_TRUE(boites.Vues().empty());
  EXPECT_FALSE(fenetre->isVisible());
  EXPECT_FALSE(Dialogue().isVisible());
}

}  // namespace
}  // namespace rolvex::app
