#include "app/review_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "session/session.h"
#include "texts/accessible_texts.h"
#include "texts/coach_texts.h"
#include "ui/dice_pictures.h"
#include "ui/text.h"

namespace rolvex::app {

namespace {

const QColor Or(255, 170, 0);  // the coach's colour, as on the main window
constexpr double OpaciteRelance = 0.35;

// A label with its text read by a screen reader as the name of `pour`.
QLabel* Titre(std::string_view texte, QWidget* pour) {
  auto* titre = new QLabel(ui::EnQString(texte));
  titre->setWordWrap(true);
  titre->setBuddy(pour);
  pour->setAccessibleName(titre->text());
  return titre;
}

}  // namespace

FenetreRevue::FenetreRevue(QWidget& parent, const Session& session, const QFont& police)
    : QDialog(&parent),
      revue_(session.Revue()),
      nbColonnes_(session.Etat().NbColonnes),
      typeDes_(session.Etat().TypeDes),
      langue_(session.langue()) {
  setObjectName(QStringLiteral("FenetreRevue"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(police);
  const TextesCoach t = TextesDuCoach(langue_);
  setWindowTitle(ui::EnQString(t.titreRevue));

  liste_ = new QListWidget;
  liste_->setObjectName(QStringLiteral("ListeRevue"));
  liste_->setWordWrap(true);
  liste_->setTextElideMode(Qt::ElideNone);
  liste_->setResizeMode(QListView::Adjust);
  liste_->setSpacing(3);
  for (std::size_t i = 0; i < revue_.size(); ++i)
    liste_->addItem(ui::EnQString(session.TexteRevue(i)));
  if (revue_.empty()) liste_->addItem(ui::EnQString(MsgRevueSansErreur(langue_)));

  feuille_ = new QTableWidget(NbFigures, 0);
  feuille_->setObjectName(QStringLiteral("FeuilleRevue"));
  feuille_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  feuille_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int16_t c : OrdreEcran)
    if (c <= nbColonnes_) {
      const int k = feuille_->columnCount();
      feuille_->insertColumn(k);
      feuille_->setHorizontalHeaderItem(
          k, new QTableWidgetItem(ui::EnQString(NomColonne(c, langue_))));
    }
  for (int16_t f = 1; f <= NbFigures; ++f)
    feuille_->setVerticalHeaderItem(f - 1,
                                    new QTableWidgetItem(ui::EnQString(NomFigure(f, langue_))));
  feuille_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  feuille_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  feuille_->horizontalHeader()->setMinimumSectionSize(
      QFontMetrics(police).horizontalAdvance("0000"));

  auto* des = new QHBoxLayout;
  for (int16_t i = 1; i <= NbDes; ++i) {
    QLabel*& de = des_[static_cast<std::size_t>(i - 1)];
    de = new QLabel;
    de->setObjectName(QStringLiteral("DéRevue(%1)").arg(i));
    de->setFocusPolicy(Qt::TabFocus);
    des->addWidget(de);
  }
  des->addStretch();

  auto* droite = new QVBoxLayout;
  droite->addWidget(Titre(t.desDuTour, feuille_));
  droite->addWidget(feuille_, 1);
  droite->addLayout(des);
  auto* milieu = new QHBoxLayout;
  auto* gauche = new QVBoxLayout;
  gauche->addWidget(Titre(t.enteteRevue, liste_));
  gauche->addWidget(liste_, 1);
  milieu->addLayout(gauche, 1);
  milieu->addLayout(droite, 1);

  auto* boutons = new QDialogButtonBox;
  QPushButton* fermer = boutons->addButton(ui::EnQString(t.fermer), QDialogButtonBox::RejectRole);
  fermer->setObjectName(QStringLiteral("FermerRevue"));
  fermer->setDefault(true);
  connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* tout = new QVBoxLayout(this);
  tout->addLayout(milieu, 1);
  tout->addWidget(boutons);

  connect(liste_, &QListWidget::currentRowChanged, this, &FenetreRevue::MontrerDecision);
  liste_->setCurrentRow(0);
  liste_->setFocus();
  // Most of the main window: the long sentences wrap in the list's half.
  resize(parent.size() * 0.9);
}

void FenetreRevue::MontrerDecision(int ligne) {
  if (ligne < 0 || ligne >= static_cast<int>(revue_.size())) {
    feuille_->clearContents();
    for (QLabel* de : des_) de->hide();
    return;
  }
  const conseil::Erreur& erreur = revue_[static_cast<std::size_t>(ligne)];
  const conseil::Feuille& f = erreur.decision.feuille;
  const conseil::Situation& s = erreur.decision.situation;
  for (int k = 0, c = 0; c < NbColonnesMax; ++c) {
    const int16_t colonne = OrdreEcran[static_cast<std::size_t>(c)];
    if (colonne > nbColonnes_) continue;
    for (int16_t fig = 1; fig <= NbFigures; ++fig) {
      const ScoresColonne& scores = f.colonnes[colonne];
      auto* item =
          new QTableWidgetItem(scores.ecrit[fig] ? QString::number(scores.score[fig]) : QString());
      item->setTextAlignment(Qt::AlignCenter);
      // The square the coach would have written or announced there.
      if (erreur.conseil.genre != conseil::Choix::Genre::Garder &&
          erreur.conseil.colonne == colonne && erreur.conseil.figure == fig)
        item->setBackground(Or);
      feuille_->setItem(fig - 1, k, item);
    }
    ++k;
  }

  // The dice as the player had them, those to throw again faded; named as on the table.
  EtatPartie etat;
  etat.Des = s.des;
  etat.DesGardes = s.gardes;
  etat.NbJets = s.jet;
  const int cote = QFontMetrics(font()).height() * 3;
  for (int16_t i = 1; i <= NbDes; ++i) {
    QLabel* de = des_[static_cast<std::size_t>(i - 1)];
    const qreal ratio = devicePixelRatioF();
    QPixmap image = s.jet == 0
                        ? ui::ImageDeVide(cote, ratio)
                        : ui::ImageModeleDe((s.des[i] - 1) + (typeDes_ - 1) * 6, cote, ratio);
    if (s.jet > 0 && !s.gardes[i]) {
      QPixmap pale(image.size());
      pale.setDevicePixelRatio(ratio);
      pale.fill(Qt::transparent);
      QPainter p(&pale);
      p.setOpacity(OpaciteRelance);
      p.drawPixmap(0, 0, image);
      image = pale;
    }
    de->setPixmap(image);
    const TexteAccessible nom = AccessibleDe(etat, i, langue_);
    de->setAccessibleName(ui::EnQString(nom.nom));
    de->setToolTip(de->accessibleName());
    de->show();
  }
}

}  // namespace rolvex::app
