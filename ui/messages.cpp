#include "ui/messages.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "ui/text.h"

namespace rolvex::ui {
namespace {

void Legender(QMessageBox& boite, QMessageBox::StandardButton bouton, const QString& legende) {
  if (legende.isEmpty()) return;
  if (QAbstractButton* b = boite.button(bouton)) b->setText(legende);
}

// Tests find the box with QApplication::activeModalWidget() while exec() runs.
QMessageBox::StandardButton Demander(QWidget* parent, const QString& texte, const QString& titre,
                                     QMessageBox::StandardButtons boutons,
                                     QMessageBox::StandardButton defaut,
                                     const LegendesBoutons& legendes) {
  QMessageBox boite(QMessageBox::NoIcon, titre, AvecSautsDeLigne(texte), boutons, parent);
  boite.setTextFormat(Qt::PlainText);
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
