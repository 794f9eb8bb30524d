// A main window shown as the player sees it, with dice the test chooses, and the gestures of
// the player on its widgets.
#pragma once

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls.h"
#include "app/main_window.h"
#include "app/params_dialog.h"
#include "records/data_files.h"
#include "records/file_store.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "engine/dice.h"
#include "tests/ui/qt_print.h"
#include "ui/dice_pictures.h"
#include "ui/panel.h"
#include "ui/picture.h"

namespace rolvex {
inline void PrintTo(Langue langue, std::ostream* os) {
  *os << (langue == Langue::Francais ? "French" : "English");
}
}  // namespace rolvex

namespace rolvex::app {

// A UTF-8 literal as Qt shows it.
inline QString Q(std::string_view texte) { return ui::EnQString(texte); }

// Answers every message box shown while it lives, as the player would: OK, or the next of
// `réponses` to a Yes/No question (No once they run out). Notes what each box said; `pendant`
// looks at the window while the box is up.
class RepondeurBoites {
 public:
  struct Vue {
    QString texte, titre;
    QString oui, non, ok;  // the buttons' captions; empty for a button the box has not
  };

  explicit RepondeurBoites(std::vector<bool> reponses = {},
                           std::function<void(const Vue&)> pendant = {})
      : reponses_(std::move(reponses)), pendant_(std::move(pendant)) {
    QObject::connect(&veille_, &QTimer::timeout, [this] { Regarder(); });
    veille_.start(5);
  }
  const std::vector<Vue>& Vues() const { return vues_; }
  std::vector<QString> Textes() const {
    std::vector<QString> textes;
    for (const Vue& v : vues_) textes.push_back(v.texte);
    return textes;
  }

 private:
  void Regarder() {
    auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!boite || !boite->isVisible()) return;
    auto legende = [&](QMessageBox::StandardButton b) {
      return boite->button(b) ? boite->button(b)->text() : QString();
    };
    const Vue vue{boite->text(), boite->windowTitle(), legende(QMessageBox::Yes),
                  legende(QMessageBox::No), legende(QMessageBox::Ok)};
    vues_.push_back(vue);
    if (pendant_) pendant_(vue);
    QMessageBox::StandardButton reponse = QMessageBox::Ok;
    if (boite->button(QMessageBox::Yes)) {
      const bool oui = suivante_ < reponses_.size() && reponses_[suivante_];
      ++suivante_;
      reponse = oui ? QMessageBox::Yes : QMessageBox::No;
    }
    QTest::mouseClick(boite->button(reponse), Qt::LeftButton);
  }

  std::vector<bool> reponses_;
  std::size_t suivante_ = 0;
  std::function<void(const Vue&)> pendant_;
  std::vector<Vue> vues_;
  QTimer veille_;
};

// A folder of data files of the test's own, and an end of the program that only counts: a
// window that quits must not end the test.
struct EnvironnementDeTest {
  QTemporaryDir racine;
  std::filesystem::path ailleurs;  // the data files' folder instead of the temporary one, if set
  int fins = 0;

  std::filesystem::path Racine() const {
    return std::filesystem::path(QFile::encodeName(racine.path()).toStdString());
  }
  std::filesystem::path Dossier() const { return ailleurs.empty() ? Racine() : ailleurs; }
  std::filesystem::path Options() const { return CheminFichierOptions(Dossier()); }
  std::filesystem::path Noms() const { return CheminFichierNoms(Dossier()); }
  Environnement Pour() {
    return {[this] { return DossiersDonnees{Dossier(), Dossier()}; }, [this] { ++fins; }};
  }
};

// A control of the main window or of its dialog, by name.
template <typename T = ui::Panneau>
T& Controle(FormRolvex& fenetre, std::string_view nom) {
  T* widget = Trouver<T>(fenetre, nom);
  if (!widget) widget = Trouver<T>(fenetre.Params(), nom);
  EXPECT_NE(widget, nullptr) << "no control " << nom;
  return *widget;
}

inline void EcrireOctets(const std::filesystem::path& fichier,
                         const std::vector<std::uint8_t>& octets) {
  std::ofstream f(fichier, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(octets.data()),
          static_cast<std::streamsize>(octets.size()));
}

class FenetreDeJeu : public testing::Test {
 protected:
  EnvironnementDeTest environnement;
  std::unique_ptr<FormRolvex> fenetre;

