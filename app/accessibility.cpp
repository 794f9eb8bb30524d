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

constexpr int NbPlacesScores = 10;

constexpr std::array FamillesScores = {
    std::pair{PanelScore::PanelScoreClassement, std::string_view("PanelScoreClassement")},
    std::pair{PanelScore::PanelScoreNom, std::string_view("PanelScoreNom")},
    std::pair{PanelScore::PanelScoreTemps, std::string_view("PanelScoreTemps")},
    std::pair{PanelScore::PanelScoreNbFigures, std::string_view("PanelScoreNbFigures")},
    std::pair{PanelScore::PanelScoreScore, std::string_view("PanelScoreScore")},
};

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

QWidget& Contrôle(QWidget& fenêtre, std::string_view nom) {
  QWidget* widget = Trouver<QWidget>(fenêtre, nom);
  Q_ASSERT(widget != nullptr);
  return *widget;
}

}  // namespace

// The high-score table is filled by the end of a game and shown after; its rows are named as
// it appears.
class AccessibilitéJeu::SuiviScores : public QObject {
 public:
  explicit SuiviScores(AccessibilitéJeu& accessibilité) : accessibilité_(accessibilité) {}

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override {
    if (event->type() == QEvent::Show) accessibilité_.ActualiserScores();
    return QObject::eventFilter(objet, event);
  }

 private:
  AccessibilitéJeu& accessibilité_;
};

AccessibilitéJeu::AccessibilitéJeu(FormRolvex& fenêtre)
    : fenêtre_(fenêtre), suiviScores_(std::make_unique<SuiviScores>(*this)) {
  const Langue langue = fenêtre.langue();
  for (const AccessibleFixe& f : AccessiblesFixes()) {
    QWidget& où = f.fenêtre == Fenêtre::FormParams ? static_cast<QWidget&>(fenêtre.Params())
                                                    : static_cast<QWidget&>(fenêtre);
    if (QWidget* widget = Trouver<QWidget>(où, f.contrôle))
      Nommer(*widget, f.nom.pour(langue), f.description.pour(langue));
  }

  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    Nommer(&Contrôle(fenêtre, NomEntête(c)), AccessibleEntête(c, langue));
    for (int16_t f = 1; f <= NbFigures; ++f) cases_[c][f] = &Contrôle(fenêtre, NomCase(c, f));
    for (int i = 1; i <= 4; ++i)
      totaux_[c][i] = &Contrôle(fenêtre, NomTotal(LignesTotaux[static_cast<std::size_t>(i - 1)], c));
  }
  for (Côté côté : {Côté::Gauche, Côté::Droite}) {
    for (int16_t f = 1; f <= NbFigures; ++f)
      Nommer(&Contrôle(fenêtre, NomÉtiquette(côté, f)), AccessibleÉtiquette(f, langue));
    for (LigneTotal ligne : LignesTotaux) {
      const int16_t où = ligne == LigneTotal::TotalHaut || ligne == LigneTotal::BonusHaut
                             ? bonus::Haut
                             : bonus::Bas;
      const bool estBonus = ligne == LigneTotal::BonusHaut || ligne == LigneTotal::BonusBas;
      Nommer(&Contrôle(fenêtre, NomÉtiquetteTotal(ligne, côté)),
             estBonus ? AccessibleÉtiquetteBonus(où, langue) : AccessibleÉtiquetteTotal(où, langue));
    }
  }
  for (int16_t i = 1; i <= NbDés; ++i) {
    dés_[i] = &Contrôle(fenêtre, NomÉlément("ImageDé", i));
    Nommer(&Contrôle(fenêtre, NomÉlément("PanelDé", i)), AccessiblePlaceDé(i, langue));
  }
  okDé_ = &Contrôle(fenêtre, "PanelOkDé");
  scoreTotal_ = &Contrôle(fenêtre, "PanelScoreTotal");
  totalDés_ = &Contrôle(fenêtre, "PanelTotalDés");
  figure_ = &Contrôle(fenêtre, "PanelFigureRéalisée");
  info_ = &Contrôle(fenêtre, "PanelInfoDéroulement");
  Contrôle(fenêtre, "SuperPanelScore").installEventFilter(suiviScores_.get());

  ActualiserFeuille();
  ActualiserDés();
  ActualiserInfo();
  ActualiserScores();
}

AccessibilitéJeu::~AccessibilitéJeu() = default;

void AccessibilitéJeu::ActualiserFeuille() {
  const ÉtatPartie& é = fenêtre_.État();
  const Langue langue = fenêtre_.langue();
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    for (int16_t f = 1; f <= NbFigures; ++f) Nommer(cases_[c][f], AccessibleCase(é, c, f, langue));
    Nommer(totaux_[c][1], AccessibleTotal(é, bonus::Haut, c, langue));
    Nommer(totaux_[c][2], AccessibleBonus(é, bonus::Haut, c, langue));
    Nommer(totaux_[c][3], AccessibleTotal(é, bonus::Bas, c, langue));
    Nommer(totaux_[c][4], AccessibleBonus(é, bonus::Bas, c, langue));
  }
  // A throw shows its dice before it counts itself: they are named again once it is counted.
  ActualiserDés();
  Nommer(scoreTotal_, AccessibleScoreTotal(é, langue));
  Nommer(totalDés_, AccessibleTotalDés(é, langue));
  Nommer(figure_, AccessibleFigureRéalisée(é, langue));
}

void AccessibilitéJeu::ActualiserDés() {
  const ÉtatPartie& é = fenêtre_.État();
  for (int16_t i = 1; i <= NbDés; ++i) Nommer(dés_[i], AccessibleDé(é, i, fenêtre_.langue()));
  Nommer(okDé_, AccessibleOkDé(é, fenêtre_.langue()));
}

void AccessibilitéJeu::ActualiserInfo() {
  const auto* info = qobject_cast<const ui::Panneau*>(info_);
  if (info) Nommer(info_, AccessibleInfo(info->caption().toStdString(), fenêtre_.langue()));
}

void AccessibilitéJeu::ActualiserScores() {
  const Langue langue = fenêtre_.langue();
  for (const auto& [famille, nom] : FamillesScores)
    for (int16_t rang = 1; rang <= NbPlacesScores; ++rang)
      if (auto* panneau = Trouver<ui::Panneau>(fenêtre_, NomÉlément(nom, rang)))
        Nommer(*panneau, panneau->caption().toStdString(),
               AppelMovePanelScore(famille, rang, langue));
}

void NommerDémarrage(QWidget& splash) {
  for (const AccessibleDémarrage& d : AccessiblesDémarrage())
    if (QWidget* widget = Trouver<QWidget>(splash, d.contrôle))
      Nommer(*widget, d.nom, d.description);
}

}  // namespace rolvex::app
