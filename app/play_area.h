// The widgets of the play area, made once from the layout and found again by their names.
#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <string_view>

#include "playarea/layout.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/twips.h"

namespace rolvex::app {

class ÉcranAireJeu {
 public:
  // InitAireJeu: one widget per control of `aire`, in `client` or in its container, with its
  // design's colours and fonts and its place. The squares stand shown, empty, in their column's
  // colour until the first game draws them.
  ÉcranAireJeu(QWidget& client, const AireJeu& aire, const ui::ÉchelleTwips& échelle);

  // The widget called `nom`, which the layout lists (programmer error otherwise).
  QWidget& operator[](std::string_view nom) const;
  ui::Panneau& Panneau(std::string_view nom) const;
  ui::Image& Image(std::string_view nom) const;

  // Every widget takes its rectangle, and is shown or hidden where the layout says so.
  void AppliquerDisposition(const AireJeu& aire);

  const ui::ÉchelleTwips& Échelle() const { return échelle_; }

 private:
  QWidget& Créer(const AireJeu& aire, const std::string& nom);

  QWidget& client_;
  ui::ÉchelleTwips échelle_;
  std::map<std::string, QWidget*, std::less<>> widgets_;
};

}  // namespace rolvex::app
