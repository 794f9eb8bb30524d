#include "app/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <vector>

#include "app/controls.h"
#include "app/main_window.h"
#include "app/params_dialog.h"
#include "playarea/sheet_names.h"
#include "ui/keyboard_frame.h"
#include "ui/panel.h"
#include "ui/picture.h"

namespace rolvex::app {

namespace {

// Two rows of the grid, the total and the bonus, stand between the upper and the lower figures.
constexpr int RangeesEntreDeuxParties = 2;

// A step across the arrow weighs twice a step along it.
constexpr int PoidsTravers = 2;

int Ecart(PlaceEcran depuis, PlaceEcran vers, int dx, int dy) {
  const int le_long = (vers.colonne - depuis.colonne) * dx + (vers.ligne - depuis.ligne) * dy;
  const int en_travers =
      std::abs((vers.colonne - depuis.colonne) * dy) + std::abs((vers.ligne - depuis.ligne) * dx);
  return le_long + PoidsTravers * en_travers;
}

// The reading order breaks ties: the upper row first, then the left column.
bool AvantDansLaLecture(PlaceEcran a, PlaceEcran b) {
  return a.ligne != b.ligne ? a.ligne < b.ligne : a.colonne < b.colonne;
}

bool EstEntree(int touche) { return touche == Qt::Key_Return || touche == Qt::Key_Enter; }

// The menus' keys and the window manager's keep their modifiers; the game takes none but Shift.
bool SansModificateur(const QKeyEvent& touche) {
  return (touche.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

// The places of the digits 1 to 5 on the keyboard's top row, as X11 numbers them.
constexpr quint32 CodeNatifDu1 = 10;

}  // namespace

std::optional<ToucheDe> DeDeLaTouche(int touche, Qt::KeyboardModifiers modificateurs,
                                     quint32 codeNatif) {
  const bool identiques = modificateurs & Qt::ShiftModifier;
  // The key's place first: shifted, the same key types another sign on every layout.
  if (codeNatif >= CodeNatifDu1 && codeNatif < CodeNatifDu1 + NbDes)
    return ToucheDe{static_cast<int16_t>(codeNatif - CodeNatifDu1 + 1), identiques};
  constexpr std::array<std::array<int, 3>, NbDes> Touches = {{
      {Qt::Key_1, Qt::Key_Ampersand, Qt::Key_Exclam},
      {Qt::Key_2, Qt::Key_Eacute, Qt::Key_At},
      {Qt::Key_3, Qt::Key_QuoteDbl, Qt::Key_NumberSign},
      {Qt::Key_4, Qt::Key_Apostrophe, Qt::Key_Dollar},
      {Qt::Key_5, Qt::Key_ParenLeft, Qt::Key_Percent},
  }};
  for (int16_t de = 1; de <= NbDes; ++de) {
    const auto& t = Touches[static_cast<std::size_t>(de - 1)];
    // The English shifted signs are a die's key only shifted: unshifted, they are other keys.
    if (touche == t[0] || touche == t[1] || (identiques && touche == t[2]))
      return ToucheDe{de, identiques};
  }
  return std::nullopt;
}

std::optional<PlaceEcran> PlaceDuSaut(std::optional<PlaceEcran> depuis, Saut saut,
                                      std::span<const PlaceEcran> places) {
  std::vector<PlaceEcran> retenues;
  auto garder = [&](auto&& quelles) {
    for (PlaceEcran p : places)
      if (quelles(p)) retenues.push_back(p);
  };
  if (!depuis) {
    if (places.empty()) return std::nullopt;
    int gauche = places.front().colonne;
    for (PlaceEcran p : places) gauche = std::min(gauche, p.colonne);
    garder([&](PlaceEcran p) { return p.colonne == gauche; });
    return PlaceLaPlusProche({gauche, 0}, retenues);
  }
  if (saut == Saut::Debut || saut == Saut::Fin) {
    garder([&](PlaceEcran p) { return p.colonne == depuis->colonne; });
    return PlaceLaPlusProche({depuis->colonne, saut == Saut::Debut ? 0 : 1000}, retenues);
  }
  if (places.empty()) return std::nullopt;
  int ligne = places.front().ligne;
  for (PlaceEcran p : places)
    ligne = saut == Saut::PageHaut ? std::min(ligne, p.ligne) : std::max(ligne, p.ligne);
  garder([&](PlaceEcran p) { return p.ligne == ligne; });
  return PlaceLaPlusProche({depuis->colonne, ligne}, retenues);
}

PlaceEcran PlaceDeCase(int16_t colonne, int16_t figure) {
  int emplacement = 0;
  while (OrdreEcran[static_cast<std::size_t>(emplacement)] != colonne) ++emplacement;
  return {emplacement, EstFigureHaute(figure) ? figure : figure + RangeesEntreDeuxParties};
}

std::optional<PlaceEcran> PlaceSuivante(PlaceEcran depuis, int dx, int dy,
                                        std::span<const PlaceEcran> places) {
  std::optional<PlaceEcran> meilleure;
  int meilleurEcart = 0;
  for (PlaceEcran p : places) {
    const int le_long = (p.colonne - depuis.colonne) * dx + (p.ligne - depuis.ligne) * dy;
    if (le_long <= 0) continue;
    const int ecart = Ecart(depuis, p, dx, dy);
    if (!meilleure || ecart < meilleurEcart ||
        (ecart == meilleurEcart && AvantDansLaLecture(p, *meilleure))) {
      meilleure = p;
      meilleurEcart = ecart;
    }
  }
  return meilleure;
}

std::optional<PlaceEcran> PlaceLaPlusProche(PlaceEcran pres, std::span<const PlaceEcran> places) {
  std::optional<PlaceEcran> meilleure;
  int meilleurEcart = 0;
  for (PlaceEcran p : places) {
    const int ecart =
        PoidsTravers * std::abs(p.colonne - pres.colonne) + std::abs(p.ligne - pres.ligne);
    if (!meilleure || ecart < meilleurEcart ||
        (ecart == meilleurEcart && AvantDansLaLecture(p, *meilleure))) {
      meilleure = p;
      meilleurEcart = ecart;
    }
  }
  return meilleure;
}

ClavierJeu::ClavierJeu(FormRolvex& fenetre) : QObject(&fenetre), fenetre_(fenetre) {
  setObjectName(QStringLiteral("ClavierJeu"));
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f)
      cases_[c][f] = Trouver<ui::Panneau>(fenetre, CleCase{c, f});
  for (int16_t i = 1; i <= NbDes; ++i)
    des_[i] = Trouver<ui::Image>(fenetre, CleElement{Famille::ImageDe, i});
  okDe_ = Trouver<ui::Panneau>(fenetre, Seul::PanelOkDe);
  rejouer_ = Trouver<ui::Panneau>(fenetre, Seul::PanelNewGame);
  changer_ = Trouver<ui::Panneau>(fenetre, Seul::PanelNewMode);
  jouer_ = Trouver<ui::Panneau>(fenetre, Seul::PanelStart);
  cacherScores_ = Trouver<ui::Panneau>(fenetre, Seul::PanelEffacerScores);
  scores_ = Trouver<QWidget>(fenetre, Seul::SuperPanelScore);
  tableScores_ = Trouver<QWidget>(fenetre, Seul::PanelScore);
  cadre_ = new ui::CadreClavier(Trouver<QWidget>(fenetre, Seul::PictureAireJeu));

  // Tab goes round the dice and the buttons; the squares take the focus from the arrows only,
  // and only while they can be chosen.
  for (QWidget* w :
       std::initializer_list<QWidget*>{jouer_, des_[1], des_[2], des_[3], des_[4], des_[5], okDe_,
                                       rejouer_, changer_, tableScores_, cacherScores_})
    if (w) w->setFocusPolicy(Qt::TabFocus);
  if (scores_) scores_->installEventFilter(this);
  if (rejouer_) rejouer_->installEventFilter(this);

  fenetre.installEventFilter(this);
  fenetre.Params().installEventFilter(this);
  // The mouse, wherever it is used, ends the keyboard's marks.
  qApp->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* focus) { SuivreFocus(focus); });
}

