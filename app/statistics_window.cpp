#include "app/statistics_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>

#include "texts/history_texts.h"
#include "texts/messages.h"
#include "ui/messages.h"
#include "ui/text.h"

namespace rolvex::app {

namespace {

QString Q(std::string_view texte) { return ui::EnQString(texte); }

constexpr QColor CouleurScores(70, 110, 200);
constexpr QColor CouleurMoyenne(200, 40, 40);
constexpr QColor CouleurBarres(90, 150, 60);

// Round bounds for an axis from `bas` to `haut`.
std::pair<double, double> BornesRondes(double bas, double haut) {
  if (haut <= bas) haut = bas + 1;
  const double pas = std::pow(10.0, std::floor(std::log10(haut - bas)));
  return {std::floor(bas / pas) * pas, std::ceil(haut / pas) * pas};
}

QTableWidget* TableColonne(const Statistiques& s, int16_t c, Langue langue,
                           const QStringList& figures, const QString& nom, QWidget* parent) {
  const TextesStatistiques& t = TextesStats(langue);
  auto* table = new QTableWidget(NbFigures + 3, 3, parent);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setHorizontalHeaderLabels({Q(t.faites), Q(t.moyenneFigure), Q(t.barrees)});
  // Rows as tall as their text, so that the whole column fits a small screen.
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setStretchLastSection(true);
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
  QStringList lignes;
  auto cellule = [&](int ligne, int colonne, const std::string& texte) {
    auto* item = new QTableWidgetItem(Q(texte));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(ligne, colonne, item);
  };
  for (int16_t f = 1; f <= NbFigures; ++f) {
    const StatFigure& sf = s.figures[c][f];
    lignes << figures[f - 1];
    cellule(f - 1, 0, std::to_string(sf.faites));
    cellule(f - 1, 1, NombreStat(sf.moyenne, langue));
    cellule(f - 1, 2, std::to_string(sf.barrees));
  }
  const StatBonus& b = s.bonus[c];
  const std::pair<std::string_view, int32_t> bonus[] = {
      {t.bonusHaut, b.haut}, {t.bonusBas, b.bas}, {t.bonusMaxiMini, b.maxiMini}};
  for (int i = 0; i < 3; ++i) {
    lignes << Q(bonus[i].first);
    cellule(NbFigures + i, 0, std::to_string(bonus[i].second));
  }
  table->setVerticalHeaderLabels(lignes);
  table->setAccessibleName(nom);
  return table;
}

}  // namespace

GraphiqueScores::GraphiqueScores(Sorte sorte, Langue langue, QWidget* parent)
    : QWidget(parent), sorte_(sorte), langue_(langue) {
  const TextesStatistiques& t = TextesStats(langue);
  setAccessibleName(Q(sorte == Sorte::Courbe ? t.courbe : t.histogramme));
  setFocusPolicy(Qt::StrongFocus);  // the screen reader reads its description on the way
  setMinimumSize(240, 150);
}

void GraphiqueScores::Montrer(const Statistiques& stats) {
  scores_ = stats.scores;
  setAccessibleDescription(Q(ResumeStatistiques(stats, langue_)));
  update();
}

void GraphiqueScores::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().base());
  const TextesStatistiques& t = TextesStats(langue_);
  const QFontMetricsF m(font());
  const double ligne = m.height();
  QFont gras = font();
  gras.setBold(true);
  p.setFont(gras);
  p.setPen(palette().color(QPalette::Text));
  const QRectF cadre = QRectF(rect()).adjusted(4, 2, -4, -2);
  p.drawText(cadre, Qt::AlignTop | Qt::AlignHCenter,
             Q(sorte_ == Sorte::Courbe ? t.courbe : t.histogramme));
  p.setFont(font());
  if (hasFocus()) p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  if (scores_.empty()) {
    p.drawText(cadre, Qt::AlignCenter | Qt::TextWordWrap, Q(t.aucunePartie));
    return;
  }
  const double gauche = m.horizontalAdvance(QStringLiteral("00000")) + 6;
  const QRectF zone(
      cadre.left() + gauche, cadre.top() + ligne * (sorte_ == Sorte::Courbe ? 2.4 : 1.4),
      cadre.width() - gauche - 6, cadre.height() - ligne * (sorte_ == Sorte::Courbe ? 3.6 : 2.6));
  if (zone.width() < 20 || zone.height() < 20) return;
  p.setPen(palette().color(QPalette::Mid));
  p.drawLine(zone.bottomLeft(), zone.bottomRight());
  p.drawLine(zone.bottomLeft(), zone.topLeft());
  if (sorte_ == Sorte::Courbe)
    DessinerCourbe(p, zone);
  else
    DessinerHistogramme(p, zone);
}

