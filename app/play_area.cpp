#include "app/play_area.h"

#include <QFontMetrics>
#include <array>
#include <cassert>

#include "app/controls.h"
#include "ui/fonts.h"

namespace rolvex::app {

namespace {

// The panels the player presses: they sink under the mouse and rise on release.
constexpr std::array BoutonsPanneaux = {std::string_view("PanelStart"), std::string_view("PanelOkDé"),
                                        std::string_view("PanelNewGame"),
                                        std::string_view("PanelNewMode"),
                                        std::string_view("PanelEffacerScores")};

// Containers of other controls: flat, or framed by a wider bevel.
constexpr std::string_view FeuilleDeJeu = "PictureAireJeu";
constexpr std::array ZonesEncadrées = {std::string_view("SuperPanelDés"),
                                       std::string_view("SuperPanelScore")};

bool EstImageDé(std::string_view nom) { return nom.starts_with("ImageDé("); }

template <std::size_t N>
bool Parmi(const std::array<std::string_view, N>& noms, std::string_view nom) {
  for (std::string_view n : noms)
    if (n == nom) return true;
  return false;
}

void AppliquerDesign(ui::Panneau& panneau, const Contrôle& c) {
  const Design& d = c.design;
  if (d.texte) panneau.setForeColor(*d.texte);
  if (d.fond) panneau.setBackColor(*d.fond);
  QFont police = panneau.font();
  if (!d.police.empty()) police.setFamily(ui::EnQString(d.police));
  police.setBold(d.gras);
  if (c.police) ui::RéglerTaille(police, *c.police);
  panneau.setFont(police);
}

// The designed size, unless a line of it would be taller than the panel: on a screen much
// wider than 4:3 the throw button is flatter than its font, and its caption would be cut.
double TailleQuiTient(const QFont& police, double points, int hauteur) {
  QFont essai = police;
  ui::RéglerTaille(essai, points);
  const int ligne = QFontMetrics(essai).height();
  if (ligne <= hauteur || ligne <= 0) return points;
  return points * hauteur / ligne;
}

}  // namespace

ÉcranAireJeu::ÉcranAireJeu(QWidget& client, const AireJeu& aire, const ui::ÉchelleTwips& échelle)
    : client_(client), échelle_(échelle) {
  for (const auto& [nom, c] : aire.Contrôles()) Créer(aire, nom);
  AppliquerDisposition(aire);
}

// A container is made before what it holds.
QWidget& ÉcranAireJeu::Créer(const AireJeu& aire, const std::string& nom) {
  if (const auto it = widgets_.find(nom); it != widgets_.end()) return *it->second;
  const Contrôle& c = aire[nom];
  QWidget& conteneur = c.conteneur.empty() ? client_ : Créer(aire, c.conteneur);

  QWidget* widget = nullptr;
  if (EstImageDé(nom)) {
    widget = new ui::Image(&conteneur);
  } else {
    auto* panneau = new ui::Panneau(&conteneur);
    AppliquerDesign(*panneau, c);
    if (nom == FeuilleDeJeu) panneau->setBevelOuter(ui::Panneau::SansBiseau);
    if (Parmi(ZonesEncadrées, nom)) panneau->setBevelWidth(2);
    if (Parmi(BoutonsPanneaux, nom)) {
      panneau->setPressLook(true);
      panneau->setBevelWidth(2);
    }
    widget = panneau;
  }
  widget->setObjectName(ui::EnQString(nom));
  widgets_.emplace(nom, widget);
  return *widget;
}

QWidget& ÉcranAireJeu::operator[](std::string_view nom) const {
  const auto it = widgets_.find(nom);
  assert(it != widgets_.end());
  return *it->second;
}

ui::Panneau& ÉcranAireJeu::Panneau(std::string_view nom) const {
  auto* panneau = qobject_cast<ui::Panneau*>(&(*this)[nom]);
  assert(panneau != nullptr);
  return *panneau;
}

ui::Image& ÉcranAireJeu::Image(std::string_view nom) const {
  auto* image = qobject_cast<ui::Image*>(&(*this)[nom]);
  assert(image != nullptr);
  return *image;
}

void ÉcranAireJeu::AppliquerDisposition(const AireJeu& aire) {
  for (const auto& [nom, c] : aire.Contrôles()) {
    QWidget& widget = (*this)[nom];
    échelle_.Placer(widget, EnTwips(c.rect));
    if (c.montré) widget.setVisible(*c.montré);
    if (c.police) {
      QFont police = widget.font();
      ui::RéglerTaille(police, TailleQuiTient(police, *c.police, widget.height()));
      widget.setFont(police);
    }
  }
}

}  // namespace rolvex::app