  void Ouvrir(Langue langue = Langue::Francais) {
    ASSERT_TRUE(environnement.racine.isValid());
    fenetre = std::make_unique<FormRolvex>(langue, TailleEcranJeu(), environnement.Pour());
    // The dice the test does not choose still come in a fixed order.
    fenetre->Jeu().FixerGraine(20240601);
    fenetre->AfficherPleinEcran();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre.get()));
  }

  template <typename T = ui::Panneau>
  T& W(std::string_view nom) {
    return Controle<T>(*fenetre, nom);
  }
  QString Legende(std::string_view nom) { return W(nom).caption(); }
  QString Info() { return Legende("PanelInfoDéroulement"); }

  void Cliquer(std::string_view nom, Qt::MouseButton bouton = Qt::LeftButton) {
    QTest::mouseClick(&W<QWidget>(nom), bouton);
  }
  void Survoler(std::string_view nom, QPoint ou = {}) {
    QWidget& w = W<QWidget>(nom);
    // The mouse comes from elsewhere, as it does when the player moves it onto the control:
    // from the information line, which has no help of its own.
    QTest::mouseMove(&W<QWidget>("PanelInfoDéroulement"), QPoint(1, 1));
    QTest::mouseMove(&w, ou.isNull() ? w.rect().center() : ou);
  }

  // A key of the menus, pressed while the window has the focus, as it has again once a
  // message box is closed.
  void Touche(Qt::Key touche) {
    fenetre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenetre.get()));
    QTest::keyClick(fenetre.get(), touche);
  }

  // Queues the faces ("11234") then presses the throw button.
  void Jeter(std::string_view faces) {
    for (char f : faces) fenetre->Jeu().FileDes().Ajouter(static_cast<int16_t>(f - '0'));
    Cliquer("PanelOkDé");
  }

  // Through the dialog, as the player starts a game: mode 1..3.
  void NouvellePartie(int mode, const QString& nom = QStringLiteral("Zoé")) {
    fenetre->AppelPreNouveau();
    CocherMode(mode);
    W<QLineEdit>("TextName").setText(nom);
    Cliquer("PanelOkParams");
  }

  // A click on the round button of an option, where the player clicks.
  void CocherMode(int mode) {
    QRadioButton& option = W<QRadioButton>(NomControle("SSOptionModeColonnes", mode));
    QTest::mouseClick(&option, Qt::LeftButton, {},
                      QPoint(option.height() / 2, option.height() / 2));
  }

  // The face picture a die shows: 0..11, ImageDeFond for the empty place, -2 for another.
  int FaceMontree(int de) {
    const ui::Image& image = W<ui::Image>(NomControle("ImageDé", de));
    const QImage montree = image.picture().toImage().convertToFormat(QImage::Format_ARGB32);
    const int cote = std::min(image.width(), image.height());
    const qreal ratio = fenetre->devicePixelRatioF();
    auto pareille = [&](const QPixmap& p) {
      return p.toImage().convertToFormat(QImage::Format_ARGB32) == montree;
    };
    if (pareille(ui::ImageDeVide(cote, ratio))) return ImageDeFond;
    for (int e = 0; e < ui::NbModelesDes; ++e)
      if (pareille(ui::ImageModeleDe(e, cote, ratio))) return e;
    return -2;
  }
  // The values shown by the five dice, "11?23", whatever their face style; '?' for the empty
  // place, '!' for a picture that is none of the game's.
  std::string DesMontres() {
    std::string faces;
    for (int i = 1; i <= NbDes; ++i) {
      const int e = FaceMontree(i);
      faces += e == ImageDeFond ? '?' : e < 0 ? '!' : static_cast<char>('1' + e % 6);
    }
    return faces;
  }

  // The data files as a player or another run would find them.
  static std::vector<std::uint8_t> Octets(const std::filesystem::path& fichier) {
    std::ifstream f(fichier, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  }
  void PoserFichiers(const DonneesOptions& donnees) {
    EcrireOctets(environnement.Options(), EncoderFichierOptions(donnees));
    EcrireOctets(environnement.Noms(), EncoderFichierNoms(donnees));
  }
  DonneesOptions LireFichiers() {
    HasardUniforme tirage(1);
    return DecoderFichiers(Octets(environnement.Options()), Octets(environnement.Noms()), tirage)
        .donnees;
  }
  // Every save puts a new file in the old one's place: a file rewritten is another file.
  static ino_t Inode(const std::filesystem::path& fichier) {
    struct stat etat {};
    return ::stat(fichier.c_str(), &etat) == 0 ? etat.st_ino : 0;
  }

  // The game clock, which the test moves itself: it runs for a day between two real ticks.
  QTimer& Horloge() { return *fenetre->findChild<QTimer*>(QStringLiteral("TimerChrono")); }
  void GelerHorloge() { Horloge().setInterval(24 * 3600 * 1000); }
  void Tics(int nombre) {
    for (int i = 0; i < nombre; ++i) {
      QTimerEvent tic(Horloge().timerId());
      QCoreApplication::sendEvent(&Horloge(), &tic);
    }
  }

  // A whole game in one column, one throw a turn: 733 points, 7 figures made; or its first
  // `tours` turns.
  void JouerUneColonne(int tours = NbFigures) {
    static constexpr const char* series[] = {"11111", "66664", "55552", "44441", "33336",
                                             "22225", "23456", "66655", "11223", "33322",
                                             "44445", "12345", "11123"};
    static constexpr int16_t cases[] = {13, 6, 5, 4, 3, 2, 1, 7, 8, 9, 10, 11, 12};
    for (int i = 0; i < tours; ++i) {
      Jeter(series[i]);
      Cliquer(NomCase(colonne::Libre, cases[i]));
    }
  }

  QRect EnPixels(const Rect& r) const {
    return ui::EchelleTwips::DeLEcranPrincipal().EnPixels(EnTwips(r));
  }
};

// The start-up window of a run whose main window will use the test's data folder.
class FenetreDeDemarrage : public testing::Test {
 protected:
  EnvironnementDeTest environnement;
  Demarrage demarrage{TailleEcranJeu(), environnement.Pour()};

  void SetUp() override {
    demarrage.Lancer();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&demarrage.Splash()));
  }
  template <typename T = ui::Panneau>
  T& S(std::string_view nom) {
    T* w = Trouver<T>(demarrage.Splash(), nom);
    EXPECT_NE(w, nullptr) << nom;
    return *w;
  }
};

}  // namespace rolvex::app
