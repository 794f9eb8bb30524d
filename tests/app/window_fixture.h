// A main window shown as the player sees it, with dice the test chooses. Beside it stands a twin
// session fed the command each gesture stands for: a gesture is right when both sessions then
// agree, whatever the rules made of it. And every widget must show what the window's own session
// last reported, in the words of the functions that own each text.
#pragma once

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/controls.h"
#include "app/high_scores_panel.h"
#include "app/main_window.h"
#include "app/params_dialog.h"
#include "app/startup.h"
#include "tests/ui/qt_print.h"
#include "texts/accessible_texts.h"
#include "texts/messages.h"
#include "ui/dice_pictures.h"
#include "ui/picture.h"

namespace rolvex::app {

inline QString Q(std::string_view texte) { return ui::EnQString(texte); }
// A text as a message box shows it.
inline QString Boite(std::string_view texte) { return ui::AvecSautsDeLigne(Q(texte)); }

inline constexpr std::array Familles = {Famille::PanelScoreClassement, Famille::PanelScoreNom,
                                        Famille::PanelScoreTemps, Famille::PanelScoreNbFigures,
                                        Famille::PanelScoreScore};

// Answers every message box shown while it lives, as the player would: OK, or Yes to the first
// `oui` questions and No after. `pendant` looks at the screen while each box is up.
struct RepondeurBoites {
  struct Vue {
    QString texte, titre, ok, oui, non;  // a button the box has not is empty
    QWidget* parent;
  };
  explicit RepondeurBoites(int oui = 0, std::function<void(const Vue&)> pendant = {})
      : oui(oui), pendant(std::move(pendant)) {
    QObject::connect(&veille, &QTimer::timeout, [this] { Regarder(); });
    veille.start(5);
  }
  void Regarder() {
    auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!b || !b->isVisible()) return;
    auto texte = [&](auto bouton) { return b->button(bouton) ? b->button(bouton)->text() : ""; };
    vues.push_back({b->text(), b->windowTitle(), texte(QMessageBox::Ok), texte(QMessageBox::Yes),
                    texte(QMessageBox::No), b->parentWidget()});
    if (pendant) pendant(vues.back());
    const auto reponse = !b->button(QMessageBox::Yes) ? QMessageBox::Ok
                         : oui-- > 0                  ? QMessageBox::Yes
                                                      : QMessageBox::No;
    QTest::mouseClick(b->button(reponse), Qt::LeftButton);
  }
  int oui;
  std::function<void(const Vue&)> pendant;
  std::vector<Vue> vues;
  QTimer veille;
};

// A data folder of the test's own, and an end of the program that only counts.
struct EnvironnementDeTest {
  QTemporaryDir racine;
  int fins = 0;
  std::filesystem::path Dossier() const { return QFile::encodeName(racine.path()).toStdString(); }
  Environnement Pour() {
    return {[this] { return DossiersDonnees{Dossier(), Dossier()}; }, [this] { ++fins; }};
  }
  // A save puts a new file in the old one's place.
  ino_t InodeOptions() const {
    struct stat etat {};
    return ::stat(CheminFichierOptions(Dossier()).c_str(), &etat) == 0 ? etat.st_ino : 0;
  }
};

// What a screen reader says of the control.
inline void VerifierNom(const QWidget& w, const TexteAccessible& t, bool description = true) {
  EXPECT_EQ(w.accessibleName(), Q(t.nom)) << w.objectName().toStdString();
  EXPECT_EQ(w.accessibleDescription(), description ? Q(t.description) : w.accessibleDescription())
      << w.objectName().toStdString();
}

// Whether two sessions that were given the same commands stand in the same game.
inline bool MemePartie(const EtatPartie& a, const EtatPartie& b) {
  auto cle = [](const EtatPartie& e) {
    return std::tie(e.ModeJeu, e.TypeDes, e.NbColonnes, e.Des, e.DesGardes, e.SelectionDroite,
                    e.NbJets, e.FigureAnnoncee, e.NumeroTour, e.PartieTerminee);
  };
  bool pareilles = cle(a) == cle(b);
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f) pareilles &= a.Cases(c, f) == b.Cases(c, f);
  return pareilles;
}

class FenetreDeJeu : public testing::Test {
 protected:
  void Ouvrir(Langue langue = Langue::Francais, QSizeF ecran = TailleEcranJeu()) {
    fenetre = std::make_unique<FormRolvex>(langue, ecran, environnement.Pour());
    jumeau = std::make_unique<Session>(muette, langue, ecran.width(), ecran.height());
    fenetre->Jeu().FixerGraine(20240601);
    jumeau->FixerGraine(20240601);
    fenetre->AfficherPleinEcran();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
    const int cote = std::min(W<QWidget>("ImageDé(1)").width(), W<QWidget>("ImageDé(1)").height());
    faces = std::make_unique<ui::ImagesDes>(cote, cote, fenetre->devicePixelRatioF());
  }

