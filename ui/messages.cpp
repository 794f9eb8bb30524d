#include "ui/messages.h"

#include <QMessageBox>

#include "ui/text.h"

namespace rolvex::ui {
namespace {

// Tests find the box with QApplication::activeModalWidget() while exec() runs.
QMessageBox::StandardButton Demander(QWidget* parent, const QString& texte, const QString& titre,
                                     QMessageBox::StandardButtons boutons,
                                     QMessageBox::StandardButton défaut) {
  QMessageBox boîte(QMessageBox::NoIcon, titre, AvecSautsDeLigne(texte), boutons, parent);
  boîte.setTextFormat(Qt::PlainText);
  boîte.setDefaultButton(défaut);
  boîte.exec();
  return boîte.standardButton(boîte.clickedButton());
}

}  // namespace

void AfficherMessage(QWidget* parent, const QString& texte, const QString& titre) {
  Demander(parent, texte, titre, QMessageBox::Ok, QMessageBox::Ok);
}

bool DemanderOuiNon(QWidget* parent, const QString& texte, const QString& titre) {
  return Demander(parent, texte, titre, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

}  // namespace rolvex::ui
