// Keyboard play beside the mouse. In the main window: keys 1 to 5 keep or throw a die as its
// left button does, with Shift keep the dice identical to it as its right button does; Space
// presses the throw button; the arrows, Home, End, Page Up and Page Down move the frame over
// the squares that can be chosen, and Enter writes (or announces) the framed square or presses
// the button framed; Escape takes the frame away, or hides the high scores. The frame is the
// keyboard focus: every key moves the focus to the control it acts on. In the name dialog:
// Enter is OK, Escape cancels.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "engine/score_sheet.h"

class QKeyEvent;

namespace rolvex::ui {
class CadreClavier;
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
// Where Home, End (the first and last of `depuis`'s column), Page Up and Page Down (the first
// and last rows, nearest to `depuis`'s column) lead among `places`; where an arrow starts when
// nothing is framed (`depuis` empty): the first place of the leftmost column.
enum class Saut { Debut, Fin, PageHaut, PageBas };
std::optional<PlaceEcran> PlaceDuSaut(std::optional<PlaceEcran> depuis, Saut saut,
                                      std::span<const PlaceEcran> places);

// The die a key with its modifiers stands for, 1..5, and whether it keeps the dice identical to
// it (Shift). The digits, on the keypad too, the keys of the digits on a French keyboard (& é "
// ' ( unshifted) and, shifted, on an English one (! @ # $ %); `codeNatif` is the key's place
// on the keyboard, which finds the digits' row whatever the layout where the platform gives it.
struct ToucheDe {
  int16_t de = 0;
  bool identiques = false;
  friend bool operator==(const ToucheDe&, const ToucheDe&) = default;
};
std::optional<ToucheDe> DeDeLaTouche(int touche, Qt::KeyboardModifiers modificateurs,
                                     quint32 codeNatif);

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
  // The frame drawn around the control the keys act on, while the keyboard is in use (since a
  // key was pressed, until the mouse is used); the dice then show their keys.
  const QWidget& Cadre() const;

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  bool ToucheFenetre(const QKeyEvent& touche);
  bool ToucheDialogue(const QKeyEvent& touche);
  void PresserOk();
  void PresserFocus();
  void Deplacer(int dx, int dy);
  void Sauter(Saut saut);
  // Frames the place `choix` picks among those of the squares that can be chosen.
  void AllerVers(
      const std::function<std::optional<PlaceEcran>(std::span<const PlaceEcran>)>& choix);
  void Encadrer(std::optional<Case> laquelle);
  bool Choisissable(Case k) const;
  // The control a player meets first: the high scores while shown, else the throw button or
  // the buttons that stand in its place.
  void DonnerFocus();
  void SuivreFocus(QWidget* focus);
  void ModeClavier(bool actif);
  bool Utilisable(const QWidget* w) const;

  FormRolvex& fenetre_;
  ParCase<ui::Panneau*> cases_{};
  ParDe<ui::Image*> des_{};
  ui::Panneau* okDe_ = nullptr;
  ui::Panneau* rejouer_ = nullptr;
  ui::Panneau* changer_ = nullptr;
  ui::Panneau* jouer_ = nullptr;
  ui::Panneau* cacherScores_ = nullptr;
  QWidget* scores_ = nullptr;       // the high-score area
  QWidget* tableScores_ = nullptr;  // its table
  QPointer<ui::CadreClavier> cadre_;
  std::optional<Case> encadree_;
  bool clavier_ = false;  // keys used since the mouse last was
  QPointF souris_;        // where the mouse last was, to tell a real move from a redraw's
};

}  // namespace rolvex::app
