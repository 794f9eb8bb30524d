// The start-up window: the title, the version and the choice of the language, once per run.
#pragma once

#include <QSizeF>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "texts/language_tables.h"

namespace rolvex::app {

class FrmSplash : public QWidget {
  Q_OBJECT

 public:
  // `langueChoisie` runs once, as the window goes: with the language of the button pressed,
  // or French when the window is closed without one. ecranTwips: the screen the game covers.
  FrmSplash(QSizeF ecranTwips, std::function<void(Langue)> langueChoisie);

  Langue langue() const { return langue_; }

  void PanelStartFrench_Click();
  void PanelStartEnglish_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Tab and the arrows go from one language button to the other, Enter or Space presses the
  // one framed, F and E choose French and English.
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Form_Load(QSizeF ecranTwips);
  void Form_Unload();

  std::function<void(Langue)> langueChoisie_;
  Langue langue_;
  bool dechargee_ = false;
};

}  // namespace rolvex::app
