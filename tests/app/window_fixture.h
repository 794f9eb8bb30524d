// A main window shown as the player sees it, with dice the test chooses, and the gestures of
// the player on its widgets.
#pragma once

#include <gtest/gtest.h>

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
#include <sys/stat.h>

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
#include "app/records/data_files.h"
#include "app/records/file_store.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "engine/dice.h"
#include "tests/ui/qt_print.h"
#include "ui/dice_pictures.h"
#include "ui/panel.h"
#include "ui/picture.h"

namespace rolvex {
inline void PrintTo(Langue langue, std::ostream* os) {
  *os << (langue == Langue::Français ? "French" : "English");
}
}  // namespace rolvex

namespace rolvex::app {

// A UTF-8 literal as Qt shows it.
inline QString Q(std::string_view texte) { return ui::EnQString(texte); }

// Answers every message box shown while it lives, as the player would: OK, or the next of
// `réponses` to a Yes/No question (No once they run out). Notes what each box said; `pendant`
// looks at the window while the box is up.
class RépondeurBoîtes {
 public:
  struct Vue {
    QString texte, titre;
    QString oui, non, ok;  // the buttons' captions; empty for a button the box has not
  };

  explicit RépondeurBoîtes(std::vector<bool> réponses = {},
                           std::function<void(const Vue&)> pendant = {})
      : réponses_(std::move(réponses)), pendant_(std::move(pendant)) {
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
    auto* boîte = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!boîte || !boîte->isVisible()) return;
    auto légende = [&](QMessageBox::StandardButton b) {
      return boîte->button(b) ? boîte->button(b)->text() : QString();
    };
    const Vue vue{boîte->text(), boîte->windowTitle(), légende(QMessageBox::Yes),
                  légende(QMessageBox::No), légende(QMessageBox::Ok)};
    vues_.push_back(vue);
    if (pendant_) pendant_(vue);
    QMessageBox::StandardButton réponse = QMessageBox::Ok;
    if (boîte->button(QMessageBox::Yes)) {
      const bool oui = suivante_ < réponses_.size() && réponses_[suivante_];
      ++suivante_;
      réponse = oui ? QMessageBox::Yes : QMessageBox::No;
    }
    QTest::mouseClick(boîte->button(réponse), Qt::LeftButton);
  }

  std::vector<bool> réponses_;
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
    return {[this] { return DossiersDonnées{Dossier(), Dossier()}; }, [this] { ++fins; }};
  }
};

// A control of the main window or of its dialog, by name.
template <typename T = ui::Panneau>
T& Contrôle(FormRolvex& fenêtre, std::string_view nom) {
  T* widget = Trouver<T>(fenêtre, nom);
  if (!widget) widget = Trouver<T>(fenêtre.Params(), nom);
  EXPECT_NE(widget, nullptr) << "no control " << nom;
  return *widget;
}

