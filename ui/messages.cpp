#include "ui/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>

#include "ui/text.h"

namespace rolvex::ui {
namespace {

void Legender(QMessageBox& boite, QMessageBox::StandardButton bouton, const QString& legende) {
  if (legende.isEmpty()) return;
  if (QAbstractButton* b = boite.button(bouton)) b->setText(legende);
}

// A box as narrow as a short text ("Au revoir !") left the window manager too little room for
// its title beside its icon and its three buttons: the title is drawn bold, and each of the
// four takes about two lines' height.
void LaisserPlaceAuTitre(QMessageBox& boite) {
  auto* grille = qobject_cast<QGridLayout*>(boite.layout());
  if (!grille) return;
  const QFontMetrics mesure(QApplication::font());
  const int largeur = 3 * mesure.horizontalAdvance(boite.windowTitle()) / 2 + 10 * mesure.height();
  grille->addItem(new QSpacerItem(largeur, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grille->rowCount(), 0, 1, grille->columnCount());
}

// Tests find the box with QApplication::activeModalWidget() while exec() runs.
QMessageBox::StandardButton Demander(QWidget* parent, const QString& texte, const QString& titre,
                                     QMessageBox::StandardButtons boutons,
                                     QMessageBox::StandardButton defaut,
                                     const LegendesBoutons& legendes) {
  QMessageBox boite(QMessageBox::NoIcon, titre, AvecSautsDeLigne(texte), boutons, parent);
  boite.setTextFormat(Qt::PlainText);
  LaisserPlaceAuTitre(boite);
  boite.setDefaultButton(defaut);
  Legender(boite, QMessageBox::Ok, legendes.ok);
  Legender(boite, QMessageBox::Yes, legendes.oui);
  Legender(boite, QMessageBox::No, legendes.non);
  boite.exec();
  return boite.standardButton(boite.clickedButton());
}

}  // namespace

void AfficherMessage(QWidget* parent, const QString& texte, const QString& titre,
                     const LegendesBoutons& boutons) {
  Demander(parent, texte, titre, QMessageBox::Ok, QMessageBox::Ok, boutons);
}

bool DemanderOuiNon(QWidget* parent, const QString& texte, const QString& titre,
                    const LegendesBoutons& boutons) {
  return Demander(parent, texte, titre, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                  boutons) == QMessageBox::Yes;
}

}  // namespace rolvex::ui
