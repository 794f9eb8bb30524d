#include <QFileInfo>
#include <QTextBrowser>

#include "app/help_viewer.h"
#include "app/keyboard.h"
#include "tests/app/window_fixture.h"

namespace rolvex::app {
namespace {

// Each gesture on the dice area, the sheet and the high scores is the session's command for
// that control, and each report of the session reaches its widget.
using Gestes = FenetreDeJeu;

TEST_F(Gestes, OnTheDiceAndTheSquaresAreTheSessionsCommands) {
  Ouvrir();
  VerifierEcran();
  NouvellePartie(3);
  Jeter("11234");
  for (auto [de, bouton] : {std::pair{1, Qt::RightButton},
                            {1, Qt::RightButton},
                            {5, Qt::LeftButton},
                            {3, Qt::MiddleButton},
                            {2, Qt::LeftButton}})
    Geste([&] { Cliquer(NomElement("ImageDé", de), bouton); },
          [&](Session& s) { s.ImageDe_MouseDown(int16_t(de), int16_t(bouton)); });
  for (int16_t de : {5, 2})
    Geste([&] { Cliquer(NomElement("PanelDé", de)); }, [&](Session& s) { s.PanelDe_Click(de); });

  // The help of every square on screen, of the panels, of the bonuses by their own gesture.
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f)
      if (W(NomCase(c, f)).isVisible())
        Geste([&] { Survoler(NomCase(c, f)); }, [&](Session& s) { s.SurvolerCase(c, f); });
  for (auto [nom, panneau] : {std::pair{"PanelFigureRéalisée", Seul::PanelFigureRealisee},
                              {"PanelScoreTotal", Seul::PanelScoreTotal}})
    Geste([&] { Survoler(nom); }, [&](Session& s) { s.SurvolerPanel(panneau); });
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t ou : {bonus::Haut, bonus::Bas}) {
      const std::string nom = NomTotal(ou == 1 ? LigneTotal::BonusHaut : LigneTotal::BonusBas, c);
      const bool clic = GesteAideBonus(ou, c) == GesteAide::Clic;
      Geste([&] { Survoler("PanelTotalDés"); },
            [](Session& s) { s.SurvolerPanel(Seul::PanelTotalDes); });
      if (clic) Geste([&] { Survoler(nom); });
      Geste([&] { clic ? Cliquer(nom) : Survoler(nom); },
            [&](Session& s) { s.SurvolerBonus(ou, c); });
    }
  Geste([&] { Survoler("PictureAireJeu", {2, 2}); }, [](Session& s) { s.SurvolerAire(); });

  // A square of each column, and the faces' menu over dice kept between two throws.
  Geste([&] { Cliquer("CaseDescente(1)"); }, [](Session& s) { s.AppelCliqueCase(2, 1); });
  Ecrire("66666", colonne::Montee, 13);
  Ecrire("33322", colonne::Seche, 9);
  Ecrire("12345", colonne::Deux, 11);
  Ecrire("44441", colonne::Libre, 4);
  Ecrire("55552", colonne::Annonce, 5);
  Geste([&] { W<QAction>("MenuDésNumériques").trigger(); }, [](Session& s) { s.ChoisirFaces(2); });
  Geste([&] { Cliquer("CaseAnnonce(5)"); }, [](Session& s) { s.AppelCliqueCase(6, 5); });
  Geste([&] { W<QAction>("MenuDésClassiques").trigger(); }, [](Session& s) { s.ChoisirFaces(1); });
}

// The clock ticks the session once a second while the session runs it. The end of a game shows
// the table with its new row in red while the place is announced; the next game turns it blue.
TEST_F(Gestes, TheEndOfAGameAndTheHighScoresShowWhatTheSessionReports) {
  Ouvrir(Langue::Anglais);
  NouvellePartie(1);
  EXPECT_EQ(Horloge().interval(), 1000);
  Horloge().setInterval(24 * 3600 * 1000);  // the test ticks the clock itself
  const int32_t avant = fenetre->Jeu().Horloge().SecondesPartie();
  QTimerEvent tic(Horloge().timerId());
  QCoreApplication::sendEvent(&Horloge(), &tic);
  EXPECT_EQ(fenetre->Jeu().Horloge().SecondesPartie(), avant + 1);
  {
    RepondeurBoites boites(0, [&](const RepondeurBoites::Vue&) { VerifierEcran(); });
    JouerUneColonne();
    ASSERT_EQ(boites.vues.size(), 1u);
    EXPECT_EQ(boites.vues[0].texte,
              Boite(MessagePlace(fenetre->Jeu().Ecran().placeEnRouge, Langue::Anglais)));
    EXPECT_EQ(boites.vues[0].titre + boites.vues[0].ok,
              Q(TitreApplication) + Q(TextesBoutons(Langue::Anglais).Ok));
  }
  ASSERT_GT(fenetre->Jeu().Ecran().placeEnRouge, 0);
  Geste([&] { Cliquer("PanelEffacerScores"); }, [](Session& s) { s.EffacerScores(); });
  Geste([&] { Touche(Qt::Key_F4); }, [](Session& s) { s.AfficherScores(); });
  for (Famille famille : Familles)
    for (int16_t rang = 1; rang <= NbPlaces; ++rang)
      Geste(
          [&] {
            Survoler(W<SuperPanelScore>("SuperPanelScore")
                         .Cellule(famille, rang)
                         ->objectName()
                         .toStdString());
          },
          [&](Session& s) { s.SurvolerPanelScore(famille, rang); });
  Geste([&] { Cliquer("PanelNewMode"); });
  EXPECT_TRUE(fenetre->Params().isVisible());
  Geste([&] { Cliquer("PanelCancelParams"); });
  Geste([&] { Cliquer("PanelNewGame"); }, [](Session& s) { s.AppelNouveau(); });
  Geste([&] { Touche(Qt::Key_F4); }, [](Session& s) { s.AfficherScores(); });
}

