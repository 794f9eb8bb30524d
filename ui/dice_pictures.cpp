#include "ui/dice_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cassert>
#include <cmath>
#include <string_view>

#include "ui/colours.h"
#include "ui/picture.h"

namespace rolvex::ui {
namespace {

// Everything below is drawn in a face of side 1; the painter scales it to the picture.

struct CouleursValeur {
  Couleur classique;
  Couleur numerique;
};

constexpr Tableau<CouleursValeur, 1, 6> CouleursDesValeurs = [] {
  Tableau<CouleursValeur, 1, 6> t;
  t[1] = {RGB(8, 173, 99), RGB(24, 156, 99)};     // green
  t[2] = {RGB(0, 189, 189), RGB(0, 189, 189)};    // cyan
  t[3] = {RGB(140, 90, 132), RGB(140, 90, 132)};  // purple
  t[4] = {RGB(165, 115, 16), RGB(165, 115, 16)};  // ochre
  t[5] = {RGB(33, 115, 148), RGB(33, 115, 148)};  // blue
  t[6] = {RGB(165, 165, 90), RGB(165, 165, 90)};  // olive
  return t;
}();

constexpr Couleur VertFond = RGB(0, 128, 0);

constexpr double RetraitCadre = 0.06;
constexpr double EpaisseurCadre = 0.03;

// The pips stand on a 3 × 3 grid.
constexpr std::array<double, 3> GrillePoints{0.27, 0.5, 0.73};
constexpr double RayonPoint = 0.092;

// The usual layout, row by row as the pips stand: two and three run from the top right to the
// bottom left.
// clang-format off
constexpr Tableau<std::string_view, 1, 6> PointsDesValeurs = [] {
  Tableau<std::string_view, 1, 6> t;
  t[1] = "..."
         ".o."
         "...";
  t[2] = "..o"
         "..."
         "o..";
  t[3] = "..o"
         ".o."
         "o..";
  t[4] = "o.o"
         "..."
         "o.o";
  t[5] = "o.o"
         ".o."
         "o.o";
  t[6] = "o.o"
         "o.o"
         "o.o";
  return t;
}();
// clang-format on

// Seven segments, a to g: top, top right, bottom right, bottom, bottom left, top left, middle.
enum Segment { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };

constexpr Tableau<int, 1, 6> SegmentsDesChiffres = [] {
  Tableau<int, 1, 6> t;
  t[1] = B | C;
  t[2] = A | B | G | E | D;
  t[3] = A | B | G | C | D;
  t[4] = F | G | B | C;
  t[5] = A | F | G | C | D;
  t[6] = A | F | G | E | C | D;
  return t;
}();

constexpr double LargeurChiffre = 0.36;
constexpr double HauteurChiffre = 0.58;
constexpr double EpaisseurSegment = 0.08;
constexpr double JeuSegment = 0.012;  // the thin gap between two segments

struct Axe {
  QPointF de;
  QPointF a;
};

// Each segment runs between two corners of the digit's frame, taken on the segments' middle lines.
Tableau<Axe, 0, 6> AxesDesSegments() {
  const double g = 0.5 - LargeurChiffre / 2 + EpaisseurSegment / 2;
  const double d = 0.5 + LargeurChiffre / 2 - EpaisseurSegment / 2;
  const double h = 0.5 - HauteurChiffre / 2 + EpaisseurSegment / 2;
  const double m = 0.5;
  const double b = 0.5 + HauteurChiffre / 2 - EpaisseurSegment / 2;
  Tableau<Axe, 0, 6> axes;
  axes[0] = {{g, h}, {d, h}};  // a
  axes[1] = {{d, h}, {d, m}};  // b
  axes[2] = {{d, m}, {d, b}};  // c
  axes[3] = {{g, b}, {d, b}};  // d
  axes[4] = {{g, m}, {g, b}};  // e
  axes[5] = {{g, h}, {g, m}};  // f
  axes[6] = {{g, m}, {d, m}};  // g
  return axes;
}

// A segment with pointed ends, so that the segments meet along mitred joints.
QPolygonF FormeSegment(const Axe& axe) {
  QPointF u = axe.a - axe.de;
  u /= std::hypot(u.x(), u.y());
  const QPointF n(-u.y(), u.x());
  const double e = EpaisseurSegment / 2;
  const QPointF debut = axe.de + u * JeuSegment;
  const QPointF fin = axe.a - u * JeuSegment;
  return QPolygonF({debut, debut + u * e + n * e, fin - u * e + n * e, fin, fin - u * e - n * e,
                    debut + u * e - n * e});
}

class Unite {
 public:
  // Maps the face of side 1 onto `carré`, and puts the painter back as it was when done.
  Unite(QPainter& p, const QRectF& carre) : p_(p) {
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing);
    p_.translate(carre.topLeft());
    p_.scale(carre.width(), carre.height());
  }
  ~Unite() { p_.restore(); }
  Unite(const Unite&) = delete;
  Unite& operator=(const Unite&) = delete;

