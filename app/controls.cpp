#include "app/controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "ui/fonts.h"
#include "ui/panel.h"

namespace rolvex::app {

QObject* TrouverControle(QWidget& fenetre, std::string_view nom) {
  const QString nomQt = ui::EnQString(nom);
  if (fenetre.objectName() == nomQt) return &fenetre;
  return fenetre.findChild<QObject*>(nomQt);
}

void AppliquerLegende(QObject& controle, const QString& texte) {
  if (auto* panneau = qobject_cast<ui::Panneau*>(&controle))
    panneau->setCaption(texte);
  else if (auto* menu = qobject_cast<QMenu*>(&controle))
    menu->setTitle(texte);
  else if (auto* action = qobject_cast<QAction*>(&controle))
    action->setText(texte);
  else if (auto* cadre = qobject_cast<QGroupBox*>(&controle))
    cadre->setTitle(texte);
  else if (auto* bouton = qobject_cast<QAbstractButton*>(&controle))
    bouton->setText(texte);
  else if (auto* saisie = qobject_cast<QLineEdit*>(&controle))
    saisie->setText(texte);
  else if (auto* etiquette = qobject_cast<QLabel*>(&controle))
    etiquette->setText(texte);
  else if (auto* widget = qobject_cast<QWidget*>(&controle); widget && widget->isWindow())
    widget->setWindowTitle(texte);
}

void AppliquerLegendes(QWidget& fenetre, Fenetre laquelle, const std::vector<Legende>& legendes) {
  for (const Legende& l : legendes)
    if (l.fenetre == laquelle)
      if (QObject* controle = TrouverControle(fenetre, l.controle))
        AppliquerLegende(*controle, ui::EnQString(l.texte));
}

void AppliquerDispositionDialogue(QWidget& fenetre, const std::vector<ControleDialogue>& controles,
                                  const ui::EchelleTwips& echelle) {
  for (const ControleDialogue& c : controles) {
    auto* widget = qobject_cast<QWidget*>(TrouverControle(fenetre, c.nom));
    if (!widget) continue;
    if (widget == &fenetre) {
      widget->setFixedSize(echelle.EnPixels(EnTwips(c.rect)).size());
      continue;
    }
    echelle.Placer(*widget, EnTwips(c.rect));
    if (c.police) {
      QFont police = widget->font();
      ui::ReglerTaille(police, *c.police);
      widget->setFont(police);
    }
  }
}

}  // namespace rolvex::app
