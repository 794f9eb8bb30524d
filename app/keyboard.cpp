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
constexpr int RangéesEntreDeuxParties = 2;

// A step across the arrow weighs twice a step along it.
constexpr int PoidsTravers = 2;

int Écart(PlaceÉcran depuis, PlaceÉcran vers, int dx, int dy) {
  const int le_long = (vers.colonne - depuis.colonne) * dx + (vers.ligne - depuis.ligne) * dy;
  const int en_travers = std::abs((vers.colonne - depuis.colonne) * dy) +
                         std::abs((vers.ligne - depuis.ligne) * dx);
  return le_long + PoidsTravers * en_travers;
}

// The reading order breaks ties: the upper row first, then the left column.
bool AvantDansLaLecture(PlaceÉcran a, PlaceÉcran b) {
  return a.ligne != b.ligne ? a.ligne < b.ligne : a.colonne < b.colonne;
}

// The die a key stands for: the digits, also on the keypad, and the keys of the digits on a
// French keyboard, which type & é " ' ( unless shifted.
std::optional<int16_t> DéDeLaTouche(int touche) {
  switch (touche) {
    case Qt::Key_1: case Qt::Key_Ampersand: return 1;
    case Qt::Key_2: case Qt::Key_Eacute: return 2;
    case Qt::Key_3: case Qt::Key_QuoteDbl: return 3;
    case Qt::Key_4: case Qt::Key_Apostrophe: return 4;
    case Qt::Key_5: case Qt::Key_ParenLeft: return 5;
    default: return std::nullopt;
  }
}

bool EstEntrée(int touche) { return touche == Qt::Key_Return || touche == Qt::Key_Enter; }

// The menus' keys and the window manager's keep their modifiers; the game takes none.
bool SansModificateur(const QKeyEvent& touche) {
  return (touche.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

// A black then a white line around the square, over its bevel and the gap around it, so that
// it shows on every column's colour.
class CadreFocus : public QWidget {
 public:
  static constexpr int Épaisseur = 2;

  explicit CadreFocus(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CadreFocus"));
    setAttribute(Qt::WA_TransparentForMouseEvents);  // the mouse still reaches the square
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRect r = rect();
    for (int i = 0; i < 2 * Épaisseur; ++i) {
      p.setPen(i < Épaisseur ? Qt::black : Qt::white);
      p.drawRect(r.adjusted(i, i, -i - 1, -i - 1));
    }
  }
};

}  // namespace

PlaceÉcran PlaceDeCase(int16_t colonne, int16_t figure) {
  int emplacement = 0;
  while (OrdreÉcran[static_cast<std::size_t>(emplacement)] != colonne) ++emplacement;
  return {emplacement, EstFigureHaute(figure) ? figure : figure + RangéesEntreDeuxParties};
}

std::optional<PlaceÉcran> PlaceSuivante(PlaceÉcran depuis, int dx, int dy,
                                        std::span<const PlaceÉcran> places) {
  std::optional<PlaceÉcran> meilleure;
  int meilleurÉcart = 0;
  for (PlaceÉcran p : places) {
    const int le_long = (p.colonne - depuis.colonne) * dx + (p.ligne - depuis.ligne) * dy;
    if (le_long <= 0) continue;
    const int écart = Écart(depuis, p, dx, dy);
    if (!meilleure || écart < meilleurÉcart ||
        (écart == meilleurÉcart && AvantDansLaLecture(p, *meilleure))) {
      meilleure = p;
      meilleurÉcart = écart;
    }
  }
  return meilleure;
}

std::optional<PlaceÉcran> PlaceLaPlusProche(PlaceÉcran près, std::span<const PlaceÉcran> places) {
  std::optional<PlaceÉcran> meilleure;
  int meilleurÉcart = 0;
  for (PlaceÉcran p : places) {
    const int écart = PoidsTravers * std::abs(p.colonne - près.colonne) + std::abs(p.ligne - près.ligne);
    if (!meilleure || écart < meilleurÉcart ||
        (écart == meilleurÉcart && AvantDansLaLecture(p, *meilleure))) {
      meilleure = p;
      meilleurÉcart = écart;
    }
  }
  return meilleure;
}

ClavierJeu::ClavierJeu(FormRolvex& fenêtre) : QObject(&fenêtre), fenêtre_(fenêtre) {
  setObjectName(QStringLiteral("ClavierJeu"));
  for (int16_t c = 1; c <= NbColonnesMax; ++c)
    for (int16_t f = 1; f <= NbFigures; ++f)
      cases_[c][f] = Trouver<ui::Panneau>(fenêtre, NomCase(c, f));
  for (int16_t i = 1; i <= NbDés; ++i) dés_[i] = Trouver<ui::Image>(fenêtre, NomÉlément("ImageDé", i));
  okDé_ = Trouver<ui::Panneau>(fenêtre, "PanelOkDé");
  cadre_ = new CadreFocus(Trouver<QWidget>(fenêtre, "PictureAireJeu"));
  fenêtre.installEventFilter(this);
  fenêtre.Params().installEventFilter(this);
}

// A child of the main window, it goes with it; Qt forgets a filter that is destroyed.
ClavierJeu::~ClavierJeu() = default;

bool ClavierJeu::eventFilter(QObject* objet, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto& touche = static_cast<const QKeyEvent&>(*event);
    if (objet == &fenêtre_ && ToucheFenêtre(touche)) return true;
    if (objet == &fenêtre_.Params() && ToucheDialogue(touche)) return true;
  }
  return QObject::eventFilter(objet, event);
}

