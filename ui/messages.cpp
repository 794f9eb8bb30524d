#include "ui/messages.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "ui/text.h"

namespace rolvex::ui {
namespace {

void Légender(QMessageBox& boîte, QMessageBox::StandardButton bouton, const QString& légende) {
  if (légende.isEmpty()) return;
  if (QAbstractButton* b = boîte.button(bouton)) b->setText(légende);
}

// Tests find the box with QApplication::activeModalWidget() while exec() runs.
QMessageBox::StandardButton Demander(QWidget* parent, const QString& texte, const QString& titre,
                                     QMessageBox::StandardButtons boutons,
                                     QMessageBox::StandardButton défaut,
                                     const LégendesBoutons& légendes) {
  QMessageBox boîte(QMessageBox::NoIcon, titre, AvecSautsDeLigne(texte), boutons, parent);
  boîte.setTextFormat(Qt::PlainText);
  boîte.setDefaultButton(défaut);
  Légender(boîte, QMessageBox::Ok, légendes.ok);
  Légender(boîte, QMessageBox::Yes, légendes.oui);
  Légender(boîte, QMessageBox::No, légendes.non);
  boîte.exec();
  return boîte.standardButton(boîte.clickedButton());
}

}  // namespace

void AfficherMessage(QWidget* parent, const QString& texte, const QString& titre,
                     const LégendesBoutons& boutons) {
  Demander(parent, texte, titre, QMessageBox::Ok, QMessageBox::Ok, boutons);
}

bool DemanderOuiNon(QWidget* parent, const QString& texte, const QString& titre,
                    const LégendesBoutons& boutons) {
  return Demander(parent, texte, titre, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                  boutons) == QMessageBox::Yes;
}

}  // namespace rolvex::ui
