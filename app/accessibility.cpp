#include "app/accessibility.h"

#include <QEvent>
#include <QWidget>
#include <array>
#include <utility>

#include "app/controls.h"
#include "app/main_window.h"
#include "app/params_dialog.h"
#include "playarea/sheet_names.h"
#include "texts/accessible_texts.h"
#include "texts/hover_help.h"
#include "ui/panel.h"
#include "ui/text.h"

namespace rolvex::app {

namespace {

// A screen reader hears of a change only when the text really changed.
void Nommer(QWidget& widget, std::string_view nom, std::string_view description) {
  const QString n = ui::EnQString(nom);
  const QString d = ui::EnQString(description);
  if (widget.accessibleName() != n) widget.setAccessibleName(n);
  if (widget.accessibleDescription() != d) widget.setAccessibleDescription(d);
}

void Nommer(QWidget* widget, const TexteAccessible& texte) {
  if (widget) Nommer(*widget, texte.nom, texte.description);
}

QWidget& Controle(QWidget& fenetre, const Cle& cle) {
  QWidget* widget = Trouver<QWidget>(fenetre, cle);
  Q_ASSERT(widget != nullptr);
  return *widget;
}

}  // namespace

// The high-score table is filled by the end of a game and shown after; its rows are named as
// it appears.
class AccessibiliteJeu::SuiviScores : public QObject {
 public:
  explicit SuiviScores(AccessibiliteJeu& accessibilite) : accessibilite_(accessibilite) {}

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override {
    if (event->type() == QEvent::Show) accessibilite_.ActualiserScores();
    return QObject::eventFilter(objet, event);
  }

 private:
  AccessibiliteJeu& accessibilite_;
};

AccessibiliteJeu::AccessibiliteJeu(FormRolvex& fenetre)
    : fenetre_(fenetre), suiviScores_(std::make_unique<SuiviScores>(*this)) {
  const Langue langue = fenetre.langue();
  for (const AccessibleFixe& f : AccessiblesFixes()) {
    QWidget& ou = f.fenetre == Fenetre::FormParams ? static_cast<QWidget&>(fenetre.Params())
                                                   : static_cast<QWidget&>(fenetre);
    if (QWidget* widget = Trouver<QWidget>(ou, f.controle))
      Nommer(*widget, f.nom.pour(langue), f.description.pour(langue));
  }

  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    Nommer(&Controle(fenetre, CleEntete{c}), AccessibleEntete(c, langue));
    for (int16_t f = 1; f <= NbFigures; ++f) cases_[c][f] = &Controle(fenetre, CleCase{c, f});
    for (int i = 1; i <= 4; ++i)
      totaux_[c][i] =
          &Controle(fenetre, CleTotal{LignesTotaux[static_cast<std::size_t>(i - 1)], c});
  }
  for (Cote cote : {Cote::Gauche, Cote::Droite}) {
    for (int16_t f = 1; f <= NbFigures; ++f)
      Nommer(&Controle(fenetre, CleEtiquette{cote, f}), AccessibleEtiquette(f, langue));
    for (LigneTotal ligne : LignesTotaux) {
      const int16_t ou = ligne == LigneTotal::TotalHaut || ligne == LigneTotal::BonusHaut
                             ? bonus::Haut
                             : bonus::Bas;
      const bool estBonus = ligne == LigneTotal::BonusHaut || ligne == LigneTotal::BonusBas;
      Nommer(
          &Controle(fenetre, CleEtiquetteTotal{ligne, cote}),
          estBonus ? AccessibleEtiquetteBonus(ou, langue) : AccessibleEtiquetteTotal(ou, langue));
    }
  }
  for (int16_t i = 1; i <= NbDes; ++i) {
    des_[i] = &Controle(fenetre, CleElement{Famille::ImageDe, i});
    Nommer(&Controle(fenetre, CleElement{Famille::PanelDe, i}), AccessiblePlaceDe(i, langue));
  }
  okDe_ = &Controle(fenetre, Seul::PanelOkDe);
  scoreTotal_ = &Controle(fenetre, Seul::PanelScoreTotal);
  totalDes_ = &Controle(fenetre, Seul::PanelTotalDes);
  figure_ = &Controle(fenetre, Seul::PanelFigureRealisee);
  info_ = &Controle(fenetre, Seul::PanelInfoDeroulement);
  Controle(fenetre, Seul::SuperPanelScore).installEventFilter(suiviScores_.get());

  ActualiserFeuille();
  ActualiserDes();
  ActualiserInfo();
  ActualiserScores();
}

AccessibiliteJeu::~AccessibiliteJeu() = default;

void AccessibiliteJeu::ActualiserFeuille() {
  const EtatPartie& e = fenetre_.Etat();
  const Langue langue = fenetre_.langue();
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    for (int16_t f = 1; f <= NbFigures; ++f) Nommer(cases_[c][f], AccessibleCase(e, c, f, langue));
    Nommer(totaux_[c][1], AccessibleTotal(e, bonus::Haut, c, langue));
    Nommer(totaux_[c][2], AccessibleBonus(e, bonus::Haut, c, langue));
    Nommer(totaux_[c][3], AccessibleTotal(e, bonus::Bas, c, langue));
    Nommer(totaux_[c][4], AccessibleBonus(e, bonus::Bas, c, langue));
  }
  // A throw shows its dice before it counts itself: they are named again once it is counted.
  ActualiserDes();
  Nommer(scoreTotal_, AccessibleScoreTotal(e, langue));
  Nommer(totalDes_, AccessibleTotalDes(e, langue));
  Nommer(figure_, AccessibleFigureRealisee(e, langue));
}

void AccessibiliteJeu::ActualiserDes() {
  const EtatPartie& e = fenetre_.Etat();
  for (int16_t i = 1; i <= NbDes; ++i) Nommer(des_[i], AccessibleDe(e, i, fenetre_.langue()));
  Nommer(okDe_, AccessibleOkDe(e, fenetre_.langue()));
}

void AccessibiliteJeu::ActualiserInfo() {
  const auto* info = qobject_cast<const ui::Panneau*>(info_);
  if (info) Nommer(info_, AccessibleInfo(info->caption().toStdString(), fenetre_.langue()));
}

void AccessibiliteJeu::ActualiserScores() {
  const Langue langue = fenetre_.langue();
  for (Famille famille : FamillesScores)
    for (int16_t rang = 1; rang <= NbPlaces; ++rang)
      if (auto* panneau = Trouver<ui::Panneau>(fenetre_, CleElement{famille, rang}))
        Nommer(*panneau, panneau->caption().toStdString(),
               AppelMovePanelScore(famille, rang, langue));
}

void NommerDemarrage(QWidget& splash) {
  for (const AccessibleDemarrage& d : AccessiblesDemarrage())
    if (QWidget* widget = Trouver<QWidget>(splash, d.controle))
      Nommer(*widget, d.nom, d.description);
}

}  // namespace rolvex::app
