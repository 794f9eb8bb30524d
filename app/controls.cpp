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

QObject* TrouverContrôle(QWidget& fenêtre, std::string_view nom) {
  const QString nomQt = ui::EnQString(nom);
  if (fenêtre.objectName() == nomQt) return &fenêtre;
  return fenêtre.findChild<QObject*>(nomQt);
}

void AppliquerLégende(QObject& contrôle, const QString& texte) {
  if (auto* panneau = qobject_cast<ui::Panneau*>(&contrôle))
    panneau->setCaption(texte);
  else if (auto* menu = qobject_cast<QMenu*>(&contrôle))
    menu->setTitle(texte);
  else if (auto* action = qobject_cast<QAction*>(&contrôle))
    action->setText(texte);
  else if (auto* cadre = qobject_cast<QGroupBox*>(&contrôle))
    cadre->setTitle(texte);
  else if (auto* bouton = qobject_cast<QAbstractButton*>(&contrôle))
    bouton->setText(texte);
  else if (auto* saisie = qobject_cast<QLineEdit*>(&contrôle))
    saisie->setText(texte);
  else if (auto* étiquette = qobject_cast<QLabel*>(&contrôle))
    étiquette->setText(texte);
  else if (auto* widget = qobject_cast<QWidget*>(&contrôle); widget && widget->isWindow())
    widget->setWindowTitle(texte);
}

void AppliquerLégendes(QWidget& fenêtre, Fenêtre laquelle, const std::vector<Légende>& légendes) {
  for (const Légende& l : légendes)
    if (l.fenêtre == laquelle)
      if (QObject* contrôle = TrouverContrôle(fenêtre, l.contrôle))
        AppliquerLégende(*contrôle, ui::EnQString(l.texte));
}

void AppliquerDispositionDialogue(QWidget& fenêtre, const std::vector<ContrôleDialogue>& contrôles,
                                  const ui::ÉchelleTwips& échelle) {
  for (const ContrôleDialogue& c : contrôles) {
    auto* widget = qobject_cast<QWidget*>(TrouverContrôle(fenêtre, c.nom));
    if (!widget) continue;
    if (widget == &fenêtre) {
      widget->setFixedSize(échelle.EnPixels(EnTwips(c.rect)).size());
      continue;
    }
    échelle.Placer(*widget, EnTwips(c.rect));
    if (c.police) {
      QFont police = widget->font();
      ui::RéglerTaille(police, *c.police);
      widget->setFont(police);
    }
  }
}

}  // namespace rolvex::app