 private:
  QPainter& p_;
};

// The frame falls on whole device pixels, so that it stays a crisp line at every size.
void PeindreCadre(QPainter& p, double pixelsParUnite) {
  const auto enPixels = [pixelsParUnite](double unites) {
    return std::max(1.0, std::round(unites * pixelsParUnite)) / pixelsParUnite;
  };
  const double retrait = enPixels(RetraitCadre);
  const double epaisseur = enPixels(EpaisseurCadre);
  QPainterPath cadre;
  cadre.addRect(QRectF(retrait, retrait, 1 - 2 * retrait, 1 - 2 * retrait));
  const double dedans = retrait + epaisseur;
  cadre.addRect(QRectF(dedans, dedans, 1 - 2 * dedans, 1 - 2 * dedans));
  p.fillPath(cadre, Qt::black);  // the odd-even rule leaves the inside out
}

// A round pip lit from the top left: white where the light falls, grey towards its rim.
void PeindrePoint(QPainter& p, QPointF centre) {
  const QPointF reflet = centre + QPointF(-RayonPoint, -RayonPoint) * 0.35;
  QRadialGradient degrade(centre, RayonPoint, reflet);
  degrade.setColorAt(0.0, QColor(255, 255, 255));
  degrade.setColorAt(0.5, QColor(205, 205, 205));
  degrade.setColorAt(1.0, QColor(105, 105, 105));
  p.setPen(QPen(QColor(60, 60, 60), 0.012));
  p.setBrush(degrade);
  p.drawEllipse(centre, RayonPoint, RayonPoint);
}

void PeindrePoints(QPainter& p, int valeur) {
  const std::string_view grille = PointsDesValeurs[valeur];
  for (std::size_t i = 0; i < grille.size(); ++i)
    if (grille[i] == 'o') PeindrePoint(p, QPointF(GrillePoints[i % 3], GrillePoints[i / 3]));
}

void PeindreChiffre(QPainter& p, int valeur) {
  const Tableau<Axe, 0, 6> axes = AxesDesSegments();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  for (int s = 0; s <= 6; ++s)
    if (SegmentsDesChiffres[valeur] & (1 << s)) p.drawPolygon(FormeSegment(axes[s]));
}

void PeindreQuestion(QPainter& p) {
  QPainterPath crochet;
  const QPointF centre(0.5, 0.35);
  const double rayon = 0.15;
  const QRectF cercle(centre.x() - rayon, centre.y() - rayon, 2 * rayon, 2 * rayon);
  crochet.arcMoveTo(cercle, 165);
  crochet.arcTo(cercle, 165, -215);
  crochet.cubicTo(QPointF(0.56, 0.50), QPointF(0.5, 0.53), QPointF(0.5, 0.60));
  crochet.lineTo(0.5, 0.64);
  QPen trait(Qt::black, 0.1);
  trait.setCapStyle(Qt::RoundCap);
  trait.setJoinStyle(Qt::RoundJoin);
  p.setPen(trait);
  p.setBrush(Qt::NoBrush);
  p.drawPath(crochet);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(0.5, 0.79), 0.065, 0.065);
}

template <typename Peintre>
QPixmap Rendre(int cote, qreal pixelRatio, Peintre peindre) {
  if (cote <= 0) return QPixmap();
  if (!(pixelRatio > 0)) pixelRatio = 1;
  const int pixels = std::max(1, static_cast<int>(std::lround(cote * pixelRatio)));
  QPixmap image(pixels, pixels);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(Qt::transparent);
  QPainter p(&image);
  peindre(p, QRectF(0, 0, pixels / pixelRatio, pixels / pixelRatio));
  return image;
}

}  // namespace

