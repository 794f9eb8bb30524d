#include "app/startup_clock.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <set>

namespace rolvex::app {

namespace {

long long MaintenantNs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<long long>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// Lines "rolvex-chrono <event> <ns> [x y]": the event, the monotonic time, and for the start-up
// window the place on the screen of its English button, where the benchmark clicks.
class Chronometre : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* objet, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(objet);
    if (!widget) return false;
    const QString nom = widget->objectName();
    if (event->type() == QEvent::Paint && widget->isWindow() && !vues_.contains(nom)) {
      vues_.insert(nom);
      // Once the painting is over and shown: the next turn of the event loop.
      QTimer::singleShot(0, this, [widget, nom] {
        const QWidget* bouton = widget->findChild<QWidget*>(QStringLiteral("PanelStartEnglish"));
        const QPoint centre = bouton ? bouton->mapToGlobal(bouton->rect().center()) : QPoint();
        std::fprintf(stderr, "rolvex-chrono %s %lld %d %d\n", nom.toUtf8().constData(),
                     MaintenantNs(), centre.x(), centre.y());
      });
    }
    if (event->type() == QEvent::MouseButtonRelease && nom.startsWith(QStringLiteral("PanelStart")))
      std::fprintf(stderr, "rolvex-chrono clic %lld\n", MaintenantNs());
    return false;
  }

 private:
  std::set<QString> vues_;
};

}  // namespace

void ChronometrerSiDemande(QApplication& application) {
  if (!qEnvironmentVariableIsSet("ROLVEX_CHRONO")) return;
  application.installEventFilter(new Chronometre(&application));
}

}  // namespace rolvex::app