  // A control of the main window or of its dialog, by name.
  template <typename T = ui::Panneau>
  T& W(std::string_view nom) {
    T* w = Trouver<T>(*fenetre, nom);
    if (!w) w = Trouver<T>(fenetre->Params(), nom);
    if (!w) throw std::invalid_argument(std::string(nom));
    return *w;
  }
  QString Legende(std::string_view nom) { return W(nom).caption(); }
  void Cliquer(std::string_view nom, Qt::MouseButton bouton = Qt::LeftButton) {
    QTest::mouseClick(&W<QWidget>(nom), bouton);
  }
  // The mouse comes from the information line, which has no help of its own.
  void Survoler(std::string_view nom, QPoint ou = {}) {
    QTest::mouseMove(&W<QWidget>("PanelInfoDéroulement"), QPoint(1, 1));
    QTest::mouseMove(&W<QWidget>(nom), ou.isNull() ? W<QWidget>(nom).rect().center() : ou);
  }
  // The menus' keys need the window active, as it is again once a box has closed.
  void Touche(Qt::Key touche, Qt::KeyboardModifiers modificateurs = {}) {
    fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    QTest::keyClick(fenetre.get(), touche, modificateurs);
  }

  // The gesture on the window must do what `commande` does to the twin, and the widgets show it.
  void Geste(
      const std::function<void()>& geste,
      const std::function<void(Session&)>& commande = [](Session&) {}) {
    geste();
    commande(*jumeau);
    EXPECT_TRUE(MemePartie(fenetre->Etat(), jumeau->Etat()));
    EXPECT_EQ(fenetre->Jeu().TexteInfo(), jumeau->TexteInfo());
    VerifierEcran();
  }
  // The next faces ("11234") of both sessions.
  void Enfiler(std::string_view des) {
    for (char f : des) fenetre->Jeu().FileDes().Ajouter(static_cast<int16_t>(f - '0'));
    for (char f : des) jumeau->FileDes().Ajouter(static_cast<int16_t>(f - '0'));
  }
  void Jeter(std::string_view des) {
    Enfiler(des);
    Geste([&] { Cliquer("PanelOkDé"); }, [](Session& s) { s.PanelOkDe_Click(); });
  }
  void Ecrire(std::string_view des, int16_t colonne, int16_t figure) {
    Jeter(des);
    Geste([&] { Cliquer(NomCase(colonne, figure)); },
          [=](Session& s) { s.AppelCliqueCase(colonne, figure); });
  }
  // Through the dialog, as the player starts a game: mode 1..3.
  void NouvellePartie(int16_t mode, const QString& nom = QStringLiteral("Zoé")) {
    fenetre->AppelPreNouveau();
    auto& option = W<QRadioButton>(NomElement("SSOptionModeColonnes", mode));
    QTest::mouseClick(&option, Qt::LeftButton, {},
                      QPoint(option.height() / 2, option.height() / 2));
    W<QLineEdit>("TextName").setText(nom);
    Geste([&] { Cliquer("PanelOkParams"); },
          [&](Session& s) { s.PanelOkParams_Click(nom.toStdString(), mode); });
  }
  // A whole game in Libre, one throw a turn ("faces figure"): 733 points.
  void JouerUneColonne() {
    for (const char* tour :
         {"11111 13", "66664 6", "55552 5", "44441 4", "33336 3", "22225 2", "23456 1", "66655 7",
          "11223 8", "33322 9", "44445 10", "12345 11", "11123 12"})
      Ecrire(std::string_view(tour, 5), colonne::Libre, static_cast<int16_t>(atoi(tour + 6)));
  }

  QTimer& Horloge() { return *fenetre->findChild<QTimer*>(QStringLiteral("TimerChrono")); }
  static QRect EnPixels(const Rect& r) {
    return ui::EchelleTwips::DeLEcranPrincipal().EnPixels(EnTwips(r));
  }