// A child of the main window, it goes with it; Qt forgets a filter that is destroyed.
ClavierJeu::~ClavierJeu() = default;

const QWidget& ClavierJeu::Cadre() const { return *cadre_; }

bool ClavierJeu::eventFilter(QObject* objet, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const auto& touche = static_cast<const QKeyEvent&>(*event);
      if (objet == &fenetre_ && ToucheFenetre(touche)) return true;
      if (objet == &fenetre_.Params() && ToucheDialogue(touche)) return true;
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove: {
      const auto& souris = static_cast<const QMouseEvent&>(*event);
      if (clavier_ && event->spontaneous() &&
          (event->type() == QEvent::MouseButtonPress || souris.globalPosition() != souris_))
        ModeClavier(false);
      souris_ = souris.globalPosition();
      break;
    }
    // The high scores come and go, the game ends: the focus goes where the player goes next.
    case QEvent::Show:
    case QEvent::Hide:
      if (objet == scores_ || objet == rejouer_ || objet == okDe_) DonnerFocus();
      break;
    case QEvent::WindowActivate:
      if (objet == &fenetre_ && !Utilisable(fenetre_.focusWidget())) DonnerFocus();
      break;
    default: break;
  }
  return QObject::eventFilter(objet, event);
}

bool ClavierJeu::ToucheFenetre(const QKeyEvent& touche) {
  if (!SansModificateur(touche) || !fenetre_.isEnabled()) return false;
  ModeClavier(true);
  if (const std::optional<ToucheDe> de =
          DeDeLaTouche(touche.key(), touche.modifiers(), touche.nativeScanCode())) {
    ui::Image* image = des_[de->de];
    if (image && image->isVisible() && !touche.isAutoRepeat()) {
      emit image->mouseDown(de->identiques ? bouton::Droit : bouton::Gauche);
      image->setFocus(Qt::ShortcutFocusReason);
    }
    return true;
  }
  // A held key writes or throws once: its repeats would write the next squares unseen.
  switch (touche.key()) {
    case Qt::Key_Space:
      if (!touche.isAutoRepeat()) {
        if (okDe_ && okDe_->isVisible()) okDe_->setFocus(Qt::ShortcutFocusReason);
        PresserFocus();
      }
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!touche.isAutoRepeat()) PresserFocus();
      return true;
    case Qt::Key_Left: Deplacer(-1, 0); return true;
    case Qt::Key_Right: Deplacer(1, 0); return true;
    case Qt::Key_Up: Deplacer(0, -1); return true;
    case Qt::Key_Down: Deplacer(0, 1); return true;
    case Qt::Key_Home: Sauter(Saut::Debut); return true;
    case Qt::Key_End: Sauter(Saut::Fin); return true;
    case Qt::Key_PageUp: Sauter(Saut::PageHaut); return true;
    case Qt::Key_PageDown: Sauter(Saut::PageBas); return true;
    case Qt::Key_Escape:
      if (scores_ && scores_->isVisible() && cacherScores_)
        emit cacherScores_->clicked();
      else
        Encadrer(std::nullopt);
      return true;
    default: return false;
  }
}

