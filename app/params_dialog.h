// The dialog of the player's name and the column mode, opened before a new game.
#pragma once

#include <QDialog>
#include <QSizeF>
#include <QString>
#include <cstdint>

#include "engine/score_sheet.h"

class QLineEdit;
class QRadioButton;

namespace rolvex::app {

class FormRolvex;

class FormParams : public QDialog {
  Q_OBJECT

 public:
  // Lives as long as the main window, hidden between two openings.
  FormParams(FormRolvex& principale, QSizeF ecranTwips);

  // The mode 1..3 whose option button is selected.
  int16_t ModeSelectionne() const;
  void SelectionnerMode(int16_t modeJeu);
  QString Nom() const;
  void EcrireNom(const QString& nom);

  void PanelOkParams_Click();
  void PanelCancelParams_Click();
  void TextName_Click();

 protected:
  // Escape, the close box and the platform's close command leave as cancel does.
  void reject() override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* objet, QEvent* event) override;

 private:
  FormRolvex& principale_;
  Tableau<QRadioButton*, 1, 3> options_;  // by column mode
  QLineEdit* TextName_ = nullptr;
};

}  // namespace rolvex::app
