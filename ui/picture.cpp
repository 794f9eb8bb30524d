#include "ui/picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/mouse.h"

namespace rolvex::ui {

Image::Image(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void Image::setPicture(const QPixmap& image) {
  // The dice are shown again after every throw, most of them unchanged.
  if (image.cacheKey() == image_.cacheKey()) return;
  image_ = image;
  update();
}

void Image::setMarque(const QString& marque) {
  if (marque == marque_) return;
  marque_ = marque;
  update();
}

void Image::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!marque_.isEmpty()) {
    // A white label on black, a third of the die's side, clear of the pips' middle.
    const int cote = std::max(8, std::min(width(), height()) / 3);
    const QRect coin(0, 0, cote, cote);
    QFont police = font();
    police.setBold(true);
    police.setPixelSize(std::max(6, cote * 3 / 4));
    p.setFont(police);
    p.fillRect(coin, Qt::black);
    p.setPen(Qt::white);
    p.drawText(coin, Qt::AlignCenter, marque_);
    p.setClipRegion(QRegion(rect()).subtracted(coin));
  }
  if (image_.isNull()) return;
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QSize taille = image_.deviceIndependentSize().toSize().scaled(size(), Qt::KeepAspectRatio);
  QRect place(QPoint(), taille);
  place.moveCenter(rect().center());
  p.drawPixmap(place, image_);
}

void Image::mousePressEvent(QMouseEvent* event) { emit mouseDown(BoutonDuJeu(event->button())); }

void Image::mouseMoveEvent(QMouseEvent*) { emit mouseMoved(); }

}  // namespace rolvex::ui
