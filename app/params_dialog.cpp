#include "app/params_dialog.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>

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

// The OK button keeps its designed caption in both languages.
constexpr std::string_view LegendeOk = "OK";

std::string NomOption(int mode) { return NomControle("SSOptionModeColonnes", mode); }

ui::Panneau* BoutonDialogue(QWidget* parent, const char* nom) {
  auto* bouton = new ui::Panneau(parent);
  bouton->setObjectName(QString::fromUtf8(nom));
  bouton->setFont(ui::Police(ui::EnQString(TimesNewRoman), 12, true));
  bouton->setBevelWidth(2);
  bouton->setPressLook(true);
  return bouton;
}

}  // namespace

FormParams::FormParams(FormRolvex& principale, QSizeF ecranTwips)
    // Only a title: OK and cancel are the dialog's exits, so it has no box of its own. A
    // platform's close command that still reaches it acts as cancel.
    : QDialog(&principale, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      principale_(principale) {
  setObjectName(QStringLiteral("FormParams"));
  setWindowTitle(QStringLiteral("OPTIONS"));

  auto* cadre = new QGroupBox(this);
  cadre->setObjectName(QStringLiteral("FrameModeColonnes"));
  for (int mode = options_.premier; mode <= options_.dernier; ++mode) {
    options_[mode] = new QRadioButton(cadre);
    options_[mode]->setObjectName(ui::EnQString(NomOption(mode)));
  }

  TextName_ = new QLineEdit(this);
  TextName_->setObjectName(QStringLiteral("TextName"));
  TextName_->setMaxLength(LongueurNom);
  TextName_->setAlignment(Qt::AlignCenter);
  TextName_->setFont(ui::Police(ui::EnQString(TimesNewRoman), 14));
  TextName_->installEventFilter(this);

  ui::Panneau* annuler = BoutonDialogue(this, "PanelCancelParams");
  ui::Panneau* ok = BoutonDialogue(this, "PanelOkParams");
  ok->setCaption(ui::EnQString(LegendeOk));
  connect(ok, &ui::Panneau::clicked, this, [this] { PanelOkParams_Click(); });
  connect(annuler, &ui::Panneau::clicked, this, [this] { PanelCancelParams_Click(); });

  const RatiosEcran ratios = Ratios(ecranTwips.width(), ecranTwips.height());
  const DispositionDialogues disposition =
      AdapterFenetresEcran(ratios.RatioLargeur, ratios.RatioHauteur);
  const ui::EchelleTwips echelle = ui::EchelleTwips::DeLEcranPrincipal();
  AppliquerDispositionDialogue(*this, ControlesDialogues(disposition), echelle);
  // The designed height counts the title bar, which the platform adds around the window:
  // inside, the margin below the buttons is m, as on every other side.
  setFixedHeight(ok->geometry().bottom() + 1 + echelle.PixelsY(disposition.m));

  // The round buttons grow with their captions, which follow the screen.
  const int cote = std::max(13, QFontMetrics(options_[1]->font()).ascent());
  cadre->setStyleSheet(
      QStringLiteral("QRadioButton::indicator { width: %1px; height: %1px; }").arg(cote));
}

int16_t FormParams::ModeSelectionne() const {
  for (int16_t mode = options_.premier; mode <= options_.dernier; ++mode)
    if (options_[mode]->isChecked()) return mode;
  return 0;
}

void FormParams::SelectionnerMode(int16_t modeJeu) {
  if (ModeValide(modeJeu)) options_[modeJeu]->setChecked(true);
}

QString FormParams::Nom() const { return TextName_->text(); }

void FormParams::EcrireNom(const QString& nom) { TextName_->setText(nom); }

void FormParams::PanelOkParams_Click() {
  principale_.Jeu().PanelOkParams_Click(Nom().toStdString(), ModeSelectionne());
}

// The choices stay in the dialog for its next opening, but the game keeps its own.
void FormParams::PanelCancelParams_Click() {
  hide();
  principale_.RendreLaMain();
}

void FormParams::TextName_Click() { TextName_->clear(); }

void FormParams::reject() { PanelCancelParams_Click(); }

// The keyboard starts in the name box, its text selected: the last player just presses Enter,
// another one types over it.
void FormParams::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  TextName_->setFocus();
  TextName_->selectAll();
}

bool FormParams::eventFilter(QObject* objet, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && objet == TextName_) TextName_Click();
  return QDialog::eventFilter(objet, event);
}

}  // namespace rolvex::app
