// A main window shown as the player sees it, with dice the test chooses, and the gestures of
// the player on its widgets.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <string_view>

#include "app/controls.h"
#include "app/main_window.h"
#include "app/params_dialog.h"
#include "app/startup.h"
#include "engine/dice.h"
#include "tests/ui/qt_print.h"
#include "ui/dice_pictures.h"
#include "ui/panel.h"
#include "ui/picture.h"

namespace rolvex::app {

inline std::ostream& operator<<(std::ostream& os, const QString& s) {
  return os << '"' << s.toStdString() << '"';
}

// A UTF-8 literal as Qt shows it.
inline QString Q(std::string_view texte) { return ui::EnQString(texte); }

// What a message box showed before the test closed it.
struct BoîteVue {
  bool vue = false;
  QString texte;
  QString légendeOk;
};

// Once a message box is up, notes it and presses its OK button.
inline void FermerLaProchaineBoîte(BoîteVue& vue) {
  QTimer::singleShot(0, [&vue] {
    auto* boîte = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!boîte) {
      ADD_FAILURE() << "no message box is shown";
      return;
    }
    vue = {true, boîte->text(), boîte->button(QMessageBox::Ok)->text()};
    QTest::mouseClick(boîte->button(QMessageBox::Ok), Qt::LeftButton);
  });
}

class FenêtreDeJeu : public testing::Test {
 protected:
  // The dice the test does not choose still come in a fixed order.
  DéÉquitable suite{20240601};
  DésEnFile dés{suite};
  std::unique_ptr<FormRolvex> fenêtre;

  void Ouvrir(Langue langue = Langue::Français) {
    fenêtre = std::make_unique<FormRolvex>(langue, dés, TailleÉcranJeu());
    fenêtre->AfficherPleinÉcran();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenêtre.get()));
  }

  template <typename T = ui::Panneau>
  T& W(std::string_view nom) {
    T* widget = Trouver<T>(*fenêtre, nom);
    if (!widget) widget = Trouver<T>(fenêtre->Params(), nom);
    EXPECT_NE(widget, nullptr) << "no control " << nom;
    return *widget;
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

  QRect EnPixels(const Rect& r) const {
    return ui::ÉchelleTwips::DeLÉcranPrincipal().EnPixels(EnTwips(r));
  }
};

}  // namespace rolvex::app
