// A picture that reports the mouse: the dice on the table and the start-up logo.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace rolvex::ui {

class Image : public QWidget {
  Q_OBJECT

 public:
  explicit Image(QWidget* parent = nullptr);

  // Drawn as large as the widget allows without changing its shape, centred: a square die
  // stays square in a place that rounding made a pixel wider or taller. A picture made at the
  // widget's size and the screen's pixel ratio shows pixel for pixel.
  void setPicture(const QPixmap& image);
  const QPixmap& picture() const { return image_; }
  // A short text in the top left corner, over the picture (the key of a die); empty for none.
  void setMarque(const QString& marque);
  const QString& marque() const { return marque_; }

 signals:
  void mouseDown(int button);  // 1 left, 2 right, 4 middle
  void mouseMoved();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPixmap image_;
  QString marque_;
};

}  // namespace rolvex::ui
