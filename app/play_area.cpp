#include "app/play_area.h"

#include <QFontMetrics>
#include <array>
#include <cassert>

#include "app/controls.h"
#include "playarea/sheet_names.h"
#include "ui/fonts.h"

namespace rolvex::app {

namespace {

// The panels the player presses: they sink under the mouse and rise on release.
constexpr std::array BoutonsPanneaux = {Seul::PanelStart, Seul::PanelOkDe, Seul::PanelNewGame,
                                        Seul::PanelNewMode, Seul::PanelEffacerScores};
// Containers of other controls, framed by a wider bevel.
constexpr std::array ZonesEncadrees = {Seul::SuperPanelDes, Seul::SuperPanelScore};

template <std::size_t N>
bool Parmi(const std::array<Seul, N>& controles, std::string_view nom) {
  for (Seul c : controles)
    if (Nom(c) == nom) return true;
  return false;
}

bool EstImageDe(std::string_view nom) {
  for (int16_t i = 1; i <= NbDes; ++i)
    if (Nom(CleElement{Famille::ImageDe, i}) == nom) return true;
  return false;
}

// The bevels of containers and press buttons, whoever made the panel.
void Habiller(ui::Panneau& panneau, std::string_view nom) {
  if (nom == Nom(Seul::PictureAireJeu)) panneau.setBevelOuter(ui::Panneau::SansBiseau);
  if (Parmi(ZonesEncadrees, nom)) panneau.setBevelWidth(2);
  if (Parmi(BoutonsPanneaux, nom)) {
    panneau.setPressLook(true);
    panneau.setBevelWidth(2);
  }
}

void AppliquerDesign(ui::Panneau& panneau, const Controle& c) {
  const Design& d = c.design;
  if (d.texte) panneau.setForeColor(*d.texte);
  if (d.fond) panneau.setBackColor(*d.fond);
  QFont police = panneau.font();
  if (!d.police.empty()) police.setFamily(ui::EnQString(d.police));
  police.setBold(d.gras);
  if (c.police) ui::ReglerTaille(police, *c.police);
  panneau.setFont(police);
}

// The widest caption of the high-score cells whose text has a fixed shape (a place, a time,
// figures, a score): on a small screen the designed font would cut a time at both ends.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> ModelesScores = {{
    {"PanelScoreClassement(", "10"},
    {"PanelScoreTemps(", "00:00"},
    {"PanelScoreNbFigures(", "42"},
    {"PanelScoreScore(", "8888"},
}};

std::string_view ModeleLePlusLarge(std::string_view nom) {
  for (const auto& [famille, modele] : ModelesScores)
    if (nom.starts_with(famille)) return modele;
  return {};
}

bool EstEntete(std::string_view nom) {
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    if (nom == Nom(CleEntete{c})) return true;
  return false;
}

}  // namespace

EcranAireJeu::EcranAireJeu(QWidget& client, const AireJeu& aire, const ui::EchelleTwips& echelle,
                           Langue langue)
    : client_(client), echelle_(echelle), langue_(langue) {
  for (const auto& [nom, c] : aire.Controles()) Creer(aire, nom);
  AppliquerDisposition(aire);
}

// A container is made before what it holds.
QWidget& EcranAireJeu::Creer(const AireJeu& aire, const std::string& nom) {
  if (const auto it = widgets_.find(nom); it != widgets_.end()) return *it->second;
  const Controle& c = aire[nom];
  QWidget& conteneur = c.conteneur.empty() ? client_ : Creer(aire, c.conteneur);
  // The high-score area, made just now as this control's container, made it too.
  if (const auto it = widgets_.find(nom); it != widgets_.end()) return *it->second;

  if (nom == Nom(Seul::SuperPanelScore)) return CreerPanneauScores(aire, conteneur);

  QWidget* widget = nullptr;
  if (EstImageDe(nom)) {
    widget = new ui::Image(&conteneur);
  } else {
    auto* panneau = new ui::Panneau(&conteneur);
    AppliquerDesign(*panneau, c);
    Habiller(*panneau, nom);
    widget = panneau;
  }
  widget->setObjectName(ui::EnQString(nom));
  widgets_.emplace(nom, widget);
  return *widget;
}

// The high-score area makes its own cells, with their design; they join the named controls,
// so that the layout places them and nothing makes them a second time.
QWidget& EcranAireJeu::CreerPanneauScores(const AireJeu& aire, QWidget& conteneur) {
  panneauScores_ = new SuperPanelScore(aire, echelle_, langue_, &conteneur);
  Habiller(*panneauScores_, Nom(Seul::SuperPanelScore));
  widgets_.emplace(Nom(Seul::SuperPanelScore), panneauScores_);
  for (ui::Panneau* panneau : panneauScores_->findChildren<ui::Panneau*>()) {
    const std::string nom = panneau->objectName().toStdString();
    Habiller(*panneau, nom);
    widgets_.emplace(nom, panneau);
  }
  return *panneauScores_;
}

QWidget& EcranAireJeu::Widget(std::string_view nom) const {
  const auto it = widgets_.find(nom);
  assert(it != widgets_.end());
  return *it->second;
}

ui::Panneau& EcranAireJeu::Panneau(const Cle& cle) const {
  auto* panneau = qobject_cast<ui::Panneau*>(&(*this)[cle]);
  assert(panneau != nullptr);
  return *panneau;
}

ui::Image& EcranAireJeu::Image(const Cle& cle) const {
  auto* image = qobject_cast<ui::Image*>(&(*this)[cle]);
  assert(image != nullptr);
  return *image;
}

void EcranAireJeu::AppliquerDisposition(const AireJeu& aire) {
  // In a small window the longest column name would overflow its header: every header takes
  // the size at which that one fits, so that they stay alike.
  QString enteteLaPlusLongue;
  for (int16_t c = 1; c <= NbColonnesMax; ++c) {
    const ui::Panneau& entete = Panneau(CleEntete{c});
    const QFontMetrics mesure(entete.font());
    if (mesure.horizontalAdvance(entete.caption()) > mesure.horizontalAdvance(enteteLaPlusLongue))
      enteteLaPlusLongue = entete.caption();
  }
  for (const auto& [nom, c] : aire.Controles()) {
    QWidget& widget = Widget(nom);
    echelle_.Placer(widget, EnTwips(c.rect));
    if (c.montre) widget.setVisible(*c.montre);
    if (c.police) {
      QFont police = widget.font();
      // On a screen much wider than 4:3 the throw button is flatter than its designed font.
      const QString modele =
          EstEntete(nom) ? enteteLaPlusLongue : ui::EnQString(ModeleLePlusLarge(nom));
      ui::ReglerTaille(police, ui::TailleQuiTient(police, *c.police, widget.size(), modele));
      widget.setFont(police);
    }
  }
}

void EcranAireJeu::DechargerTousControles() {
  for (int16_t i = 1; i <= NbFigures; ++i) {
    for (int16_t c = 1; c <= NbColonnesMax; ++c) (*this)[CleCase{c, i}].hide();
    for (Cote cote : {Cote::Gauche, Cote::Droite}) (*this)[CleEtiquette{cote, i}].hide();
  }
  for (int rang = 1; rang <= NbPlaces; ++rang)
    for (Famille famille : FamillesScores) panneauScores_->Cellule(famille, rang)->hide();
}

}  // namespace rolvex::app