void PeindreModeleDe(QPainter& p, const QRectF& carre, int entree) {
  assert(0 <= entree && entree < NbModelesDes);
  if (entree < 0 || entree >= NbModelesDes) return;
  const int valeur = entree % 6 + 1;
  const bool numerique = entree >= 6;
  const CouleursValeur& couleurs = CouleursDesValeurs[valeur];

  const QTransform versLesPixels = p.deviceTransform();
  const double pixelsParUnite =
      carre.width() * std::hypot(versLesPixels.m11(), versLesPixels.m12());

  Unite unite(p, carre);
  p.fillRect(QRectF(0, 0, 1, 1), EnQColor(numerique ? couleurs.numerique : couleurs.classique));
  PeindreCadre(p, pixelsParUnite);
  if (numerique)
    PeindreChiffre(p, valeur);
  else
    PeindrePoints(p, valeur);
}

void PeindreDeFond(QPainter& p, const QRectF& carre) {
  Unite unite(p, carre);
  p.fillRect(QRectF(0, 0, 1, 1), EnQColor(VertFond));
  PeindreQuestion(p);
}

void PeindreLogo(QPainter& p, const QRectF& zone) {
  const double cote = std::min(zone.width(), zone.height());
  const QRectF carre(zone.center() - QPointF(cote, cote) / 2, QSizeF(cote, cote));
  const double pixels = cote * std::hypot(p.deviceTransform().m11(), p.deviceTransform().m12());

  // Too small for three dice to be told apart (a window icon): one five, face on.
  constexpr double PlusPetitJet = 40;
  if (pixels < PlusPetitJet) {
    PeindreModeleDe(p, carre.adjusted(cote / 16, cote / 16, -cote / 16, -cote / 16), 4);
    return;
  }

  // Three dice thrown on the table: where each lies, how it turned, which face it shows.
  struct DeJete {
    QPointF centre;
    double angle;
    int entree;
  };
  constexpr double taille = 0.42;
  const std::array des{
      DeJete{{0.27, 0.29}, -14, 4},  // a blue five
      DeJete{{0.73, 0.32}, 11, 2},   // a purple three
      DeJete{{0.50, 0.70}, -4, 5},   // an olive six, in front
  };
  Unite unite(p, carre);
  for (const DeJete& de : des) {
    p.save();
    p.translate(de.centre);
    p.rotate(de.angle);
    const QRectF face(-taille / 2, -taille / 2, taille, taille);
    p.fillRect(face.translated(0.015, 0.02), QColor(0, 0, 0, 90));  // its shadow on the table
    PeindreModeleDe(p, face, de.entree);
    p.restore();
  }
}

QPixmap ImageModeleDe(int entree, int cote, qreal pixelRatio) {
  return Rendre(cote, pixelRatio,
                [entree](QPainter& p, const QRectF& r) { PeindreModeleDe(p, r, entree); });
}

QPixmap ImageDeVide(int cote, qreal pixelRatio) {
  return Rendre(cote, pixelRatio, [](QPainter& p, const QRectF& r) { PeindreDeFond(p, r); });
}

QPixmap ImageLogo(int cote, qreal pixelRatio) {
  return Rendre(cote, pixelRatio, [](QPainter& p, const QRectF& r) { PeindreLogo(p, r); });
}

QIcon IconeLogo() {
  QIcon icone;
  for (int cote : {16, 24, 32, 48, 64, 128, 256}) icone.addPixmap(ImageLogo(cote, 1));
  return icone;
}

ImagesDes::ImagesDes(int coteFace, int coteFond, qreal pixelRatio)
    : coteFace_(coteFace),
      coteFond_(coteFond),
      ratio_(pixelRatio),
      fond_(ImageDeVide(coteFond, pixelRatio)) {
  for (int entree = 0; entree < NbModelesDes; ++entree)
    modeles_[entree] = ImageModeleDe(entree, coteFace, pixelRatio);
}

void ImagesDes::Repeindre(qreal pixelRatio, std::span<Image* const> images) {
  ImagesDes nouvelles(coteFace_, coteFond_, pixelRatio);
  for (Image* image : images) {
    const qint64 cle = image->picture().cacheKey();
    if (cle == fond_.cacheKey()) image->setPicture(nouvelles.fond_);
    for (int entree = 0; entree < NbModelesDes; ++entree)
      if (cle == modeles_[entree].cacheKey()) image->setPicture(nouvelles.modeles_[entree]);
  }
  *this = std::move(nouvelles);
}

}  // namespace rolvex::ui