void GraphiqueScores::DessinerCourbe(QPainter& p, const QRectF& zone) {
  const auto [bas, haut] = std::ranges::minmax(scores_);
  const auto [yBas, yHaut] = BornesRondes(bas, haut);
  const std::size_t n = scores_.size();
  auto point = [&](std::size_t i, double v) {
    const double x =
        n == 1 ? zone.center().x() : zone.left() + zone.width() * static_cast<double>(i) / (n - 1);
    return QPointF(x, zone.bottom() - zone.height() * (v - yBas) / (yHaut - yBas));
  };
  const QFontMetricsF m(font());
  const QColor texte = palette().color(QPalette::Text);
  p.setPen(texte);
  for (double v : {yBas, yHaut})
    p.drawText(QRectF(0, point(0, v).y() - m.height() / 2, zone.left() - 4, m.height()),
               Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
  p.drawText(QRectF(zone.left(), zone.bottom() + 2, zone.width(), m.height()), Qt::AlignLeft,
             QStringLiteral("1"));
  p.drawText(QRectF(zone.left(), zone.bottom() + 2, zone.width(), m.height()), Qt::AlignRight,
             QString::number(n));

  // Beyond two games a pixel, each pixel column shows the span of its games' scores, which
  // draws the same picture as every line between them for a fraction of the cost.
  const std::vector<double> glissante = MoyenneGlissante(scores_);
  const auto colonnes = static_cast<std::size_t>(zone.width());
  const bool serre = n > 2 * colonnes;
  QPainterPath scores, moyenne;
  auto tracer = [](QPainterPath& chemin, QPointF q) {
    chemin.elementCount() == 0 ? chemin.moveTo(q) : chemin.lineTo(q);
  };
  for (std::size_t i = 0; i < n;) {
    std::size_t fin = serre ? std::max(i + 1, (i * colonnes / n + 1) * n / colonnes) : i + 1;
    fin = std::min(fin, n);
    const auto [bas, haut] =
        std::minmax_element(scores_.begin() + static_cast<std::ptrdiff_t>(i),
                            scores_.begin() + static_cast<std::ptrdiff_t>(fin));
    tracer(scores, point(i, *bas));
    if (serre) tracer(scores, point(i, *haut));
    tracer(moyenne, point(i, glissante[i]));
    i = fin;
  }
  p.setPen(QPen(CouleurScores, 1));
  p.drawPath(scores);
  if (n <= 60)
    for (std::size_t i = 0; i < n; ++i) p.drawEllipse(point(i, scores_[i]), 2, 2);
  p.setPen(QPen(CouleurMoyenne, 2.5));
  p.drawPath(moyenne);

  // The legend, under the title.
  const TextesStatistiques& t = TextesStats(langue_);
  double x = zone.left();
  const double y = zone.top() - m.height() * 0.9;
  for (const auto& [couleur, nom] :
       {std::pair(CouleurScores, t.scores), std::pair(CouleurMoyenne, t.moyenneGlissante)}) {
    const QString libelle = Q(nom);
    p.setPen(QPen(couleur, 2.5));
    p.drawLine(QPointF(x, y), QPointF(x + 18, y));
    p.setPen(texte);
    p.drawText(QPointF(x + 22, y + m.ascent() / 2 - 1), libelle);
    x += 34 + m.horizontalAdvance(libelle);
  }
}

void GraphiqueScores::DessinerHistogramme(QPainter& p, const QRectF& zone) {
  const Histogramme h = CompterScores(scores_, 15);
  const int32_t plus = *std::ranges::max_element(h.comptes);
  const QFontMetricsF m(font());
  const double largeur = zone.width() / static_cast<double>(h.comptes.size());
  for (std::size_t k = 0; k < h.comptes.size(); ++k) {
    const double hauteur = zone.height() * h.comptes[k] / plus;
    p.fillRect(QRectF(zone.left() + k * largeur + 1, zone.bottom() - hauteur, largeur - 2, hauteur),
               CouleurBarres);
  }
  p.setPen(palette().color(QPalette::Text));
  p.drawText(QRectF(0, zone.top() - m.height() / 2, zone.left() - 4, m.height()),
             Qt::AlignRight | Qt::AlignVCenter, QString::number(plus));
  p.drawText(QRectF(0, zone.bottom() - m.height() / 2, zone.left() - 4, m.height()),
             Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
  const int32_t fin = h.debut + h.largeur * static_cast<int32_t>(h.comptes.size());
  p.drawText(QRectF(zone.left(), zone.bottom() + 2, zone.width(), m.height()), Qt::AlignLeft,
             QString::number(h.debut));
  p.drawText(QRectF(zone.left(), zone.bottom() + 2, zone.width(), m.height()), Qt::AlignRight,
             QString::number(fin));
}

FenetreStatistiques::FenetreStatistiques(Session& session, int16_t mode, const QFont& police,
                                         QWidget* parent)
    : QDialog(parent), session_(session), langue_(session.langue()) {
  const double echelle = std::max(1.0, police.pointSizeF() / font().pointSizeF());
  setFont(police);
  setObjectName(QStringLiteral("FenetreStatistiques"));
  const TextesStatistiques& t = TextesStats(langue_);
  setWindowTitle(Q(t.titre));
  auto* etiquette = new QLabel(Q(t.mode), this);
  mode_ = new QComboBox(this);
  mode_->setObjectName(QStringLiteral("ModeStatistiques"));
  for (int16_t m = 1; m <= 3; ++m)
    mode_->addItem(Q(LegendeModeColonnes(NbColonnesMode[m], langue_)));
  etiquette->setBuddy(mode_);
  mode_->setAccessibleName(Q(t.mode));
  auto* exporter = new QPushButton(Q(t.exporter), this);
  exporter->setObjectName(QStringLiteral("ExporterCsv"));
  exporter->setAccessibleName(exporter->text());
  auto* fermer = new QPushButton(Q(t.fermer), this);
  connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
  connect(exporter, &QPushButton::clicked, this, [this] { Exporter(); });

  resume_ = new QLabel(this);
  resume_->setObjectName(QStringLiteral("ResumeStatistiques"));
  resume_->setWordWrap(true);
  resume_->setTextFormat(Qt::PlainText);
  resume_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  resume_->setFocusPolicy(Qt::StrongFocus);
  colonnes_ = new QTabWidget(this);
  colonnes_->setObjectName(QStringLiteral("FiguresStatistiques"));
  courbe_ = new GraphiqueScores(GraphiqueScores::Sorte::Courbe, langue_, this);
  histogramme_ = new GraphiqueScores(GraphiqueScores::Sorte::Histogramme, langue_, this);

  auto* haut = new QHBoxLayout;
  haut->addWidget(etiquette);
  haut->addWidget(mode_);
  haut->addStretch();
  haut->addWidget(exporter);
  haut->addWidget(fermer);
  auto* gauche = new QVBoxLayout;
  gauche->addWidget(resume_);
  gauche->addWidget(colonnes_, 1);
  auto* droite = new QVBoxLayout;
  droite->addWidget(courbe_, 1);
  droite->addWidget(histogramme_, 1);
  auto* corps = new QHBoxLayout;
  corps->addLayout(gauche, 1);
  corps->addLayout(droite, 1);
  auto* tout = new QVBoxLayout(this);
  tout->addLayout(haut);
  tout->addLayout(corps, 1);

  // As large as a small screen allows, and no larger than reading needs.
  const QRect libre =
      (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
  resize((QSize(1100, 780) * echelle).boundedTo(libre.size() - QSize(20, 40)));
  for (int16_t f = 1; f <= NbFigures; ++f) nomsFigures_ << Q(NomFigureFeuille(f, langue_));
  for (int16_t c = 1; c <= NbColonnesMax; ++c) nomsColonnes_ << Q(NomColonneFeuille(c, langue_));
  mode_->setCurrentIndex(ModeValide(mode) ? mode - 1 : 0);
  ChoisirMode(ModeValide(mode) ? mode : 1);
  connect(mode_, &QComboBox::currentIndexChanged, this,
          [this](int i) { ChoisirMode(static_cast<int16_t>(i + 1)); });
}

void FenetreStatistiques::ChoisirMode(int16_t mode) {
  const BilanHistorique bilan = session_.StatistiquesHistorique(mode);
  resume_->setText(Q(bilan.echec ? *bilan.echec : ResumeStatistiques(bilan.stats, langue_)));
  resume_->setAccessibleName(resume_->text());
  courbe_->Montrer(bilan.stats);
  histogramme_->Montrer(bilan.stats);
  while (colonnes_->count() > 0) delete colonnes_->widget(0);
  for (int16_t c = 1; c <= NbColonnesMode[mode]; ++c)
    colonnes_->addTab(
        TableColonne(bilan.stats, c, langue_, nomsFigures_, nomsColonnes_[c - 1], colonnes_),
        nomsColonnes_[c - 1]);
}

void FenetreStatistiques::Exporter() {
  const TextesStatistiques& t = TextesStats(langue_);
  const QString fichier = QFileDialog::getSaveFileName(
      this, Q(t.exporter), QStringLiteral("rolvex.csv"), Q(t.filtreCsv));
  if (fichier.isEmpty()) return;
  if (const auto echec = session_.ExporterHistorique(QFile::encodeName(fichier).toStdString())) {
    const BoutonsMessage b = TextesBoutons(langue_);
    ui::AfficherMessage(this, Q(*echec), Q(TitreApplication), {Q(b.Ok), Q(b.Oui), Q(b.Non)});
  }
}

}  // namespace rolvex::app