bool ClavierJeu::ToucheDialogue(const QKeyEvent& touche) {
  if (!SansModificateur(touche) || touche.isAutoRepeat()) return false;
  FormParams& dialogue = fenetre_.Params();
  if (EstEntree(touche.key())) {
    dialogue.PanelOkParams_Click();
    return true;
  }
  if (touche.key() == Qt::Key_Escape) {
    dialogue.PanelCancelParams_Click();
    return true;
  }
  return false;
}

// Only while the button shows: after a game, its place holds the buttons of the next one.
void ClavierJeu::PresserOk() {
  if (okDe_ && okDe_->isVisible() && okDe_->isEnabled()) emit okDe_->clicked();
}

// Enter acts on what the frame shows: the square, a button; on a die, it throws.
void ClavierJeu::PresserFocus() {
  if (encadree_) {
    if (ui::Panneau* carre = cases_[encadree_->colonne][encadree_->figure]) emit carre->clicked();
    return;
  }
  for (ui::Panneau* bouton : {jouer_, okDe_, rejouer_, changer_, cacherScores_})
    if (bouton && bouton->hasFocus() && bouton->isVisible()) {
      emit bouton->clicked();
      return;
    }
  PresserOk();
}

bool ClavierJeu::Choisissable(Case k) const {
  const CaseJeu& etat = fenetre_.Etat().Cases(k.colonne, k.figure);
  if (!etat.Visible || !etat.Selectionnable || etat.Prise) return false;
  const QWidget* carre = cases_[k.colonne][k.figure];
  return carre && carre->isVisible();
}

