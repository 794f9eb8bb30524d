// Keyboard play beside the mouse. In the main window: keys 1 to 5 keep or throw a die as its
// left button does, Space or Enter presses the throw button, the arrows move a frame over the
// squares that can be chosen and Enter writes (or announces) the framed square, Escape takes
// the frame away. In the name dialog: Enter is OK, Escape cancels.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <span>

#include "engine/score_sheet.h"

class QKeyEvent;

namespace rolvex::ui {
class Image;
class Panneau;
}  // namespace rolvex::ui

namespace rolvex::app {

class FormRolvex;

// Where a square stands on the screen's grid: its column slot from the left (Descente 0,
// Libre 1, Montée 2, Sèche 3, Deux 4, Annonce 5) and its row (1..6 the upper figures, 9..15 the
// lower ones, below the total and bonus rows).
struct PlaceEcran {
  int colonne = 0;
  int ligne = 0;
  friend bool operator==(const PlaceEcran&, const PlaceEcran&) = default;
};
PlaceEcran PlaceDeCase(int16_t colonne, int16_t figure);

// The place an arrow (dx, dy: one of them ±1, the other 0; dy > 0 is down) leads to from
// `depuis`: the nearest of `places` lying that way, a step across the arrow counting twice a
// step along it, so that the frame keeps to its row or column while it can. Nothing when no
// place lies that way.
std::optional<PlaceEcran> PlaceSuivante(PlaceEcran depuis, int dx, int dy,
                                        std::span<const PlaceEcran> places);
// The nearest of `places` to `près`, counted the same way, the place itself included.
std::optional<PlaceEcran> PlaceLaPlusProche(PlaceEcran pres, std::span<const PlaceEcran> places);

// The keys act through the very signals the mouse raises on the same controls, so that a key
// never does what the mouse would not.
class ClavierJeu : public QObject {
 public:
  // Listens to the keys of `fenêtre` and of its name dialog, as its child "ClavierJeu".
  explicit ClavierJeu(FormRolvex& fenetre);
  ~ClavierJeu() override;
  ClavierJeu(const ClavierJeu&) = delete;
  ClavierJeu& operator=(const ClavierJeu&) = delete;

  // Once the sheet is drawn: the frame leaves a square that can no longer be chosen.
  void Actualiser();

  // The framed square (column 1..6, figure 1..13), if any.
  struct Case {
    int16_t colonne = 0;
    int16_t figure = 0;
    friend bool operator==(const Case&, const Case&) = default;
  };
  std::optional<Case> CaseEncadree() const { return encadree_; }
  // The frame drawn over the framed square; hidden when no square is framed.
  const QWidget& Cadre() const { return *cadre_; }

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  bool ToucheFenetre(const QKeyEvent& touche);
  bool ToucheDialogue(const QKeyEvent& touche);
  void PresserOk();
  void Deplacer(int dx, int dy);
  void Encadrer(std::optional<Case> laquelle);
  bool Choisissable(Case k) const;

  FormRolvex& fenetre_;
  ParCase<ui::Panneau*> cases_{};
  ParDe<ui::Image*> des_{};
  ui::Panneau* okDe_ = nullptr;
  QPointer<QWidget> cadre_;
  std::optional<Case> encadree_;
  std::optional<PlaceEcran> derniere_;  // where the frame last stood, to come back near it
};

}  // namespace rolvex::app