bool ClavierJeu::ToucheFenêtre(const QKeyEvent& touche) {
  if (!SansModificateur(touche) || !fenêtre_.isEnabled()) return false;
  if (const std::optional<int16_t> dé = DéDeLaTouche(touche.key())) {
    ui::Image* image = dés_[*dé];
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
      if (encadrée_) {
        if (ui::Panneau* carré = cases_[encadrée_->colonne][encadrée_->figure]) emit carré->clicked();
      } else {
        PresserOk();
      }
      return true;
    case Qt::Key_Left: Déplacer(-1, 0); return true;
    case Qt::Key_Right: Déplacer(1, 0); return true;
    case Qt::Key_Up: Déplacer(0, -1); return true;
    case Qt::Key_Down: Déplacer(0, 1); return true;
    case Qt::Key_Escape:
      Encadrer(std::nullopt);
      return true;
    default: return false;
  }
}

bool ClavierJeu::ToucheDialogue(const QKeyEvent& touche) {
  if (!SansModificateur(touche) || touche.isAutoRepeat()) return false;
  FormParams& dialogue = fenêtre_.Params();
  if (EstEntrée(touche.key())) {
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
  if (okDé_ && okDé_->isVisible() && okDé_->isEnabled()) emit okDé_->clicked();
}

bool ClavierJeu::Choisissable(Case k) const {
  const CaseJeu& état = fenêtre_.État().Cases(k.colonne, k.figure);
  if (!état.Visible || !état.Sélectionnable || état.Prise) return false;
  const QWidget* carré = cases_[k.colonne][k.figure];
  return carré && carré->isVisible();
}

void ClavierJeu::Déplacer(int dx, int dy) {
  std::vector<PlaceÉcran> places;
  std::vector<Case> cases;
  for (int16_t c : OrdreÉcran)
    for (int16_t f = 1; f <= NbFigures; ++f)
      if (Choisissable({c, f})) {
        places.push_back(PlaceDeCase(c, f));
        cases.push_back({c, f});
      }
  std::optional<PlaceÉcran> vers;
  if (encadrée_)
    vers = PlaceSuivante(PlaceDeCase(encadrée_->colonne, encadrée_->figure), dx, dy, places);
  else if (!places.empty())
    vers = dernière_ ? PlaceLaPlusProche(*dernière_, places) : PlaceLaPlusProche({0, 0}, places);
  if (!vers) return;
  for (std::size_t i = 0; i < places.size(); ++i)
    if (places[i] == *vers) Encadrer(cases[i]);
}

void ClavierJeu::Encadrer(std::optional<Case> laquelle) {
  encadrée_ = laquelle;
  if (!laquelle) {
    cadre_->hide();
    return;
  }
  dernière_ = PlaceDeCase(laquelle->colonne, laquelle->figure);
  ui::Panneau* carré = cases_[laquelle->colonne][laquelle->figure];
  if (!carré) return;
  const int é = CadreFocus::Épaisseur;
  cadre_->setGeometry(carré->geometry().adjusted(-é, -é, é, é));
  cadre_->raise();
  cadre_->show();
  // The information line explains the square, as when the mouse passes over it.
  emit carré->mouseMoved();
}

void ClavierJeu::Actualiser() {
  if (encadrée_ && !Choisissable(*encadrée_)) Encadrer(std::nullopt);
}

}  // namespace rolvex::app