void ClavierJeu::Deplacer(int dx, int dy) {
  if (!encadree_) return Sauter(Saut::Debut);
  AllerVers([&](std::span<const PlaceEcran> places) {
    return PlaceSuivante(PlaceDeCase(encadree_->colonne, encadree_->figure), dx, dy, places);
  });
}

void ClavierJeu::Sauter(Saut saut) {
  std::optional<PlaceEcran> depuis;
  if (encadree_) depuis = PlaceDeCase(encadree_->colonne, encadree_->figure);
  AllerVers([&](std::span<const PlaceEcran> places) { return PlaceDuSaut(depuis, saut, places); });
}

void ClavierJeu::AllerVers(
    const std::function<std::optional<PlaceEcran>(std::span<const PlaceEcran>)>& choix) {
  std::vector<PlaceEcran> places;
  std::vector<Case> cases;
  for (int16_t c : OrdreEcran)
    for (int16_t f = 1; f <= NbFigures; ++f)
      if (Choisissable({c, f})) {
        places.push_back(PlaceDeCase(c, f));
        cases.push_back({c, f});
      }
  const std::optional<PlaceEcran> vers = choix(places);
  for (std::size_t i = 0; vers && i < places.size(); ++i)
    if (places[i] == *vers) Encadrer(cases[i]);
}

void ClavierJeu::Encadrer(std::optional<Case> laquelle) {
  ui::Panneau* carre = laquelle ? cases_[laquelle->colonne][laquelle->figure] : nullptr;
  if (!carre) {
    encadree_ = std::nullopt;
    DonnerFocus();
    return;
  }
  encadree_ = laquelle;
  carre->setFocus(Qt::OtherFocusReason);
  SuivreFocus(carre);
  // The information line explains the square, as when the mouse passes over it.
  emit carre->mouseMoved();
}

void ClavierJeu::DonnerFocus() {
  encadree_ = std::nullopt;
  QWidget* vers = nullptr;
  if (scores_ && scores_->isVisible()) vers = tableScores_;
  for (QWidget* w : {static_cast<QWidget*>(okDe_), static_cast<QWidget*>(rejouer_),
                     static_cast<QWidget*>(jouer_)})
    if (!vers && w && w->isVisible()) vers = w;
  if (vers && vers->isVisible()) vers->setFocus(Qt::OtherFocusReason);
  SuivreFocus(fenetre_.focusWidget());
}

bool ClavierJeu::Utilisable(const QWidget* w) const {
  const bool encadre = encadree_ && w == cases_[encadree_->colonne][encadree_->figure];
  return w && w->isVisible() && (encadre || w->focusPolicy() != Qt::NoFocus);
}

// Another window taking the focus (a message box, the dialog) leaves the frame where it is.
void ClavierJeu::SuivreFocus(QWidget* focus) {
  if (!focus || focus->window() != &fenetre_) return;
  if (encadree_ && focus != cases_[encadree_->colonne][encadree_->figure]) encadree_.reset();
  if (cadre_) cadre_->Suivre(clavier_ && focus != &fenetre_ ? focus : nullptr);
}

void ClavierJeu::ModeClavier(bool actif) {
  if (clavier_ == actif) return;
  clavier_ = actif;
  for (int16_t i = 1; i <= NbDes; ++i)
    if (des_[i]) des_[i]->setMarque(actif ? QString::number(i) : QString());
  if (!actif && cadre_) cadre_->Suivre(nullptr);
  SuivreFocus(fenetre_.focusWidget());
}

void ClavierJeu::Actualiser() {
  if (encadree_ && !Choisissable(*encadree_)) Encadrer(std::nullopt);
}

}  // namespace rolvex::app
