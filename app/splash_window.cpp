#include "app/splash_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "app/accessibility.h"
#include "app/controls.h"
#include "playarea/design.h"
#include "texts/language_tables.h"
#include "ui/dice_pictures.h"
#include "ui/fonts.h"
#include "ui/keyboard_frame.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/pixel_ratio.h"

namespace rolvex::app {

namespace {

// The captions of the start-up window are the same in both languages.
constexpr std::string_view LegendeFrancais = "VERSION FRANCAISE";
constexpr std::string_view LegendeAnglais = "ENGLISH VERSION";

QLabel* NouvelleEtiquette(QWidget* parent, const char* nom, const QString& texte) {
  auto* etiquette = new QLabel(texte, parent);
  etiquette->setObjectName(QString::fromUtf8(nom));
  etiquette->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return etiquette;
}

ui::Panneau* BoutonLangue(QWidget* parent, const char* nom, std::string_view legende) {
  auto* bouton = new ui::Panneau(parent);
  bouton->setObjectName(QString::fromUtf8(nom));
  bouton->setCaption(ui::EnQString(legende));
  bouton->setFont(ui::Police(ui::EnQString(TimesNewRoman), 10, true));
  bouton->setBevelWidth(2);
  bouton->setPressLook(true);
  return bouton;
}

}  // namespace

FrmSplash::FrmSplash(QSizeF ecranTwips, std::function<void(Langue)> langueChoisie)
    // No title bar at all: a window manager would put its own boxes on it. The window draws
    // its own thin border instead.
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      langueChoisie_(std::move(langueChoisie)),
      langue_(Langue::Francais) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(ui::EnQString(TitreApplication));

  auto* cadre = new QFrame(this);
  cadre->setObjectName(QStringLiteral("FrameSplash"));
  cadre->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* logo = new ui::Image(cadre);
  logo->setObjectName(QStringLiteral("imgLogo"));

  QFont titre = ui::Police(ui::EnQString(TimesNewRoman), 16, true);
  NouvelleEtiquette(cadre, "lblCompanyProduct", {})->setFont(titre);
  NouvelleEtiquette(cadre, "lblVersion", {})->setFont(ui::Police(ui::EnQString(TimesNewRoman), 12));

  auto* francais = BoutonLangue(cadre, "PanelStartFrench", LegendeFrancais);
  auto* anglais = BoutonLangue(cadre, "PanelStartEnglish", LegendeAnglais);
  connect(francais, &ui::Panneau::clicked, this, [this] { PanelStartFrench_Click(); });
  connect(anglais, &ui::Panneau::clicked, this, [this] { PanelStartEnglish_Click(); });
  auto* cadreClavier = new ui::CadreClavier(cadre);
  for (ui::Panneau* bouton : {francais, anglais}) bouton->setFocusPolicy(Qt::StrongFocus);
  connect(qApp, &QApplication::focusChanged, cadreClavier,
          [cadreClavier, francais, anglais](QWidget*, QWidget* focus) {
            if (focus == francais || focus == anglais) cadreClavier->Suivre(focus);
          });
  francais->setFocus();

  Form_Load(ecranTwips);
}

void FrmSplash::Form_Load(QSizeF ecranTwips) {
  langue_ = Langue::Francais;
  const RatiosEcran ratios = Ratios(ecranTwips.width(), ecranTwips.height());
  const ui::EchelleTwips echelle = ui::EchelleTwips::DeLEcranPrincipal();
  AppliquerDispositionDialogue(
      *this, ControlesDialogues(AdapterFenetresEcran(ratios.RatioLargeur, ratios.RatioHauteur)),
      echelle);

  auto* logo = Trouver<ui::Image>(*this, "imgLogo");
  logo->setPicture(ui::ImageLogo(std::min(logo->width(), logo->height()), devicePixelRatioF()));
  new ui::SuiviRatioPixels(*this, devicePixelRatioF(), [logo](qreal ratio) {
    logo->setPicture(ui::ImageLogo(std::min(logo->width(), logo->height()), ratio));
  });
  Trouver<QLabel>(*this, "lblVersion")
      ->setText(QStringLiteral("Version ") + ui::EnQString(TexteVersion));
  Trouver<QLabel>(*this, "lblCompanyProduct")->setText(ui::EnQString(TitreApplication));
  NommerDemarrage(*this);

  if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
    QRect place(QPoint(), size());
    place.moveCenter(ecran->availableGeometry().center());
    move(place.topLeft());
  }
}

void FrmSplash::PanelStartFrench_Click() {
  langue_ = Langue::Francais;
  close();
}

void FrmSplash::PanelStartEnglish_Click() {
  langue_ = Langue::Anglais;
  close();
}

void FrmSplash::keyPressEvent(QKeyEvent* event) {
  auto* francais = Trouver<ui::Panneau>(*this, "PanelStartFrench");
  auto* anglais = Trouver<ui::Panneau>(*this, "PanelStartEnglish");
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      (francais->hasFocus() ? anglais : francais)->setFocus(Qt::TabFocusReason);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (!event->isAutoRepeat()) emit(anglais->hasFocus() ? anglais : francais)->clicked();
      break;
    case Qt::Key_F: PanelStartFrench_Click(); break;
    case Qt::Key_E: PanelStartEnglish_Click(); break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

void FrmSplash::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::Shadow));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  ui::PeindreBiseau(p, rect().adjusted(1, 1, -1, -1), ui::Panneau::EnRelief, 1);
}

// The platform's close command (a key of the window manager: the window has no box) chooses
// French, like the button.
void FrmSplash::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

// The main window is shown before this one goes, so that the program never runs out of windows.
void FrmSplash::Form_Unload() {
  if (dechargee_) return;
  dechargee_ = true;
  if (langueChoisie_) langueChoisie_(langue_);
}

}  // namespace rolvex::app
