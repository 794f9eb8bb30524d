// The game's bevelled panel: the squares of the sheet, the labels, the information line and the
// panels used as buttons. Painted by hand, so that redrawing the 78 squares of the sheet costs
// little and looks the same on every desktop.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include "engine/score_sheet.h"

class QPainter;

namespace rolvex::ui {

class Panneau : public QWidget {
  Q_OBJECT

 public:
  // Outer bevel settings, with the game's values.
  static constexpr int SansBiseau = 0;
  static constexpr int Enfonce = 1;
  static constexpr int EnRelief = 2;

  explicit Panneau(QWidget* parent = nullptr);

  // A '\r' in the caption starts a new line; longer lines wrap at blanks only, unless the
  // panel shrinks its caption to fit.
  void setCaption(const QString& caption);
  const QString& caption() const { return caption_; }
  // The lines the caption shows at the panel's present size and font.
  QStringList lignesAffichees() const;

  // A panel that shrinks its caption never wraps nor cuts it: a caption that would not fit is
  // drawn in a smaller font, down to the size at which all of it shows (a cell of a table).
  void setShrinkToFit(bool ajuster);
  // The font the caption is drawn in: the panel's own, or a smaller one where it shrinks.
  QFont policeAffichee() const;

  // Until set, the text has the platform's button-text colour and the background its button
  // colour.
  void setForeColor(Couleur c);
  Couleur foreColor() const { return texte_; }
  void setBackColor(Couleur c);
  Couleur backColor() const { return fond_; }

  void setBevelOuter(int biseau);  // SansBiseau, Enfoncé or EnRelief
  int bevelOuter() const { return biseau_; }
  void setBevelWidth(int pixels);  // 1 unless set

  void setFontName(const QString& nom);
  void setFontSize(double points);  // fractional points; see Police()
  void setFontBold(bool gras);
  void setFontUnderline(bool souligne);

  void setAlignment(Qt::Alignment alignement);  // centred unless set
  Qt::Alignment alignment() const { return alignement_; }

  // The platform's standard pointer code (FormeDuPointeur).
  void setMousePointer(int code);
  int mousePointer() const { return pointeur_; }

  // A panel used as a button sinks while any mouse button is down on it and rises again when
  // the button is released, wherever the pointer then is.
  void setPressLook(bool bouton);

 signals:
  void mouseDown(int button);  // 1 left, 2 right, 4 middle
  void mouseUp(int button);
  void clicked();  // left button pressed and released on the panel
  void mouseMoved();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QRect zoneTexte() const;

  QString caption_;
  Couleur texte_;
  Couleur fond_;
  int biseau_ = EnRelief;
  int largeurBiseau_ = 1;
  Qt::Alignment alignement_ = Qt::AlignCenter;
  int pointeur_ = 0;
  bool bouton_ = false;
  bool ajuster_ = false;
  bool gaucheEnfonce_ = false;
};

// Lines of light and shade around `cadre`, `largeur` pixels wide: light above and on the left
// when raised, shade there when inset; nothing for SansBiseau.
void PeindreBiseau(QPainter& p, const QRect& cadre, int biseau, int largeur);

}  // namespace rolvex::ui
