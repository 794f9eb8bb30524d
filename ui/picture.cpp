#include "ui/picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/mouse.h"

namespace rolvex::ui {

Image::Image(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void Image::setPicture(const QPixmap& image) {
  // The dice are shown again after every throw, most of them unchanged.
  if (image.cacheKey() == image_.cacheKey()) return;
  image_ = image;
  update();
}

void Image::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QSize taille = image_.deviceIndependentSize().toSize().scaled(size(), Qt::KeepAspectRatio);
  QRect place(QPoint(), taille);
  place.moveCenter(rect().center());
  p.drawPixmap(place, image_);
}

void Image::mousePressEvent(QMouseEvent* event) { emit mouseDown(BoutonDuJeu(event->button())); }

void Image::mouseMoveEvent(QMouseEvent*) { emit mouseMoved(); }

}  // namespace rolvex::ui
