// The statistics window: for the mode chosen in it, the numbers of the finished games as text,
// the scores in order with their running mean, their spread, and each figure and bonus of each
// column; and the export of the whole history as CSV. It shows what the session reports.
#pragma once

#include <QDialog>
#include <QFont>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "session/session.h"

class QComboBox;
class QLabel;
class QTabWidget;

namespace rolvex::app {

// A plot of the scores: the scores in order with their running mean, or their histogram.
// Drawn with QPainter in logical pixels, so that it is sharp at any device pixel ratio.
class GraphiqueScores : public QWidget {
  Q_OBJECT

 public:
  enum class Sorte { Courbe, Histogramme };
  GraphiqueScores(Sorte sorte, Langue langue, QWidget* parent);
  void Montrer(const Statistiques& stats);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DessinerCourbe(QPainter& p, const QRectF& zone);
  void DessinerHistogramme(QPainter& p, const QRectF& zone);

  Sorte sorte_;
  Langue langue_;
  std::vector<int32_t> scores_;
};

class FenetreStatistiques : public QDialog {
  Q_OBJECT

 public:
  // Opens on the statistics of `mode`, in `police`; the larger the font, the larger the window,
  // within the screen's free area.
  FenetreStatistiques(Session& session, int16_t mode, const QFont& police, QWidget* parent);

  void ChoisirMode(int16_t mode);

 private:
  void Exporter();

  Session& session_;
  Langue langue_;
  QComboBox* mode_ = nullptr;
  QLabel* resume_ = nullptr;
  QTabWidget* colonnes_ = nullptr;
  GraphiqueScores* courbe_ = nullptr;
  GraphiqueScores* histogramme_ = nullptr;
  QStringList nomsFigures_, nomsColonnes_;
};

}  // namespace rolvex::app
