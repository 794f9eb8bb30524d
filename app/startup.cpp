#include "app/startup.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "ui/twips.h"

namespace rolvex::app {

QSizeF TailleEcranJeu() {
  const QScreen* ecran = QGuiApplication::primaryScreen();
  const ui::EchelleTwips echelle = ui::EchelleTwips::DeLEcranPrincipal();
  if (ecran == nullptr) return echelle.EnTwips(QSize(800, 600));
  return echelle.EnTwips(ecran->availableGeometry().size());
}

Demarrage::Demarrage(QSizeF ecranTwips, Environnement environnement)
    : ecranTwips_(ecranTwips),
      environnement_(std::move(environnement)),
      splash_(std::make_unique<FrmSplash>(ecranTwips, [this](Langue langue) {
        principale_ = std::make_unique<FormRolvex>(langue, ecranTwips_, environnement_);
        principale_->AfficherPleinEcran();
      })) {}

Demarrage::~Demarrage() = default;

void Demarrage::Lancer() { splash_->show(); }

}  // namespace rolvex::app