// Keys act through the very commands the mouse gives on the same controls: 1 to 5 (and the
// French keyboard's & é " ' () the left button on a die, Space and both Enter keys the throw
// button; never with Control or Alt, never repeated, never while the dialog is open. The arrows
// frame the squares that can be chosen, explained as under the mouse, and Enter writes the
// framed one; Escape, or a square written with the mouse, takes the frame away, and the next
// arrow comes back near where it stood.
class Clavier : public FenetreDeJeu {
 protected:
  void Frappe(Qt::Key touche, Qt::KeyboardModifiers modificateurs = {}) {
    QTest::keyClick(fenetre.get(), touche, modificateurs);
  }
  std::optional<ClavierJeu::Case> Encadree() {
    return static_cast<ClavierJeu*>(fenetre->findChild<QObject*>("ClavierJeu"))->CaseEncadree();
  }
  void Fleche(Qt::Key touche, int16_t colonne, int16_t figure) {
    Geste([&] { Frappe(touche); }, [=](Session& s) { s.SurvolerCase(colonne, figure); });
    EXPECT_EQ(Encadree(), (ClavierJeu::Case{colonne, figure}));
  }
  void JeterAuClavier(std::string_view des, Qt::Key touche) {
    Enfiler(des);
    Geste([&] { Frappe(touche); }, [](Session& s) { s.PanelOkDe_Click(); });
  }
};

TEST_F(Clavier, DigitsAndThrowKeysAreTheMousesCommands) {
  Ouvrir();
  Geste([&] { Frappe(Qt::Key_Space); });
  Geste([&] { Frappe(Qt::Key_1); });
  NouvellePartie(1);
  JeterAuClavier("12345", Qt::Key_Space);
  for (auto [touche, de] : {std::pair{Qt::Key_1, 1},
                            {Qt::Key_5, 5},
                            {Qt::Key_Ampersand, 1},
                            {Qt::Key_Eacute, 2},
                            {Qt::Key_QuoteDbl, 3},
                            {Qt::Key_Apostrophe, 4},
                            {Qt::Key_ParenLeft, 5},
                            {Qt::Key_2, 2}})
    Geste([&] { Frappe(touche); }, [&](Session& s) { s.ImageDe_MouseDown(int16_t(de), 1); });
  Geste([&] { Frappe(Qt::Key_3, Qt::ControlModifier); });
  Geste([&] { Frappe(Qt::Key_4, Qt::AltModifier); });
  QKeyEvent repetee(QEvent::KeyPress, Qt::Key_3, {}, QStringLiteral("3"), true);
  Geste([&] { QApplication::sendEvent(fenetre.get(), &repetee); });
  JeterAuClavier("6", Qt::Key_Return);
  Geste([&] { Frappe(Qt::Key_4); }, [](Session& s) { s.ImageDe_MouseDown(4, 1); });
  JeterAuClavier("6", Qt::Key_Enter);
  fenetre->AppelPreNouveau();
  Enfiler("1");
  Geste([&] { Frappe(Qt::Key_Space); });
}

