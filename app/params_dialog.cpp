#include "app/params_dialog.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/controls.h"
#include "app/main_window.h"
#include "playarea/design.h"
#include "texts/messages.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/panel.h"

namespace rolvex::app {

namespace {

constexpr int LongueurNom = 12;
constexpr int NbModes = 3;

// The OK button keeps its designed caption in both languages.
constexpr std::string_view LégendeOk = "OK";

std::string NomOption(int mode) { return NomContrôle("SSOptionModeColonnes", mode); }

ui::Panneau* BoutonDialogue(QWidget* parent, const char* nom) {
  auto* bouton = new ui::Panneau(parent);
  bouton->setObjectName(QString::fromUtf8(nom));
  bouton->setFont(ui::Police(ui::EnQString(TimesNewRoman), 12, true));
  bouton->setBevelWidth(2);
  bouton->setPressLook(true);
  return bouton;
}

}  // namespace

FormParams::FormParams(FormRolvex& principale, QSizeF écranTwips)
    : QDialog(&principale, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      principale_(principale) {
  setObjectName(QStringLiteral("FormParams"));
  setWindowTitle(QStringLiteral("OPTIONS"));

  auto* cadre = new QGroupBox(this);
  cadre->setObjectName(QStringLiteral("FrameModeColonnes"));
  for (int mode = 1; mode <= NbModes; ++mode)
    (new QRadioButton(cadre))->setObjectName(ui::EnQString(NomOption(mode)));

  auto* nom = new QLineEdit(this);
  nom->setObjectName(QStringLiteral("TextName"));
  nom->setMaxLength(LongueurNom);
  nom->setAlignment(Qt::AlignCenter);
  nom->setFont(ui::Police(ui::EnQString(TimesNewRoman), 14));
  nom->installEventFilter(this);

  BoutonDialogue(this, "PanelCancelParams");
  BoutonDialogue(this, "PanelOkParams")->setCaption(ui::EnQString(LégendeOk));
  connect(Trouver<ui::Panneau>(*this, "PanelOkParams"), &ui::Panneau::clicked, this,
          [this] { PanelOkParams_Click(); });
  connect(Trouver<ui::Panneau>(*this, "PanelCancelParams"), &ui::Panneau::clicked, this,
          [this] { PanelCancelParams_Click(); });

  const RatiosÉcran ratios = Ratios(écranTwips.width(), écranTwips.height());
  const DispositionDialogues disposition =
      AdapterFenêtresÉcran(ratios.RatioLargeur, ratios.RatioHauteur);
  const ui::ÉchelleTwips échelle = ui::ÉchelleTwips::DeLÉcranPrincipal();
  AppliquerDispositionDialogue(*this, ContrôlesDialogues(disposition), échelle);
  // The designed height counts the title bar, which the platform adds around the window:
  // inside, the margin below the buttons is m, as on every other side.
  const QRect ok = Trouver<QWidget>(*this, "PanelOkParams")->geometry();
  setFixedHeight(ok.y() + ok.height() + échelle.PixelsY(disposition.m));

  // The round buttons grow with their captions, which follow the screen.
  QRadioButton* première = Trouver<QRadioButton>(*this, NomOption(1));
  const int côté = std::max(13, QFontMetrics(première->font()).ascent());
  cadre->setStyleSheet(QStringLiteral("QRadioButton::indicator { width: %1px; height: %1px; }")
                           .arg(côté));
}

int16_t FormParams::ModeSélectionné() const {
  auto& moi = const_cast<FormParams&>(*this);
  for (int16_t mode = 1; mode <= NbModes; ++mode)
    if (Trouver<QRadioButton>(moi, NomOption(mode))->isChecked()) return mode;
  return 0;
}

void FormParams::SélectionnerMode(int16_t modeJeu) {
  if (auto* option = Trouver<QRadioButton>(*this, NomOption(modeJeu))) option->setChecked(true);
}

QString FormParams::Nom() const {
  return Trouver<QLineEdit>(const_cast<FormParams&>(*this), "TextName")->text();
}

void FormParams::ÉcrireNom(const QString& nom) {
  Trouver<QLineEdit>(*this, "TextName")->setText(nom);
}

// A name made of blanks is a name: only the empty box is refused.
void FormParams::PanelOkParams_Click() {
  const Langue langue = principale_.langue();
  if (Nom().isEmpty()) {
    ui::AfficherMessage(this, ui::EnQString(MsgNomVide(langue)), ui::EnQString(TitreApplication),
                        principale_.LégendesBoutons());
    return;
  }
  hide();
  RendreLaMain();
  if (const int16_t mode = ModeSélectionné()) principale_.ChoisirMode(mode);
  principale_.ChoisirNom(Nom());
  principale_.SauverOptions();
  principale_.AppelNouveau();
}

// The choices stay in the dialog for its next opening, but the game keeps its own.
void FormParams::PanelCancelParams_Click() {
  hide();
  RendreLaMain();
}

void FormParams::TextName_Click() { Trouver<QLineEdit>(*this, "TextName")->clear(); }

void FormParams::reject() { PanelCancelParams_Click(); }

bool FormParams::eventFilter(QObject* objet, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && objet->objectName() == "TextName")
    TextName_Click();
  return QDialog::eventFilter(objet, event);
}

void FormParams::RendreLaMain() {
  principale_.setEnabled(true);
  principale_.show();
  principale_.raise();
  principale_.activateWindow();
}

}  // namespace rolvex::app
