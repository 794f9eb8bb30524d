#include "app/keyboard.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>
#include <cstdlib>
#include <vector>

#include "app/controls.h"
#include "app/main_window.h"
#include "app/params_dialog.h"
#include "playarea/sheet_names.h"
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

// The die a key stands for: the digits, also on the keypad, and the keys of the digits on a
// French keyboard, which type & é " ' ( unless shifted.
std::optional<int16_t> DeDeLaTouche(int touche) {
  switch (touche) {
    case Qt::Key_1:
    case Qt::Key_Ampersand: return 1;
    case Qt::Key_2:
    case Qt::Key_Eacute: return 2;
    case Qt::Key_3:
    case Qt::Key_QuoteDbl: return 3;
    case Qt::Key_4:
    case Qt::Key_Apostrophe: return 4;
    case Qt::Key_5:
    case Qt::Key_ParenLeft: return 5;
    default: return std::nullopt;
  }
}

bool EstEntree(int touche) { return touche == Qt::Key_Return || touche == Qt::Key_Enter; }

// The menus' keys and the window manager's keep their modifiers; the game takes none.
bool SansModificateur(const QKeyEvent& touche) {
  return (touche.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

// A black then a white line around the square, over its bevel and the gap around it, so that
// it shows on every column's colour.
class CadreFocus : public QWidget {
 public:
  static constexpr int Epaisseur = 2;

  explicit CadreFocus(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CadreFocus"));
    setAttribute(Qt::WA_TransparentForMouseEvents);  // the mouse still reaches the square
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRect r = rect();
    for (int i = 0; i < 2 * Epaisseur; ++i) {
      p.setPen(i < Epaisseur ? Qt::black : Qt::white);
      p.drawRect(r.adjusted(i, i, -i - 1, -i - 1));
    }
  }
};

}  // namespace

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
  cadre_ = new CadreFocus(Trouver<QWidget>(fenetre, Seul::PictureAireJeu));
  fenetre.installEventFilter(this);
  fenetre.Params().installEventFilter(this);
}

// A child of the main window, it goes with it; Qt forgets a filter that is destroyed.
ClavierJeu::~ClavierJeu() = default;

bool ClavierJeu::eventFilter(QObject* objet, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto& touche = static_cast<const QKeyEvent&>(*event);
    if (objet == &fenetre_ && ToucheFenetre(touche)) return true;
    if (objet == &fenetre_.Params() && ToucheDialogue(touche)) return true;
  }
  return QObject::eventFilter(objet, event);
}

bool ClavierJeu::ToucheFenetre(const QKeyEvent& touche) {
  if (!SansModificateur(touche) || !fenetre_.isEnabled()) return false;
  if (const std::optional<int16_t> de = DeDeLaTouche(touche.key())) {
    ui::Image* image = des_[*de];
    if (image && image->isVisible() && !touche.isAutoRepeat()) emit image->mouseDown(1);
    return true;
  }
  switch (touche.key()) {
    case Qt::Key_Space:
      if (!touche.isAutoRepeat()) PresserOk();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (touche.isAutoRepeat()) return true;
      if (encadree_) {
        if (ui::Panneau* carre = cases_[encadree_->colonne][encadree_->figure])
          emit carre->clicked();
      } else {
        PresserOk();
      }
      return true;
    case Qt::Key_Left: Deplacer(-1, 0); return true;
    case Qt::Key_Right: Deplacer(1, 0); return true;
    case Qt::Key_Up: Deplacer(0, -1); return true;
    case Qt::Key_Down: Deplacer(0, 1); return true;
    case Qt::Key_Escape: Encadrer(std::nullopt); return true;
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

bool ClavierJeu::Choisissable(Case k) const {
  const CaseJeu& etat = fenetre_.Etat().Cases(k.colonne, k.figure);
  if (!etat.Visible || !etat.Selectionnable || etat.Prise) return false;
  const QWidget* carre = cases_[k.colonne][k.figure];
  return carre && carre->isVisible();
}

void ClavierJeu::Deplacer(int dx, int dy) {
  std::vector<PlaceEcran> places;
  std::vector<Case> cases;
  for (int16_t c : OrdreEcran)
    for (int16_t f = 1; f <= NbFigures; ++f)
      if (Choisissable({c, f})) {
        places.push_back(PlaceDeCase(c, f));
        cases.push_back({c, f});
      }
  std::optional<PlaceEcran> vers;
  if (encadree_)
    vers = PlaceSuivante(PlaceDeCase(encadree_->colonne, encadree_->figure), dx, dy, places);
  else if (!places.empty())
    vers = derniere_ ? PlaceLaPlusProche(*derniere_, places) : PlaceLaPlusProche({0, 0}, places);
  if (!vers) return;
  for (std::size_t i = 0; i < places.size(); ++i)
    if (places[i] == *vers) Encadrer(cases[i]);
}

void ClavierJeu::Encadrer(std::optional<Case> laquelle) {
  encadree_ = laquelle;
  if (!laquelle) {
    cadre_->hide();
    return;
  }
  derniere_ = PlaceDeCase(laquelle->colonne, laquelle->figure);
  ui::Panneau* carre = cases_[laquelle->colonne][laquelle->figure];
  if (!carre) return;
  const int e = CadreFocus::Epaisseur;
  cadre_->setGeometry(carre->geometry().adjusted(-e, -e, e, e));
  cadre_->raise();
  cadre_->show();
  // The information line explains the square, as when the mouse passes over it.
  emit carre->mouseMoved();
}

void ClavierJeu::Actualiser() {
  if (encadree_ && !Choisissable(*encadree_)) Encadrer(std::nullopt);
}

}  // namespace rolvex::app