inline void ÉcrireOctets(const std::filesystem::path& fichier,
                         const std::vector<std::uint8_t>& octets) {
  std::ofstream f(fichier, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
}

class FenêtreDeJeu : public testing::Test {
 protected:
  // The dice the test does not choose still come in a fixed order.
  DéÉquitable suite{20240601};
  DésEnFile dés{suite};
  EnvironnementDeTest environnement;
  std::unique_ptr<FormRolvex> fenêtre;

  void Ouvrir(Langue langue = Langue::Français) {
    ASSERT_TRUE(environnement.racine.isValid());
    fenêtre = std::make_unique<FormRolvex>(langue, dés, TailleÉcranJeu(), environnement.Pour());
    fenêtre->AfficherPleinÉcran();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenêtre.get()));
  }

  template <typename T = ui::Panneau>
  T& W(std::string_view nom) {
    return Contrôle<T>(*fenêtre, nom);
  }
  QString Légende(std::string_view nom) { return W(nom).caption(); }
  QString Info() { return Légende("PanelInfoDéroulement"); }

  void Cliquer(std::string_view nom, Qt::MouseButton bouton = Qt::LeftButton) {
    QTest::mouseClick(&W<QWidget>(nom), bouton);
  }
  void Survoler(std::string_view nom, QPoint où = {}) {
    QWidget& w = W<QWidget>(nom);
    // The mouse comes from elsewhere, as it does when the player moves it onto the control:
    // from the information line, which has no help of its own.
    QTest::mouseMove(&W<QWidget>("PanelInfoDéroulement"), QPoint(1, 1));
    QTest::mouseMove(&w, où.isNull() ? w.rect().center() : où);
  }

  // A key of the menus, pressed while the window has the focus, as it has again once a
  // message box is closed.
  void Touche(Qt::Key touche) {
    fenêtre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenêtre.get()));
    QTest::keyClick(fenêtre.get(), touche);
  }

  // Queues the faces ("11234") then presses the throw button.
  void Jeter(std::string_view faces) {
    for (char f : faces) dés.Ajouter(static_cast<int16_t>(f - '0'));
    Cliquer("PanelOkDé");
  }

  // Through the dialog, as the player starts a game: mode 1..3.
  void NouvellePartie(int mode, const QString& nom = QStringLiteral("Zoé")) {
    fenêtre->AppelPréNouveau();
    CocherMode(mode);
    W<QLineEdit>("TextName").setText(nom);
    Cliquer("PanelOkParams");
  }

  // A click on the round button of an option, where the player clicks.
  void CocherMode(int mode) {
    QRadioButton& option = W<QRadioButton>(NomContrôle("SSOptionModeColonnes", mode));
    QTest::mouseClick(&option, Qt::LeftButton, {}, QPoint(option.height() / 2, option.height() / 2));
  }

  // The face picture a die shows: 0..11, ImageDéFond for the empty place, -2 for another.
  int FaceMontrée(int dé) {
    const ui::Image& image = W<ui::Image>(NomContrôle("ImageDé", dé));
    const QImage montrée = image.picture().toImage().convertToFormat(QImage::Format_ARGB32);
    const int côté = std::min(image.width(), image.height());
    const qreal ratio = fenêtre->devicePixelRatioF();
    auto pareille = [&](const QPixmap& p) {
      return p.toImage().convertToFormat(QImage::Format_ARGB32) == montrée;
    };
    if (pareille(ui::ImageDéVide(côté, ratio))) return ImageDéFond;
    for (int e = 0; e < ui::NbModèlesDés; ++e)
      if (pareille(ui::ImageModèleDé(e, côté, ratio))) return e;
    return -2;
  }
  // The values shown by the five dice, "11?23", whatever their face style; '?' for the empty
  // place, '!' for a picture that is none of the game's.
  std::string DésMontrés() {
    std::string faces;
    for (int i = 1; i <= NbDés; ++i) {
      const int e = FaceMontrée(i);
      faces += e == ImageDéFond ? '?' : e < 0 ? '!' : static_cast<char>('1' + e % 6);
    }
    return faces;
  }

  // The data files as a player or another run would find them.
  static std::vector<std::uint8_t> Octets(const std::filesystem::path& fichier) {
    std::ifstream f(fichier, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
  }
  void PoserFichiers(const DonnéesOptions& données) {
    ÉcrireOctets(environnement.Options(), EncoderFichierOptions(données));
    ÉcrireOctets(environnement.Noms(), EncoderFichierNoms(données));
  }
  DonnéesOptions LireFichiers() {
    HasardUniforme tirage(1);
    return DécoderFichiers(Octets(environnement.Options()), Octets(environnement.Noms()), tirage)
        .données;
  }
  // Every save puts a new file in the old one's place: a file rewritten is another file.
  static ino_t Inode(const std::filesystem::path& fichier) {
    struct stat état {};
    return ::stat(fichier.c_str(), &état) == 0 ? état.st_ino : 0;
  }

  // The game clock, which the test moves itself: it runs for a day between two real ticks.
  QTimer& Horloge() { return *fenêtre->findChild<QTimer*>(QStringLiteral("TimerChrono")); }
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
    static constexpr const char* séries[] = {"11111", "66664", "55552", "44441", "33336",
                                             "22225", "23456", "66655", "11223", "33322",
                                             "44445", "12345", "11123"};
    static constexpr int16_t cases[] = {13, 6, 5, 4, 3, 2, 1, 7, 8, 9, 10, 11, 12};
    for (int i = 0; i < tours; ++i) {
      Jeter(séries[i]);
      Cliquer(NomCase(colonne::Libre, cases[i]));
    }
  }

  QRect EnPixels(const Rect& r) const {
    return ui::ÉchelleTwips::DeLÉcranPrincipal().EnPixels(EnTwips(r));
  }
};

// The start-up window of a run whose main window will use the test's data folder.
class FenêtreDeDémarrage : public testing::Test {
 protected:
  DéÉquitable suite{7};
  EnvironnementDeTest environnement;
  Démarrage démarrage{suite, TailleÉcranJeu(), environnement.Pour()};

  void SetUp() override {
    démarrage.Lancer();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&démarrage.Splash()));
  }
  template <typename T = ui::Panneau>
  T& S(std::string_view nom) {
    T* w = Trouver<T>(démarrage.Splash(), nom);
    EXPECT_NE(w, nullptr) << nom;
    return *w;
  }
};

}  // namespace rolvex::app
