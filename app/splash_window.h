// The start-up window: the title, the version and the choice of the language, once per run.
#pragma once

#include <QSizeF>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace rolvex {
// texts/language_tables.h; moc cannot read its accented enumerators.
enum class Langue : int16_t;
}  // namespace rolvex

namespace rolvex::app {

class FrmSplash : public QWidget {
  Q_OBJECT

 public:
  // `langueChoisie` runs once, as the window goes: with the language of the button pressed,
  // or French when the window is closed without one. écranTwips: the screen the game covers.
  FrmSplash(QSizeF écranTwips, std::function<void(Langue)> langueChoisie);

  Langue langue() const { return langue_; }

  void PanelStartFrench_Click();
  void PanelStartEnglish_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Form_Load(QSizeF écranTwips);
  void Form_Unload();

  std::function<void(Langue)> langueChoisie_;
  Langue langue_;
  bool déchargée_ = false;
};

}  // namespace rolvex::app