TEST_F(Clavier, ArrowsFrameTheSquaresThatCanBeChosenAndEnterWritesIt) {
  Ouvrir();
  NouvellePartie(2);
  Geste([&] { Frappe(Qt::Key_Down); });
  EXPECT_EQ(Encadree(), std::nullopt);
  Jeter("33322");
  Fleche(Qt::Key_Down, colonne::Descente, figure::As);
  Fleche(Qt::Key_Down, colonne::Libre, figure::Deux);
  Fleche(Qt::Key_Up, colonne::Libre, figure::As);
  Fleche(Qt::Key_Right, colonne::Montee, figure::Yam);
  Geste([&] { Frappe(Qt::Key_Right); });
  Fleche(Qt::Key_Left, colonne::Libre, figure::Yam);
  for (int16_t f : {figure::PetitTotal, figure::Suite, figure::Carre, figure::Full})
    Fleche(Qt::Key_Up, colonne::Libre, f);
  QWidget& cadre = *fenetre->findChild<QWidget*>("CadreFocus");
  EXPECT_TRUE(cadre.isVisible() && cadre.testAttribute(Qt::WA_TransparentForMouseEvents));
  EXPECT_TRUE(cadre.geometry().contains(W("CaseLibre(9)").geometry().adjusted(-1, -1, 1, 1)));
  // A black then a white line, each two pixels wide, so that it shows on every column's colour.
  const QImage bord = cadre.grab().toImage();
  const char* lignes[] = {"#000000", "#000000", "#ffffff", "#ffffff"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(bord.pixelColor(i, bord.height() / 2).name(), lignes[i]);
  EXPECT_NE(bord.pixelColor(4, bord.height() / 2).name(), "#ffffff");
  Geste([&] { Frappe(Qt::Key_Return); }, [](Session& s) { s.AppelCliqueCase(1, figure::Full); });
  EXPECT_FALSE(cadre.isVisible());
  Jeter("12345");
  Fleche(Qt::Key_Up, colonne::Libre, figure::Mini);
  Fleche(Qt::Key_Down, colonne::Libre, figure::Carre);
  Geste([&] { Frappe(Qt::Key_Escape); });
  EXPECT_FALSE(cadre.isVisible());
  Geste([&] { Frappe(Qt::Key_1); }, [](Session& s) { s.ImageDe_MouseDown(1, 1); });
  JeterAuClavier("6", Qt::Key_Return);
  Fleche(Qt::Key_Down, colonne::Libre, figure::Carre);
  Geste([&] { Cliquer("CaseLibre(5)"); }, [](Session& s) { s.AppelCliqueCase(1, 5); });
  EXPECT_TRUE(!Encadree() && !cadre.isVisible());
}

// The menus in the run's language: F1 shows the help of the language; the About box and the
// quit question carry the game's title and buttons; No keeps the game, Yes unloads the sheet
// during the farewell, then ends the run.
using Menus = FenetreDeJeu;

TEST_F(Menus, SpeakTheRunsLanguageAndOnlyYesEndsTheRun) {
  for (Langue l : {Langue::Francais, Langue::Anglais}) {
    Ouvrir(l);
    environnement.fins = 0;
    const BoutonsMessage boutons = TextesBoutons(l);
    Touche(Qt::Key_F1);
    auto* aide = fenetre->findChild<QTextBrowser*>();
    ASSERT_TRUE(aide && aide->isVisible());
    EXPECT_EQ(aide->document()->baseUrl().toLocalFile(),
              QFileInfo(FichierAide(l)).absoluteFilePath());
    {
      RepondeurBoites boites;
      W<QAction>("MenuAbout").trigger();
      Touche(Qt::Key_F9);
      ASSERT_EQ(boites.vues.size(), 2u);
      EXPECT_EQ(boites.vues[0].texte + boites.vues[0].ok, Boite(TexteAPropos(l)) + Q(boutons.Ok));
      EXPECT_EQ(boites.vues[1].texte, Boite(QuestionQuitter(l)));
      EXPECT_EQ(boites.vues[1].oui + boites.vues[1].non, Q(boutons.Oui) + Q(boutons.Non));
      for (const auto& vue : boites.vues) EXPECT_EQ(vue.titre, Q(TitreApplication));
    }
    EXPECT_TRUE(fenetre->isVisible() && environnement.fins == 0);
    const QList<int> touches{Qt::Key_F1, Qt::Key_F2, Qt::Key_F4, Qt::Key_F9};
    for (const QAction* a : fenetre->findChildren<QAction*>())  // no other key
      EXPECT_TRUE(a->shortcut().isEmpty() || touches.contains(a->shortcut()[0].key()));
    bool decharge = true;
    RepondeurBoites boites(1, [&](const RepondeurBoites::Vue& vue) {
      for (int16_t f = 1; f <= NbFigures && !vue.ok.isEmpty(); ++f)  // the farewell
        decharge &= W(NomCase(6, f)).isHidden() && W(NomEtiquette(Cote::Droite, f)).isHidden() &&
                    W(NomElement("PanelScoreNom", f > 10 ? 10 : f)).isHidden();
    });
    Touche(Qt::Key_F9);
    ASSERT_EQ(boites.vues.size(), 2u);
    EXPECT_EQ(boites.vues[1].texte, Boite(TexteAuRevoir(l)));
    EXPECT_TRUE(decharge && !fenetre->isVisible() && environnement.fins == 1);
  }
}

// The close box ends the run at once: no question, nothing saved, and the windows it owns go.
TEST_F(Menus, TheCloseBoxAsksNothingSavesNothingAndTakesTheOtherWindowsAlong) {
  Ouvrir();
  NouvellePartie(1);
  W<QAction>("MenuDésNumériques").trigger();  // a choice only a save would keep
  Touche(Qt::Key_F1);
  Touche(Qt::Key_F2);
  const ino_t inode = environnement.InodeOptions();
  RepondeurBoites boites;
  EXPECT_TRUE(fenetre->close());
  QTest::qWait(20);
  EXPECT_TRUE(boites.vues.empty() && environnement.fins == 0);
  EXPECT_EQ(environnement.InodeOptions(), inode);
  for (const QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace rolvex::app
