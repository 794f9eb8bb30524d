#include "app/high_scores_panel.h"

#include <string>
#include <string_view>

#include "playarea/sheet_names.h"
#include "texts/messages.h"
#include "ui/text.h"

namespace rolvex {
namespace {

// The place of a column of the table among FamillesScores; NbColonnes for another family.
constexpr std::size_t NbColonnes = FamillesScores.size();
std::size_t Rang(Famille famille) {
  std::size_t k = 0;
  while (k < NbColonnes && FamillesScores[k] != famille) ++k;
  return k;
}

ui::Panneau* CreerPanneau(QWidget* conteneur, std::string_view nom) {
  auto* panneau = new ui::Panneau(conteneur);
  panneau->setObjectName(ui::EnQString(nom));
  return panneau;
}

// Place, font and colours of one control as the play area designs it.
void Appliquer(ui::Panneau& panneau, const Controle& c, const ui::EchelleTwips& echelle) {
  echelle.Placer(panneau, {c.rect.Left, c.rect.Top, c.rect.Width, c.rect.Height});
  if (!c.design.police.empty()) panneau.setFontName(ui::EnQString(c.design.police));
  panneau.setFontBold(c.design.gras);
  if (c.police) panneau.setFontSize(*c.police);
  if (c.design.texte) panneau.setForeColor(*c.design.texte);
  if (c.design.fond) panneau.setBackColor(*c.design.fond);
}

}  // namespace

SuperPanelScore::SuperPanelScore(const AireJeu& aire, const ui::EchelleTwips& echelle,
                                 Langue langue, QWidget* fenetre)
    : ui::Panneau(fenetre),
      panelModeColonnes_(CreerPanneau(this, Nom(Seul::PanelModeColonnes))),
      panelScore_(CreerPanneau(this, Nom(Seul::PanelScore))),
      panelEffacerScores_(CreerPanneau(this, Nom(Seul::PanelEffacerScores))) {
  setObjectName(ui::EnQString(Nom(Seul::SuperPanelScore)));
  hide();

  for (int16_t rang = 1; rang <= NbPlaces; ++rang) {
    for (Famille famille : FamillesScores) {
      ui::Panneau* cellule = CreerPanneau(panelScore_, Nom(CleElement{famille, rang}));
      // A long name or a long time shrinks rather than lose its ends at the cell's edges.
      cellule->setShrinkToFit(true);
      cellules_[rang][Rang(famille)] = cellule;
      connect(cellule, &ui::Panneau::mouseMoved, this,
              [this, famille, rang] { emit panelScoreMouseMove(famille, rang); });
    }
  }
  Disposer(aire, echelle);
  RemettreEnBleu();

  panelEffacerScores_->setPressLook(true);
  panelEffacerScores_->setCaption(ui::EnQString(
      InitTextesLangue(langue).LegendeDe("PanelEffacerScores").value_or(std::string())));
  connect(panelEffacerScores_, &ui::Panneau::clicked, this, &SuperPanelScore::effacerScoresClicked);
}

void SuperPanelScore::Disposer(const AireJeu& aire, const ui::EchelleTwips& echelle) {
  if (const Controle* zone = aire.Trouver(Seul::SuperPanelScore)) Appliquer(*this, *zone, echelle);
  for (ui::Panneau* panneau : findChildren<ui::Panneau*>()) {
    if (const Controle* c = aire.Trouver(panneau->objectName().toStdString()))
      Appliquer(*panneau, *c, echelle);
  }
}

void SuperPanelScore::AfficherScores(const TableHighScore& table) {
  for (int rang = 1; rang <= NbPlaces; ++rang)
    for (Famille famille : FamillesScores)
      cellules_[rang][Rang(famille)]->setCaption(
          ui::EnQString(LegendeCelluleScore(famille, rang, table[rang])));
  show();
  raise();
}

void SuperPanelScore::EffacerScores() { hide(); }

void SuperPanelScore::MarquerLigne(int place) {
  if (place < 1 || place > NbPlaces) return;
  for (ui::Panneau* cellule : cellules_[place]) cellule->setForeColor(RougeVif);
}

void SuperPanelScore::RemettreEnBleu() {
  for (const auto& ligne : cellules_)
    for (ui::Panneau* cellule : ligne) cellule->setForeColor(Bleu);
}

void SuperPanelScore::SetModeColonnes(const QString& legende) {
  panelModeColonnes_->setCaption(legende);
}

ui::Panneau* SuperPanelScore::Cellule(Famille famille, int rang) const {
  if (rang < 1 || rang > NbPlaces || Rang(famille) >= NbColonnes) return nullptr;
  return cellules_[rang][Rang(famille)];
}

}  // namespace rolvex
