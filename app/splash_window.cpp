#include "app/splash_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "app/accessibility.h"
#include "app/controls.h"
#include "playarea/design.h"
#include "texts/language_tables.h"
#include "ui/dice_pictures.h"
#include "ui/fonts.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/pixel_ratio.h"

namespace rolvex::app {

namespace {

// The captions of the start-up window are the same in both languages.
constexpr std::string_view LégendeFrançais = "VERSION FRANCAISE";
constexpr std::string_view LégendeAnglais = "ENGLISH VERSION";

QLabel* NouvelleÉtiquette(QWidget* parent, const char* nom, const QString& texte) {
  auto* étiquette = new QLabel(texte, parent);
  étiquette->setObjectName(QString::fromUtf8(nom));
  étiquette->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return étiquette;
}

ui::Panneau* BoutonLangue(QWidget* parent, const char* nom, std::string_view légende) {
  auto* bouton = new ui::Panneau(parent);
  bouton->setObjectName(QString::fromUtf8(nom));
  bouton->setCaption(ui::EnQString(légende));
  bouton->setFont(ui::Police(ui::EnQString(TimesNewRoman), 10, true));
  bouton->setBevelWidth(2);
  bouton->setPressLook(true);
  return bouton;
}

}  // namespace

FrmSplash::FrmSplash(QSizeF écranTwips, std::function<void(Langue)> langueChoisie)
    // No title bar at all: a window manager would put its own boxes on it. The window draws
    // its own thin border instead.
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      langueChoisie_(std::move(langueChoisie)),
      langue_(Langue::Français) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(ui::EnQString(TitreApplication));

  auto* cadre = new QFrame(this);
  cadre->setObjectName(QStringLiteral("FrameSplash"));
  cadre->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* logo = new ui::Image(cadre);
  logo->setObjectName(QStringLiteral("imgLogo"));

  QFont titre = ui::Police(ui::EnQString(TimesNewRoman), 16, true);
  NouvelleÉtiquette(cadre, "lblCompanyProduct", {})->setFont(titre);
  NouvelleÉtiquette(cadre, "lblVersion", {})->setFont(ui::Police(ui::EnQString(TimesNewRoman), 12));

  auto* français = BoutonLangue(cadre, "PanelStartFrench", LégendeFrançais);
  auto* anglais = BoutonLangue(cadre, "PanelStartEnglish", LégendeAnglais);
  connect(français, &ui::Panneau::clicked, this, [this] { PanelStartFrench_Click(); });
  connect(anglais, &ui::Panneau::clicked, this, [this] { PanelStartEnglish_Click(); });

  Form_Load(écranTwips);
}

void FrmSplash::Form_Load(QSizeF écranTwips) {
  langue_ = Langue::Français;
  const RatiosÉcran ratios = Ratios(écranTwips.width(), écranTwips.height());
  const ui::ÉchelleTwips échelle = ui::ÉchelleTwips::DeLÉcranPrincipal();
  AppliquerDispositionDialogue(
      *this, ContrôlesDialogues(AdapterFenêtresÉcran(ratios.RatioLargeur, ratios.RatioHauteur)),
      échelle);

  auto* logo = Trouver<ui::Image>(*this, "imgLogo");
  logo->setPicture(ui::ImageLogo(std::min(logo->width(), logo->height()), devicePixelRatioF()));
  new ui::SuiviRatioPixels(*this, devicePixelRatioF(), [logo](qreal ratio) {
    logo->setPicture(ui::ImageLogo(std::min(logo->width(), logo->height()), ratio));
  });
  Trouver<QLabel>(*this, "lblVersion")->setText(QStringLiteral("Version ") +
                                                 ui::EnQString(TexteVersion));
  Trouver<QLabel>(*this, "lblCompanyProduct")->setText(ui::EnQString(TitreApplication));
  NommerDémarrage(*this);

  if (const QScreen* écran = QGuiApplication::primaryScreen()) {
    QRect place(QPoint(), size());
    place.moveCenter(écran->availableGeometry().center());
    move(place.topLeft());
  }
}

void FrmSplash::PanelStartFrench_Click() {
  langue_ = Langue::Français;
  close();
}

void FrmSplash::PanelStartEnglish_Click() {
  langue_ = Langue::Anglais;
  close();
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
  if (déchargée_) return;
  déchargée_ = true;
  if (langueChoisie_) langueChoisie_(langue_);
}

}  // namespace rolvex::app
