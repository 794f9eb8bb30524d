#include "app/high_scores_panel.h"

#include <string>
#include <string_view>

#include "playarea/sheet_names.h"
#include "texts/messages.h"
#include "ui/text.h"

namespace rolvex {
namespace {

// The five families of cells, in the order of PanelScore.
struct FamilleScores {
  PanelScore famille;
  std::string_view nom;
};
constexpr std::array<FamilleScores, 5> Familles = {{
    {PanelScore::PanelScoreClassement, "PanelScoreClassement"},
    {PanelScore::PanelScoreNom, "PanelScoreNom"},
    {PanelScore::PanelScoreTemps, "PanelScoreTemps"},
    {PanelScore::PanelScoreNbFigures, "PanelScoreNbFigures"},
    {PanelScore::PanelScoreScore, "PanelScoreScore"},
}};

constexpr std::size_t Rang(PanelScore famille) { return static_cast<std::size_t>(famille); }

static_assert([] {
  for (std::size_t k = 0; k < Familles.size(); ++k)
    if (Rang(Familles[k].famille) != k) return false;
  return true;
}());

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
      panelModeColonnes_(CreerPanneau(this, "PanelModeColonnes")),
      panelScore_(CreerPanneau(this, "PanelScore")),
      panelEffacerScores_(CreerPanneau(this, "PanelEffacerScores")) {
  setObjectName(QStringLiteral("SuperPanelScore"));
  hide();

  for (int rang = 1; rang <= NbPlaces; ++rang) {
    for (const FamilleScores& f : Familles) {
      ui::Panneau* cellule = CreerPanneau(panelScore_, NomElement(f.nom, rang));
      // A long name or a long time shrinks rather than lose its ends at the cell's edges.
      cellule->setShrinkToFit(true);
      cellules_[rang][Rang(f.famille)] = cellule;
      connect(cellule, &ui::Panneau::mouseMoved, this,
              [this, famille = f.famille, rang] { emit panelScoreMouseMove(famille, rang); });
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
  if (const Controle* zone = aire.Trouver("SuperPanelScore")) Appliquer(*this, *zone, echelle);
  for (ui::Panneau* panneau : findChildren<ui::Panneau*>()) {
    if (const Controle* c = aire.Trouver(panneau->objectName().toStdString()))
      Appliquer(*panneau, *c, echelle);
  }
}

void SuperPanelScore::AfficherScores(const TableHighScore& table) {
  for (int rang = 1; rang <= NbPlaces; ++rang)
    for (const FamilleScores& f : Familles)
      cellules_[rang][Rang(f.famille)]->setCaption(
          ui::EnQString(LegendeCelluleScore(f.famille, rang, table[rang])));
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

ui::Panneau* SuperPanelScore::Cellule(PanelScore famille, int rang) const {
  if (rang < 1 || rang > NbPlaces || Rang(famille) >= NbFamilles) return nullptr;
  return cellules_[rang][Rang(famille)];
}

}  // namespace rolvex
