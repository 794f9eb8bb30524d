#include "app/startup.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "ui/twips.h"

namespace rolvex::app {

QSizeF TailleÉcranJeu() {
  const QScreen* écran = QGuiApplication::primaryScreen();
  const ui::ÉchelleTwips échelle = ui::ÉchelleTwips::DeLÉcranPrincipal();
  if (écran == nullptr) return échelle.EnTwips(QSize(800, 600));
  return échelle.EnTwips(écran->availableGeometry().size());
}

Démarrage::Démarrage(SourceDés& dés, QSizeF écranTwips, Environnement environnement)
    : dés_(dés),
      écranTwips_(écranTwips),
      environnement_(std::move(environnement)),
      splash_(std::make_unique<FrmSplash>(écranTwips, [this](Langue langue) {
        principale_ = std::make_unique<FormRolvex>(langue, dés_, écranTwips_, environnement_);
        principale_->AfficherPleinÉcran();
      })) {}

Démarrage::~Démarrage() = default;

void Démarrage::Lancer() { splash_->show(); }

}  // namespace rolvex::app