  // Every widget the game writes shows what the session last reported.
  void VerifierEcran() {
    const Session& s = fenetre->Jeu();
    const EcranSession& e = s.Ecran();
    const EtatPartie& etat = s.Etat();
    const Langue l = s.langue();
    EXPECT_EQ(Legende("PanelInfoDéroulement"), Q(s.TexteInfo()));
    VerifierNom(W("PanelInfoDéroulement"), AccessibleInfo(s.TexteInfo(), l));
    VerifierNom(W("PanelOkDé"), AccessibleOkDe(etat, l));
    VerifierNom(W("PanelFigureRéalisée"), AccessibleFigureRealisee(etat, l));
    VerifierNom(W("PanelTotalDés"), AccessibleTotalDes(etat, l));
    VerifierNom(W("PanelScoreTotal"), AccessibleScoreTotal(etat, l));
    EXPECT_EQ(W("SuperPanelDés").isVisible(), e.partieCommencee);
    EXPECT_EQ(W<QAction>("MenuVoirScores").isEnabled(), e.partieCommencee);
    EXPECT_EQ(W<QAction>("MenuDésClassiques").isChecked(), etat.TypeDes == 1);
    EXPECT_EQ(W<QAction>("MenuDésNumériques").isChecked(), etat.TypeDes == 2);
    EXPECT_EQ(Horloge().isActive(), s.Horloge().EnMarche());
    // Before the first game the dice area is hidden and the squares keep their design.
    if (e.partieCommencee) {
      EXPECT_EQ(W("PanelOkDé").isVisible(), e.okDeVisible);
      EXPECT_EQ(W("PanelNewGame").isVisible(), !e.okDeVisible);
      EXPECT_EQ(W("PanelNewMode").isVisible(), !e.okDeVisible);
      EXPECT_EQ(Legende("PanelOkDé"), Q(e.legendeOkDe));
      EXPECT_EQ(Legende("PanelFigureRéalisée"), Q(s.TexteFigure()));
      EXPECT_EQ(Legende("PanelTotalDés"), Q(e.legendeTotalDes));
      EXPECT_EQ(Legende("PanelScoreTotal"), Q(e.legendeScoreTotal));
    }
    for (int16_t i = 1; i <= NbDes; ++i) {
      const auto& de = W<ui::Image>(NomElement("ImageDé", i));
      const int16_t m = e.imagesDes[i];
      EXPECT_EQ(de.picture().toImage(),
                (m == ImageDeFond ? faces->ImageDeFond() : faces->ModelesDes(m)).toImage());
      VerifierNom(de, AccessibleDe(etat, i, l));
    }
    for (int16_t c = 1; c <= NbColonnesMax; ++c) {
      for (int16_t f = 1; f <= NbFigures; ++f) {
        const ui::Panneau& k = W(NomCase(c, f));
        const CaseALEcran& attendue = e.cases[c][f];
        EXPECT_EQ(k.isHidden(), attendue.aspect == Aspect::Cachee) << NomCase(c, f);
        EXPECT_EQ(k.caption(), Q(attendue.legende)) << NomCase(c, f);
        EXPECT_EQ(k.mousePointer(), attendue.pointeur);
        if (const auto& a = s.Dessin(c, f).apparence) {
          EXPECT_EQ(k.foreColor(), a->CouleurTexte) << NomCase(c, f);
          EXPECT_EQ(k.backColor(), a->CouleurFond) << NomCase(c, f);
          EXPECT_EQ(k.geometry(), EnPixels(a->rect)) << NomCase(c, f);
        }
        VerifierNom(k, AccessibleCase(etat, c, f, l));
      }
      for (std::size_t i = 0; i < LignesTotaux.size(); ++i) {
        const ui::Panneau& total = W(NomTotal(LignesTotaux[i], c));
        EXPECT_EQ(total.caption(), Q(e.totaux[c][i])) << NomTotal(LignesTotaux[i], c);
        const int16_t ou = i < 2 ? bonus::Haut : bonus::Bas;
        VerifierNom(total,
                    i % 2 == 0 ? AccessibleTotal(etat, ou, c, l) : AccessibleBonus(etat, ou, c, l));
      }
    }
    EXPECT_EQ(W("PictureAireJeu").isVisible(), !e.scoresMontres);
    EXPECT_EQ(W("SuperPanelScore").isVisible(), e.scoresMontres);
    if (!e.scoresMontres) return;
    EXPECT_EQ(Legende("PanelModeColonnes"), Q(s.LegendeModeColonnes()));
    for (int16_t rang = 1; rang <= NbPlaces; ++rang)
      for (Famille famille : Familles) {
        const ui::Panneau& k = *W<SuperPanelScore>("SuperPanelScore").Cellule(famille, rang);
        EXPECT_EQ(k.caption(), Q(LegendeCelluleScore(famille, rang, (*e.tableScores)[rang])));
        EXPECT_EQ(k.foreColor(), rang == e.placeEnRouge ? RougeVif : Bleu) << rang;
        VerifierNom(k, {k.caption().toStdString(), AppelMovePanelScore(famille, rang, l)});
      }
  }

  EnvironnementDeTest environnement;
  VueSession muette;
  std::unique_ptr<FormRolvex> fenetre;
  std::unique_ptr<Session> jumeau;
  std::unique_ptr<ui::ImagesDes> faces;  // the pictures the dice must show
};

}  // namespace rolvex::app
