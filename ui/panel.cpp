#include "ui/panel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/mouse.h"
#include "ui/text.h"

namespace rolvex::ui {
namespace {

const QColor Lumiere(255, 255, 255);
const QColor Ombre(128, 128, 128);

}  // namespace

void PeindreBiseau(QPainter& p, const QRect& cadre, int biseau, int largeur) {
  if (biseau != Panneau::Enfonce && biseau != Panneau::EnRelief) return;
  const QColor& hautGauche = biseau == Panneau::EnRelief ? Lumiere : Ombre;
  const QColor& basDroite = biseau == Panneau::EnRelief ? Ombre : Lumiere;
  QRect r = cadre;
  for (int i = 0; i < largeur && r.width() > 1 && r.height() > 1; ++i) {
    p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), hautGauche);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), hautGauche);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), basDroite);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), basDroite);
    r.adjust(1, 1, -1, -1);
  }
}

Panneau::Panneau(QWidget* parent)
    : QWidget(parent),
      texte_(EnCouleur(palette().color(QPalette::ButtonText))),
      fond_(EnCouleur(palette().color(QPalette::Button))) {
  setMouseTracking(true);  // mouse moves without a button feed the hover help
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Panneau::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void Panneau::setForeColor(Couleur c) {
  if (c == texte_) return;
  texte_ = c;
  update();
}

void Panneau::setBackColor(Couleur c) {
  if (c == fond_) return;
  fond_ = c;
  update();
}

void Panneau::setBevelOuter(int biseau) {
  if (biseau == biseau_) return;
  biseau_ = biseau;
  update();
}

void Panneau::setBevelWidth(int pixels) {
  if (pixels == largeurBiseau_ || pixels < 0) return;
  largeurBiseau_ = pixels;
  update();
}

void Panneau::setFontName(const QString& nom) {
  QFont f = font();
  f.setFamily(nom);
  setFont(f);
}

void Panneau::setFontSize(double points) {
  QFont f = font();
  ReglerTaille(f, points);
  setFont(f);
}

void Panneau::setFontBold(bool gras) {
  QFont f = font();
  f.setBold(gras);
  setFont(f);
}

void Panneau::setFontUnderline(bool souligne) {
  QFont f = font();
  f.setUnderline(souligne);
  setFont(f);
}

void Panneau::setAlignment(Qt::Alignment alignement) {
  if (alignement == alignement_) return;
  alignement_ = alignement;
  update();
}

void Panneau::setMousePointer(int code) {
  pointeur_ = code;
  if (code == pointeur::ParDefaut)
    unsetCursor();
  else
    setCursor(FormeDuPointeur(code));
}

void Panneau::setPressLook(bool bouton) { bouton_ = bouton; }

void Panneau::setShrinkToFit(bool ajuster) {
  if (ajuster == ajuster_) return;
  ajuster_ = ajuster;
  update();
}

QFont Panneau::policeAffichee() const {
  QFont police = font();
  if (!ajuster_ || caption_.isEmpty()) return police;
  const double points = police.pointSizeF();
  if (points <= 0) return police;  // a font sized in pixels is left as it is
  // The place is the panel's: TailleQuiTient keeps the caption's own margin from its edges.
  const double taille = TailleQuiTient(police, points, size(), caption_);
  if (taille < points) ReglerTaille(police, taille);
  return police;
}

QRect Panneau::zoneTexte() const {
  const int marge = (biseau_ == SansBiseau ? 0 : largeurBiseau_) + 1;
  return rect().adjusted(marge, marge, -marge, -marge);
}

// Lines are broken half a character short of the bevel on each side, so that a wrapped line
// never touches the edges; a word alone keeps the whole width.
QStringList Panneau::lignesAffichees() const {
  if (caption_.isEmpty()) return {};
  if (ajuster_) return AvecSautsDeLigne(caption_).split(QLatin1Char('\n'));
  const QFontMetrics mesure(font());
  return LignesCoupeesAuxBlancs(caption_, mesure,
                                zoneTexte().width() - 2 * (mesure.averageCharWidth() / 2));
}

void Panneau::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), EnQColor(fond_));
  PeindreBiseau(p, rect(), biseau_, largeurBiseau_);
  if (caption_.isEmpty()) return;
  p.setPen(EnQColor(texte_));
  p.setFont(policeAffichee());
  p.drawText(zoneTexte(), int(alignement_), lignesAffichees().join(QLatin1Char('\n')));
}

void Panneau::mousePressEvent(QMouseEvent* event) {
  if (bouton_) setBevelOuter(Enfonce);
  if (event->button() == Qt::LeftButton) gaucheEnfonce_ = true;
  emit mouseDown(BoutonDuJeu(event->button()));
}

void Panneau::mouseReleaseEvent(QMouseEvent* event) {
  // Raised before the handlers run: a click that opens a modal box must not leave it sunk.
  if (bouton_) setBevelOuter(EnRelief);
  const bool gauche = event->button() == Qt::LeftButton;
  const bool clic = gauche && gaucheEnfonce_ && rect().contains(event->position().toPoint());
  if (gauche) gaucheEnfonce_ = false;
  emit mouseUp(BoutonDuJeu(event->button()));
  if (clic) emit clicked();
}

void Panneau::mouseMoveEvent(QMouseEvent*) { emit mouseMoved(); }

void Panneau::hideEvent(QHideEvent*) {
  // A panel hidden while pressed never gets its release: it must not come back sunk.
  if (bouton_) setBevelOuter(EnRelief);
  gaucheEnfonce_ = false;
}

}  // namespace rolvex::ui
